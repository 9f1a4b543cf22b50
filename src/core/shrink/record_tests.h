#pragma once
/// The per-record tests of the filter run, evaluated for one candidate at a time: the attribute each
/// record reads from a candidate and how it is matched against the record's value.
#include <array>
#include <string>
#include <string_view>

#include "core/attributes/attribute_tables.h"
#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_line.h"
#include "core/shrink/series_history.h"

namespace p3::core {

/// A candidate's digits, hundreds first.
using CandidateDigits = std::array<int, 3>;

/// How a record's attribute is compared with its value.
enum class MatchRule : std::uint8_t {
    WholeWord, ///< the attribute is one blank-separated token of the value
    Substring, ///< the attribute occurs anywhere in the value
    Special,   ///< the test reads the value itself (caret lists, pairs, history)
};

[[nodiscard]] MatchRule matchRuleOf(RecordTest test) noexcept;

/// Tests that compare the candidate with the reference element's three digit sets.
[[nodiscard]] bool isReferenceTest(RecordTest test) noexcept;

/// The attribute word of a candidate for the tests that read the candidate alone (neither Special nor
/// reference tests); empty for the others.
[[nodiscard]] std::string candidateAttribute(RecordTest test, const CandidateDigits& d);

/// The attribute word of a reference test, with the class words of the kind (复/隔/中 ...).
[[nodiscard]] std::string referenceAttribute(RecordTest test, const CandidateDigits& d,
                                             const ReferenceElement& ref, ConditionKind kind);

/// The count-list test: items against "values^allowed counts^repeat mode".
[[nodiscard]] bool CountTest(const std::array<std::string, 3>& items, std::string_view value);

/// Whether a candidate matches one record value under a test. `ref` is the line's reference element
/// (needed by reference tests), `history` the draws 已出号码 reads.
[[nodiscard]] bool recordMatches(RecordTest test, std::string_view value, const CandidateDigits& d,
                                 const ReferenceElement& ref, ConditionKind kind,
                                 const SeriesHistory& history);

/// The pattern family (class words and pattern words) of a reference kind; 复隔中's for any other kind.
[[nodiscard]] const PatternFamily& referenceFamily(ConditionKind kind) noexcept;

} // namespace p3::core
