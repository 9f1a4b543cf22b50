#include "core/shrink/compiled_filter.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/attributes/get_fun_class.h"
#include "core/shrink/record_tests.h"

namespace p3::core {
namespace {

using T = RecordTest;

CandidateDigits digitsOf(int n) {
    return {n / 100, n / 10 % 10, n % 10};
}

CandidateDigits sortedTailsOf(int n) {
    const auto d = digitsOf(n);
    CandidateDigits u{(d[0] + d[1]) % 10, (d[0] + d[2]) % 10, (d[1] + d[2]) % 10};
    std::ranges::sort(u);
    return u;
}

/// A candidate-only attribute for all 1000 numbers: a small word id per number and the words.
struct AttributeTable {
    std::array<std::uint8_t, kNumberCount> id{};
    std::vector<std::string> words;
};

constexpr std::size_t kTestCount = static_cast<std::size_t>(T::DrawnBefore) + 1;

const AttributeTable& candidateTable(RecordTest test) {
    static const std::array<AttributeTable, kTestCount> tables = [] {
        std::array<AttributeTable, kTestCount> all;
        for (std::size_t t = 0; t < kTestCount; ++t) {
            const auto test = static_cast<RecordTest>(t);
            if (matchRuleOf(test) == MatchRule::Special || isReferenceTest(test)) continue;
            auto& table = all[t];
            for (int n = 0; n < kNumberCount; ++n) {
                std::string word = candidateAttribute(test, digitsOf(n));
                auto it = std::ranges::find(table.words, word);
                if (it == table.words.end()) {
                    table.words.push_back(std::move(word));
                    it = table.words.end() - 1;
                }
                table.id[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(it - table.words.begin());
            }
        }
        return all;
    }();
    return tables[static_cast<std::size_t>(test)];
}

bool wordMatches(MatchRule rule, std::string_view word, std::string_view value) {
    if (rule == MatchRule::Substring) return !word.empty() && value.find(word) != std::string_view::npos;
    return Get_Fun_Class::ContainsWord(word, value);
}

template <typename Pred> NumberSet tableOf(Pred pred) {
    NumberSet out;
    for (int n = 0; n < kNumberCount; ++n)
        if (pred(n)) out.set(static_cast<std::size_t>(n));
    return out;
}

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string{};
}

/// Which hit counts 0..3 a counts text allows (the decimal text of the count occurs in it).
std::array<bool, 4> allowedCounts(std::string_view counts) {
    std::array<bool, 4> allowed{};
    for (int k = 0; k < 4; ++k)
        allowed[static_cast<std::size_t>(k)] =
            counts.find(static_cast<char>('0' + k)) != std::string_view::npos;
    return allowed;
}

unsigned digitMask(std::string_view set) {
    unsigned mask = 0;
    for (char c : set)
        if (c >= '0' && c <= '9') mask |= 1u << (c - '0');
    return mask;
}

bool isTailsReferenceTest(RecordTest test) noexcept {
    return test == T::TailsRefPattern || test == T::TailsRefCount1 || test == T::TailsRefCount2 ||
           test == T::TailsRefCount3 || test == T::TailsRefShape;
}

/// What a reference record's value allows, decided once per word the record can meet.
struct ReferenceWords {
    RecordTest test = T::None;
    int countSet = 0; ///< which set the count records count (0, 1, 2)
    std::array<bool, 4> countWord{};
    std::array<bool, 10> patternMatch{};
    std::array<bool, 27> directMatch{};
    std::array<bool, 3> shapeMatch{};
};

ReferenceWords referenceWords(RecordTest test, std::string_view value, ConditionKind kind) {
    const PatternFamily& family = isTailsReferenceTest(test) ? kRepeatGapMiddleFamily : referenceFamily(kind);
    const auto word = [&](std::string_view w) { return Get_Fun_Class::ContainsWord(w, value); };
    ReferenceWords out;
    out.test = test;
    for (int k = 0; k < 4; ++k)
        out.countWord[static_cast<std::size_t>(k)] = word(std::to_string(k));
    for (std::size_t i = 0; i < 10; ++i)
        out.patternMatch[i] = word(family.patternWords[i]);
    for (int code = 0; code < 27; ++code) {
        std::string w;
        for (int c : {code / 9, code / 3 % 3, code % 3})
            w += family.classWords[static_cast<std::size_t>(c)];
        out.directMatch[static_cast<std::size_t>(code)] = word(w);
    }
    out.shapeMatch = {word("a"), word("b"), word("c")};
    if (test == T::RefCount2 || test == T::TailsRefCount2) out.countSet = 1;
    if (test == T::RefCount3 || test == T::TailsRefCount3) out.countSet = 2;
    return out;
}

/// The membership of a digit in the three code lists: bit 0 set1, bit 1 set2, bit 2 set3.
using DigitStates = std::array<unsigned, 10>;

DigitStates digitStates(const ReferenceElement& ref) {
    const std::array<unsigned, 3> masks{digitMask(ref.set1), digitMask(ref.set2), digitMask(ref.set3)};
    DigitStates states{};
    for (unsigned d = 0; d < 10; ++d)
        states[d] = (masks[0] >> d & 1u) | (masks[1] >> d & 1u) << 1 | (masks[2] >> d & 1u) << 2;
    return states;
}

/// A reference record's test for a candidate whose three digits (or tails) have these states. A digit
/// is of the first class when it is in set1, else of the second when in set2, else of the third.
bool referenceMatch(const ReferenceWords& w, const std::array<unsigned, 3>& states) {
    std::array<int, 3> counts{};
    std::array<int, 3> cls{};
    int inSet = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const unsigned s = states[i];
        cls[i] = (s & 1u) ? 0 : (s & 2u) ? 1 : 2;
        ++counts[static_cast<std::size_t>(cls[i])];
        if (s >> w.countSet & 1u) ++inSet;
    }
    switch (w.test) {
    case T::RefPattern:
    case T::TailsRefPattern:
        return w.patternMatch[static_cast<std::size_t>(countPatternIndex(counts[0], counts[1], counts[2]))];
    case T::RefShape:
    case T::TailsRefShape: {
        const std::string_view s = countPatternShapeWord(counts[0], counts[1], counts[2]);
        return w.shapeMatch[static_cast<std::size_t>(s[0] - 'a')];
    }
    case T::RefDirect:
        return w.directMatch[static_cast<std::size_t>(cls[0] * 9 + cls[1] * 3 + cls[2])];
    default:
        return w.countWord[static_cast<std::size_t>(inSet)];
    }
}

/// Per number, the digits (or sorted pair tails) a reference test reads.
const std::array<CandidateDigits, kNumberCount>& referenceDigits(bool tails) {
    static const auto tables = [] {
        std::array<std::array<CandidateDigits, kNumberCount>, 2> t{};
        for (int n = 0; n < kNumberCount; ++n) {
            t[0][static_cast<std::size_t>(n)] = digitsOf(n);
            t[1][static_cast<std::size_t>(n)] = sortedTailsOf(n);
        }
        return t;
    }();
    return tables[tails ? 1 : 0];
}

NumberSet referenceTable(RecordTest test, std::string_view value, const ReferenceElement& ref,
                         ConditionKind kind) {
    const ReferenceWords words = referenceWords(test, value, kind);
    const DigitStates states = digitStates(ref);
    const auto& digits = referenceDigits(isTailsReferenceTest(test));
    return tableOf([&](int n) {
        const CandidateDigits& d = digits[static_cast<std::size_t>(n)];
        return referenceMatch(words,
                              {states[static_cast<std::size_t>(d[0])], states[static_cast<std::size_t>(d[1])],
                               states[static_cast<std::size_t>(d[2])]});
    });
}

NumberSet countListTable(RecordTest test, std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const std::string values = part(parts, 0);
    const auto allowed = allowedCounts(part(parts, 1));
    const bool once = part(parts, 2) == "1";
    std::array<bool, 28> listed{};
    for (int i = 0; i < 28; ++i)
        listed[static_cast<std::size_t>(i)] = Get_Fun_Class::ContainsWord(std::to_string(i), values);
    return tableOf([&](int n) {
        const auto d = digitsOf(n);
        CandidateDigits items{};
        if (test == T::PairSumCount)
            items = {d[0] + d[1], d[0] + d[2], d[1] + d[2]};
        else if (test == T::AbsDiffCount)
            items = {std::abs(d[0] - d[1]), std::abs(d[0] - d[2]), std::abs(d[1] - d[2])};
        else
            items = sortedTailsOf(n);
        int k = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            if (once && ((i >= 1 && items[i] == items[0]) || (i == 2 && items[2] == items[1]))) continue;
            if (listed[static_cast<std::size_t>(items[i])]) ++k;
        }
        return allowed[static_cast<std::size_t>(k)];
    });
}

