#pragma once
/// The one table of number attributes: per attribute its value names in order, the value of a number as an
/// index into them, and how a condition value is matched against them.
#include "core/attributes/attribute_tables.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// The three digits an attribute reads, 百 first (or three values 0..9 derived from a number).
using Digits3 = std::array<int, 3>;

/// The code lists of a reference element each digit 0..9 is in: bit k set when the digit is in list k
/// (复/隔/中, 邻/孤/传, 热/温/冷). A digit's class is the first list holding it, the third when none does;
/// the lists may overlap when a user wrote them, and the code counts read the lists themselves.
using DigitSets = std::array<std::uint8_t, 10>;

/// Every attribute of the table. A value index is the position of the value in the row's vocabulary, so
/// a chart column, a condition option and a statistic value of the same attribute all follow that order.
enum class AttributeId : std::uint8_t {
    // the digits by position and sorted
    Hundreds,
    Tens,
    Units,
    SortedLow,
    SortedMiddle,
    SortedHigh,
    // whole-number values and the classes of the sum tail and of the span
    Sum,
    SumTail,
    SumTailSize,
    SumTailParity,
    SumTailPrime,
    SumTailBigMidSmall,
    SumTailRoute,
    Span,
    SpanSize,
    SpanParity,
    SpanPrime,
    SpanBigMidSmall,
    SpanRoute,
    // two-way classes of the three digits: per position (直选) and counted (组选)
    SizeDirect,
    SizeGroup,
    ParityDirect,
    ParityGroup,
    PrimeDirect,
    PrimeGroup,
    // shapes
    GroupType,     ///< 豹子 组三 顺子 半顺 杂六
    GroupTypeFine, ///< 组三 split into 组三_连 and 组三_不连
    GroupForm,     ///< 豹子 组三 组六
    OrderShape,
    ShapeCode,
    // 012 routes
    Route0Count,
    Route1Count,
    Route2Count,
    RoutePattern,
    RouteDirect,
    RouteShape,
    // 大中小 classes (大 7..9, 中 3..6, 小 0..2)
    BigCount,
    MiddleCount,
    SmallCount,
    SizeClassShape,
    SizeClassPattern,
    SizeClassDirect, ///< by position
    SizeClassSorted, ///< of the sorted digits
    // two positions
    PairSumHT,
    PairSumHU,
    PairSumTU,
    PairTailHT,
    PairTailHU,
    PairTailTU,
    DiffHT,
    DiffHU,
    DiffTU,
    AbsDiffHT,
    AbsDiffHU,
    AbsDiffTU,
    TwoHT,
    TwoHU,
    TwoTU,
    SortedPairLM, ///< smallest and middle digit
    SortedPairLH, ///< smallest and largest digit
    SortedPairMH, ///< middle and largest digit
    Number,       ///< the three digits themselves, 000..999
    // bias
    BiasTwoWay,
    BiasThreeWay,
    BiasClass,
    // against the code lists of a reference element: of the digits, and of the sorted pair tails
    ClassCount0,
    ClassCount1,
    ClassCount2,
    ClassShape,
    ClassPattern,
    ClassDirect,
    TailsClassCount0,
    TailsClassCount1,
    TailsClassCount2,
    TailsClassShape,
    TailsClassPattern,
};

inline constexpr std::size_t kAttributeCount = static_cast<std::size_t>(AttributeId::TailsClassPattern) + 1;

/// How a condition value (blank-separated words) is matched against an attribute's value name.
enum class MatchRule : std::uint8_t {
    WholeWord, ///< the value name is one blank-separated token of the condition value
    Substring, ///< the value name occurs anywhere in the condition value
};

/// Where a row's value names come from.
enum class Wording : std::uint8_t {
    Own,           ///< the row's vocabulary
    FamilyPattern, ///< the ten pattern words of the reference family ("2复1隔" ...), in count-pattern order
    FamilyDirect,  ///< the 27 position words of the family's class words, in base-3 order
};

/// The value of an attribute for three digits; `sets` is read only by the rows that read a reference element.
using AttributeValue = int (*)(const Digits3& digits, const DigitSets& sets) noexcept;

/// The three values a row reads: a number's digits, or its sorted pair tails (kind 21).
enum class DigitSource : std::uint8_t { Digits, SortedPairTails };

/// One attribute: its id, its name, its value names in order, its value function and its match rule.
struct AttributeRow {
    AttributeId id;
    std::string_view name;
    std::vector<std::string> vocabulary; ///< for family-worded rows: in the words of 复隔中
    AttributeValue value;
    MatchRule match = MatchRule::WholeWord;
    bool readsReference = false; ///< the value depends on a reference element's code lists
    Wording wording = Wording::Own;
    DigitSource source = DigitSource::Digits; ///< what attributeIndex gives `value` (reference rows)
};

/// All rows, in AttributeId order.
[[nodiscard]] std::span<const AttributeRow> attributeTable() noexcept;

/// The row of an attribute.
[[nodiscard]] const AttributeRow& attributeRow(AttributeId id) noexcept;

/// The value index of a number 0..999 under an attribute that reads no reference element (looked up, not
/// computed); -1 for a number outside 0..999 or a row that reads a reference element.
[[nodiscard]] int attributeIndex(AttributeId id, int number) noexcept;

/// The value indexes of the numbers 000..999 under an attribute that reads no reference element, indexed by
/// number; empty for a row that reads one.
[[nodiscard]] std::span<const std::uint16_t> attributeIndexes(AttributeId id) noexcept;

/// The value index of three digits 0..9 (with the code lists of a reference element for the rows reading
/// them); -1 when a digit is outside 0..9.
[[nodiscard]] int attributeIndex(AttributeId id, const Digits3& digits, const DigitSets& sets = {}) noexcept;

/// The value name of a value index in the words of a reference family (the family matters only to
/// family-worded rows); empty outside the vocabulary.
[[nodiscard]] std::string attributeWord(AttributeId id, int index,
                                        const PatternFamily& family = kRepeatGapMiddleFamily);

/// The value name of a number 0..999 under an attribute that reads no reference element.
[[nodiscard]] std::string_view attributeWordOf(AttributeId id, int number) noexcept;

/// Whether a value name satisfies a condition value under a match rule.
[[nodiscard]] bool wordMatches(MatchRule rule, std::string_view word, std::string_view value) noexcept;

/// Which value indexes of an attribute a condition value accepts, in vocabulary order.
[[nodiscard]] std::vector<bool> acceptedValues(AttributeId id, std::string_view value,
                                               const PatternFamily& family = kRepeatGapMiddleFamily);

/// The three pair tails (百+十, 百+个, 十+个 mod 10) sorted ascending.
[[nodiscard]] Digits3 sortedPairTails(const Digits3& digits) noexcept;

/// The code lists each digit 0..9 is in, from the three code lists of a reference element.
[[nodiscard]] DigitSets digitSets(std::string_view set1, std::string_view set2,
                                  std::string_view set3) noexcept;

/// The class 0..2 of a digit: the first code list holding it, the third when none does.
[[nodiscard]] constexpr int classOfDigit(std::uint8_t lists) noexcept {
    return (lists & 1u) ? 0 : (lists & 2u) ? 1 : 2;
}

} // namespace p3::core
