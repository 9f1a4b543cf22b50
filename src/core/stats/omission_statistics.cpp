#include "core/stats/omission_statistics.h"

#include "core/attributes/get_fun_class.h"
#include "core/stats/statistic_kinds.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace p3::core {

namespace {

/// The last four rows in which a value occurred, newest first; -1 where there is none.
using RecentRows = std::array<int, 4>;

std::string percent(std::int64_t num, std::int64_t den) {
    return formatQuotient(num, den) + "%";
}

/// The omission before the k-th latest occurrence, from the value's latest occurrence rows.
int omissionFromRecent(const RecentRows& rows, int k) {
    const int rk = rows[static_cast<std::size_t>(k - 1)];
    if (rk < 0) return 0;
    const int before = rows[static_cast<std::size_t>(k)];
    return before < 0 ? rk : rk - before - 1;
}

} // namespace

std::string formatQuotient(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    const std::int64_t magnitude = negative ? -num : num;
    // Hundredths, halves away from zero, from the exact quotient.
    const std::int64_t hundredths = (magnitude * 200 + den) / (2 * den);
    if (hundredths == 0) return "0";
    std::string text = negative ? "-" : "";
    text += std::to_string(hundredths / 100);
    const auto fraction = hundredths % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::int64_t roundHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

int analysedNumber(std::string_view digits) noexcept {
    if (digits.size() < 3) return -1;
    int number = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (digits[i] < '0' || digits[i] > '9') return -1;
        number = number * 10 + (digits[i] - '0');
    }
    return number;
}

std::vector<int> analysedNumbers(const DrawList& draws, std::size_t begin, std::size_t end) {
    std::vector<int> numbers;
    if (draws.empty() || begin > end) return numbers;
    end = std::min(end, draws.size() - 1);
    numbers.reserve(end - begin + 1);
    for (std::size_t i = begin; i <= end; ++i)
        numbers.push_back(analysedNumber(draws[i].digits));
    return numbers;
}

namespace {

/// The field behind each table column 0..14: a whole-number column or a column of ready texts.
struct ColumnField {
    std::vector<std::int32_t> Tj_Inf::*number = nullptr;
    std::vector<std::string> Tj_Inf::*text = nullptr;
};

constexpr std::array<ColumnField, 15> kColumnFields{{
    {nullptr, &Tj_Inf::values},
    {&Tj_Inf::counts, nullptr},
    {nullptr, &Tj_Inf::probability},
    {nullptr, &Tj_Inf::theoreticalProbability},
    {nullptr, &Tj_Inf::deviation},
    {nullptr, &Tj_Inf::theoreticalPeriod},
    {nullptr, &Tj_Inf::averagePeriod},
    {&Tj_Inf::maximumOmission, nullptr},
    {&Tj_Inf::currentOmission, nullptr},
    {&Tj_Inf::lastOmission, nullptr},
    {&Tj_Inf::secondLastOmission, nullptr},
    {&Tj_Inf::thirdLastOmission, nullptr},
    {&Tj_Inf::maximumRun, nullptr},
    {nullptr, &Tj_Inf::investmentValue},
    {&Tj_Inf::directCount, nullptr},
}};

/// The column of the direct counts, written with its unit.
constexpr int kDirectCountColumn = 14;

} // namespace

std::string Tj_Inf::cell(std::size_t i, int column) const {
    if (column < 0 || column >= static_cast<int>(kColumnFields.size())) return {};
    const ColumnField& field = kColumnFields[static_cast<std::size_t>(column)];
    if (field.text) return (this->*field.text)[i];
    std::string text = std::to_string((this->*field.number)[i]);
    return column == kDirectCountColumn ? text + "注" : text;
}

std::optional<std::int32_t> Tj_Inf::number(std::size_t i, int column) const {
    if (column < 0 || column >= static_cast<int>(kColumnFields.size())) return std::nullopt;
    const ColumnField& field = kColumnFields[static_cast<std::size_t>(column)];
    if (!field.number) return std::nullopt;
    return (this->*field.number)[i];
}

void Tj_Inf::moveValue(std::size_t from, std::size_t to) {
    auto move = [from, to](auto& list) {
        if (from < to)
            std::rotate(list.begin() + static_cast<std::ptrdiff_t>(from),
                        list.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                        list.begin() + static_cast<std::ptrdiff_t>(to) + 1);
        else if (to < from)
            std::rotate(list.begin() + static_cast<std::ptrdiff_t>(to),
                        list.begin() + static_cast<std::ptrdiff_t>(from),
                        list.begin() + static_cast<std::ptrdiff_t>(from) + 1);
    };
    for (const ColumnField& field : kColumnFields) {
        if (field.text) move(this->*field.text);
        if (field.number) move(this->*field.number);
    }
}

