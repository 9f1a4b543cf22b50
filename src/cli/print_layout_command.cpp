// pick3 print-layout: the print hand-off — lays numbers out, leaves them for the print program.
#include <iostream>

#include "cli/cli_common.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"
#include "core/tools/print_layout.h"
#include "core/tools/set_tool.h"

namespace p3::cli {
namespace {

struct PrintLayoutOptions {
    core::PrintLayout layout;
    std::optional<std::string> title;
};

void runPrintLayout(const GlobalOptions& global, const PrintLayoutOptions& o) {
    // Every number of a five-digit lottery fits in well under a megabyte; an endless input is refused.
    constexpr std::size_t kMaxInput = 64u * 1024u * 1024u;
    std::string input;
    char buffer[64 * 1024];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        input.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (input.find('\0', input.size() - static_cast<std::size_t>(std::cin.gcount())) != std::string::npos)
            throw CommandError{"输入的不是号码文本!"};
        if (input.size() > kMaxInput) throw CommandError{"输入太长, 不是号码列表!"};
    }
    const auto numbers = core::parseNumberListText(core::decodeText(input));
    const auto home = homeFolder(global);
    std::string title;
    if (o.title) {
        title = *o.title;
    } else {
        // The window's proposal: the current lottery and the period after its newest draw.
        auto db = openDatabase(global);
        const auto name = take(core::Settings::open(home)).currentLottery();
        std::string newest;
        if (auto found = take(db.findLottery(name))) {
            auto draws = take(db.loadDraws(found->kind, found->id));
            if (!draws.empty()) newest = draws.back().period;
        }
        title = core::proposedPrintTitle(name, newest);
    }
    for (const auto& line : take(core::writePrintHandoff(home, numbers, o.layout, title)))
        printRecord({line});
}

} // namespace

void registerPrintLayoutCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<PrintLayoutOptions>(
        app, global, "print-layout",
        "lay numbers from stdin out for printing: writes print_data.txt "
        "and print_param of Sys_Set.ini in the home, prints the lines",
        "example: printf '027 123 456\\n' | pick3 print-layout --sep - --columns 6 --seq --title 我的投注",
        runPrintLayout);
    cmd->add_option("--sep", o->layout.separator, "号码分隔符: - , or a blank")->capture_default_str();
    cmd->add_option("--columns", o->layout.columns, "列数: numbers a line, 1..10")
        ->capture_default_str()
        ->check(integerIn(1, 10));
    cmd->add_option("--blank", o->layout.blankInterval, "空行间隔: 5, 10, 15, 20 or 1000")
        ->capture_default_str()
        ->check(integerIn(1, 1000));
    cmd->add_flag("--seq", o->layout.sequence, "标记序号: number the entries");
    cmd->add_option("--title", o->title, "标题 (default: lottery + next period + 期投注结果)");
}

} // namespace p3::cli
