#include "core/stats/statistic_kinds.h"

#include "core/attributes/get_fun_class.h"
#include "core/io/ini_file.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <mutex>

namespace p3::core {

namespace {

constexpr std::array<std::uint8_t, 17> kPage1{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 42, 43, 44, 45};
constexpr std::array<std::uint8_t, 8> kPage2{14, 15, 16, 17, 18, 19, 20, 21};
constexpr std::array<std::uint8_t, 16> kPage3{22, 23, 24, 25, 26, 27, 28, 29, 31, 32, 33, 34, 35, 36, 37, 38};
constexpr std::array<std::uint8_t, 3> kPage4{39, 40, 41};
// The fifth page: 组三5码..组三8码, 复式4码..复式7码, 组六4码..组六8码, 组三4码, 复式8码, 直选三码.
constexpr std::array<std::uint8_t, 16> kPage5{53, 54, 55, 56, 57, 58, 59, 60, 47, 48, 49, 50, 51, 52, 61, 46};

constexpr std::array<StatisticPage, 5> kPages{{
    {"(一)常用参数", kPage1},
    {"(二)十细分参数", kPage2},
    {"(三)两位参数分析", kPage3},
    {"(四)高级参数", kPage4},
    {"(五)复式参数", kPage5},
}};

/// Kind 17's value labels as the statistics show them (the filter's shape labels differ on purpose).
constexpr std::array<std::string_view, 10> kShapeStatisticLabels{
    "0.豹子",     "1.顺子",         "2.偶点半顺组六", "3.奇点半顺组六", "4.偶点杂六",
    "5.奇点杂六", "6.偶点半顺组三", "7.奇点半顺组三", "8.偶点组三",     "9.奇点组三"};

/// Direct counts of the N-digit combination kinds, N = 4..8.
constexpr std::array<int, 5> kGroupSixCounts{27, 60, 210, 336, 504};
constexpr std::array<int, 5> kGroupThreeCounts{36, 60, 90, 126, 168};
constexpr std::array<int, 5> kCompoundCounts{64, 125, 216, 343, 512};

/// All C(10, n) strings of n ascending digits, in lexicographic order.
std::vector<std::string> combinations(int n) {
    std::vector<std::string> out;
    std::string current;
    auto walk = [&](auto&& self, int from) -> void {
        if (static_cast<int>(current.size()) == n) {
            out.push_back(current);
            return;
        }
        for (int d = from; d <= 9; ++d) {
            current.push_back(static_cast<char>('0' + d));
            self(self, d + 1);
            current.pop_back();
        }
    };
    walk(walk, 0);
    return out;
}

const std::vector<std::string>& combinationsOf(int n) {
    static const std::array<std::vector<std::string>, 5> all{
        combinations(4), combinations(5), combinations(6), combinations(7), combinations(8)};
    return all[static_cast<std::size_t>(n - 4)];
}

std::string pairText(int a, int b) {
    return std::string{static_cast<char>('0' + a), static_cast<char>('0' + b)};
}

std::string binaryText(const DigitArray& d, int mode, const BinaryWords& words, bool pattern) {
    return Get_Fun_Class::GetBinaryAttributeText(d, mode, words.yes, words.no, pattern);
}

} // namespace

std::span<const StatisticPage> statisticPages() noexcept {
    return kPages;
}

std::vector<int> statisticKindsInBoxOrder() {
    std::vector<int> kinds;
    for (const auto& page : statisticPages())
        for (auto k : page.kinds)
            kinds.push_back(k);
    return kinds;
}

int statisticKindOf(std::string_view name) noexcept {
    for (std::size_t i = 0; i < kStatisticKindNames.size(); ++i)
        if (kStatisticKindNames[i] == name) return static_cast<int>(i) + 1;
    return 0;
}

bool isMultiValuedKind(int kind) noexcept {
    return kind == 22 || kind == 26 || kind == 30 || kind == 31 || kind == 35 || kind == 45 ||
           (kind >= 47 && kind <= 61);
}

std::vector<std::string> statisticValueTokens(int kind, int number) {
    if (number < 0 || number > 999) return {};
    const int h = number / 100, t = number / 10 % 10, u = number % 10;
    const DigitArray d{h, t, u};
    DigitArray s = d;
    Get_Fun_Class::SortDigits(s);
    const int x = s[0], y = s[1], z = s[2];
    auto one = [](auto v) { return std::vector<std::string>{std::string(v)}; };
    auto num = [](int v) { return std::vector<std::string>{std::to_string(v)}; };
    auto three = [](int a, int b, int c) {
        return std::vector<std::string>{std::to_string(a), std::to_string(b), std::to_string(c)};
    };
    const int bias = biasClassIndex(h, t, u);
    switch (kind) {
    case 1:
        return num(h);
    case 2:
        return num(t);
    case 3:
        return num(u);
    case 4:
        return num(x);
    case 5:
        return num(y);
    case 6:
        return num(z);
    case 7:
        return one(binaryText(d, 1, kBigSmallWords, false));
    case 8:
        return one(binaryText(d, 1, kBigSmallWords, true));
    case 9:
        return one(binaryText(d, 2, kOddEvenWords, false));
    case 10:
        return one(binaryText(d, 2, kOddEvenWords, true));
    case 11:
        return one(binaryText(d, 3, kPrimeCompositeWords, false));
    case 12:
        return one(binaryText(d, 3, kPrimeCompositeWords, true));
    case 13:
        return num(h + t + u);
    case 14:
        return num((h + t + u) % 10);
    case 15:
        return num(z - x);
    case 16:
        return one(Get_Fun_Class::GetOrderShapeText(d));
    case 17:
        return one(kShapeStatisticLabels[static_cast<std::size_t>(Get_Fun_Class::GetShapeCode(d))]);
    case 18: {
        const std::string text = toNumberText(d);
        std::string code;
        for (auto set : kRouteDigits)
            code += std::to_string(Get_Fun_Class::CountDigitsInSet(text, set));
        return one(code);
    }
    case 19:
        return one(std::to_string(h % 3) + std::to_string(t % 3) + std::to_string(u % 3));
    case 20: {
        const std::string text = toNumberText(d);
        const int big = Get_Fun_Class::CountDigitsInSet(text, "789");
        const int mid = Get_Fun_Class::CountDigitsInSet(text, "3456");
        const int small = Get_Fun_Class::CountDigitsInSet(text, "012");
        return one(patternWord(kBigMidSmallFamily, big, mid, small));
    }
    case 21:
        return one(Get_Fun_Class::GetBigMidSmallText(d));
    case 22:
        return three(h + t, h + u, t + u);
    case 23:
        return num(h + t);
    case 24:
        return num(h + u);
    case 25:
        return num(t + u);
    case 26:
        return three((h + t) % 10, (h + u) % 10, (t + u) % 10);
    case 27:
        return num((h + t) % 10);
    case 28:
        return num((h + u) % 10);
    case 29:
        return num((t + u) % 10);
    case 31:
        return three(h - t, h - u, t - u);
    case 32:
        return num(h - t);
    case 33:
        return num(h - u);
    case 34:
        return num(t - u);
    case 35:
        return three(std::abs(h - t), std::abs(h - u), std::abs(t - u));
    case 36:
        return num(std::abs(h - t));
    case 37:
        return num(std::abs(h - u));
    case 38:
        return num(std::abs(t - u));
    case 39:
        return one(biasTwoWayWord(bias));
    case 40:
        return one(biasThreeWayWord(bias));
    case 41:
        return one(biasClassName(bias));
    case 42:
        return one(pairText(h, t));
    case 43:
        return one(pairText(h, u));
    case 44:
        return one(pairText(t, u));
    case 45:
        return {pairText(x, y), pairText(x, z), pairText(y, z)};
    case 46:
        return one(toNumberText(d));
    default:
        break;
    }
    if (kind < 47 || kind > 61) return {};
    const bool allDifferent = x != y && y != z;
    if (kind <= 51 && !allDifferent) return {};
    if (kind >= 52 && kind <= 56 && allDifferent) return {};
    const int n = 4 + (kind - 47) % 5;
    std::vector<std::string> tokens;
    for (const auto& combo : combinationsOf(n)) {
        if (combo.find(static_cast<char>('0' + h)) != std::string::npos &&
            combo.find(static_cast<char>('0' + t)) != std::string::npos &&
            combo.find(static_cast<char>('0' + u)) != std::string::npos)
            tokens.push_back(combo);
    }
    return tokens;
}

std::string statisticValueText(int kind, int number) {
    const auto tokens = statisticValueTokens(kind, number);
    std::string text;
    if (kind >= 47 && kind <= 61) {
        for (const auto& token : tokens)
            text += token + ' ';
        return text;
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i) text += ' ';
        text += tokens[i];
    }
    return text;
}

