// The record tests of every kind, each case checked through the line's text and its compiled table.
#include <gtest/gtest.h>

#include "core/shrink/compiled_filter.h"
#include "core/shrink/evaluate_line.h"

using namespace p3::core;

namespace {

const SeriesHistory kNoHistory{};

CandidateDigits digits(std::string_view n) {
    return {n[0] - '0', n[1] - '0', n[2] - '0'};
}

/// The line result for one number; fails the test when the compiled table disagrees.
bool eval(ConditionKind kind, std::string_view number, std::string_view content,
          std::string_view tolerance = "无设置", const SeriesHistory& history = kNoHistory) {
    const bool direct = EvaluateLine(kind, digits(number), tolerance, content, history);
    const bool compiled =
        evaluateLineTable(kind, tolerance, content, history)[static_cast<std::size_t>(numberIndex(number))];
    EXPECT_EQ(direct, compiled) << "kind " << kind << " number " << number << " content " << content;
    return direct;
}

std::size_t countTrue(ConditionKind kind, std::string_view content, std::string_view tolerance = "无设置") {
    return evaluateLineTable(kind, tolerance, content, kNoHistory).count();
}

/// The attribute word a kind's record reads from a number, through the record's name as a line writes it.
std::string attr(ConditionKind kind, std::string_view record, std::string_view number) {
    return candidateAttribute(recordTestOf(kind, record), digits(number));
}

} // namespace

TEST(ConditionKindGroupType, PairWithNeighboursAndTriples) {
    const std::string c = "组选类型~组三_连~1~0&";
    EXPECT_TRUE(eval(1, "112", c));
    EXPECT_TRUE(eval(1, "001", c));
    EXPECT_TRUE(eval(1, "090", c)); // 0 and 9 are neighbours
    EXPECT_FALSE(eval(1, "113", c));
    EXPECT_FALSE(eval(1, "777", c));
    EXPECT_FALSE(eval(1, "123", c));
    EXPECT_FALSE(eval(1, "113", "组选类型~组三_连 组三_连~1~0")); // "组三_连" is not inside "组三_不连"
    EXPECT_TRUE(eval(1, "113", "组选类型~组三_不连~1~0"));
    // 豹子号 excluded: the line is true for every number but the ten triples.
    EXPECT_EQ(countTrue(1, "组选类型~豹子号~0~0&"), 990u);
    EXPECT_TRUE(eval(1, "123", "组选类型~顺子~1~1&")); // the record's tolerance flag is not read
}

TEST(ConditionKindSortedDigits, TolerantRecordsAndLevelTolerance) {
    const std::string c = "最小号~0~1~1&最大号~9~1~1&";
    EXPECT_TRUE(eval(2, "059", c));
    EXPECT_FALSE(eval(2, "159", c)); // one tolerant failure with 无设置
    EXPECT_TRUE(eval(2, "159", c, "1-1"));
    EXPECT_FALSE(eval(2, "059", c, "1-1")); // passes both: zero failures is below the range
    EXPECT_FALSE(eval(2, "158", c, "1-1")); // fails both
    EXPECT_FALSE(eval(2, "159", "最小号~0~1~0&最大号~9~1~1&", "0-2")); // a non-tolerant failure ends the line
    EXPECT_EQ(attr(2, "中间号", "951"), "5");
}

TEST(ConditionKindBinaryPatterns, GroupIgnoresOrderDirectDoesNot) {
    for (const char* n : {"125", "512", "251"})
        EXPECT_TRUE(eval(3, n, "组选大小~2小1大~1~0&"));
    EXPECT_TRUE(eval(3, "252", "直选大小~小大小~1~0&"));
    EXPECT_FALSE(eval(3, "225", "直选大小~小大小~1~0&"));
    EXPECT_EQ(attr(3, "直选大小", "529"), "大小大");
    EXPECT_EQ(attr(4, "组选奇偶", "135"), "3奇");
    EXPECT_EQ(attr(5, "组选质合", "146"), "2合1质"); // 1 counts as prime
    EXPECT_EQ(attr(5, "直选质合", "146"), "质合合");
}

