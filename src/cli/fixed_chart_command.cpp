// pick3 fixed-chart: the reference tables of the tree group "固定图表", as TSV with a header line.
#include <iostream>

#include "cli/cli_common.h"
#include "core/charts/fixed_charts.h"

namespace p3::cli {
namespace {

struct FixedChartOptions {
    bool list = false;
    std::string name;
};

void runFixedChart(const GlobalOptions&, const FixedChartOptions& options) {
    if (options.list) {
        for (auto name : core::fixedChartNames())
            std::cout << name << '\n';
        return;
    }
    if (options.name.empty()) throw CommandError{"请给出固定图表的名称 (pick3 fixed-chart --list 列出全部)"};
    std::cout << core::toTsv(take(core::buildFixedChart(options.name)));
}

} // namespace

void registerFixedChartCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, options] = addCommand<FixedChartOptions>(
        app, global, "fixed-chart", "a fixed reference table of the 1000 numbers (固定图表)",
        "examples:\n  pick3 fixed-chart --list\n  pick3 fixed-chart 和值号码-细分表", runFixedChart);
    cmd->add_flag("--list", options->list, "the fifteen table names in tree order");
    cmd->add_option("NAME", options->name, "the table's name");
}

} // namespace p3::cli
