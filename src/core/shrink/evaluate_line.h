#pragma once
/// The evaluation of one condition line for one candidate, straight from the line's text. The filter
/// run uses the compiled form (compiled_filter.h); this form is the definition it is checked against.
#include <string_view>

#include "core/shrink/record_tests.h"

namespace p3::core {

/// Whether a candidate satisfies the content of a line of the given kind (before keep/exclude).
/// Single-record kinds (1, 6, 12, 13, 25) split the whole content at "~" and compare (match) with the
/// keep flag; the others go through EvaluateRecords. Kind 0 (an unknown keyword) has no test and is
/// never satisfied; the filter run leaves such lines out altogether.
[[nodiscard]] bool EvaluateLine(ConditionKind kind, const CandidateDigits& digits,
                                std::string_view levelTolerance, std::string_view content,
                                const SeriesHistory& history);

/// The records of a multi-record kind: a failing record that is not tolerant makes the line false at
/// once, tolerant failures are counted and the count must lie in the level tolerance. Rows of kinds 8
/// and 9 whose use sub-field is "0" are skipped.
[[nodiscard]] bool EvaluateRecords(ConditionKind kind, const CandidateDigits& digits,
                                   std::string_view levelTolerance, std::string_view content,
                                   const SeriesHistory& history);

} // namespace p3::core
