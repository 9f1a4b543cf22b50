// pick3 draws, import, export: editing a lottery's history and moving it through draw text files.
#include <algorithm>

#include "cli/cli_common.h"
#include "core/data/draw_editor.h"
#include "core/data/draw_import.h"
#include "core/io/settings.h"

namespace p3::cli {

core::LotteryInfo requireLottery(core::DrawDatabase& db, const GlobalOptions& global,
                                 const std::optional<std::string>& name) {
    std::string wanted = name ? *name : take(core::Settings::open(homeFolder(global))).currentLottery();
    auto found = take(db.findLottery(wanted));
    if (!found) throw CommandError{"没有这个彩票: " + wanted};
    return *found;
}

namespace {

struct DrawsOptions {
    std::optional<std::string> lottery;
    std::string period;
    std::string digits;
    std::string before;
};

// The editor over the lottery's stored history, as the data-management window opens it.
struct OpenEditor {
    core::DrawDatabase db;
    core::LotteryInfo lottery;
    std::optional<core::DrawEditor> editor;

    OpenEditor(const GlobalOptions& global, const std::optional<std::string>& name)
        : db(openDatabase(global)) {
        lottery = requireLottery(db, global, name);
        editor.emplace(db, lottery, take(db.loadDraws(lottery.kind, lottery.id)));
    }
    std::size_t rowOf(const std::string& period) const {
        const auto value = core::parsePeriod(period);
        const auto& rows = editor->rows();
        auto it = std::find_if(rows.begin(), rows.end(), [&](const core::Draw& d) {
            return value && core::parsePeriod(d.period) == value;
        });
        if (it == rows.end()) throw CommandError{"没有第" + period + "期的开奖数据"};
        return static_cast<std::size_t>(it - rows.begin());
    }
};

CLI::App* drawsSubcommand(CLI::App* parent, const char* name, const char* about, const char* example,
                          DrawsOptions& options) {
    auto* cmd = parent->add_subcommand(name, about);
    cmd->footer(std::string("example: ") + example);
    cmd->add_option("--lottery", options.lottery, "the lottery (default: the current one)");
    return cmd;
}

/// A subcommand that makes one change through the lottery's editor and prints the draw count after it.
CLI::App* editSubcommand(CLI::App* parent, const char* name, const char* about, const char* example,
                         const GlobalOptions& global, const std::shared_ptr<DrawsOptions>& o,
                         core::Status (*edit)(OpenEditor& e, const DrawsOptions& given)) {
    auto* cmd = drawsSubcommand(parent, name, about, example, *o);
    cmd->callback([&global, o, edit] {
        OpenEditor e(global, o->lottery);
        take(edit(e, *o));
        printRecord({e.editor->countText()});
    });
    return cmd;
}

/// The PERIOD and DIGITS of the draw a subcommand stores.
void addDrawOptions(CLI::App* cmd, DrawsOptions& o) {
    cmd->add_option("PERIOD", o.period)->required();
    cmd->add_option("DIGITS", o.digits)->required();
}

void registerDrawsEditing(CLI::App* draws, const GlobalOptions& global) {
    auto o = std::make_shared<DrawsOptions>();

    auto* list = drawsSubcommand(draws, "list", "one line per draw: period, digits",
                                 "pick3 draws list --lottery 福彩3D", *o);
    list->callback([&global, o] {
        OpenEditor e(global, o->lottery);
        for (const auto& d : e.editor->rows())
            printRecord({d.period, d.digits});
    });

    auto* add = editSubcommand(
        draws, "add", "add a draw (新增)", "pick3 draws add --lottery 福彩3D 2024001 027", global, o,
        [](OpenEditor& e, const DrawsOptions& in) { return e.editor->add(in.period, in.digits); });
    addDrawOptions(add, *o);

    auto* insert = editSubcommand(draws, "insert", "insert a draw before a stored one (插入一期)",
                                  "pick3 draws insert --lottery 福彩3D --before 2024005 2024004 118", global,
                                  o, [](OpenEditor& e, const DrawsOptions& in) {
                                      return e.editor->insertBefore(e.rowOf(in.before), in.period, in.digits);
                                  });
    insert->add_option("--before", o->before, "the period of the draw to insert before")->required();
    addDrawOptions(insert, *o);

    auto* modify = editSubcommand(draws, "modify", "change the digits of a draw (修改)",
                                  "pick3 draws modify --lottery 福彩3D 2024001 028", global, o,
                                  [](OpenEditor& e, const DrawsOptions& in) {
                                      return e.editor->modify(e.rowOf(in.period), in.digits);
                                  });
    addDrawOptions(modify, *o);

    auto* remove = editSubcommand(
        draws, "delete", "delete a draw (删除)", "pick3 draws delete --lottery 福彩3D 2024001", global, o,
        [](OpenEditor& e, const DrawsOptions& in) { return e.editor->remove(e.rowOf(in.period)); });
    remove->add_option("PERIOD", o->period)->required();

    editSubcommand(draws, "clear", "delete every draw of the lottery (清空)",
                   "pick3 draws clear --lottery 福彩3D", global, o,
                   [](OpenEditor& e, const DrawsOptions&) { return e.editor->clear(); });
}

struct TransferOptions {
    std::optional<std::string> lottery;
    std::string file;
    bool merge = false;
};

} // namespace

void registerDrawsCommand(CLI::App& app, const GlobalOptions& global) {
    auto* draws = app.add_subcommand("draws", "list and edit the draws of a lottery");
    draws->require_subcommand(1);
    draws->footer("example: pick3 draws add --lottery 福彩3D 2024001 027");
    registerDrawsEditing(draws, global);
}

void registerImportExportCommands(CLI::App& app, const GlobalOptions& global) {
    auto o = std::make_shared<TransferOptions>();
    auto* exp = app.add_subcommand("export", "write a lottery's draws to a draw text file (导出)");
    exp->footer(
        "example: pick3 export --lottery 福彩3D draws.txt   (\".txt\" is added when the path has no \".\")");
    exp->add_option("--lottery", o->lottery, "the lottery (default: the current one)");
    exp->add_option("FILE", o->file)->required();
    exp->callback([&global, o] {
        auto db = openDatabase(global);
        auto lottery = requireLottery(db, global, o->lottery);
        auto written = take(core::exportDraws(take(db.loadDraws(lottery.kind, lottery.id)), o->file));
        printRecord({written.string()});
    });

    auto* imp = app.add_subcommand("import", "read a draw text file into a lottery (导入)");
    imp->footer(
        "example: pick3 import --lottery 福彩3D --merge new.txt   (replaces the history without --merge)");
    imp->add_option("--lottery", o->lottery, "the lottery (default: the current one)");
    imp->add_flag("--merge", o->merge, "add the file's new periods instead of replacing the history");
    imp->add_option("FILE", o->file)->required();
    imp->callback([&global, o] {
        auto db = openDatabase(global);
        auto lottery = requireLottery(db, global, o->lottery);
        auto current = take(db.loadDraws(lottery.kind, lottery.id));
        auto out = take(core::ImportDraws(db, lottery, current, o->file,
                                          o->merge ? core::ImportMode::Merge : core::ImportMode::Replace));
        printRecord({"共: " + std::to_string(out.rows.size()) + " 期", std::to_string(out.added)});
    });
}

} // namespace p3::cli