NumberSet pairTable(RecordTest test, std::string_view value) {
    std::array<std::array<bool, 10>, 10> present{};
    for (int a = 0; a < 10; ++a)
        for (int b = a; b < 10; ++b) {
            const char text[2] = {static_cast<char>('0' + a), static_cast<char>('0' + b)};
            present[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                value.find(std::string_view(text, 2)) != std::string_view::npos;
        }
    return tableOf([&](int n) {
        CandidateDigits s = test == T::TailsPairs ? sortedTailsOf(n) : digitsOf(n);
        std::ranges::sort(s);
        const auto at = [&](int i, int j) {
            return present[static_cast<std::size_t>(s[static_cast<std::size_t>(i)])]
                          [static_cast<std::size_t>(s[static_cast<std::size_t>(j)])];
        };
        return at(0, 1) || at(0, 2) || at(1, 2);
    });
}

NumberSet positionSetsTable(std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const auto sets = splitKeepEmpty(part(parts, 1), '/');
    const std::array<unsigned, 3> masks{digitMask(part(sets, 0)), digitMask(part(sets, 1)),
                                        digitMask(part(sets, 2))};
    const auto allowed = allowedCounts(part(parts, 2));
    return tableOf([&](int n) {
        const auto d = digitsOf(n);
        int hits = 0;
        for (std::size_t i = 0; i < 3; ++i)
            hits += static_cast<int>(masks[i] >> d[i] & 1u);
        return allowed[static_cast<std::size_t>(hits)];
    });
}

NumberSet digitGroupTable(std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const unsigned group = digitMask(part(parts, 1));
    const auto allowed = allowedCounts(part(parts, 2));
    const bool once = part(parts, 3) == "1";
    return tableOf([&](int n) {
        const auto d = digitsOf(n);
        int hits = 0;
        unsigned seen = 0;
        for (int v : d) {
            if (once && (seen >> v & 1u)) continue;
            seen |= 1u << v;
            hits += static_cast<int>(group >> v & 1u);
        }
        return allowed[static_cast<std::size_t>(hits)];
    });
}

NumberSet drawnBeforeTable(std::string_view value, const SeriesHistory& history) {
    const auto parts = splitKeepEmpty(value, '^');
    const int periods = leadingInteger(part(parts, 0));
    const int series = leadingInteger(part(parts, 1));
    NumberSet seen;
    const std::size_t n = history.size();
    for (std::size_t back = 0; periods > 0 && back < static_cast<std::size_t>(periods) && back < n; ++back) {
        const int index = numberIndex(history.value(series, n - 1 - back));
        if (index >= 0) seen.set(static_cast<std::size_t>(index));
    }
    return seen;
}

/// The numbers that match one record value under a test.
NumberSet recordTable(RecordTest test, std::string_view value, const ReferenceElement& ref,
                      ConditionKind kind, const SeriesHistory& history) {
    if (isReferenceTest(test)) return referenceTable(test, value, ref, kind);
    const MatchRule rule = matchRuleOf(test);
    if (rule != MatchRule::Special) {
        const AttributeTable& table = candidateTable(test);
        std::vector<bool> match(table.words.size());
        for (std::size_t i = 0; i < match.size(); ++i)
            match[i] = wordMatches(rule, table.words[i], value);
        return tableOf([&](int n) { return match[table.id[static_cast<std::size_t>(n)]]; });
    }
    switch (test) {
    case T::PositionSets:
        return positionSetsTable(value);
    case T::DigitGroup:
        return digitGroupTable(value);
    case T::PairSumCount:
    case T::AbsDiffCount:
    case T::TailsCount:
        return countListTable(test, value);
    case T::AnyTwo:
    case T::TailsPairs:
        return pairTable(test, value);
    case T::DrawnBefore:
        return drawnBeforeTable(value, history);
    default:
        return {}; // a record name the kind does not know never matches
    }
}

} // namespace

