// The condition content parser and both evaluations: the first byte picks the kind, the second the
// level tolerance, the rest is the content. The line text and the compiled table must agree.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/shrink/compiled_filter.h"
#include "core/shrink/evaluate_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace p3::core;
    if (size < 2) return 0;
    const ConditionKind kind = data[0] % 27; // 0 and 26 are unknown kinds
    const int b = data[1] & 3, e = data[1] >> 2 & 3;
    const std::string tolerance =
        data[1] & 0x80 ? std::string(kNoTolerance) : std::to_string(b) + "-" + std::to_string(e);
    const std::string content(reinterpret_cast<const char*>(data + 2), size - 2);
    (void)parseContent(kind, content);
    DrawList draws{{"1", "123"}, {"2", "456"}, {"3", "789"}};
    const SeriesHistory history{&draws, nullptr};
    const NumberSet table = evaluateLineTable(kind, tolerance, content, history);
    for (int n : {0, 123, 456, 505, 789, 999}) {
        const CandidateDigits d{n / 100, n / 10 % 10, n % 10};
        if (EvaluateLine(kind, d, tolerance, content, history) != table[static_cast<std::size_t>(n)])
            std::abort();
    }
    return 0;
}
