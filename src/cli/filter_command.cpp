// pick3 filter: builds the bet list, filters it with a condition file and prints the survivors.
#include <cstdio>
#include <iostream>
#include <regex>

#include "cli/cli_common.h"
#include "cli/shrink_cli.h"
#include "core/shrink/base_list.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/number_list.h"

namespace p3::cli {

std::pair<CLI::Option*, CLI::Option*> addPickOptions(CLI::App* command, PickOptions& options) {
    auto* pick =
        command->add_option("--pick", options.pick, "digits per position, e.g. 0123456789/13579/02468");
    auto* bet = command->add_option("--bet-type", options.betType, "all | z3 | z6 (default all)")
                    ->check(CLI::IsMember({"all", "z3", "z6"}));
    return {pick, bet};
}

core::BetType betTypeOf(const PickOptions& options) {
    if (options.betType == "z3") return core::BetType::Group3;
    if (options.betType == "z6") return core::BetType::Group6;
    return core::BetType::All;
}

void addTotalToleranceOption(CLI::App* command, std::optional<std::string>& text) {
    command->add_option("--total-tolerance", text, "total tolerance BEG-END (0..100 each)");
}

core::TotalTolerance parseTotalTolerance(const std::optional<std::string>& text) {
    core::TotalTolerance tolerance;
    if (!text) return tolerance;
    static const std::regex pattern(R"((\d{1,3})-(\d{1,3}))");
    std::smatch m;
    if (!std::regex_match(*text, m, pattern)) throw CommandError{"总容错格式不正确: " + *text};
    tolerance.enabled = true;
    tolerance.begin = std::stoi(m[1]);
    tolerance.end = std::stoi(m[2]);
    if (tolerance.begin > 100 || tolerance.end > 100)
        throw CommandError{"总容错必须在 0..100 之间: " + *text};
    return tolerance;
}

ShrinkHistory loadShrinkHistory(const GlobalOptions& global, const HistoryOptions& options) {
    ShrinkHistory h;
    h.history = loadHistory(global, options);
    h.table =
        core::TrackTable::ComputeTrackTable(h.history.draws, h.history.publicNumbers, h.history.digitCount);
    return h;
}

core::ConditionList readUsableConditions(const std::string& file) {
    auto parsed = take(core::readConditionFileChecked(file));
    if (!parsed.issues.empty()) throw CommandError{core::conditionIssuesText(parsed.issues)};
    return std::move(parsed.lines);
}

void warnUnknownRows(const std::vector<int>& rows) {
    for (int row : rows)
        std::cerr << "条件序号" << row << " 的条件名无法识别, 已忽略\n";
}

namespace {

struct FilterOptions {
    HistoryOptions history;
    std::string conditions;
    std::optional<std::string> base;
    PickOptions bets;
    std::optional<std::string> totalTolerance;
    bool steps = false;
};

std::vector<std::string> buildBetList(const FilterOptions& o) {
    if (o.base) return take(core::readNumberTextFile(*o.base));
    const auto grid = o.bets.pick ? take(core::parsePickGrid(*o.bets.pick)) : core::fullPickGrid();
    return take(core::BuildBaseList(grid, betTypeOf(o.bets)));
}

void runFilter(const GlobalOptions& global, const FilterOptions& o) {
    const auto tolerance = parseTotalTolerance(o.totalTolerance);
    const auto list = readUsableConditions(o.conditions);
    const auto betList = buildBetList(o);
    const ShrinkHistory h = loadShrinkHistory(global, o.history);
    const core::SeriesHistory history = h.view();
    const auto result = take(core::FilterBetList(betList, list, tolerance, history));
    warnUnknownRows(result.unknownRows);
    for (const auto& number : result.kept)
        printRecord({number});
    if (o.steps) {
        const auto filter = take(core::compileConditions(list, history));
        const auto steps = core::filterSteps(betList, filter);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const auto& line = filter.lines[i];
            printRecord({"step", std::to_string(line.row),
                         list[static_cast<std::size_t>(line.row - 1)].keyword, std::to_string(steps[i])});
        }
    }
    printCaption(core::betCountLabel(result.kept.size()));
}

} // namespace

void registerFilterCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<FilterOptions>(
        app, global, "filter", "filter the bet list with a condition file (*.ag)",
        "example: pick3 filter --conditions plan.ag --pick 0123456789/13579/02468 --bet-type z6 "
        "--total-tolerance 0-1 --steps",
        runFilter);
    cmd->add_option("--conditions", o->conditions, "condition file (*.ag)")->required();
    auto* base =
        cmd->add_option("--base", o->base, "bet list from a number text file instead of picked digits");
    const auto [pick, bet] = addPickOptions(cmd, o->bets);
    base->excludes(pick);
    base->excludes(bet);
    addTotalToleranceOption(cmd, o->totalTolerance);
    cmd->add_flag("--steps", o->steps,
                  "after the result: per used line, the numbers left up to it (step ROW NAME COUNT)");
    addHistoryOptions(cmd, o->history);
}

} // namespace p3::cli
