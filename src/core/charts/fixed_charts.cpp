#include "core/charts/fixed_charts.h"

#include "core/attributes/get_fun_class.h"
#include "core/stats/omission_statistics.h"

#include <array>
#include <functional>

namespace p3::core {

namespace {

/// One of the 1000 numbers, hundreds first.
struct Number {
    DigitArray digits;
    std::string text;
};

const std::vector<Number>& allNumbers() {
    static const std::vector<Number> numbers = [] {
        std::vector<Number> out;
        out.reserve(1000);
        for (int n = 0; n < 1000; ++n) {
            DigitArray d{n / 100, n / 10 % 10, n % 10};
            out.push_back({d, toNumberText(d)});
        }
        return out;
    }();
    return numbers;
}

/// The 220 group forms: digits ascending ("001"), in ascending order.
const std::vector<Number>& groupForms() {
    static const std::vector<Number> forms = [] {
        std::vector<Number> out;
        for (const Number& n : allNumbers())
            if (n.digits[0] <= n.digits[1] && n.digits[1] <= n.digits[2]) out.push_back(n);
        return out;
    }();
    return forms;
}

using NumberTest = std::function<bool(const DigitArray&)>;

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& word : words) {
        if (!out.empty()) out += ' ';
        out += word;
    }
    return out;
}

/// The texts of the numbers of `pool` that pass, blank-separated, in pool order.
std::string listOf(const std::vector<Number>& pool, const NumberTest& test) {
    std::vector<std::string> words;
    for (const Number& n : pool)
        if (test(n.digits)) words.push_back(n.text);
    return joined(words);
}

int countOf(const std::vector<Number>& pool, const NumberTest& test) {
    int count = 0;
    for (const Number& n : pool)
        if (test(n.digits)) ++count;
    return count;
}

// 组选类型 of the classification: 豹子, 组三, and the three kinds of 组六 taken together.
bool isTriple(const DigitArray& d) {
    return groupTypeIndex(d) == static_cast<int>(GroupType::Triple);
}
bool isPair(const DigitArray& d) {
    return groupTypeIndex(d) == static_cast<int>(GroupType::Pair);
}
bool isSix(const DigitArray& d) {
    return groupTypeIndex(d) > static_cast<int>(GroupType::Pair);
}

/// The cells 直选注数, 豹子, 组三, 组六 of the numbers that pass.
std::vector<std::string> groupTypeCells(const NumberTest& test) {
    return {std::to_string(countOf(allNumbers(), test)),
            listOf(groupForms(), [&](const DigitArray& d) { return test(d) && isTriple(d); }),
            listOf(groupForms(), [&](const DigitArray& d) { return test(d) && isPair(d); }),
            listOf(groupForms(), [&](const DigitArray& d) { return test(d) && isSix(d); })};
}

struct KeyedRow {
    std::string label;
    NumberTest test;
};

/// A table of `keyTitle`, 直选注数, 豹子, 组三, 组六, one row per key.
FixedTable groupTypeTable(std::string_view keyTitle, const std::vector<KeyedRow>& keys, bool keyIsBall) {
    FixedTable table;
    table.header = {std::string(keyTitle), "直选注数", "豹子", "组三", "组六"};
    for (const KeyedRow& key : keys) {
        std::vector<std::string> row{key.label};
        for (auto& cell : groupTypeCells(key.test))
            row.push_back(std::move(cell));
        table.rows.push_back(std::move(row));
    }
    if (keyIsBall) table.ballColumns = {0};
    return table;
}

/// Rows for the values 0..last of an integer attribute.
std::vector<KeyedRow> valueRows(int last, int (*value)(const DigitArray&)) {
    std::vector<KeyedRow> rows;
    for (int v = 0; v <= last; ++v)
        rows.push_back({std::to_string(v), [v, value](const DigitArray& d) { return value(d) == v; }});
    return rows;
}

