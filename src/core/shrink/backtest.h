#pragma once
/// Backtest of a condition list: each of the last N periods filtered with the history up to the period
/// before it, and how the list and each of its lines fared against the real draws.
#include <cstddef>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_line.h"

namespace p3::core {

struct BacktestPeriod {
    std::string period;
    std::string draw;            ///< the first three digits of the real draw
    bool survived = false;       ///< the real draw is in the filtered list
    std::size_t count = 0;       ///< how many of the 1000 numbers survived
    std::vector<int> failedRows; ///< used lines the real draw does not pass
};

struct BacktestLine {
    int row = 0;
    std::string keyword;
    double shareKept = 0;     ///< mean share of the 1000 numbers the line passes
    std::size_t rejected = 0; ///< periods whose real draw the line does not pass
    double lift = 0;          ///< pass rate on the real draws / share kept (0 when it keeps nothing)
};

struct BacktestReport {
    std::vector<BacktestPeriod> periods;
    std::size_t hits = 0;
    double hitRate = 0;
    double meanSize = 0;
    double randomHitRate = 0; ///< what a random list of the mean size would hit: mean size / 1000
    std::vector<BacktestLine> lines;
    std::vector<int> unknownRows;
};

/// The content of a history line with its reference sets made again, as the editor would have made
/// them from the given history (kinds 16-18 always, 21 when it carries a series). Lines of other kinds,
/// and lines whose preset gives nothing (too short a history, a series the table does not provide),
/// keep their stored content.
[[nodiscard]] std::string refreshReferenceContent(ConditionKind kind, const std::string& content,
                                                  const SeriesHistory& history);

/// Runs the list over the last `lastPeriods` draws (all of them when there are fewer). The list's
/// refusals ("没有可供过滤的条件", "请选择条件") apply; fewer than one period is refused.
[[nodiscard]] Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws,
                                              const TrackTable& table, std::size_t lastPeriods,
                                              const TotalTolerance& tolerance);

} // namespace p3::core
