#pragma once
/// The main-grid charts 1..36 as chart groups over the attribute table: a group's columns stand for the
/// values of its attribute in the order of the attribute's vocabulary, so a draw marks the column at its
/// value's position, and the headers, the columns and the line and choice groups all follow from the groups.
#include "core/attributes/attribute_table.h"
#include "core/charts/chart_grid.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core::charts {

/// How a group names its value columns from its vocabulary.
enum class Headers : std::uint8_t {
    Words,          ///< the value names themselves
    FirstCharacter, ///< the first character of each name ("大数" → 大, "0路" → 0)
    Index,          ///< the value's position from 0 ("3号" → 3)
    Ordinals,       ///< its position from 1
    SmallLetters,   ///< a, b, c ...
    Letters,        ///< A .. Z, then #
};

/// Where a group puts narrow spacer columns beside its value columns.
enum class Spacers : std::uint8_t {
    None,             ///< 0,1,2
    Around,           ///< ,a,b,c,
    Between,          ///< A,,B,,C
    AroundAndBetween, ///< ,大,,小,
};

/// A classification a group shows of its attribute's value instead of the value itself. The vocabularies
/// of the size, parity, prime, 大中小 and route classes are those of the table's classes of the sum tail.
enum class ValueClass : std::uint8_t { None, Size, Parity, Prime, BigMidSmall, Route, History };

/// What a group writes besides value marks.
enum class GroupText : std::uint8_t {
    None,
    TailsText,   ///< a leading text column with the three pair tails side by side ("任意位合")
    HistorySets, ///< only text columns: the digits of each class of the chart's history family (复码 ...)
};

/// The history family a chart classifies digits by, against the draws before each row.
enum class History : std::uint8_t {
    None,
    RepeatGapMiddle,             ///< 复隔中 against the two draws before
    AdjacentIsolatedTransmitted, ///< 邻孤传 against the draw before
    HotWarmCold,                 ///< 热温冷 over the seven draws before, from the eighth draw on
    TailsRepeatGapMiddle,        ///< 复隔中 of the pair tails against the tails of the two draws before
};

/// Maps a value index to a position among a group's own headers (kind 30), or -1 for no mark.
using Position = int (*)(int valueIndex);

/// One column group of a chart.
struct GroupSpec {
    std::string_view title;
    std::array<AttributeId, 3>
        attributes{}; ///< the attributes the group marks: one, or three in a distribution
    int attributeCount = 1;
    ValueClass valueClass = ValueClass::None;
    Headers headers = Headers::Words;
    Spacers spacers = Spacers::None;
    std::string_view image; ///< a prefix ending in "_", names per value separated by "/", or "Red_/BlueD_"
    int band = 0;           ///< 0..3: a new band takes the next of the four colours
    bool multiChoice = false;
    int firstValue = 0;   ///< a slice of the vocabulary: its first value ...
    int valueCount = -1;  ///< ... and how many (-1: to the end)
    bool ofTails = false; ///< the attributes read the three pair tails instead of the digits
    GroupText text = GroupText::None;
    std::string_view widths;          ///< widths of the group's text columns, comma-separated
    std::string_view ownHeaders = {}; ///< with `position`: the group's own headers, comma-separated
    Position position = nullptr;

    // Filled when the chart is laid out.
    int first = 0;                    ///< the group's first column
    std::vector<std::string> columns; ///< every column's header in order, "" for a spacer
    int firstValueColumn = 0;         ///< the column of the first value
    bool readsReference = false;      ///< the attributes read the row's history classes as code lists
    bool readsHistory = false;        ///< the group marks nothing in a row without history classes
};

/// What the marks of one draw row are computed from: the analysed digits and the history before the row.
struct RowContext {
    std::span<const int> numbers; ///< analysed numbers of the range, oldest first (-1 for a draw without)
    std::size_t index = 0;        ///< this row's draw
    int number = 0;               ///< the analysed number, 百 十 个
    Digits3 digits{};
    DigitSets sets{};              ///< each digit's class of the history family (bit 1 << class)
    bool hasHistory = false;       ///< the history family classifies this row
    std::array<int, 10> classes{}; ///< the class 0..2 of every digit

    /// The analysed number k draws back, or -1 before the range.
    int before(std::size_t k) const { return k <= index ? numbers[index - k] : -1; }
};

/// Writes the marks of one draw row.
class RowWriter {
public:
    RowWriter(ChartGrid& grid, int row) : m_grid(grid), m_row(row) {}
    /// Writes the column's header; a second mark in the same column marks the value as repeated.
    void mark(int column);
    /// Writes a text of its own (a text column).
    void put(int column, std::string text);

private:
    ChartGrid& m_grid;
    int m_row;
};

struct MainChartSpec {
    int kind = 0;
    std::vector<GroupSpec> groups;
    History history = History::None;
    /// Choice groups that differ from the line groups: kind 11 chooses one of 形态 a..c and the 组选 letters
    /// A..G together. Empty: the choice groups are the line groups.
    std::string_view choiceGroups = {};
    std::vector<ColumnRange> lineRanges;   ///< filled when laid out
    std::vector<ColumnRange> choiceRanges; ///< filled when laid out
};

/// The spec of a main-grid kind 1..36, or nullptr (29 and unknown kinds).
const MainChartSpec* mainChartSpec(int kind);

/// The value names of a group in a chart of a history family, before any slice or header naming.
std::vector<std::string> groupVocabulary(const GroupSpec& group, History history);

/// The attribute row whose vocabulary and values a value class takes: the table's classes of the sum tail,
/// which classify a value 0..9.
AttributeId valueClassRow(ValueClass valueClass) noexcept;

/// The class index of a value under a value class (History reads the row's classes).
int valueClassIndex(ValueClass valueClass, int value, const RowContext& row) noexcept;

/// The column of the value at `position` of a laid-out group (positions count from the slice's first value).
int valueColumn(const GroupSpec& group, int position) noexcept;

/// Prepares the row context's history classes for a chart's family; false leaves the row without them.
void computeHistory(History history, RowContext& row);

/// Writes the marks of one draw row of a laid-out chart.
void writeMarks(const MainChartSpec& spec, const RowContext& row, RowWriter& writer);

} // namespace p3::core::charts
