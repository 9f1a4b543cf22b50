#pragma once
/// Walking attribute texts ("大小中") word by word, a word being one UTF-8 character.
#include <cstddef>
#include <string_view>

namespace p3::core {

/// Byte length of the word starting at `pos`: the UTF-8 character there, a stray byte counting as one.
std::size_t wordLength(std::string_view text, std::size_t pos) noexcept;

/// The number of words of a text.
std::size_t wordCount(std::string_view text) noexcept;

/// The word at a 0-based index; empty past the end.
std::string_view wordAt(std::string_view text, std::size_t index) noexcept;

/// Calls f(word) for each word in order.
template <typename F> void forEachWord(std::string_view text, F&& f) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = wordLength(text, pos);
        f(text.substr(pos, length));
        pos += length;
    }
}

} // namespace p3::core