const KindValueTable& kindValueTable(int kind) {
    static std::array<KindValueTable, kStatisticKindCount + 1> tables;
    static std::array<std::once_flag, kStatisticKindCount + 1> built;
    if (kind < 1 || kind > kStatisticKindCount) kind = 0;
    std::call_once(built[static_cast<std::size_t>(kind)], [kind] {
        KindValueTable& table = tables[static_cast<std::size_t>(kind)];
        table.offsets.reserve(1001);
        table.offsets.push_back(0);
        for (int number = 0; number < 1000; ++number) {
            const auto first = table.ids.size();
            for (const auto& token : statisticValueTokens(kind, number)) {
                auto it = std::find(table.values.begin(), table.values.end(), token);
                const auto id = static_cast<std::uint16_t>(it - table.values.begin());
                if (it == table.values.end()) table.values.push_back(token);
                if (std::find(table.ids.begin() + static_cast<std::ptrdiff_t>(first), table.ids.end(), id) ==
                    table.ids.end())
                    table.ids.push_back(id);
            }
            table.offsets.push_back(static_cast<std::uint32_t>(table.ids.size()));
        }
    });
    return tables[static_cast<std::size_t>(kind)];
}

std::vector<int> countNumbersPerValue(int kind) {
    const auto& table = kindValueTable(kind);
    std::vector<int> counts(table.values.size(), 0);
    for (int number = 0; number < 1000; ++number)
        for (auto id : table.idsOf(number))
            ++counts[id];
    return counts;
}

