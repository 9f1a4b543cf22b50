// The value of every computed statistic kind for hand-checked draws, and the omission columns of a few kinds
// over a short history worked out on paper. Nothing here asks the classification code for an expectation.
#include <gtest/gtest.h>

#include "core/io/ini_file.h"
#include "core/stats/omission_statistics.h"
#include "core/stats/statistic_kinds.h"

#include <algorithm>

using namespace p3::core;

namespace {

using V = std::vector<std::string>;

/// One kind's values for the draws 527, 113 and 380 (in that order), each a list of tokens.
struct KindCase {
    int kind;
    V of527, of113, of380;
};

void expectValues(std::initializer_list<KindCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " " + std::string(kStatisticKindNames[c.kind - 1]));
        EXPECT_EQ(statisticValueTokens(c.kind, 527), c.of527);
        EXPECT_EQ(statisticValueTokens(c.kind, 113), c.of113);
        EXPECT_EQ(statisticValueTokens(c.kind, 380), c.of380);
    }
}

// 527: h 5, t 2, u 7, sorted 2 5 7.  113: h 1, t 1, u 3.  380: h 3, t 8, u 0, sorted 0 3 8.

} // namespace

TEST(KindValuesByHand, DigitPositionsAndSortedDigits) {
    expectValues({
        {1, {"5"}, {"1"}, {"3"}},
        {2, {"2"}, {"1"}, {"8"}},
        {3, {"7"}, {"3"}, {"0"}},
        {4, {"2"}, {"1"}, {"0"}},
        {5, {"5"}, {"1"}, {"3"}},
        {6, {"7"}, {"3"}, {"8"}},
    });
}

TEST(KindValuesByHand, BinaryAttributesDirectAndPattern) {
    // 大 is 5..9; 奇 is odd; 质 is 1 2 3 5 7.
    expectValues({
        {7, {"大小大"}, {"小小小"}, {"小大小"}},
        {8, {"2大1小"}, {"3小"}, {"2小1大"}},
        {9, {"奇偶奇"}, {"奇奇奇"}, {"奇偶偶"}},
        {10, {"2奇1偶"}, {"3奇"}, {"2偶1奇"}},
        {11, {"质质质"}, {"质质质"}, {"质合合"}},
        {12, {"3质"}, {"3质"}, {"2合1质"}},
    });
}

TEST(KindValuesByHand, SumTailSpanAndShapes) {
    expectValues({
        {13, {"14"}, {"5"}, {"11"}},
        {14, {"4"}, {"5"}, {"1"}},
        {15, {"5"}, {"2"}, {"8"}},
        // 527: the smallest in the tens, the largest in the units; 113: hundreds = tens; 380: the largest in
        // the tens, the smallest in the units.
        {16, {"3号"}, {"7号"}, {"4号"}},
        // 527: 组六, even sum 14, no neighbours; 113: 组三, odd sum, 1 and 3 not neighbours; 380: odd sum 11.
        {17, {"4.偶点杂六"}, {"9.奇点组三"}, {"5.奇点杂六"}},
    });
}

TEST(KindValuesByHand, RoutesAndBigMiddleSmall) {
    expectValues({
        // Counts in 0369, 147, 258.
        {18, {"012"}, {"120"}, {"201"}},
        {19, {"221"}, {"110"}, {"020"}},
        // Counts of 大 (789), 中 (3456), 小 (012).
        {20, {"1大1中1小"}, {"1中2小"}, {"1大1中1小"}},
        {21, {"中小大"}, {"小小中"}, {"中大小"}},
    });
}

TEST(KindValuesByHand, PositionPairSumsAndTails) {
    expectValues({
        {22, {"7", "12", "9"}, {"2", "4", "4"}, {"11", "3", "8"}},
        {23, {"7"}, {"2"}, {"11"}},
        {24, {"12"}, {"4"}, {"3"}},
        {25, {"9"}, {"4"}, {"8"}},
        {26, {"7", "2", "9"}, {"2", "4", "4"}, {"1", "3", "8"}},
        {27, {"7"}, {"2"}, {"1"}},
        {28, {"2"}, {"4"}, {"3"}},
        {29, {"9"}, {"4"}, {"8"}},
    });
    EXPECT_TRUE(statisticValueTokens(30, 527).empty()); // 位合二码组合 is never computed
}

