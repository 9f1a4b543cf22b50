// pick3 track: the track predictions, the last entry of every level and, on demand, the blocks per draw.
#include "cli/cli_common.h"
#include "core/history/track_table.h"

namespace p3::cli {
namespace {

struct TrackOptions {
    HistoryOptions history;
    bool table = false;
};

void runTrack(const GlobalOptions& global, const TrackOptions& options) {
    History h = loadHistory(global, options.history);
    auto table = core::TrackTable::ComputeTrackTable(h.draws, h.publicNumbers, h.digitCount);
    for (int k = 1; k <= core::kTrackBlocks; ++k)
        printRecord({"prediction", std::to_string(k), table.prediction(k)});
    for (int level = 0; level < core::kTrackLevels; ++level)
        printRecord({"last", std::to_string(level), table.lastEntry(level)});
    if (!options.table) return;
    for (std::size_t i = 0; i < h.draws.size(); ++i) {
        std::vector<std::string> fields{h.draws[i].period,
                                        h.draws[i].digits.substr(0, static_cast<std::size_t>(h.digitCount))};
        for (int k = 1; k <= core::kTrackBlocks; ++k)
            fields.push_back(table.blockValue(k, i));
        printRecord(fields);
    }
}

} // namespace

void registerTrackCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, options] =
        addCommand<TrackOptions>(app, global, "track", "track (星轨) predictions and level entries",
                                 "example: pick3 track --lottery 福彩3D --table", runTrack);
    addHistoryOptions(cmd, options->history, true, true);
    cmd->add_flag("--table", options->table, "also print every draw with its six block values");
}

} // namespace p3::cli
