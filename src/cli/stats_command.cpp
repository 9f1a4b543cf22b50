// pick3 stats: the omission statistics table of the chosen kinds over the statistics range.
#include "cli/cli_common.h"
#include "cli/range_options.h"
#include "core/attributes/get_fun_class.h"
#include "core/io/ini_file.h"
#include "core/stats/statistic_kinds.h"
#include "core/stats/statistics_query.h"

namespace p3::cli {
namespace {

struct StatsOptions {
    HistoryOptions history;
    RangeOptions range;
    std::string kinds;
    bool all = false;
};

void runStats(const GlobalOptions& global, const StatsOptions& options) {
    if (!options.all && options.kinds.empty()) throw CommandError{"请选择统计的条件名称!"};
    std::vector<std::string> names;
    if (options.all) {
        for (int kind : core::statisticKindsInBoxOrder())
            names.emplace_back(core::kStatisticKindNames[static_cast<std::size_t>(kind - 1)]);
    } else {
        names = core::Get_Fun_Class::SplitText(",", options.kinds, false);
    }
    History h = loadHistory(global, options.history);
    const core::StatisticsRange range = chooseRange(h.draws, options.range);
    auto ini = take(core::IniFile::load(homeFolder(global) / "YiLouCanShu.ini"));
    core::OmissionQuery query(ini);
    query.setWorkList(core::analysedNumbers(h.draws, range.begin(), range.end()));
    take(query.query(names));
    for (int row = 0; row < query.rowCount(); ++row) {
        if (query.rowKind(row) != core::OmissionQuery::RowKind::Title) {
            printRecord(query.rowCells(row));
            continue;
        }
        for (const auto& record : query.displayed())
            if (record->firstRow == row) printRecord({"# " + record->name});
    }
}

} // namespace

void registerStatsCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, options] = addCommand<StatsOptions>(
        app, global, "stats", "omission statistics (遗漏统计) of statistic kinds over a range",
        "example: pick3 stats --lottery 福彩3D --last 100 --kinds 和值,跨度", runStats);
    addHistoryOptions(cmd, options->history, false, false);
    addRangeOptions(cmd, options->range);
    auto* kinds = cmd->add_option("--kinds", options->kinds, "kind names separated by commas");
    auto* all = cmd->add_flag("--all", options->all, "every kind, in check-box order");
    kinds->excludes(all);
}

} // namespace p3::cli
