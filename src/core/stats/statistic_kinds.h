#pragma once
/// The 61 statistic kinds of the omission query: names, pages, value texts of a number, direct counts.
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

/// The kind names in kind order (kind k is entry k − 1).
inline constexpr std::array<std::string_view, kStatisticKindCount> kStatisticKindNames{
    "百位号",         "十位号",         "个位号",      "最小数",      "中间数",         "最大数",
    "大小直选",       "大小组选",       "奇偶直选",    "奇偶组选",    "质合直选",       "质合组选",
    "和值",           "合值",           "跨度",        "群号",        "连号",           "组选012路",
    "单选012路",      "组选大中小",     "直选大中小",  "任意位和",    "(百+十)位和",    "(百+个)位和",
    "(十+个)位和",    "任意位合",       "(百+十)位合", "(百+个)位合", "(十+个)位合",    "位合二码组合",
    "任意位差",       "百位减十位",     "百位减个位",  "十位减个位",  "任意位差绝对值", "(百减十)绝对值",
    "(百减个)绝对值", "(十减个)绝对值", "偏态二细分",  "偏态三细分",  "偏态细分",       "百十二码",
    "百个二码",       "十个二码",       "任意二码",    "直选三码",    "组六4码",        "组六5码",
    "组六6码",        "组六7码",        "组六8码",     "组三4码",     "组三5码",        "组三6码",
    "组三7码",        "组三8码",        "复式4码",     "复式5码",     "复式6码",        "复式7码",
    "复式8码"};

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
