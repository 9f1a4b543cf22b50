#pragma once
/// Text files of the workbench: GBK/UTF-8 conversion, reading, line splitting and crash-safe writing.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "core/io/atomic_write.h"

namespace p3::core {

/// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF).
[[nodiscard]] bool isValidUtf8(std::string_view bytes);

/// GBK (read as GB18030, its superset) to UTF-8; an invalid byte is an error naming its offset.
/// The single byte 0x80 is read as "€", as the Windows GBK code page does.
[[nodiscard]] Result<std::string> gbkToUtf8(std::string_view gbk);

/// UTF-8 to GBK; characters GBK cannot hold are written as their GB18030 sequences, so nothing is lost
/// and gbkToUtf8 reads them back. Invalid UTF-8 is an error naming its offset.
[[nodiscard]] Result<std::string> utf8ToGbk(std::string_view utf8);

/// The bytes of a text file as UTF-8: valid UTF-8 as it stands (a leading BOM removed), anything else as
/// GBK. Bytes that fit neither become U+FFFD; this never fails.
[[nodiscard]] std::string decodeText(std::string_view bytes);

/// Whether decodeText reads bytes without a byte-order mark as UTF-8 (valid, or UTF-8 with a few
/// damaged bytes) rather than as GBK.
[[nodiscard]] bool readsAsUtf8(std::string_view bytes);

/// UTF-8 with every malformed byte replaced by U+FFFD.
[[nodiscard]] std::string decodeUtf8Lossy(std::string_view bytes);

/// GBK (GB18030) with every undecodable byte replaced by U+FFFD.
[[nodiscard]] std::string decodeGbkLossy(std::string_view bytes);

/// UTF-8 to UTF-16 (little or big endian) behind its byte-order mark; invalid UTF-8 is an error.
[[nodiscard]] Result<std::string> utf8ToUtf16(std::string_view utf8, bool bigEndian);

/// What the user is told about an errno of a file operation ("文件或文件夹不存在", "没有访问权限", …).
[[nodiscard]] std::string fileErrorReason(int err);

/// The raw bytes of a file through the bounded reader (bounded_read.h): only a regular file of at most
/// kMaxReadBytes; a missing or unreadable file is an error naming it.
[[nodiscard]] Result<std::string> readFileBytes(const std::filesystem::path& file);

/// A text file decoded to UTF-8 by decodeText.
[[nodiscard]] Result<std::string> readTextFile(const std::filesystem::path& file);

/// Lines split at "\r\n", "\n" or "\r"; a final line break does not add an empty line.
[[nodiscard]] std::vector<std::string> splitLines(std::string_view text);

/// Every line followed by eol, so that splitLines(joinLines(lines)) gives the lines back.
[[nodiscard]] std::string joinLines(std::span<const std::string> lines, std::string_view eol = "\r\n");

/// utf8ToGbk followed by writeFileAtomic.
[[nodiscard]] Status writeTextFileGbk(const std::filesystem::path& file, std::string_view utf8Text);

} // namespace p3::core
