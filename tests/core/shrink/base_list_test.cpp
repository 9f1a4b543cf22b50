#include <gtest/gtest.h>

#include "core/shrink/base_list.h"

using namespace p3::core;

TEST(BaseList, BetTypesOverAllDigits) {
    auto all = BuildBaseList(fullPickGrid(), BetType::All);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 1000u);
    EXPECT_EQ(all->front(), "000");
    EXPECT_EQ((*all)[123], "123");
    EXPECT_EQ(all->back(), "999");
    auto z3 = BuildBaseList(fullPickGrid(), BetType::Group3);
    ASSERT_TRUE(z3);
    EXPECT_EQ(z3->size(), 270u);
    EXPECT_EQ(z3->front(), "001");
    auto z6 = BuildBaseList(fullPickGrid(), BetType::Group6);
    ASSERT_TRUE(z6);
    EXPECT_EQ(z6->size(), 720u);
    EXPECT_EQ(z6->front(), "012");
}

TEST(BaseList, PicksPresetsAndRefusal) {
    auto grid = parsePickGrid("13/0/789");
    ASSERT_TRUE(grid);
    EXPECT_EQ(*BuildBaseList(*grid, BetType::All),
              (std::vector<std::string>{"107", "108", "109", "307", "308", "309"}));
    grid->at(1).reset();
    auto refused = BuildBaseList(*grid, BetType::All);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "请正确选择");
    EXPECT_FALSE(parsePickGrid("123/456"));
    EXPECT_FALSE(parsePickGrid("1a/2/3"));
    EXPECT_EQ(applyDigitPreset("0路", {}), std::bitset<10>("1001001001"));
    EXPECT_EQ(applyDigitPreset("中号", std::bitset<10>().set()), std::bitset<10>("0001111000"));
    EXPECT_EQ(applyDigitPreset("反选", std::bitset<10>("0000000011")), std::bitset<10>("1111111100"));
    EXPECT_EQ(applyDigitPreset("选号", std::bitset<10>().set()).count(), 0u);
    EXPECT_EQ(applyDigitPreset("质数", {}), std::bitset<10>("0010101110"));
    EXPECT_EQ(digitPresets().size(), 15u);
}
