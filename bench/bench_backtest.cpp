// The scheme evaluation (方案评估) over the real 福彩3D history with one line of every kind: the backtest
// as the window runs it, against compiling every line again every period.
#include "ratio_report.h"

#include "core/history/draw_text_file.h"
#include "core/shrink/backtest.h"

using namespace p3::core;

namespace {

struct Fixture {
    DrawList draws;
    TrackTable table;
    ConditionList list;
    BacktestSettings settings;

    Fixture() {
        draws = readDrawTextFile(std::string(P3_SAMPLES_DIR) + "/fc3d.txt", 3)->draws;
        table = TrackTable::ComputeTrackTable(draws, {"13579", "24680", "97531"}, 3);
        const std::vector<std::pair<std::string, std::string>> lines{
            {"组选类型", "组选类型~组三_连 组三_不连 半顺 杂六~1~0&"},
            {"顺序排序", "最小号~0 1 2 3~1~1&最大号~6 7 8 9~1~1&"},
            {"大小参数", "组选大小~2小1大 2大1小~1~1&直选大小~小小小 大大大~0~1&"},
            {"奇偶参数", "组选奇偶~3奇 3偶~0~1&"},
            {"质合参数", "直选质合~质质质~0~1&"},
            {"和值", "和值~8 9 10 11 12 13 14 15 16 17 18 19~1~0&"},
            {"定位号码", "百位~0 1 2 3 4 5 6 7~1~1&"},
            {"定位复式", "按位复式~1^0123/456/789^123~1~1&"},
            {"号码组", "号码组~1^0257^12^1~1~1&"},
            {"合值", "合值~0 1 2 3 4 5 6 7~1~1&合值大小~大数~1~1&"},
            {"跨度", "跨度~2 3 4 5 6 7~1~1&跨度012路~0路 1路~1~1&"},
            {"群号", "群号~0号 1号 2号 3号 4号 5号 6号 7号~1~0&"},
            {"连号", "连号~豹子~0~0&"},
            {"012路", "组选排列~300 030 003~0~1&直选排列~012 120 201~1~1&"},
            {"大中小", "大数个数~0 1 2~1~1&形态~b c~1~1&"},
            {"复隔中", "组选排列~2复1隔 1复2隔 1复1隔1中 2隔1中~1~1&形态~b c~1~1&035^128^4679%0"},
            {"邻孤传", "邻码个数~0 1 2~1~1&18^234567^09%0"},
            {"热温冷", "热码个数~0 1 2~1~1&124^356^0789%0"},
            {"位和", "百+十~3 4 5 6 7 8 9 10 11 12 13 14~1~1&任意两码和~7 8 9 10^1 2 ^1~1~1&"},
            {"位合", "百+十(位合)~0 1 2 3 4 5 6~1~1&"},
            {"任意位合", "任意位合~1 3 5^1 2 ^1~1~1&复隔中~2复1隔 1复1隔1中~0~1&358^09^12467%0"},
            {"位差", "任意位差~1 2 3^1 2 ^0~1~1&百-十(绝对值)~9~0~1&"},
            {"偏态", "三细分~偏态 真正~1~1&"},
            {"二码过滤", "任意二码~00 11 22 33~0~1&"},
            {"已出号码", "已出号码~30^0~0~0&%0"},
        };
        for (const auto& [keyword, content] : lines)
            list.push_back({"1", keyword, "2|2|0-1", "1", "1", content});
        settings.tolerance = {true, 0, 3};
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

/// Every line compiled again from its text every period, the history lines' code lists made first.
std::size_t recompileEveryPeriod(const Fixture& f, std::size_t periods) {
    std::size_t hits = 0;
    const auto range = lastPeriodsRange(f.draws, periods);
    for (std::size_t p = range.first; p < range.end; ++p) {
        const SeriesHistory before{&f.draws, &f.table, p};
        ConditionList list = f.list;
        for (auto& line : list)
            line.content = refreshReferenceContent(KindOfKeyword(line.keyword), line.content, before);
        const auto filter = compileConditions(list, before);
        const NumberSet kept = survivors(*filter, f.settings.tolerance);
        hits += kept[static_cast<std::size_t>(numberIndex(f.draws[p].digits.substr(0, 3)))];
    }
    return hits;
}

void BM_Backtest1000x25(benchmark::State& state) {
    const auto& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Backtest(f.list, f.draws, f.table, lastPeriodsRange(f.draws, 1000), f.settings));
}
BENCHMARK(BM_Backtest1000x25)->Unit(benchmark::kMillisecond);

void BM_Recompile1000x25(benchmark::State& state) {
    const auto& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(recompileEveryPeriod(f, 1000));
}
BENCHMARK(BM_Recompile1000x25)->Unit(benchmark::kMillisecond);

void BM_BacktestWholeHistory(benchmark::State& state) {
    const auto& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Backtest(f.list, f.draws, f.table, lastPeriodsRange(f.draws, f.draws.size()), f.settings));
}
BENCHMARK(BM_BacktestWholeHistory)->Unit(benchmark::kMillisecond);

void BM_RecompileWholeHistory(benchmark::State& state) {
    const auto& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(recompileEveryPeriod(f, f.draws.size()));
}
BENCHMARK(BM_RecompileWholeHistory)->Unit(benchmark::kMillisecond);

void BM_HitOddsWholeHistory(benchmark::State& state) {
    std::vector<double> chances(7753);
    for (std::size_t i = 0; i < chances.size(); ++i)
        chances[i] = static_cast<double>(40 + i % 60) / 1000;
    for (auto _ : state)
        benchmark::DoNotOptimize(upperTailProbability(chances, 700));
}
BENCHMARK(BM_HitOddsWholeHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(argc, argv,
                                    {{"BM_Backtest1000x25", "BM_Recompile1000x25"},
                                     {"BM_BacktestWholeHistory", "BM_RecompileWholeHistory"}});
}
