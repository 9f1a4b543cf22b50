#include "core/attributes/attribute_text.h"

namespace p3::core {

std::size_t wordLength(std::string_view text, std::size_t pos) noexcept {
    if (pos >= text.size()) return 0;
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF7)
        length = 4;
    else if (lead >= 0xE0)
        length = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC0)
        length = 2;
    // A character cut short at the end of the text still counts as one word.
    const std::size_t rest = text.size() - pos;
    return length < rest ? length : rest;
}

std::size_t wordCount(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += wordLength(text, pos))
        ++count;
    return count;
}

std::string_view wordAt(std::string_view text, std::size_t index) noexcept {
    std::size_t pos = 0;
    for (; pos < text.size() && index > 0; --index)
        pos += wordLength(text, pos);
    return pos < text.size() ? text.substr(pos, wordLength(text, pos)) : std::string_view{};
}

} // namespace p3::core
