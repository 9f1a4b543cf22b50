#include <gtest/gtest.h>

#include <fstream>

#include "common/test_paths.h"
#include "core/store/draw_database.h"
#include "core/store/load_lottery.h"

using namespace p3::core;

namespace {

DrawDatabase freshDatabase(const p3::test::ScratchDir& dir) {
    auto db = DrawDatabase::create(dir / "MDB.sqlite");
    EXPECT_TRUE(db.has_value()) << (db ? "" : db.error().message);
    return std::move(*db);
}

} // namespace

TEST(StoreDrawDatabase, NamesAndDigitsWithQuotesAreStoredVerbatim) {
    p3::test::ScratchDir dir("store-quotes");
    auto db = freshDatabase(dir);
    const std::string name = R"(体彩"排列'3)";
    ASSERT_TRUE(db.addLottery(name, "体彩", 7, 3));
    ASSERT_TRUE(db.insertDraw("体彩", 7, "2007001", R"(1"2)"));
    auto found = db.findLottery(name);
    ASSERT_TRUE(found && *found);
    EXPECT_EQ((*found)->id, 7);
    auto draws = db.loadDraws("体彩", 7);
    ASSERT_TRUE(draws);
    ASSERT_EQ(draws->size(), 1u);
    EXPECT_EQ((*draws)[0].digits, R"(1"2)");
    ASSERT_TRUE(db.deleteLottery(name));
    EXPECT_FALSE(*db.findLottery(name));
    EXPECT_TRUE(db.loadDraws("体彩", 7)->empty());
}

TEST(StoreDrawDatabase, DrawsSortByNumericPeriodAndKeepLeadingZeros) {
    p3::test::ScratchDir dir("store-order");
    auto db = freshDatabase(dir);
    ASSERT_TRUE(db.addLottery("福彩3D", "福彩", 1, 3));
    ASSERT_TRUE(db.appendDraws("福彩", 1, {{"2007100", "007"}, {"99", "000"}, {"2007009", "090"}}));
    auto draws = db.loadDraws("福彩", 1);
    ASSERT_TRUE(draws);
    ASSERT_EQ(draws->size(), 3u);
    EXPECT_EQ((*draws)[0], (Draw{"99", "000"}));
    EXPECT_EQ((*draws)[1], (Draw{"2007009", "090"}));
    EXPECT_EQ((*draws)[2], (Draw{"2007100", "007"}));
}

TEST(StoreDrawDatabase, DeletingALotteryTouchesOnlyTheTableOfItsKind) {
    p3::test::ScratchDir dir("store-delete");
    auto db = freshDatabase(dir);
    ASSERT_TRUE(db.addLottery("A", "福彩", 1, 3));
    ASSERT_TRUE(db.addLottery("B", "体彩", 2, 3));
    ASSERT_TRUE(db.appendDraws("福彩", 1, {{"1", "123"}, {"2", "456"}}));
    // Draws of id 1 in the other table belong to no lottery of that kind and must survive.
    ASSERT_TRUE(db.appendDraws("体彩", 1, {{"1", "999"}}));
    ASSERT_TRUE(db.appendDraws("体彩", 2, {{"1", "111"}}));
    ASSERT_TRUE(db.deleteLottery("A"));
    EXPECT_EQ(*db.countDraws("福彩", 1), 0);
    EXPECT_EQ(*db.countDraws("体彩", 1), 1);
    EXPECT_EQ(*db.countDraws("体彩", 2), 1);
    EXPECT_EQ(db.listLotteries()->size(), 1u);
}

TEST(StoreDrawDatabase, BatchAppendIsAllOrNothing) {
    p3::test::ScratchDir dir("store-batch");
    auto db = freshDatabase(dir);
    ASSERT_TRUE(db.addLottery("A", "体彩", 0, 3));
    ASSERT_TRUE(db.appendDraws("体彩", 0, {{"1", "123"}}));
    auto bad = db.appendDraws("体彩", 0, {{"2", "456"}, {"x3", "789"}});
    ASSERT_FALSE(bad);
    EXPECT_NE(bad.error().message.find("x3"), std::string::npos);
    EXPECT_EQ(*db.countDraws("体彩", 0), 1);
    auto replaced = db.replaceDraws("体彩", 0, {{"5", "555"}, {"bad", "1"}});
    ASSERT_FALSE(replaced);
    EXPECT_EQ(db.loadDraws("体彩", 0)->at(0), (Draw{"1", "123"})); // the old history is still there
}

TEST(StoreDrawDatabase, UpdateAndDeleteAddressOneDrawOfOneLottery) {
    p3::test::ScratchDir dir("store-edit");
    auto db = freshDatabase(dir);
    // Two lotteries of one kind share the draw table, with the same periods and digits stored.
    const DrawList stored{{"1", "123"}, {"2", "456"}, {"3", "789"}};
    for (const std::int64_t id : {0, 1}) {
        ASSERT_TRUE(db.addLottery(id ? "B" : "A", "体彩", id, 3));
        ASSERT_TRUE(db.appendDraws("体彩", id, stored));
    }
    ASSERT_TRUE(db.updateDraw("体彩", 0, "2", "456", "2", "654"));
    auto gone = db.updateDraw("体彩", 0, "2", "456", "2", "000"); // the old digits no longer match
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.error().message, "找不到要修改的开奖记录: 第2期");
    ASSERT_TRUE(db.deleteDraw("体彩", 0, "1", "123"));
    auto draws = db.loadDraws("体彩", 0);
    ASSERT_EQ(draws->size(), 2u);
    EXPECT_EQ((*draws)[0], (Draw{"2", "654"}));
    EXPECT_EQ(*db.loadDraws("体彩", 1), stored);
    EXPECT_FALSE(db.insertDraw("彩票", 0, "4", "111")); // unknown kind
    EXPECT_TRUE(db.loadDraws("彩票", 0)->empty());
    EXPECT_EQ(db.deleteDraw("体彩", 0, "x1", "123").error().message, "期号必须是数字: x1");
    EXPECT_EQ(db.updateDraw("福彩3D", 0, "2", "654", "2", "1").error().message, "未知的彩票类别: 福彩3D");

    // Clearing one lottery leaves the other's draws and the span of its periods.
    ASSERT_TRUE(db.appendDraws("体彩", 1, {{"12345678", "789"}}));
    ASSERT_TRUE(db.deleteAllDraws("体彩", 0));
    EXPECT_TRUE(db.loadDraws("体彩", 0)->empty());
    EXPECT_EQ(db.periodLengths("体彩", 0)->longest, 0u);
    EXPECT_EQ(db.periodLengths("体彩", 1)->shortest, 1u);
    EXPECT_EQ(db.periodLengths("体彩", 1)->longest, 8u);
}

