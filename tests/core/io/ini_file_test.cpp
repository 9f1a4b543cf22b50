#include "core/io/ini_file.h"

#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;
using p3::test::TempDir;
using Names = std::vector<std::string>;

void writeRaw(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readRaw(const fs::path& file) {
    return readFileBytes(file).value_or("<unreadable>");
}

const std::string kSysSet = "; 星轨缩水 设置\r\n"
                            "\r\n"
                            "[DangQianCp]\r\n"
                            "Cpname=福彩3D\r\n"
                            "\r\n"
                            "; 版本信息, 勿改\r\n"
                            "[软件版本号]\r\n"
                            "软件编号=P3-0001\r\n"
                            "# 安装的版本\r\n"
                            "版本号=2.15\r\n"
                            "\r\n"
                            "[print_param]\r\n"
                            "title=福彩3D 第2024101 期投注结果\r\n"
                            "Zhushu=36\r\n"
                            "; 文件末尾的说明\r\n";

TEST(IoIniFile, SaveKeepsEverythingElseAndWritesGbk) {
    TempDir dir;
    const fs::path file = dir / "Sys_Set.ini";
    writeRaw(file, utf8ToGbk(kSysSet).value());

    auto ini = IniFile::load(file);
    ASSERT_TRUE(ini) << ini.error().message;
    EXPECT_EQ(ini->getString("DangQianCp", "Cpname"), "福彩3D");
    ini->setString("DangQianCp", "Cpname", "体彩排列3");
    ini->setString("软件版本号", "新键", "值");
    ASSERT_TRUE(ini->save());

    const std::string raw = readRaw(file);
    EXPECT_FALSE(isValidUtf8(raw));
    auto saved = gbkToUtf8(raw);
    ASSERT_TRUE(saved) << "the saved file is not GBK";
    for (const char* comment : {"; 星轨缩水 设置", "; 版本信息, 勿改", "# 安装的版本", "; 文件末尾的说明"}) {
        EXPECT_NE(saved->find(comment), std::string::npos) << comment;
    }
    EXPECT_NE(saved->find("Cpname=体彩排列3\r\n"), std::string::npos);
    EXPECT_EQ(saved->find("福彩3D\r\n"), std::string::npos);
    EXPECT_EQ(saved->find("\r\r"), std::string::npos);
    EXPECT_EQ(saved->find('\n'), saved->find("\r\n") + 1); // line breaks stay "\r\n"

    auto reloaded = IniFile::load(file);
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->sections(), (Names{"DangQianCp", "软件版本号", "print_param"}));
    EXPECT_EQ(reloaded->keys("软件版本号"), (Names{"软件编号", "版本号", "新键"}));
    EXPECT_EQ(reloaded->getString("软件版本号", "版本号"), "2.15");
    EXPECT_EQ(reloaded->getString("print_param", "title"), "福彩3D 第2024101 期投注结果");
    EXPECT_EQ(reloaded->getInt("print_param", "Zhushu"), 36);
    // A second save changes nothing: comments neither vanish nor pile up.
    EXPECT_EQ(reloaded->toText(), *saved);
    EXPECT_EQ(IniFile::fromText(reloaded->toText()).toText(), *saved);
}

TEST(IoIniFile, ReadsChineseNamesFromUtf8AndGbk) {
    const std::string text = "[软件版本号]\n软件编号 = 12\n版本号=2.1\n[DangQianCp]\nCpname=体彩排列3\n";
    const IniFile fromUtf8 = IniFile::fromText(text);
    const IniFile fromGbk = IniFile::fromText(utf8ToGbk(text).value());
    for (const IniFile* ini : {&fromUtf8, &fromGbk}) {
        EXPECT_EQ(ini->getString("软件版本号", "软件编号"), "12");
        EXPECT_EQ(ini->getString("软件版本号", "版本号"), "2.1");
        EXPECT_EQ(ini->getString("DangQianCp", "Cpname"), "体彩排列3");
        EXPECT_EQ(ini->getString("软件版本号", "缺少", "默认"), "默认");
        EXPECT_EQ(ini->getString("缺少", "版本号", "默认"), "默认");
        EXPECT_TRUE(ini->hasKey("软件版本号", "版本号"));
        EXPECT_FALSE(ini->hasKey("软件版本号", "版本"));
        EXPECT_EQ(ini->sections(), (Names{"软件版本号", "DangQianCp"}));
    }
    // A file with "\n" line breaks keeps them.
    EXPECT_EQ(fromUtf8.toText().find('\r'), std::string::npos);
}

