// The attribute table against values worked out by hand for a few numbers, and the shape of the table
// itself: rows in id order, every number inside its row's vocabulary, reference rows on a written-out
// reference element.
#include <gtest/gtest.h>

#include "core/attributes/attribute_table.h"

#include <algorithm>
#include <set>
#include <string>

using namespace p3::core;

namespace {

using A = AttributeId;

/// One row's value names for 527, 113 and 380, written out by hand.
struct RowCase {
    AttributeId id;
    const char* of527;
    const char* of113;
    const char* of380;
};

void expectWords(std::initializer_list<RowCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(attributeRow(c.id).name));
        EXPECT_EQ(attributeWordOf(c.id, 527), c.of527);
        EXPECT_EQ(attributeWordOf(c.id, 113), c.of113);
        EXPECT_EQ(attributeWordOf(c.id, 380), c.of380);
    }
}

// 527: h 5, t 2, u 7, sorted 2 5 7, sum 14, span 5.  113: sum 5, span 2.  380: sorted 0 3 8, sum 11, span 8.

} // namespace

TEST(AttributeTable, RowsStandInIdOrderAndNumbersStayInTheirVocabulary) {
    const auto rows = attributeTable();
    ASSERT_EQ(rows.size(), kAttributeCount);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(std::string(rows[i].name));
        EXPECT_EQ(static_cast<std::size_t>(rows[i].id), i);
        EXPECT_FALSE(rows[i].vocabulary.empty());
        if (rows[i].readsReference) {
            EXPECT_EQ(attributeIndex(rows[i].id, 527), -1);
            continue;
        }
        std::set<int> reached;
        for (int n = 0; n < 1000; ++n) {
            const int index = attributeIndex(rows[i].id, n);
            ASSERT_GE(index, 0) << n;
            ASSERT_LT(index, static_cast<int>(rows[i].vocabulary.size())) << n;
            // The looked-up index is the value function's.
            ASSERT_EQ(index, attributeIndex(rows[i].id, Digits3{n / 100, n / 10 % 10, n % 10})) << n;
            reached.insert(index);
        }
        // Sorted digits reach only the ascending combinations; every other row reaches every value.
        const bool sortedOnly = rows[i].id == A::SizeClassSorted || rows[i].id == A::SortedPairLM ||
                                rows[i].id == A::SortedPairLH || rows[i].id == A::SortedPairMH;
        if (!sortedOnly) {
            EXPECT_EQ(reached.size(), rows[i].vocabulary.size());
        }
    }
    EXPECT_EQ(attributeIndex(A::Sum, 1000), -1);
    EXPECT_EQ(attributeIndex(A::Sum, Digits3{1, 10, 2}), -1);
    EXPECT_EQ(attributeWord(A::Sum, 28), "");
}

TEST(AttributeTable, DigitsSumsTailsAndSpans) {
    expectWords({
        {A::Hundreds, "5", "1", "3"},
        {A::Tens, "2", "1", "8"},
        {A::Units, "7", "3", "0"},
        {A::SortedLow, "2", "1", "0"},
        {A::SortedMiddle, "5", "1", "3"},
        {A::SortedHigh, "7", "3", "8"},
        {A::Sum, "14", "5", "11"},
        {A::SumTail, "4", "5", "1"},
        {A::SumTailSize, "小数", "大数", "小数"},
        {A::SumTailParity, "偶数", "奇数", "奇数"},
        {A::SumTailPrime, "合数", "质数", "质数"}, // 1 counts as prime
        {A::SumTailBigMidSmall, "中", "中", "小"},
        {A::SumTailRoute, "1路", "2路", "1路"},
        {A::Span, "5", "2", "8"},
        {A::SpanSize, "大数", "小数", "大数"},
        {A::SpanParity, "奇数", "偶数", "偶数"},
        {A::SpanPrime, "质数", "质数", "合数"},
        {A::SpanBigMidSmall, "中", "小", "大"},
        {A::SpanRoute, "2路", "2路", "2路"},
    });
}

TEST(AttributeTable, TwoWayClassesByPositionAndCounted) {
    expectWords({
        {A::SizeDirect, "大小大", "小小小", "小大小"},
        {A::SizeGroup, "2大1小", "3小", "2小1大"},
        {A::ParityDirect, "奇偶奇", "奇奇奇", "奇偶偶"},
        {A::ParityGroup, "2奇1偶", "3奇", "2偶1奇"},
        {A::PrimeDirect, "质质质", "质质质", "质合合"},
        {A::PrimeGroup, "3质", "3质", "2合1质"},
    });
    // The 直选 words follow the options of the conditions: 小小小, 小小大, 小大小, 大小小, 小大大, ...
    EXPECT_EQ(attributeRow(A::SizeDirect).vocabulary,
              (std::vector<std::string>{"小小小", "小小大", "小大小", "大小小", "小大大", "大小大", "大大小",
                                        "大大大"}));
    EXPECT_EQ(attributeRow(A::ParityGroup).vocabulary,
              (std::vector<std::string>{"3偶", "2偶1奇", "2奇1偶", "3奇"}));
}

