#pragma once
/// The condition kinds as data: per kind its keyword, editor and panel, records in writing order with
/// their inputs, vocabularies and defaults, the test the filter applies to each record, and every fact
/// the engine, the editors and the file reader ask of a kind. Nothing outside this table tells kinds
/// apart by their numbers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/attributes/attribute_table.h"

namespace p3::core {

/// The kind number 1..25 of a condition line; 0 for a keyword outside the kind table.
using ConditionKind = int;
inline constexpr int kConditionKindCount = 25;

/// How a record reads a candidate.
enum class RecordEngine : std::uint8_t {
    None,         ///< a record name the kind does not know: it never matches
    Attribute,    ///< one attribute row; its value name is matched against the record value
    CountList,    ///< three attribute rows counted against "values^allowed counts^repeat mode"
    AnyPair,      ///< any of the three sorted-pair rows occurs in the value
    PositionSets, ///< "^sets per position/^hit counts"
    DigitGroup,   ///< "^group^hit counts^once"
    DrawnBefore,  ///< "periods^series": the candidate among the last draws of a series
};

/// What the filter computes for one record of a candidate: how it reads the candidate and the attribute
/// rows it reads.
struct RecordTest {
    RecordEngine engine = RecordEngine::None;
    std::array<AttributeId, 3> attributes{};  ///< Attribute: the first; CountList and AnyPair: all three
    DigitSource source = DigitSource::Digits; ///< AnyPair: the digits or the sorted pair tails

    constexpr RecordTest() = default;
    /// A record that names its attribute row: the row's value name is matched against the record value.
    constexpr RecordTest(AttributeId id) noexcept : engine(RecordEngine::Attribute), attributes{id, id, id} {}
    constexpr RecordTest(RecordEngine e, std::array<AttributeId, 3> rows = {},
                         DigitSource from = DigitSource::Digits) noexcept
        : engine(e), attributes(rows), source(from) {}

    /// Whether the record compares the candidate with the code lists of the line's reference element.
    [[nodiscard]] bool readsReference() const noexcept;

