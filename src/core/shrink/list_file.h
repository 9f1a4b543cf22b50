#pragma once
/// Reading the text files of the shrink window (condition files, number lists) with a size bound.
#include <cstddef>
#include <filesystem>
#include <string>

#include "core/common/error.h"

namespace p3::core {

/// The largest condition or number file read; far above any real list, low enough that a device or an
/// endless pipe named by mistake is refused instead of filling the memory.
inline constexpr std::size_t kMaxListFileBytes = 100u * 1024 * 1024;

/// A text file (GBK or UTF-8) as UTF-8; more than `maxBytes` bytes is refused with a message naming
/// the file.
[[nodiscard]] Result<std::string> readListTextFile(const std::filesystem::path& file,
                                                   std::size_t maxBytes = kMaxListFileBytes);

} // namespace p3::core
