#pragma once
/// The editors' rules without their windows: a panel's state turned into a condition line (with the
/// refusals of the add/modify flow), and a line read back into a panel's state.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_line.h"
#include "core/common/error.h"

namespace p3::core {

/// The controls of one record: main box, collected value, 保留/排除 and 容错.
struct RecordState {
    bool ticked = false;
    std::string value; ///< as collected (tokens each followed by a blank); count lists "values^counts^R"
    bool keep = true;
    bool tolerant = false;
};

/// One panel of an editor. `records` follows the catalogue's record order, except for kinds 8 and 9,
/// whose records are the rows of the panel's row list (value "use^..." as the list shows it).
/// For 已出号码 the first record's value is the period count; the series comes from `series`.
struct PanelState {
    ConditionKind kind = 0;
    std::vector<RecordState> records;
    bool levelTolerance = false; ///< 本级容错 ticked (only where the kind shows it)
    int levelBegin = 0;
    int levelEnd = 0;
    SeriesIndex series = 0; ///< the series selector (16, 17, 18, 21, 25)
    ReferenceElement sets;  ///< the code lists shown (16, 17, 18, 21)
};

/// A fresh panel of a kind with the catalogue's defaults (nothing ticked, 排除 where the kind starts
/// with it). Kinds 12 and 13 have their one main box ticked.
[[nodiscard]] PanelState defaultPanelState(ConditionKind kind);

/// n and m of the status bar: ticked records (used rows for kinds 8 and 9) and those of them with
/// 容错 ticked (m stays 0 where the level tolerance is hidden).
struct ConditionCount {
    int conditions = 0;
    int tolerant = 0;
};
[[nodiscard]] ConditionCount UpdateConditionCount(const PanelState& panel);

/// The add/modify flow: checks in order ("请选择条件", the level tolerance message, the one-series
/// message, "条件 name 限定不合法", "请限定 name 条件值" for the first record without a value) and the
/// line as the editor writes it. `modifyRow` is the zero-based row being rewritten, -1 when adding.
/// A series the track table does not provide is refused with kUnsupportedSeriesMessage; a 已出号码
/// period count that is not a whole number is refused with "请输入正确的期数".
[[nodiscard]] Result<ConditionLine> BuildConditionLine(const PanelState& panel,
                                                       std::span<const ConditionLine> list, int modifyRow);

/// `LoadLine`: a line read back into its panel (records by name, unknown names skipped; flags; level
/// tolerance from the counts field; the stored series and code lists).
[[nodiscard]] PanelState LoadPanelState(const ConditionLine& line);

/// `CollectOptions`: the tokens of the ticked options in caption order, each followed by one blank.
[[nodiscard]] std::string CollectOptions(const RecordSpec& record, const std::vector<bool>& ticked);

/// `MarkOptions`: which options of a record a stored value ticks (plain substring search of the token).
[[nodiscard]] std::vector<bool> MarkOptions(const RecordSpec& record, std::string_view value);

/// The 组选类型 value from its boxes, in the editor's order.
[[nodiscard]] std::string groupTypeValue(bool triple, bool pair, bool pairConnected, bool pairUnconnected,
                                         bool six, bool straight, bool halfStraight, bool mixed);

/// The 和值 preset combo: "奇数", "偶数", "0路", "1路", "2路" choose exactly those sums of 0..27.
[[nodiscard]] std::vector<int> sumPresetValues(std::string_view preset);

/// A 定位复式 row: "use^hundreds/tens/units^counts". A position without digits is refused with
/// "复式输入格式不正确!", no hit count with "请设置中出位置!".
[[nodiscard]] Result<std::string> positionRowValue(bool use, const std::array<std::string, 3>& positions,
                                                   std::string_view counts);

/// A 号码组 row: "use^group^counts^once"; an empty group or count set is refused with
/// "号码组输入格式不正确!".
[[nodiscard]] Result<std::string> groupRowValue(bool use, std::string_view group, std::string_view counts,
                                                bool once);

/// `SetupChoices`: the picker's choices, the word list's words or low..high (two-digit texts when
/// asked), each with whether the current text holds it as a whole word.
struct PickerChoice {
    std::string text;
    bool ticked = false;
};
[[nodiscard]] std::vector<PickerChoice> SetupChoices(const PickerChoices& choices,
                                                     std::string_view currentText);

} // namespace p3::core
