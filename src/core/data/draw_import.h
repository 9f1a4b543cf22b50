#pragma once
/// Importing and exporting the history of a lottery as a draw text file.
#include <filesystem>
#include <string_view>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/store/draw_database.h"

namespace p3::core {

/// Replace: the file becomes the whole history. Merge: the file's draws are added to it.
enum class ImportMode { Replace, Merge };

/// What an import left: the history as the data-management grid now shows it, and how many draws
/// the file added.
struct ImportOutcome {
    DrawList rows;
    std::size_t added = 0;
};

/// Imports draws from text: every line is checked against the lottery's digit count before anything is
/// written, and then all of them are written in one transaction, so a refused import changes nothing.
/// The refusal names the first bad line ("第" + period + "期 奖号格式有问题"). In merge mode a draw whose
/// period is already stored (or repeats an earlier line) is skipped; `current` is the history shown.
/// `progress` follows the checking and the writing; a refused import may stop short of 100.
[[nodiscard]] Result<ImportOutcome> importDrawText(DrawDatabase& db, const LotteryInfo& lottery,
                                                   const DrawList& current, std::string_view text,
                                                   ImportMode mode, const Progress& progress = {});

/// `ImportDraws`: importDrawText on a file (UTF-8 or GBK).
[[nodiscard]] Result<ImportOutcome> ImportDraws(DrawDatabase& db, const LotteryInfo& lottery,
                                                const DrawList& current, const std::filesystem::path& file,
                                                ImportMode mode, const Progress& progress = {});

/// The file an export writes: the path with ".txt" added when it holds no "." anywhere, folders included.
std::filesystem::path exportPathFor(const std::filesystem::path& chosen);

/// Writes the draws as a draw text file (period, one blank, digits a line) and returns the path written.
[[nodiscard]] Result<std::filesystem::path> exportDraws(const DrawList& draws,
                                                        const std::filesystem::path& chosen);

} // namespace p3::core
