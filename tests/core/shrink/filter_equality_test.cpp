// The compiled filter against the plain walk over thousands of random lines of every kind.
#include <gtest/gtest.h>

#include "core/shrink/base_list.h"
#include "random_lines.h"
#include "reference_walk.h"

using namespace p3::core;

namespace {

struct History {
    DrawList draws;
    TrackTable table;
    History() {
        std::mt19937 rng(7);
        for (int i = 0; i < 60; ++i)
            draws.push_back({std::to_string(2024001 + i), numberTextOf(static_cast<int>(rng() % 1000))});
        table = TrackTable::ComputeTrackTable(draws, {"123", "456", "789", "012", "345", "678", "901"}, 3);
    }
    SeriesHistory view() const { return {&draws, &table}; }
};

const std::vector<std::string>& allNumbers() {
    static const auto all = *BuildBaseList(fullPickGrid(), BetType::All);
    return all;
}

} // namespace

TEST(FilterEquality, EveryKindLineByLine) {
    const History h;
    p3::test::RandomLines random(11);
    for (int kind = 1; kind <= 25; ++kind) {
        int informative = 0; // lines that keep some numbers and remove others
        for (int i = 0; i < 120; ++i) {
            ConditionLine line = random.line(kind);
            line.use = "1";
            const ConditionList list{line};
            const auto compiled = FilterBetList(allNumbers(), list, {}, h.view());
            ASSERT_TRUE(compiled);
            const auto plain = p3::test::referenceFilterWalk(allNumbers(), list, {}, h.view());
            ASSERT_EQ(compiled->kept, plain) << "kind " << kind << " content " << line.content << " counts "
                                             << line.counts << " keep " << line.keep;
            informative += !plain.empty() && plain.size() < 1000;
        }
        EXPECT_GE(informative, 20) << "kind " << kind << " lines decide too little to compare";
    }
}

TEST(FilterEquality, RandomListsWithTotalTolerance) {
    const History h;
    p3::test::RandomLines random(29);
    // A base with duplicates, an order of its own and rows that are not numbers.
    std::vector<std::string> base;
    for (int i = 0; i < 1200; ++i)
        base.push_back(numberTextOf(random.below(1000)));
    base.insert(base.begin() + 5, "12a");
    base.push_back("1234");
    for (int round = 0; round < 300; ++round) {
        ConditionList list;
        const int lines = 1 + random.below(6);
        for (int i = 0; i < lines; ++i)
            list.push_back(random.line(1 + random.below(25)));
        if (random.chance(5)) list.push_back({"1", "不存在", "1|0|无设置", "1", "0", "x~y~1~0"});
        TotalTolerance tolerance;
        tolerance.enabled = random.chance(60);
        tolerance.begin = random.below(3);
        tolerance.end = random.below(4);
        const auto compiled = FilterBetList(base, list, tolerance, h.view());
        const auto plain = p3::test::referenceFilterWalk(base, list, tolerance, h.view());
        if (!compiled) {
            EXPECT_EQ(compiled.error().message, "请选择条件");
            continue;
        }
        ASSERT_EQ(compiled->kept, plain) << "round " << round;
        EXPECT_EQ(compiled->removedInvalid, 2u);
    }
}
