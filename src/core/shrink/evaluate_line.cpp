#include "core/shrink/evaluate_line.h"

namespace p3::core {

bool EvaluateLine(ConditionKind kind, const CandidateDigits& digits, std::string_view levelTolerance,
                  std::string_view content, const SeriesHistory& history) {
    const KindSpec* spec = kindSpec(kind);
    if (!spec) return false;
    if (!spec->singleRecord) return EvaluateRecords(kind, digits, levelTolerance, content, history);
    const auto pieces = splitPieces(content, '~');
    const std::string value = pieces.size() > 1 ? pieces[1] : std::string{};
    const bool keep = pieces.size() > 2 && pieces[2] == "1";
    const bool match = recordMatches(spec->records.front().test, value, digits, {}, kind, history);
    return match == keep;
}

bool EvaluateRecords(ConditionKind kind, const CandidateDigits& digits, std::string_view levelTolerance,
                     std::string_view content, const SeriesHistory& history) {
    const ParsedContent parsed = parseContent(kind, content);
    const ReferenceElement ref = parsed.reference.value_or(ReferenceElement{});
    const bool rowList = isRowListKind(kind);
    int failed = 0;
    for (const auto& record : parsed.records) {
        if (rowList && splitKeepEmpty(record.value, '^').front() == "0") continue;
        const bool match =
            recordMatches(recordTestOf(kind, record.name), record.value, digits, ref, kind, history);
        if (match == (record.keep == "1")) continue;
        if (record.tolerant != "1") return false;
        ++failed;
    }
    return InLevelRange(failed, levelTolerance);
}

} // namespace p3::core