TEST(AttributeTable, ShapesAndGroupTypes) {
    expectWords({
        {A::GroupType, "杂六", "组三", "杂六"},
        {A::GroupTypeFine, "杂六", "组三_不连", "杂六"},
        {A::GroupForm, "组六", "组三", "组六"},
        {A::OrderShape, "3号", "7号", "4号"},
        {A::ShapeCode, "偶点杂六", "奇点不连组三", "奇点杂六"},
    });
    // 8-9-0 is a straight; 9-0-0 and 1-1-2 are pairs of neighbouring digits; 1-2-4 holds two neighbours.
    EXPECT_EQ(attributeWordOf(A::GroupType, 890), "顺子");
    EXPECT_EQ(attributeWordOf(A::GroupTypeFine, 900), "组三_连");
    EXPECT_EQ(attributeWordOf(A::GroupTypeFine, 121), "组三_连");
    EXPECT_EQ(attributeWordOf(A::GroupTypeFine, 124), "半顺");
    EXPECT_EQ(attributeWordOf(A::GroupTypeFine, 777), "豹子");
    EXPECT_EQ(attributeWordOf(A::ShapeCode, 901), "顺子");
    EXPECT_EQ(attributeWordOf(A::ShapeCode, 122), "奇点连号组三");
    EXPECT_EQ(attributeRow(A::OrderShape).match, MatchRule::Substring);
    EXPECT_EQ(attributeRow(A::Sum).match, MatchRule::WholeWord);
}

TEST(AttributeTable, RoutesAndSizeClasses) {
    // Routes: 527 → 2 2 1, 113 → 1 1 0, 380 → 0 2 0.  大 7..9, 中 3..6, 小 0..2.
    expectWords({
        {A::Route0Count, "0", "1", "2"},
        {A::Route1Count, "1", "2", "0"},
        {A::Route2Count, "2", "0", "1"},
        {A::RoutePattern, "012", "120", "201"},
        {A::RouteDirect, "221", "110", "020"},
        {A::RouteShape, "b", "b", "b"},
        {A::BigCount, "1", "0", "1"},
        {A::MiddleCount, "1", "1", "1"},
        {A::SmallCount, "1", "2", "1"},
        {A::SizeClassShape, "c", "b", "c"},
        {A::SizeClassPattern, "1大1中1小", "1中2小", "1大1中1小"},
        {A::SizeClassDirect, "中小大", "小小中", "中大小"},
        {A::SizeClassSorted, "小中大", "小小中", "小中大"},
    });
    EXPECT_EQ(attributeWordOf(A::RouteShape, 147), "a");
    EXPECT_EQ(attributeWordOf(A::RoutePattern, 369), "300");
    // The 组选排列 options run from 3小 to 3大.
    EXPECT_EQ(attributeRow(A::SizeClassPattern).vocabulary.front(), "3小");
    EXPECT_EQ(attributeRow(A::SizeClassPattern).vocabulary[1], "1中2小");
    EXPECT_EQ(attributeRow(A::SizeClassPattern).vocabulary.back(), "3大");
}

TEST(AttributeTable, TwoPositions) {
    expectWords({
        {A::PairSumHT, "7", "2", "11"},      {A::PairSumHU, "12", "4", "3"},
        {A::PairSumTU, "9", "4", "8"},       {A::PairTailHT, "7", "2", "1"},
        {A::PairTailHU, "2", "4", "3"},      {A::PairTailTU, "9", "4", "8"},
        {A::DiffHT, "3", "0", "-5"},         {A::DiffHU, "-2", "-2", "3"},
        {A::DiffTU, "-5", "-2", "8"},        {A::AbsDiffHT, "3", "0", "5"},
        {A::AbsDiffHU, "2", "2", "3"},       {A::AbsDiffTU, "5", "2", "8"},
        {A::TwoHT, "52", "11", "38"},        {A::TwoHU, "57", "13", "30"},
        {A::TwoTU, "27", "13", "80"},        {A::SortedPairLM, "25", "11", "03"},
        {A::SortedPairLH, "27", "13", "08"}, {A::SortedPairMH, "57", "13", "38"},
        {A::Number, "527", "113", "380"},
    });
    EXPECT_EQ(attributeWordOf(A::Number, 7), "007");
}

