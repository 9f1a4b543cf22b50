#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"
#include "core/tools/print_layout.h"

using namespace p3::core;

namespace {
std::vector<std::string> numbers(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(std::string(3, static_cast<char>('0' + i % 10)));
    return out;
}
} // namespace

TEST(ToolsPrintLayout, LinesColumnsAndEmptyLines) {
    auto thirteen = buildPrintLines(numbers(13), {});
    ASSERT_EQ(thirteen.size(), 3u);
    EXPECT_EQ(thirteen[0], "   0,0,0   1,1,1   2,2,2   3,3,3   4,4,4   5,5,5");
    EXPECT_EQ(thirteen[2], "   2,2,2");

    auto sixty = buildPrintLines(numbers(60), {});
    ASSERT_EQ(sixty.size(), 12u);
    EXPECT_EQ(sixty[5], "");
    EXPECT_EQ(sixty[11], "");
    EXPECT_EQ(std::count(sixty.begin(), sixty.end(), ""), 2);

    PrintLayout seq{"-", 1, 1000, true};
    auto withNumbers = buildPrintLines(
        {"111", "222", "333", "444", "555", "666", "777", "888", "999", "000", "123", "027"}, seq);
    EXPECT_EQ(withNumbers[11], "    12: 0-2-7");
    EXPECT_EQ(withNumbers[0], "     1: 1-1-1");
    EXPECT_EQ(buildPrintLines({"123"}, {" ", 10, 5, false}), (std::vector<std::string>{"   1 2 3"}));
    EXPECT_TRUE(buildPrintLines({}, {}).empty());
}

TEST(ToolsPrintLayout, HandoffWritesFileAndSettingsAndReadsBack) {
    p3::test::TempDir home;
    EXPECT_EQ(proposedPrintTitle("福彩3D", "2024100"), "福彩3D 第2024101 期投注结果");
    EXPECT_EQ(proposedPrintTitle("福彩3D", ""), "福彩3D 第1 期投注结果");
    EXPECT_EQ(printCountLabel(13), "共：13注");
    auto lines = writePrintHandoff(home.path(), numbers(7), {}, "标题 \"一\"");
    ASSERT_TRUE(lines) << lines.error().message;
    EXPECT_EQ(lines->size(), 2u);
    EXPECT_EQ(*readFileBytes(home / "print_data.txt"),
              "   0,0,0   1,1,1   2,2,2   3,3,3   4,4,4   5,5,5\r\n   6,6,6\r\n");
    auto settings = Settings::open(home.path());
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->printParams().title, "标题 \"一\"");
    EXPECT_EQ(settings->printParams().count, 7);
    auto back = readPrintHandoff(home.path());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, "标题 \"一\"");
    EXPECT_EQ(back->count, 7);
    EXPECT_EQ(back->lines, *lines);

    EXPECT_FALSE(writePrintHandoff(home.path(), numbers(3), {";", 6, 5, false}, "t"));
    EXPECT_FALSE(writePrintHandoff(home.path(), numbers(3), {",", 11, 5, false}, "t"));
    EXPECT_FALSE(writePrintHandoff(home.path(), numbers(3), {",", 6, 7, false}, "t"));
    EXPECT_EQ(readPrintHandoff(home.path())->count, 7); // a refused layout writes nothing
}
