#pragma once
/// The places new draws come from: the data server's draw files, the two lottery organisers' public
/// draw lists (JSON, newest first, page by page) and any text archive of draw lines; and the readers
/// that check each answer before anything of it is used.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/io/settings.h"

namespace p3::core {

/// server: base + "/down/" + name + ".txt"; cwl: the welfare lottery's draw notices; sporttery: the
/// sports lottery's draw history; lines: a text archive at an address of its own.
enum class SourceKind { Server, Cwl, Sporttery, Lines };

inline constexpr std::string_view kSourceKindChoices = "server|cwl|sporttery|lines";

/// What the program knows of each kind of source, one row a kind.
struct SourceKindFacts {
    SourceKind kind;
    std::string_view name; ///< as stored in Cp_Source and typed after --source
    std::string_view site; ///< how messages name the place
    TextSetting address;   ///< the settings entry of its address; its default is the public address
};

/// The row of a kind.
const SourceKindFacts& sourceFacts(SourceKind kind);
std::string_view sourceKindName(SourceKind kind);
std::optional<SourceKind> parseSourceKind(std::string_view name);
/// Every kind, in the order the dialogs offer them.
const std::vector<SourceKind>& allSourceKinds();

/// The default base address of a kind (empty for the kinds that have no public one).
std::string_view defaultSourceUrl(SourceKind kind);

/// One draw of an answer as read, before it is checked against the lottery's history.
struct SourceEntry {
    std::string period;  ///< as it would be stored ("2026246"); may be malformed when problem is set
    std::string digits;  ///< the digit characters, when the entry was understood
    std::string text;    ///< how the entry reads in the answer, for messages
    std::string problem; ///< why the entry cannot be used; empty when it can
};

/// One answer of a source: its draws in answer order, and how many pages the source says it has.
struct SourcePage {
    std::vector<SourceEntry> entries;
    std::optional<int> pageCount;
};

/// The address of page `page` (from 1) of the welfare lottery's 3D draw notices.
std::string cwlPageUrl(std::string_view base, int page, int pageSize);
/// The address of page `page` of the sports lottery's draw history of game `gameNo`.
std::string sportteryPageUrl(std::string_view base, std::string_view gameNo, int page, int pageSize);
/// The game number of 排列3 (3 digits) or 排列5 (5 digits); an error for other digit counts.
[[nodiscard]] Result<std::string> sportteryGameNo(int digitCount);
/// The address of a lottery's text archive: "{name}" in the address stands for the lottery name.
std::string linesArchiveUrl(std::string_view address, std::string_view lotteryName);
/// Request headers a source expects besides Cache-Control (a browser's User-Agent, a Referer).
std::vector<std::string> sourceHeaders(SourceKind kind, std::string_view base);

/// Reads a welfare-lottery answer: {"state":0,"result":[{"code":"2026246","red":"9,8,2",…},…]}.
[[nodiscard]] Result<SourcePage> parseCwlAnswer(std::string_view body, int digitCount);
/// Reads a sports-lottery answer: {"success":true,"value":{"list":[{"lotteryDrawNum":"26246",
/// "lotteryDrawResult":"2 8 6",…},…],"pages":N}}; 5-digit periods YYNNN become 20YYNNN.
[[nodiscard]] Result<SourcePage> parseSportteryAnswer(std::string_view body, int digitCount);
/// Reads draw lines "period [date] d d d" or "period ddd" (UTF-8 or GBK, any order, blank lines
/// skipped). An answer that is a web page, binary or empty is refused whole.
[[nodiscard]] Result<SourcePage> parseDrawLines(std::string_view body, int digitCount);

/// `SelectNewDraws`: the draws to store from entries read in any order: every usable entry with a
/// period above the latest stored one, once each, in period order. An entry that cannot be used is
/// refused, naming it, unless its period is plainly not new; so is a new period whose length differs
/// from the stored ones (periodDigits, 0 when nothing is stored) or one that comes twice with different
/// digits. A refusal stores nothing, so no period is ever stored past one that could not be.
[[nodiscard]] Result<DrawList> SelectNewDraws(const std::vector<SourceEntry>& entries,
                                              std::int64_t latestPeriod, std::size_t periodDigits);

} // namespace p3::core
