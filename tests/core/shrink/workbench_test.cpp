#include <gtest/gtest.h>

#include <algorithm>

#include "common/temp_dir.h"
#include "core/io/text_codec.h"
#include "core/shrink/number_list.h"
#include "core/shrink/workbench.h"

using namespace p3::core;

using Numbers = std::vector<std::string>;

TEST(NumberTextFile, WritesSpacedDigitsAndReadsWithTheSetToolRule) {
    p3::test::TempDir dir;
    const auto file = dir / "bets.txt";
    ASSERT_TRUE(writeNumberTextFile(file, formatBetListText({"000", "123"})));
    EXPECT_EQ(*readFileBytes(file), "0 0 0\r\n1 2 3\r\n");
    EXPECT_EQ(*readNumberTextFile(file), (Numbers{"000", "123"}));
    EXPECT_EQ(readNumberTokens("12 3 456"), (Numbers{"123", "456"}));
    EXPECT_EQ(readNumberTokens("1 2 3 4 5 6\n123 456"), (Numbers{"123", "456", "123", "456"}));
    // A partial number does not carry over to the next line; an over-long gathering restarts.
    EXPECT_EQ(readNumberTokens("12\n3 45 6"), (Numbers{"345"}));
    EXPECT_EQ(readNumberTokens("12 4567 89 0"), (Numbers{"890"}));
    EXPECT_EQ(readNumberTokens("12 456"), (Numbers{"456"}));
    EXPECT_EQ(readNumberTokens("abc"), (Numbers{"abc"})); // not checked to be digits
    EXPECT_FALSE(readNumberTextFile(dir / "missing.txt"));
    EXPECT_EQ(numberFileName("out"), std::filesystem::path("out.txt"));
    std::string huge(20u * 1024 * 1024, '1');
    EXPECT_TRUE(readNumberTokens(huge).empty());
}

TEST(NumberMemo, LayoutAndReading) {
    const Numbers seven{"001", "002", "003", "004", "005", "006", "007"};
    EXPECT_EQ(LayoutNumbers(seven, 3), "001 002 003\n004 005 006\n007");
    EXPECT_EQ(LayoutNumbers({}, 3), "");
    EXPECT_EQ(ReadMemoNumbers("001 02 0003\n  004\tx12"), (Numbers{"001", "004", "x12"}));
    EXPECT_EQ(memoTokens("001 02\n3"), (Numbers{"001", "02", "3"}));
    EXPECT_EQ(*parseNewBetNumber(" 1-2-3 "), "123");
    EXPECT_EQ(parseNewBetNumber("1234").error().message, "投注号码格式不正确!");
    EXPECT_EQ(betCountLabel(12), "共: 12 注");
}

TEST(Intersection, MembershipToleranceAndTrackSpace) {
    const TrackTable none;
    std::vector<IntersectionEntry> entries{{"1", "D0", 0, {"123", "456"}, "1", "0"},
                                           {"1", "D1", 0, {"456", "789"}, "1", "0"}};
    EXPECT_EQ(*Intersect(entries, {}, none), (Numbers{"456"}));
    for (auto& e : entries)
        e.tolerant = "1";
    EXPECT_EQ(*Intersect(entries, {true, 0, 1}, none), (Numbers{"123", "456", "789"}));
    // Tolerant entries count only when the total tolerance is on.
    EXPECT_EQ(*Intersect(entries, {}, none), (Numbers{"456"}));
    // An excluding entry used alone: the 1000 numbers minus its own.
    std::vector<IntersectionEntry> exclude{{"1", "x", 0, {"123", "bad"}, "0", "0"}};
    const auto rest = *Intersect(exclude, {}, none);
    EXPECT_EQ(rest.size(), 999u);
    EXPECT_EQ(std::count(rest.begin(), rest.end(), "123"), 0);
    entries[0].use = entries[1].use = "0";
    EXPECT_EQ(Intersect(entries, {}, none).error().message, "请选择要交集的组合");
    // A track-space entry contributes N + P_k.
    DrawList draws;
    for (int i = 0; i < 30; ++i)
        draws.push_back({std::to_string(i + 1), numberTextOf((i * 293) % 1000)});
    const auto table = TrackTable::ComputeTrackTable(draws, {"123", "456", "789"}, 3);
    const std::string p3 = table.prediction(3);
    std::vector<IntersectionEntry> track{{"1", "D3", 3, {"000"}, "1", "0"}};
    EXPECT_EQ(*Intersect(track, {}, table), (Numbers{p3}));
    track[0].series = 7;
    EXPECT_EQ(Intersect(track, {}, table).error().message, "星轨参数只支持 星轨1..星轨6");
    EXPECT_EQ(intersectionCaption(3), "交集结果为开奖号码 (共:3注)");
}

