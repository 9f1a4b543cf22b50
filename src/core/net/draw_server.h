#pragma once
/// The answers of `pick3 serve`, the draw server of a home: a lottery's draw file as the online
/// update downloads it, and this program's version for the version check.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/error.h"

namespace p3::core {

/// The path prefix and suffix of a draw file on the server: "/down/" + name + ".txt".
inline constexpr std::string_view kDrawFilePrefix = "/down/";
inline constexpr std::string_view kDrawFileSuffix = ".txt";
/// The path of the version check.
inline constexpr std::string_view kVersionCheckPath = "/Soft_Ban_Bencheck.asp";

/// The lottery's draws as a draw text file in GBK (period, one blank, digits, CRLF; oldest first),
/// read from the database file (opened read-only) in one read transaction, so that a writer never
/// shows half its change. Nothing when the home holds no lottery of that name.
[[nodiscard]] Result<std::optional<std::string>> drawFileAnswer(const std::filesystem::path& databaseFile,
                                                                std::string_view lotteryName);

/// The lottery name of a draw-file path ("/down/福彩3D.txt" gives "福彩3D"); the path is already
/// percent-decoded. Nothing for any other path.
std::optional<std::string> lotteryOfDrawPath(std::string_view path);

} // namespace p3::core
