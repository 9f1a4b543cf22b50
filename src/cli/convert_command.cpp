// pick3 convert: 组变单, 单变组 and the track converter (生成开奖号码).
#include <cstdio>

#include "cli/shrink_cli.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"
#include "core/shrink/number_list.h"
#include "core/shrink/workbench.h"

namespace p3::cli {
namespace {

struct ConvertOptions {
    HistoryOptions history;
    std::string mode;
    std::string input;
    int series = 0;
};

void runConvert(const GlobalOptions& global, const ConvertOptions& o) {
    std::vector<std::string> result;
    if (o.mode == "track" || o.mode == "生成开奖号码") {
        const auto betList = take(core::readNumberTextFile(o.input));
        core::TrackTable table;
        if (o.series != 0) table = loadShrinkHistory(global, o.history).table;
        result = core::TrackConvert(betList, take(core::seriesKey(table, o.series)));
    } else {
        const auto tokens = core::ReadMemoNumbers(take(core::readTextFileBounded(o.input)));
        result = o.mode == "组变单" || o.mode == "group-to-direct" ? core::groupToDirect(tokens)
                                                                   : core::directToGroup(tokens);
    }
    printNumbers(result, core::drawNumbersCaption(result.size()));
}

} // namespace

void registerConvertCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<ConvertOptions>(
        app, global, "convert", "组变单, 单变组, or track numbers back to draw numbers",
        "examples: pick3 convert 组变单 --input groups.txt\n"
        "          pick3 convert track --series 3 --input result.txt --lottery 福彩3D",
        runConvert);
    cmd->add_option("mode", o->mode, "组变单 | 单变组 | track (also group-to-direct, direct-to-group)")
        ->required()
        ->check(CLI::IsMember(
            {"组变单", "单变组", "track", "生成开奖号码", "group-to-direct", "direct-to-group"}));
    cmd->add_option("--input", o->input, "number text file")->required();
    cmd->add_option("--series", o->series, "track: 0 开奖号码 (no change) or k for 星轨k")
        ->check(integerIn(0, 18));
    addHistoryOptions(cmd, o->history);
}

} // namespace p3::cli
