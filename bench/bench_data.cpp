// Importing draws, planning bets and intersecting sets, each beside the plain walk of the same work:
// a row-by-row import, a bet plan that raises the multiple one at a time, an intersection that
// searches every set's list for every number.
#include "ratio_report.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "core/data/draw_import.h"
#include "core/history/draw_text_file.h"
#include "core/tools/bet_plan.h"
#include "core/tools/set_tool.h"

using namespace p3::core;

namespace {

std::string drawText(int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += std::to_string(1000000 + i) + ' ' + std::to_string(100 + i % 900) + "\r\n";
    return text;
}

struct BenchDatabase {
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("p3bench-data-" + std::to_string(::getpid()) + ".sqlite");
    std::optional<DrawDatabase> db;
    LotteryInfo lottery{"bench", "体彩", 0, 3};
    BenchDatabase() {
        std::filesystem::remove(file);
        db.emplace(std::move(*DrawDatabase::create(file)));
        (void)db->addLottery(lottery.name, lottery.kind, lottery.id, 3);
    }
    ~BenchDatabase() {
        db.reset();
        std::filesystem::remove(file);
    }
};

void BM_ImportDraws(benchmark::State& state) {
    BenchDatabase b;
    const std::string text = drawText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto out = importDrawText(*b.db, b.lottery, {}, text, ImportMode::Replace);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ImportDraws)->Arg(300)->Arg(100000)->Unit(benchmark::kMillisecond);

// Row by row, each insert its own statement and commit, as a row set without a batch would.
void BM_ImportDrawsRowByRow(benchmark::State& state) {
    BenchDatabase b;
    const std::string text = drawText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        (void)b.db->deleteAllDraws(b.lottery.kind, b.lottery.id);
        for (const Draw& d : parseDrawText(text, 3).draws)
            (void)b.db->insertDraw(b.lottery.kind, b.lottery.id, d.period, d.digits);
    }
}
BENCHMARK(BM_ImportDrawsRowByRow)->Arg(300)->Unit(benchmark::kMillisecond);

const BetPlanInputs kPlan{2, 160, 1, 800, 10};

void BM_BetPlan(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(planBets(kPlan));
}
BENCHMARK(BM_BetPlan)->Unit(benchmark::kMillisecond);

void BM_BetPlanStepByOne(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<BetPlanRow> rows;
        std::int64_t m = kPlan.startMultiple;
        Money c = 0;
        for (int p = 1; p <= kPlan.periods; ++p) {
            for (;; ++m) {
                const Money cost = kPlan.unitCost * m, total = c + cost;
                const Money profit = kPlan.unitPrize * m - total;
                const auto rate = RoundRate(profit, total);
                if (Money(rate) < kPlan.rate) continue;
                rows.push_back({p, m, cost, total, kPlan.unitPrize * m, profit, std::to_string(rate) + "%"});
                c = total;
                break;
            }
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_BetPlanStepByOne)->Unit(benchmark::kMillisecond);

SetList makeSets() {
    std::mt19937 rng(3);
    SetList list;
    for (int s = 0; s < 8; ++s) {
        NamedSet set{"s" + std::to_string(s), {}, true, s != 3, s == 5};
        for (int i = 0; i < 600; ++i) {
            const int v = static_cast<int>(rng() % 1000);
            set.numbers.push_back({static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                                   static_cast<char>('0' + v % 10)});
        }
        list.add(set);
    }
    return list;
}

void BM_SetIntersect(benchmark::State& state) {
    const SetList list = makeSets();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.intersect(SetTolerance{0, 1}));
}
BENCHMARK(BM_SetIntersect)->Unit(benchmark::kMicrosecond);

void BM_SetIntersectListSearch(benchmark::State& state) {
    const SetList list = makeSets();
    for (auto _ : state) {
        std::vector<std::string> out;
        for (int v = 0; v < 1000; ++v) {
            const std::string n{static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                                static_cast<char>('0' + v % 10)};
            int misses = 0;
            bool rejected = false;
            for (const NamedSet& s : list.sets()) {
                const bool in = std::find(s.numbers.begin(), s.numbers.end(), n) != s.numbers.end();
                if (in == s.keep) continue;
                if (s.tolerate)
                    ++misses;
                else {
                    rejected = true;
                    break;
                }
            }
            if (!rejected && misses <= 1) out.push_back(n);
        }
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_SetIntersectListSearch)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(argc, argv,
                                    {{"BM_ImportDraws/300", "BM_ImportDrawsRowByRow/300"},
                                     {"BM_BetPlan", "BM_BetPlanStepByOne"},
                                     {"BM_SetIntersect", "BM_SetIntersectListSearch"}});
}
