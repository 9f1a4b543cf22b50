// pick3 betplan: the bet plan calculator (倍投方案) and its spreadsheet export.
#include <iostream>
#include <limits>

#include "cli/cli_common.h"
#include "core/export/bet_plan_xlsx.h"
#include "core/tools/bet_plan.h"

namespace p3::cli {
namespace {

struct BetPlanOptions {
    std::string cost = "2";
    std::string prize = "160";
    std::string start = "1";
    std::string periods = "15";
    std::string rate = "10";
    std::vector<std::string> changes;
    std::optional<std::string> xlsx;
};

// The core says which rows and multiples are possible; here a value need only be an integer.
constexpr std::int64_t kAnyCount = std::numeric_limits<std::int64_t>::max();

void runBetPlan(const GlobalOptions&, const BetPlanOptions& o) {
    const auto inputs = take(core::parseBetPlanInputs(o.cost, o.prize, o.start, o.periods, o.rate));
    auto plan = core::planBets(inputs);
    for (const auto& change : o.changes) {
        const auto eq = change.find('=');
        std::size_t row = 0;
        long long multiple = 0;
        if (eq == std::string::npos) throw CommandError{"--change 应为 期数=倍数: " + change};
        row = static_cast<std::size_t>(parseIntegerIn("--change", change.substr(0, eq), 0, kAnyCount));
        multiple = parseIntegerIn("--change", change.substr(eq + 1), -kAnyCount, kAnyCount);
        if (row == 0) throw CommandError{"没有这一期: 0"};
        take(core::rewriteBetPlanRow(plan, inputs, row - 1, multiple));
    }
    std::vector<std::string> captions(std::begin(core::kBetPlanCaptions), std::end(core::kBetPlanCaptions));
    printRecord(captions);
    for (const auto& row : plan.rows)
        printRecord(core::betPlanCells(row));
    if (o.xlsx) take(core::writeBetPlanXlsx(plan, inputs, *o.xlsx));
    if (!plan.message.empty()) throw CommandError{plan.message};
}

} // namespace

void registerBetPlanCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<BetPlanOptions>(
        app, global, "betplan", "the bet plan (倍投方案): the seven captions, then one line per period",
        "example: pick3 betplan --cost 2 --prize 160 --start 1 --periods 15 --rate 10 --xlsx plan.xlsx",
        runBetPlan);
    cmd->add_option("--cost", o->cost, "当期投入: cost of one period at multiple 1")->capture_default_str();
    cmd->add_option("--prize", o->prize, "中奖奖金: prize at multiple 1")->capture_default_str();
    // The window reads an empty or 0 box as 1; on the command line a 0 is a mistake to say so.
    cmd->add_option("--start", o->start, "起始倍数: starting multiple, 1 or more")
        ->capture_default_str()
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
                return text.find_first_not_of("0 ") == std::string::npos ? "起始倍数 必须是正整数!" : "";
            },
            "INT >= 1"));
    cmd->add_option("--periods", o->periods, "倍投期数: number of periods")->capture_default_str();
    cmd->add_option("--rate", o->rate, "中奖利润率>=: required profit rate in percent")
        ->capture_default_str();
    cmd->add_option("--change", o->changes, "ROW=MULTIPLE: set the multiple of a row and plan again after it")
        ->allow_extra_args(false);
    cmd->add_option("--xlsx", o->xlsx, "also write the plan as a spreadsheet");
}

} // namespace p3::cli
