#include <gtest/gtest.h>

#include <algorithm>

#include "core/shrink/base_list.h"
#include "core/shrink/compiled_filter.h"

using namespace p3::core;

namespace {
const std::vector<std::string>& all() {
    static const auto list = *BuildBaseList(fullPickGrid(), BetType::All);
    return list;
}
ConditionLine sumLine(std::string sums, std::string keep = "1", std::string tolerant = "0") {
    return {"1", "和值", "1|0|无设置", std::move(keep), std::move(tolerant), "和值~" + sums + "~1~0&"};
}
std::vector<std::string> run(const ConditionList& list, TotalTolerance t = {}) {
    return FilterBetList(all(), list, t, {})->kept;
}
} // namespace

TEST(FilterRun, KeepAndExcludeSplitTheBase) {
    const auto kept = run({sumLine("10")});
    const auto excluded = run({sumLine("10", "0")});
    EXPECT_EQ(kept.size(), 63u);
    EXPECT_EQ(kept.size() + excluded.size(), 1000u);
    for (const auto& n : kept)
        EXPECT_EQ(std::count(excluded.begin(), excluded.end(), n), 0);
    // An unused line has no effect; all unused is refused; an empty list is refused.
    ConditionList withUnused{sumLine("10"), sumLine("0")};
    withUnused[1].use = "0";
    EXPECT_EQ(run(withUnused), kept);
    withUnused[0].use = "0";
    EXPECT_EQ(FilterBetList(all(), withUnused, {}, {}).error().message, "请选择条件");
    EXPECT_EQ(FilterBetList(all(), {}, {}, {}).error().message, "没有可供过滤的条件");
    EXPECT_TRUE(FilterBetList({}, {sumLine("10")}, {}, {})->kept.empty());
}

TEST(FilterRun, TotalToleranceRange) {
    // Two tolerant lines: 百位 1 and 十位 2.
    const ConditionList two{{"1", "定位号码", "1|0|无设置", "1", "1", "百位~1~1~0&"},
                            {"1", "定位号码", "1|0|无设置", "1", "1", "十位~2~1~0&"}};
    const auto zeroToOne = run(two, {true, 0, 1});
    EXPECT_EQ(zeroToOne.size(), 100u + 100u - 10u); // 1xx or x2x
    const auto oneToTwo = run(two, {true, 1, 2});
    EXPECT_EQ(oneToTwo.size(), 1000u - 10u); // everything but 12x
    EXPECT_TRUE(run(two, {true, 2, 1}).empty());
    // A failing non-tolerant line removes the number whatever the range.
    ConditionList mixed = two;
    mixed[1].tolerant = "0";
    EXPECT_EQ(run(mixed, {true, 0, 2}).size(), 100u); // x2x only
    // The order of the lines does not change the result.
    const ConditionList swapped{two[1], two[0]};
    EXPECT_EQ(run(swapped, {true, 0, 1}), zeroToOne);
}

TEST(FilterRun, StepsCountWhatEachLineCosts) {
    const ConditionList list{sumLine("10 11 12"), {"1", "定位号码", "1|0|无设置", "1", "1", "百位~0~1~0&"}};
    const auto filter = compileConditions(list, {});
    ASSERT_TRUE(filter);
    const std::vector<std::string> base{"055", "136", "235", "000", "bad"};
    EXPECT_EQ(filterSteps(base, *filter), (std::vector<std::size_t>{3, 1}));
}