TEST(KindValuesByHand, PositionDifferences) {
    expectValues({
        {31, {"3", "-2", "-5"}, {"0", "-2", "-2"}, {"-5", "3", "8"}},
        {32, {"3"}, {"0"}, {"-5"}},
        {33, {"-2"}, {"-2"}, {"3"}},
        {34, {"-5"}, {"-2"}, {"8"}},
        {35, {"3", "2", "5"}, {"0", "2", "2"}, {"5", "3", "8"}},
        {36, {"3"}, {"0"}, {"5"}},
        {37, {"2"}, {"2"}, {"3"}},
        {38, {"5"}, {"2"}, {"8"}},
    });
}

TEST(KindValuesByHand, BiasSubdivisions) {
    // 257 is 假质, 113 三重偏, 038 假对子38; 456 is 真正.
    expectValues({
        {39, {"偏假"}, {"偏假"}, {"偏假"}},
        {40, {"偏态"}, {"偏态"}, {"假对子"}},
        {41, {"假质"}, {"三重偏"}, {"假对子38"}},
    });
    EXPECT_EQ(statisticValueTokens(39, 456), V{"真正"});
    EXPECT_EQ(statisticValueTokens(40, 456), V{"真正"});
    EXPECT_EQ(statisticValueTokens(41, 654), V{"真正"});
    EXPECT_EQ(statisticValueTokens(41, 702), V{"假对子27"});
}

TEST(KindValuesByHand, TwoAndThreeDigitCodes) {
    expectValues({
        {42, {"52"}, {"11"}, {"38"}},
        {43, {"57"}, {"13"}, {"30"}},
        {44, {"27"}, {"13"}, {"80"}},
        {45, {"25", "27", "57"}, {"11", "13", "13"}, {"03", "08", "38"}},
        {46, {"527"}, {"113"}, {"380"}},
    });
}

TEST(KindValuesByHand, DigitCombinations) {
    // 组六4码 of 527: 2, 5, 7 and one more digit, ascending, in lexicographic order.
    const V sixOf527{"0257", "1257", "2357", "2457", "2567", "2578", "2579"};
    EXPECT_EQ(statisticValueTokens(47, 527), sixOf527);
    EXPECT_EQ(statisticValueTokens(57, 527), sixOf527);
    EXPECT_TRUE(statisticValueTokens(52, 527).empty());
    EXPECT_TRUE(statisticValueTokens(47, 113).empty());
    // 组三4码 of 113: 1, 3 and two of the other eight digits: C(8, 2) = 28, from 0123 to 1389.
    const auto threeOf113 = statisticValueTokens(52, 113);
    ASSERT_EQ(threeOf113.size(), 28u);
    EXPECT_EQ(threeOf113.front(), "0123");
    EXPECT_EQ(threeOf113[1], "0134");
    EXPECT_EQ(threeOf113.back(), "1389");
    EXPECT_EQ(statisticValueTokens(57, 113), threeOf113);
    // 复式8码 of 527: 2, 5, 7 and five of the other seven: C(7, 5) = 21.
    const auto eightOf527 = statisticValueTokens(61, 527);
    ASSERT_EQ(eightOf527.size(), 21u);
    EXPECT_EQ(eightOf527.front(), "01234567");
    EXPECT_EQ(eightOf527.back(), "23456789");
    // 组六5码 of 380: 0, 3, 8 and two of seven: 21, beginning 01238.
    const auto fiveOf380 = statisticValueTokens(48, 380);
    ASSERT_EQ(fiveOf380.size(), 21u);
    EXPECT_EQ(fiveOf380.front(), "01238");
    EXPECT_EQ(fiveOf380.back(), "03789");
    EXPECT_EQ(statisticValueText(47, 527), "0257 1257 2357 2457 2567 2578 2579 ");
}

