#include "core/attributes/get_fun_class.h"

#include "core/attributes/attribute_text.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace p3::core {

namespace {

using Three = std::array<int, 3>;

/// The first three entries, or nothing when there are fewer.
bool firstThree(const DigitArray& digits, Three& out) noexcept {
    if (digits.size() < 3) return false;
    out = {digits[0], digits[1], digits[2]};
    return true;
}

Three sorted(Three d) noexcept {
    if (d[0] > d[1]) std::swap(d[0], d[1]);
    if (d[1] > d[2]) std::swap(d[1], d[2]);
    if (d[0] > d[1]) std::swap(d[0], d[1]);
    return d;
}

/// Three different digits in a row, 8-9-0 and 9-0-1 included (s sorted).
bool isStraight(const Three& s) noexcept {
    if (s[1] == s[0] + 1 && s[2] == s[1] + 1) return true;
    return s[0] == 0 && s[2] == 9 && (s[1] == 8 || s[1] == 1);
}

/// Two neighbouring digits among the three, 0 and 9 counting as neighbours (s sorted).
bool hasNeighbours(const Three& s) noexcept {
    return std::abs(s[0] - s[1]) == 1 || std::abs(s[1] - s[2]) == 1 || std::abs(s[0] - s[2]) == 9;
}

bool hasPair(const Three& s) noexcept {
    return s[0] == s[1] || s[1] == s[2];
}

bool occursIn(char c, std::string_view text) noexcept {
    return text.find(c) != std::string_view::npos;
}

std::string keepDigits(std::string_view reference, std::string_view candidate, bool wanted) {
    std::string kept;
    for (char c : candidate)
        if (occursIn(c, reference) == wanted) kept.push_back(c);
    return kept;
}

/// Blanks as a trimming routine sees them: the space and every control character.
bool isBlankText(std::string_view text) noexcept {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

/// The per-digit words of a family, or with `pattern` the pattern word of the first three digits.
/// `classOf` gives the class 0..2 of one digit character.
template <typename ClassOf>
std::string familyText(std::string_view numberText, const PatternFamily& family, bool pattern,
                       ClassOf classOf) {
    if (pattern) {
        if (numberText.size() < 3) return {};
        std::array<int, 3> counts{};
        for (std::size_t i = 0; i < 3; ++i)
            ++counts[static_cast<std::size_t>(classOf(numberText[i]))];
        return patternWord(family, counts[0], counts[1], counts[2]);
    }
    std::string text;
    text.reserve(numberText.size() * 3);
    for (char c : numberText)
        text += family.classWords[static_cast<std::size_t>(classOf(c))];
    return text;
}

} // namespace

int groupTypeIndex(const DigitArray& digits) noexcept {
    Three d;
    if (!firstThree(digits, d)) return -1;
    const Three s = sorted(d);
    if (s[0] == s[2]) return static_cast<int>(GroupType::Triple);
    if (hasPair(s)) return static_cast<int>(GroupType::Pair);
    if (isStraight(s)) return static_cast<int>(GroupType::Straight);
    if (hasNeighbours(s)) return static_cast<int>(GroupType::HalfStraight);
    return static_cast<int>(GroupType::Mixed);
}

int orderShapeCode(const DigitArray& digits) noexcept {
    Three b;
    if (!firstThree(digits, b)) return -1;
    if (b[0] == b[1] && b[1] == b[2]) return 0;
    if (b[0] == b[1]) return 7;
    if (b[0] == b[2]) return 8;
    if (b[1] == b[2]) return 9;
    const int lo = std::min({b[0], b[1], b[2]});
    const int hi = std::max({b[0], b[1], b[2]});
    if (b[0] == lo && b[2] == hi) return 1;
    if (b[0] == lo && b[1] == hi) return 2;
    if (b[1] == lo && b[2] == hi) return 3;
    if (b[1] == hi && b[2] == lo) return 4;
    if (b[0] == hi && b[1] == lo) return 5;
    return 6; // b[0] highest, b[2] lowest: falling
}

std::filesystem::path Get_Fun_Class::appFile(std::string_view relativePath) const {
    std::filesystem::path file = m_appPath;
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        std::size_t end = relativePath.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relativePath.size();
        const std::string_view part = relativePath.substr(start, end - start);
        if (!part.empty()) file /= std::filesystem::path(std::u8string(part.begin(), part.end()));
        start = end + 1;
    }
    return file;
}

