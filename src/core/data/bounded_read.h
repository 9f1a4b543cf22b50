#pragma once
/// Reading a file the user named without letting a huge file, a device or a pipe exhaust the memory.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/common/error.h"

namespace p3::core {

/// The file's bytes, or `tooLarge` + the path when it holds more than `limit` bytes. A regular file
/// is measured before it is read; anything else is read only up to the limit.
[[nodiscard]] Result<std::string> readFileBytesAtMost(const std::filesystem::path& file, std::uintmax_t limit,
                                                      std::string_view tooLarge);

} // namespace p3::core
