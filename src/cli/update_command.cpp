// pick3 update and pick3 version: the on-demand download of new draws and the version check.
#include "cli/cli_common.h"
#include "core/io/settings.h"
#include "core/net/online_update.h"
#include "core/net/version_check.h"

namespace p3::cli {
namespace {

struct UpdateOptions {
    std::optional<std::string> lottery;
    std::optional<std::string> source;
    std::optional<std::string> url;
};

} // namespace

void registerUpdateCommands(CLI::App& app, const GlobalOptions& global) {
    auto o = std::make_shared<UpdateOptions>();
    auto* update = app.add_subcommand(
        "update", "download the lottery's new draws from its source and store them in period order "
                  "(网上更新); prints 更新成功 and the number of draws added");
    update->footer(
        "Sources: server (DataUrl + /down/NAME.txt), cwl (福彩3D), sporttery (排列3, 排列5), lines (a text\n"
        "archive; {name} in its address stands for the lottery name). Addresses: [Server] DataUrl,\n"
        "CwlUrl, SportteryUrl, LinesUrl of Sys_Set.ini.\n"
        "examples:\n"
        "  pick3 update --lottery 福彩3D\n"
        "  pick3 update --lottery 福彩3D --source server --url http://127.0.0.1:8080");
    update->add_option("--lottery", o->lottery, "the lottery (default: the current one)");
    update->add_option("--source", o->source,
                       "server, cwl, sporttery or lines (default: the lottery's source)");
    update->add_option("--url", o->url,
                       "base address of the source (default: its key in Sys_Set.ini [Server])");
    update->callback([&global, o] {
        const auto home = homeFolder(global);
        auto db = openDatabase(global);
        auto lottery = requireLottery(db, global, o->lottery);
        auto settings = take(core::Settings::open(home));
        core::UpdateRequest request;
        request.databaseFile = db.file();
        request.home = home;
        request.lottery = lottery;
        request.source = take(core::sourceFor(db, settings, lottery, o->source, o->url));
        core::applySettings(request, settings);
        auto report = take(core::runUpdate(request));
        printRecord({std::string(core::update_messages::kUpdated), std::to_string(report.added.size())});
    });

    auto* version = app.add_subcommand("version", "ask the update server for the current version; prints "
                                                  "new or same and the answer (nothing when the check is off "
                                                  "or fails)");
    version->footer("example: pick3 version --url http://127.0.0.1:8080");
    version->add_option("--url", o->url,
                        "base address of the update server (default: UpdateUrl of Sys_Set.ini)");
    version->callback([&global, o] {
        auto settings = take(core::Settings::open(homeFolder(global)));
        if (o->url) settings.setForThisRun(core::settings_keys::kUpdateUrl, *o->url);
        auto found = core::checkVersion(settings);
        if (found.answer.empty()) return;
        printRecord({found.newVersion ? "new" : "same", found.answer});
    });
}

} // namespace p3::cli