TEST(IoIniFile, GetIntFallsBackOnAnythingButAnInteger) {
    IniFile ini =
        IniFile::fromText("[n]\nplain=12\nneg=-3\nplus=+7\nspaced=  5  \nword=abc\ntail=12abc\nempty=\n"
                          "huge=99999999999999999999\nhex=0x10\nsigns=+-4\nfraction=1.5\n");
    EXPECT_EQ(ini.getInt("n", "plain", -1), 12);
    EXPECT_EQ(ini.getInt("n", "neg", -1), -3);
    EXPECT_EQ(ini.getInt("n", "plus", -1), 7);
    EXPECT_EQ(ini.getInt("n", "spaced", -1), 5);
    for (const char* key : {"word", "tail", "empty", "huge", "hex", "signs", "fraction", "absent"}) {
        EXPECT_EQ(ini.getInt("n", key, -1), -1) << key;
    }
    ini.setInt("n", "written", -42);
    EXPECT_EQ(ini.getString("n", "written"), "-42");
    EXPECT_EQ(ini.getInt("n", "written"), -42);
}

TEST(IoIniFile, MissingFileStartsEmptyAndIsCreatedOnSave) {
    TempDir dir;
    const fs::path file = dir / "YiLouCanShu.ini";
    auto ini = IniFile::load(file);
    ASSERT_TRUE(ini);
    EXPECT_TRUE(ini->sections().empty());
    EXPECT_EQ(ini->path(), file);
    EXPECT_FALSE(fs::exists(file));

    ini->setString("和值", "10", "63");
    // A value is one line: a line break in it must not smuggle in another key.
    ini->setString("print_param", "title", "第一行\r\n注入=1");
    ASSERT_TRUE(ini->save());
    auto reloaded = IniFile::load(file);
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->getInt("和值", "10"), 63);
    EXPECT_EQ(reloaded->keys("print_param"), Names{"title"});
    EXPECT_EQ(reloaded->getString("print_param", "title"), "第一行  注入=1");
    EXPECT_NE(readRaw(file).find("\r\n"), std::string::npos); // a new file gets Windows line breaks

    EXPECT_TRUE(reloaded->removeKey("和值", "10"));
    EXPECT_FALSE(reloaded->hasKey("和值", "10"));
    EXPECT_FALSE(IniFile::fromText("[a]\nk=1\n").save()); // no file to save to
}

TEST(IoIniFile, RefusesWhatIsNoTextFile) {
    TempDir dir;
    auto onFolder = IniFile::load(dir.path());
    ASSERT_FALSE(onFolder);
    EXPECT_NE(onFolder.error().message.find(dir.path().string()), std::string::npos);

    // Saving a binary file back as INI would destroy it, so it is not taken as one.
    const fs::path binary = dir / "Sys_Set.ini";
    const std::string bytes("[a]\nk=1\n\0\x01\x02\n[b]\nz=2\n", 20);
    writeRaw(binary, bytes);
    auto loaded = IniFile::load(binary);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().message.find("Sys_Set.ini"), std::string::npos);
    EXPECT_EQ(readRaw(binary), bytes);

    // Text with a NUL is still read in full.
    const IniFile text = IniFile::fromText(bytes);
    EXPECT_EQ(text.getString("b", "z"), "2");
}

/// Same sections, keys and values.
void expectSameEntries(const IniFile& a, const IniFile& b) {
    ASSERT_EQ(a.sections(), b.sections());
    Names sections = a.sections();
    sections.emplace_back(); // keys before the first section
    for (const std::string& section : sections) {
        ASSERT_EQ(a.keys(section), b.keys(section)) << section;
        for (const std::string& key : a.keys(section))
            EXPECT_EQ(a.getString(section, key), b.getString(section, key));
    }
}

TEST(IoIniFile, SurvivesGarbageAndSavesItStably) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string garbage(50 + random() % 400, '\0');
        for (char& c : garbage) {
            // Weighted towards the characters that mean something to the parser.
            static constexpr std::string_view kSpecial = "[]=;#\r\n \t\"<";
            c = (random() % 2 == 0) ? kSpecial[random() % kSpecial.size()]
                                    : static_cast<char>(random() & 0xFF);
        }
        const IniFile ini = IniFile::fromText(garbage);
        const std::string text = ini.toText();
        ASSERT_TRUE(isValidUtf8(text));
        // What was read is what a save writes. The first save may still move blank lines around a comment
        // of a nameless section "[]"; from then on a save changes nothing.
        const IniFile again = IniFile::fromText(text);
        expectSameEntries(ini, again);
        const std::string second = again.toText();
        ASSERT_EQ(IniFile::fromText(second).toText(), second) << "input: " << garbage;
    }
    // A header without its closing bracket is skipped, and does not become the section of what follows.
    const IniFile broken = IniFile::fromText("[ok]\na=1\n[broken\nb=2\n");
    EXPECT_EQ(broken.getString("ok", "b"), "2");
    EXPECT_EQ(broken.sections(), Names{"ok"});
    // An indented comment line does not cut off the comment lines above it.
    EXPECT_NE(IniFile::fromText("; one\n  ; two\n[s]\nk=1\n").toText().find("; one"), std::string::npos);
}