std::string Get_Fun_Class::GetRouteLetter(const DigitArray& digits) {
    std::array<int, 3> counts{};
    const std::size_t n = std::min<std::size_t>(digits.size(), 3);
    for (std::size_t i = 0; i < n; ++i)
        if (digits[i] >= 0 && digits[i] <= 9) ++counts[static_cast<std::size_t>(routeOf(digits[i]))];
    const int index = countPatternIndex(counts[0], counts[1], counts[2]);
    if (index >= 0) return std::string(kRouteLetters[static_cast<std::size_t>(index)]);
    std::string patternText;
    for (int count : counts)
        patternText.push_back(static_cast<char>('0' + count));
    return patternText;
}

std::string Get_Fun_Class::GetBigMidSmallText(const DigitArray& digits) {
    std::string text;
    text.reserve(digits.size() * 3);
    for (int d : digits)
        text += bigMidSmallWord(d);
    return text;
}

std::string Get_Fun_Class::GetBinaryAttributeText(const DigitArray& digits, int mode,
                                                  std::string_view trueWord, std::string_view falseWord,
                                                  bool pattern) {
    if (mode < 1 || mode > 3) return {};
    const auto binaryMode = static_cast<BinaryMode>(mode);
    if (pattern) {
        Three d;
        if (!firstThree(digits, d)) return {};
        const auto k = std::ranges::count_if(d, [&](int v) { return binaryAttribute(binaryMode, v); });
        const std::string yes(trueWord), no(falseWord);
        switch (k) {
        case 0:
            return "3" + no;
        case 1:
            return "2" + no + "1" + yes;
        case 2:
            return "2" + yes + "1" + no;
        default:
            return "3" + yes;
        }
    }
    std::string text;
    text.reserve(digits.size() * std::max(trueWord.size(), falseWord.size()));
    for (int d : digits)
        text += binaryAttribute(binaryMode, d) ? trueWord : falseWord;
    return text;
}

int Get_Fun_Class::CountDigitsInSet(std::string_view numberText, std::string_view setText) noexcept {
    return static_cast<int>(std::ranges::count_if(numberText, [&](char c) { return occursIn(c, setText); }));
}

std::string Get_Fun_Class::KeepDigitsInSet(std::string_view reference, std::string_view candidate) {
    return keepDigits(reference, candidate, true);
}

std::string Get_Fun_Class::KeepDigitsNotInSet(std::string_view reference, std::string_view candidate) {
    return keepDigits(reference, candidate, false);
}

std::string Get_Fun_Class::GetDigitsWithAttribute(std::string_view word, std::string_view attributeText,
                                                  bool countOnly, std::string_view numberText) {
    std::string digits;
    int matches = 0;
    std::size_t index = 0;
    forEachWord(attributeText, [&](std::string_view w) {
        if (w == word) {
            ++matches;
            // A word beyond the end of the number text has no digit to give.
            if (!countOnly && index < numberText.size()) digits.push_back(numberText[index]);
        }
        ++index;
    });
    return countOnly ? std::to_string(matches) : digits;
}

std::string_view Get_Fun_Class::GetGroupTypeText(const DigitArray& digits) noexcept {
    const int index = groupTypeIndex(digits);
    return index < 0 ? std::string_view{} : kGroupTypeWords[static_cast<std::size_t>(index)];
}

int Get_Fun_Class::GetShapeCode(const DigitArray& digits) noexcept {
    Three d;
    if (!firstThree(digits, d)) return -1;
    const Three s = sorted(d);
    if (s[0] == s[2]) return 0;
    if (isStraight(s)) return 1;
    const bool oddSum = (s[0] + s[1] + s[2]) % 2 != 0;
    int code = hasPair(s) ? (oddSum ? 9 : 8) : (oddSum ? 5 : 4);
    if (hasNeighbours(s)) code -= 2;
    return code;
}

std::string_view Get_Fun_Class::GetOrderShapeText(const DigitArray& digits) noexcept {
    const int code = orderShapeCode(digits);
    return code < 0 ? std::string_view{} : kOrderShapeTexts[static_cast<std::size_t>(code)];
}

