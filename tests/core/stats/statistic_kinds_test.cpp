// The statistic kinds: value texts, direct counts and the generated direct-count file.
#include <gtest/gtest.h>

#include "core/io/app_path.h"
#include "core/io/ini_file.h"
#include "core/stats/statistic_kinds.h"

using namespace p3::core;

namespace {
std::vector<std::string> tokens(int kind, int number) {
    return statisticValueTokens(kind, number);
}
using V = std::vector<std::string>;
} // namespace

TEST(StatisticKinds, PagesHoldSixtyKindsWithoutKindThirty) {
    const auto kinds = statisticKindsInBoxOrder();
    ASSERT_EQ(kinds.size(), 60u);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), kUncomputedKind), 0);
    std::vector<int> sorted = kinds;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    // The fifth page begins with 组三5码 and ends with 直选三码.
    const auto& page5 = statisticPages()[4];
    EXPECT_EQ(kStatisticKindNames[page5.kinds.front() - 1], "组三5码");
    EXPECT_EQ(kStatisticKindNames[page5.kinds[13] - 1], "组三4码");
    EXPECT_EQ(kStatisticKindNames[page5.kinds.back() - 1], "直选三码");
    EXPECT_EQ(statisticKindOf("(百减个)绝对值"), 37);
    EXPECT_EQ(statisticKindOf("没有"), 0);
}

// The two-position families, kinds 22..38: each "any" kind, then its three positions 百十, 百个, 十个.
// For 384: sums 11 7 12, tails 1 7 2, differences -5 -1 4, their absolute values 5 1 4.
TEST(StatisticKinds, TwoPositionFamiliesReadTheirPositions) {
    struct Expected {
        int kind;
        std::string_view name;
        V values;
    };
    const std::vector<Expected> expected{
        {22, "任意位和", {"11", "7", "12"}},
        {23, "(百+十)位和", {"11"}},
        {24, "(百+个)位和", {"7"}},
        {25, "(十+个)位和", {"12"}},
        {26, "任意位合", {"1", "7", "2"}},
        {27, "(百+十)位合", {"1"}},
        {28, "(百+个)位合", {"7"}},
        {29, "(十+个)位合", {"2"}},
        {30, "位合二码组合", {}},
        {31, "任意位差", {"-5", "-1", "4"}},
        {32, "百位减十位", {"-5"}},
        {33, "百位减个位", {"-1"}},
        {34, "十位减个位", {"4"}},
        {35, "任意位差绝对值", {"5", "1", "4"}},
        {36, "(百减十)绝对值", {"5"}},
        {37, "(百减个)绝对值", {"1"}},
        {38, "(十减个)绝对值", {"4"}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.kind);
        EXPECT_EQ(kStatisticKindNames[static_cast<std::size_t>(e.kind - 1)], e.name);
        EXPECT_EQ(tokens(e.kind, 384), e.values);
    }
}

TEST(StatisticKinds, SingleValuedTexts) {
    EXPECT_EQ(tokens(1, 27), V{"0"});
    EXPECT_EQ(tokens(5, 927), V{"7"});
    EXPECT_EQ(tokens(7, 528), V{"大小大"});
    EXPECT_EQ(tokens(8, 528), V{"2大1小"});
    EXPECT_EQ(tokens(12, 149), V{"2合1质"});
    EXPECT_EQ(tokens(13, 999), V{"27"});
    EXPECT_EQ(tokens(15, 190), V{"9"});
    EXPECT_EQ(tokens(16, 112), V{"7号"});
    EXPECT_EQ(tokens(17, 112), V{"6.偶点半顺组三"}); // the statistics label, not the filter's
    EXPECT_EQ(tokens(17, 113), V{"9.奇点组三"});
    EXPECT_EQ(tokens(18, 112), V{"021"});
    EXPECT_EQ(tokens(19, 582), V{"222"});
    EXPECT_EQ(tokens(20, 12), V{"3小"});
    EXPECT_EQ(tokens(20, 739), V{"2大1中"});
    EXPECT_EQ(tokens(32, 19), V{"-1"});
    EXPECT_EQ(tokens(36, 19), V{"1"});
    EXPECT_EQ(tokens(39, 27), V{"偏假"});
    EXPECT_EQ(tokens(40, 27), V{"假对子"});
    EXPECT_EQ(tokens(40, 7), V{"真正"});
    EXPECT_EQ(tokens(41, 720), V{"假对子27"});
    EXPECT_EQ(tokens(43, 27), V{"07"});
    EXPECT_EQ(tokens(46, 27), V{"027"});
}