namespace {

/// The worked history, oldest first: 527 113 380 408 901 222 044 606.
const std::vector<int> kHistory{527, 113, 380, 408, 901, 222, 44, 606};

const IniFile& directCounts() {
    static const IniFile ini = makeDirectCountIni();
    return ini;
}

/// The columns of one value: 出现次数, 最大遗漏, 本期遗漏, 上期/上上期/上上上期遗漏, 最大连出.
struct Row {
    std::string value;
    int count, maxOmission, current, last, secondLast, thirdLast, maxRun;
};

void expectRows(const Tj_Inf& info, std::initializer_list<Row> rows) {
    for (const auto& r : rows) {
        SCOPED_TRACE("value " + r.value);
        const auto it = std::find(info.values.begin(), info.values.end(), r.value);
        ASSERT_NE(it, info.values.end());
        const auto i = static_cast<std::size_t>(it - info.values.begin());
        EXPECT_EQ(info.counts[i], r.count);
        EXPECT_EQ(info.maximumOmission[i], r.maxOmission);
        EXPECT_EQ(info.currentOmission[i], r.current);
        EXPECT_EQ(info.lastOmission[i], r.last);
        EXPECT_EQ(info.secondLastOmission[i], r.secondLast);
        EXPECT_EQ(info.thirdLastOmission[i], r.thirdLast);
        EXPECT_EQ(info.maximumRun[i], r.maxRun);
    }
}

} // namespace

TEST(KindStatisticsByHand, HundredsPlusUnitsOverEightDraws) {
    // (百+个)位和 per draw: 12 4 3 12 10 4 4 12.
    const Tj_Inf info = ComputeKindStatistics(24, kHistory, directCounts());
    EXPECT_EQ(info.name, "(百+个)位和");
    // By count, ties in order of latest appearance: 12 (3, newest), 4 (3), then 10 and 3 once each.
    EXPECT_EQ(info.values, (V{"12", "4", "10", "3"}));
    expectRows(info, {
                         {"12", 3, 3, 0, 3, 2, 0, 1},
                         {"4", 3, 3, 1, 0, 3, 1, 2},
                         {"10", 1, 4, 3, 4, 0, 0, 1},
                         {"3", 1, 2, 5, 2, 0, 0, 1},
                     });
    // 12 is h + u for seven (h, u) pairs, 70 of the 1000 numbers; 4 for five pairs, 50 numbers.
    EXPECT_EQ(info.cell(0, 2), "37.5%");
    EXPECT_EQ(info.cell(0, 3), "7%");
    EXPECT_EQ(info.cell(0, 4), "30.5%");
    EXPECT_EQ(info.cell(0, 5), "14.29");
    EXPECT_EQ(info.cell(0, 6), "2.67");
    EXPECT_EQ(info.cell(0, 13), "0");
    EXPECT_EQ(info.cell(0, 14), "70注");
    EXPECT_EQ(info.cell(1, 13), "0.05"); // one draw waiting, in units of 20 draws
    EXPECT_EQ(info.cell(2, 6), "8");
}

TEST(KindStatisticsByHand, HundredsPlusTensAndTensPlusUnits) {
    // (百+十)位和: 7 2 11 4 9 4 4 6.  (十+个)位和: 9 4 8 8 1 4 8 6.
    const Tj_Inf ht = ComputeKindStatistics(23, kHistory, directCounts());
    EXPECT_EQ(ht.values, (V{"4", "6", "9", "11", "2", "7"}));
    expectRows(ht, {{"4", 3, 3, 1, 0, 1, 3, 2}, {"7", 1, 0, 7, 0, 0, 0, 1}, {"6", 1, 7, 0, 7, 0, 0, 1}});
    const Tj_Inf tu = ComputeKindStatistics(25, kHistory, directCounts());
    EXPECT_EQ(tu.values, (V{"8", "4", "6", "1", "9"}));
    expectRows(tu, {{"8", 3, 2, 1, 2, 0, 2, 2}, {"4", 2, 3, 2, 3, 1, 0, 1}});
}

