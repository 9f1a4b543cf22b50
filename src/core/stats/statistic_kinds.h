#pragma once
/// The 61 statistic kinds of the omission query as rows over the attribute table: names, pages, value texts
/// of a number, direct counts.
#include "core/attributes/attribute_table.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

class IniFile;

inline constexpr int kStatisticKindCount = 61;
/// 位合二码组合: in the name list, never computed.
inline constexpr int kUncomputedKind = 30;

/// Where a statistic kind's values come from.
enum class StatisticSource : std::uint8_t {
    None,         ///< 位合二码组合: named, never computed
    Attributes,   ///< one value per attribute row, in row order
    Combinations, ///< the N-digit combinations holding the number's three digits
};

/// Which numbers an N-digit combination kind takes.
enum class CombinationForm : std::uint8_t {
    GroupSix,   ///< 组六: three different digits
    GroupThree, ///< 组三: not three different digits
    Compound,   ///< 复式: every number
};

/// The statistics' own labels of 连号 (the filter's shape labels differ on purpose).
inline constexpr std::array<std::string_view, 10> kShapeStatisticLabels{
    "0.豹子",     "1.顺子",         "2.偶点半顺组六", "3.奇点半顺组六", "4.偶点杂六",
    "5.奇点杂六", "6.偶点半顺组三", "7.奇点半顺组三", "8.偶点组三",     "9.奇点组三"};

/// One statistic kind: its name and the attribute rows (or combinations) its values are.
struct StatisticKind {
    std::string_view name;
    StatisticSource source = StatisticSource::None;
    std::array<AttributeId, 3> attributes{};
    std::uint8_t attributeCount = 0;
    std::span<const std::string_view> wording{}; ///< value names in place of the row's, when set
    std::uint8_t digits = 0;                     ///< combination kinds: N
    CombinationForm form = CombinationForm::Compound;
};

namespace detail {
/// One entry of the kind list: one kind, or a family of kinds written as one entry.
struct KindEntry {
    std::array<StatisticKind, 4> kinds{};
    std::size_t count = 0;

    constexpr KindEntry(StatisticKind kind) : kinds{kind}, count(1) {}
    constexpr KindEntry(std::array<StatisticKind, 4> family) : kinds(family), count(4) {}
};

constexpr StatisticKind of(std::string_view name, AttributeId a) {
    return {name, StatisticSource::Attributes, {a, a, a}, 1};
}
constexpr StatisticKind of3(std::string_view name, AttributeId a, AttributeId b, AttributeId c) {
    return {name, StatisticSource::Attributes, {a, b, c}, 3};
}
constexpr StatisticKind combination(std::string_view name, int digits, CombinationForm form) {
    return {name, StatisticSource::Combinations, {}, 0, {}, static_cast<std::uint8_t>(digits), form};
}

/// A kind over any of three positions (任意位和), then one kind per position, reading the three attribute
/// rows that follow each other from `first` (百+十, 百+个, 十+个).
constexpr KindEntry anyAndEach(std::string_view any, std::array<std::string_view, 3> each,
                               AttributeId first) {
    const auto row = [&](int k) { return static_cast<AttributeId>(static_cast<int>(first) + k); };
    return std::array{of3(any, row(0), row(1), row(2)), of(each[0], row(0)), of(each[1], row(1)),
                      of(each[2], row(2))};
}

template <std::size_t N>
constexpr std::array<StatisticKind, kStatisticKindCount> flatten(const KindEntry (&entries)[N]) {
    std::array<StatisticKind, kStatisticKindCount> kinds{};
    std::size_t next = 0;
    for (const KindEntry& entry : entries)
        for (std::size_t i = 0; i < entry.count; ++i)
            kinds.at(next++) = entry.kinds[i];
    return next == kinds.size() ? kinds : throw "the entries must give every kind once";
}
} // namespace detail

