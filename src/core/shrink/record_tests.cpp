#include "core/shrink/record_tests.h"

#include <algorithm>

#include "core/attributes/get_fun_class.h"

namespace p3::core {
namespace {

using G = Get_Fun_Class;
using T = RecordTest;

DigitArray asArray(const CandidateDigits& d) {
    return {d[0], d[1], d[2]};
}

CandidateDigits sortedDigits(CandidateDigits d) {
    std::ranges::sort(d);
    return d;
}

std::string numberText(const CandidateDigits& d) {
    return {static_cast<char>('0' + d[0]), static_cast<char>('0' + d[1]), static_cast<char>('0' + d[2])};
}

std::string twoDigits(int a, int b) {
    return {static_cast<char>('0' + a), static_cast<char>('0' + b)};
}

/// The three pair tails (b+s, b+g, s+g mod 10) sorted ascending.
CandidateDigits sortedPairTails(const CandidateDigits& d) {
    return sortedDigits({(d[0] + d[1]) % 10, (d[0] + d[2]) % 10, (d[1] + d[2]) % 10});
}

std::string groupTypeWord(const CandidateDigits& d) {
    std::string w(G::GetGroupTypeText(asArray(d)));
    if (w != "组三") return w;
    const std::string pair = G::KeepDigitsInSet(numberText(d), kAllDigits);
    const int gap = pair[1] - pair[0];
    return gap == 1 || gap == 9 ? "组三_连" : "组三_不连";
}

std::string tailOrSpanWord(int which, int v) {
    switch (which) {
    case 0:
        return std::to_string(v);
    case 1:
        return std::string(bigSmallValueWord(v));
    case 2:
        return std::string(oddEvenValueWord(v));
    case 3:
        return std::string(primeCompositeValueWord(v));
    case 4:
        return std::string(bigMidSmallWord(v));
    default:
        return std::string(routeWord(v));
    }
}

std::string countText(const CandidateDigits& d, std::string_view set) {
    return std::to_string(G::CountDigitsInSet(numberText(d), set));
}

std::string biasWord(int which, const CandidateDigits& d) {
    const std::string_view cls = G::GetBiasClass(asArray(d));
    if (which == 0) return cls == "真正" ? "真正" : "偏假";
    if (which == 1)
        return cls.find("假对子") != std::string_view::npos ? "假对子" : cls == "真正" ? "真正" : "偏态";
    return std::string(cls);
}

/// Per position: 0 when the digit is in set1, else 1 when in set2, else 2.
int referenceClass(int digit, const ReferenceElement& ref) {
    const char c = static_cast<char>('0' + digit);
    if (ref.set1.find(c) != std::string::npos) return 0;
    if (ref.set2.find(c) != std::string::npos) return 1;
    return 2;
}

std::string referenceWord(T test, const CandidateDigits& d, const ReferenceElement& ref,
                          const PatternFamily& family) {
    const std::array<const std::string*, 3> sets{&ref.set1, &ref.set2, &ref.set3};
    const auto countIn = [&](int k) {
        int n = 0;
        for (int v : d)
            if (sets[static_cast<std::size_t>(k)]->find(static_cast<char>('0' + v)) != std::string::npos) ++n;
        return std::to_string(n);
    };
    std::array<int, 3> classes{};
    std::array<int, 3> counts{};
    for (std::size_t i = 0; i < 3; ++i) {
        classes[i] = referenceClass(d[i], ref);
        ++counts[static_cast<std::size_t>(classes[i])];
    }
    const std::string pattern(patternWord(family, counts[0], counts[1], counts[2]));
    switch (test) {
    case T::RefCount1:
    case T::TailsRefCount1:
        return countIn(0);
    case T::RefCount2:
    case T::TailsRefCount2:
        return countIn(1);
    case T::RefCount3:
    case T::TailsRefCount3:
        return countIn(2);
    case T::RefPattern:
    case T::TailsRefPattern:
        return pattern;
    case T::RefShape:
    case T::TailsRefShape:
        if (pattern.find('3') != std::string::npos) return "a";
        return pattern == family.patternWords[4] ? "c" : "b";
    case T::RefDirect: {
        std::string out;
        for (int c : classes)
            out += family.classWords[static_cast<std::size_t>(c)];
        return out;
    }
    default:
        return {};
    }
}

bool anyPairIn(const CandidateDigits& sorted, std::string_view value) {
    for (const auto& p :
         {twoDigits(sorted[0], sorted[1]), twoDigits(sorted[0], sorted[2]), twoDigits(sorted[1], sorted[2])})
        if (value.find(p) != std::string_view::npos) return true;
    return false;
}

std::array<std::string, 3> asTexts(int a, int b, int c) {
    return {std::to_string(a), std::to_string(b), std::to_string(c)};
}

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string{};
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
    if (part(parts, 3) == "1") considered = G::KeepDigitsInSet(considered, kAllDigits);
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

MatchRule matchRuleOf(RecordTest test) noexcept {
    switch (test) {
    case T::GroupType:
    case T::OrderShape:
    case T::ShapeCode:
        return MatchRule::Substring;
    case T::None:
    case T::PositionSets:
    case T::DigitGroup:
    case T::PairSumCount:
    case T::TailsCount:
    case T::TailsPairs:
    case T::AbsDiffCount:
    case T::AnyTwo:
    case T::DrawnBefore:
        return MatchRule::Special;
    default:
        return MatchRule::WholeWord;
    }
}

bool isReferenceTest(RecordTest test) noexcept {
    switch (test) {
    case T::RefCount1:
    case T::RefCount2:
    case T::RefCount3:
    case T::RefShape:
    case T::RefPattern:
    case T::RefDirect:
    case T::TailsRefPattern:
    case T::TailsRefCount1:
    case T::TailsRefCount2:
    case T::TailsRefCount3:
    case T::TailsRefShape:
        return true;
    default:
        return false;
    }
}

const PatternFamily& referenceFamily(ConditionKind kind) noexcept {
    const KindSpec* spec = kindSpec(kind);
    return spec && spec->family ? *spec->family : kRepeatGapMiddleFamily;
}

std::string candidateAttribute(RecordTest test, const CandidateDigits& d) {
    const CandidateDigits s = sortedDigits(d);
    const int sum = d[0] + d[1] + d[2];
    const int span = s[2] - s[0];
    switch (test) {
    case T::GroupType:
        return groupTypeWord(d);
    case T::SortedLow:
        return std::to_string(s[0]);
    case T::SortedMiddle:
        return std::to_string(s[1]);
    case T::SortedHigh:
        return std::to_string(s[2]);
    case T::GroupSize:
        return G::GetBinaryAttributeText(asArray(d), 1, "大", "小", true);
    case T::DirectSize:
        return G::GetBinaryAttributeText(asArray(d), 1, "大", "小", false);
    case T::GroupParity:
        return G::GetBinaryAttributeText(asArray(d), 2, "奇", "偶", true);
    case T::DirectParity:
        return G::GetBinaryAttributeText(asArray(d), 2, "奇", "偶", false);
    case T::GroupPrime:
        return G::GetBinaryAttributeText(asArray(d), 3, "质", "合", true);
    case T::DirectPrime:
        return G::GetBinaryAttributeText(asArray(d), 3, "质", "合", false);
    case T::Sum:
        return std::to_string(sum);
    case T::Hundreds:
        return std::to_string(d[0]);
    case T::Tens:
        return std::to_string(d[1]);
    case T::Units:
        return std::to_string(d[2]);
    case T::Tail:
    case T::TailSize:
    case T::TailParity:
    case T::TailPrime:
    case T::TailBigMidSmall:
    case T::TailRoute:
        return tailOrSpanWord(static_cast<int>(test) - static_cast<int>(T::Tail), sum % 10);
    case T::Span:
    case T::SpanSize:
    case T::SpanParity:
    case T::SpanPrime:
    case T::SpanBigMidSmall:
    case T::SpanRoute:
        return tailOrSpanWord(static_cast<int>(test) - static_cast<int>(T::Span), span);
    case T::OrderShape:
        return std::string(G::GetOrderShapeText(asArray(d)));
    case T::ShapeCode:
        return std::string(shapeCodeLabel(G::GetShapeCode(asArray(d))));
    case T::Route0Count:
    case T::Route1Count:
    case T::Route2Count:
        return countText(d, kRouteDigits[static_cast<std::size_t>(static_cast<int>(test) -
                                                                  static_cast<int>(T::Route0Count))]);
    case T::RoutePattern:
        return countText(d, kRouteDigits[0]) + countText(d, kRouteDigits[1]) + countText(d, kRouteDigits[2]);
    case T::RouteDirect:
        return std::to_string(d[0] % 3) + std::to_string(d[1] % 3) + std::to_string(d[2] % 3);
    case T::RouteShape:
        return std::string(countPatternShapeWord(G::CountDigitsInSet(numberText(d), kRouteDigits[0]),
                                                 G::CountDigitsInSet(numberText(d), kRouteDigits[1]),
                                                 G::CountDigitsInSet(numberText(d), kRouteDigits[2])));
    case T::BigCount:
        return countText(s, kSizeClassDigits[0]);
    case T::MiddleCount:
        return countText(s, kSizeClassDigits[1]);
    case T::SmallCount:
        return countText(s, kSizeClassDigits[2]);
    case T::SizeShape:
    case T::SizePattern: {
        const std::string t = numberText(s);
        const int big = G::CountDigitsInSet(t, kSizeClassDigits[0]);
        const int mid = G::CountDigitsInSet(t, kSizeClassDigits[1]);
        const int small = G::CountDigitsInSet(t, kSizeClassDigits[2]);
        return std::string(test == T::SizeShape ? countPatternShapeWord(big, mid, small)
                                                : patternWord(kBigMidSmallFamily, big, mid, small));
    }
    case T::SizeDirect:
        return G::GetBigMidSmallText(asArray(s));
    case T::PairSumHT:
        return std::to_string(d[0] + d[1]);
    case T::PairSumHU:
        return std::to_string(d[0] + d[2]);
    case T::PairSumTU:
        return std::to_string(d[1] + d[2]);
    case T::PairTailHT:
        return std::to_string((d[0] + d[1]) % 10);
    case T::PairTailHU:
        return std::to_string((d[0] + d[2]) % 10);
    case T::PairTailTU:
        return std::to_string((d[1] + d[2]) % 10);
    case T::DiffHT:
        return std::to_string(d[0] - d[1]);
    case T::DiffHU:
        return std::to_string(d[0] - d[2]);
    case T::DiffTU:
        return std::to_string(d[1] - d[2]);
    case T::AbsDiffHT:
        return std::to_string(std::abs(d[0] - d[1]));
    case T::AbsDiffHU:
        return std::to_string(std::abs(d[0] - d[2]));
    case T::AbsDiffTU:
        return std::to_string(std::abs(d[1] - d[2]));
    case T::BiasTwo:
        return biasWord(0, d);
    case T::BiasThree:
        return biasWord(1, d);
    case T::BiasFine:
        return biasWord(2, d);
    case T::TwoHT:
        return twoDigits(d[0], d[1]);
    case T::TwoHU:
        return twoDigits(d[0], d[2]);
    case T::TwoTU:
        return twoDigits(d[1], d[2]);
    default:
        return {};
    }
}

std::string referenceAttribute(RecordTest test, const CandidateDigits& d, const ReferenceElement& ref,
                               ConditionKind kind) {
    switch (test) {
    case T::TailsRefPattern:
    case T::TailsRefCount1:
    case T::TailsRefCount2:
    case T::TailsRefCount3:
    case T::TailsRefShape:
        return referenceWord(test, sortedPairTails(d), ref, kRepeatGapMiddleFamily);
    default:
        return referenceWord(test, d, ref, referenceFamily(kind));
    }
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
        if (G::ContainsWord(items[i], values)) ++k;
    }
    return allowed.find(std::to_string(k)) != std::string::npos;
}

bool recordMatches(RecordTest test, std::string_view value, const CandidateDigits& d,
                   const ReferenceElement& ref, ConditionKind kind, const SeriesHistory& history) {
    if (isReferenceTest(test)) return G::ContainsWord(referenceAttribute(test, d, ref, kind), value);
    switch (matchRuleOf(test)) {
    case MatchRule::WholeWord:
        return G::ContainsWord(candidateAttribute(test, d), value);
    case MatchRule::Substring: {
        const std::string word = candidateAttribute(test, d);
        return !word.empty() && value.find(word) != std::string_view::npos;
    }
    case MatchRule::Special:
        break;
    }
    switch (test) {
    case T::PositionSets:
        return positionSetsMatch(d, value);
    case T::DigitGroup:
        return digitGroupMatch(d, value);
    case T::PairSumCount:
        return CountTest(asTexts(d[0] + d[1], d[0] + d[2], d[1] + d[2]), value);
    case T::AbsDiffCount:
        return CountTest(asTexts(std::abs(d[0] - d[1]), std::abs(d[0] - d[2]), std::abs(d[1] - d[2])), value);
    case T::TailsCount: {
        const auto u = sortedPairTails(d);
        return CountTest(asTexts(u[0], u[1], u[2]), value);
    }
    case T::TailsPairs:
        return anyPairIn(sortedPairTails(d), value);
    case T::AnyTwo:
        return anyPairIn(sortedDigits(d), value);
    case T::DrawnBefore:
        return drawnBefore(d, value, history);
    default:
        return false; // a record name the kind does not know never matches
    }
}

} // namespace p3::core
