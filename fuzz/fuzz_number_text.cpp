// The number text files of the shrink window and the set tool, and the memo layout of the pages.
// Properties: every number read has three characters; the bet list written as a file reads back as
// the same numbers; a memo laid out reads back as the same numbers; an answer to "新增号码" that is
// accepted is three digits.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/io/text_codec.h"
#include "core/shrink/number_list.h"
#include "core/tools/set_tool.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    const std::string text = decodeText(std::string_view(reinterpret_cast<const char*>(data), size));

    const auto numbers = readNumberTokens(text);
    for (const std::string& n : numbers)
        P3_FUZZ_CHECK(characterCount(n) == 3);
    P3_FUZZ_CHECK(readNumberTokens(formatBetListText(numbers)) == numbers);

    const auto memo = ReadMemoNumbers(text);
    for (const std::string& n : memo)
        P3_FUZZ_CHECK(characterCount(n) == 3);
    for (int columns : {1, 7, 10})
        P3_FUZZ_CHECK(ReadMemoNumbers(LayoutNumbers(memo, columns)) == memo);
    P3_FUZZ_CHECK(printableNumbers(text) == memo);

    for (const std::string& n : parseNumberListText(text))
        P3_FUZZ_CHECK(characterCount(n) == 3);
    if (size > 0 && size < 64) {
        if (const auto typed = parseNewBetNumber(text)) {
            P3_FUZZ_CHECK(typed->size() == 3);
            for (char c : *typed)
                P3_FUZZ_CHECK(c >= '0' && c <= '9');
        }
    }
    return 0;
}
