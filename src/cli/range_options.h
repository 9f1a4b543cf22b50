#pragma once
/// The statistics range options shared by pick3 stats and pick3 chart: --last N or --from/--to periods.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "core/history/draw_list.h"
#include "core/stats/statistics_query.h"

namespace p3::cli {

/// The most draws --last may ask for; far beyond any history.
inline constexpr std::int64_t kMaxLastDraws = 100'000'000;

struct RangeOptions {
    std::optional<std::size_t> last;
    std::optional<std::string> from;
    std::optional<std::string> to;
};

void addRangeOptions(CLI::App* command, RangeOptions& options);

/// The range the options choose over the draws (default: the newest 1000); refusals end the command.
core::StatisticsRange chooseRange(const core::DrawList& draws, const RangeOptions& options);

} // namespace p3::cli
