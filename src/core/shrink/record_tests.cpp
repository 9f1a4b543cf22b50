#include "core/shrink/record_tests.h"

#include <algorithm>

#include "core/attributes/get_fun_class.h"

namespace p3::core {
namespace {

using E = RecordEngine;

int numberOf(const CandidateDigits& d) {
    return d[0] * 100 + d[1] * 10 + d[2];
}

std::string numberText(const CandidateDigits& d) {
    return {static_cast<char>('0' + d[0]), static_cast<char>('0' + d[1]), static_cast<char>('0' + d[2])};
}

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string{};
}

/// The word of a row that reads no reference element.
std::string wordOf(AttributeId id, const CandidateDigits& d) {
    return std::string(attributeWordOf(id, numberOf(d)));
}

bool anyPairIn(const RecordTest& row, const CandidateDigits& d, std::string_view value) {
    const int n = numberOf(row.source == DigitSource::SortedPairTails ? sortedPairTails(d) : d);
    return std::ranges::any_of(row.attributes, [&](AttributeId id) {
        return value.find(attributeWordOf(id, n)) != std::string_view::npos;
    });
}

bool positionSetsMatch(const CandidateDigits& d, std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const auto sets = splitKeepEmpty(part(parts, 1), '/');
    int hits = 0;
    for (std::size_t i = 0; i < 3; ++i)
        if (part(sets, i).find(static_cast<char>('0' + d[i])) != std::string::npos) ++hits;
    return part(parts, 2).find(std::to_string(hits)) != std::string::npos;
}

bool digitGroupMatch(const CandidateDigits& d, std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const std::string group = part(parts, 1);
    std::string considered = numberText(d);
    if (part(parts, 3) == "1") considered = Get_Fun_Class::KeepDigitsInSet(considered, kAllDigits);
    int hits = 0;
    for (char c : considered)
        if (group.find(c) != std::string::npos) ++hits;
    return part(parts, 2).find(std::to_string(hits)) != std::string::npos;
}

bool drawnBefore(const CandidateDigits& d, std::string_view value, const SeriesHistory& history) {
    const auto parts = splitKeepEmpty(value, '^');
    const int periods = leadingInteger(part(parts, 0));
    const int series = leadingInteger(part(parts, 1));
    const std::string candidate = numberText(d);
    const std::size_t n = history.size();
    for (std::size_t back = 0; periods > 0 && back < static_cast<std::size_t>(periods) && back < n; ++back)
        if (history.value(series, n - 1 - back) == candidate) return true;
    return false;
}

} // namespace

const PatternFamily& referenceFamily(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->family ? *spec->family : kRepeatGapMiddleFamily;
}

DigitSets digitSetsOf(const ReferenceElement& ref) noexcept {
    return digitSets(ref.set1, ref.set2, ref.set3);
}

std::string candidateAttribute(const RecordTest& test, const CandidateDigits& d) {
    if (test.engine != E::Attribute || test.readsReference()) return {};
    return wordOf(test.attributes[0], d);
}

std::string referenceAttribute(const RecordTest& test, const CandidateDigits& d, const ReferenceElement& ref,
                               ConditionKind kind) {
    if (!test.readsReference()) return {};
    const AttributeId id = test.attributes[0];
    return attributeWord(id, attributeIndex(id, d, digitSetsOf(ref)), referenceFamily(kind));
}

bool CountTest(const std::array<std::string, 3>& items, std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const std::string values = part(parts, 0), allowed = part(parts, 1);
    const bool once = part(parts, 2) == "1";
    int k = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (once && std::find(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(i), items[i]) !=
                        items.begin() + static_cast<std::ptrdiff_t>(i))
            continue;
        if (Get_Fun_Class::ContainsWord(items[i], values)) ++k;
    }
    return allowed.find(std::to_string(k)) != std::string::npos;
}

bool recordMatches(const RecordTest& test, std::string_view value, const CandidateDigits& d,
                   const ReferenceElement& ref, ConditionKind kind, const SeriesHistory& history) {
    switch (test.engine) {
    case E::Attribute: {
        const AttributeRow& attribute = attributeRow(test.attributes[0]);
        const std::string word =
            attribute.readsReference ? referenceAttribute(test, d, ref, kind) : wordOf(attribute.id, d);
        return wordMatches(attribute.match, word, value);
    }
    case E::CountList:
        return CountTest(
            {wordOf(test.attributes[0], d), wordOf(test.attributes[1], d), wordOf(test.attributes[2], d)},
            value);
    case E::AnyPair:
        return anyPairIn(test, d, value);
    case E::PositionSets:
        return positionSetsMatch(d, value);
    case E::DigitGroup:
        return digitGroupMatch(d, value);
    case E::DrawnBefore:
        return drawnBefore(d, value, history);
    case E::None:
        break;
    }
    return false; // a record name the kind does not know never matches
}

} // namespace p3::core
