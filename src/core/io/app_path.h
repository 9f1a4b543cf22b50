#pragma once
/// The home folder (AppPath) that holds the settings, the draw database and the user's files.
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/common/error.h"

namespace p3::core {

/// The refusal of an empty home folder given on the command line.
inline constexpr std::string_view kEmptyHomeMessage = "程序文件夹不能是空的名字 (--home)";

/// The home folder to use: the one given on the command line, else $PICK3_HOME, else
/// $XDG_DATA_HOME/pick3bench, else ~/.local/share/pick3bench. The result is absolute.
[[nodiscard]] std::filesystem::path resolveHome(std::optional<std::filesystem::path> cliHome);

/// Makes sure the home can be used: when it has no Data/MDB.sqlite, every file of the template folder
/// that the home lacks is copied into it (existing files are never overwritten), folders included.
[[nodiscard]] Status ensureHome(const std::filesystem::path& home, const std::filesystem::path& templateDir);

/// The folder of the running program, empty when it cannot be found.
[[nodiscard]] std::filesystem::path executableDir();

/// The first existing home template folder of: $PICK3_TEMPLATE, <program folder>/../share/pick3bench/home,
/// <program folder>/home and the build's own template; empty when there is none.
[[nodiscard]] std::filesystem::path findTemplateDir();

} // namespace p3::core
