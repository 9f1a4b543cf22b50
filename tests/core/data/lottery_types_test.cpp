#include <gtest/gtest.h>

#include "core/data/lottery_types.h"
#include "data_fixture.h"

using namespace p3::core;

TEST(DataLotteryTypes, IdProbeStartsAtTheListCountAndSkipsTakenIds) {
    p3::test::DataFixture f; // ids 0 and 1
    ASSERT_TRUE(f.db.addLottery("third", "体彩", 3, 3));
    auto added = addLotteryType(f.db, "新彩票", "福彩");
    ASSERT_TRUE(added) << added.error().message;
    EXPECT_EQ(added->id, 4); // three listed: 3 is taken, 4 is free
    EXPECT_EQ(added->digitCount, 3);
    auto five = addLotteryType(f.db, "五位", "体彩", 5);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->id, 5);
    EXPECT_EQ((*f.db.findLottery("五位"))->digitCount, 5);
}

TEST(DataLotteryTypes, AddRefusesEmptyDuplicateAndUnknownInput) {
    p3::test::DataFixture f;
    EXPECT_EQ(addLotteryType(f.db, "", "体彩").error().message, "请输入 彩票名称!");
    EXPECT_EQ(addLotteryType(f.db, "  ", "体彩").error().message, "请输入 彩票名称!");
    EXPECT_EQ(addLotteryType(f.db, "福彩3D", "体彩").error().message, "彩票名称 有重复!");
    EXPECT_TRUE(addLotteryType(f.db, "福彩3d", "体彩")); // only an equal text is a duplicate
    EXPECT_FALSE(addLotteryType(f.db, "x", "彩票"));
    EXPECT_FALSE(addLotteryType(f.db, "y", "体彩", 2));
    EXPECT_FALSE(addLotteryType(f.db, "z", "体彩", 6));
    // A tab or a line break would split the name across the fields and lines of every listing.
    EXPECT_FALSE(addLotteryType(f.db, "a\tb", "体彩"));
    EXPECT_FALSE(addLotteryType(f.db, "a\nb", "体彩"));
    const std::string quoted = R"(体"彩'); drop table Table_LeiBie;--)";
    ASSERT_TRUE(addLotteryType(f.db, quoted, "体彩"));
    EXPECT_TRUE(*f.db.findLottery(quoted));
    EXPECT_EQ(f.db.listLotteries()->size(), 4u); // the two kinds, 福彩3d and the quoted name
}

TEST(DataLotteryTypes, DeleteRemovesDrawsFromTheTableOfItsKindOnly) {
    p3::test::DataFixture f;
    // The same id in the other kind's table belongs to nobody we delete.
    ASSERT_TRUE(f.db.appendDraws("福彩", f.fu.id, {{"2007001", "111"}}));
    ASSERT_TRUE(f.db.appendDraws("体彩", f.fu.id, {{"2007001", "222"}}));
    ASSERT_TRUE(deleteLotteryType(f.db, f.fu.name));
    EXPECT_FALSE(*f.db.findLottery(f.fu.name));
    EXPECT_TRUE(f.db.loadDraws("福彩", f.fu.id)->empty());
    EXPECT_EQ(f.db.loadDraws("体彩", f.fu.id)->size(), 1u);
    EXPECT_EQ(deleteLotteryType(f.db, "nothing").error().message, "没有这个彩票: nothing");
    EXPECT_EQ(deleteLotteryType(f.db, "").error().message, "没有选择任何 需要删除的数据");
}
