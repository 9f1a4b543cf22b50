#pragma once
/// Crash-safe replacement of a file the user keeps: a temporary file beside it, renamed over it.
#include <chrono>
#include <filesystem>
#include <string_view>

#include "core/common/error.h"

namespace p3::core {

/// Replaces the file with the bytes through a temporary file in the same folder (flushed to disk, then
/// renamed over the target). On any failure the old file is untouched and the temporary removed.
/// A symbolic link is followed, so the file it points to is replaced and the link kept.
///
/// The rename would replace a file whatever its permissions, so the target is checked first: a
/// folder, a device or a pipe is refused, and so is a file the user marked read-only. A file with no
/// write permission bit at all counts as read-only for everybody, the superuser included; otherwise
/// the permissions of the running user decide. The replacement keeps the target's mode (and owner,
/// where the system allows). Temporary files of earlier writes to the same target that were cut off
/// (their process is gone, or they are old) are removed.
[[nodiscard]] Status writeFileAtomic(const std::filesystem::path& file, std::string_view bytes);

/// Whether the file may be replaced: missing, or a regular file the user may write (as above).
/// The refusal names the file: "无法写入文件: " + path + " (reason)".
[[nodiscard]] Status checkWritableTarget(const std::filesystem::path& file);

/// A chosen save name that names no file is refused before any extension is added: empty
/// ("请输入文件名!"), ending in a separator, "." or "..", or an existing folder.
[[nodiscard]] Status checkSaveName(const std::filesystem::path& chosen);

/// How old a cut-off temporary file of a live process must be before a later write removes it.
inline constexpr std::chrono::minutes kStaleTempAge{10};

} // namespace p3::core