TEST(ConditionKindSumAndPositions, WholeWords) {
    EXPECT_TRUE(eval(6, "129", "和值~10 11 12~1~0&"));
    EXPECT_FALSE(eval(6, "000", "和值~10 11 12~1~0&")); // "0" is not a whole word of "10"
    EXPECT_TRUE(eval(6, "000", "和值~10 11 12~0~0&"));
    EXPECT_TRUE(eval(7, "357", "百位~3~1~0&十位~5~1~0&个位~7 8~1~0&"));
    EXPECT_FALSE(eval(7, "537", "百位~3~1~0&十位~5~1~0&"));
}

TEST(ConditionKindRowLists, PositionSetsAndDigitGroups) {
    const std::string c = "按位复式~1^0123/456/789^3~1~0&";
    EXPECT_TRUE(eval(8, "047", c));
    EXPECT_TRUE(eval(8, "147", c));
    EXPECT_FALSE(eval(8, "447", c));
    EXPECT_TRUE(eval(8, "447", "按位复式~1^0123/456/789^23~1~0&"));
    // A row not in use is skipped: with 无设置 the line is true for everything.
    EXPECT_EQ(countTrue(8, "按位复式~0^0123/456/789^3~1~0&"), 1000u);
    EXPECT_TRUE(eval(9, "001", "号码组~1^01^2^1~1~0&"));
    EXPECT_FALSE(eval(9, "001", "号码组~1^01^2^0~1~0&"));
    EXPECT_TRUE(eval(9, "001", "号码组~1^01^3^0~1~0&"));
}

TEST(ConditionKindTailAndSpan, WordsOfTheValue) {
    EXPECT_EQ(attr(10, "合值", "258"), "5");
    EXPECT_EQ(attr(10, "合值大小", "258"), "大数");
    EXPECT_EQ(attr(10, "合值奇偶", "258"), "奇数");
    EXPECT_EQ(attr(10, "合值质合", "258"), "质数");
    EXPECT_EQ(attr(10, "合值大中小", "258"), "中");
    EXPECT_EQ(attr(10, "合值012路", "258"), "2路");
    EXPECT_EQ(attr(11, "跨度", "258"), "6");
    EXPECT_EQ(attr(11, "跨度大小", "258"), "大数");
    EXPECT_EQ(attr(11, "跨度奇偶", "258"), "偶数");
    EXPECT_EQ(attr(11, "跨度质合", "258"), "合数");
    EXPECT_EQ(attr(11, "跨度大中小", "258"), "中");
    EXPECT_EQ(attr(11, "跨度012路", "258"), "0路");
    EXPECT_EQ(attr(10, "合值质合", "000"), "合数");
    EXPECT_EQ(attr(11, "跨度大中小", "000"), "小");
    const std::string c = "合值~1 3 8~1~1&合值奇偶~奇数~1~1&";
    EXPECT_FALSE(eval(10, "128", c, "1-1")); // tail 1, odd: no failure
    EXPECT_FALSE(eval(10, "129", c, "1-1")); // tail 2, even: two failures
    EXPECT_TRUE(eval(10, "008", c, "1-1"));  // tail 8, even: one failure
    EXPECT_TRUE(eval(10, "005", c, "1-1"));  // tail 5, odd: one failure
}

TEST(ConditionKindOrderAndShape, SubstringMatches) {
    const std::string c = "群号~1号 2号~1~0&";
    EXPECT_TRUE(eval(12, "123", c));
    EXPECT_TRUE(eval(12, "132", c));
    EXPECT_FALSE(eval(12, "321", c));
    EXPECT_EQ(attr(13, "连号", "777"), "豹子");
    EXPECT_TRUE(eval(13, "777", "连号~豹子 顺子~1~1&"));
    EXPECT_FALSE(eval(13, "777", "连号~豹子 顺子~0~0&"));
}

TEST(ConditionKindRoutes, CountsPatternsAndShape) {
    EXPECT_EQ(attr(14, "0路个数", "147"), "0");
    EXPECT_EQ(attr(14, "1路个数", "147"), "3");
    EXPECT_EQ(attr(14, "组选排列", "147"), "030");
    EXPECT_EQ(attr(14, "直选排列", "147"), "111");
    EXPECT_EQ(attr(14, "形态", "147"), "a");
    EXPECT_EQ(attr(14, "组选排列", "012"), "111");
    EXPECT_EQ(attr(14, "直选排列", "012"), "012");
    EXPECT_EQ(attr(14, "形态", "012"), "c");
    EXPECT_EQ(attr(14, "直选排列", "258"), "222");
}

