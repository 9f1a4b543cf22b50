#pragma once
/// The fixed word tables of the number attributes: count patterns, their family words and letters, shape
/// labels.
#include <array>
#include <string>
#include <string_view>

namespace p3::core {

/// Three counts "xyz" of a three-digit number's digits in three classes, always in this order.
inline constexpr std::array<std::string_view, 10> kCountPatterns{"300", "210", "201", "120", "111",
                                                                 "102", "030", "021", "012", "003"};

/// The letter of each count pattern of the 012 routes (counts in "0369", "147", "258"), in pattern order.
inline constexpr std::array<std::string_view, 10> kRouteLetters{"A", "B", "C", "D", "E",
                                                                "F", "G", "H", "I", "J"};

/// A family of three classes: the word of each class, in the class order of the count patterns.
struct PatternFamily {
    std::array<std::string_view, 3> classWords;
};

inline constexpr PatternFamily kRepeatGapMiddleFamily{{"复", "隔", "中"}};
inline constexpr PatternFamily kAdjacentIsolatedTransmittedFamily{{"邻", "孤", "传"}};
inline constexpr PatternFamily kHotWarmColdFamily{{"热", "温", "冷"}};
/// 大中小 counts in the class order 大, 中, 小.
inline constexpr PatternFamily kBigMidSmallFamily{{"大", "中", "小"}};

/// The position of the counts (x, y, z) in kCountPatterns, or -1 when they are not three counts adding up
/// to 3.
constexpr int countPatternIndex(int x, int y, int z) noexcept {
    if (x < 0 || y < 0 || z < 0 || x + y + z != 3) return -1;
    // The patterns run through x descending, then y descending, so the x = 3, 2, 1, 0 rows hold 1, 2, 3, 4.
    constexpr std::array<int, 4> rowStart{6, 3, 1, 0}; // index of the first pattern with x = 0, 1, 2, 3
    return rowStart[static_cast<std::size_t>(x)] + (3 - x - y);
}

/// The position of a pattern text ("120") in kCountPatterns, or -1.
constexpr int countPatternIndex(std::string_view pattern) noexcept {
    for (std::size_t i = 0; i < kCountPatterns.size(); ++i)
        if (kCountPatterns[i] == pattern) return static_cast<int>(i);
    return -1;
}

/// The word of the count pattern at `index` in kCountPatterns: each class that holds digits, as its count
/// and its class word, in class order ("2复1隔", "1复1隔1中", "3中"); empty outside 0..9.
inline std::string patternWordAt(const PatternFamily& family, std::size_t index) {
    std::string word;
    if (index >= kCountPatterns.size()) return word;
    for (std::size_t k = 0; k < family.classWords.size(); ++k)
        if (const char count = kCountPatterns[index][k]; count != '0')
            (word += count) += family.classWords[k];
    return word;
}

/// The pattern word of counts (x, y, z) in a family; empty when they are no pattern.
inline std::string patternWord(const PatternFamily& family, int x, int y, int z) {
    const int index = countPatternIndex(x, y, z);
    return index < 0 ? std::string{} : patternWordAt(family, static_cast<std::size_t>(index));
}

/// 形态 of a count pattern: "a" when one class holds all three digits, "b" when one holds two, else "c".
constexpr std::string_view countPatternShapeWord(int x, int y, int z) noexcept {
    if (x == 3 || y == 3 || z == 3) return "a";
    if (x == 2 || y == 2 || z == 2) return "b";
    return "c";
}

/// 组选类型 of a three-digit number, in the order the rules decide them.
enum class GroupType { Triple = 0, Pair = 1, Straight = 2, HalfStraight = 3, Mixed = 4 };
inline constexpr std::array<std::string_view, 5> kGroupTypeWords{"豹子", "组三", "顺子", "半顺", "杂六"};

/// The label of each shape code 0..9 as the filter shows it.
inline constexpr std::array<std::string_view, 10> kShapeCodeLabels{
    "豹子",     "顺子",         "偶点半顺组六", "奇点半顺组六", "偶点杂六",
    "奇点杂六", "偶点连号组三", "奇点连号组三", "偶点不连组三", "奇点不连组三"};

/// The label of a shape code; empty outside 0..9.
constexpr std::string_view shapeCodeLabel(int code) noexcept {
    return code >= 0 && code <= 9 ? kShapeCodeLabels[static_cast<std::size_t>(code)] : std::string_view{};
}

/// 群号 texts of the order shape codes 0..9.
inline constexpr std::array<std::string_view, 10> kOrderShapeTexts{"0号", "1号", "2号", "3号", "4号",
                                                                   "5号", "6号", "7号", "8号", "9号"};

namespace detail {
constexpr bool countPatternIndexMatchesTable() {
    for (std::size_t i = 0; i < kCountPatterns.size(); ++i) {
        const auto p = kCountPatterns[i];
        if (countPatternIndex(p[0] - '0', p[1] - '0', p[2] - '0') != static_cast<int>(i)) return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::countPatternIndexMatchesTable());

} // namespace p3::core
