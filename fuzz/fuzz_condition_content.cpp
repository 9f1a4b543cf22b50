// The content grammar of a condition line and its two evaluations. The first byte picks the kind
// (0 and 26 are unknown kinds), the second the level tolerance, the rest is the content.
// Properties: the compiled table agrees with the per-number evaluation straight from the text, and
// a content rebuilt from its parsed records and reference element parses to the same thing.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalogue/condition_line.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/evaluate_line.h"
#include "fuzz_check.h"
#include "fuzz_history.h"

namespace {

using namespace p3::core;

std::string withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

void checkRebuild(ConditionKind kind, std::string_view content) {
    const ParsedContent parsed = parseContent(kind, content);
    P3_FUZZ_CHECK(parsed.reference.has_value() ==
                  (hasReferenceElement(kind) && !splitPieces(content, '&').empty()));
    const ParsedContent again = parseContent(kind, buildContent(parsed.records, parsed.reference));
    P3_FUZZ_CHECK(again.records.size() == parsed.records.size());
    for (std::size_t i = 0; i < parsed.records.size(); ++i) {
        const Tj_temp_Record& a = parsed.records[i];
        const Tj_temp_Record& b = again.records[i];
        // The writer drops the blanks that end a value; nothing else may change.
        P3_FUZZ_CHECK(b.name == a.name && b.keep == a.keep && b.tolerant == a.tolerant);
        P3_FUZZ_CHECK(b.value == withoutTrailingBlanks(a.value));
    }
    P3_FUZZ_CHECK(again.reference == parsed.reference);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const ConditionKind kind = data[0] % 27;
    const int begin = data[1] & 3, end = data[1] >> 2 & 3;
    const std::string tolerance =
        data[1] & 0x80 ? std::string(kNoTolerance) : std::to_string(begin) + "-" + std::to_string(end);
    const std::string_view content(reinterpret_cast<const char*>(data + 2), size - 2);

    checkRebuild(kind, content);

    const SeriesHistory& history = p3::fuzz::fixedHistory();
    const NumberSet table = evaluateLineTable(kind, tolerance, content, history);
    if (kind == 0 || kind > kConditionKindCount) P3_FUZZ_CHECK(table.none());
    // The per-number form is slow; a spread of numbers, the input's own bytes among them, suffices.
    auto agrees = [&](int n) {
        const CandidateDigits d{n / 100, n / 10 % 10, n % 10};
        P3_FUZZ_CHECK(EvaluateLine(kind, d, tolerance, content, history) ==
                      table[static_cast<std::size_t>(n)]);
    };
    for (int n = 0; n < kNumberCount; n += 37)
        agrees(n);
    for (int n : {0, 111, 123, 321, 455, 505, 789, 999})
        agrees(n);
    for (std::size_t i = 2; i + 1 < size && i < 40; i += 2)
        agrees((data[i] << 8 | data[i + 1]) % kNumberCount);
    return 0;
}