TEST(Staging, UsedRowsBecomeEntries) {
    const std::vector<StagedList> staged{
        {"1", "奖号大底1", {"123"}}, {"0", "奖号大底2", {"456"}}, {"1", "c", {}}};
    const auto entries = stagedToIntersection(staged);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "奖号大底1");
    EXPECT_EQ(entries[0].series, 0);
    EXPECT_EQ(entries[0].keep, "1");
    EXPECT_EQ(entries[0].tolerant, "0");
    EXPECT_EQ(intersectionNameChoices()[18], "D18");
    EXPECT_EQ(intersectionNameChoices().size(), 30u);
}

TEST(DrawNumberConversions, GroupDirectAndTrack) {
    EXPECT_EQ(groupToDirect({"112"}), (Numbers{"112", "121", "211"}));
    EXPECT_EQ(groupToDirect({"123"}), (Numbers{"123", "132", "213", "231", "312", "321"}));
    EXPECT_EQ(groupToDirect({"777"}), (Numbers{"777"}));
    EXPECT_EQ(groupToDirect({"211", "12", "112"}), (Numbers{"112", "112", "121", "121", "211", "211"}));
    EXPECT_EQ(directToGroup({"321", "231", "555"}), (Numbers{"123", "555"}));
    EXPECT_EQ(TrackConvert({"987", "000", "005"}, "000"), (Numbers{"000", "005", "987"}));
    EXPECT_EQ(TrackConvert({"987", "000"}, "123"), (Numbers{"000", "123"}));
    EXPECT_EQ(TrackConvert({}, "123"), Numbers{});
    EXPECT_EQ(drawNumbersCaption(0), "开奖号码 (共:0注)");
    EXPECT_EQ(*seriesKey(TrackTable{}, 0), "000");
    EXPECT_FALSE(seriesKey(TrackTable{}, 2)); // no predictions without a history
}

TEST(Staging, EntryProposalFollowsTheConditionList) {
    EXPECT_EQ(proposeIntersectionEntry({}).name, "D0");
    const ConditionList list{{"1", "和值", "1|0|无设置", "1", "0", "和值~1~1~0"},
                             {"1", "邻孤传", "1|0|无设置", "1", "0", "形态~a~1~0&1^2^3%3"}};
    const auto proposal = proposeIntersectionEntry(list);
    EXPECT_EQ(proposal.series, 3);
    EXPECT_EQ(proposal.name, "D3");
    EXPECT_EQ(stagedTransferMessage(2), "共转入 2 个奖号大底");
}

TEST(DrawNumberConversions, ChineseTextIsCountedInCharacters) {
    // One Chinese character is one character, not a three-character token.
    EXPECT_EQ(ReadMemoNumbers("中 321 注 231"), (Numbers{"321", "231"}));
    EXPECT_EQ(readNumberTokens("中国 1 234"), (Numbers{"中国1", "234"})); // characters are not checked
    EXPECT_EQ(readNumberTokens("中 321"), (Numbers{"321"}));
    // Such a row written as a bet list file keeps whole characters and reads back as it was.
    p3::test::TempDir dir;
    const auto file = dir / "bets.txt";
    ASSERT_TRUE(writeNumberTextFile(file, formatBetListText({"中国1", "123"})));
    EXPECT_EQ(*readFileBytes(file), "\xD6\xD0 \xB9\xFA 1\r\n1 2 3\r\n"); // GBK 中 国
    EXPECT_EQ(*readNumberTextFile(file), (Numbers{"中国1", "123"}));
    EXPECT_EQ(directToGroup(ReadMemoNumbers("中 321 555 注")), (Numbers{"123", "555"}));
    // A three-character token that is not a number has its characters sorted, and stays valid text.
    const auto group = directToGroup({"乙甲丙"});
    ASSERT_EQ(group.size(), 1u);
    EXPECT_TRUE(isValidUtf8(group[0]));
    EXPECT_EQ(group[0], "丙乙甲"); // by code point: U+4E19 U+4E59 U+7532
}
