#pragma once
// Runs the registered benchmarks and then prints, for each named pair, how many times faster
// the production path is than the plain implementation beside it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace p3::bench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const {
        auto it = m_seconds.find(name);
        return it == m_seconds.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

/// pairs: (production benchmark, plain benchmark)
inline int runWithRatios(int argc, char** argv,
                         const std::vector<std::pair<std::string, std::string>>& pairs) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-40s %-40s %s\n", "production", "plain", "plain/production");
    for (const auto& [fast, plain] : pairs) {
        const double a = reporter.time(fast);
        const double b = reporter.time(plain);
        if (a > 0 && b > 0) std::printf("%-40s %-40s %.1fx\n", fast.c_str(), plain.c_str(), b / a);
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace p3::bench
