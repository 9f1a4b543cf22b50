#include "core/history/draw_text_file.h"

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
        if (!parsePeriod(period)) {
            // A period of digits that no number holds is too long to be one, and says so.
            auto checked = checkPeriodText(period);
            out.error = checked ? Error{"期号必须是数字: " + period} : checked.error();
            break;
        }
        out.draws.push_back({std::move(period), std::move(digits)});
    }
    return out;
}

Result<DrawTextParse> readDrawTextFile(const std::string& path, int digitCount) {
    auto text = readTextFile(path);
    if (!text) return std::unexpected(text.error());
    return parseDrawText(*text, digitCount);
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
