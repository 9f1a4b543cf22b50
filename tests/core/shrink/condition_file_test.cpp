#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/text_codec.h"
#include "core/shrink/condition_file.h"

using namespace p3::core;

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
    // Fewer than three lines: nothing.
    EXPECT_TRUE(parseConditionFile("Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n").empty());
    // A header with missing fields leaves them empty; text outside Begin/End is ignored.
    list = parseConditionFile("junk\nBegin_Tianjiao\n1~和值\nEnd_Tianjiao\nmore junk\nBegin_Tianjiao");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].keyword, "和值");
    EXPECT_EQ(list[0].counts, "");
    EXPECT_EQ(list[0].content, "");
    // Binary garbage and a UTF-8 file read the same way, never a crash.
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 73) % 256);
    EXPECT_NO_THROW((void)parseConditionFile(decodeText(garbage)));
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
