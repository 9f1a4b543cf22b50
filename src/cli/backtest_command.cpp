// pick3 backtest: a condition list run against the history, period by period.
#include <cstdio>
#include <iostream>

#include "cli/shrink_cli.h"
#include "core/shrink/backtest.h"
#include "core/shrink/base_list.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/hit_odds.h"
#include "core/tools/bet_plan.h"

namespace p3::cli {
namespace {

struct BacktestOptions {
    HistoryOptions history;
    std::string conditions;
    std::size_t last = 100;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> totalTolerance;
    PickOptions bets;
    std::string price = "2";
    std::string prizeDirect = "1040";
    std::string prizeZ3 = "346";
    std::string prizeZ6 = "173";
    bool money = false;
};

core::Money parseMoney(const std::string& text, const char* option) {
    auto money = core::Money::parse(text);
    if (!money || money->micros < 0) throw CommandError{std::string(option) + " 金额不正确: " + text};
    return *money;
}

core::BacktestSettings settingsOf(const BacktestOptions& o) {
    core::BacktestSettings s;
    s.tolerance = parseTotalTolerance(o.totalTolerance);
    if (o.bets.pick) s.pick = take(core::parsePickGrid(*o.bets.pick));
    s.betType = betTypeOf(o.bets);
    s.prizes.price = parseMoney(o.price, "--price");
    s.prizes.direct = parseMoney(o.prizeDirect, "--prize-direct");
    s.prizes.group3 = parseMoney(o.prizeZ3, "--prize-z3");
    s.prizes.group6 = parseMoney(o.prizeZ6, "--prize-z6");
    return s;
}

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
    const auto settings = settingsOf(o);
    const auto list = readUsableConditions(o.conditions);
    const ShrinkHistory h = loadShrinkHistory(global, o.history);
    const auto& draws = h.history.draws;
    const auto range =
        o.from ? take(core::periodRange(draws, *o.from, *o.to)) : core::lastPeriodsRange(draws, o.last);
    const auto report = take(core::Backtest(list, draws, h.table, range, settings));
    warnUnknownRows(report.unknownRows);
    printRecord({"period", "draw", "survived", "count", "failed_lines"});
    for (const auto& p : report.periods)
        printRecord(
            {p.period, p.draw, p.survived ? "1" : "0", std::to_string(p.count), joinRows(p.failedRows)});
    printRecord({"periods", "hits", "hit_rate", "mean_size", "random_hit_rate", "p_value"});
    printRecord({std::to_string(report.periods.size()), std::to_string(report.hits), fixed(report.hitRate),
                 fixed(report.meanSize), fixed(report.randomHitRate),
                 core::formatProbability(report.pValue)});
    printRecord({"line", "name", "share_kept", "rejected", "lift"});
    for (const auto& l : report.lines)
        printRecord({std::to_string(l.row), l.keyword, fixed(l.shareKept), std::to_string(l.rejected),
                     fixed(l.lift)});
    if (!o.money) return;
    printRecord({"cost", "return", "net", "return_rate"});
    printRecord({core::formatExact(report.cost), core::formatExact(report.returns),
                 core::formatExact(report.net), core::returnRateText(report)});
}

} // namespace

void registerBacktestCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<BacktestOptions>(
        app, global, "backtest", "run a condition list against each of the last N draws",
        "example: pick3 backtest --conditions plan.ag --lottery 福彩3D --last 365\n"
        "         pick3 backtest --conditions plan.ag --pick 0123456789/13579/02468 --bet-type z6 --money\n"
        "Prints three TSV blocks, each with a header line: one row per period (survived = a hit, count = "
        "the\n"
        "bets of the list, failed_lines = the used lines the real draw does not pass), the totals, and one\n"
        "row per used line; with --money a fourth block: cost (count x price summed), return (hits x "
        "prize),\n"
        "net and return_rate (return / cost). With --bet-type z3 or z6 the list is bought as 组选 bets, one\n"
        "per group form, a hit is the draw's group form, and random_hit_rate is the mean count x 3 (z3) or\n"
        "x 6 (z6) / 1000. p_value: the chance of at least that many hits when each period hits at random\n"
        "with its own list's chance (count / 1000, or count x 3 or x 6 / 1000), independently; four\n"
        "decimals, below 0.0001 as mantissa and exponent (3.25e-07).",
        runBacktest);
    cmd->add_option("--conditions", o->conditions, "condition file (*.ag)")->required();
    auto* last =
        cmd->add_option("--last", o->last, "number of periods (default 100)")->check(integerIn(1, 1000000));
    auto* from = cmd->add_option("--from", o->from, "first period of the range (with --to)");
    auto* to = cmd->add_option("--to", o->to, "last period of the range");
    from->needs(to);
    to->needs(from);
    last->excludes(from);
    last->excludes(to);
    addTotalToleranceOption(cmd, o->totalTolerance);
    addPickOptions(cmd, o->bets);
    cmd->add_option("--price", o->price, "price of one bet (default 2)");
    cmd->add_option("--prize-direct", o->prizeDirect, "prize of a 直选 hit (default 1040)");
    cmd->add_option("--prize-z3", o->prizeZ3, "prize of a 组三 hit (default 346)");
    cmd->add_option("--prize-z6", o->prizeZ6, "prize of a 组六 hit (default 173)");
    cmd->add_flag("--money", o->money, "print the money block");
    addHistoryOptions(cmd, o->history);
}

} // namespace p3::cli
