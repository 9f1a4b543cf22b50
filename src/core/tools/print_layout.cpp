#include "core/tools/print_layout.h"

#include <algorithm>

#include "core/history/draw_list.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

std::string entryText(const std::string& number, std::size_t index, const PrintLayout& layout) {
    std::string prefix = "   ";
    if (layout.sequence) {
        prefix = std::to_string(index + 1) + ": ";
        if (prefix.size() < 8) prefix.insert(0, 8 - prefix.size(), ' ');
    }
    std::string digits;
    for (std::size_t i = 0; i < number.size();) {
        std::size_t len = 1;
        const auto c = static_cast<unsigned char>(number[i]);
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        if (!digits.empty()) digits += layout.separator;
        digits += number.substr(i, len);
        i += len;
    }
    return prefix + digits;
}

} // namespace

Status checkPrintLayout(const PrintLayout& layout) {
    if (std::find(std::begin(kPrintSeparators), std::end(kPrintSeparators), layout.separator) ==
        std::end(kPrintSeparators))
        return fail("号码分隔符只能是 \"-\", \",\" 或 \" \"");
    if (layout.columns < 1 || layout.columns > 10) return fail("列数只能是 1 到 10");
    if (std::find(std::begin(kPrintBlankIntervals), std::end(kPrintBlankIntervals), layout.blankInterval) ==
        std::end(kPrintBlankIntervals))
        return fail("空行间隔只能是 5, 10, 15, 20 或 1000");
    return {};
}

std::vector<std::string> buildPrintLines(const std::vector<std::string>& numbers, const PrintLayout& layout) {
    const auto columns = static_cast<std::size_t>(std::max(1, layout.columns));
    const int interval = std::max(1, layout.blankInterval);
    std::vector<std::string> lines;
    int written = 0;
    for (std::size_t i = 0; i < numbers.size(); i += columns) {
        std::string line;
        for (std::size_t j = i; j < std::min(numbers.size(), i + columns); ++j)
            line += entryText(numbers[j], j, layout);
        lines.push_back(std::move(line));
        if (++written % interval == 0) lines.emplace_back();
    }
    return lines;
}

std::string proposedPrintTitle(std::string_view lotteryName, std::string_view newestPeriod) {
    // A period that is no period (an old database may hold one of any size) proposes no number
    // rather than one that wrapped around.
    const auto newest = parsePeriod(newestPeriod);
    if (!newest && !newestPeriod.empty()) return std::string(lotteryName) + " 期投注结果";
    return std::string(lotteryName) + " 第" + std::to_string(newest.value_or(0) + 1) + " 期投注结果";
}

std::string printCountLabel(std::size_t count) {
    return "共：" + std::to_string(count) + "注";
}

Result<std::vector<std::string>> writePrintHandoff(const std::filesystem::path& home,
                                                   const std::vector<std::string>& numbers,
                                                   const PrintLayout& layout, std::string_view title) {
    if (auto ok = checkPrintLayout(layout); !ok) return std::unexpected(ok.error());
    // Both files or neither: a read-only settings file is found before the number file is replaced.
    for (const std::string_view name : {kPrintDataFileName, kSettingsFileName})
        if (auto ok = checkWritableTarget(home / std::string(name)); !ok) return std::unexpected(ok.error());
    std::vector<std::string> lines = buildPrintLines(numbers, layout);
    if (auto ok = writeTextFileGbk(home / kPrintDataFileName, joinLines(lines)); !ok)
        return std::unexpected(ok.error());
    auto settings = Settings::open(home);
    if (!settings) return std::unexpected(settings.error());
    if (auto ok = settings->setPrintParams({std::string(title), static_cast<long>(numbers.size())}); !ok)
        return std::unexpected(ok.error());
    return lines;
}

Result<PrintHandoff> readPrintHandoff(const std::filesystem::path& home) {
    auto text = readTextFile(home / kPrintDataFileName);
    if (!text) return std::unexpected(text.error());
    auto settings = Settings::open(home);
    if (!settings) return std::unexpected(settings.error());
    const PrintParams params = settings->printParams();
    return PrintHandoff{params.title, params.count, splitLines(*text)};
}

} // namespace p3::core
