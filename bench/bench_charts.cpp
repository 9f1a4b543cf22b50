// Building each of the charts over 10 000 draws, and three of them beside a plain implementation that
// tests every cell by comparing the column header with the draw's value text through ContainsWord.
#include "ratio_report.h"

#include <random>

#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_catalogue.h"

using namespace p3::core;

namespace {

DrawList makeDraws(std::size_t n) {
    std::mt19937 rng(3);
    DrawList draws;
    draws.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string s;
        for (int k = 0; k < 5; ++k)
            s += static_cast<char>('0' + rng() % 10);
        draws.push_back({std::to_string(2000000 + i), s});
    }
    return draws;
}

const DrawList& draws10k() {
    static const DrawList draws = makeDraws(10000);
    return draws;
}

/// The value text a plain chart compares each column header of a group with.
using GroupText = std::string (*)(const DigitArray&);

/// The straightforward chart: a text grid filled cell by cell, each cell marked when its header is a word
/// of the group's value text, then the statistics walk of every column.
std::vector<std::vector<std::string>> plainChart(const ChartGrid& layout,
                                                 const std::vector<GroupText>& groupTexts,
                                                 const std::vector<int>& groupOfColumn) {
    const auto& draws = draws10k();
    std::vector<std::vector<std::string>> cells(
        draws.size() + 10, std::vector<std::string>(static_cast<std::size_t>(layout.columnCount())));
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const DigitArray d = toDigits(draws[i].digits.substr(0, 3));
        auto& row = cells[i + 2];
        row[0] = draws[i].period;
        row[1] = draws[i].digits.substr(0, 3);
        row[2] = std::string(Get_Fun_Class::GetOrderShapeText(d));
        row[3] = std::to_string(digitSum(d));
        row[4] = std::to_string(Get_Fun_Class::GetSpan(d));
        for (int c = 5; c < layout.columnCount(); ++c) {
            const int g = groupOfColumn[static_cast<std::size_t>(c)];
            const std::string& header = layout.column(c).header;
            if (g < 0 || header.empty()) continue;
            if (Get_Fun_Class::ContainsWord(header, groupTexts[static_cast<std::size_t>(g)](d)))
                row[static_cast<std::size_t>(c)] = header;
        }
    }
    const std::size_t n = draws.size();
    for (int c = 5; c < layout.columnCount(); ++c) {
        int hits = 0, gap = 0, maxGap = 0, run = 1, maxRun = 1;
        for (std::size_t r = 2; r < n + 2; ++r) {
            if (!cells[r][static_cast<std::size_t>(c)].empty()) {
                ++hits, maxGap = std::max(maxGap, gap), gap = 0;
                if (r > 2 && !cells[r - 1][static_cast<std::size_t>(c)].empty())
                    maxRun = std::max(maxRun, ++run);
                else
                    run = 1;
            } else {
                ++gap;
            }
        }
        cells[n + 4][static_cast<std::size_t>(c)] = std::to_string(hits);
        cells[n + 5][static_cast<std::size_t>(c)] = std::to_string(gap);
        cells[n + 7][static_cast<std::size_t>(c)] = std::to_string(maxGap);
        cells[n + 8][static_cast<std::size_t>(c)] = std::to_string(maxRun);
    }
    return cells;
}

std::vector<int> groupColumns(const ChartGrid& layout) {
    std::vector<int> groupOf(static_cast<std::size_t>(layout.columnCount()), -1);
    int g = 0;
    for (const auto& span : layout.groups()) {
        if (span.first < 5) continue;
        for (int c = span.first; c <= span.last; ++c)
            groupOf[static_cast<std::size_t>(c)] = g;
        ++g;
    }
    return groupOf;
}

std::string digitText(int v) {
    return std::to_string(v);
}

const std::vector<GroupText> kRegularTexts{
    [](const DigitArray& d) { return digitText(d[0]); }, [](const DigitArray& d) { return digitText(d[1]); },
    [](const DigitArray& d) { return digitText(d[2]); },
    [](const DigitArray& d) {
        DigitArray s = d;
        Get_Fun_Class::SortDigits(s);
        return std::string(s[0] == s[2] ? "A" : (s[0] == s[1] || s[1] == s[2] ? "B" : "C"));
    },
    [](const DigitArray& d) {
        const auto type = Get_Fun_Class::GetGroupTypeText(d);
        return std::string(type == "豹子"   ? "A"
                           : type == "组三" ? "B"
                           : type == "顺子" ? "C"
                           : type == "半顺" ? "D"
                                            : "E");
    }};

const std::vector<GroupText> kGroupTexts{
    [](const DigitArray& d) { return digitText(d[0]) + " " + digitText(d[1]) + " " + digitText(d[2]); },
    [](const DigitArray& d) { return digitText(*std::min_element(d.begin(), d.begin() + 3)); },
    [](const DigitArray& d) {
        DigitArray s = d;
        Get_Fun_Class::SortDigits(s);
        return digitText(s[1]);
    },
    [](const DigitArray& d) { return digitText(*std::max_element(d.begin(), d.begin() + 3)); }};

const std::vector<GroupText> kSumTexts{
    [](const DigitArray& d) { return digitText(digitSum(d)); },
    [](const DigitArray& d) { return std::string(digitSum(d) % 2 ? "奇" : "偶"); },
    [](const DigitArray& d) { return digitText(digitSum(d) % 3); }};

void BM_Chart(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const auto& draws = draws10k();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildChart(kind, draws));
}
BENCHMARK(BM_Chart)->DenseRange(1, 28)->DenseRange(30, 36)->DenseRange(38, 41)->Unit(benchmark::kMillisecond);

void runPlain(benchmark::State& state, int kind, const std::vector<GroupText>& texts) {
    const ChartGrid layout = *BuildChart(kind, DrawList{});
    const auto groupOf = groupColumns(layout);
    for (auto _ : state)
        benchmark::DoNotOptimize(plainChart(layout, texts, groupOf));
}
void BM_ChartPlain1(benchmark::State& state) {
    runPlain(state, 1, kRegularTexts);
}
void BM_ChartPlain2(benchmark::State& state) {
    runPlain(state, 2, kGroupTexts);
}
void BM_ChartPlain6(benchmark::State& state) {
    runPlain(state, 6, kSumTexts);
}
BENCHMARK(BM_ChartPlain1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartPlain2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartPlain6)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(argc, argv,
                                    {{"BM_Chart/1", "BM_ChartPlain1"},
                                     {"BM_Chart/2", "BM_ChartPlain2"},
                                     {"BM_Chart/6", "BM_ChartPlain6"}});
}
