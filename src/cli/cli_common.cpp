#include "cli/cli_common.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "core/history/draw_text_file.h"
#include "core/io/app_path.h"
#include "core/io/bounded_read.h"
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

namespace {

/// The message for a text that is no integer of the range, or empty when it is one.
std::string integerProblem(std::string_view text, std::int64_t lowest, std::int64_t highest,
                           std::int64_t* out) {
    const std::string expected =
        "应为 " + std::to_string(lowest) + ".." + std::to_string(highest) + " 之间的整数: ";
    std::string_view digits = text;
    const bool negative = digits.starts_with('-');
    if (negative) digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return expected + std::string(text);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return expected + std::string(text);
    if (out) *out = value;
    return {};
}

} // namespace

CLI::Validator integerIn(std::int64_t lowest, std::int64_t highest) {
    return CLI::Validator(
        [lowest, highest](std::string& text) { return integerProblem(text, lowest, highest, nullptr); },
        "INT " + std::to_string(lowest) + ".." + std::to_string(highest));
}

std::int64_t parseIntegerIn(std::string_view option, std::string_view text, std::int64_t lowest,
                            std::int64_t highest) {
    std::int64_t value = 0;
    if (const std::string problem = integerProblem(text, lowest, highest, &value); !problem.empty())
        throw CommandError{std::string(option) + ": " + problem};
    return value;
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
            ->check(integerIn(1, 5));
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
        const auto text = take(core::readTextFileBounded(*options.publicFile));
        h.publicNumbers = take(core::parsePublicNumbers(text, h.digitCount));
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

void printCaption(const std::string& caption) {
    std::fflush(stdout);
    std::cerr << caption << '\n';
}

void printNumbers(const std::vector<std::string>& numbers, const std::string& caption) {
    for (const auto& n : numbers)
        printRecord({n});
    printCaption(caption);
}

} // namespace p3::cli
