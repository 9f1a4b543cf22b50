#pragma once
/// The condition file `*.ag` (and its automatic copy "~tmp_tj.ag"): a condition list as text lines.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/common/error.h"
#include "core/shrink/condition_line.h"

namespace p3::core {

/// The name of the condition file the shrink window keeps across runs, in the home folder.
inline constexpr std::string_view kAutoConditionFile = "~tmp_tj.ag";

/// The file text: per line "Begin_Tianjiao", the fields 使用~条件名~counts~保留~容错, one text line per
/// non-blank "&" piece of the content, "End_Tianjiao". The row number is not stored.
[[nodiscard]] std::string formatConditionFile(const ConditionList& lines);

/// Reads a condition file text (UTF-8): every "Begin_Tianjiao" starts a row from the next line's "~"
/// fields and joins the lines up to "End_Tianjiao" (or the end) with "&" as its content. A text of
/// fewer than three lines gives an empty list.
[[nodiscard]] ConditionList parseConditionFile(std::string_view text);

/// Writes the list atomically in GBK. What the file could not give back as it was (a line break, a
/// "~" or a blank in the fields 使用, 条件名, counts, 保留, 容错, a content piece "End_Tianjiao") is
/// refused with a message naming the row.
[[nodiscard]] Status writeConditionFile(const std::filesystem::path& file, const ConditionList& lines);

/// Reads a condition file written in GBK or UTF-8.
[[nodiscard]] Result<ConditionList> readConditionFile(const std::filesystem::path& file);

/// The list kept across runs: "~tmp_tj.ag" of the home when it exists; no file gives an empty list.
[[nodiscard]] Result<ConditionList> loadAutoConditionList(const std::filesystem::path& home);

/// Saves the list as "~tmp_tj.ag" in the home (at shut-down).
[[nodiscard]] Status saveAutoConditionList(const std::filesystem::path& home, const ConditionList& lines);

/// The name a save dialog's choice is stored under: ".ag" appended when the name has no ".".
[[nodiscard]] std::filesystem::path conditionFileName(const std::filesystem::path& chosen);

} // namespace p3::core
