#pragma once
/// Backtest of a condition list (方案评估): each period of a range filtered with the history up to the
/// period before it, and how the list, the money and each of its lines fared against the real draws.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "core/shrink/base_list.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/hit_odds.h"
#include "core/tools/bet_plan.h"

namespace p3::core {

/// The price of one bet and the prize of a hit of each type (one bet, one multiple).
struct PrizeTable {
    Money price = 2;
    Money direct = 1040; ///< 直选
    Money group3 = 346;  ///< 组三
    Money group6 = 173;  ///< 组六
    bool operator==(const PrizeTable&) const = default;
};

/// What the workspace bets: the picked digits and the bet type build the base, the tolerances filter it.
/// With 组3直选 and 组6直选 the surviving numbers are bought as 组选 bets: every group form (the digits
/// sorted) with a surviving number in it is one bet, and a period hits when the draw's group form is
/// among them; with 所有组合 every surviving number is one 直选 bet.
struct BacktestSettings {
    TotalTolerance tolerance;
    PickGrid pick = fullPickGrid();
    BetType betType = BetType::All;
    PrizeTable prizes;
};

/// Draw indices [first, end) to test.
struct BacktestRange {
    std::size_t first = 0;
    std::size_t end = 0;
};

/// The last n draws (all of them when there are fewer).
[[nodiscard]] BacktestRange lastPeriodsRange(const DrawList& draws, std::size_t n);
/// The draws from period `from` to period `to`, both included; "没有这个期号" when one is not in the list.
[[nodiscard]] Result<BacktestRange> periodRange(const DrawList& draws, std::string_view from,
                                                std::string_view to);

/// Progress and cancellation of a run on a worker thread.
struct BacktestControl {
    const std::atomic<bool>* cancel = nullptr;
    /// Called now and then with the periods done and the total.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

inline constexpr std::string_view kBacktestCancelled = "已取消";

struct BacktestPeriod {
    std::string period;
    std::string draw;            ///< the first three digits of the real draw
    bool survived = false;       ///< a hit: the draw (or, for 组选 bets, its group form) is in the list
    bool inBase = true;          ///< the draw (its group form) is in the base at all
    std::size_t count = 0;       ///< bets in the list: numbers, or group forms for 组选 bets
    std::vector<int> failedRows; ///< used lines the real draw does not pass
    NumberSet list;              ///< the surviving numbers of the base
};

struct BacktestLine {
    int row = 0;
    std::string keyword;
    double keepRate = 0;      ///< share of the periods (draw in the base) whose draw the line passes
    double cutRate = 0;       ///< mean share of the base the line removes
    double shareKept = 0;     ///< 1 - cutRate
    std::size_t rejected = 0; ///< periods (draw in the base) whose draw the line does not pass
    double lift = 0;          ///< keepRate / (1 - cutRate); 0 when the line keeps nothing
    std::size_t lostHits = 0; ///< periods missed only because of this line: without it the draw survives
};

struct BacktestReport {
    BetType betType = BetType::All;
    std::vector<BacktestPeriod> periods;
    std::size_t hits = 0;
    double hitRate = 0;
    double meanSize = 0;
    std::size_t minSize = 0;
    std::size_t maxSize = 0;
    /// What a random list of the period's size would hit, averaged: size / 1000 for 直选 bets, size × 3
    /// / 1000 (组三) or size × 6 / 1000 (组六) for 组选 bets.
    double randomHitRate = 0;
    double ratio = 0; ///< hitRate / randomHitRate (0 when the baseline is 0)
    /// P(at least that many hits) when each period hits with its own random chance, independently.
    TailProbability pValue;
    Money cost;    ///< Σ size × price
    Money returns; ///< Σ hits × the prize of the bet type
    Money net;     ///< returns − cost
    std::vector<BacktestLine> lines;
    std::vector<int> unknownRows;
};

/// returns / cost with four decimals ("0.8460"); "0" when nothing was bought.
[[nodiscard]] std::string returnRateText(const BacktestReport& report);
/// returns / cost as a double.
[[nodiscard]] double returnRate(const BacktestReport& report);

/// The bets of one period as the list would have shown them: numbers, or group forms for 组选 bets,
/// ascending.
[[nodiscard]] std::vector<std::string> periodBets(const BacktestReport& report, std::size_t period);

/// The content of a history line with its reference sets made again, as the editor would have made
/// them from the given history (kinds 16-18 always, 21 when it carries a series). Lines of other kinds,
/// and lines whose preset gives nothing (too short a history, a series the table does not provide),
/// keep their stored content.
[[nodiscard]] std::string refreshReferenceContent(ConditionKind kind, const std::string& content,
                                                  const SeriesHistory& history);

/// Runs the list over the draws of the range. The list's refusals ("没有可供过滤的条件", "请选择条件")
/// apply; an empty range is refused ("没有可回测的期数"), a cancelled run ends with kBacktestCancelled.
[[nodiscard]] Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws,
                                              const TrackTable& table, BacktestRange range,
                                              const BacktestSettings& settings,
                                              const BacktestControl& control = {});

/// The last `lastPeriods` draws, every number a 直选 bet.
[[nodiscard]] Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws,
                                              const TrackTable& table, std::size_t lastPeriods,
                                              const TotalTolerance& tolerance);

} // namespace p3::core
