// pick3 chart: the grid of one trend chart over the statistics range, one line per grid row.
#include "cli/cli_common.h"
#include "cli/range_options.h"
#include "core/charts/chart_catalogue.h"

namespace p3::cli {
namespace {

struct ChartOptions {
    int kind = 0;
    HistoryOptions history;
    RangeOptions range;
};

void runChart(const GlobalOptions& global, const ChartOptions& options) {
    if (!core::isChartKind(options.kind)) throw CommandError{"没有这个图表: " + std::to_string(options.kind)};
    History h = loadHistory(global, options.history);
    const core::StatisticsRange range = chooseRange(h.draws, options.range);
    const std::span<const core::Draw> draws(h.draws.data() + range.begin(), range.size());
    const core::ChartGrid grid = take(core::BuildChart(options.kind, draws));
    for (int row = 0; row < grid.rowCount(); ++row)
        printRecord(grid.rowTexts(row));
}

} // namespace

void registerChartCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, options] =
        addCommand<ChartOptions>(app, global, "chart", "the grid of trend chart KIND (1..41) over a range",
                                 "example: pick3 chart 38 --lottery 福彩3D --last 30", runChart);
    cmd->add_option("KIND", options->kind, "chart kind 1..41")->required()->check(integerIn(1, 41));
    addHistoryOptions(cmd, options->history, false, false);
    addRangeOptions(cmd, options->range);
}

} // namespace p3::cli
