#pragma once
/// The condition kinds as data: per kind its keyword, editor and panel, records in writing order with
/// their inputs, vocabularies and defaults, and the test the filter applies to each record.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/shrink/condition_line.h"

namespace p3::core {

/// What the filter computes for one record of a candidate (see the record tests of the shrink engine).
enum class RecordTest : std::uint8_t {
    None, ///< a record name the kind does not know: it never matches
    // kind 1
    GroupType,
    // kind 2
    SortedLow,
    SortedMiddle,
    SortedHigh,
    // kinds 3-5
    GroupSize,
    DirectSize,
    GroupParity,
    DirectParity,
    GroupPrime,
    DirectPrime,
    // kind 6
    Sum,
    // kind 7
    Hundreds,
    Tens,
    Units,
    // kinds 8, 9
    PositionSets,
    DigitGroup,
    // kind 10
    Tail,
    TailSize,
    TailParity,
    TailPrime,
    TailBigMidSmall,
    TailRoute,
    // kind 11
    Span,
    SpanSize,
    SpanParity,
    SpanPrime,
    SpanBigMidSmall,
    SpanRoute,
    // kinds 12, 13
    OrderShape,
    ShapeCode,
    // kind 14
    Route0Count,
    Route1Count,
    Route2Count,
    RoutePattern,
    RouteDirect,
    RouteShape,
    // kind 15 (sorted digits)
    BigCount,
    MiddleCount,
    SmallCount,
    SizeShape,
    SizePattern,
    SizeDirect,
    // kinds 16-18 (reference sets)
    RefCount1,
    RefCount2,
    RefCount3,
    RefShape,
    RefPattern,
    RefDirect,
    // kind 19
    PairSumHT,
    PairSumHU,
    PairSumTU,
    PairSumCount,
    // kind 20
    PairTailHT,
    PairTailHU,
    PairTailTU,
    // kind 21 (sorted pair tails)
    TailsCount,
    TailsPairs,
    TailsRefPattern,
    TailsRefCount1,
    TailsRefCount2,
    TailsRefCount3,
    TailsRefShape,
    // kind 22
    AbsDiffCount,
    DiffHT,
    DiffHU,
    DiffTU,
    AbsDiffHT,
    AbsDiffHU,
    AbsDiffTU,
    // kind 23
    BiasTwo,
    BiasThree,
    BiasFine,
    // kind 24
    TwoHT,
    TwoHU,
    TwoTU,
    AnyTwo,
    // kind 25
    DrawnBefore,
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
    RecordTest test = RecordTest::None;
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
    std::vector<std::string> classWords; ///< kinds 16-18 and 21: the three class words
    std::vector<RecordSpec> records;
    std::string hint; ///< the hint line at the top of the panel, empty for none
};

/// The 25 kinds in kind order (entry k - 1 is kind k).
[[nodiscard]] const std::vector<KindSpec>& conditionCatalogue();

/// The entry of kind 1..25; nullptr for any other number.
[[nodiscard]] const KindSpec* kindSpec(ConditionKind kind);

/// The record of a kind by its written name; nullptr when the kind has no such record.
[[nodiscard]] const RecordSpec* findRecordSpec(ConditionKind kind, std::string_view name);

/// The test of a record name within a kind; RecordTest::None for an unknown name.
[[nodiscard]] RecordTest recordTestOf(ConditionKind kind, std::string_view name);

/// The value token of an option caption: the text after the first ")" if there is one, else after the
/// first "." if there is one, else the caption ("A.300" → "300", "(C)顺子" → "顺子", "0号" → "0号").
[[nodiscard]] std::string OptionToken(std::string_view caption);

/// The 27 position patterns of three class words in base-3 order, lettered a..z and "＆"
/// ("a.小小小", "b.小小中", ...).
[[nodiscard]] std::vector<std::string> positionPatternOptions(std::string_view w0, std::string_view w1,
                                                              std::string_view w2);

/// The record names of kind 21 whose ticking puts the series suffix on the reference element.
[[nodiscard]] bool isKind21ReferenceRecord(std::string_view name);

} // namespace p3::core
