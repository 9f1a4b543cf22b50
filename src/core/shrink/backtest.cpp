#include "core/shrink/backtest.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "core/shrink/series_history.h"

namespace p3::core {
namespace {

constexpr std::size_t kN = kNumberCount;

std::string part(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string{};
}

/// The group form of a number: its digits sorted ascending, as a number index.
int groupFormOf(int n) {
    std::array<int, 3> d{n / 100, n / 10 % 10, n % 10};
    std::ranges::sort(d);
    return d[0] * 100 + d[1] * 10 + d[2];
}

const std::array<std::uint16_t, kN>& groupForms() {
    static const auto forms = [] {
        std::array<std::uint16_t, kN> f{};
        for (int n = 0; n < kNumberCount; ++n)
            f[static_cast<std::size_t>(n)] = static_cast<std::uint16_t>(groupFormOf(n));
        return f;
    }();
    return forms;
}

/// The numbers with the same digits as n (n itself included).
std::vector<int> permutationsOf(int n) {
    const int form = groupFormOf(n);
    std::vector<int> out;
    for (int m = 0; m < kNumberCount; ++m)
        if (groupFormOf(m) == form) out.push_back(m);
    return out;
}

/// Counts the distinct group forms of a set of numbers.
class FormCounter {
public:
    std::size_t count(const NumberSet& numbers) {
        ++m_stamp;
        std::size_t distinct = 0;
        const auto& forms = groupForms();
        for (std::size_t n = numbers._Find_first(); n < kN; n = numbers._Find_next(n)) {
            auto& seen = m_seen[forms[n]];
            if (seen != m_stamp) {
                seen = m_stamp;
                ++distinct;
            }
        }
        return distinct;
    }
    /// The group forms of a set of numbers, as a set of form indices.
    static NumberSet formsOf(const NumberSet& numbers) {
        NumberSet out;
        const auto& forms = groupForms();
        for (std::size_t n = numbers._Find_first(); n < kN; n = numbers._Find_next(n))
            out.set(forms[n]);
        return out;
    }

private:
    std::array<std::uint32_t, kN> m_seen{};
    std::uint32_t m_stamp = 0;
};

/// A line whose pass table changes from period to period.
struct MovingLine {
    std::size_t index = 0; ///< into the compiled filter's lines
    ConditionKind kind = 0;
    // Reference kinds: the code lists made again from the history before the period.
    std::optional<ReferenceLine> reference;
    ReferenceElement stored;
    SeriesIndex series = 0;
    // 已出号码: the numbers of series `series` drawn in the last `periods` periods.
    bool drawnWindow = false;
    int periods = 0;
    bool keepFlag = false;
};

/// The numbers of one series in the last `periods` periods before a period, kept as counts so that the
/// window slides one period at a time.
class DrawnWindow {
public:
    DrawnWindow(std::vector<int> values, int periods) : m_values(std::move(values)), m_periods(periods) {}
    /// The numbers of periods [t - periods, t).
    const NumberSet& at(std::size_t t) {
        const std::size_t width = m_periods > 0 ? static_cast<std::size_t>(m_periods) : 0;
        const std::size_t from = t > width ? t - width : 0;
        if (t < m_end || from < m_from) reset();
        while (m_end < t)
            add(m_values[m_end++], +1);
        while (m_from < from)
            add(m_values[m_from++], -1);
        return m_seen;
    }

private:
    void reset() {
        m_counts.fill(0);
        m_seen.reset();
        m_from = m_end = 0;
    }
    void add(int v, int delta) {
        if (v < 0) return;
        auto& c = m_counts[static_cast<std::size_t>(v)];
        c = static_cast<std::uint32_t>(static_cast<int>(c) + delta);
        m_seen[static_cast<std::size_t>(v)] = c > 0;
    }
    std::vector<int> m_values;
    int m_periods = 0;
    std::array<std::uint32_t, kN> m_counts{};
    NumberSet m_seen;
    std::size_t m_from = 0, m_end = 0;
};

/// Whether a line reads the history at run time or through sets that the editor takes from it.
std::optional<MovingLine> movingLineOf(const CompiledLine& line, std::size_t index,
                                       const ConditionLine& source) {
    MovingLine m;
    m.index = index;
    m.kind = line.kind;
    if (isDrawnWindowKind(line.kind)) {
        m.drawnWindow = true;
        const auto pieces = splitPieces(source.content, '~');
        const auto parts = splitKeepEmpty(part(pieces, 1), '^');
        m.periods = leadingInteger(part(parts, 0));
        m.series = leadingInteger(part(parts, 1));
        m.keepFlag = part(pieces, 2) == "1";
        return m;
    }
    if (!hasReferenceElement(line.kind)) return std::nullopt;
    const ParsedContent parsed = parseContent(line.kind, source.content);
    if (!parsed.reference || !parsed.reference->series) return std::nullopt;
    m.stored = *parsed.reference;
    m.series = *parsed.reference->series;
    m.reference.emplace(line.kind, source.levelTolerance(), source.content);
    return m;
}

/// Whether a number survives the lines without line `skip` (none when skip is out of range).
bool survivesWithout(const std::vector<CompiledLine>& lines, std::size_t n, std::size_t skip,
                     const TotalTolerance& tolerance) {
    int failures = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == skip || lines[i].passes[n]) continue;
        if (!tolerance.enabled || !lines[i].tolerant) return false;
        ++failures;
    }
    return !tolerance.enabled || (tolerance.begin <= failures && failures <= tolerance.end);
}

