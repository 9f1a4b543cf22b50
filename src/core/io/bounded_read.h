#pragma once
/// The one reader of files a user names: only regular files, never more than a bound, never blocking.
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/common/error.h"

namespace p3::core {

/// The largest file the workbench reads: far above any draw history, number list, condition or set
/// list (a million draws of five digits are 15 MB), low enough that a file named by mistake is
/// refused instead of filling the memory.
inline constexpr std::uintmax_t kMaxReadBytes = 64u * 1024u * 1024u;

/// The bytes of a regular file. A device, a pipe, a socket or a folder is refused without waiting
/// for it (a pipe with no writer would block a plain open for ever), and so is a file of more than
/// `limit` bytes; every refusal is "无法读取文件: " + the path + the reason in brackets.
[[nodiscard]] Result<std::string> readFileBounded(const std::filesystem::path& file,
                                                  std::uintmax_t limit = kMaxReadBytes);

/// readFileBounded, decoded as text (GBK, UTF-8 or UTF-16 with its mark) to UTF-8.
[[nodiscard]] Result<std::string> readTextFileBounded(const std::filesystem::path& file,
                                                      std::uintmax_t limit = kMaxReadBytes);

/// The reason given when a file is larger than the bound, e.g. "文件太大, 超过 64 MB".
[[nodiscard]] std::string tooLargeReason(std::uintmax_t limit);

} // namespace p3::core
