#include "core/common/utf8.h"

namespace p3::core {

std::size_t characterCount(std::string_view text) noexcept {
    std::size_t n = 0;
    for (char c : text)
        n += !isContinuationByte(c);
    return n;
}

std::string_view characterPrefix(std::string_view text, std::size_t maxBytes) noexcept {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    while (cut > 0 && isContinuationByte(text[cut]))
        --cut;
    return text.substr(0, cut);
}

std::string quotedStart(std::string_view text, std::size_t maxBytes) {
    const std::string_view start = characterPrefix(text, maxBytes);
    return start.size() == text.size() ? std::string(text) : std::string(start) + "…";
}

} // namespace p3::core
