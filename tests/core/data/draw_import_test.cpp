#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "core/data/draw_import.h"
#include "core/io/text_codec.h"
#include "data_fixture.h"

using namespace p3::core;

namespace {

DrawList draws(std::initializer_list<Draw> list) {
    return DrawList(list);
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace

TEST(DataImportDraws, ReplaceJoinsPiecesAndKeepsFileOrder) {
    p3::test::DataFixture f;
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, draws({{"1999001", "555"}})));
    writeBytes(f.dir / "in.txt", "2007123 0 2 7\r\n\r\n  2007124\t027  \n2007125 1  23\n");
    auto out = ImportDraws(f.db, f.ti, f.stored(f.ti), f.dir / "in.txt", ImportMode::Replace);
    ASSERT_TRUE(out) << out.error().message;
    const DrawList expected = draws({{"2007123", "027"}, {"2007124", "027"}, {"2007125", "123"}});
    EXPECT_EQ(out->rows, expected);
    EXPECT_EQ(out->added, 3u);
    EXPECT_EQ(f.stored(f.ti), expected);
}

TEST(DataImportDraws, ABadLineRefusesTheWholeFileAndKeepsTheHistory) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"1999001", "555"}, {"1999002", "666"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    writeBytes(f.dir / "bad.txt", "2007001 123\n2007002 456\n2007003 78\n2007004 999\n");
    for (ImportMode mode : {ImportMode::Replace, ImportMode::Merge}) {
        auto out = ImportDraws(f.db, f.ti, before, f.dir / "bad.txt", mode);
        ASSERT_FALSE(out);
        EXPECT_EQ(out.error().message, "第2007003期 奖号格式有问题");
        EXPECT_EQ(f.stored(f.ti), before);
    }
    // Letters where digits belong, a period that is no number, binary bytes, an empty file.
    writeBytes(f.dir / "letters.txt", "2007001 12x\n");
    EXPECT_EQ(ImportDraws(f.db, f.ti, before, f.dir / "letters.txt", ImportMode::Replace).error().message,
              "第2007001期 奖号格式有问题");
    writeBytes(f.dir / "period.txt", "2007001 123\n20o7002 456\n");
    EXPECT_FALSE(ImportDraws(f.db, f.ti, before, f.dir / "period.txt", ImportMode::Replace));
    writeBytes(f.dir / "binary.bin", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_FALSE(ImportDraws(f.db, f.ti, before, f.dir / "binary.bin", ImportMode::Replace));
    writeBytes(f.dir / "gbk.txt", "\xb5\xda 123\n");
    EXPECT_EQ(ImportDraws(f.db, f.ti, before, f.dir / "gbk.txt", ImportMode::Replace).error().message,
              "期号必须是数字: 第"); // GBK read as such
    writeBytes(f.dir / "empty.txt", "\n\n");
    EXPECT_FALSE(ImportDraws(f.db, f.ti, before, f.dir / "empty.txt", ImportMode::Replace));
    EXPECT_FALSE(ImportDraws(f.db, f.ti, before, f.dir / "missing.txt", ImportMode::Replace));
    EXPECT_EQ(f.stored(f.ti), before);
}

TEST(DataImportDraws, MergeAddsOnlyPeriodsNotStoredYet) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"2007001", "111"}, {"2007002", "222"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    writeBytes(f.dir / "more.txt", "2007002 222\n2007003 333\n2007004 444\n");
    auto out = ImportDraws(f.db, f.ti, before, f.dir / "more.txt", ImportMode::Merge);
    ASSERT_TRUE(out) << out.error().message;
    const DrawList expected =
        draws({{"2007001", "111"}, {"2007002", "222"}, {"2007003", "333"}, {"2007004", "444"}});
    EXPECT_EQ(out->added, 2u);
    EXPECT_EQ(out->rows, expected);
    EXPECT_EQ(f.stored(f.ti), expected);
    EXPECT_TRUE(f.stored(f.fu).empty());
}

TEST(DataImportDraws, UtfAndGbkFilesAndAHundredThousandLinesQuickly) {
    p3::test::DataFixture f;
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < 100000; ++i) {
        text += std::to_string(1000000 + i) + ' ' + std::to_string(i % 10) + std::to_string((i / 10) % 10) +
                std::to_string((i / 100) % 10) + "\r\n";
    }
    writeBytes(f.dir / "big.txt", text);
    const auto start = std::chrono::steady_clock::now();
    auto out = ImportDraws(f.db, f.ti, {}, f.dir / "big.txt", ImportMode::Replace);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(out) << out.error().message;
    EXPECT_EQ(out->rows.size(), 100000u);
    EXPECT_EQ(out->rows.back(), (Draw{"1099999", "999"}));
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 1500);
    EXPECT_EQ(f.db.countDraws(f.ti.kind, f.ti.id).value(), 100000);
}

