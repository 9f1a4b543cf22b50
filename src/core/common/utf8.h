#pragma once
/// UTF-8 text by characters: counting them, and cutting a long text for a message without splitting one.
#include <cstddef>
#include <string>
#include <string_view>

namespace p3::core {

/// True for the second and later bytes of a multi-byte character.
[[nodiscard]] constexpr bool isContinuationByte(char c) noexcept {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

/// How many characters the text holds (a byte that starts none is not counted).
[[nodiscard]] std::size_t characterCount(std::string_view text) noexcept;

/// At most `maxBytes` bytes of the text, cut back to the start of a character.
[[nodiscard]] std::string_view characterPrefix(std::string_view text, std::size_t maxBytes) noexcept;

/// The text as a message quotes it: whole when it has at most `maxBytes` bytes, else its start and "…".
[[nodiscard]] std::string quotedStart(std::string_view text, std::size_t maxBytes);

} // namespace p3::core