int numberIndex(std::string_view text) noexcept {
    if (text.size() != 3) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string numberTextOf(int index) {
    return {static_cast<char>('0' + index / 100), static_cast<char>('0' + index / 10 % 10),
            static_cast<char>('0' + index % 10)};
}

NumberSet evaluateLineTable(ConditionKind kind, std::string_view levelTolerance, std::string_view content,
                            const SeriesHistory& history) {
    const KindSpec* spec = kindSpec(kind);
    if (!spec) return {};
    if (isSingleRecordKind(kind)) {
        const auto pieces = splitPieces(content, '~');
        const NumberSet match = recordTable(spec->records.front().test, part(pieces, 1), {}, kind, history);
        return part(pieces, 2) == "1" ? match : ~match;
    }
    const ParsedContent parsed = parseContent(kind, content);
    const ReferenceElement ref = parsed.reference.value_or(ReferenceElement{});
    struct Compiled {
        NumberSet fails;
        bool tolerant;
    };
    std::vector<Compiled> records;
    for (const auto& r : parsed.records) {
        if (isRowListKind(kind) && splitKeepEmpty(r.value, '^').front() == "0") continue;
        NumberSet match = recordTable(recordTestOf(kind, r.name), r.value, ref, kind, history);
        records.push_back({r.keep == "1" ? ~match : match, r.tolerant == "1"});
    }
    NumberSet hardFail;
    for (const auto& r : records)
        if (!r.tolerant) hardFail |= r.fails;
    std::vector<bool> inRange(records.size() + 1);
    for (std::size_t f = 0; f < inRange.size(); ++f)
        inRange[f] = InLevelRange(static_cast<int>(f), levelTolerance);
    return tableOf([&](int n) {
        const auto bit = static_cast<std::size_t>(n);
        if (hardFail[bit]) return false;
        std::size_t failed = 0;
        for (const auto& r : records)
            failed += r.tolerant && r.fails[bit];
        return static_cast<bool>(inRange[failed]);
    });
}

ReferenceLine::ReferenceLine(ConditionKind kind, std::string_view levelTolerance, std::string_view content) {
    const ParsedContent parsed = parseContent(kind, content);
    const ReferenceElement noSets;
    std::size_t records = 0;
    for (const auto& r : parsed.records) {
        if (isRowListKind(kind) && splitKeepEmpty(r.value, '^').front() == "0") continue;
        ++records;
        const RecordTest test = recordTestOf(kind, r.name);
        const bool keep = r.keep == "1";
        const bool tolerant = r.tolerant == "1";
        if (!isReferenceTest(test)) {
            const NumberSet match = recordTable(test, r.value, noSets, kind, SeriesHistory{});
            const NumberSet fails = keep ? ~match : match;
            if (!tolerant) {
                m_fixedHard |= fails;
                continue;
            }
            for (std::size_t n = 0; n < kNumberCount; ++n)
                m_fixedTolerant[n] = static_cast<std::uint8_t>(m_fixedTolerant[n] + fails[n]);
            continue;
        }
        const ReferenceWords words = referenceWords(test, r.value, kind);
        Side& side = m_sides[isTailsReferenceTest(test) ? 1 : 0];
        side.used = true;
        for (unsigned code = 0; code < 512; ++code) {
            const bool fails = referenceMatch(words, {code >> 6, code >> 3 & 7u, code & 7u}) != keep;
            if (!fails) continue;
            if (tolerant)
                ++side.tolerant[code];
            else
                side.hard[code] = 1;
        }
    }
    m_inRange.resize(records + 1);
    for (std::size_t f = 0; f < m_inRange.size(); ++f)
        m_inRange[f] = InLevelRange(static_cast<int>(f), levelTolerance);
}

NumberSet ReferenceLine::satisfied(const ReferenceElement& sets) const {
    const DigitStates states = digitStates(sets);
    const auto codeOf = [&](const CandidateDigits& d) {
        return states[static_cast<std::size_t>(d[0])] << 6 | states[static_cast<std::size_t>(d[1])] << 3 |
               states[static_cast<std::size_t>(d[2])];
    };
    const auto& digits = referenceDigits(false);
    const auto& tails = referenceDigits(true);
    NumberSet out;
    for (std::size_t n = 0; n < kNumberCount; ++n) {
        bool hard = m_fixedHard[n];
        std::size_t failed = m_fixedTolerant[n];
        for (std::size_t s = 0; s < 2; ++s) {
            if (!m_sides[s].used) continue;
            const unsigned code = codeOf(s == 0 ? digits[n] : tails[n]);
            hard = hard || m_sides[s].hard[code];
            failed += m_sides[s].tolerant[code];
        }
        if (!hard && m_inRange[failed]) out.set(n);
    }
    return out;
}

Result<CompiledFilter> compileConditions(const ConditionList& list, const SeriesHistory& history) {
    if (list.empty()) return fail("没有可供过滤的条件");
    if (std::ranges::none_of(list, [](const ConditionLine& l) { return l.used(); }))
        return fail("请选择条件");
    CompiledFilter filter;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ConditionLine& line = list[i];
        if (!line.used()) continue;
        const ConditionKind kind = KindOfKeyword(line.keyword);
        const int row = static_cast<int>(i) + 1;
        if (kind == 0 || line.opaque()) {
            filter.unknownRows.push_back(row);
            continue;
        }
        CompiledLine compiled{row, kind, line.keeps(), line.isTolerant(), {}};
        const NumberSet satisfied = evaluateLineTable(kind, line.levelTolerance(), line.content, history);
        compiled.passes = compiled.expected ? satisfied : ~satisfied;
        filter.lines.push_back(std::move(compiled));
    }
    return filter;
}