int sumOf(const DigitArray& d) {
    return digitSum(d);
}
int tailOf(const DigitArray& d) {
    return sumTail(d);
}
int spanOf(const DigitArray& d) {
    return digitSpan(d);
}

FixedTable sumNumbers() {
    return groupTypeTable("和值", valueRows(27, sumOf), true);
}
FixedTable tailNumbers() {
    return groupTypeTable("合值", valueRows(9, tailOf), true);
}
FixedTable spanNumbers() {
    return groupTypeTable("跨度", valueRows(9, spanOf), true);
}

FixedTable bankerNumbers() {
    std::vector<KeyedRow> rows;
    for (int v = 0; v <= 9; ++v)
        rows.push_back(
            {std::to_string(v), [v](const DigitArray& d) { return d[0] == v || d[1] == v || d[2] == v; }});
    return groupTypeTable("胆码", rows, true);
}

FixedTable routeNumbers() {
    std::vector<KeyedRow> rows;
    for (std::size_t i = 0; i < kRouteLetters.size(); ++i) {
        const std::string letter(kRouteLetters[i]);
        const std::string_view counts = kCountPatterns[i];
        const std::string label =
            letter + " (0路" + counts[0] + "个 1路" + counts[1] + "个 2路" + counts[2] + "个)";
        rows.push_back(
            {label, [letter](const DigitArray& d) { return Get_Fun_Class::GetRouteLetter(d) == letter; }});
    }
    return groupTypeTable("012路形态", rows, false);
}

FixedTable runNumbers() {
    std::vector<KeyedRow> rows;
    for (int code = 0; code <= 9; ++code)
        rows.push_back({std::to_string(code) + " " + std::string(shapeCodeLabel(code)),
                        [code](const DigitArray& d) { return Get_Fun_Class::GetShapeCode(d) == code; }});
    return groupTypeTable("连号形态", rows, false);
}

// The count words of a two-way attribute, from all three digits false to all three true.
constexpr std::array<std::string_view, 4> kOddEvenPatterns{"3偶", "2偶1奇", "2奇1偶", "3奇"};
constexpr std::array<std::string_view, 4> kBigSmallPatterns{"3小", "2小1大", "2大1小", "3大"};

std::string oddEvenPattern(const DigitArray& d) {
    return Get_Fun_Class::GetBinaryAttributeText(d, 2, "奇", "偶", true);
}
std::string bigSmallPattern(const DigitArray& d) {
    return Get_Fun_Class::GetBinaryAttributeText(d, 1, "大", "小", true);
}

/// Subdivided first by one two-way pattern, then by the other.
FixedTable twoWayTable(bool oddEvenFirst) {
    FixedTable table;
    const auto& outer = oddEvenFirst ? kOddEvenPatterns : kBigSmallPatterns;
    const auto& inner = oddEvenFirst ? kBigSmallPatterns : kOddEvenPatterns;
    auto outerOf = oddEvenFirst ? oddEvenPattern : bigSmallPattern;
    auto innerOf = oddEvenFirst ? bigSmallPattern : oddEvenPattern;
    table.header = {
        oddEvenFirst ? "奇偶" : "大小", oddEvenFirst ? "大小" : "奇偶", "直选注数", "豹子", "组三", "组六"};
    for (auto o : outer) {
        for (auto i : inner) {
            const NumberTest test = [o, i, outerOf, innerOf](const DigitArray& d) {
                return outerOf(d) == o && innerOf(d) == i;
            };
            std::vector<std::string> row{std::string(o), std::string(i)};
            for (auto& cell : groupTypeCells(test))
                row.push_back(std::move(cell));
            table.rows.push_back(std::move(row));
        }
    }
    return table;
}

