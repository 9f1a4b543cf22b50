// The draw text files of import, export and `--draws`: the first byte picks the digit count (0 lets
// the first draw set it), the rest is the file, decoded as the program decodes files.
// Properties: every draw read has the digit count in digits and a period that is a number; the draws
// exported and read again are the same draws with no error, whatever the line ending; the period
// after a read period is that period plus one.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    if (size < 1) return 0;
    constexpr int kCounts[] = {0, 3, 4, 5};
    const int digitCount = kCounts[data[0] % 4];
    const std::string text = decodeText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

    const DrawTextParse parsed = parseDrawText(text, digitCount);
    const int expectedDigits = digitCount != 0 || parsed.draws.empty()
                                   ? digitCount
                                   : static_cast<int>(parsed.draws.front().digits.size());
    for (const Draw& d : parsed.draws) {
        P3_FUZZ_CHECK(static_cast<int>(d.digits.size()) == expectedDigits);
        for (char c : d.digits)
            P3_FUZZ_CHECK(c >= '0' && c <= '9');
        const auto period = parsePeriod(d.period);
        P3_FUZZ_CHECK(period.has_value());
        // The neighbouring periods: the period plus or minus one, or nothing outside 0 .. the largest
        // period (kMaxPeriodDigits nines).
        std::int64_t largest = 0;
        for (std::size_t i = 0; i < kMaxPeriodDigits; ++i)
            largest = largest * 10 + 9;
        P3_FUZZ_CHECK(*period >= -largest && *period <= largest);
        for (const int step : {1, -1}) {
            const std::string text = step > 0 ? NextPeriodText(d.period) : PreviousPeriodText(d.period);
            const std::int64_t expected = *period + step;
            if (expected < 0 || expected > largest) {
                P3_FUZZ_CHECK(text.empty());
            } else {
                P3_FUZZ_CHECK(parsePeriod(text) == expected);
            }
        }
    }
    if (parsed.error) P3_FUZZ_CHECK(!parsed.error->message.empty());

    for (std::string_view eol : {"\r\n", "\n"}) {
        const DrawTextParse again = parseDrawText(formatDrawText(parsed.draws, eol), digitCount);
        P3_FUZZ_CHECK(!again.error);
        P3_FUZZ_CHECK(again.draws == parsed.draws);
    }
    return 0;
}