/// The survivors of the period: the fixed lines' part is made once, the moving lines' part per period.
class Combiner {
public:
    Combiner(const CompiledFilter& filter, const std::vector<bool>& moving, const TotalTolerance& tolerance)
        : m_tolerance(tolerance) {
        m_fixedAll.set();
        for (std::size_t i = 0; i < filter.lines.size(); ++i) {
            const auto& line = filter.lines[i];
            if (moving[i]) {
                m_moving.push_back(i);
                continue;
            }
            m_fixedAll &= line.passes;
            if (!tolerance.enabled || !line.tolerant)
                m_fixedHard |= ~line.passes;
            else
                for (std::size_t n = 0; n < kN; ++n)
                    m_fixedCount[n] = static_cast<std::uint8_t>(m_fixedCount[n] + !line.passes[n]);
        }
    }

    NumberSet survivors(const CompiledFilter& filter) const {
        if (!m_tolerance.enabled) {
            NumberSet all = m_fixedAll;
            for (std::size_t i : m_moving)
                all &= filter.lines[i].passes;
            return all;
        }
        NumberSet hard = m_fixedHard;
        std::vector<const NumberSet*> tolerant;
        for (std::size_t i : m_moving) {
            const auto& line = filter.lines[i];
            if (line.tolerant)
                tolerant.push_back(&line.passes);
            else
                hard |= ~line.passes;
        }
        NumberSet out;
        for (std::size_t n = 0; n < kN; ++n) {
            if (hard[n]) continue;
            int failures = m_fixedCount[n];
            for (const NumberSet* passes : tolerant)
                failures += !(*passes)[n];
            if (m_tolerance.begin <= failures && failures <= m_tolerance.end) out.set(n);
        }
        return out;
    }

private:
    TotalTolerance m_tolerance;
    std::vector<std::size_t> m_moving;
    NumberSet m_fixedAll;
    NumberSet m_fixedHard;
    std::array<std::uint8_t, kN> m_fixedCount{};
};

/// Numbers (直选) or group forms (组选) of a set of base numbers, and the chance a random draw hits
/// one of them.
struct BetCounting {
    bool group = false;
    int numbersPerBet = 1; ///< 3 for 组三, 6 for 组六
    FormCounter counter;
    std::size_t bets(const NumberSet& numbers) { return group ? counter.count(numbers) : numbers.count(); }
};

} // namespace

std::string refreshReferenceContent(ConditionKind kind, const std::string& content,
                                    const SeriesHistory& history) {
    if (!hasReferenceElement(kind)) return content;
    auto pieces = splitPieces(content, '&');
    if (pieces.empty()) return content;
    const ReferenceElement stored = parseReferenceElement(pieces.back());
    if (!stored.series) return content;
    auto made = SeriesPreset(kind, history, *stored.series);
    if (!made || !made->has_value()) return content;
    pieces.back() = (*made)->text();
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        out += (i ? "&" : "") + pieces[i];
    return out;
}

BacktestRange lastPeriodsRange(const DrawList& draws, std::size_t n) {
    return {draws.size() > n ? draws.size() - n : 0, draws.size()};
}

