#include "core/shrink/record_tests.h"

#include <algorithm>

#include "core/attributes/get_fun_class.h"

namespace p3::core {
namespace {

using T = RecordTest;
using A = AttributeId;
using E = RecordEngine;

constexpr RecordRow one(T test, A attribute) {
    return {test, E::Attribute, {attribute, attribute, attribute}};
}

constexpr RecordRow three(T test, E engine, A a, A b, A c, DigitSource source = DigitSource::Digits) {
    return {test, engine, {a, b, c}, source};
}

constexpr RecordRow special(T test, E engine) {
    return {test, engine, {}};
}

/// Every record test in RecordTest order.
constexpr std::array<RecordRow, static_cast<std::size_t>(T::DrawnBefore) + 1> kRecordRows{{
    special(T::None, E::None),
    one(T::GroupType, A::GroupTypeFine),
    one(T::SortedLow, A::SortedLow),
    one(T::SortedMiddle, A::SortedMiddle),
    one(T::SortedHigh, A::SortedHigh),
    one(T::GroupSize, A::SizeGroup),
    one(T::DirectSize, A::SizeDirect),
    one(T::GroupParity, A::ParityGroup),
    one(T::DirectParity, A::ParityDirect),
    one(T::GroupPrime, A::PrimeGroup),
    one(T::DirectPrime, A::PrimeDirect),
    one(T::Sum, A::Sum),
    one(T::Hundreds, A::Hundreds),
    one(T::Tens, A::Tens),
    one(T::Units, A::Units),
    special(T::PositionSets, E::PositionSets),
    special(T::DigitGroup, E::DigitGroup),
    one(T::Tail, A::SumTail),
    one(T::TailSize, A::SumTailSize),
    one(T::TailParity, A::SumTailParity),
    one(T::TailPrime, A::SumTailPrime),
    one(T::TailBigMidSmall, A::SumTailBigMidSmall),
    one(T::TailRoute, A::SumTailRoute),
    one(T::Span, A::Span),
    one(T::SpanSize, A::SpanSize),
    one(T::SpanParity, A::SpanParity),
    one(T::SpanPrime, A::SpanPrime),
    one(T::SpanBigMidSmall, A::SpanBigMidSmall),
    one(T::SpanRoute, A::SpanRoute),
    one(T::OrderShape, A::OrderShape),
    one(T::ShapeCode, A::ShapeCode),
    one(T::Route0Count, A::Route0Count),
    one(T::Route1Count, A::Route1Count),
    one(T::Route2Count, A::Route2Count),
    one(T::RoutePattern, A::RoutePattern),
    one(T::RouteDirect, A::RouteDirect),
    one(T::RouteShape, A::RouteShape),
    one(T::BigCount, A::BigCount),
    one(T::MiddleCount, A::MiddleCount),
    one(T::SmallCount, A::SmallCount),
    one(T::SizeShape, A::SizeClassShape),
    one(T::SizePattern, A::SizeClassPattern),
    one(T::SizeDirect, A::SizeClassSorted),
    one(T::RefCount1, A::ClassCount0),
    one(T::RefCount2, A::ClassCount1),
    one(T::RefCount3, A::ClassCount2),
    one(T::RefShape, A::ClassShape),
    one(T::RefPattern, A::ClassPattern),
    one(T::RefDirect, A::ClassDirect),
    one(T::PairSumHT, A::PairSumHT),
    one(T::PairSumHU, A::PairSumHU),
    one(T::PairSumTU, A::PairSumTU),
    three(T::PairSumCount, E::CountList, A::PairSumHT, A::PairSumHU, A::PairSumTU),
    one(T::PairTailHT, A::PairTailHT),
    one(T::PairTailHU, A::PairTailHU),
    one(T::PairTailTU, A::PairTailTU),
    // The count reads the tails as a set, so their order does not matter.
    three(T::TailsCount, E::CountList, A::PairTailHT, A::PairTailHU, A::PairTailTU),
    three(T::TailsPairs, E::AnyPair, A::SortedPairLM, A::SortedPairLH, A::SortedPairMH,
          DigitSource::SortedPairTails),
    one(T::TailsRefPattern, A::TailsClassPattern),
    one(T::TailsRefCount1, A::TailsClassCount0),
    one(T::TailsRefCount2, A::TailsClassCount1),
    one(T::TailsRefCount3, A::TailsClassCount2),
    one(T::TailsRefShape, A::TailsClassShape),
    three(T::AbsDiffCount, E::CountList, A::AbsDiffHT, A::AbsDiffHU, A::AbsDiffTU),
    one(T::DiffHT, A::DiffHT),
    one(T::DiffHU, A::DiffHU),
    one(T::DiffTU, A::DiffTU),
    one(T::AbsDiffHT, A::AbsDiffHT),
    one(T::AbsDiffHU, A::AbsDiffHU),
    one(T::AbsDiffTU, A::AbsDiffTU),
    one(T::BiasTwo, A::BiasTwoWay),
    one(T::BiasThree, A::BiasThreeWay),
    one(T::BiasFine, A::BiasClass),
    one(T::TwoHT, A::TwoHT),
    one(T::TwoHU, A::TwoHU),
    one(T::TwoTU, A::TwoTU),
    three(T::AnyTwo, E::AnyPair, A::SortedPairLM, A::SortedPairLH, A::SortedPairMH),
    special(T::DrawnBefore, E::DrawnBefore),
}};

constexpr bool rowsInTestOrder() {
    for (std::size_t i = 0; i < kRecordRows.size(); ++i)
        if (static_cast<std::size_t>(kRecordRows[i].test) != i) return false;
    return true;
}
static_assert(rowsInTestOrder(), "one record row per test, in RecordTest order");

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

bool anyPairIn(const RecordRow& row, const CandidateDigits& d, std::string_view value) {
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

const RecordRow& recordRow(RecordTest test) noexcept {
    const auto i = static_cast<std::size_t>(test);
    return i < kRecordRows.size() ? kRecordRows[i] : kRecordRows[0];
}

bool isReferenceTest(RecordTest test) noexcept {
    const RecordRow& row = recordRow(test);
    return row.engine == E::Attribute && attributeRow(row.attributes[0]).readsReference;
}

const PatternFamily& referenceFamily(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->family ? *spec->family : kRepeatGapMiddleFamily;
}

DigitSets digitSetsOf(const ReferenceElement& ref) noexcept {
    return digitSets(ref.set1, ref.set2, ref.set3);
}

std::string candidateAttribute(RecordTest test, const CandidateDigits& d) {
    const RecordRow& row = recordRow(test);
    if (row.engine != E::Attribute || isReferenceTest(test)) return {};
    return wordOf(row.attributes[0], d);
}

std::string referenceAttribute(RecordTest test, const CandidateDigits& d, const ReferenceElement& ref,
                               ConditionKind kind) {
    if (!isReferenceTest(test)) return {};
    const AttributeId id = recordRow(test).attributes[0];
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

bool recordMatches(RecordTest test, std::string_view value, const CandidateDigits& d,
                   const ReferenceElement& ref, ConditionKind kind, const SeriesHistory& history) {
    const RecordRow& row = recordRow(test);
    switch (row.engine) {
    case E::Attribute: {
        const AttributeRow& attribute = attributeRow(row.attributes[0]);
        const std::string word =
            attribute.readsReference ? referenceAttribute(test, d, ref, kind) : wordOf(attribute.id, d);
        return wordMatches(attribute.match, word, value);
    }
    case E::CountList:
        return CountTest(
            {wordOf(row.attributes[0], d), wordOf(row.attributes[1], d), wordOf(row.attributes[2], d)},
            value);
    case E::AnyPair:
        return anyPairIn(row, d, value);
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
