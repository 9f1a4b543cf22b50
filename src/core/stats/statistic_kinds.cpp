#include "core/stats/statistic_kinds.h"

#include "core/io/ini_file.h"

#include <algorithm>
#include <array>
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

/// The N-digit combinations of a combination kind holding the three digits; none when the kind's form
/// excludes the number.
std::vector<std::string> combinationTokens(const StatisticKind& row, int h, int t, int u) {
    const bool allDifferent = h != t && t != u && h != u;
    if (row.form == CombinationForm::GroupSix && !allDifferent) return {};
    if (row.form == CombinationForm::GroupThree && allDifferent) return {};
    std::vector<std::string> tokens;
    for (const auto& combo : combinationsOf(row.digits)) {
        if (combo.find(static_cast<char>('0' + h)) != std::string::npos &&
            combo.find(static_cast<char>('0' + t)) != std::string::npos &&
            combo.find(static_cast<char>('0' + u)) != std::string::npos)
            tokens.push_back(combo);
    }
    return tokens;
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

const StatisticKind* statisticKind(int kind) noexcept {
    return kind >= 1 && kind <= kStatisticKindCount ? &kStatisticKinds[static_cast<std::size_t>(kind - 1)]
                                                    : nullptr;
}

bool isMultiValuedKind(int kind) noexcept {
    const StatisticKind* row = statisticKind(kind);
    return row && (row->source != StatisticSource::Attributes || row->attributeCount > 1);
}

std::vector<std::string> statisticValueTokens(int kind, int number) {
    const StatisticKind* row = statisticKind(kind);
    if (!row || number < 0 || number > 999) return {};
    if (row->source == StatisticSource::Combinations)
        return combinationTokens(*row, number / 100, number / 10 % 10, number % 10);
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < row->attributeCount; ++i) {
        const int index = attributeIndex(row->attributes[i], number);
        tokens.emplace_back(row->wording.empty()
                                ? attributeRow(row->attributes[i]).vocabulary[static_cast<std::size_t>(index)]
                                : std::string(row->wording[static_cast<std::size_t>(index)]));
    }
    return tokens;
}

std::string statisticValueText(int kind, int number) {
    const auto tokens = statisticValueTokens(kind, number);
    std::string text;
    const StatisticKind* row = statisticKind(kind);
    // The N-digit combinations are each followed by a blank; other lists are joined by blanks.
    if (row && row->source == StatisticSource::Combinations) {
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
    const StatisticKind* row = statisticKind(kind);
    if (row && row->source == StatisticSource::Combinations) {
        const auto n = static_cast<std::size_t>(row->digits - 4);
        switch (row->form) {
        case CombinationForm::GroupSix:
            return kGroupSixCounts[n];
        case CombinationForm::GroupThree:
            return kGroupThreeCounts[n];
        case CombinationForm::Compound:
            return kCompoundCounts[n];
        }
    }
    return 0;
}

} // namespace p3::core
