// pick3 intersect: the intersection area of the shrink window over number files.
#include <cstdio>

#include "cli/shrink_cli.h"
#include "core/shrink/number_list.h"
#include "core/shrink/workbench.h"

namespace p3::cli {
namespace {

struct IntersectOptions {
    HistoryOptions history;
    std::vector<std::string> entries;
    std::optional<std::string> totalTolerance;
};

/// "FILE[,series=K][,exclude][,tolerant]": the options are read from the end, so a file name may hold
/// commas as long as its last part is not one of them.
core::IntersectionEntry parseEntry(std::string spec, std::size_t index) {
    core::IntersectionEntry entry;
    entry.name = "交集" + std::to_string(index + 1);
    for (;;) {
        const std::size_t comma = spec.rfind(',');
        if (comma == std::string::npos) break;
        const std::string option = spec.substr(comma + 1);
        if (option == "exclude") {
            entry.keep = "0";
        } else if (option == "tolerant") {
            entry.tolerant = "1";
        } else if (option.starts_with("series=")) {
            const std::string k = option.substr(7);
            if (k.empty() || k.size() > 2 || k.find_first_not_of("0123456789") != std::string::npos)
                throw CommandError{"星轨参数不正确: " + option};
            entry.series = std::stoi(k);
        } else {
            break;
        }
        spec.resize(comma);
    }
    entry.numbers = take(core::readNumberTextFile(spec));
    return entry;
}

void runIntersect(const GlobalOptions& global, const IntersectOptions& o) {
    const auto tolerance = parseTotalTolerance(o.totalTolerance);
    std::vector<core::IntersectionEntry> entries;
    for (std::size_t i = 0; i < o.entries.size(); ++i)
        entries.push_back(parseEntry(o.entries[i], i));
    const bool needsTrack = std::ranges::any_of(entries, [](const auto& e) { return e.series != 0; });
    core::TrackTable table;
    if (needsTrack) table = loadShrinkHistory(global, o.history).table;
    const auto result = take(core::Intersect(entries, tolerance, table));
    printNumbers(result, core::intersectionCaption(result.size()));
}

} // namespace

void registerIntersectCommand(CLI::App& app, const GlobalOptions& global) {
    auto [cmd, o] = addCommand<IntersectOptions>(
        app, global, "intersect", "intersect number files with tolerance (直选大底交集)",
        "example: pick3 intersect --entry a.txt --entry b.txt,series=3,tolerant --entry c.txt,exclude "
        "--total-tolerance 0-1",
        runIntersect);
    cmd->add_option("--entry", o->entries, "FILE[,series=K][,exclude][,tolerant]; repeat per entry")
        ->required();
    addTotalToleranceOption(cmd, o->totalTolerance);
    addHistoryOptions(cmd, o->history);
}

} // namespace p3::cli