Result<BacktestRange> periodRange(const DrawList& draws, std::string_view from, std::string_view to) {
    const auto find = [&](std::string_view period) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < draws.size(); ++i)
            if (draws[i].period == period) return i;
        return std::nullopt;
    };
    const auto a = find(from), b = find(to);
    if (!a) return fail("没有这个期号: " + std::string(from));
    if (!b) return fail("没有这个期号: " + std::string(to));
    if (*a > *b) return BacktestRange{*b, *a + 1};
    return BacktestRange{*a, *b + 1};
}

Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws, const TrackTable& table,
                                BacktestRange range, const BacktestSettings& settings,
                                const BacktestControl& control) {
    const SeriesHistory full{&draws, &table};
    auto compiled = compileConditions(list, full);
    if (!compiled) return std::unexpected(compiled.error());
    range.end = std::min(range.end, draws.size());
    if (range.first >= range.end) return fail("没有可回测的期数");
    auto baseList = BuildBaseList(settings.pick, settings.betType);
    if (!baseList) return std::unexpected(baseList.error());
    NumberSet base;
    for (const auto& number : *baseList)
        base.set(static_cast<std::size_t>(numberIndex(number)));

    CompiledFilter filter = std::move(*compiled);
    const TotalTolerance& tolerance = settings.tolerance;
    BacktestReport report;
    report.betType = settings.betType;
    report.unknownRows = filter.unknownRows;
    const std::size_t lineCount = filter.lines.size();

    BetCounting counting;
    counting.group = settings.betType != BetType::All;
    counting.numbersPerBet = settings.betType == BetType::Group3   ? 3
                             : settings.betType == BetType::Group6 ? 6
                                                                   : 1;
    const Money prize = settings.betType == BetType::Group3   ? settings.prizes.group3
                        : settings.betType == BetType::Group6 ? settings.prizes.group6
                                                              : settings.prizes.direct;
    const std::size_t baseBets = counting.bets(base);

    std::vector<MovingLine> moving;
    std::vector<bool> isMoving(lineCount, false);
    std::vector<DrawnWindow> windows;
    std::vector<std::size_t> windowOf(lineCount, 0);
    for (std::size_t i = 0; i < lineCount; ++i) {
        const auto& source = list[static_cast<std::size_t>(filter.lines[i].row - 1)];
        auto m = movingLineOf(filter.lines[i], i, source);
        if (!m) continue;
        isMoving[i] = true;
        if (m->drawnWindow) {
            std::vector<int> values(draws.size(), -1);
            if (SeriesHistory::supports(m->series))
                for (std::size_t p = 0; p < draws.size(); ++p)
                    values[p] = numberIndex(full.value(m->series, p));
            windowOf[i] = windows.size();
            windows.emplace_back(std::move(values), m->periods);
        }
        moving.push_back(std::move(*m));
    }
    const Combiner combiner(filter, isMoving, tolerance);

    // Per line: bets of the base it keeps, summed over the periods; fixed lines keep the same each period.
    std::vector<std::size_t> fixedKept(lineCount, 0), keptSum(lineCount, 0), passedDraw(lineCount, 0),
        lost(lineCount, 0);
    for (std::size_t i = 0; i < lineCount; ++i)
        if (!isMoving[i]) fixedKept[i] = counting.bets(filter.lines[i].passes & base);

    std::vector<double> chances;
    std::size_t sizeSum = 0, counted = 0;
    report.minSize = kN;
    const std::size_t total = range.end - range.first;
    for (std::size_t p = range.first; p < range.end; ++p) {
        const std::size_t done = p - range.first;
        if (done % 64 == 0) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed))
                return fail(std::string(kBacktestCancelled));
            if (control.progress) control.progress(done, total);
        }
        const int real = numberIndex(std::string_view(draws[p].digits).substr(0, 3));
        if (real < 0) continue; // a stored draw that is not three digits cannot be tested
        const SeriesHistory before{&draws, &table, p};
        for (const auto& m : moving) {
            auto& line = filter.lines[m.index];
            NumberSet satisfied;
            if (m.drawnWindow) {
                const NumberSet& seen = windows[windowOf[m.index]].at(p);
                satisfied = m.keepFlag ? seen : ~seen;
            } else {
                auto made = SeriesPreset(m.kind, before, m.series);
                satisfied = m.reference->satisfied(made && made->has_value() ? **made : m.stored);
            }
            line.passes = line.expected ? satisfied : ~satisfied;
        }
        const NumberSet kept = combiner.survivors(filter) & base;
        BacktestPeriod period;
        period.period = draws[p].period;
        period.draw = draws[p].digits.substr(0, 3);
        period.count = counting.bets(kept);
        const auto realBit = static_cast<std::size_t>(real);
        // The numbers that stand for the draw: itself, or for 组选 bets its orderings in the base.
        std::vector<int> candidates{real};
        if (counting.group) {
            candidates.clear();
            for (int m : permutationsOf(real))
                if (base[static_cast<std::size_t>(m)]) candidates.push_back(m);
            period.inBase = !candidates.empty();
            if (candidates.empty()) candidates = permutationsOf(real);
            period.survived = false;
            for (int m : candidates)
                period.survived = period.survived || kept[static_cast<std::size_t>(m)];
        } else {
            period.inBase = base[realBit];
            period.survived = kept[realBit];
        }
        for (std::size_t i = 0; i < lineCount; ++i) {
            const auto& line = filter.lines[i];
            const bool passes = std::ranges::any_of(candidates, [&](int m) {
                return static_cast<bool>(line.passes[static_cast<std::size_t>(m)]);
            });
            if (!passes) period.failedRows.push_back(line.row);
            if (period.inBase) passedDraw[i] += passes;
            keptSum[i] += isMoving[i] ? counting.bets(line.passes & base) : fixedKept[i];
            if (period.inBase && !period.survived)
                lost[i] += std::ranges::any_of(candidates, [&](int m) {
                    return survivesWithout(filter.lines, static_cast<std::size_t>(m), i, tolerance);
                });
        }
        counted += period.inBase;
        report.hits += period.survived;
        sizeSum += period.count;
        report.minSize = std::min(report.minSize, period.count);
        report.maxSize = std::max(report.maxSize, period.count);
        chances.push_back(
            static_cast<double>(period.count * static_cast<std::size_t>(counting.numbersPerBet)) /
            kNumberCount);
        report.cost = report.cost + settings.prizes.price * static_cast<std::int64_t>(period.count);
        if (period.survived) report.returns = report.returns + prize;
        period.list = kept;
        report.periods.push_back(std::move(period));
    }
    if (control.progress) control.progress(total, total);
    const double n = static_cast<double>(report.periods.size());
    if (n == 0) return fail("没有可回测的期数");
    report.net = report.returns - report.cost;
    report.hitRate = static_cast<double>(report.hits) / n;
    report.meanSize = static_cast<double>(sizeSum) / n;
    report.randomHitRate = report.meanSize * counting.numbersPerBet / kNumberCount;
    report.ratio = report.randomHitRate > 0 ? report.hitRate / report.randomHitRate : 0;
    report.pValue = upperTailProbability(chances, report.hits);
    for (std::size_t i = 0; i < lineCount; ++i) {
        BacktestLine stats;
        stats.row = filter.lines[i].row;
        stats.keyword = list[static_cast<std::size_t>(stats.row - 1)].keyword;
        stats.shareKept =
            baseBets > 0 ? static_cast<double>(keptSum[i]) / (n * static_cast<double>(baseBets)) : 0;
        stats.cutRate = 1 - stats.shareKept;
        stats.keepRate = counted > 0 ? static_cast<double>(passedDraw[i]) / static_cast<double>(counted) : 0;
        stats.rejected = counted - passedDraw[i];
        stats.lift = stats.shareKept > 0 ? stats.keepRate / stats.shareKept : 0;
        stats.lostHits = lost[i];
        report.lines.push_back(std::move(stats));
    }
    return report;
}

Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws, const TrackTable& table,
                                std::size_t lastPeriods, const TotalTolerance& tolerance) {
    if (lastPeriods == 0) return fail("没有可回测的期数");
    BacktestSettings settings;
    settings.tolerance = tolerance;
    return Backtest(list, draws, table, lastPeriodsRange(draws, lastPeriods), settings);
}

double returnRate(const BacktestReport& report) {
    return report.cost.micros > 0 ? report.returns.toDouble() / report.cost.toDouble() : 0;
}

std::string returnRateText(const BacktestReport& report) {
    if (report.cost.micros <= 0) return "0";
    // Four decimals, halves away from zero, from the exact millionths.
    const Money::Units scaled = report.returns.micros * 10000;
    const Money::Units q = (2 * scaled + report.cost.micros) / (2 * report.cost.micros);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld.%04lld", static_cast<long long>(q / 10000),
                  static_cast<long long>(q % 10000));
    return buf;
}

std::vector<std::string> periodBets(const BacktestReport& report, std::size_t period) {
    std::vector<std::string> out;
    if (period >= report.periods.size()) return out;
    const NumberSet& list = report.periods[period].list;
    const NumberSet shown = report.betType == BetType::All ? list : FormCounter::formsOf(list);
    for (std::size_t n = shown._Find_first(); n < kN; n = shown._Find_next(n))
        out.push_back(numberTextOf(static_cast<int>(n)));
    return out;
}

} // namespace p3::core
