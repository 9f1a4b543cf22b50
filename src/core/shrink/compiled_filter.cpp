#include "core/shrink/compiled_filter.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/attributes/get_fun_class.h"
#include "core/shrink/record_tests.h"

namespace p3::core {
namespace {

using E = RecordEngine;

CandidateDigits digitsOf(int n) {
    return {n / 100, n / 10 % 10, n % 10};
}

int numberOf(const CandidateDigits& d) {
    return d[0] * 100 + d[1] * 10 + d[2];
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

/// The numbers whose value under a row that reads no reference element the record value accepts.
NumberSet attributeTable(AttributeId id, std::string_view value) {
    const std::vector<bool> accepted = acceptedValues(id, value);
    const auto indexes = attributeIndexes(id);
    return tableOf([&](int n) { return accepted[indexes[static_cast<std::size_t>(n)]]; });
}

/// Per number, the three values a row reads: the digits or the sorted pair tails.
const std::array<CandidateDigits, kNumberCount>& sourceDigits(DigitSource source) {
    static const auto tables = [] {
        std::array<std::array<CandidateDigits, kNumberCount>, 2> t{};
        for (int n = 0; n < kNumberCount; ++n) {
            t[0][static_cast<std::size_t>(n)] = digitsOf(n);
            t[1][static_cast<std::size_t>(n)] = sortedPairTails(digitsOf(n));
        }
        return t;
    }();
    return tables[source == DigitSource::SortedPairTails ? 1 : 0];
}

NumberSet referenceTable(AttributeId id, std::string_view value, const ReferenceElement& ref,
                         ConditionKind kind) {
    const AttributeRow& row = attributeRow(id);
    const std::vector<bool> accepted = acceptedValues(id, value, referenceFamily(kind));
    const DigitSets sets = digitSetsOf(ref);
    const auto& digits = sourceDigits(row.source);
    return tableOf([&](int n) {
        return accepted[static_cast<std::size_t>(row.value(digits[static_cast<std::size_t>(n)], sets))];
    });
}

NumberSet countListTable(const RecordTest& row, std::string_view value) {
    const auto parts = splitKeepEmpty(value, '^');
    const std::string values = part(parts, 0);
    const auto allowed = allowedCounts(part(parts, 1));
    const bool once = part(parts, 2) == "1";
    // The three rows share one vocabulary, so equal indexes are equal items.
    std::array<std::span<const std::uint16_t>, 3> indexes;
    std::array<std::vector<bool>, 3> listed;
    for (std::size_t i = 0; i < 3; ++i) {
        const AttributeId id = row.attributes[i];
        indexes[i] = attributeIndexes(id);
        for (const auto& word : attributeRow(id).vocabulary)
            listed[i].push_back(Get_Fun_Class::ContainsWord(word, values));
    }
    return tableOf([&](int n) {
        const auto bit = static_cast<std::size_t>(n);
        const std::array<std::uint16_t, 3> items{indexes[0][bit], indexes[1][bit], indexes[2][bit]};
        int k = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            if (once && ((i >= 1 && items[i] == items[0]) || (i == 2 && items[2] == items[1]))) continue;
            if (listed[i][items[i]]) ++k;
        }
        return allowed[static_cast<std::size_t>(k)];
    });
}

NumberSet pairTable(const RecordTest& row, std::string_view value) {
    std::array<std::vector<bool>, 3> present;
    std::array<std::span<const std::uint16_t>, 3> indexes;
    for (std::size_t i = 0; i < 3; ++i) {
        const AttributeId id = row.attributes[i];
        indexes[i] = attributeIndexes(id);
        for (const auto& word : attributeRow(id).vocabulary)
            present[i].push_back(value.find(word) != std::string_view::npos);
    }
    const auto& digits = sourceDigits(row.source);
    return tableOf([&](int n) {
        const auto m = static_cast<std::size_t>(numberOf(digits[static_cast<std::size_t>(n)]));
        return present[0][indexes[0][m]] || present[1][indexes[1][m]] || present[2][indexes[2][m]];
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
NumberSet recordTable(const RecordTest& row, std::string_view value, const ReferenceElement& ref,
                      ConditionKind kind, const SeriesHistory& history) {
    switch (row.engine) {
    case E::Attribute:
        return row.readsReference() ? referenceTable(row.attributes[0], value, ref, kind)
                                    : attributeTable(row.attributes[0], value);
    case E::CountList:
        return countListTable(row, value);
    case E::AnyPair:
        return pairTable(row, value);
    case E::PositionSets:
        return positionSetsTable(value);
    case E::DigitGroup:
        return digitGroupTable(value);
    case E::DrawnBefore:
        return drawnBeforeTable(value, history);
    case E::None:
        break;
    }
    return {}; // a record name the kind does not know never matches
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
        if (!test.readsReference()) {
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
        const AttributeRow& attribute = attributeRow(test.attributes[0]);
        const std::vector<bool> accepted = acceptedValues(attribute.id, r.value, referenceFamily(kind));
        Side& side = m_sides[attribute.source == DigitSource::SortedPairTails ? 1 : 0];
        side.used = true;
        // Three stand-in digits whose code lists are those of the code's three octal places.
        for (unsigned code = 0; code < 512; ++code) {
            DigitSets sets{};
            sets[0] = static_cast<std::uint8_t>(code >> 6);
            sets[1] = static_cast<std::uint8_t>(code >> 3 & 7u);
            sets[2] = static_cast<std::uint8_t>(code & 7u);
            const bool fails = accepted[static_cast<std::size_t>(attribute.value({0, 1, 2}, sets))] != keep;
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
    const DigitSets states = digitSetsOf(sets);
    const auto codeOf = [&](const CandidateDigits& d) {
        return unsigned{states[static_cast<std::size_t>(d[0])]} << 6 |
               unsigned{states[static_cast<std::size_t>(d[1])]} << 3 |
               unsigned{states[static_cast<std::size_t>(d[2])]};
    };
    const auto& digits = sourceDigits(DigitSource::Digits);
    const auto& tails = sourceDigits(DigitSource::SortedPairTails);
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