std::string Get_Fun_Class::GetConsecutiveRuns(const DigitArray& digits) {
    DigitArray s = digits;
    SortDigits(s);
    std::vector<int> runs;
    int run = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        // An equal pair ends a run as a gap does: 1-2-2-3 is two runs of two.
        if (s[i + 1] == s[i] + 1) {
            run = run == 0 ? 2 : run + 1;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) runs.push_back(run);
    if (runs.empty()) return "0";
    // Two runs are written longer first ("32", never "23"); compare the runs, not their characters.
    if (runs.size() == 2 && runs[0] < runs[1]) std::swap(runs[0], runs[1]);
    std::string text;
    for (int r : runs)
        text += std::to_string(r);
    return text;
}

bool Get_Fun_Class::ContainsWord(std::string_view word, std::string_view list) noexcept {
    if (word.empty()) return false;
    while (!list.empty()) {
        const std::size_t pos = list.find(word);
        if (pos == std::string_view::npos) return false;
        const std::size_t end = pos + word.size();
        const bool startsToken = pos == 0 || list[pos - 1] == ' ';
        const bool endsToken = end == list.size() || list[end] == ' ';
        if (startsToken && endsToken) return true;
        const std::size_t blank = list.find(' ', pos);
        if (blank == std::string_view::npos) return false;
        list.remove_prefix(blank + 1);
    }
    return false;
}

std::vector<std::string> Get_Fun_Class::SplitText(std::string_view separator, std::string_view text,
                                                  bool keepEmpty) {
    std::vector<std::string> pieces;
    const auto add = [&](std::string_view piece) {
        if (keepEmpty || !isBlankText(piece)) pieces.emplace_back(piece);
    };
    if (!separator.empty()) {
        for (std::size_t pos = text.find(separator); pos != std::string_view::npos;
             pos = text.find(separator)) {
            add(text.substr(0, pos));
            text.remove_prefix(pos + separator.size());
        }
    }
    add(text);
    return pieces;
}

void Get_Fun_Class::SortDigits(DigitArray& digits) noexcept {
    std::ranges::sort(digits);
}

void Get_Fun_Class::SortIntegers(std::span<int> values) noexcept {
    std::ranges::sort(values);
}

std::string Get_Fun_Class::GetRepeatGapMiddle(std::string_view numberText, std::string_view lastDraw,
                                              std::string_view drawBeforeLast, bool pattern) {
    return familyText(numberText, kRepeatGapMiddleFamily, pattern, [&](char c) {
        if (occursIn(c, lastDraw)) return 0;
        return occursIn(c, drawBeforeLast) ? 1 : 2;
    });
}

std::string Get_Fun_Class::GetNeighbourDigits(std::string_view draw) {
    std::string neighbours;
    neighbours.reserve(draw.size() * 2);
    for (char c : draw) {
        if (c < '0' || c > '9') continue;
        const int d = c - '0';
        const int below = (d + 9) % 10;
        const int above = (d + 1) % 10;
        // Each pair is written smaller first: 0 gives "19", 9 gives "08".
        neighbours.push_back(static_cast<char>('0' + std::min(below, above)));
        neighbours.push_back(static_cast<char>('0' + std::max(below, above)));
    }
    return neighbours;
}

std::string Get_Fun_Class::GetAdjacentIsolatedTransmitted(std::string_view numberText,
                                                          std::string_view lastDraw, bool pattern) {
    const std::string neighbours = GetNeighbourDigits(lastDraw);
    // Class order 邻, 孤, 传; a digit of the last draw is 传 even when it also neighbours another of them.
    return familyText(numberText, kAdjacentIsolatedTransmittedFamily, pattern, [&](char c) {
        if (occursIn(c, lastDraw)) return 2;
        return occursIn(c, neighbours) ? 0 : 1;
    });
}

std::string Get_Fun_Class::GetHotWarmCold(std::string_view numberText,
                                          std::span<const std::string> recentDraws, bool pattern) {
    std::array<int, 256> occurrences{};
    for (const std::string& draw : recentDraws)
        for (char c : draw)
            ++occurrences[static_cast<unsigned char>(c)];
    return familyText(numberText, kHotWarmColdFamily, pattern, [&](char c) {
        const int count = occurrences[static_cast<unsigned char>(c)];
        return count >= 3 ? 0 : (count == 2 ? 1 : 2);
    });
}

std::string_view Get_Fun_Class::GetBiasClass(const DigitArray& digits) noexcept {
    Three d;
    if (!firstThree(digits, d)) return {};
    return biasClassName(biasClassIndex(d[0], d[1], d[2]));
}

} // namespace p3::core
