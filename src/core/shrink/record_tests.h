#pragma once
/// The per-record tests of the filter run, evaluated for one candidate at a time: the attribute each
/// record reads from a candidate and how it is matched against the record's value.
#include <array>
#include <string>
#include <string_view>

#include "core/attributes/attribute_table.h"
#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_line.h"
#include "core/shrink/series_history.h"

namespace p3::core {

/// A candidate's digits, hundreds first.
using CandidateDigits = Digits3;

/// The attribute word of a candidate for the tests that read one attribute and no reference element;
/// empty for the others.
[[nodiscard]] std::string candidateAttribute(const RecordTest& test, const CandidateDigits& d);

/// The attribute word of a reference test, in the class words of the kind (复/隔/中 ...).
[[nodiscard]] std::string referenceAttribute(const RecordTest& test, const CandidateDigits& d,
                                             const ReferenceElement& ref, ConditionKind kind);

/// The count-list test: items against "values^allowed counts^repeat mode".
[[nodiscard]] bool CountTest(const std::array<std::string, 3>& items, std::string_view value);

/// Whether a candidate matches one record value under a test. `ref` is the line's reference element
/// (needed by reference tests), `history` the draws 已出号码 reads.
[[nodiscard]] bool recordMatches(const RecordTest& test, std::string_view value, const CandidateDigits& d,
                                 const ReferenceElement& ref, ConditionKind kind,
                                 const SeriesHistory& history);

/// The pattern family (class words and pattern words) of a reference kind; 复隔中's for any other kind.
[[nodiscard]] const PatternFamily& referenceFamily(ConditionKind kind) noexcept;

/// The code lists of every digit under a reference element.
[[nodiscard]] DigitSets digitSetsOf(const ReferenceElement& ref) noexcept;

} // namespace p3::core