/// Two-digit tables: per value of the pair (a, b) the number of ordered pairs, the pairs "aa" and the
/// combinations "ab" with a < b.
FixedTable pairTable(std::string_view keyTitle, int last, int (*value)(int, int)) {
    FixedTable table;
    table.header = {std::string(keyTitle), "二码注数", "对子", "二码组合"};
    for (int v = 0; v <= last; ++v) {
        int ordered = 0;
        std::vector<std::string> pairs;
        std::vector<std::string> combinations;
        for (int a = 0; a <= 9; ++a) {
            for (int b = 0; b <= 9; ++b) {
                if (value(a, b) != v) continue;
                ++ordered;
                const std::string text{static_cast<char>('0' + a), static_cast<char>('0' + b)};
                if (a == b) pairs.push_back(text);
                if (a < b) combinations.push_back(text);
            }
        }
        table.rows.push_back(
            {std::to_string(v), std::to_string(ordered), joined(pairs), joined(combinations)});
    }
    table.ballColumns = {0};
    return table;
}

FixedTable pairSums() {
    return pairTable("二码和值", 18, [](int a, int b) { return a + b; });
}
FixedTable pairTails() {
    return pairTable("二码合值", 9, [](int a, int b) { return (a + b) % 10; });
}
FixedTable pairDifferences() {
    return pairTable("二码差值", 9, [](int a, int b) { return a > b ? a - b : b - a; });
}

FixedTable orderShapes() {
    FixedTable table;
    table.header = {"群号", "直选注数", "直选号码"};
    for (auto code : kOrderShapeTexts) {
        const NumberTest test = [code](const DigitArray& d) {
            return Get_Fun_Class::GetOrderShapeText(d) == code;
        };
        table.rows.push_back(
            {std::string(code), std::to_string(countOf(allNumbers(), test)), listOf(allNumbers(), test)});
    }
    return table;
}

FixedTable sumComparison() {
    FixedTable table;
    table.header = {"和值",     "直选注数",  "组选注数", "豹子注数", "组三注数",
                    "组六注数", "直选概率%", "合值",     "和值奇偶", "和值012路"};
    for (int s = 0; s <= 27; ++s) {
        const NumberTest test = [s](const DigitArray& d) { return digitSum(d) == s; };
        const int direct = countOf(allNumbers(), test);
        table.rows.push_back(
            {std::to_string(s), std::to_string(direct), std::to_string(countOf(groupForms(), test)),
             std::to_string(
                 countOf(groupForms(), [&](const DigitArray& d) { return test(d) && isTriple(d); })),
             std::to_string(countOf(groupForms(), [&](const DigitArray& d) { return test(d) && isPair(d); })),
             std::to_string(countOf(groupForms(), [&](const DigitArray& d) { return test(d) && isSix(d); })),
             formatQuotient(direct * 100, 1000), std::to_string(s % 10),
             std::string(binaryWord(BinaryMode::Odd, s)), std::string(routeWord(s))});
    }
    table.ballColumns = {0};
    return table;
}

FixedTable biasNumbers() {
    FixedTable table;
    table.header = {"偏态", "标记", "三细分", "组选注数", "直选注数", "组选号码"};
    for (int c = 0; c < static_cast<int>(kBiasClasses.size()); ++c) {
        const NumberTest test = [c](const DigitArray& d) { return biasClassIndex(d[0], d[1], d[2]) == c; };
        table.rows.push_back({std::string(biasClassName(c)),
                              std::string(1, kBiasClasses[static_cast<std::size_t>(c)].chartMark),
                              std::string(biasThreeWayWord(c)), std::to_string(countOf(groupForms(), test)),
                              std::to_string(countOf(allNumbers(), test)), listOf(groupForms(), test)});
    }
    return table;
}

FixedTable tailBySpan() {
    FixedTable table;
    table.header = {"合值"};
    for (int span = 0; span <= 9; ++span)
        table.header.push_back("跨度" + std::to_string(span));
    for (int tail = 0; tail <= 9; ++tail) {
        std::vector<std::string> row{std::to_string(tail)};
        for (int span = 0; span <= 9; ++span)
            row.push_back(listOf(groupForms(), [tail, span](const DigitArray& d) {
                return sumTail(d) == tail && digitSpan(d) == span;
            }));
        table.rows.push_back(std::move(row));
    }
    table.ballColumns = {0};
    return table;
}