TEST(AttributeTable, BiasSummaries) {
    // 257 is 假质, 113 三重偏, 038 假对子38, 456 真正 (the bias table).
    expectWords({
        {A::BiasTwoWay, "偏假", "偏假", "偏假"},
        {A::BiasThreeWay, "偏态", "偏态", "假对子"},
        {A::BiasClass, "假质", "三重偏", "假对子38"},
    });
    EXPECT_EQ(attributeWordOf(A::BiasTwoWay, 654), "真正");
    EXPECT_EQ(attributeWordOf(A::BiasThreeWay, 654), "真正");
    EXPECT_EQ(attributeWordOf(A::BiasClass, 139), "偏奇");
    EXPECT_EQ(attributeWordOf(A::BiasClass, 268), "偏偶");
    // Value order: W before V; P, B, V; the classes as the chart and the options show them, 偏奇 before 偏偶.
    EXPECT_EQ(attributeRow(A::BiasTwoWay).vocabulary, (std::vector<std::string>{"偏假", "真正"}));
    EXPECT_EQ(attributeRow(A::BiasThreeWay).vocabulary, (std::vector<std::string>{"偏态", "假对子", "真正"}));
    EXPECT_EQ(attributeRow(A::BiasClass).vocabulary,
              (std::vector<std::string>{"三重偏", "两重偏", "偏大", "偏小", "偏奇", "偏偶", "偏质", "偏合",
                                        "假质", "假合", "假对子05", "假对子16", "假对子27", "假对子38",
                                        "假对子49", "真正"}));
}

TEST(AttributeTable, ReferenceRowsReadTheClassesOfTheDigits) {
    // Last draw 527 (复), the draw before 113 (隔): 380 has 3 隔, 8 中, 0 中; its pair tails 1 3 8 are
    // 隔 隔 中.
    const DigitSets classes = digitSets("527", "13", "04689");
    const Digits3 d{3, 8, 0};
    const auto word = [&](A id, const PatternFamily& family = kRepeatGapMiddleFamily) {
        return attributeWord(id, attributeIndex(id, d, classes), family);
    };
    EXPECT_EQ(word(A::ClassCount0), "0");
    EXPECT_EQ(word(A::ClassCount1), "1");
    EXPECT_EQ(word(A::ClassCount2), "2");
    EXPECT_EQ(word(A::ClassShape), "b");
    EXPECT_EQ(word(A::ClassPattern), "1隔2中");
    EXPECT_EQ(word(A::ClassDirect), "隔中中");
    EXPECT_EQ(word(A::ClassPattern, kAdjacentIsolatedTransmittedFamily), "1孤2传");
    EXPECT_EQ(word(A::ClassDirect, kHotWarmColdFamily), "温冷冷");
    EXPECT_EQ(word(A::TailsClassCount0), "0");
    EXPECT_EQ(word(A::TailsClassCount1), "2");
    EXPECT_EQ(word(A::TailsClassCount2), "1");
    EXPECT_EQ(word(A::TailsClassShape), "b");
    EXPECT_EQ(word(A::TailsClassPattern), "2隔1中");
    // 525 against the same classes: all 复, shape a.
    EXPECT_EQ(attributeWord(A::ClassPattern, attributeIndex(A::ClassPattern, Digits3{5, 2, 5}, classes)),
              "3复");
    EXPECT_EQ(attributeWord(A::ClassShape, attributeIndex(A::ClassShape, Digits3{5, 2, 5}, classes)), "a");
}

TEST(AttributeTable, CodeCountsReadOverlappingListsThemselves) {
    // A written reference element may list a digit twice: 5 is in the first and the second list. The
    // class of 5 is the first list's, but the second list's count still counts it.
    const DigitSets sets = digitSets("57", "25", "");
    const Digits3 d{5, 2, 9};
    EXPECT_EQ(attributeWord(A::ClassCount0, attributeIndex(A::ClassCount0, d, sets)), "1");
    EXPECT_EQ(attributeWord(A::ClassCount1, attributeIndex(A::ClassCount1, d, sets)), "2");
    EXPECT_EQ(attributeWord(A::ClassCount2, attributeIndex(A::ClassCount2, d, sets)), "0");
    EXPECT_EQ(attributeWord(A::ClassDirect, attributeIndex(A::ClassDirect, d, sets)), "复隔中");
    EXPECT_EQ(attributeWord(A::ClassPattern, attributeIndex(A::ClassPattern, d, sets)), "1复1隔1中");
}

TEST(AttributeTable, ConditionValuesMatchByWholeWordOrSubstring) {
    EXPECT_TRUE(wordMatches(MatchRule::WholeWord, "1", "0 1 2"));
    EXPECT_FALSE(wordMatches(MatchRule::WholeWord, "1", "10 11"));
    EXPECT_TRUE(wordMatches(MatchRule::Substring, "组三_连", "豹子 组三_连 顺子"));
    EXPECT_FALSE(wordMatches(MatchRule::Substring, "", "豹子"));
    const auto sums = acceptedValues(A::SumTail, "0 5 9");
    ASSERT_EQ(sums.size(), 10u);
    EXPECT_EQ(std::count(sums.begin(), sums.end(), true), 3);
    EXPECT_TRUE(sums[5]);
    const auto patterns = acceptedValues(A::ClassPattern, "3邻 1孤2传", kAdjacentIsolatedTransmittedFamily);
    EXPECT_TRUE(patterns[0]);
    EXPECT_TRUE(patterns[8]);
    EXPECT_EQ(std::count(patterns.begin(), patterns.end(), true), 2);
}