TEST(IoIniFile, RewritingChangesOnlyTheLinesOfTheEntriesSet) {
    TempDir dir;
    const fs::path file = dir / "Sys_Set.ini";
    // Lines the reader takes for nothing (no "=", "=value", a "[" without "]", a comment), a
    // duplicated section whose second copy holds the value read, mixed line breaks and no final one.
    const std::string before = "; 设置\r\n"
                               "这一行没有等号\r\n"
                               "[DangQianCp]\r\n"
                               "=孤零零的值\r\n"
                               "Cpname = 福彩3D\r\n"
                               "[未完的节\n"
                               "[print_param]\r\n"
                               "title=旧标题\r\n"
                               "Zhushu=36\r\n"
                               "\r\n"
                               "[DangQianCp]\r\n"
                               "Cpname=体彩排列5\r\n"
                               "  ; 缩进的说明\r"
                               "[Server]\r\n"
                               "DataUrl=";
    writeRaw(file, utf8ToGbk(before).value());
    auto ini = IniFile::load(file);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->getString("DangQianCp", "Cpname"), "体彩排列5"); // the last copy wins, as before
    EXPECT_EQ(ini->sections(), (Names{"DangQianCp", "print_param", "Server"}));
    EXPECT_EQ(ini->keys("DangQianCp"), Names{"Cpname"});

    // Saving unchanged writes the very bytes read.
    ASSERT_TRUE(ini->save());
    EXPECT_EQ(readRaw(file), utf8ToGbk(before).value());

    // Setting values touches only their lines: the entry read, a new key after the section's last
    // entry, a new section at the end; the same value again changes nothing.
    ini->setString("DangQianCp", "Cpname", "福彩3D");
    ini->setString("print_param", "title", "福彩3D 第2026001 期投注结果");
    ini->setString("print_param", "Zhushu", "36");
    ini->setInt("Server", "TimeoutSeconds", 60);
    ini->setString("新节", "键", "值");
    ASSERT_TRUE(ini->save());
    const std::string after = "; 设置\r\n"
                              "这一行没有等号\r\n"
                              "[DangQianCp]\r\n"
                              "=孤零零的值\r\n"
                              "Cpname = 福彩3D\r\n"
                              "[未完的节\n"
                              "[print_param]\r\n"
                              "title=福彩3D 第2026001 期投注结果\r\n"
                              "Zhushu=36\r\n"
                              "\r\n"
                              "[DangQianCp]\r\n"
                              "Cpname=福彩3D\r\n"
                              "  ; 缩进的说明\r"
                              "[Server]\r\n"
                              "DataUrl=\r\n"
                              "TimeoutSeconds=60\r\n"
                              "\r\n"
                              "[新节]\r\n"
                              "键=值\r\n";
    EXPECT_EQ(gbkToUtf8(readRaw(file)).value(), after);

    // A file written in UTF-8 stays UTF-8, its unchanged lines byte for byte (a damaged one too).
    const std::string utf8 = "[DangQianCp]\nCpname=福彩3D\n[说明]\n坏字节=\xFF\n";
    writeRaw(file, utf8);
    auto fromUtf8 = IniFile::load(file);
    ASSERT_TRUE(fromUtf8);
    fromUtf8->setString("DangQianCp", "Cpname", "体彩排列3");
    ASSERT_TRUE(fromUtf8->save());
    EXPECT_EQ(readRaw(file), "[DangQianCp]\nCpname=体彩排列3\n[说明]\n坏字节=\xFF\n");
    // And one in UTF-16 stays UTF-16.
    writeRaw(file, utf8ToUtf16("[DangQianCp]\r\nCpname=福彩3D\r\n", false).value());
    auto fromUtf16 = IniFile::load(file);
    ASSERT_TRUE(fromUtf16);
    EXPECT_EQ(fromUtf16->getString("DangQianCp", "Cpname"), "福彩3D");
    fromUtf16->setString("DangQianCp", "Cpname", "体彩排列3");
    ASSERT_TRUE(fromUtf16->save());
    EXPECT_EQ(readRaw(file), utf8ToUtf16("[DangQianCp]\r\nCpname=体彩排列3\r\n", false).value());
}