TEST(ConditionKindBigMidSmall, ReadsSortedDigits) {
    EXPECT_EQ(attr(15, "大数个数", "951"), "1");
    EXPECT_EQ(attr(15, "组选排列", "951"), "1大1中1小");
    EXPECT_EQ(attr(15, "直选排列", "951"), "小中大");
    EXPECT_EQ(attr(15, "直选排列", "519"), "小中大");
    EXPECT_EQ(attr(15, "形态", "951"), "c");
    EXPECT_EQ(attr(15, "组选排列", "789"), "3大");
    EXPECT_EQ(countTrue(15, "直选排列~大中小~1~0&"), 0u);
}

TEST(ConditionKindHistorySets, ClassesCountsAndShape) {
    const std::string ref = "035^128^4679%0";
    EXPECT_TRUE(eval(16, "301", "直选排列~复复隔~1~0&" + ref));
    EXPECT_TRUE(eval(16, "301", "组选排列~2复1隔~1~0&形态~b~1~0&复码个数~2~1~0&" + ref));
    EXPECT_TRUE(eval(16, "555", "组选排列~3复~1~0&形态~a~1~0&" + ref));
    EXPECT_TRUE(eval(17, "301", "直选排列~邻邻孤~1~0&组选排列~2邻1孤~1~0&" + ref));
    EXPECT_TRUE(eval(18, "469", "组选排列~3冷~1~0&形态~a~1~0&" + ref));
    EXPECT_TRUE(eval(18, "019", "组选排列~1热1温1冷~1~0&形态~c~1~0&" + ref));
    // Count records read their own set; the classification gives set1 precedence and ignores set3.
    const std::string overlapping = "12^12^12";
    EXPECT_TRUE(
        eval(16, "123", "复码个数~2~1~0&隔码个数~2~1~0&中码个数~2~1~0&组选排列~2复1中~1~0&" + overlapping));
    // Empty lists are legal: every candidate counts 0 there.
    EXPECT_TRUE(eval(16, "123", "隔码个数~0~1~0&035^^12456789%0"));
}

TEST(ConditionKindPairSums, CountListTest) {
    EXPECT_EQ(attr(19, "百+十", "384"), "11");
    EXPECT_EQ(attr(19, "百+个", "384"), "7");
    EXPECT_EQ(attr(19, "十+个", "384"), "12");
    EXPECT_FALSE(eval(19, "384", "任意两码和~7 11^1 ^1~1~0&"));
    EXPECT_TRUE(eval(19, "384", "任意两码和~7 11^2 ^1~1~0&"));
    EXPECT_TRUE(eval(19, "112", "任意两码和~2 3^2 ^1~1~0&"));
    EXPECT_TRUE(eval(19, "112", "任意两码和~2 3^3 ^0~1~0&"));
    EXPECT_FALSE(eval(19, "384", "任意两码和~7 11^2 ^1~0~0&")); // 排除 with a true count test fails
}

TEST(ConditionKindPairTails, TailsAndReferenceSets) {
    EXPECT_EQ(attr(20, "百+十(位合)", "384"), "1");
    EXPECT_EQ(attr(20, "百+个(位合)", "384"), "7");
    EXPECT_EQ(attr(20, "十+个(位合)", "384"), "2");
    EXPECT_TRUE(eval(21, "384", "任意位合二码~12~1~0&^^"));
    EXPECT_TRUE(eval(21, "384", "任意位合二码~27~1~0&^^"));
    EXPECT_FALSE(eval(21, "384", "任意位合二码~21~1~0&^^"));
    EXPECT_TRUE(eval(21, "555", "任意位合~0^1 ^1~1~0&^^"));
    EXPECT_FALSE(eval(21, "555", "任意位合~0^3 ^1~1~0&^^"));
    EXPECT_TRUE(eval(21, "555", "任意位合~0^3 ^0~1~0&^^"));
    const std::string ref = "035^128^4679%0";
    EXPECT_TRUE(eval(21, "384", "复隔中~2隔1中~1~0&复码个数~0~1~0&形态~b~1~0&" + ref));
    EXPECT_FALSE(eval(21, "384", "复隔中~1隔2中~1~0&" + ref));
}

