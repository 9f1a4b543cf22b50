#include <gtest/gtest.h>

#include "core/history/draw_text_file.h"

using namespace p3::core;

TEST(HistoryDrawText, PiecesAfterThePeriodAreJoined) {
    auto r = parseDrawText("2007123 0 2 7\r\n\r\n2007124   027\n  2007125\t1\t2 3\n", 3);
    EXPECT_FALSE(r.error);
    ASSERT_EQ(r.draws.size(), 3u);
    EXPECT_EQ(r.draws[0], (Draw{"2007123", "027"}));
    EXPECT_EQ(r.draws[1], (Draw{"2007124", "027"}));
    EXPECT_EQ(r.draws[2], (Draw{"2007125", "123"}));
}

TEST(HistoryDrawText, ABadLineStopsReadingAndNamesItsPeriod) {
    auto r = parseDrawText("1 123\n2 456\n3 78\n4 901\n", 3);
    ASSERT_EQ(r.draws.size(), 2u);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->message, "第3期 奖号格式有问题");
    EXPECT_TRUE(parseDrawText("1 12a\n", 3).error);                    // letters are no digits
    EXPECT_TRUE(parseDrawText("1x 123\n", 3).error);                   // nor is a period with letters
    EXPECT_EQ(parseDrawText("1 12345\n2 1234\n", 0).draws.size(), 1u); // first line sets the count
}

TEST(HistoryDrawText, ASignedPeriodIsNoPeriod) {
    // from_chars alone would read these as the numbers -5 and 5.
    auto negative = parseDrawText("2026001 123\n-5 456\n", 3);
    ASSERT_TRUE(negative.error);
    EXPECT_EQ(negative.error->message, "期号必须是数字: -5");
    EXPECT_EQ(negative.draws.size(), 1u);
    EXPECT_EQ(parseDrawText("+5 456\n", 3).error->message, "期号必须是数字: +5");
    EXPECT_EQ(parseDrawText("1234567890123 456\n", 3).error->message,
              "期号太长: 1234567890123 (期号最多 12 位数字)");
}

TEST(HistoryDrawText, GarbageAndHugeLinesEndCleanly) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    auto r = parseDrawText(garbage, 3);
    EXPECT_TRUE(r.error || r.draws.empty());
    auto huge = parseDrawText("1 " + std::string(5'000'000, '1'), 3);
    EXPECT_TRUE(huge.error);
    EXPECT_EQ(formatDrawText({{"1", "123"}, {"2", "456"}}, "\n"), "1 123\n2 456\n");
}
