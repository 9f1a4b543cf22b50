#pragma once
/// The condition file `*.ag` (and its automatic copy "~tmp_tj.ag"): a condition list as text lines.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/catalogue/condition_line.h"
#include "core/common/error.h"

namespace p3::core {

/// The name of the condition file the shrink window keeps across runs, in the home folder.
inline constexpr std::string_view kAutoConditionFile = "~tmp_tj.ag";

/// The file text: per line "Begin_Tianjiao", the fields 使用~条件名~counts~保留~容错, one text line per
/// non-blank "&" piece of the content, "End_Tianjiao". The row number is not stored.
[[nodiscard]] std::string formatConditionFile(const ConditionList& lines);

/// Reads a condition file text (UTF-8): every "Begin_Tianjiao" starts a row from the next line's "~"
/// fields and joins the lines up to "End_Tianjiao" (or the end) with "&" as its content. A text of
/// fewer than three lines gives an empty list. A row this program cannot use (see ConditionFileIssue)
/// keeps its file lines verbatim; a non-blank line outside every block becomes such a row of its own.
[[nodiscard]] ConditionList parseConditionFile(std::string_view text);

/// A row of a condition file that cannot be used, with where it stands and why.
struct ConditionFileIssue {
    int row = 0;      ///< 1-based row of the list
    int fileLine = 0; ///< 1-based line of the file where the row starts
    std::string reason;
    std::string text; ///< the line quoted to the user

    /// "条件文件第 L 行 (条件序号 N) 无法使用: reason: text".
    [[nodiscard]] std::string message() const;
};

/// A condition file's rows and the rows among them that cannot be used.
struct ConditionFileParse {
    ConditionList lines;
    std::vector<ConditionFileIssue> issues;
};

/// parseConditionFile with the reasons: a line outside any block, a row whose fields are not the five
/// 使用~条件名~counts~保留~容错, an unknown 条件名, a record name the kind does not have, a 已出号码
/// record whose period count or series is no number, or a series suffix that is no number.
[[nodiscard]] ConditionFileParse parseConditionFileChecked(std::string_view text);

/// Why a row cannot be used, or empty when it can (the checks of parseConditionFileChecked that
/// concern the row itself).
[[nodiscard]] std::string conditionLineProblem(const ConditionLine& line);

/// Writes the list atomically in GBK. What the file could not give back as it was (a line break, a
/// "~" or a blank in the fields 使用, 条件名, counts, 保留, 容错, a content piece "End_Tianjiao") is
/// refused with a message naming the row.
[[nodiscard]] Status writeConditionFile(const std::filesystem::path& file, const ConditionList& lines);

/// Reads a condition file written in GBK, UTF-8 or UTF-16.
[[nodiscard]] Result<ConditionList> readConditionFile(const std::filesystem::path& file);

/// readConditionFile with the rows that cannot be used.
[[nodiscard]] Result<ConditionFileParse> readConditionFileChecked(const std::filesystem::path& file);

/// Every issue's message, one a line; what the window shows and the command line refuses with.
[[nodiscard]] std::string conditionIssuesText(const std::vector<ConditionFileIssue>& issues);

/// The list kept across runs: "~tmp_tj.ag" of the home when it exists; no file gives an empty list.
[[nodiscard]] Result<ConditionList> loadAutoConditionList(const std::filesystem::path& home);
/// loadAutoConditionList with the rows that cannot be used.
[[nodiscard]] Result<ConditionFileParse> loadAutoConditionFile(const std::filesystem::path& home);

/// Saves the list as "~tmp_tj.ag" in the home (at shut-down).
[[nodiscard]] Status saveAutoConditionList(const std::filesystem::path& home, const ConditionList& lines);

/// The name a save dialog's choice is stored under: ".ag" appended when the name has no ".".
[[nodiscard]] std::filesystem::path conditionFileName(const std::filesystem::path& chosen);

} // namespace p3::core
