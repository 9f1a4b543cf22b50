#include "core/history/draw_text_file.h"

#include <algorithm>

#include "core/common/utf8.h"
#include "core/io/bounded_read.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

DrawTextParse parseDrawText(std::string_view text, int digitCount) {
    DrawTextParse out;
    for (const std::string& line : splitLines(text)) {
        std::string period;
        std::string digits;
        std::size_t i = 0;
        while (i < line.size() && isBlank(line[i]))
            ++i;
        while (i < line.size() && !isBlank(line[i]))
            period += line[i++];
        for (; i < line.size(); ++i)
            if (!isBlank(line[i])) digits += line[i];
        if (period.empty()) continue;
        if (digitCount == 0) digitCount = static_cast<int>(digits.size());
        if (static_cast<int>(digits.size()) != digitCount || digits.empty() || !allDigits(digits)) {
            out.error = Error{"第" + period + "期 奖号格式有问题"};
            break;
        }
        // Digits only: a sign ("-5", "+5") is no period, and a run of digits no number holds is too long.
        if (auto checked = checkPeriodText(period); !checked) {
            out.error = checked.error();
            break;
        }
        out.draws.push_back({std::move(period), std::move(digits)});
    }
    return out;
}

Result<DrawTextParse> readDrawTextFile(const std::string& path, int digitCount) {
    auto text = readTextFileBounded(path);
    if (!text) return std::unexpected(text.error());
    return parseDrawText(*text, digitCount);
}

namespace {

/// A line as a message quotes it: a runaway line only by its start, cut at a character boundary.
std::string quotedLine(std::string_view line) {
    return quotedStart(line, 40);
}

} // namespace

Result<std::vector<std::string>> parsePublicNumbers(std::string_view text, int digitCount) {
    constexpr std::size_t kMostDigits = 5;
    const std::size_t least =
        static_cast<std::size_t>(std::clamp(digitCount, 1, static_cast<int>(kMostDigits)));
    std::vector<std::string> numbers;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string number;
        for (char c : lines[i])
            if (c != ' ' && c != '\t') number += c;
        if (number.empty()) continue;
        const bool digits = number.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || number.size() < least || number.size() > kMostDigits) {
            return fail("公共号码第 " + std::to_string(i + 1) + " 行不是 " + std::to_string(least) + ".." +
                        std::to_string(kMostDigits) + " 位数字: " + quotedLine(lines[i]));
        }
        numbers.push_back(std::move(number));
    }
    return numbers;
}

std::string formatDrawText(const DrawList& draws, std::string_view eol) {
    std::string out;
    out.reserve(draws.size() * 16);
    for (const Draw& d : draws) {
        out += d.period;
        out += ' ';
        out += d.digits;
        out += eol;
    }
    return out;
}

} // namespace p3::core
