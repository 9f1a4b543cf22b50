// All 60 statistic kinds over 10 000 draws, beside a plain implementation that walks value texts and tests
// each value of each row with ContainsWord, as the window's work list does.
#include "ratio_report.h"

#include <algorithm>
#include <random>

#include "core/attributes/get_fun_class.h"
#include "core/io/ini_file.h"
#include "core/stats/omission_statistics.h"
#include "core/stats/statistic_kinds.h"

using namespace p3::core;

namespace {

std::vector<int> makeWorkList(std::size_t n) {
    std::mt19937 rng(7);
    std::vector<int> numbers(n);
    for (auto& v : numbers)
        v = static_cast<int>(rng() % 1000);
    return numbers;
}

const IniFile& directCounts() {
    static const IniFile ini = makeDirectCountIni();
    return ini;
}

/// The straightforward walk: value texts in the work list, values found by splitting them, every
/// (row, value) pair tested by text, the k-th latest omissions by scanning back.
std::vector<std::string> plainKind(int kind, const std::vector<int>& work) {
    const bool multi = isMultiValuedKind(kind);
    std::vector<std::string> texts;
    texts.reserve(work.size());
    for (int number : work)
        texts.push_back(statisticValueText(kind, number));
    std::vector<std::string> values;
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        const auto tokens = multi ? Get_Fun_Class::SplitText(" ", *it, false) : std::vector<std::string>{*it};
        for (const auto& token : tokens)
            if (!token.empty() && std::find(values.begin(), values.end(), token) == values.end())
                values.push_back(token);
    }
    const std::size_t m = values.size();
    std::vector<int> count(m), current(m), maxGap(m), maxRun(m, 1), run(m, 1);
    for (std::size_t r = 0; r < texts.size(); ++r) {
        for (std::size_t v = 0; v < m; ++v) {
            const bool hit = multi ? Get_Fun_Class::ContainsWord(values[v], texts[r]) : texts[r] == values[v];
            if (!hit) continue;
            ++count[v];
            maxGap[v] = std::max(maxGap[v], current[v]);
            current[v] = -1;
            if (r > 0) {
                const bool before =
                    multi ? Get_Fun_Class::ContainsWord(values[v], texts[r - 1]) : texts[r - 1] == values[v];
                if (before)
                    maxRun[v] = std::max(maxRun[v], ++run[v]);
                else
                    run[v] = 1;
            }
            if (!multi) break;
        }
        for (auto& c : current)
            ++c;
    }
    std::vector<std::string> cells;
    for (std::size_t v = 0; v < m; ++v) {
        const std::int64_t d = directCount(kind, values[v], directCounts());
        cells.push_back(
            formatQuotient(std::int64_t{count[v]} * 100, static_cast<std::int64_t>(texts.size())));
        cells.push_back(d ? formatQuotient(1000, d) : "-");
        for (int k = 1; k <= 3; ++k)
            cells.push_back(std::to_string(OmissionBeforeOccurrence(texts, values[v], k, multi)));
    }
    return cells;
}

void BM_AllKinds(benchmark::State& state) {
    const auto work = makeWorkList(static_cast<std::size_t>(state.range(0)));
    const auto kinds = statisticKindsInBoxOrder();
    for (int kind : kinds)
        (void)kindValueTable(kind); // prepared once per run of the program
    for (auto _ : state)
        for (int kind : kinds)
            benchmark::DoNotOptimize(ComputeKindStatistics(kind, work, directCounts()));
}
BENCHMARK(BM_AllKinds)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AllKindsPlain(benchmark::State& state) {
    const auto work = makeWorkList(static_cast<std::size_t>(state.range(0)));
    const auto kinds = statisticKindsInBoxOrder();
    for (auto _ : state)
        for (int kind : kinds)
            benchmark::DoNotOptimize(plainKind(kind, work));
}
BENCHMARK(BM_AllKindsPlain)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(argc, argv,
                                    {{"BM_AllKinds/10000", "BM_AllKindsPlain/10000/iterations:1"}});
}
