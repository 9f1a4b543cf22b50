#include <gtest/gtest.h>

#include "core/data/draw_editor.h"
#include "data_fixture.h"

using namespace p3::core;

namespace {
DrawList draws(std::initializer_list<Draw> list) {
    return DrawList(list);
}
} // namespace

TEST(DataDrawEntry, ChecksFieldsInTheEditorsOrder) {
    EXPECT_EQ(checkDrawEntry("", "123", 3).error().message, "请正确输入!");
    EXPECT_EQ(checkDrawEntry("2007001", "", 3).error().message, "请正确输入!");
    EXPECT_EQ(checkDrawEntry("2007001", "123", 5).error().message, "奖号位数不正确!");
    EXPECT_EQ(checkDrawEntry("2007001", "1234", 3).error().message, "奖号位数不正确!");
    EXPECT_EQ(checkDrawEntry("2007001", "1a3", 3).error().message, "奖号只能由数字 0-9 组成!");
    EXPECT_EQ(checkDrawEntry("2007001", "1二3", 3).error().message, "奖号只能由数字 0-9 组成!");
    EXPECT_EQ(checkDrawEntry("2007x01", "123", 3).error().message, "期号只能由数字组成!");
    EXPECT_EQ(checkDrawEntry("1\"; drop", "123", 3).error().message, "期号只能由数字组成!");
    EXPECT_EQ(checkDrawEntry("-5", "123", 3).error().message, "期号只能由数字组成!");
    EXPECT_EQ(checkDrawEntry(" 2007001", "123", 3).error().message, "期号只能由数字组成!");
    EXPECT_TRUE(checkDrawEntry("2007001", "027", 3));
    EXPECT_TRUE(checkDrawEntry("2007001", "02789", 5));
}

TEST(DataDrawEditor, AddToEmptyHistoryStoresAndProposesTheNextPeriod) {
    p3::test::DataFixture f;
    DrawEditor editor(f.db, f.ti, {});
    EXPECT_EQ(editor.proposedAddPeriod(), "");
    ASSERT_TRUE(editor.add("2007001", "027"));
    EXPECT_EQ(editor.rows(), draws({{"2007001", "027"}}));
    EXPECT_EQ(f.stored(f.ti), draws({{"2007001", "027"}}));
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(editor.proposedAddPeriod(), "2007002");
    EXPECT_EQ(editor.countText(), "共: 1 期");
    EXPECT_TRUE(f.stored(f.fu).empty());
}

TEST(DataDrawEditor, RefusedEntriesChangeNothing) {
    p3::test::DataFixture f;
    LotteryInfo five{"体彩排列5", "体彩", 2, 5};
    ASSERT_TRUE(f.db.addLottery(five.name, five.kind, five.id, 5));
    DrawEditor editor(f.db, five, {});
    EXPECT_EQ(editor.add("2007001", "123").error().message, "奖号位数不正确!");
    EXPECT_FALSE(editor.changed());
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_TRUE(f.stored(five).empty());

    DrawEditor three(f.db, f.ti, {});
    ASSERT_TRUE(three.add("2007001", "123"));
    // The same period a second time, even written with leading zeros, is refused, not doubled.
    EXPECT_EQ(three.add("2007001", "456").error().message, "第2007001期 已经存在!");
    EXPECT_EQ(three.insertBefore(0, "02007001", "456").error().message, "第02007001期 已经存在!");
    EXPECT_EQ(f.stored(f.ti).size(), 1u);
    EXPECT_EQ(three.rows().size(), 1u);
    // The other kind's table is another lottery: the same period is free there.
    DrawEditor fu(f.db, f.fu, {});
    EXPECT_TRUE(fu.add("2007001", "456"));
}

TEST(DataDrawEditor, APeriodOfAnotherLengthOrTooLongIsRefusedByName) {
    p3::test::DataFixture f;
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, draws({{"2026246", "982"}})));
    DrawEditor editor(f.db, f.ti, f.stored(f.ti));
    // One digit too many would make every later update find nothing newer.
    EXPECT_EQ(editor.add("20262470", "123").error().message,
              "第20262470期 期号位数不对: 本彩票的期号是 7 位数字");
    EXPECT_EQ(editor.insertBefore(0, "202624", "123").error().message,
              "第202624期 期号位数不对: 本彩票的期号是 7 位数字");
    // A period beyond what a period can be would wrap the arithmetic on it.
    EXPECT_EQ(checkDrawEntry("9223372036854775807", "123", 3).error().message,
              "期号太长: 9223372036854775807 (期号最多 12 位数字)");
    EXPECT_EQ(editor.add("9223372036854775807", "123").error().message,
              "期号太长: 9223372036854775807 (期号最多 12 位数字)");
    EXPECT_EQ(f.stored(f.ti), draws({{"2026246", "982"}}));
    EXPECT_FALSE(editor.changed());
    ASSERT_TRUE(editor.add("2026247", "123"));
    // An empty lottery takes any valid length, leading zeros not counted.
    DrawEditor empty(f.db, f.fu, {});
    ASSERT_TRUE(empty.add("0701", "111"));
    ASSERT_TRUE(empty.add("0702", "222"));
    EXPECT_FALSE(empty.add("07030", "333"));
}

TEST(DataDrawEditor, InsertModifyDeleteClearKeepGridAndDatabaseInStep) {
    p3::test::DataFixture f;
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, draws({{"2007002", "222"}, {"2007004", "444"}})));
    DrawEditor editor(f.db, f.ti, f.stored(f.ti));
    EXPECT_EQ(editor.proposedInsertPeriod(1), "2007003");
    ASSERT_TRUE(editor.insertBefore(1, "2007003", "333"));
    ASSERT_TRUE(editor.insertBefore(0, "2007001", "111"));
    EXPECT_EQ(editor.rows(),
              draws({{"2007001", "111"}, {"2007002", "222"}, {"2007003", "333"}, {"2007004", "444"}}));
    EXPECT_EQ(f.stored(f.ti), editor.rows());

    ASSERT_TRUE(editor.modify(2, "999"));
    EXPECT_EQ(editor.rows()[2], (Draw{"2007003", "999"}));
    EXPECT_EQ(editor.modify(2, "99").error().message, "奖号位数不正确!");
    EXPECT_EQ(editor.rows()[2].digits, "999");
    EXPECT_EQ(f.stored(f.ti), editor.rows());

    ASSERT_TRUE(editor.remove(0));
    EXPECT_EQ(editor.rows().front().period, "2007002");
    EXPECT_FALSE(editor.remove(7));
    EXPECT_EQ(f.stored(f.ti), editor.rows());
    EXPECT_EQ(editor.countText(), "共: 3 期");

    editor.clearChanged();
    ASSERT_TRUE(editor.clear());
    EXPECT_TRUE(editor.changed());
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_TRUE(f.stored(f.ti).empty());
}