/// The kinds in kind order (kind k is entry k − 1).
inline constexpr std::array<StatisticKind, kStatisticKindCount> kStatisticKinds = [] {
    using A = AttributeId;
    using F = CombinationForm;
    using detail::anyAndEach, detail::combination, detail::of, detail::of3;
    return detail::flatten({
        of("百位号", A::Hundreds),
        of("十位号", A::Tens),
        of("个位号", A::Units),
        of("最小数", A::SortedLow),
        of("中间数", A::SortedMiddle),
        of("最大数", A::SortedHigh),
        of("大小直选", A::SizeDirect),
        of("大小组选", A::SizeGroup),
        of("奇偶直选", A::ParityDirect),
        of("奇偶组选", A::ParityGroup),
        of("质合直选", A::PrimeDirect),
        of("质合组选", A::PrimeGroup),
        of("和值", A::Sum),
        of("合值", A::SumTail),
        of("跨度", A::Span),
        of("群号", A::OrderShape),
        StatisticKind{"连号", StatisticSource::Attributes, {A::ShapeCode}, 1, kShapeStatisticLabels},
        of("组选012路", A::RoutePattern),
        of("单选012路", A::RouteDirect),
        of("组选大中小", A::SizeClassPattern),
        of("直选大中小", A::SizeClassDirect),
        anyAndEach("任意位和", {"(百+十)位和", "(百+个)位和", "(十+个)位和"}, A::PairSumHT),
        anyAndEach("任意位合", {"(百+十)位合", "(百+个)位合", "(十+个)位合"}, A::PairTailHT),
        StatisticKind{"位合二码组合"},
        anyAndEach("任意位差", {"百位减十位", "百位减个位", "十位减个位"}, A::DiffHT),
        anyAndEach("任意位差绝对值", {"(百减十)绝对值", "(百减个)绝对值", "(十减个)绝对值"}, A::AbsDiffHT),
        of("偏态二细分", A::BiasTwoWay),
        of("偏态三细分", A::BiasThreeWay),
        of("偏态细分", A::BiasClass),
        of("百十二码", A::TwoHT),
        of("百个二码", A::TwoHU),
        of("十个二码", A::TwoTU),
        of3("任意二码", A::SortedPairLM, A::SortedPairLH, A::SortedPairMH),
        of("直选三码", A::Number),
        combination("组六4码", 4, F::GroupSix),
        combination("组六5码", 5, F::GroupSix),
        combination("组六6码", 6, F::GroupSix),
        combination("组六7码", 7, F::GroupSix),
        combination("组六8码", 8, F::GroupSix),
        combination("组三4码", 4, F::GroupThree),
        combination("组三5码", 5, F::GroupThree),
        combination("组三6码", 6, F::GroupThree),
        combination("组三7码", 7, F::GroupThree),
        combination("组三8码", 8, F::GroupThree),
        combination("复式4码", 4, F::Compound),
        combination("复式5码", 5, F::Compound),
        combination("复式6码", 6, F::Compound),
        combination("复式7码", 7, F::Compound),
        combination("复式8码", 8, F::Compound),
    });
}();

/// The kind names in kind order (kind k is entry k − 1).
inline constexpr std::array<std::string_view, kStatisticKindCount> kStatisticKindNames = [] {
    std::array<std::string_view, kStatisticKindCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kStatisticKinds[i].name;
    return names;
}();

/// The row of a kind 1..61; nullptr for any other number.
[[nodiscard]] const StatisticKind* statisticKind(int kind) noexcept;

/// One tab page of the kind check boxes: its caption and its kinds in box order.
struct StatisticPage {
    std::string_view caption;
    std::span<const std::uint8_t> kinds;
};

/// The five pages in page order; together they hold the 60 computed kinds.
std::span<const StatisticPage> statisticPages() noexcept;

/// The 60 computed kinds in check-box order (page by page).
std::vector<int> statisticKindsInBoxOrder();

/// The kind number of a name, or 0 when it names no kind.
int statisticKindOf(std::string_view name) noexcept;

/// Whether a kind's value text is a blank-separated list of tokens.
bool isMultiValuedKind(int kind) noexcept;

/// The value tokens of a kind for one three-digit number 0..999, in token order, repeats kept (任意位和 of
/// 113 gives 2, 4, 4); empty for kind 30, a kind outside 1..61, or a 组六/组三 kind that excludes the number.
std::vector<std::string> statisticValueTokens(int kind, int number);

/// The value text of a kind for one number, as the work list holds it: the single value, or the tokens each
/// followed by one blank for the N-digit combinations, or the tokens joined by blanks for the other
/// multi-valued kinds.
std::string statisticValueText(int kind, int number);

/// The values of one kind over all 1000 numbers, prepared once: the distinct value texts, and per number the
/// indexes of its distinct values in token order.
struct KindValueTable {
    std::vector<std::string> values;
    std::vector<std::uint32_t> offsets; ///< 1001 entries into ids
    std::vector<std::uint16_t> ids;

    std::span<const std::uint16_t> idsOf(int number) const {
        return {ids.data() + offsets[static_cast<std::size_t>(number)],
                ids.data() + offsets[static_cast<std::size_t>(number) + 1]};
    }
};

/// The shared table of a kind 1..61 (kind 30 and unknown kinds give an empty table); built on first use,
/// safe to call from several threads.
const KindValueTable& kindValueTable(int kind);

/// How many of the 1000 numbers have a value of a kind 1..41, counting a number once per distinct value.
std::vector<int> countNumbersPerValue(int kind);

/// The direct-count data of the statistics (YiLouCanShu.ini), counted over 000..999 for kinds 1..41: section
/// = kind name, key = value text, value = the count; keys in order of first appearance.
IniFile makeDirectCountIni();

/// The direct count (直选注数) of a value: kinds 1..41 from the INI (0 when absent), the fixed rules for
/// 42..61.
int directCount(int kind, std::string_view value, const IniFile& ini);

} // namespace p3::core
