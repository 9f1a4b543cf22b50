#include "core/shrink/number_list.h"

#include "core/catalogue/condition_line.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

std::vector<std::string_view> blankTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

} // namespace

std::vector<std::string> splitCharacters(std::string_view text) {
    std::vector<std::string> out;
    for (char c : text) {
        if (out.empty() || !isContinuationByte(c))
            out.emplace_back(1, c);
        else
            out.back() += c;
    }
    return out;
}

std::vector<std::string> readNumberTokens(std::string_view text) {
    std::vector<std::string> numbers;
    for (const auto& line : splitLines(text)) {
        std::string gathered;
        std::size_t gatheredCount = 0;
        for (std::string_view token : blankTokens(line)) {
            const std::size_t count = characterCount(token);
            if (gatheredCount + count > 3) {
                if (count == 3) numbers.emplace_back(token);
                gathered.clear();
                gatheredCount = 0;
                continue;
            }
            gathered += token;
            gatheredCount += count;
            if (gatheredCount == 3) {
                numbers.push_back(std::move(gathered));
                gathered.clear();
                gatheredCount = 0;
            }
        }
    }
    return numbers;
}

Result<std::vector<std::string>> readNumberTextFile(const std::filesystem::path& file) {
    auto text = readTextFileBounded(file);
    if (!text) return std::unexpected(text.error());
    return readNumberTokens(*text);
}

std::string formatBetListText(const std::vector<std::string>& numbers) {
    std::vector<std::string> lines;
    lines.reserve(numbers.size());
    for (const auto& n : numbers) {
        // Characters, not bytes: a row read from a file may hold Chinese characters, and blanks between
        // the bytes of one would leave text that is no UTF-8 and cannot be written.
        std::string line;
        for (const std::string& c : splitCharacters(n)) {
            if (!line.empty()) line += ' ';
            line += c;
        }
        lines.push_back(std::move(line));
    }
    return joinLines(lines);
}

Status writeNumberTextFile(const std::filesystem::path& file, std::string_view text) {
    return writeTextFileGbk(file, text);
}

std::filesystem::path numberFileName(const std::filesystem::path& chosen) {
    if (chosen.filename().string().find('.') != std::string::npos) return chosen;
    auto out = chosen;
    out += ".txt";
    return out;
}

std::string LayoutNumbers(const std::vector<std::string>& numbers, int columns) {
    const std::size_t perLine = static_cast<std::size_t>(std::max(1, columns));
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) out += i % perLine == 0 ? '\n' : ' ';
        out += numbers[i];
    }
    return out;
}

std::vector<std::string> ReadMemoNumbers(std::string_view text) {
    std::vector<std::string> numbers;
    for (const auto& token : memoTokens(text))
        if (characterCount(token) == 3) numbers.push_back(token);
    return numbers;
}

std::vector<std::string> memoTokens(std::string_view text) {
    std::vector<std::string> tokens;
    for (const auto& line : splitLines(text))
        for (auto token : blankTokens(line))
            tokens.emplace_back(token);
    return tokens;
}

Result<std::string> parseNewBetNumber(std::string_view answer) {
    std::string digits;
    for (char c : answer)
        if (c >= '0' && c <= '9') digits += c;
    if (digits.size() != 3) return fail("投注号码格式不正确!");
    return digits;
}

std::string betCountLabel(std::size_t count) {
    return "共: " + std::to_string(count) + " 注";
}

} // namespace p3::core
