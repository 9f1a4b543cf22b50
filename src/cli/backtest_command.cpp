// pick3 backtest: a condition list run against the history, period by period.
#include <cstdio>
#include <iostream>

#include "cli/shrink_cli.h"
#include "core/shrink/backtest.h"
#include "core/shrink/condition_file.h"

namespace p3::cli {
namespace {

struct BacktestOptions {
    HistoryOptions history;
    std::string conditions;
    std::size_t last = 100;
    std::optional<std::string> totalTolerance;
};

std::string fixed(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

std::string joinRows(const std::vector<int>& rows) {
    std::string out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += (i ? "," : "") + std::to_string(rows[i]);
    return out;
}

void runBacktest(const GlobalOptions& global, const BacktestOptions& o) {
    const auto tolerance = parseTotalTolerance(o.totalTolerance);
    const auto list = readUsableConditions(o.conditions);
    const ShrinkHistory h = loadShrinkHistory(global, o.history);
    const auto report = take(core::Backtest(list, h.history.draws, h.table, o.last, tolerance));
    warnUnknownRows(report.unknownRows);
    printRecord({"period", "draw", "survived", "count", "failed_lines"});
    for (const auto& p : report.periods)
        printRecord(
            {p.period, p.draw, p.survived ? "1" : "0", std::to_string(p.count), joinRows(p.failedRows)});
    printRecord({"periods", "hits", "hit_rate", "mean_size", "random_hit_rate"});
    printRecord({std::to_string(report.periods.size()), std::to_string(report.hits), fixed(report.hitRate),
                 fixed(report.meanSize), fixed(report.randomHitRate)});
    printRecord({"line", "name", "share_kept", "rejected", "lift"});
    for (const auto& l : report.lines)
        printRecord({std::to_string(l.row), l.keyword, fixed(l.shareKept), std::to_string(l.rejected),
                     fixed(l.lift)});
}

} // namespace

void registerBacktestCommand(CLI::App& app, const GlobalOptions& global) {
    auto o = std::make_shared<BacktestOptions>();
    auto* cmd = app.add_subcommand("backtest", "run a condition list against each of the last N draws");
    cmd->footer(
        "example: pick3 backtest --conditions plan.ag --lottery 福彩3D --last 365\n"
        "Prints three TSV blocks, each with a header line: one row per period (failed_lines = the used\n"
        "lines the real draw does not pass), the totals, and one row per used line.");
    cmd->add_option("--conditions", o->conditions, "condition file (*.ag)")->required();
    cmd->add_option("--last", o->last, "number of periods (default 100)")->check(integerIn(1, 1000000));
    cmd->add_option("--total-tolerance", o->totalTolerance, "total tolerance BEG-END (0..100 each)");
    addHistoryOptions(cmd, o->history);
    cmd->callback([&global, o] { runBacktest(global, *o); });
}

} // namespace p3::cli
