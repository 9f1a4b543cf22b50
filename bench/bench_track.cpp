// The track table over 100 000 draws and loading a 10 000-draw lottery, each beside a plain
// string-based implementation of the same work.
#include "ratio_report.h"

#include <filesystem>
#include <random>

#include "core/history/track_table.h"
#include "core/store/draw_database.h"
#include "core/store/load_lottery.h"

using namespace p3::core;

namespace {

DrawList makeDraws(std::size_t n, int digits) {
    std::mt19937 rng(1);
    DrawList draws;
    draws.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string s;
        for (int k = 0; k < digits; ++k)
            s += static_cast<char>('0' + rng() % 10);
        draws.push_back({std::to_string(2000000 + i), s});
    }
    return draws;
}

const std::vector<std::string> kPublic{"13579", "24680", "97531", "08642", "11223", "44556", "77889",
                                       "90011", "36925", "81470", "25814", "70369", "14703", "69258",
                                       "03692", "58147", "47036", "92581", "62840", "39517"};

// The straightforward way: every level a list of texts, every entry a new string.
std::vector<std::vector<std::string>> plainTrackLevels(const DrawList& draws, int d) {
    std::vector<std::string> seq;
    for (const auto& p : kPublic)
        seq.push_back(p.substr(0, d));
    for (std::size_t i = 1; i < draws.size(); ++i)
        seq.push_back(draws[i].digits.substr(0, d));
    std::vector<std::vector<std::string>> levels;
    const std::vector<std::string>* below = &seq;
    for (int level = 0; level < kTrackLevels; ++level) {
        std::vector<std::string> cur(seq.size());
        for (std::size_t t = level + 1; t < seq.size(); ++t) {
            std::string e;
            for (int i = 0; i < d; ++i)
                e += std::to_string((((*below)[t][i] - '0') - ((*below)[t - 1][i] - '0') + 10) % 10);
            cur[t] = e;
        }
        levels.push_back(std::move(cur));
        below = &levels.back();
    }
    return levels;
}

void BM_TrackTable(benchmark::State& state) {
    auto draws = makeDraws(static_cast<std::size_t>(state.range(0)), 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(TrackTable::ComputeTrackTable(draws, kPublic, 5));
}
BENCHMARK(BM_TrackTable)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TrackTablePlainStrings(benchmark::State& state) {
    auto draws = makeDraws(static_cast<std::size_t>(state.range(0)), 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(plainTrackLevels(draws, 5));
}
BENCHMARK(BM_TrackTablePlainStrings)->Arg(100000)->Unit(benchmark::kMillisecond);

struct LoadFixture {
    std::filesystem::path file = std::filesystem::temp_directory_path() / "p3-bench-load.sqlite";
    LoadFixture() {
        std::filesystem::remove(file);
        auto db = DrawDatabase::create(file);
        (void)db->addLottery("bench", "体彩", 1, 3);
        (void)db->appendDraws("体彩", 1, makeDraws(10000, 3));
    }
    ~LoadFixture() { std::filesystem::remove(file); }
};

void BM_LoadLottery(benchmark::State& state) {
    static LoadFixture fixture;
    auto db = DrawDatabase::open(fixture.file);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadLottery(*db, "bench"));
}
BENCHMARK(BM_LoadLottery)->Unit(benchmark::kMillisecond);

// The same load as text lines built by concatenation, as a plain reader would keep them.
void BM_LoadLotteryPlainLines(benchmark::State& state) {
    static LoadFixture fixture;
    auto db = DrawDatabase::open(fixture.file);
    for (auto _ : state) {
        auto draws = db->loadDraws("体彩", 1);
        std::vector<std::string> lines;
        for (const auto& d : *draws)
            lines.push_back(d.period + " " + d.digits);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_LoadLotteryPlainLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(argc, argv,
                                    {{"BM_TrackTable/100000", "BM_TrackTablePlainStrings/100000"},
                                     {"BM_LoadLottery", "BM_LoadLotteryPlainLines"}});
}