    bool operator==(const RecordTest&) const = default;
};

/// How a record's value is entered on its panel.
enum class RecordInput : std::uint8_t {
    Options,      ///< independent option boxes; value = the ticked tokens
    RadioPair,    ///< two radio choices; value = the chosen token
    ValueGrid,    ///< a grid of "N"/"Y" + value cells
    PickerEdit,   ///< a read-only edit filled by the value-list picker
    CountList,    ///< picker edit + count options "0".."3" + repeat radio: "values^counts ^1"
    GroupType,    ///< the 组选类型 tree of options
    PositionRows, ///< the row list of 定位复式
    GroupRows,    ///< the row list of 号码组
    PeriodSeries, ///< period count combo and series selector of 已出号码
};

/// The choices the value-list picker offers: a word list, or the integers low..high.
struct PickerChoices {
    int low = 0;
    int high = 0;
    std::string words;     ///< blank-separated; when set, low/high are unused
    bool twoDigit = false; ///< "00".."99"
};

struct RecordSpec {
    std::string name;    ///< written into the line and matched on reading
    std::string caption; ///< the main box caption
    RecordTest test;
    RecordInput input = RecordInput::Options;
    std::vector<std::string> options; ///< option captions in order (tokens by OptionToken)
    std::string defaultOptions;       ///< tokens ticked when the window is created, blank-separated
    std::string gridName;             ///< value grids: the grid's object name
    int gridMax = 0;                  ///< value grids: the highest value
    PickerChoices picker;             ///< picker edits and count lists
    bool excludeByDefault = false;    ///< "排除" chosen initially
    std::string boxName;              ///< the main box's own object name where the form gives one
};

enum class EditorWindow : std::uint8_t { Common = 1, TenSubdivision = 2, TwoPosition = 3 };

/// Whether a kind's content ends in a reference element, and when it carries the series suffix.
enum class ReferenceUse : std::uint8_t { None, Always, WhenReferenceRecords };

/// How the series selector fills a reference kind's three code lists from the latest periods.
enum class ReferencePreset : std::uint8_t {
    None,
    RepeatGapMiddle,             ///< 复/隔/中 of the latest period against the one before
    AdjacentIsolatedTransmitted, ///< 邻/孤/传 around the latest period's digits
    HotWarmCold,                 ///< 热/温/冷 by how often a digit came in the latest seven periods
    PairTails,                   ///< 复/隔/中 of the pair tails of the latest two periods
};

struct KindSpec {
    ConditionKind kind = 0;
    std::string keyword;
    EditorWindow editor = EditorWindow::Common;
    std::string editorClass; ///< TF_GuoL_FuZhu, TF_GuoL_FuZhu_2, TF_GuoL_FuZhu_3
    std::string tab;         ///< the shrink window's tab with the kind's button
    std::string panel;       ///< the panel's object name
    bool levelTolerance = true;
    ReferenceUse reference = ReferenceUse::None;
    std::string seriesSelector;          ///< object name of the series selector, empty without one
    std::vector<std::string> classWords; ///< reference kinds: the three class words of `family`
    std::vector<RecordSpec> records;
    std::string hint; ///< the hint line at the top of the panel, empty for none
    /// The content is one record tested as a whole: its value and keep flag decide, the line's counts
    /// and level tolerance play no part (组选类型, 和值, 群号, 连号, 已出号码).
    bool singleRecord = false;
    /// The one record's main box is always ticked, and its 容错 box is the line's 容错 column (群号, 连号).
    bool fixedRecord = false;
    /// 已出号码: the record's value is "periods^series", the content ends in "%series", and the filter
    /// reads the draws of the window at run time (a backtest moves the window with each period).
    bool drawnWindow = false;
    /// Reference kinds: the class words and pattern words the records' values are written in.
    const PatternFamily* family = nullptr;
    /// Reference kinds: how the series selector computes the code lists.
    ReferencePreset preset = ReferencePreset::None;
};

/// The 25 kinds in kind order (entry k - 1 is kind k).
[[nodiscard]] const std::vector<KindSpec>& conditionCatalogue();

/// The entry of kind 1..25; nullptr for any other number.
[[nodiscard]] const KindSpec* kindSpec(ConditionKind kind);

/// The kind of a keyword by exact comparison; 0 for any other text.
[[nodiscard]] ConditionKind KindOfKeyword(std::string_view keyword) noexcept;

/// The keyword of kind 1..25; empty for any other number.
[[nodiscard]] std::string_view keywordOfKind(ConditionKind kind) noexcept;

/// The kind's `singleRecord`; false for a number outside the table.
[[nodiscard]] bool isSingleRecordKind(ConditionKind kind) noexcept;

/// Whether the kind's last content element is a reference element (复隔中, 邻孤传, 热温冷, 任意位合).
[[nodiscard]] bool hasReferenceElement(ConditionKind kind) noexcept;

/// The kind's `drawnWindow`; false for a number outside the table.
[[nodiscard]] bool isDrawnWindowKind(ConditionKind kind) noexcept;

/// Whether the kind's records are the rows of a row list (定位复式, 号码组): each value starts with the
/// row's use flag, and a row with "0" there takes no part.
[[nodiscard]] bool isRowListKind(ConditionKind kind) noexcept;

/// The record of a kind by its written name; nullptr when the kind has no such record.
[[nodiscard]] const RecordSpec* findRecordSpec(ConditionKind kind, std::string_view name);

/// The test of a record name within a kind; a test of RecordEngine::None for an unknown name.
[[nodiscard]] RecordTest recordTestOf(ConditionKind kind, std::string_view name);

/// The value token of an option caption: the text after the first ")" if there is one, else after the
/// first "." if there is one, else the caption ("A.300" → "300", "(C)顺子" → "顺子", "0号" → "0号").
[[nodiscard]] std::string OptionToken(std::string_view caption);

} // namespace p3::core
