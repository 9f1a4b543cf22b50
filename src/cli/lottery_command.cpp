// pick3 lottery: the lotteries of the home database.
#include "cli/cli_common.h"
#include "core/data/lottery_types.h"
#include "core/net/draw_source.h"

namespace p3::cli {

void registerLotteryCommand(CLI::App& app, const GlobalOptions& global) {
    auto* cmd = app.add_subcommand("lottery", "the lotteries of the home database");
    cmd->require_subcommand(1);
    auto* list =
        cmd->add_subcommand("list", "one line per lottery: name, kind, id, digit count, draws, source");
    list->footer("example: pick3 lottery list");
    list->callback([&global] {
        auto db = openDatabase(global);
        for (const auto& lottery : take(db.listLotteries())) {
            auto count = take(db.countDraws(lottery.kind, lottery.id));
            auto source = take(db.lotterySource(lottery.id));
            printRecord({lottery.name, lottery.kind, std::to_string(lottery.id),
                         std::to_string(lottery.digitCount), std::to_string(count), source});
        }
    });

    struct AddOptions {
        std::string name;
        std::string kind;
        std::optional<int> digits;
    };
    auto o = std::make_shared<AddOptions>();
    auto* add = cmd->add_subcommand("add", "add a lottery; prints name, kind, id, digit count");
    add->footer("example: pick3 lottery add 体彩排列4 --kind 体彩 --digits 4");
    add->add_option("NAME", o->name)->required();
    add->add_option("--kind", o->kind, "福彩 or 体彩")->required();
    add->add_option("--digits", o->digits, "digit count 3..5 (default 3)")->check(integerIn(3, 5));
    add->callback([&global, o] {
        auto db = openDatabase(global);
        auto added = take(core::addLotteryType(db, o->name, o->kind, o->digits));
        printRecord({added.name, added.kind, std::to_string(added.id), std::to_string(added.digitCount)});
    });

    struct SourceOptions {
        std::string name;
        std::string kind;
    };
    auto so = std::make_shared<SourceOptions>();
    auto* source = cmd->add_subcommand("source", "set where the lottery's new draws come from: server, cwl, "
                                                 "sporttery or lines");
    source->footer("example: pick3 lottery source 福彩3D cwl");
    source->add_option("NAME", so->name)->required();
    source->add_option("KIND", so->kind, "server, cwl, sporttery or lines")->required();
    source->callback([&global, so] {
        auto db = openDatabase(global);
        if (!core::parseSourceKind(so->kind))
            throw CommandError{"未知的数据来源: " + so->kind + " (可选 " +
                               std::string(core::kSourceKindChoices) + ")"};
        take(db.setLotterySource(so->name, so->kind));
    });

    auto* del = cmd->add_subcommand("delete", "delete a lottery and its draws");
    del->footer("example: pick3 lottery delete 体彩排列4");
    del->add_option("NAME", o->name)->required();
    del->callback([&global, o] {
        auto db = openDatabase(global);
        take(core::deleteLotteryType(db, o->name));
    });
}

} // namespace p3::cli
