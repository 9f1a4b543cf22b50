#pragma once
/// The list workbench of the shrink window: the intersection area, the staging area, the draw-number
/// conversions and the track converter.
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/common/error.h"
#include "core/history/track_table.h"
#include "core/shrink/compiled_filter.h"

namespace p3::core {

/// One row of the intersection area with its stored number list.
struct IntersectionEntry {
    std::string use = "1";
    std::string name;
    SeriesIndex series = 0; ///< 星轨参数: 0 开奖号码, k 星轨k
    std::vector<std::string> numbers;
    std::string keep = "1";
    std::string tolerant = "0";
};

/// One row of the staging area with its stored number list.
struct StagedList {
    std::string use = "1";
    std::string name;
    std::vector<std::string> numbers;
};

/// The digit offsets of a series: "000" for 开奖号码, the base number of track block k (first three
/// digits) for 星轨k. Series the track table does not provide, or a table without predictions, are
/// refused.
[[nodiscard]] Result<std::string> seriesKey(const TrackTable& table, SeriesIndex series);

/// N + key digit by digit modulo 10; a text that is not three digits comes back unchanged.
[[nodiscard]] std::string addDigitwise(std::string_view number, std::string_view key);

/// The intersection: the used entries (track-space lists turned into plain numbers first), each
/// number 000..999 accepted when its membership matches every entry's 保留, tolerant mismatches
/// counted against the total tolerance when it is enabled. "请选择要交集的组合" without a used entry.
[[nodiscard]] Result<std::vector<std::string>> Intersect(const std::vector<IntersectionEntry>& entries,
                                                         const TotalTolerance& tolerance,
                                                         const TrackTable& table);

/// "交集结果为开奖号码 (共:" n "注)".
[[nodiscard]] std::string intersectionCaption(std::size_t count);

/// "开奖号码 (共:" n "注)".
[[nodiscard]] std::string drawNumbersCaption(std::size_t count);

/// The names the entry dialog offers: "D0" … "D18", then eleven named tables.
[[nodiscard]] const std::vector<std::string>& intersectionNameChoices();

/// The entry dialog's proposal for "加入交集区": the condition list's series (开奖号码 when it has none)
/// and the name choice with the same index (D0, D3 …).
struct EntryProposal {
    SeriesIndex series = 0;
    std::string name;
};
[[nodiscard]] EntryProposal proposeIntersectionEntry(const ConditionList& conditions);

/// "共转入 " n " 个奖号大底".
[[nodiscard]] std::string stagedTransferMessage(std::size_t count);

/// The staged rows with 使用 "1" as intersection entries (series 开奖号码, 保留 "1", 容错 "0").
[[nodiscard]] std::vector<IntersectionEntry> stagedToIntersection(const std::vector<StagedList>& staged);

/// "组变单": every three-character token as its direct numbers (one for a triple, three for a pair,
/// six otherwise), all sorted ascending, duplicates kept. Tokens that are not three digits are skipped.
[[nodiscard]] std::vector<std::string> groupToDirect(const std::vector<std::string>& tokens);

/// "单变组": every three-character token with its digits sorted, each group kept once in the order of
/// first appearance.
[[nodiscard]] std::vector<std::string> directToGroup(const std::vector<std::string>& tokens);

/// The track converter: every bet list number plus the key digit by digit, sorted ascending,
/// duplicates kept. Rows that are not three digits are left out.
[[nodiscard]] std::vector<std::string> TrackConvert(const std::vector<std::string>& betList,
                                                    std::string_view key);

} // namespace p3::core
