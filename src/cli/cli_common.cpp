#include "cli/cli_common.h"

#include <cstdio>

#include "core/history/draw_text_file.h"
#include "core/io/app_path.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"
#include "core/store/load_lottery.h"

namespace p3::cli {

std::filesystem::path homeFolder(const GlobalOptions& global) {
    std::optional<std::filesystem::path> given;
    if (global.home) given = *global.home;
    std::filesystem::path home = core::resolveHome(given);
    take(core::ensureHome(home, core::findTemplateDir()));
    return home;
}

core::DrawDatabase openDatabase(const GlobalOptions& global) {
    auto db = take(core::DrawDatabase::open(homeFolder(global) / "Data" / "MDB.sqlite"));
    // A repair made on opening is told once, on stderr so that the command's output stays clean.
    if (!db.repairNotice().empty()) std::fprintf(stderr, "%s\n", db.repairNotice().c_str());
    return db;
}

void addHistoryOptions(CLI::App* command, HistoryOptions& options, bool withPublic, bool withDigits) {
    auto* draws = command->add_option("--draws", options.drawsFile, "read the draws from a draw text file");
    auto* lottery = command->add_option("--lottery", options.lottery,
                                        "read a lottery of the home database (default: the current one)");
    draws->excludes(lottery);
    if (withPublic)
        command->add_option("--public", options.publicFile,
                            "public numbers, one a line (default: the database's)");
    if (withDigits)
        command->add_option("--digits", options.digits, "digit count (default: the lottery's)")
            ->check(CLI::Range(1, 5));
}

History loadHistory(const GlobalOptions& global, const HistoryOptions& options) {
    History h;
    std::optional<core::DrawDatabase> db;
    auto database = [&]() -> core::DrawDatabase& {
        if (!db) db.emplace(openDatabase(global));
        return *db;
    };
    if (options.drawsFile) {
        auto parsed = take(core::readDrawTextFile(*options.drawsFile, 0));
        if (parsed.error) throw CommandError{parsed.error->message};
        h.draws = std::move(parsed.draws);
        h.digitCount =
            options.digits.value_or(h.draws.empty() ? 3 : static_cast<int>(h.draws.front().digits.size()));
        h.lottery.digitCount = h.digitCount;
    } else {
        std::string name;
        if (options.lottery) {
            name = *options.lottery;
        } else {
            name = take(core::Settings::open(homeFolder(global))).currentLottery();
        }
        auto found = take(database().findLottery(name));
        if (!found) throw CommandError{"没有这个彩票: " + name};
        auto loaded = take(core::LoadLottery(database(), name, found));
        h.lottery = loaded.lottery;
        h.draws = std::move(loaded.draws);
        h.digitCount = options.digits.value_or(h.lottery.digitCount);
    }
    if (options.publicFile) {
        auto text = take(core::readTextFile(*options.publicFile));
        for (auto& line : core::splitLines(text)) {
            std::string number;
            for (char c : line)
                if (c != ' ' && c != '\t') number += c;
            if (!number.empty()) h.publicNumbers.push_back(number);
        }
    } else {
        h.publicNumbers = take(database().publicNumbers());
    }
    return h;
}

void printRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += '\t';
        line += fields[i];
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace p3::cli
