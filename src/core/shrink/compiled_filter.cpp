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

NumberSet referenceTable(RecordTest test, std::string_view value, const ReferenceElement& ref,
                         ConditionKind kind) {
    const bool tails = test == T::TailsRefPattern || test == T::TailsRefCount1 || test == T::TailsRefCount2 ||
                       test == T::TailsRefCount3 || test == T::TailsRefShape;
    const PatternFamily& family = tails ? kRepeatGapMiddleFamily : referenceFamily(kind);
    const std::array<unsigned, 3> masks{digitMask(ref.set1), digitMask(ref.set2), digitMask(ref.set3)};
    std::array<int, 10> cls{};
    for (int d = 0; d < 10; ++d)
        cls[static_cast<std::size_t>(d)] = (masks[0] >> d & 1u) ? 0 : (masks[1] >> d & 1u) ? 1 : 2;
    const auto word = [&](std::string_view w) { return Get_Fun_Class::ContainsWord(w, value); };
    std::array<bool, 4> countWord{};
    for (int k = 0; k < 4; ++k)
        countWord[static_cast<std::size_t>(k)] = word(std::to_string(k));
    std::array<bool, 10> patternMatch{};
    for (std::size_t i = 0; i < 10; ++i)
        patternMatch[i] = word(family.patternWords[i]);
    std::array<bool, 27> directMatch{};
    for (int code = 0; code < 27; ++code) {
        std::string w;
        for (int c : {code / 9, code / 3 % 3, code % 3})
            w += family.classWords[static_cast<std::size_t>(c)];
        directMatch[static_cast<std::size_t>(code)] = word(w);
    }
    const std::array<bool, 3> shapeMatch{word("a"), word("b"), word("c")};
    int countSet = 0;
    if (test == T::RefCount2 || test == T::TailsRefCount2) countSet = 1;
    if (test == T::RefCount3 || test == T::TailsRefCount3) countSet = 2;
    return tableOf([&](int n) {
        const CandidateDigits d = tails ? sortedTailsOf(n) : digitsOf(n);
        std::array<int, 3> counts{};
        int inSet = 0;
        for (int v : d) {
            ++counts[static_cast<std::size_t>(cls[static_cast<std::size_t>(v)])];
            if (masks[static_cast<std::size_t>(countSet)] >> v & 1u) ++inSet;
        }
        switch (test) {
        case T::RefPattern:
        case T::TailsRefPattern:
            return patternMatch[static_cast<std::size_t>(countPatternIndex(counts[0], counts[1], counts[2]))];
        case T::RefShape:
        case T::TailsRefShape: {
            const std::string_view s = countPatternShapeWord(counts[0], counts[1], counts[2]);
            return shapeMatch[static_cast<std::size_t>(s[0] - 'a')];
        }
        case T::RefDirect:
            return directMatch[static_cast<std::size_t>(cls[static_cast<std::size_t>(d[0])] * 9 +
                                                        cls[static_cast<std::size_t>(d[1])] * 3 +
                                                        cls[static_cast<std::size_t>(d[2])])];
        default:
            return countWord[static_cast<std::size_t>(inSet)];
        }
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
        if ((kind == 8 || kind == 9) && splitKeepEmpty(r.value, '^').front() == "0") continue;
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
