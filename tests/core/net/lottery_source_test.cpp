// Where a lottery's new draws come from: stored with the lottery (older databases given the column),
// set in the template, and found at the address of the settings.
#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include "common/temp_dir.h"
#include "core/io/app_path.h"
#include "core/net/online_update.h"

using namespace p3::core;

TEST(LotterySource, OlderDatabasesGainTheColumnAndKeepTheirLotteries) {
    p3::test::TempDir dir;
    const auto file = dir / "MDB.sqlite";
    {
        // The lottery table as it was before lotteries had a source.
        SQLite::Database old(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        old.exec("CREATE TABLE Table_LeiBie (Cp_name TEXT NOT NULL, Cp_LeiBie TEXT NOT NULL, "
                 "Cp_only_ID INTEGER NOT NULL, Cp_hmGeshu INTEGER NOT NULL DEFAULT 3);"
                 "CREATE TABLE FuCai_Table (Cp_QHao INTEGER NOT NULL, Cp_Hm TEXT NOT NULL, Cp_only_ID "
                 "INTEGER NOT NULL);"
                 "CREATE TABLE TiCai_Table (Cp_QHao INTEGER NOT NULL, Cp_Hm TEXT NOT NULL, Cp_only_ID "
                 "INTEGER NOT NULL);"
                 "CREATE TABLE Delault_Table (Public_Hm TEXT NOT NULL);"
                 "CREATE TABLE TuBiao_Table (Cmd_name TEXT NOT NULL, Cmd_title TEXT, Cmd_help TEXT);"
                 "INSERT INTO Table_LeiBie VALUES ('老彩', '福彩', 4, 3);");
    }
    auto db = DrawDatabase::open(file);
    ASSERT_TRUE(db) << db.error().message;
    EXPECT_EQ(db->lotterySource(4).value(), "server");
    ASSERT_TRUE(db->setLotterySource("老彩", "cwl"));
    EXPECT_EQ(db->lotterySource(4).value(), "cwl");
    EXPECT_FALSE(db->setLotterySource("没有", "cwl"));
    auto listed = db->listLotteries();
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->size(), 1u);
    // Opening again finds the column in place.
    auto again = DrawDatabase::open(file);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->lotterySource(4).value(), "cwl");
}

TEST(LotterySource, TheTemplateSetsThePublicSourcesAndNewLotteriesAskTheServer) {
    p3::test::TempDir dir;
    const auto home = dir / "home";
    ASSERT_TRUE(ensureHome(home, P3_TEMPLATE_DIR));
    auto db = DrawDatabase::open(home / "Data" / "MDB.sqlite");
    ASSERT_TRUE(db);
    auto settings = Settings::open(home);
    ASSERT_TRUE(settings);
    const auto sourceOf = [&](const std::string& name) {
        auto lottery = db->findLottery(name);
        EXPECT_TRUE(lottery && *lottery) << name;
        return sourceFor(*db, *settings, **lottery);
    };
    auto fc = sourceOf("福彩3D");
    ASSERT_TRUE(fc) << fc.error().message;
    EXPECT_EQ(fc->kind, SourceKind::Cwl);
    EXPECT_EQ(fc->address, "https://www.cwl.gov.cn");
    for (const char* name : {"体彩排列3", "体彩排列5"}) {
        auto tc = sourceOf(name);
        ASSERT_TRUE(tc) << tc.error().message;
        EXPECT_EQ(tc->kind, SourceKind::Sporttery);
        EXPECT_EQ(tc->address, "https://webapi.sporttery.cn");
    }
    ASSERT_TRUE(db->addLottery("新彩", "体彩", 9, 3));
    auto added = sourceOf("新彩");
    ASSERT_FALSE(added); // the server's address is empty in the template
    EXPECT_EQ(added.error().message, update_messages::kNoDataServer);

    // An override of kind and address, as the command line gives them; a missing key is the default.
    auto lottery = db->findLottery("新彩").value().value();
    auto given = sourceFor(*db, *settings, lottery, std::string("lines"), std::string("http://h/{name}.txt"));
    ASSERT_TRUE(given);
    EXPECT_EQ(given->kind, SourceKind::Lines);
    EXPECT_EQ(given->address, "http://h/{name}.txt");
    EXPECT_FALSE(sourceFor(*db, *settings, lottery, std::string("ftp")));
    Settings bare(IniFile::fromText("[Server]\nCwlUrl=\nDownloadTimeout=5\n"));
    auto switchedOff = sourceFor(*db, bare, lottery, std::string("cwl"));
    ASSERT_FALSE(switchedOff);
    EXPECT_EQ(switchedOff.error().message, "没有设置 cwl 数据来源的地址 (Sys_Set.ini [Server] CwlUrl)");
    EXPECT_EQ(sourceFor(*db, bare, lottery, std::string("sporttery"))->address,
              "https://webapi.sporttery.cn");
    EXPECT_EQ(bare.downloadDeadlineMs(), 5000);
    EXPECT_EQ(Settings(IniFile::fromText("")).downloadDeadlineMs(), 60000);
    EXPECT_EQ(Settings(IniFile::fromText("")).updatePageLimit(), 60);
}
