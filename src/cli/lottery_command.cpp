// pick3 lottery: the lotteries of the home database.
#include "cli/cli_common.h"

namespace p3::cli {

void registerLotteryCommand(CLI::App& app, const GlobalOptions& global) {
    auto* cmd = app.add_subcommand("lottery", "the lotteries of the home database");
    cmd->require_subcommand(1);
    auto* list = cmd->add_subcommand("list", "one line per lottery: name, kind, id, digit count, draws");
    list->footer("example: pick3 lottery list");
    list->callback([&global] {
        auto db = openDatabase(global);
        for (const auto& lottery : take(db.listLotteries())) {
            auto count = take(db.countDraws(lottery.kind, lottery.id));
            printRecord({lottery.name, lottery.kind, std::to_string(lottery.id), std::to_string(lottery.digitCount),
                         std::to_string(count)});
        }
    });
}

} // namespace p3::cli
