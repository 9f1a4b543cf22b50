// Omission statistics of one kind: counters, order, formatting, and agreement with a plain text walk.
#include <gtest/gtest.h>

#include "core/attributes/get_fun_class.h"
#include "core/history/draw_text_file.h"
#include "core/io/ini_file.h"
#include "core/stats/omission_statistics.h"
#include "core/stats/statistic_kinds.h"

using namespace p3::core;

namespace {

std::size_t indexOf(const Tj_Inf& info, const std::string& value) {
    auto it = std::find(info.values.begin(), info.values.end(), value);
    return static_cast<std::size_t>(it - info.values.begin());
}

/// The counters as the value texts of the work list describe them, one value at a time.
struct Plain {
    int count = 0, maxGap = 0, current = 0, maxRun = 1;
};
Plain plainCounters(const std::vector<std::string>& texts, const std::string& value, bool multi) {
    Plain p;
    int run = 1;
    for (std::size_t r = 0; r < texts.size(); ++r) {
        const auto occurs = [&](std::size_t row) {
            return multi ? Get_Fun_Class::ContainsWord(value, texts[row]) : texts[row] == value;
        };
        if (occurs(r)) {
            ++p.count;
            p.maxGap = std::max(p.maxGap, p.current);
            p.current = -1;
            if (r > 0) {
                if (occurs(r - 1))
                    p.maxRun = std::max(p.maxRun, ++run);
                else
                    run = 1;
            }
        }
        ++p.current;
    }
    return p;
}

} // namespace

TEST(OmissionFormat, QuotientsRoundHalvesAwayFromZeroFromTheIntegers) {
    EXPECT_EQ(formatQuotient(15, 1000), "0.02"); // 0.015 exactly; binary printf would say 0.01
    EXPECT_EQ(formatQuotient(-15, 1000), "-0.02");
    EXPECT_EQ(formatQuotient(1250, 100), "12.5");
    EXPECT_EQ(formatQuotient(300, 100), "3");
    EXPECT_EQ(formatQuotient(-40, 100), "-0.4");
    EXPECT_EQ(formatQuotient(-1, 1000), "0"); // never "-0"
    EXPECT_EQ(formatQuotient(100, 12), "8.33");
    EXPECT_EQ(formatQuotient(1000, 3), "333.33");
    EXPECT_EQ(formatQuotient(2, 3), "0.67");
    EXPECT_EQ(roundHalfEven(5, 2), 2);
    EXPECT_EQ(roundHalfEven(7, 2), 4);
    EXPECT_EQ(roundHalfEven(10, 3), 3);
    EXPECT_EQ(roundHalfEven(11, 3), 4);
}

TEST(OmissionStatistics, CountersOmissionsAndRuns) {
    // 百位号 of ten draws, oldest first: 5 5 1 2 1 3 3 3 4 1.
    const std::vector<int> work{500, 511, 122, 200, 100, 300, 333, 399, 400, 199};
    const IniFile ini = makeDirectCountIni();
    const Tj_Inf info = ComputeKindStatistics(1, work, ini);
    EXPECT_EQ(info.name, "百位号");
    // Counts 3 (3), 3 (1), 2 (5), 1 (4), 1 (2): ties keep the newest-first order 1 then 3, and 4 before 2.
    EXPECT_EQ(info.values, (std::vector<std::string>{"1", "3", "5", "4", "2"}));
    const auto one = indexOf(info, "1"), three = indexOf(info, "3"), five = indexOf(info, "5"),
               four = indexOf(info, "4"), two = indexOf(info, "2");
    EXPECT_EQ(info.currentOmission[one], 0);  // in the newest draw
    EXPECT_EQ(info.currentOmission[five], 8); // only in the two oldest draws
    EXPECT_EQ(info.maximumOmission[five], 0);
    EXPECT_EQ(info.maximumRun[five], 2); // a run starting with the oldest draw
    EXPECT_EQ(info.maximumRun[three], 3);
    EXPECT_EQ(info.maximumOmission[three], 5);  // first comes out in the sixth draw
    EXPECT_EQ(info.maximumOmission[one], 4);    // rows 4 → 9
    EXPECT_EQ(info.lastOmission[one], 4);       // between rows 4 and 9
    EXPECT_EQ(info.secondLastOmission[one], 1); // between rows 2 and 4
    EXPECT_EQ(info.thirdLastOmission[one], 2);  // rows before row 2
    EXPECT_EQ(info.lastOmission[two], 3);       // occurred once, in row 3
    EXPECT_EQ(info.secondLastOmission[two], 0);
    EXPECT_EQ(info.lastOmission[four], 8);
    EXPECT_EQ(info.cell(one, 2), "30%");
    EXPECT_EQ(info.cell(one, 3), "10%");
    EXPECT_EQ(info.cell(one, 4), "20%");
    EXPECT_EQ(info.cell(one, 5), "10");
    EXPECT_EQ(info.cell(one, 6), "3.33");
    EXPECT_EQ(info.cell(five, 13), "0.8"); // current omission 8 over the period 10
    EXPECT_EQ(info.cell(one, 14), "100注");
}

