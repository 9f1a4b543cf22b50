#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/text_codec.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_file.h"

using namespace p3::core;
namespace fs = std::filesystem;

namespace {
ConditionList sampleList() {
    return {{"1", "组选类型", "1|0|无设置", "1", "1", "组选类型~豹子号 组三_连 顺子~1~0&"},
            {"0", "复隔中", "2|1|0-1", "0", "0", "复码个数~1 2~1~0&形态~a b~0~1&0358^14^2679%0"}};
}
} // namespace

TEST(ConditionFile, RoundTripLosesOnlyTheFinalAmpersand) {
    p3::test::TempDir dir;
    const auto file = dir / "plan.ag";
    ASSERT_TRUE(writeConditionFile(file, sampleList()));
    auto loaded = readConditionFile(file);
    ASSERT_TRUE(loaded) << loaded.error().message;
    ASSERT_EQ(loaded->size(), 2u);
    auto expected = sampleList();
    expected[0].content = "组选类型~豹子号 组三_连 顺子~1~0";
    EXPECT_EQ((*loaded)[0], expected[0]);
    EXPECT_EQ((*loaded)[1], expected[1]); // ended in the reference element, no "&" to lose
    // The file is GBK on disk, with the layout of the format.
    const auto bytes = readFileBytes(file);
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(isValidUtf8(*bytes));
    EXPECT_EQ(splitLines(*gbkToUtf8(*bytes)),
              (std::vector<std::string>{"Begin_Tianjiao", "1~组选类型~1|0|无设置~1~1",
                                        "组选类型~豹子号 组三_连 顺子~1~0", "End_Tianjiao", "Begin_Tianjiao",
                                        "0~复隔中~2|1|0-1~0~0", "复码个数~1 2~1~0", "形态~a b~0~1",
                                        "0358^14^2679%0", "End_Tianjiao"}));
}

TEST(ConditionFile, MalformedFilesLoadWhatTheyHold) {
    // No End_Tianjiao: the content runs to the end of the file.
    auto list = parseConditionFile("Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~1 2~1~0\n跨度~3~1~0\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].content, "和值~1 2~1~0&跨度~3~1~0");
    EXPECT_FALSE(list[0].opaque());
    // Fewer than three lines: nothing.
    EXPECT_TRUE(parseConditionFile("Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n").empty());
    // Binary garbage and a UTF-8 file read the same way, never a crash.
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 73) % 256);
    EXPECT_NO_THROW((void)parseConditionFile(decodeText(garbage)));
}