Tj_Inf ComputeKindStatistics(int kind, std::span<const int> workList, const IniFile& ini) {
    Tj_Inf info;
    if (kind < 1 || kind > kStatisticKindCount) return info;
    info.kind = static_cast<std::uint8_t>(kind);
    info.name = std::string(kStatisticKindNames[static_cast<std::size_t>(kind - 1)]);
    if (kind == kUncomputedKind) return info;
    const KindValueTable& table = kindValueTable(kind);
    const int rows = static_cast<int>(workList.size());
    auto idsOfRow = [&](int r) {
        const int number = workList[static_cast<std::size_t>(r)];
        return number < 0 ? std::span<const std::uint16_t>{} : table.idsOf(number);
    };

    // Distinct values by most recent appearance, newest first.
    std::vector<int> order;
    std::vector<int> slot(table.values.size(), -1);
    for (int r = rows - 1; r >= 0; --r)
        for (auto id : idsOfRow(r))
            if (slot[id] < 0) {
                slot[id] = static_cast<int>(order.size());
                order.push_back(id);
            }

    const std::size_t m = order.size();
    std::vector<int> count(m, 0), maxGap(m, 0), maxRun(m, 1), run(m, 1), last(m, -1);
    std::vector<RecentRows> recent(m, RecentRows{-1, -1, -1, -1});
    for (int r = 0; r < rows; ++r) {
        for (auto id : idsOfRow(r)) {
            const auto v = static_cast<std::size_t>(slot[id]);
            ++count[v];
            // The gap before the first occurrence counts as an omission too.
            maxGap[v] = std::max(maxGap[v], r - last[v] - 1);
            if (r > 0) {
                if (last[v] == r - 1) {
                    ++run[v];
                    maxRun[v] = std::max(maxRun[v], run[v]);
                } else {
                    run[v] = 1;
                }
            }
            last[v] = r;
            auto& rec = recent[v];
            rec = {r, rec[0], rec[1], rec[2]};
        }
    }

    // Stable by count, largest first: equal counts keep the most-recent-appearance order.
    std::vector<std::size_t> sorted(m);
    for (std::size_t i = 0; i < m; ++i)
        sorted[i] = i;
    std::stable_sort(sorted.begin(), sorted.end(), [&](auto a, auto b) { return count[a] > count[b]; });

    const std::int64_t n = rows;
    for (auto v : sorted) {
        const std::string& value = table.values[static_cast<std::size_t>(order[v])];
        const std::int64_t c = count[v];
        const std::int64_t d = directCount(kind, value, ini);
        const int current = rows - 1 - last[v];
        info.values.push_back(value);
        info.counts.push_back(static_cast<std::int32_t>(c));
        info.probability.push_back(percent(c * 100, n));
        info.theoreticalProbability.push_back(percent(d * 100, 1000));
        // count/n*100 − d/1000*100 over the common denominator n*1000.
        info.deviation.push_back(percent(c * 100 * 1000 - d * 100 * n, n * 1000));
        info.theoreticalPeriod.push_back(d == 0 ? "-" : formatQuotient(1000, d));
        info.averagePeriod.push_back(formatQuotient(n, c));
        info.maximumOmission.push_back(maxGap[v]);
        info.currentOmission.push_back(current);
        info.lastOmission.push_back(omissionFromRecent(recent[v], 1));
        info.secondLastOmission.push_back(omissionFromRecent(recent[v], 2));
        info.thirdLastOmission.push_back(omissionFromRecent(recent[v], 3));
        info.maximumRun.push_back(maxRun[v]);
        info.investmentValue.push_back(d == 0 ? "-" : formatQuotient(current * d, 1000));
        info.directCount.push_back(static_cast<std::int32_t>(d));
    }
    return info;
}

int OmissionBeforeOccurrence(std::span<const std::string> valueTexts, std::string_view value, int k,
                             bool multiValued) {
    auto occurs = [&](int r) {
        const std::string& text = valueTexts[static_cast<std::size_t>(r)];
        return multiValued ? Get_Fun_Class::ContainsWord(value, text) : text == value;
    };
    int r = static_cast<int>(valueTexts.size()) - 1;
    int found = 0;
    for (; r >= 0; --r)
        if (occurs(r) && ++found == k) break;
    if (r < 0) return 0;
    const int rk = r;
    for (r = rk - 1; r >= 0; --r)
        if (occurs(r)) return rk - r - 1;
    return rk;
}

} // namespace p3::core