TEST(OmissionStatistics, ProbabilitiesAndMissingDirectCounts) {
    // 100 draws, 和值 12 come out 12 times.
    std::vector<int> work(100, 0);
    for (int i = 0; i < 12; ++i)
        work[static_cast<std::size_t>(i * 8)] = 390;
    IniFile ini;
    ini.setInt("和值", "0", 10);
    const Tj_Inf info = ComputeKindStatistics(13, work, ini);
    const auto twelve = indexOf(info, "12"), zero = indexOf(info, "0");
    EXPECT_EQ(info.cell(twelve, 2), "12%");
    EXPECT_EQ(info.cell(twelve, 6), "8.33");
    EXPECT_EQ(info.cell(twelve, 3), "0%");  // no key: direct count 0
    EXPECT_EQ(info.cell(twelve, 4), "12%"); // deviation equals the probability
    EXPECT_EQ(info.cell(twelve, 5), "-");
    EXPECT_EQ(info.cell(twelve, 13), "-");
    EXPECT_EQ(info.cell(twelve, 14), "0注");
    EXPECT_EQ(info.cell(zero, 3), "1%");
    EXPECT_EQ(info.cell(zero, 4), "87%");

    // Probability 0.5% against a direct count of 10: deviation -0.5%.
    std::vector<int> many(1000, 111);
    for (int i = 0; i < 5; ++i)
        many[static_cast<std::size_t>(i)] = 12;
    const Tj_Inf pairs = ComputeKindStatistics(42, many, ini);
    EXPECT_EQ(pairs.cell(indexOf(pairs, "01"), 2), "0.5%");
    EXPECT_EQ(pairs.cell(indexOf(pairs, "01"), 4), "-0.5%");
}

TEST(OmissionStatistics, MultiValuedKindsCountADrawOnce) {
    const IniFile ini = makeDirectCountIni();
    const std::vector<int> work{113, 235};
    const Tj_Inf sums = ComputeKindStatistics(22, work, ini);
    EXPECT_EQ(sums.values, (std::vector<std::string>{"5", "7", "8", "2", "4"}));
    EXPECT_EQ(sums.counts[indexOf(sums, "4")], 1);
    const Tj_Inf six = ComputeKindStatistics(47, work, ini); // 113 counts for no 组六 value
    EXPECT_EQ(six.values.size(), 7u);
    EXPECT_EQ(six.currentOmission[0], 0);
    EXPECT_EQ(six.maximumOmission[0], 1);
    const Tj_Inf eight = ComputeKindStatistics(61, work, ini);
    EXPECT_EQ(eight.cell(0, 14), "512注");
    EXPECT_EQ(eight.values[0].size(), 8u);
    EXPECT_TRUE(ComputeKindStatistics(30, work, ini).values.empty());
}

TEST(OmissionStatistics, AgreesWithThePlainTextWalkOverTheSampleHistory) {
    auto parsed = readDrawTextFile(std::string(P3_SAMPLES_DIR) + "/fc3d.txt", 3);
    ASSERT_TRUE(parsed.has_value());
    const auto work = analysedNumbers(parsed->draws, parsed->draws.size() - 300, parsed->draws.size() - 1);
    const IniFile ini = makeDirectCountIni();
    for (int kind = 1; kind <= kStatisticKindCount; ++kind) {
        if (kind == kUncomputedKind) continue;
        const Tj_Inf info = ComputeKindStatistics(kind, work, ini);
        std::vector<std::string> texts;
        for (int number : work)
            texts.push_back(statisticValueText(kind, number));
        const bool multi = isMultiValuedKind(kind);
        int total = 0;
        for (std::size_t i = 0; i < info.size(); ++i) {
            const Plain p = plainCounters(texts, info.values[i], multi);
            ASSERT_EQ(info.counts[i], p.count) << kind << " " << info.values[i];
            EXPECT_EQ(info.maximumOmission[i], p.maxGap) << kind << " " << info.values[i];
            EXPECT_EQ(info.currentOmission[i], p.current) << kind << " " << info.values[i];
            EXPECT_EQ(info.maximumRun[i], p.maxRun) << kind << " " << info.values[i];
            EXPECT_EQ(info.lastOmission[i], OmissionBeforeOccurrence(texts, info.values[i], 1, multi));
            EXPECT_EQ(info.secondLastOmission[i], OmissionBeforeOccurrence(texts, info.values[i], 2, multi));
            EXPECT_EQ(info.thirdLastOmission[i], OmissionBeforeOccurrence(texts, info.values[i], 3, multi));
            if (i > 0) {
                EXPECT_GE(info.counts[i - 1], info.counts[i]);
            }
            total += info.counts[i];
        }
        if (!multi) {
            EXPECT_EQ(total, 300) << kind;
        }
    }
}
