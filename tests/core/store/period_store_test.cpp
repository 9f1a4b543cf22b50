// One row per period of a lottery: the unique index, the repair of older databases, the update's
// store of newer draws, the period rules, and writers that run at the same time.
#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <barrier>
#include <fstream>
#include <thread>

#include "common/test_paths.h"
#include "core/data/draw_import.h"
#include "core/store/draw_database.h"

using namespace p3::core;

namespace {

DrawDatabase freshDatabase(const std::filesystem::path& file) {
    auto db = DrawDatabase::create(file);
    EXPECT_TRUE(db.has_value()) << (db ? "" : db.error().message);
    return std::move(*db);
}

const LotteryInfo kFu{"福彩3D", "福彩", 1, 3};
const LotteryInfo kTi{"体彩排列3", "体彩", 0, 3};

DrawDatabase withLotteries(const std::filesystem::path& file) {
    auto db = freshDatabase(file);
    EXPECT_TRUE(db.addLottery(kFu.name, kFu.kind, kFu.id, kFu.digitCount));
    EXPECT_TRUE(db.addLottery(kTi.name, kTi.kind, kTi.id, kTi.digitCount));
    return db;
}

// A database as earlier versions wrote it: the draw tables with a plain index, so that a period could
// be stored twice.
void writeOldDatabase(const std::filesystem::path& file, const std::vector<std::string>& fuCaiRows) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(R"(
        CREATE TABLE Table_LeiBie (Cp_name TEXT NOT NULL, Cp_LeiBie TEXT NOT NULL,
                                   Cp_only_ID INTEGER NOT NULL, Cp_hmGeshu INTEGER NOT NULL DEFAULT 3);
        CREATE TABLE FuCai_Table (Cp_QHao INTEGER NOT NULL, Cp_Hm TEXT NOT NULL, Cp_only_ID INTEGER NOT NULL);
        CREATE INDEX FuCai_Table_lottery ON FuCai_Table (Cp_only_ID, Cp_QHao);
        CREATE TABLE TiCai_Table (Cp_QHao INTEGER NOT NULL, Cp_Hm TEXT NOT NULL, Cp_only_ID INTEGER NOT NULL);
        CREATE INDEX TiCai_Table_lottery ON TiCai_Table (Cp_only_ID, Cp_QHao);
        CREATE TABLE Delault_Table (Public_Hm TEXT NOT NULL);
        CREATE TABLE TuBiao_Table (Cmd_name TEXT NOT NULL, Cmd_title TEXT, Cmd_help TEXT);
        INSERT INTO Table_LeiBie VALUES ('福彩3D', '福彩', 1, 3);)");
    for (const auto& row : fuCaiRows)
        db.exec("INSERT INTO FuCai_Table VALUES (" + row + ", 1)");
}

DrawList draws(std::initializer_list<Draw> list) {
    return DrawList(list);
}

} // namespace

TEST(StorePeriods, TheDatabaseRefusesASecondRowOfAPeriod) {
    p3::test::ScratchDir dir("periods-unique");
    auto db = withLotteries(dir / "MDB.sqlite");
    ASSERT_TRUE(db.appendDraws(kFu.kind, kFu.id, draws({{"2026001", "123"}, {"2026002", "456"}})));
    // The same period again, alone or inside a batch: refused, and the batch stores nothing.
    EXPECT_FALSE(db.insertDraw(kFu.kind, kFu.id, "2026001", "999"));
    EXPECT_FALSE(db.appendDraws(kFu.kind, kFu.id, draws({{"2026003", "789"}, {"2026002", "000"}})));
    EXPECT_FALSE(db.appendDraws(kFu.kind, kFu.id, draws({{"2026004", "789"}, {"2026004", "789"}})));
    EXPECT_EQ(*db.countDraws(kFu.kind, kFu.id), 2);
    // The same period of another lottery, in either table, is another draw.
    EXPECT_TRUE(db.insertDraw(kTi.kind, kTi.id, "2026001", "999"));
    ASSERT_TRUE(db.addLottery("福彩4D", "福彩", 5, 4));
    EXPECT_TRUE(db.insertDraw("福彩", 5, "2026001", "9999"));
}

