#pragma once
/// What the shrink commands (filter, backtest, intersect, convert) share.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_common.h"
#include "core/history/track_table.h"
#include "core/shrink/base_list.h"
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

/// The bet list built from picked digits: the digits per position and the bet type.
struct PickOptions {
    std::optional<std::string> pick;
    std::string betType = "all";
};

/// Adds --pick and --bet-type; returns them, for options that exclude them.
std::pair<CLI::Option*, CLI::Option*> addPickOptions(CLI::App* command, PickOptions& options);
/// The bet type named by --bet-type.
core::BetType betTypeOf(const PickOptions& options);

/// Adds --total-tolerance, read by parseTotalTolerance.
void addTotalToleranceOption(CLI::App* command, std::optional<std::string>& text);

/// "BEG-END" with two integers 0..100 (a begin above the end allowed); no text: tolerance off.
core::TotalTolerance parseTotalTolerance(const std::optional<std::string>& text);

/// The rows of a condition file; a file with a row that cannot be used is refused, every such row
/// named with its file line, so that no run silently leaves a line out.
core::ConditionList readUsableConditions(const std::string& file);

/// Tells the user on stderr which used lines were ignored for an unknown keyword.
void warnUnknownRows(const std::vector<int>& rows);

} // namespace p3::cli