TEST(StatisticKinds, MultiValuedTextsAndCombinations) {
    EXPECT_EQ(tokens(22, 235), (V{"5", "7", "8"}));
    EXPECT_EQ(tokens(22, 113), (V{"2", "4", "4"}));
    EXPECT_EQ(statisticValueText(22, 113), "2 4 4");
    EXPECT_EQ(tokens(31, 19), (V{"-1", "-9", "-8"}));
    EXPECT_EQ(tokens(45, 931), (V{"13", "19", "39"}));
    EXPECT_TRUE(tokens(47, 113).empty());
    EXPECT_EQ(tokens(47, 123), (V{"0123", "1234", "1235", "1236", "1237", "1238", "1239"}));
    EXPECT_EQ(statisticValueText(47, 123), "0123 1234 1235 1236 1237 1238 1239 ");
    EXPECT_TRUE(tokens(52, 123).empty());
    EXPECT_EQ(tokens(52, 113).size(), 28u); // C(8, 2) completions of {1, 3}
    EXPECT_EQ(tokens(61, 555).size(), 36u); // C(9, 7) completions of {5}
    EXPECT_EQ(tokens(61, 555).front().size(), 8u);
    EXPECT_TRUE(tokens(30, 123).empty());
    // Distinct values per number: 113's 4 is one value.
    EXPECT_EQ(kindValueTable(22).idsOf(113).size(), 2u);
}

TEST(StatisticKinds, DirectCountsOfTheFixedKinds) {
    const IniFile empty;
    EXPECT_EQ(directCount(42, "12", empty), 10);
    EXPECT_EQ(directCount(45, "33", empty), 28);
    EXPECT_EQ(directCount(45, "13", empty), 54);
    EXPECT_EQ(directCount(46, "123", empty), 1);
    EXPECT_EQ(directCount(47, "0123", empty), 27);
    EXPECT_EQ(directCount(49, "012345", empty), 210); // a table, not N(N-1)(N-2)
    EXPECT_EQ(directCount(56, "01234567", empty), 168);
    EXPECT_EQ(directCount(61, "01234567", empty), 512);
    EXPECT_EQ(directCount(13, "13", empty), 0); // not in the INI
}

TEST(StatisticKinds, GeneratedDirectCountsAddUp) {
    const IniFile ini = makeDirectCountIni();
    for (int kind = 1; kind <= 41; ++kind) {
        if (kind == kUncomputedKind) continue;
        const std::string section(kStatisticKindNames[static_cast<std::size_t>(kind - 1)]);
        long total = 0;
        for (const auto& key : ini.keys(section))
            total += ini.getInt(section, key);
        if (!isMultiValuedKind(kind)) {
            EXPECT_EQ(total, 1000) << section;
        } else {
            EXPECT_GT(total, 1000) << section;
        }
    }
    EXPECT_EQ(ini.getInt("和值", "0"), 1);
    EXPECT_EQ(ini.getInt("和值", "13"), 75);
    EXPECT_EQ(ini.getInt("跨度", "0"), 10);
    EXPECT_EQ(ini.getInt("群号", "0号"), 10);
    EXPECT_EQ(ini.getInt("大小组选", "3大"), 125);
    EXPECT_EQ(ini.getInt("任意位和", "0"), 28); // 00x, 0x0, x00 minus overlaps: numbers with two zeros
    EXPECT_EQ(ini.getInt("偏态二细分", "真正") + ini.getInt("偏态二细分", "偏假"), 1000);
    EXPECT_FALSE(ini.hasKey("位合二码组合", "0"));
}

TEST(StatisticKinds, HomeTemplateShipsTheCountedFile) {
    auto ini = IniFile::load(findTemplateDir() / "YiLouCanShu.ini");
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->getInt("和值", "13"), 75);
    EXPECT_EQ(ini->getInt("连号", "0.豹子"), 10);
    EXPECT_EQ(ini->toText(), makeDirectCountIni().toText());
}