TEST(StorePeriods, AnOlderDatabaseWithRepeatedPeriodsIsRepairedOnceKeepingTheFirstRow) {
    p3::test::ScratchDir dir("periods-repair");
    const auto file = dir / "MDB.sqlite";
    // Rows in storing order: 2026002 twice (first 222), 2026003 three times (first 333).
    writeOldDatabase(file, {"2026001, '111'", "2026002, '222'", "2026003, '333'", "2026002, '999'",
                            "2026003, '998'", "2026004, '444'", "2026003, '997'"});
    {
        auto db = DrawDatabase::open(file);
        ASSERT_TRUE(db) << db.error().message;
        const std::string& notice = db->repairNotice();
        EXPECT_NE(notice.find("3 条重复期号"), std::string::npos) << notice;
        EXPECT_NE(notice.find("2026002, 2026003"), std::string::npos) << notice;
        EXPECT_EQ(*db->loadDraws(kFu.kind, kFu.id),
                  draws({{"2026001", "111"}, {"2026002", "222"}, {"2026003", "333"}, {"2026004", "444"}}));
        EXPECT_FALSE(db->insertDraw(kFu.kind, kFu.id, "2026004", "000")); // the index now holds
    }
    auto again = DrawDatabase::open(file);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->repairNotice(), ""); // said once

    // An older database without repeated periods gains the index and says nothing.
    writeOldDatabase(dir / "clean.sqlite", {"2026001, '111'"});
    auto clean = DrawDatabase::open(dir / "clean.sqlite");
    ASSERT_TRUE(clean);
    EXPECT_EQ(clean->repairNotice(), "");
    EXPECT_FALSE(clean->insertDraw(kFu.kind, kFu.id, "2026001", "000"));
}

TEST(StorePeriods, StoreNewerDrawsKeepsWhatIsAboveTheLastPeriodInPeriodOrder) {
    p3::test::ScratchDir dir("periods-newer");
    auto db = withLotteries(dir / "MDB.sqlite");
    ASSERT_TRUE(db.appendDraws(kFu.kind, kFu.id, draws({{"2026246", "982"}})));
    // Out of order, with old periods, one line twice: the new ones come out sorted, once.
    auto stored = db.storeNewerDraws(kFu, draws({{"2026250", "000"},
                                                 {"2026200", "111"},
                                                 {"2026248", "345"},
                                                 {"2026246", "982"},
                                                 {"2026247", "012"},
                                                 {"2026248", "345"}}));
    ASSERT_TRUE(stored) << stored.error().message;
    EXPECT_EQ(stored->count(), 3u);
    EXPECT_EQ(stored->firstPeriod(), "2026247");
    EXPECT_EQ(stored->lastPeriod(), "2026250");
    EXPECT_EQ(*db.loadDraws(kFu.kind, kFu.id),
              draws({{"2026246", "982"}, {"2026247", "012"}, {"2026248", "345"}, {"2026250", "000"}}));

    // Nothing newer: nothing stored, an empty range.
    auto none = db.storeNewerDraws(kFu, draws({{"2026249", "111"}, {"2026250", "000"}}));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->count(), 0u);
    EXPECT_EQ(none->firstPeriod(), "");

    // One bad new draw refuses the batch, naming it; nothing of the batch is stored.
    const auto refused = [&](DrawList batch) {
        auto out = db.storeNewerDraws(kFu, batch);
        EXPECT_EQ(*db.countDraws(kFu.kind, kFu.id), 4);
        return out ? std::string("stored") : out.error().message;
    };
    EXPECT_EQ(refused({{"2026251", "123"}, {"20262520", "456"}}),
              "第20262520期 期号位数不对: 本彩票的期号是 7 位数字");
    EXPECT_EQ(refused({{"2026251", "123"}, {"2026252", "45"}}), "第2026252期 奖号格式有问题");
    EXPECT_EQ(refused({{"2026251", "12a"}}), "第2026251期 奖号格式有问题");
    EXPECT_EQ(refused({{"2026251", "123"}, {"2026251", "124"}}),
              "第2026251期 出现了两次, 奖号不同: 123 和 124");
    EXPECT_EQ(refused({{"9223372036854775807", "123"}}),
              "期号太长: 9223372036854775807 (期号最多 12 位数字)");
    EXPECT_EQ(refused({{"-2026251", "123"}}), "期号必须是数字: -2026251");

    // An empty lottery takes any valid length; its oldest new period sets the length of the rest.
    auto first = db.storeNewerDraws(kTi, draws({{"26002", "222"}, {"26001", "111"}}));
    ASSERT_TRUE(first) << first.error().message;
    EXPECT_EQ(first->firstPeriod(), "26001");
    auto mixed = db.storeNewerDraws(kTi, draws({{"26003", "333"}, {"2026004", "444"}}));
    ASSERT_FALSE(mixed);
    EXPECT_EQ(mixed.error().message, "第2026004期 期号位数不对: 本彩票的期号是 5 位数字");
}

