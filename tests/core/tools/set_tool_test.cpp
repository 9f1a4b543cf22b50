#include <gtest/gtest.h>

#include <fstream>

#include "common/temp_dir.h"
#include "core/io/text_codec.h"
#include "core/tools/set_tool.h"

using namespace p3::core;
using Numbers = std::vector<std::string>;

namespace {

SetList listOf(std::initializer_list<NamedSet> sets) {
    SetList list;
    for (const auto& s : sets)
        list.add(s);
    return list;
}

} // namespace

TEST(ToolsNumberListText, GathersPiecesIntoThreeCharacterNumbers) {
    EXPECT_EQ(parseNumberListText("123 456"), (Numbers{"123", "456"}));
    EXPECT_EQ(parseNumberListText("1 2 3 4 5 6"), (Numbers{"123", "456"}));
    EXPECT_EQ(parseNumberListText("12 3\r\n\r\n  027\t999"), (Numbers{"123", "027", "999"}));
    // Too long: the piece alone counts when it has three characters, and the gathering starts afresh.
    EXPECT_EQ(parseNumberListText("12 345 6 78"), (Numbers{"345", "678"}));
    EXPECT_EQ(parseNumberListText("1234 5 6 7"), (Numbers{"567"}));
    EXPECT_EQ(parseNumberListText("abc"), (Numbers{"abc"}));
    EXPECT_TRUE(parseNumberListText("12\n").empty());
    EXPECT_EQ(printableNumbers("123 456 78\n9999 027"), (Numbers{"123", "456", "027"}));
    EXPECT_EQ(formatSetResult({"1", "2", "3", "4", "5"}, 2), "1 2\n3 4\n5\n");
    EXPECT_EQ(setResultCaption(12), "共: (12)");
}

TEST(ToolsSetList, IntersectionHonoursKeepAndTolerance) {
    SetList two = listOf({{"A", {"123", "456"}}, {"B", {"456", "789"}}});
    EXPECT_EQ(two.intersect(std::nullopt).value(), (Numbers{"456"}));
    two.flip(1, SetFlag::Keep);
    EXPECT_EQ(two.intersect(std::nullopt).value(), (Numbers{"123"}));

    // The third set tolerates: with 1..1 only the numbers that miss exactly it are kept.
    SetList three = listOf(
        {{"A", {"123", "456", "789"}}, {"B", {"123", "456", "789"}}, {"C", {"456"}, true, true, true}});
    EXPECT_EQ(three.intersect(SetTolerance{1, 1}).value(), (Numbers{"123", "789"}));
    EXPECT_EQ(three.intersect(SetTolerance{0, 0}).value(), (Numbers{"456"}));
    EXPECT_EQ(three.intersect(SetTolerance{0, 1}).value(), (Numbers{"123", "456", "789"}));
    EXPECT_EQ(three.intersect(std::nullopt).value(), (Numbers{"456"}));
    EXPECT_TRUE(three.intersect(SetTolerance{1, 0}).value().empty());

    three.flip(2, SetFlag::TakePart);
    EXPECT_EQ(three.intersect(std::nullopt).value(), (Numbers{"123", "456", "789"}));
    three.flip(0, SetFlag::TakePart);
    three.flip(1, SetFlag::TakePart);
    EXPECT_EQ(three.intersect(std::nullopt).error().message, "请选择要交集的组合");
    EXPECT_EQ(SetList().intersect(std::nullopt).error().message, "集合列表中没有数据!");
    EXPECT_EQ(SetList().unite().error().message, "集合列表中没有数据!");
}

TEST(ToolsSetList, UnionKeepsFirstAppearanceAndFindNamesTheSets) {
    SetList list = listOf({{"A", {"555", "333"}}, {"B", {"333", "111"}}, {"C", {"333"}, false}});
    EXPECT_EQ(list.unite().value(), (Numbers{"555", "333", "111"}));
    EXPECT_EQ(list.find("333").value(), (Numbers{"A", "B"}));
    EXPECT_EQ(list.findText("333").value(), "您要查找的号码：333\n\n存在于下列集合中：\n\n[A], [B]");
    EXPECT_EQ(list.findText("000").error().message, "您要查找的号码 000 在集合列表中没有找到!");
    EXPECT_EQ(list.find("33").error().message, "请正确输入要查询的号码!");
    EXPECT_EQ(SetList().find("333").error().message, "请限定交集数据!");
}

