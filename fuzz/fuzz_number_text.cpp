// The number text reader and the memo reader over any bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/io/text_codec.h"
#include "core/shrink/number_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    const std::string text = decodeText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& n : readNumberTokens(text))
        if (n.size() != 3) std::abort();
    const auto memo = ReadMemoNumbers(text);
    if (ReadMemoNumbers(LayoutNumbers(memo, 7)) != memo) std::abort();
    return 0;
}