TEST(StorePeriods, PeriodsAreBoundedWhereverTheyAreRead) {
    EXPECT_EQ(parsePeriod("999999999999"), 999999999999);
    EXPECT_EQ(parsePeriod("1000000000000"), std::nullopt);
    EXPECT_EQ(parsePeriod("9223372036854775807"), std::nullopt);
    EXPECT_TRUE(checkPeriodText("000000000001"));
    EXPECT_FALSE(checkPeriodText("0000000000001"));
    EXPECT_FALSE(checkPeriodText(""));
    EXPECT_FALSE(checkPeriodText("2026 1"));
    EXPECT_EQ(periodDigitCount(2026246), 7u);
    EXPECT_EQ(periodDigitCount(0), 1u);
    // Leading zeros of the text do not count: the database keeps the number.
    EXPECT_TRUE(checkPeriodLength("0701", 3, 3));
    EXPECT_TRUE(checkPeriodLength("20262470", 0, 0));
    EXPECT_TRUE(checkPeriodLength("26001", 5, 7));
    EXPECT_FALSE(checkPeriodLength("20262470", 7, 7));
}

TEST(StorePeriods, ALockedDatabaseIsInUseAndAFolderIsNoDatabase) {
    p3::test::ScratchDir dir("periods-locked");
    const auto file = dir / "MDB.sqlite";
    {
        auto db = withLotteries(file);
        ASSERT_TRUE(db.insertDraw(kFu.kind, kFu.id, "2026001", "111"));
    }
    {
        // Another program holds the database locked for writing: open and store both wait, then
        // say it is in use; nothing changes.
        SQLite::Database other(file.string(), SQLite::OPEN_READWRITE);
        other.exec("BEGIN EXCLUSIVE");
        auto opened = DrawDatabase::open(file);
        ASSERT_FALSE(opened);
        EXPECT_EQ(opened.error().message, databaseInUseMessage(file));
        EXPECT_NE(opened.error().message.find("另一个程序"), std::string::npos);
        other.exec("ROLLBACK");

        auto db = DrawDatabase::open(file);
        ASSERT_TRUE(db);
        other.exec("BEGIN IMMEDIATE");
        auto stored = db->storeNewerDraws(kFu, draws({{"2026002", "222"}}));
        ASSERT_FALSE(stored);
        EXPECT_EQ(stored.error().message, databaseInUseMessage(file));
        other.exec("ROLLBACK");
        EXPECT_EQ(*db->countDraws(kFu.kind, kFu.id), 1);
    }
    std::filesystem::create_directories(dir / "folder.sqlite");
    auto folder = DrawDatabase::open(dir / "folder.sqlite");
    ASSERT_FALSE(folder);
    EXPECT_NE(folder.error().message.find("是一个文件夹"), std::string::npos) << folder.error().message;
}

TEST(StorePeriods, TwoUpdatesAndTwoMergesAtOnceStoreEveryPeriodOnce) {
    p3::test::ScratchDir dir("periods-concurrent");
    const auto file = dir / "MDB.sqlite";
    {
        auto db = withLotteries(file);
        ASSERT_TRUE(db.insertDraw(kFu.kind, kFu.id, "2026000", "000"));
    }
    DrawList feed;
    std::string text;
    for (int i = 1; i <= 3000; ++i) {
        const std::string period = std::to_string(2026000 + i);
        const std::string digits = std::to_string(100 + i % 900);
        feed.push_back({period, digits});
        text += period + " " + digits + "\n";
    }
    // Each writer has its own connection, as two programs would; the barrier starts them together.
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        {
            auto db = DrawDatabase::open(file);
            ASSERT_TRUE(db);
            ASSERT_TRUE(db->replaceDraws(kFu.kind, kFu.id, draws({{"2026000", "000"}})));
        }
        std::barrier start(4);
        std::vector<std::string> errors(4);
        std::vector<std::size_t> added(4);
        auto writer = [&](int n) {
            auto db = DrawDatabase::open(file);
            if (!db) {
                errors[n] = db.error().message;
                start.arrive_and_wait();
                return;
            }
            start.arrive_and_wait();
            if (n < 2) {
                auto out = db->storeNewerDraws(kFu, feed);
                if (out)
                    added[n] = out->count();
                else
                    errors[n] = out.error().message;
            } else {
                auto out = importDrawText(*db, kFu, {}, text, ImportMode::Merge);
                if (out)
                    added[n] = out->added;
                else
                    errors[n] = out.error().message;
            }
        };
        std::vector<std::thread> threads;
        for (int n = 0; n < 4; ++n)
            threads.emplace_back(writer, n);
        for (auto& t : threads)
            t.join();
        for (const auto& e : errors)
            EXPECT_EQ(e, "");
        std::size_t total = 0;
        for (auto a : added)
            total += a;
        EXPECT_EQ(total, 3000u) << "round " << round;
        auto db = DrawDatabase::open(file);
        ASSERT_TRUE(db);
        EXPECT_EQ(*db->countDraws(kFu.kind, kFu.id), 3001) << "round " << round;
    }
}
