#include <gtest/gtest.h>

#include "core/catalogue/condition_line.h"

using namespace p3::core;

namespace {
ConditionLine line(std::string keyword, std::string content) {
    return ConditionLine{"1", std::move(keyword), "1|0|无设置", "1", "0", std::move(content)};
}
} // namespace

TEST(ConditionLineGrammar, BlankPiecesAndMissingFinalAmpersandChangeNothing) {
    const auto a = parseContent(1, "组选类型~豹子号 组三_连 ~1~0&");
    const auto b = parseContent(1, "组选类型~豹子号 组三_连 ~1~0");
    ASSERT_EQ(a.records.size(), 1u);
    EXPECT_EQ(a.records, b.records);
    EXPECT_EQ(a.records[0].value, "豹子号 组三_连 "); // kept untrimmed
    const auto c = parseContent(2, "最小号~0 1 2~1~1&&  &最大号~7 8 9~0~1&");
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[1], (Tj_temp_Record{"最大号", "7 8 9", "0", "1"}));
    EXPECT_FALSE(c.reference.has_value());
}

TEST(ConditionLineGrammar, ReferenceElementKeepsEmptySetsAndSeries) {
    const auto parsed = parseContent(16, "复码个数~1 2~1~0&^05^%2");
    ASSERT_EQ(parsed.records.size(), 1u);
    ASSERT_TRUE(parsed.reference.has_value());
    EXPECT_EQ(parsed.reference->set1, "");
    EXPECT_EQ(parsed.reference->set2, "05");
    EXPECT_EQ(parsed.reference->set3, "");
    EXPECT_EQ(parsed.reference->series, 2);
    const auto noSeries = parseReferenceElement("035^128^4679");
    EXPECT_EQ(noSeries.set3, "4679");
    EXPECT_FALSE(noSeries.series.has_value());
    // Round trip through the writer's form.
    const std::vector<Tj_temp_Record> records{{"形态", "a b ", "0", "1"}};
    const std::string content = buildContent(records, ReferenceElement{"0358", "14", "2679", 0});
    EXPECT_EQ(content, "形态~a b~0~1&0358^14^2679%0");
    // A 已出号码 line keeps its "%s" after the record; the single-record split reads the value.
    EXPECT_EQ(parseRecord("已出号码~30^0~0~0").value, "30^0");
}

TEST(ConditionLineGrammar, ShortRecordsGetEmptyFields) {
    const auto r = parseRecord("和值~ ~1");
    EXPECT_EQ(r.name, "和值");
    EXPECT_EQ(r.value, "1"); // blank pieces are dropped, so the fields shift as the reader splits them
    EXPECT_EQ(r.keep, "");
    EXPECT_EQ(r.tolerant, "");
}

TEST(ConditionLineGrammar, KindKeywords) {
    EXPECT_EQ(KindOfKeyword("组选类型"), 1);
    EXPECT_EQ(KindOfKeyword("012路"), 14);
    EXPECT_EQ(KindOfKeyword("已出号码"), 25);
    EXPECT_EQ(KindOfKeyword("已出号码 "), 0);
    EXPECT_EQ(KindOfKeyword(""), 0);
    for (int k = 1; k <= 25; ++k)
        EXPECT_EQ(KindOfKeyword(keywordOfKind(k)), k);
    EXPECT_EQ(keywordOfKind(26), "");
}

TEST(LevelTolerance, RangeRules) {
    EXPECT_TRUE(InLevelRange(0, "无设置"));
    EXPECT_FALSE(InLevelRange(1, "无设置"));
    EXPECT_FALSE(InLevelRange(0, "1-3"));
    EXPECT_TRUE(InLevelRange(2, "1-3"));
    EXPECT_TRUE(InLevelRange(3, "1-3"));
    EXPECT_FALSE(InLevelRange(4, "1-3"));
    EXPECT_FALSE(InLevelRange(1, "3-1")); // begin above end is never satisfied
    EXPECT_FALSE(InLevelRange(0, "3-1"));
    EXPECT_TRUE(InLevelRange(0, "0-0"));
    ConditionLine l = line("和值", "");
    l.counts = "2|2|0-2";
    EXPECT_EQ(l.levelTolerance(), "0-2");
    l.counts = "2";
    EXPECT_EQ(l.levelTolerance(), "无设置");
}

TEST(ListSeries, FirstHistoryLineDecidesAndMessagesAreExact) {
    ConditionList list{line("和值", "和值~1 2~1~0&"), line("已出号码", "已出号码~30^0~0~0&%0"),
                       line("复隔中", "形态~a~1~0&035^128^4679%5"),
                       line("任意位合", "任意位合~1^1 ^1~1~0&1^2^3")};
    EXPECT_EQ(FindListSeries(list, -1).series, 0);
    EXPECT_EQ(FindListSeries(list, -1).row, 2);
    EXPECT_EQ(FindListSeries(list, 1).series, 5);
    EXPECT_EQ(FindListSeries(list, 1).row, 3);
    EXPECT_FALSE(checkListSeries(list, -1, 0).has_value());
    auto refusal = checkListSeries(list, -1, 2);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->caption, "条件区不允许有不同的星轨参数");
    EXPECT_EQ(refusal->text, "您的过滤条件区已经存在其它星轨参数  条件序号2 为正常号码");
    refusal = checkListSeries(list, 1, 0);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text, "您的过滤条件区已经存在其它星轨参数 条件序号3 为星轨5");
    // A 任意位合 line without "%" never blocks, and an unrelated "%" in another kind is not read.
    ConditionList only21{line("任意位合", "任意位合~1^1 ^1~1~0&1^2^3"), line("和值", "和值~1%3~1~0")};
    EXPECT_EQ(FindListSeries(only21, -1).series, -1);
    EXPECT_FALSE(checkListSeries(only21, -1, 4).has_value());
}

TEST(ConditionFlags, ToggleAndBulkSettings) {
    EXPECT_EQ(toggleFlag("0"), "1");
    EXPECT_EQ(toggleFlag("1"), "0");
    EXPECT_EQ(toggleFlag("x"), "0");
    EXPECT_EQ(toggleFlag(""), "0");
    ConditionList list{line("和值", ""), line("跨度", "")};
    setAllFlags(list, FlagColumn::Tolerant, "1");
    EXPECT_EQ(list[0].tolerant, "1");
    EXPECT_EQ(list[1].tolerant, "1");
    toggleFlag(list[1], FlagColumn::Use);
    EXPECT_EQ(list[1].use, "0");
    EXPECT_EQ(list[0].use, "1");
}

TEST(ConditionSeries, TextsBothWays) {
    EXPECT_EQ(seriesText(0), "开奖号码");
    EXPECT_EQ(seriesText(3), "星轨3");
    EXPECT_EQ(seriesOfText("星轨18"), 18);
    EXPECT_EQ(seriesOfText("开奖号码"), 0);
    EXPECT_EQ(seriesOfText("星轨"), -1);
    EXPECT_EQ(seriesOfText("星轨x"), -1);
}
