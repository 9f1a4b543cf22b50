#include "core/shrink/backtest.h"

#include <algorithm>

#include "core/shrink/series_history.h"

namespace p3::core {
namespace {

/// Whether a line reads the history at run time or through sets that the editor takes from it.
bool dependsOnHistory(ConditionKind kind, const std::string& content) {
    if (kind == 25 || kind == 16 || kind == 17 || kind == 18) return true;
    return kind == 21 && content.find('%') != std::string::npos;
}

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

Result<BacktestReport> Backtest(const ConditionList& list, const DrawList& draws, const TrackTable& table,
                                std::size_t lastPeriods, const TotalTolerance& tolerance) {
    const SeriesHistory full{&draws, &table};
    auto compiled = compileConditions(list, full);
    if (!compiled) return std::unexpected(compiled.error());
    if (lastPeriods == 0 || draws.empty()) return fail("没有可回测的期数");
    CompiledFilter filter = std::move(*compiled);
    BacktestReport report;
    report.unknownRows = filter.unknownRows;
    std::vector<std::size_t> historyLines;
    for (std::size_t i = 0; i < filter.lines.size(); ++i) {
        const auto& line = list[static_cast<std::size_t>(filter.lines[i].row - 1)];
        if (dependsOnHistory(filter.lines[i].kind, line.content)) historyLines.push_back(i);
    }
    std::vector<std::size_t> kept(filter.lines.size(), 0), passedReal(filter.lines.size(), 0);
    std::size_t sizeSum = 0;
    const std::size_t first = draws.size() > lastPeriods ? draws.size() - lastPeriods : 0;
    for (std::size_t p = first; p < draws.size(); ++p) {
        const int real = numberIndex(std::string_view(draws[p].digits).substr(0, 3));
        if (real < 0) continue; // a stored draw that is not three digits cannot be tested
        const SeriesHistory before{&draws, &table, p};
        for (std::size_t i : historyLines) {
            auto& line = filter.lines[i];
            const auto& source = list[static_cast<std::size_t>(line.row - 1)];
            const std::string content = refreshReferenceContent(line.kind, source.content, before);
            const NumberSet satisfied =
                evaluateLineTable(line.kind, source.levelTolerance(), content, before);
            line.passes = line.expected ? satisfied : ~satisfied;
        }
        const NumberSet survivorsNow = survivors(filter, tolerance);
        BacktestPeriod period{draws[p].period,
                              draws[p].digits.substr(0, 3),
                              survivorsNow[static_cast<std::size_t>(real)],
                              survivorsNow.count(),
                              {}};
        for (std::size_t i = 0; i < filter.lines.size(); ++i) {
            const auto& line = filter.lines[i];
            kept[i] += line.passes.count();
            if (line.passes[static_cast<std::size_t>(real)])
                ++passedReal[i];
            else
                period.failedRows.push_back(line.row);
        }
        report.hits += period.survived;
        sizeSum += period.count;
        report.periods.push_back(std::move(period));
    }
    const double n = static_cast<double>(report.periods.size());
    if (n == 0) return fail("没有可回测的期数");
    report.hitRate = static_cast<double>(report.hits) / n;
    report.meanSize = static_cast<double>(sizeSum) / n;
    report.randomHitRate = report.meanSize / kNumberCount;
    for (std::size_t i = 0; i < filter.lines.size(); ++i) {
        BacktestLine stats;
        stats.row = filter.lines[i].row;
        stats.keyword = list[static_cast<std::size_t>(stats.row - 1)].keyword;
        stats.shareKept = static_cast<double>(kept[i]) / (n * kNumberCount);
        stats.rejected = report.periods.size() - passedReal[i];
        const double passRate = static_cast<double>(passedReal[i]) / n;
        stats.lift = stats.shareKept > 0 ? passRate / stats.shareKept : 0;
        report.lines.push_back(std::move(stats));
    }
    return report;
}

} // namespace p3::core