TEST(ConditionFile, LinesItCannotUseAreNamedAndWrittenBackVerbatim) {
    p3::test::TempDir dir;
    // Lines outside any block, a header with two fields, an unknown name (what a damaged encoding
    // leaves of 和值), a record name the kind lacks, a 已出号码 with letters, and two good rows.
    const std::vector<std::string> fileLines{
        "; 我的方案", // 1
        "Begin_Tianjiao",    "1~和值~1|0|无设置~1~0",
        "和值~10 11~1~0",    "End_Tianjiao", // 2-5
        "Begin_Tianjiao",    "1~和值",
        "End_Tianjiao", // 6-8
        "Begin_Tianjiao",    "1~鍜屽€~1|0|无设置~1~0",
        "鍜屽€~10~1~0",      "End_Tianjiao", // 9-12
        "Begin_Tianjiao",    "1~大小参数~1|0|无设置~1~0",
        "大大小~1~1~0",      "End_Tianjiao", // 13-16
        "Begin_Tianjiao",    "1~已出号码~1|0|无设置~1~0",
        "已出号码~3a^0~0~0", "%0",
        "End_Tianjiao", // 17-21
        "stray text",   // 22
        "Begin_Tianjiao",    "0~跨度~1|0|无设置~1~0",
        "跨度~3~1~0", // 23-25, no End
    };
    const std::string text = joinLines(fileLines);
    const ConditionFileParse parsed = parseConditionFileChecked(text);
    ASSERT_EQ(parsed.lines.size(), 8u);
    std::vector<std::pair<int, int>> rowsAndLines;
    for (const auto& issue : parsed.issues)
        rowsAndLines.emplace_back(issue.row, issue.fileLine);
    EXPECT_EQ(rowsAndLines,
              (std::vector<std::pair<int, int>>{{1, 1}, {3, 6}, {4, 9}, {5, 13}, {6, 17}, {7, 22}}));
    EXPECT_EQ(parsed.issues[2].message(),
              "条件文件第 9 行 (条件序号4) 无法使用: 条件名无法识别: 1~鍜屽€~1|0|无设置~1~0");
    EXPECT_EQ(parsed.issues[4].reason, "已出号码的期数和星轨参数必须是数字");
    EXPECT_FALSE(parsed.lines[1].opaque());
    EXPECT_FALSE(parsed.lines[7].opaque());
    EXPECT_EQ(parsed.lines[2].verbatim,
              (std::vector<std::string>{"Begin_Tianjiao", "1~和值", "End_Tianjiao"}));

    // Such rows take no part in a run and do not toggle.
    ConditionList list = parsed.lines;
    toggleFlag(list[3], FlagColumn::Use);
    EXPECT_EQ(list[3].use, "1");
    const auto compiled = compileConditions(list, SeriesHistory{});
    ASSERT_TRUE(compiled);
    EXPECT_EQ(compiled->unknownRows, (std::vector<int>{3, 4, 5, 6}));
    ASSERT_EQ(compiled->lines.size(), 1u);
    EXPECT_EQ(compiled->lines[0].row, 2);

    // Saved again (with a row added after the block that had no end), every line is still there.
    list.push_back({"1", "跨度", "1|0|无设置", "1", "0", "跨度~5~1~0&"});
    const fs::path file = dir / "plan.ag";
    ASSERT_TRUE(writeConditionFile(file, list));
    std::vector<std::string> expected = fileLines;
    expected.emplace_back("End_Tianjiao");
    for (const char* line : {"Begin_Tianjiao", "1~跨度~1|0|无设置~1~0", "跨度~5~1~0", "End_Tianjiao"})
        expected.emplace_back(line);
    const auto saved = readTextFile(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ(splitLines(*saved), expected);
    // And read back, the same rows with the same issues.
    const auto again = readConditionFileChecked(file);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->issues.size(), 6u);
    EXPECT_EQ(again->lines.size(), 9u);
}

TEST(ConditionFile, UnsavableFieldsAndMissingFilesAreRefused) {
    p3::test::TempDir dir;
    auto list = sampleList();
    list[1].keyword = "复~隔中";
    auto status = writeConditionFile(dir / "x.ag", list);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().message, "条件序号2 含有不能保存的字符");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.ag"));
    // A blank field would shift the fields after it when read back; a content piece "End_Tianjiao"
    // would cut the content short.
    list = sampleList();
    list[0].counts = "";
    EXPECT_EQ(writeConditionFile(dir / "x.ag", list).error().message, "条件序号1 含有不能保存的字符");
    list = sampleList();
    list[1].tolerant = " ";
    EXPECT_FALSE(writeConditionFile(dir / "x.ag", list));
    list = sampleList();
    list[0].content = "和值~1~1~0&End_Tianjiao&跨度~2~1~0";
    EXPECT_FALSE(writeConditionFile(dir / "x.ag", list));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.ag"));
    EXPECT_FALSE(readConditionFile(dir / "none.ag"));
    EXPECT_EQ(conditionFileName("plan"), std::filesystem::path("plan.ag"));
    EXPECT_EQ(conditionFileName("plan.txt"), std::filesystem::path("plan.txt"));
}

TEST(ConditionFile, HugeSingleLineDoesNotHang) {
    std::string text = "Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n";
    text += std::string(50u * 1024 * 1024, 'x');
    const auto list = parseConditionFile(text);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].content.size(), 50u * 1024 * 1024);
}

TEST(ConditionFile, AutomaticCopyInTheHome) {
    p3::test::TempDir dir;
    auto empty = loadAutoConditionList(dir.path());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    ASSERT_TRUE(saveAutoConditionList(dir.path(), sampleList()));
    EXPECT_TRUE(std::filesystem::exists(dir / "~tmp_tj.ag"));
    auto loaded = loadAutoConditionList(dir.path());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 2u);
}