TEST(ToolsSetList, AddingNamesSetsAndRefusesBadInput) {
    p3::test::TempDir dir;
    {
        std::ofstream(dir / "大底.txt") << "123 456\n7 8 9\n";
        std::ofstream(dir / "empty.txt") << "12\n";
    }
    SetList list;
    EXPECT_EQ(list.addFromFile(dir / "大底.txt").value(), "大底");
    EXPECT_EQ(list.addFromFile(dir / "大底.txt").value(), "大底(1)");
    EXPECT_EQ(list.addFromFile(dir / "大底.txt").value(), "大底(2)");
    EXPECT_EQ(list.sets()[0].numbers, (Numbers{"123", "456", "789"}));
    EXPECT_EQ(list.addFromFile(dir / "empty.txt").error().message, "文件为空 或 数据格式不正确!");
    EXPECT_FALSE(list.addFromFile(dir / "missing.txt"));
    // Binary bytes gather into "numbers" of garbage: such a file is refused, a GBK one read as GBK.
    {
        std::ofstream(dir / "picture.txt", std::ios::binary)
            << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01", 19);
        std::ofstream(dir / "gbk.txt", std::ios::binary) << "\xb5\xda 1 2\n";
    }
    EXPECT_EQ(list.addFromFile(dir / "picture.txt").error().message, "文件为空 或 数据格式不正确!");
    ASSERT_TRUE(list.addFromFile(dir / "gbk.txt"));
    EXPECT_EQ(list.sets().back().numbers, (Numbers{"第12"}));
    list.remove(list.sets().size() - 1);
    for (const char* huge : {"huge.txt", "huge.SGL"}) {
        std::ofstream create(dir / huge);
        create.close();
        std::filesystem::resize_file(dir / huge, 100u * 1024u * 1024u); // sparse: no disk, no time
    }
    EXPECT_NE(list.addFromFile(dir / "huge.txt").error().message.find("文件太大"), std::string::npos);
    EXPECT_NE(SetList::load(dir / "huge.SGL").error().message.find("文件太大"), std::string::npos);
    EXPECT_EQ(list.addTyped("", "123").error().message, "请输入集合名称!");
    EXPECT_EQ(list.addTyped("大底", "123").error().message, "集合名称重复!");
    EXPECT_EQ(list.addTyped("手工", "1 2").error().message, "输入错误 输入的号码不够组成正确号码!");
    ASSERT_TRUE(list.addTyped("手工", "1 2 3"));
    EXPECT_EQ(list.sets().size(), 4u);
    list.remove(0);
    EXPECT_EQ(list.sets().front().name, "大底(1)");
    const NamedSet& fresh = list.sets().back();
    EXPECT_TRUE(fresh.takePart && fresh.keep && !fresh.tolerate);
}

TEST(ToolsSetListFile, WritesTenToALineAndReadsBackEverything) {
    Numbers twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back(std::string(3, static_cast<char>('0' + i % 10)));
    SetList list =
        listOf({{"A", twelve, true, true, false}, {"B,逗号", {"027"}, false, false, true}, {"空", {}}});
    EXPECT_EQ(list.toSgl(), "{1,A,1,0}\r\n000 111 222 333 444 555 666 777 888 999\r\n000 111 \r\n"
                            "{0,B,逗号,0,1}\r\n027 \r\n{1,空,1,0}\r\n");
    auto back = SetList::fromSgl(list.toSgl());
    ASSERT_TRUE(back) << back.error().message;
    EXPECT_EQ(back->sets(), list.sets());

    p3::test::TempDir dir;
    auto saved = list.save(dir / "sets");
    ASSERT_TRUE(saved);
    // The folder's name has a dot, and a dot anywhere in the path means no extension is added.
    auto loaded = SetList::load(*saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sets(), list.sets());
    EXPECT_EQ(SetList().save(dir / "x.SGL").error().message, "集合列表没有可保存的记录");

    // Lines before the first header and blank lines are skipped; a bad header is refused.
    auto lenient = SetList::fromSgl("junk 123\n\n{1,X,0,1}\n123  456\n\n789\n");
    ASSERT_TRUE(lenient);
    ASSERT_EQ(lenient->sets().size(), 1u);
    EXPECT_EQ(lenient->sets()[0], (NamedSet{"X", {"123", "456", "789"}, true, false, true}));
    EXPECT_FALSE(SetList::fromSgl("{1,X}\n123\n"));
    // A header cut short would take its last flag from whatever ends the line.
    EXPECT_EQ(SetList::fromSgl("{1,X,0,1\n123\n").error().message, "集合列表文件格式不正确: {1,X,0,1");
    EXPECT_EQ(SetList::fromSgl("{1,X,0,1x\n123\n").error().message, "集合列表文件格式不正确: {1,X,0,1x");
    EXPECT_EQ(SetList::fromSgl("{\n123\n").error().message, "集合列表文件格式不正确: {");
    // A number piece that opens with "{" would open a saved line and read back as a header: refused,
    // wherever it stands in its line.
    EXPECT_EQ(SetList::fromSgl("{1,a,1,0}\n {12 345\n").error().message, "集合列表文件格式不正确:  {12 345");
    EXPECT_FALSE(SetList::fromSgl("{1,a,1,0}\n000 111 222 333 444 555 666 777 888 999 {1,b,1,0}\n"));
    std::ofstream(dir / "bin.SGL", std::ios::binary) << std::string("{1,a,1,0}\n\0\0", 12);
    EXPECT_FALSE(SetList::load(dir / "bin.SGL"));
}