struct FixedChartEntry {
    std::string_view name;
    FixedTable (*build)();
};

constexpr std::array<FixedChartEntry, 15> kFixedCharts{{
    {"和值号码-细分表", sumNumbers},
    {"合值号码-细分表", tailNumbers},
    {"奇偶-大小-细分表", [] { return twoWayTable(true); }},
    {"大小-奇偶-细分表", [] { return twoWayTable(false); }},
    {"胆拖号码-细分表", bankerNumbers},
    {"除三余数值-细分表", routeNumbers},
    {"连号组合-细分表", runNumbers},
    {"跨度组合-细分表", spanNumbers},
    {"二码和值-细分表", pairSums},
    {"二码合值-细分表", pairTails},
    {"二码差值-细分表", pairDifferences},
    {"号码群号-细分表", orderShapes},
    {"和值-对照表", sumComparison},
    {"偏态号码-细分表", biasNumbers},
    {"合值-跨度-细分表", tailBySpan},
}};

constexpr std::array<std::string_view, 15> kNames = [] {
    std::array<std::string_view, 15> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kFixedCharts[i].name;
    return names;
}();

} // namespace

std::span<const std::string_view> fixedChartNames() noexcept {
    return kNames;
}

bool isFixedChart(std::string_view name) noexcept {
    for (auto known : kNames)
        if (known == name) return true;
    return false;
}

Result<FixedTable> buildFixedChart(std::string_view name) {
    for (const auto& entry : kFixedCharts) {
        if (entry.name != name) continue;
        FixedTable table = entry.build();
        table.name = std::string(name);
        return table;
    }
    return fail("没有这个固定图表: " + std::string(name));
}

std::string toTsv(const FixedTable& table) {
    std::string out;
    auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) out += '\t';
            out += fields[i];
        }
        out += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows)
        line(row);
    return out;
}

std::vector<NumberAttribute> numberSummary(std::string_view numberText) {
    const DigitArray d = toDigits(numberText);
    if (d.size() < 3) return {};
    std::string routes;
    for (std::size_t i = 0; i < 3; ++i)
        routes += std::to_string(routeOf(d[i]));
    const int bias = biasClassIndex(d[0], d[1], d[2]);
    return {
        {"和值", std::to_string(digitSum(d))},
        {"合值", std::to_string(sumTail(d))},
        {"跨度", std::to_string(digitSpan(d))},
        {"组选类型", std::string(Get_Fun_Class::GetGroupTypeText(d))},
        {"群号", std::string(Get_Fun_Class::GetOrderShapeText(d))},
        {"连号形态", std::string(shapeCodeLabel(Get_Fun_Class::GetShapeCode(d)))},
        {"大小", Get_Fun_Class::GetBinaryAttributeText(d, 1, "大", "小", false) + " (" +
                     Get_Fun_Class::GetBinaryAttributeText(d, 1, "大", "小", true) + ")"},
        {"奇偶", Get_Fun_Class::GetBinaryAttributeText(d, 2, "奇", "偶", false) + " (" +
                     Get_Fun_Class::GetBinaryAttributeText(d, 2, "奇", "偶", true) + ")"},
        {"质合", Get_Fun_Class::GetBinaryAttributeText(d, 3, "质", "合", false) + " (" +
                     Get_Fun_Class::GetBinaryAttributeText(d, 3, "质", "合", true) + ")"},
        {"大中小", Get_Fun_Class::GetBigMidSmallText(d)},
        {"012路", routes + " (" + Get_Fun_Class::GetRouteLetter(d) + ")"},
        {"偏态", std::string(biasClassName(bias)) + " (" + std::string(biasThreeWayWord(bias)) + ")"},
    };
}

} // namespace p3::core
