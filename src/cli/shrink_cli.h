#pragma once
/// What the shrink commands (filter, backtest, intersect, convert) share.
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "core/history/track_table.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/series_history.h"

namespace p3::cli {

/// A history with its track table, for the series the conditions read.
struct ShrinkHistory {
    History history;
    core::TrackTable table;
    core::SeriesHistory view() const { return {&history.draws, &table}; }
};

ShrinkHistory loadShrinkHistory(const GlobalOptions& global, const HistoryOptions& options);

/// "BEG-END" with two integers 0..100 (a begin above the end allowed); no text: tolerance off.
core::TotalTolerance parseTotalTolerance(const std::optional<std::string>& text);

/// The rows of a condition file; a file with a row that cannot be used is refused, every such row
/// named with its file line, so that no run silently leaves a line out.
core::ConditionList readUsableConditions(const std::string& file);

/// Tells the user on stderr which used lines were ignored for an unknown keyword.
void warnUnknownRows(const std::vector<int>& rows);

} // namespace p3::cli