TEST(ToolsSetResult, SavesWithTxtOnce) {
    p3::test::TempDir dir;
    auto a = saveSetResult("123 456\n789", dir / "result");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->filename(), "result.txt");
    EXPECT_EQ(*readTextFile(*a), "123 456\r\n789\r\n");
    EXPECT_EQ(saveSetResult("1", dir / "r.TXT")->filename(), "r.TXT");
}

TEST(ToolsSetList, FreeNamesAreTheFirstFreeNumberedNameEvenAfterRemovals) {
    // Written against the plain rule: the name itself, else the first free of name(1), name(2), ….
    SetList list;
    for (int i = 0; i < 4000; ++i)
        list.add({"甲组", {"123"}});
    EXPECT_EQ(list.sets()[0].name, "甲组");
    EXPECT_EQ(list.sets()[1].name, "甲组(1)");
    EXPECT_EQ(list.sets()[3999].name, "甲组(3999)");
    // A name that looks numbered is a name of its own, and is skipped when taken.
    list.add({"乙(2)", {}});
    list.add({"乙", {}});
    EXPECT_EQ(list.add({"乙", {}}), "乙(1)");
    EXPECT_EQ(list.add({"乙", {}}), "乙(3)");
    // A freed numbered name is the first free one again; a freed base name too.
    list.remove(10); // 甲组(10)
    list.remove(5);  // 甲组(5)
    EXPECT_EQ(list.freeName("甲组"), "甲组(5)");
    EXPECT_EQ(list.add({"甲组", {}}), "甲组(5)");
    EXPECT_EQ(list.add({"甲组", {}}), "甲组(10)");
    EXPECT_EQ(list.add({"甲组", {}}), "甲组(4000)");
    list.remove(0); // 甲组
    EXPECT_EQ(list.add({"甲组", {}}), "甲组");
    EXPECT_TRUE(list.addTyped("甲组(4001)", "123"));
    EXPECT_EQ(list.add({"甲组", {}}), "甲组(4002)");
    EXPECT_EQ(list.addTyped("甲组(4002)", "123").error().message, "集合名称重复!");
    list.clear();
    EXPECT_EQ(list.add({"甲组", {}}), "甲组");
    EXPECT_EQ(list.add({"甲组", {}}), "甲组(1)");
}

TEST(ToolsSetListFile, AFileWithoutASetIsRefusedAndANameSurvivesADamagedByte) {
    p3::test::TempDir dir;
    std::ofstream(dir / "empty.SGL").close();
    std::ofstream(dir / "headless.SGL", std::ios::binary) << "123 456 789 \r\n";
    for (const char* name : {"empty.SGL", "headless.SGL"}) {
        const auto loaded = SetList::load(dir / name);
        ASSERT_FALSE(loaded) << name;
        EXPECT_EQ(loaded.error().message,
                  "集合列表文件中没有集合 (没有 {运算,名称,保留,容错} 行): " + (dir / name).string());
    }
    // UTF-8 with one stray byte keeps its name; UTF-16 reads as text.
    std::ofstream(dir / "utf8.SGL", std::ios::binary) << "{1,甲组,1,0}\r\n123 4\xB5"
                                                         "56 789 \r\n";
    auto utf8 = SetList::load(dir / "utf8.SGL");
    ASSERT_TRUE(utf8) << utf8.error().message;
    EXPECT_EQ(utf8->sets().front().name, "甲组");
    std::ofstream(dir / "utf16.SGL", std::ios::binary)
        << utf8ToUtf16("{1,甲组,1,0}\r\n123 456 \r\n", false).value();
    auto utf16 = SetList::load(dir / "utf16.SGL");
    ASSERT_TRUE(utf16) << utf16.error().message;
    EXPECT_EQ(utf16->sets().front().name, "甲组");
    EXPECT_EQ(utf16->sets().front().numbers, (Numbers{"123", "456"}));
}