TEST(KindStatisticsByHand, AnyPositionSumCountsADrawOnce) {
    // 任意位和 per draw: {7 12 9} {2 4 4} {11 3 8} {4 12 8} {9 10 1} {4 4 4} {4 8 8} {6 12 6}.
    const Tj_Inf info = ComputeKindStatistics(22, kHistory, directCounts());
    EXPECT_EQ(info.values, (V{"4", "12", "8", "9", "6", "10", "1", "11", "3", "2", "7"}));
    expectRows(info, {
                         {"4", 4, 1, 1, 0, 1, 1, 2},
                         {"12", 3, 3, 0, 3, 2, 0, 1},
                         {"8", 3, 2, 1, 2, 0, 2, 2},
                         {"9", 2, 3, 3, 3, 0, 0, 1},
                         {"7", 1, 0, 7, 0, 0, 0, 1},
                     });
}

TEST(KindStatisticsByHand, SingleDigitAndBiasKinds) {
    // 百位号: 5 1 3 4 9 2 0 6, each once; the newest first.
    const Tj_Inf hundreds = ComputeKindStatistics(1, kHistory, directCounts());
    EXPECT_EQ(hundreds.values, (V{"6", "0", "2", "9", "4", "3", "1", "5"}));
    expectRows(hundreds, {{"5", 1, 0, 7, 0, 0, 0, 1}, {"9", 1, 4, 3, 4, 0, 0, 1}});
    EXPECT_EQ(hundreds.cell(0, 14), "100注");
    // 个位号: 7 3 0 8 1 2 4 6.  十位号: 2 1 8 0 0 2 4 0.
    const Tj_Inf tens = ComputeKindStatistics(2, kHistory, directCounts());
    EXPECT_EQ(tens.values, (V{"0", "2", "4", "8", "1"}));
    expectRows(tens, {{"0", 3, 3, 0, 2, 0, 3, 2}, {"2", 2, 4, 2, 4, 0, 0, 1}});
    // 527 假质, 113 三重偏, 380 假对子38, 408 两重偏, 901 真正, 222 三重偏, 044 三重偏, 606 两重偏 (066).
    const Tj_Inf bias = ComputeKindStatistics(41, kHistory, directCounts());
    EXPECT_EQ(bias.values, (V{"三重偏", "两重偏", "真正", "假对子38", "假质"}));
    expectRows(bias, {{"三重偏", 3, 3, 1, 0, 3, 1, 2}, {"真正", 1, 4, 3, 4, 0, 0, 1}});
    const Tj_Inf twoWay = ComputeKindStatistics(39, kHistory, directCounts());
    EXPECT_EQ(twoWay.values, (V{"偏假", "真正"}));
    expectRows(twoWay, {{"偏假", 7, 1, 0, 0, 0, 1, 4}});
}

TEST(KindStatisticsByHand, CombinationKindsSkipOtherShapes) {
    // 组六 draws: 527, 380, 408, 901; 0348 is held by 380 and 408 only.
    const Tj_Inf six = ComputeKindStatistics(47, kHistory, directCounts());
    expectRows(six, {{"0348", 2, 2, 4, 0, 2, 0, 2}, {"0129", 1, 4, 3, 4, 0, 0, 1}});
    const auto i = static_cast<std::size_t>(std::find(six.values.begin(), six.values.end(), "0348") -
                                            six.values.begin());
    EXPECT_EQ(six.directCount[i], 27);
    // 组三 draws: 113, 222, 044, 606; 0246 holds the digits of the last three, 0123 those of 113 and 222.
    const Tj_Inf three = ComputeKindStatistics(52, kHistory, directCounts());
    expectRows(three, {{"0246", 3, 5, 0, 0, 0, 5, 3}, {"0123", 2, 3, 2, 3, 1, 0, 1}});
    EXPECT_EQ(three.cell(0, 14), "36注");
    const Tj_Inf pairs = ComputeKindStatistics(45, kHistory, directCounts());
    const auto j = static_cast<std::size_t>(std::find(pairs.values.begin(), pairs.values.end(), "04") -
                                            pairs.values.begin());
    ASSERT_LT(j, pairs.size());
    EXPECT_EQ(pairs.counts[j], 2); // 408 (04 08 48) and 044 (04 04 44)
    EXPECT_EQ(pairs.directCount[j], 54);
    const auto k = static_cast<std::size_t>(std::find(pairs.values.begin(), pairs.values.end(), "22") -
                                            pairs.values.begin());
    ASSERT_LT(k, pairs.size());
    EXPECT_EQ(pairs.directCount[k], 28);
}