TEST(DataExportDraws, AddsTxtOnlyWhenThePathHoldsNoDot) {
    p3::test::DataFixture f;
    const DrawList list = draws({{"2007001", "027"}, {"2007002", "999"}});
    EXPECT_EQ(exportPathFor("/home/u/data"), std::filesystem::path("/home/u/data.txt"));
    EXPECT_EQ(exportPathFor("/home/u/data.csv"), std::filesystem::path("/home/u/data.csv"));
    EXPECT_EQ(exportPathFor("/a.b/data"), std::filesystem::path("/a.b/data")); // folders count too
    auto plain = exportDraws(list, f.dir / "data.csv");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->filename(), "data.csv");
    EXPECT_EQ(*readTextFile(*plain), "2007001 027\r\n2007002 999\r\n");
    EXPECT_FALSE(exportDraws(list, ""));
    // What is exported imports back unchanged.
    auto back = ImportDraws(f.db, f.fu, {}, *plain, ImportMode::Replace);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rows, list);
}

TEST(DataImportDraws, RepeatedOrSignedPeriodsAndRunawayLinesAreNotStored) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"1999001", "555"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    // A period the file repeats is refused by name, in either mode, and nothing is stored; even the
    // same line twice, since the user may have meant another period.
    writeBytes(f.dir / "twice.txt", "2007001 123\n2007002 789\n2007001 456\n2007003 000\n");
    writeBytes(f.dir / "same.txt", "2007001 123\n2007001 123\n");
    for (ImportMode mode : {ImportMode::Replace, ImportMode::Merge}) {
        for (const char* file : {"twice.txt", "same.txt"}) {
            auto out = ImportDraws(f.db, f.ti, before, f.dir / file, mode);
            ASSERT_FALSE(out) << file;
            EXPECT_EQ(out.error().message, "第2007001期 在文件中出现了两次, 没有导入任何数据");
            EXPECT_EQ(f.stored(f.ti), before);
        }
    }
    writeBytes(f.dir / "once.txt", "2007001 123\n2007002 789\n");
    auto out = ImportDraws(f.db, f.ti, before, f.dir / "once.txt", ImportMode::Replace);
    ASSERT_TRUE(out) << out.error().message;
    const DrawList expected = draws({{"2007001", "123"}, {"2007002", "789"}});
    EXPECT_EQ(out->rows, expected);
    EXPECT_EQ(f.stored(f.ti), expected);
    // A signed period is no period, and the file is refused whole.
    writeBytes(f.dir / "signed.txt", "2007003 123\n-5 456\n");
    auto signedOut = ImportDraws(f.db, f.ti, expected, f.dir / "signed.txt", ImportMode::Merge);
    ASSERT_FALSE(signedOut);
    EXPECT_NE(signedOut.error().message.find("-5"), std::string::npos);
    EXPECT_EQ(f.stored(f.ti), expected);
    // A line of megabytes is named in a message of reasonable length.
    writeBytes(f.dir / "long.txt", std::string(2'000'000, '1') + "\n");
    auto longOut = ImportDraws(f.db, f.ti, expected, f.dir / "long.txt", ImportMode::Replace);
    ASSERT_FALSE(longOut);
    EXPECT_LT(longOut.error().message.size(), 200u);
    EXPECT_EQ(longOut.error().message.rfind("第1111", 0), 0u);
    EXPECT_EQ(f.stored(f.ti), expected);
}

TEST(DataImportDraws, APeriodOfAnotherLengthOrBeyondAnyPeriodIsRefusedByName) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"2026246", "982"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    // One digit too many among the stored 7-digit periods: the file is refused whole.
    writeBytes(f.dir / "typo.txt", "2026247 123\n20262480 456\n2026249 789\n");
    auto merged = ImportDraws(f.db, f.ti, before, f.dir / "typo.txt", ImportMode::Merge);
    ASSERT_FALSE(merged);
    EXPECT_EQ(merged.error().message, "第20262480期 期号位数不对: 本彩票的期号是 7 位数字");
    EXPECT_EQ(f.stored(f.ti), before);
    // Replacing, the file's own first period sets the length.
    auto replaced = ImportDraws(f.db, f.ti, before, f.dir / "typo.txt", ImportMode::Replace);
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().message, "第20262480期 期号位数不对: 本彩票的期号是 7 位数字");
    EXPECT_EQ(f.stored(f.ti), before);
    // A period no lottery has (it wrapped the print title round to a negative number).
    writeBytes(f.dir / "huge.txt", "2026247 123\n9223372036854775807 456\n");
    auto huge = ImportDraws(f.db, f.ti, before, f.dir / "huge.txt", ImportMode::Merge);
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().message, "期号太长: 9223372036854775807 (期号最多 12 位数字)");
    EXPECT_EQ(f.stored(f.ti), before);
    // An empty lottery takes periods of any valid length, the same for the whole file.
    writeBytes(f.dir / "short.txt", "26001 111\n26002 222\n");
    auto fresh = ImportDraws(f.db, f.fu, {}, f.dir / "short.txt", ImportMode::Merge);
    ASSERT_TRUE(fresh) << fresh.error().message;
    EXPECT_EQ(fresh->added, 2u);
}

TEST(DataImportDraws, AFileFarBeyondAnyHistoryIsRefusedUnread) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"1999001", "555"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    { std::ofstream create(f.dir / "huge.txt"); }
    std::filesystem::resize_file(f.dir / "huge.txt", 300u * 1024u * 1024u); // sparse: no disk, no time
    auto out = ImportDraws(f.db, f.ti, before, f.dir / "huge.txt", ImportMode::Replace);
    ASSERT_FALSE(out);
    EXPECT_NE(out.error().message.find("文件太大"), std::string::npos);
    EXPECT_EQ(f.stored(f.ti), before);
}