TEST(IoSettings, ReadsDefaultsAndWritesThrough) {
    TempDir dir;
    auto settings = Settings::open(dir.path());
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->currentLottery(), "体彩排列3");
    EXPECT_EQ(settings->text(settings_keys::kSoftwareNumber), "");
    EXPECT_EQ(settings->text(settings_keys::kVersion), "");
    EXPECT_EQ(settings->address(settings_keys::kUpdateUrl), "");
    EXPECT_EQ(settings->address(settings_keys::kDataUrl), "");

    ASSERT_TRUE(settings->setCurrentLottery("福彩3D"));
    ASSERT_TRUE(settings->setPrintParams({"福彩3D 第2024102 期投注结果", 120}));
    // Each change is on disk at once, in GBK.
    auto onDisk = gbkToUtf8(readRaw(dir / "Sys_Set.ini"));
    ASSERT_TRUE(onDisk);
    EXPECT_NE(onDisk->find("[DangQianCp]\r\nCpname=福彩3D"), std::string::npos);

    auto reopened = Settings::open(dir.path());
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->currentLottery(), "福彩3D");
    EXPECT_EQ(reopened->printParams().title, "福彩3D 第2024102 期投注结果");
    EXPECT_EQ(reopened->printParams().count, 120);
}

TEST(IoSettings, ReadsVersionAndServerEntries) {
    TempDir dir;
    writeRaw(dir / "Sys_Set.ini",
             utf8ToGbk("[DangQianCp]\r\nCpname=\r\n[软件版本号]\r\n软件编号=A7\r\n版本号=3.0\r\n"
                       "[Server]\r\nUpdateUrl= http://127.0.0.1:8080/ \r\nDataUrl=\r\n")
                 .value());
    auto settings = Settings::open(dir.path());
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->currentLottery(), "体彩排列3"); // an empty entry names no lottery
    EXPECT_EQ(settings->text(settings_keys::kSoftwareNumber), "A7");
    EXPECT_EQ(settings->text(settings_keys::kVersion), "3.0");
    EXPECT_EQ(settings->address(settings_keys::kUpdateUrl), "http://127.0.0.1:8080");
    EXPECT_EQ(settings->address(settings_keys::kDataUrl), "");
}

TEST(IoSettings, EachEntryIsReadFromItsOwnSection) {
    // A file as the program leaves it: every entry it knows, each in its section.
    Settings all(
        IniFile::fromText("[DangQianCp]\nCpname=福彩3D\n"
                          "[Server]\nCwlUrl=http://c/\nSportteryUrl= http://s \nLinesUrl=http://l/{name}\n"
                          "DownloadTimeout=9000\nUpdatePages=0\n"
                          "[print_param]\ntitle=第1期\nZhushu=12\n"
                          "[方案评估]\n单注价格=1.5\n"));
    EXPECT_EQ(all.currentLottery(), "福彩3D");
    EXPECT_EQ(all.address(settings_keys::kCwlUrl), "http://c");
    EXPECT_EQ(all.address(settings_keys::kSportteryUrl), "http://s");
    EXPECT_EQ(all.address(settings_keys::kLinesUrl), "http://l/{name}");
    EXPECT_EQ(all.downloadDeadlineMs(), 3600 * 1000); // an hour at the most
    EXPECT_EQ(all.updatePageLimit(), 60);             // 0 reads as the default
    EXPECT_EQ(all.printParams().title, "第1期");
    EXPECT_EQ(all.printParams().count, 12);
    EXPECT_EQ(all.text(settings_keys::kUnitPrice), "1.5");

    // The same keys in the wrong sections are not these entries; a missing address is the public one.
    Settings misplaced(IniFile::fromText("[Server]\nCpname=福彩3D\ntitle=x\n[DangQianCp]\nCwlUrl=http://c\n"
                                         "DownloadTimeout=5\n"));
    EXPECT_EQ(misplaced.currentLottery(), "体彩排列3");
    EXPECT_EQ(misplaced.address(settings_keys::kCwlUrl), "https://www.cwl.gov.cn");
    EXPECT_EQ(misplaced.address(settings_keys::kSportteryUrl), "https://webapi.sporttery.cn");
    EXPECT_EQ(misplaced.downloadDeadlineMs(), 60 * 1000);
    EXPECT_EQ(misplaced.printParams().title, "");

    // An address given for this run is read back but never written to the file.
    TempDir dir;
    writeRaw(dir / "Sys_Set.ini", "[Server]\r\nUpdateUrl=\r\n");
    auto settings = Settings::open(dir.path());
    ASSERT_TRUE(settings);
    settings->setForThisRun(settings_keys::kUpdateUrl, "http://127.0.0.1:9/");
    EXPECT_EQ(settings->address(settings_keys::kUpdateUrl), "http://127.0.0.1:9");
    EXPECT_EQ(readRaw(dir / "Sys_Set.ini"), "[Server]\r\nUpdateUrl=\r\n");
}

} // namespace
} // namespace p3::core
