#pragma once
/// Omission (遗漏) statistics of one statistic kind over the statistics range: counts, omissions, runs and
/// probabilities per value, and the quotient formatting they are shown with.
#include "core/history/draw_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

class IniFile;

/// The fifteen column titles of the statistics table.
inline constexpr std::array<std::string_view, 15> kStatisticColumnTitles{
    "名称",     "出现次数", "出现概率",   "理论概率",     "概率偏差", "理论周期", "平均周期", "最大遗漏",
    "本期遗漏", "上期遗漏", "上上期遗漏", "上上上期遗漏", "最大连出", "投资价值", "直选注数"};

/// The result record of one kind; entry i of every list belongs to value i.
struct Tj_Inf {
    std::uint8_t kind = 0;
    std::string name;
    std::int32_t firstRow = 0;
    std::int32_t lastRow = 0;
    std::vector<std::string> values;
    std::vector<std::int32_t> counts;
    std::vector<std::string> probability;
    std::vector<std::string> theoreticalProbability;
    std::vector<std::string> deviation;
    std::vector<std::string> theoreticalPeriod;
    std::vector<std::string> averagePeriod;
    std::vector<std::int32_t> maximumOmission;
    std::vector<std::int32_t> currentOmission;
    std::vector<std::int32_t> lastOmission;
    std::vector<std::int32_t> secondLastOmission;
    std::vector<std::int32_t> thirdLastOmission;
    std::vector<std::int32_t> maximumRun;
    std::vector<std::string> investmentValue;
    std::vector<std::int32_t> directCount;

    std::size_t size() const noexcept { return values.size(); }
    /// The text of value i in table column 0..14, as the statistics table shows it.
    std::string cell(std::size_t i, int column) const;
    /// The whole number of value i in a numeric column (counts, omissions, runs, direct counts); nothing
    /// for a text column.
    std::optional<std::int32_t> number(std::size_t i, int column) const;
    /// Moves value i to position j, every column with it.
    void moveValue(std::size_t from, std::size_t to);
};

/// A quotient num / den (den > 0) rounded to two decimals, halves away from zero, in its shortest form
/// ("12.5", "3", "-0.4", "0"); computed from the integers, so 15 / 1000 gives "0.02".
std::string formatQuotient(std::int64_t num, std::int64_t den);

/// num / den (den > 0) to the nearest integer, halves to the even neighbour.
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den);

/// The analysed number 0..999 of a digit text (its first three digits), or -1 when it has fewer than three
/// leading digits.
int analysedNumber(std::string_view digits) noexcept;

/// The work list of a range: the analysed numbers of draws[begin..end], oldest first.
std::vector<int> analysedNumbers(const DrawList& draws, std::size_t begin, std::size_t end);

/// The statistics of one kind over the work list (analysed numbers, oldest first; -1 for a row without a
/// number), with the direct counts of kinds 1..41 from `ini`. Kind 30 and unknown kinds give an empty record.
Tj_Inf ComputeKindStatistics(int kind, std::span<const int> workList, const IniFile& ini);

/// The omission before the k-th latest occurrence (k = 1..3) of `value` in the value texts of the rows,
/// oldest first; multi-valued kinds compare whole tokens. 0 when it occurred fewer than k times.
int OmissionBeforeOccurrence(std::span<const std::string> valueTexts, std::string_view value, int k,
                             bool multiValued);

} // namespace p3::core
