// Loading a set list (*.SGL): the production loader, whose free-name search is a hash lookup, beside
// the plain walk that compares every candidate name with every set already loaded. Many sets of one
// name made that walk cubic; many distinct names quadratic.
#include "ratio_report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/io/text_codec.h"
#include "core/tools/set_tool.h"

using namespace p3::core;

namespace {

std::string setListText(int sets, bool oneName) {
    std::string text;
    for (int i = 0; i < sets; ++i) {
        text += "{1," + (oneName ? std::string("甲组") : "组" + std::to_string(i)) + ",1,0}\r\n";
        text += std::to_string(100 + i % 900) + " 456 789 \r\n";
    }
    return text;
}

/// The plain rule as first written: scan all sets for each candidate name(k).
std::vector<NamedSet> plainLoad(std::string_view text) {
    std::vector<NamedSet> sets;
    auto taken = [&](const std::string& n) {
        return std::any_of(sets.begin(), sets.end(), [&](const NamedSet& s) { return s.name == n; });
    };
    auto add = [&](NamedSet set) {
        std::string candidate = set.name;
        for (int k = 1; taken(candidate); ++k)
            candidate = set.name + "(" + std::to_string(k) + ")";
        set.name = candidate;
        sets.push_back(std::move(set));
    };
    // The same reading of headers and number lines as the production loader.
    const auto loaded = SetList::fromSgl(text);
    for (const NamedSet& s : loaded->sets()) {
        NamedSet copy = s;
        const auto open = copy.name.rfind('(');
        if (open != std::string::npos) copy.name.resize(open); // back to the name the file gave
        add(std::move(copy));
    }
    return sets;
}

void loadDistinct(benchmark::State& state, bool plain) {
    const std::string text = setListText(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        if (plain) {
            benchmark::DoNotOptimize(plainLoad(text));
        } else {
            benchmark::DoNotOptimize(SetList::fromSgl(text));
        }
    }
}

void loadOneName(benchmark::State& state, bool plain) {
    const std::string text = setListText(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        if (plain) {
            benchmark::DoNotOptimize(plainLoad(text));
        } else {
            benchmark::DoNotOptimize(SetList::fromSgl(text));
        }
    }
}

void BM_SetListDistinct(benchmark::State& s) {
    loadDistinct(s, false);
}
void BM_SetListDistinctPlain(benchmark::State& s) {
    loadDistinct(s, true);
}
void BM_SetListOneName(benchmark::State& s) {
    loadOneName(s, false);
}
void BM_SetListOneNamePlain(benchmark::State& s) {
    loadOneName(s, true);
}

} // namespace

// The plain walk is run on smaller lists (it takes minutes on the large ones); the production path
// is also timed on the 200 000 sets the loader must take well under a second.
BENCHMARK(BM_SetListDistinct)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetListDistinctPlain)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SetListOneName)->Arg(1500)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetListOneNamePlain)->Arg(1500)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return p3::bench::runWithRatios(
        argc, argv,
        {{"BM_SetListDistinct/20000", "BM_SetListDistinctPlain/20000/iterations:1"},
         {"BM_SetListOneName/1500", "BM_SetListOneNamePlain/1500/iterations:1"}});
}
