#pragma once
/// The scheme evaluation (方案评估) as tables a person reads: the summary, one row per period and one
/// row per line, as the window shows and exports them; the price and prizes kept in Sys_Set.ini.
#include <string>
#include <vector>

#include "core/export/table_export.h"
#include "core/io/ini_file.h"
#include "core/shrink/backtest.h"

namespace p3::core {

inline constexpr std::string_view kWorseThanNothing = "这个条件在历史上得不偿失";

/// A share as a percentage with two decimals ("12.34%").
[[nodiscard]] std::string percentText(double share);

/// Label and value of every summary figure, in the order shown.
[[nodiscard]] TextTable backtestSummaryTable(const BacktestReport& report);
/// 期号, 开奖号, 注数, 命中, 未通过的条件 (row numbers with their condition names).
[[nodiscard]] TextTable backtestPeriodTable(const BacktestReport& report);
/// 序号, 条件, 保留率, 过滤率, 提升度, 独损中奖, 评价.
[[nodiscard]] TextTable backtestLineTable(const BacktestReport& report);

/// Whether a line did more harm than good: it kept the winning number less often than it keeps numbers.
[[nodiscard]] inline bool isWorseThanNothing(const BacktestLine& line) {
    return line.lift < 1;
}

/// The failed lines of a period as text: "3 和值, 7 跨度".
[[nodiscard]] std::string failedLinesText(const BacktestReport& report, const BacktestPeriod& period);

/// Price and prizes of the settings file (section 方案评估); missing or unreadable values give the
/// defaults.
[[nodiscard]] PrizeTable readPrizeTable(const IniFile& ini);
void writePrizeTable(IniFile& ini, const PrizeTable& prizes);

} // namespace p3::core