IniFile makeDirectCountIni() {
    IniFile ini;
    for (int kind = 1; kind <= 41; ++kind) {
        if (kind == kUncomputedKind) continue;
        const auto& table = kindValueTable(kind);
        const auto counts = countNumbersPerValue(kind);
        const std::string section(kStatisticKindNames[static_cast<std::size_t>(kind - 1)]);
        for (std::size_t i = 0; i < table.values.size(); ++i)
            ini.setInt(section, table.values[i], counts[i]);
    }
    return ini;
}

int directCount(int kind, std::string_view value, const IniFile& ini) {
    if (kind >= 1 && kind <= 41)
        return static_cast<int>(
            ini.getInt(kStatisticKindNames[static_cast<std::size_t>(kind - 1)], value, 0));
    if (kind >= 42 && kind <= 44) return 10;
    if (kind == 45) return value.size() == 2 && value[0] == value[1] ? 28 : 54;
    if (kind == 46) return 1;
    if (kind >= 47 && kind <= 61) {
        const auto n = static_cast<std::size_t>((kind - 47) % 5);
        if (kind <= 51) return kGroupSixCounts[n];
        if (kind <= 56) return kGroupThreeCounts[n];
        return kCompoundCounts[n];
    }
    return 0;
}

} // namespace p3::core