bool survives(const CompiledFilter& filter, int index, const TotalTolerance& tolerance) noexcept {
    const auto bit = static_cast<std::size_t>(index);
    int failures = 0;
    for (const auto& line : filter.lines) {
        if (line.passes[bit]) continue;
        if (!tolerance.enabled || !line.tolerant) return false;
        if (++failures > tolerance.end) return false;
    }
    return !tolerance.enabled || (tolerance.begin <= failures && failures <= tolerance.end);
}

NumberSet survivors(const CompiledFilter& filter, const TotalTolerance& tolerance) {
    if (!tolerance.enabled) {
        NumberSet all;
        all.set();
        for (const auto& line : filter.lines)
            all &= line.passes;
        return all;
    }
    return tableOf([&](int n) { return survives(filter, n, tolerance); });
}

Result<FilterResult> FilterBetList(std::span<const std::string> betList, const ConditionList& list,
                                   const TotalTolerance& tolerance, const SeriesHistory& history) {
    auto filter = compileConditions(list, history);
    if (!filter) return std::unexpected(filter.error());
    const NumberSet keep = survivors(*filter, tolerance);
    FilterResult result;
    result.unknownRows = filter->unknownRows;
    for (const auto& number : betList) {
        const int index = numberIndex(number);
        if (index < 0) {
            ++result.removedInvalid;
            continue;
        }
        if (keep[static_cast<std::size_t>(index)]) result.kept.push_back(number);
    }
    return result;
}

std::vector<std::size_t> filterSteps(std::span<const std::string> betList, const CompiledFilter& filter) {
    std::vector<std::size_t> steps;
    NumberSet remaining;
    remaining.set();
    for (const auto& line : filter.lines) {
        remaining &= line.passes;
        std::size_t count = 0;
        for (const auto& number : betList) {
            const int index = numberIndex(number);
            if (index >= 0 && remaining[static_cast<std::size_t>(index)]) ++count;
        }
        steps.push_back(count);
    }
    return steps;
}

} // namespace p3::core