TEST(StoreDrawDatabase, DigitCountDefaultsToThreeAndIdsCanBeProbed) {
    p3::test::ScratchDir dir("store-default");
    auto db = freshDatabase(dir);
    ASSERT_TRUE(db.addLottery("A", "体彩", 3));
    EXPECT_EQ((*db.findLottery("A"))->digitCount, 3);
    EXPECT_TRUE(*db.lotteryIdExists(3));
    EXPECT_FALSE(*db.lotteryIdExists(4));
    EXPECT_FALSE(db.addLottery("A", "体彩", 4)); // names are unique
}

TEST(StoreDrawDatabase, MissingOrCorruptFilesAreErrorsNamingTheFile) {
    p3::test::ScratchDir dir("store-corrupt");
    auto missing = DrawDatabase::open(dir / "none.sqlite");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("none.sqlite"), std::string::npos);

    std::ofstream(dir / "garbage.sqlite") << std::string(4096, '\x7f') << "not a database";
    auto garbage = DrawDatabase::open(dir / "garbage.sqlite");
    ASSERT_FALSE(garbage);
    EXPECT_NE(garbage.error().message.find("garbage.sqlite"), std::string::npos);

    std::ofstream(dir / "empty.sqlite");
    auto empty = DrawDatabase::open(dir / "empty.sqlite");
    ASSERT_FALSE(empty);
    EXPECT_NE(empty.error().message.find("Table_LeiBie"), std::string::npos);
}

TEST(StoreLoadLottery, StatusTextsAndUnknownNames) {
    p3::test::ScratchDir dir("store-load");
    auto db = freshDatabase(dir);
    ASSERT_TRUE(db.addLottery("空", "福彩", 1, 3));
    ASSERT_TRUE(db.addLottery("满", "体彩", 2, 5));
    ASSERT_TRUE(db.appendDraws("体彩", 2, {{"2007002", "12345"}, {"2007001", "00001"}}));

    auto empty = LoadLottery(db, "空");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->statusTexts[1], "第期 ");
    EXPECT_EQ(empty->statusTexts[2], "共: 0 期");

    auto full = LoadLottery(db, "满");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->lottery.kind, "体彩");
    EXPECT_EQ(full->lottery.id, "2");
    EXPECT_EQ(full->lottery.digitCount, 5);
    EXPECT_EQ(full->draws.front().period, "2007001");
    EXPECT_EQ(full->statusTexts[0], "满");
    EXPECT_EQ(full->statusTexts[1], "第2007002期 12345");
    EXPECT_EQ(full->statusTexts[2], "共: 2 期");

    auto unknown = LoadLottery(db, "无");
    ASSERT_TRUE(unknown);
    EXPECT_TRUE(unknown->lottery.kind.empty());
    EXPECT_TRUE(unknown->draws.empty());
}
