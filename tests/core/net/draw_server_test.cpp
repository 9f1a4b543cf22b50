// The draw server's answers: the draw file the online update reads back, and its paths.
#include <gtest/gtest.h>

#include "common/test_paths.h"
#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"
#include "core/net/draw_server.h"
#include "core/store/draw_database.h"

using namespace p3::core;

TEST(NetDrawServer, AnswersALotteryAsGbkDrawLinesAndNothingForAnUnknownOne) {
    p3::test::ScratchDir dir("draw-server");
    const auto file = dir / "MDB.sqlite";
    {
        auto db = DrawDatabase::create(file);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->addLottery("体彩排列5", "体彩", 2, 5));
        ASSERT_TRUE(db->appendDraws("体彩", 2, {{"2026002", "01234"}, {"2026001", "98765"}}));
    }
    auto answer = drawFileAnswer(file, "体彩排列5");
    ASSERT_TRUE(answer) << answer.error().message;
    ASSERT_TRUE(*answer);
    EXPECT_EQ(**answer, "2026001 98765\r\n2026002 01234\r\n"); // oldest first, as the client expects
    const DrawTextParse back = parseDrawText(decodeText(**answer), 5);
    EXPECT_FALSE(back.error);
    EXPECT_EQ(back.draws.size(), 2u);

    auto unknown = drawFileAnswer(file, "没有");
    ASSERT_TRUE(unknown);
    EXPECT_FALSE(*unknown);
    EXPECT_FALSE(drawFileAnswer(dir / "missing.sqlite", "体彩排列5"));

    EXPECT_EQ(lotteryOfDrawPath("/down/福彩3D.txt"), "福彩3D");
    EXPECT_EQ(lotteryOfDrawPath("/down/.txt"), std::nullopt);
    EXPECT_EQ(lotteryOfDrawPath("/up/福彩3D.txt"), std::nullopt);
    EXPECT_EQ(lotteryOfDrawPath("/down/福彩3D.csv"), std::nullopt);
}