TEST(ConditionKindDifferencesAndBias, SignedAbsoluteAndClasses) {
    EXPECT_EQ(attr(22, "百-十", "384"), "-5");
    EXPECT_EQ(attr(22, "百-个", "384"), "-1");
    EXPECT_EQ(attr(22, "十-个", "384"), "4");
    EXPECT_EQ(attr(22, "百-十(绝对值)", "384"), "5");
    EXPECT_TRUE(eval(22, "384", "百-十~-5 -3~1~0&百-个(绝对值)~1~1~0&任意位差~5 1^2 ^1~1~0&"));
    EXPECT_FALSE(eval(22, "384", "百-十~5~1~0&"));
    EXPECT_EQ(attr(23, "二细分", "027"), "偏假");
    EXPECT_EQ(attr(23, "三细分", "720"), "假对子");
    EXPECT_EQ(attr(23, "偏态细分", "270"), "假对子27");
    EXPECT_EQ(attr(23, "三细分", "007"), "真正");
    EXPECT_EQ(attr(23, "三细分", "666"), "偏态");
}

TEST(ConditionKindTwoDigits, PositionsAndAnyPair) {
    EXPECT_TRUE(eval(24, "057", "百十~05 16~1~0&"));
    EXPECT_FALSE(eval(24, "507", "百十~05~1~0&"));
    EXPECT_TRUE(eval(24, "500", "任意二码~05~1~0&"));
    EXPECT_TRUE(eval(24, "505", "任意二码~05~1~0&"));
    EXPECT_FALSE(eval(24, "555", "任意二码~05~1~0&"));
}

TEST(ConditionKindDrawnBefore, ReadsTheLastPeriodsOfTheSeries) {
    DrawList draws;
    for (int i = 0; i < 12; ++i)
        draws.push_back({std::to_string(2024001 + i), numberTextOf(100 + i)});
    SeriesHistory history{&draws, nullptr};
    const std::string c = "已出号码~10^0~0~0&%0";
    EXPECT_FALSE(eval(25, "111", c, "无设置", history)); // drawn 1 period ago: removed
    EXPECT_FALSE(eval(25, "102", c, "无设置", history)); // 10 periods ago
    EXPECT_TRUE(eval(25, "101", c, "无设置", history));  // 11 periods ago stays
    EXPECT_TRUE(eval(25, "111", "已出号码~0^0~0~0&%0", "无设置", history));
    EXPECT_TRUE(eval(25, "111", "已出号码~abc^0~0~0&%0", "无设置", history));
    EXPECT_TRUE(eval(25, "111", "已出号码~10^7~0~0&%7", "无设置", history)); // no series 7: matches nothing
    EXPECT_TRUE(eval(25, "111", c));                                         // no history
    // Series 1 without a track table has no values.
    EXPECT_TRUE(eval(25, "111", "已出号码~10^1~0~0&%1", "无设置", history));
    // A backtest view that ends two periods earlier no longer sees 111 and 110.
    SeriesHistory earlier{&draws, nullptr, 10};
    EXPECT_TRUE(eval(25, "111", c, "无设置", earlier));
    EXPECT_FALSE(eval(25, "100", c, "无设置", earlier));
}

TEST(ConditionKindUnknown, UnknownKeywordsAndRecordNames) {
    EXPECT_FALSE(EvaluateLine(0, digits("123"), "无设置", "和值~6~1~0&", kNoHistory));
    EXPECT_EQ(evaluateLineTable(0, "无设置", "和值~6~1~0&", kNoHistory).count(), 0u);
    // An unknown record name never matches: kept it fails, excluded it passes.
    EXPECT_EQ(countTrue(2, "最怪号~1~1~0&"), 0u);
    EXPECT_EQ(countTrue(2, "最怪号~1~0~0&"), 1000u);
}
