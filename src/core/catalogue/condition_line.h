#pragma once
/// One row of the shrink window's condition list, the grammar of its content, and the rules every
/// list of such rows obeys (one number series per list, level tolerance, flag toggles).
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/condition_catalogue.h"

namespace p3::core {

/// The number series a history condition refers to: 0 the drawn numbers, k the track block k.
using SeriesIndex = int;

/// The text of "no level tolerance".
inline constexpr std::string_view kNoTolerance = "无设置";

/// One record of a line's content: name, value, keep flag, tolerance flag ("1"/"0").
struct Tj_temp_Record {
    std::string name;
    std::string value;
    std::string keep;
    std::string tolerant;

    bool operator==(const Tj_temp_Record&) const = default;
    /// The element as written into a content: name~value~keep~tolerant (the value right-trimmed).
    std::string text() const;
};

/// One condition row with the seven fields of the list; the row number is its position in the list.
struct ConditionLine {
    std::string use = "1";      ///< 使用
    std::string keyword;        ///< 条件名
    std::string counts;         ///< "n|m|level tolerance"
    std::string keep = "1";     ///< 保留
    std::string tolerant = "0"; ///< 容错
    std::string content;        ///< 条件内容
    /// The condition file's own lines of a row this program cannot use (an unknown name, a broken
    /// block, text outside any block): such a row takes no part in a run, its flags do not toggle, and
    /// saving the list writes these lines back as they stand. Empty for every usable row.
    std::vector<std::string> verbatim{};

    bool operator==(const ConditionLine&) const = default;

    bool opaque() const { return !verbatim.empty(); }

    bool used() const { return use == "1"; }
    bool keeps() const { return keep == "1"; }
    bool isTolerant() const { return tolerant == "1"; }
    /// The third "|" part of the counts field; "无设置" when the field has no third part.
    std::string levelTolerance() const;
};

/// The list of condition rows in display order.
using ConditionList = std::vector<ConditionLine>;

/// The pieces of a text between separators; pieces that are empty or only blanks are dropped, the
/// others kept as they stand.
[[nodiscard]] std::vector<std::string> splitPieces(std::string_view text, char separator);

/// The pieces between separators, empty ones included.
[[nodiscard]] std::vector<std::string> splitKeepEmpty(std::string_view text, char separator);

/// A record element split at "~" (blank pieces dropped); fields that are missing stay empty.
[[nodiscard]] Tj_temp_Record parseRecord(std::string_view element);

/// The three digit sets frozen into a history line and the series they came from.
struct ReferenceElement {
    std::string set1;
    std::string set2;
    std::string set3;
    std::optional<SeriesIndex> series;

    bool operator==(const ReferenceElement&) const = default;
    /// set1^set2^set3, followed by "%" and the series when there is one.
    std::string text() const;
};

/// Reads a reference element: the sets split at "^" keeping empty ones, the series after the first "%".
[[nodiscard]] ReferenceElement parseReferenceElement(std::string_view element);

/// A content split into its records and, for the kinds that carry one, the reference element.
struct ParsedContent {
    std::vector<Tj_temp_Record> records;
    std::optional<ReferenceElement> reference;
};

/// Splits a content at "&" (blank pieces ignored, so a missing final "&" changes nothing); for the
/// reference kinds the last piece is the reference element, the pieces before it records.
[[nodiscard]] ParsedContent parseContent(ConditionKind kind, std::string_view content);

/// Builds a content as the editors write it: every record followed by "&", then the reference element.
[[nodiscard]] std::string buildContent(std::span<const Tj_temp_Record> records,
                                       const std::optional<ReferenceElement>& reference = std::nullopt);

/// The leading decimal integer of a text (an optional "-" then digits); 0 when there is none.
[[nodiscard]] int leadingInteger(std::string_view text) noexcept;

/// Whether a count of failed tolerant records lies in a level tolerance: "无设置" demands 0, "beg-end"
/// demands beg <= count <= end.
[[nodiscard]] bool InLevelRange(int failedCount, std::string_view levelTolerance) noexcept;

/// The series a list already uses and the 1-based row that fixes it; series -1 when no history line
/// carries one.
struct ListSeries {
    SeriesIndex series = -1;
    int row = 0;
};

/// Walks the rows in order, skipping the row with zero-based index skipRow (-1 skips none), and stops
/// at the first history line (已出号码, 复隔中, 邻孤传, 热温冷, 任意位合) whose content holds "%".
[[nodiscard]] ListSeries FindListSeries(std::span<const ConditionLine> lines, int skipRow);

/// A refusal shown in a message box.
struct Refusal {
    std::string caption;
    std::string text;
};

/// The one-series rule: a line with `series` may be added (skipRow -1) or rewritten at skipRow when
/// the list has no series yet or the same one; otherwise the refusal to show.
[[nodiscard]] std::optional<Refusal> checkListSeries(std::span<const ConditionLine> lines, int skipRow,
                                                     SeriesIndex series);

/// The flag columns 使用, 保留, 容错 toggle on click: "0" becomes "1", anything else "0".
[[nodiscard]] std::string toggleFlag(std::string_view flag);

/// The popup menu's bulk settings.
enum class FlagColumn { Use, Keep, Tolerant };
void setAllFlags(std::span<ConditionLine> lines, FlagColumn column, std::string_view value);
void toggleFlag(ConditionLine& line, FlagColumn column);

/// "开奖号码" for series 0, "星轨k" for k >= 1.
[[nodiscard]] std::string seriesText(SeriesIndex series);

/// The series of a text "开奖号码" / "星轨k"; -1 for any other text.
[[nodiscard]] SeriesIndex seriesOfText(std::string_view text);

/// The highest series the track table provides; higher ones exist in the selectors only.
inline constexpr SeriesIndex kMaxUsableSeries = 6;
/// The highest series the selectors offer.
inline constexpr SeriesIndex kMaxSelectableSeries = 18;
/// The refusal for a series the track table does not provide.
inline constexpr std::string_view kUnsupportedSeriesMessage = "星轨参数只支持 星轨1..星轨6";

} // namespace p3::core
