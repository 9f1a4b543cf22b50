#include "core/io/text_codec.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/temp_dir.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;
using p3::test::TempDir;

const std::string kLotteryUtf8 = "体彩排列3";
const std::string kLotteryGbk = "\xCC\xE5\xB2\xCA\xC5\xC5\xC1\xD0"
                                "3";
const std::string kReplacement = "\xEF\xBF\xBD";

void writeRaw(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readRaw(const fs::path& file) {
    auto bytes = readFileBytes(file);
    return bytes ? *bytes : std::string("<unreadable>");
}

/// Files in the folder other than the ones named, to catch temporaries left behind.
std::vector<std::string> strayFiles(const fs::path& dir, const std::vector<std::string>& expected) {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) stray.push_back(name);
    }
    return stray;
}

TEST(IoTextCodec, ValidatesUtf8Strictly) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain ascii text, longer than eight bytes"));
    EXPECT_TRUE(isValidUtf8(kLotteryUtf8));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));  // U+1F600
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
    EXPECT_FALSE(isValidUtf8("\x80"));             // lone continuation byte
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));     // overlong three-byte form
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // UTF-16 surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE4\xB8"));         // cut-off sequence
    EXPECT_FALSE(isValidUtf8(kLotteryGbk));
    // A bad byte just after a run that the eight-byte fast path skips.
    EXPECT_FALSE(isValidUtf8(std::string(17, 'a') + "\xC3\x28"));
    EXPECT_FALSE(isValidUtf8(std::string(16, 'a') + "\xFF"));
}

TEST(IoTextCodec, GbkRoundTripsChineseText) {
    auto gbk = utf8ToGbk(kLotteryUtf8);
    ASSERT_TRUE(gbk) << gbk.error().message;
    EXPECT_EQ(*gbk, kLotteryGbk);
    auto back = gbkToUtf8(*gbk);
    ASSERT_TRUE(back) << back.error().message;
    EXPECT_EQ(*back, kLotteryUtf8);

    const std::string mixed = "[软件版本号]\r\n软件编号=A01\r\n福彩3D 星轨1(X1) 图表　遗漏\r\n";
    auto mixedGbk = utf8ToGbk(mixed);
    ASSERT_TRUE(mixedGbk);
    EXPECT_EQ(gbkToUtf8(*mixedGbk).value_or(""), mixed);
}

TEST(IoTextCodec, KeepsCharactersOutsideGbk) {
    // Characters GBK lacks are stored in their GB18030 form instead of being dropped or replaced.
    for (const std::string text : {"€", "😀", "㐀", "价格€5 😀 中文"}) {
        auto encoded = utf8ToGbk(text);
        ASSERT_TRUE(encoded) << text;
        EXPECT_EQ(encoded->find('?'), std::string::npos) << text;
        EXPECT_EQ(gbkToUtf8(*encoded).value_or("<failed>"), text);
    }
    // Characters GBK has still get their two-byte GBK form.
    EXPECT_EQ(utf8ToGbk("中😀文").value_or(""), "\xD6\xD0\x94\x39\xFC\x36\xCE\xC4");
    // The Windows GBK code page's single-byte euro sign reads as such.
    EXPECT_EQ(gbkToUtf8("\x80").value_or(""), "€");
}

TEST(IoTextCodec, ReportsOrReplacesInvalidBytes) {
    auto badGbk = gbkToUtf8("ab\xFF");
    ASSERT_FALSE(badGbk);
    EXPECT_NE(badGbk.error().message.find("GBK"), std::string::npos);
    EXPECT_NE(badGbk.error().message.find("3"), std::string::npos);
    EXPECT_FALSE(gbkToUtf8("ab\xD6")); // lead byte without its trail byte
    auto badUtf8 = utf8ToGbk("ok\xC3");
    ASSERT_FALSE(badUtf8);
    EXPECT_NE(badUtf8.error().message.find("UTF-8"), std::string::npos);

    // Reading a file never fails on its content: bad bytes become U+FFFD, the rest is kept.
    EXPECT_EQ(decodeText("\xD6\xD0\xFF\xCE\xC4"), "中" + kReplacement + "文");
    EXPECT_EQ(decodeText("x\xD6"), "x" + kReplacement);
    EXPECT_EQ(decodeText("\xD6\x20"), kReplacement + " ");
    EXPECT_EQ(decodeText(kLotteryGbk), kLotteryUtf8);
    EXPECT_EQ(decodeText(kLotteryUtf8), kLotteryUtf8);
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" + kLotteryUtf8), kLotteryUtf8);
    // A BOM says UTF-8 even when a byte later is broken.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "a\xFF"
                         "b"),
              "a" + kReplacement + "b");
}

TEST(IoTextCodec, SurvivesBinaryGarbage) {
    std::mt19937 random(20240607);
    std::string garbage(2 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    const std::string decoded = decodeText(garbage);
    EXPECT_TRUE(isValidUtf8(decoded));
    EXPECT_GE(decoded.size(), garbage.size() / 2);
    const auto lines = splitLines(decoded);
    EXPECT_FALSE(lines.empty());

    // Every pair of bytes, so that each lead byte meets each trail byte.
    std::string pairs;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            pairs += static_cast<char>(a);
            pairs += static_cast<char>(b);
        }
    }
    EXPECT_TRUE(isValidUtf8(decodeText(pairs)));
    // A long run of bytes that start nothing.
    const std::string junk(4 << 20, '\xFF');
    const std::string junkText = decodeText(junk);
    EXPECT_EQ(junkText.size(), junk.size() * kReplacement.size());
}

TEST(IoTextCodec, SplitsAndJoinsLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(splitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("no newline"), (Lines{"no newline"}));

    const Lines lines{"2024001 123", "", "2024002 456"};
    EXPECT_EQ(joinLines(lines), "2024001 123\r\n\r\n2024002 456\r\n");
    EXPECT_EQ(joinLines(lines, "\n"), "2024001 123\n\n2024002 456\n");
    EXPECT_EQ(splitLines(joinLines(lines)), lines);
    EXPECT_EQ(splitLines(joinLines(Lines{""})), Lines{""});
    EXPECT_EQ(joinLines(Lines{}), "");
}

TEST(IoTextCodec, GbkAndUtf8FilesReadTheSame) {
    TempDir dir;
    const std::string text = "期号 开奖号码\r\n2024001 027\r\n" + kLotteryUtf8 + "\r\n";
    ASSERT_TRUE(writeTextFileGbk(dir / "gbk.txt", text));
    ASSERT_TRUE(writeFileAtomic(dir / "utf8.txt", text));
    ASSERT_TRUE(writeFileAtomic(dir / "bom.txt", "\xEF\xBB\xBF" + text));

    // What lands on disk is GBK.
    const std::string raw = readRaw(dir / "gbk.txt");
    EXPECT_FALSE(isValidUtf8(raw));
    EXPECT_NE(raw.find(kLotteryGbk), std::string::npos);

    auto fromGbk = readTextFile(dir / "gbk.txt");
    auto fromUtf8 = readTextFile(dir / "utf8.txt");
    auto fromBom = readTextFile(dir / "bom.txt");
    ASSERT_TRUE(fromGbk && fromUtf8 && fromBom);
    EXPECT_EQ(*fromGbk, text);
    EXPECT_EQ(*fromUtf8, text);
    EXPECT_EQ(*fromBom, text);

    auto missing = readTextFile(dir / "缺少.txt");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("无法读取文件"), std::string::npos);
    EXPECT_NE(missing.error().message.find((dir / "缺少.txt").string()), std::string::npos);
    EXPECT_FALSE(readTextFile(dir.path())); // a folder is no text file
}

TEST(IoTextCodec, ReadsHugeSingleLineInLinearTime) {
    TempDir dir;
    // 50 MB of GBK text without a line break.
    const std::string unit = kLotteryGbk + "027,";
    std::string huge;
    huge.reserve((50u << 20) + unit.size());
    while (huge.size() < (50u << 20))
        huge += unit;
    const std::size_t units = huge.size() / unit.size();
    // The digit "3" of one unit in the middle becomes a byte GBK does not have.
    const std::size_t badUnit = units / 2;
    huge[badUnit * unit.size() + 8] = '\xFF';
    writeRaw(dir / "huge.txt", huge);

    const auto start = std::chrono::steady_clock::now();
    auto text = readTextFile(dir / "huge.txt");
    ASSERT_TRUE(text);
    const auto lines = splitLines(*text);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ASSERT_EQ(lines.size(), 1u);
    const std::string unitUtf8 = kLotteryUtf8 + "027,";
    EXPECT_EQ(lines[0].size(), units * unitUtf8.size() + kReplacement.size() - 1);
    EXPECT_EQ(lines[0].substr(0, unitUtf8.size()), unitUtf8);
    EXPECT_EQ(lines[0].substr(badUnit * unitUtf8.size(), unitUtf8.size() + 2),
              "体彩排列" + kReplacement + "027,");
    // Well under a second on a quiet machine; the margin is for a busy build machine, while anything
    // quadratic would take minutes.
    EXPECT_LT(seconds, 10.0);
}

TEST(IoTextCodec, AtomicWriteReplacesWholeFile) {
    TempDir dir;
    const fs::path file = dir / "条件.ag";
    ASSERT_TRUE(writeFileAtomic(file, "old content"));
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomic(file, "new"));
    EXPECT_EQ(readRaw(file), "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u); // permissions of the replaced file kept
    EXPECT_EQ(strayFiles(dir.path(), {"条件.ag"}), std::vector<std::string>{});

    // A link is written through, not replaced by a plain file.
    const fs::path link = dir / "link.ag";
    fs::create_symlink(file, link);
    ASSERT_TRUE(writeFileAtomic(link, "via link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readRaw(file), "via link");
}

TEST(IoTextCodec, AtomicWriteFailureLeavesOldFile) {
    TempDir dir;
    // The target is a folder: the rename fails, the folder and its content stay, no temporary is left.
    const fs::path folder = dir / "Data";
    fs::create_directory(folder);
    writeRaw(folder / "keep.txt", "keep");
    auto onFolder = writeFileAtomic(folder, "x");
    ASSERT_FALSE(onFolder);
    EXPECT_NE(onFolder.error().message.find("无法写入文件"), std::string::npos);
    EXPECT_NE(onFolder.error().message.find(folder.string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(readRaw(folder / "keep.txt"), "keep");
    EXPECT_EQ(strayFiles(dir.path(), {"Data"}), std::vector<std::string>{});

    // The folder does not exist.
    EXPECT_FALSE(writeFileAtomic(dir / "missing" / "a.txt", "x"));
    EXPECT_FALSE(fs::exists(dir / "missing"));

    // Text that cannot be encoded leaves the old file as it was.
    const fs::path file = dir / "list.txt";
    writeRaw(file, "old");
    EXPECT_FALSE(writeTextFileGbk(file, "bad \xC3"));
    EXPECT_EQ(readRaw(file), "old");

    // A folder that cannot be written to (permissions do not bind the superuser, so only checked when they
    // do).
    const fs::path locked = dir / "locked";
    fs::create_directory(locked);
    writeRaw(locked / "a.txt", "old");
    ::chmod(locked.c_str(), 0555);
    if (::access(locked.c_str(), W_OK) != 0) {
        EXPECT_FALSE(writeFileAtomic(locked / "a.txt", "new"));
        EXPECT_EQ(readRaw(locked / "a.txt"), "old");
        EXPECT_EQ(strayFiles(locked, {"a.txt"}), std::vector<std::string>{});
    }
    ::chmod(locked.c_str(), 0755);
}

} // namespace
} // namespace p3::core

TEST(IoTextCodec, DamagedUtf8StaysUtf8AndGbkStaysGbk) {
    using namespace p3::core;
    // A condition file saved as UTF-8 with one stray byte: its words must survive.
    const std::string words = "和值 跨度 大小 奇偶 质合 组选类型 复隔中 邻孤传 热温冷 ";
    const std::string damaged = words + "\xFF" + words;
    EXPECT_EQ(decodeText(damaged), words + "\xEF\xBF\xBD" + words);
    // GBK text of the same words is still read as GBK, however long.
    auto gbk = utf8ToGbk(words + words + words);
    ASSERT_TRUE(gbk);
    EXPECT_EQ(decodeText(*gbk), words + words + words);
}

TEST(IoTextCodec, SmallFilesWithADamagedByteOrACutCharacterStayUtf8) {
    using namespace p3::core;
    // A small condition file in UTF-8 with one stray byte, and the same with its last character cut:
    // too few Chinese characters for a count of valid sequences to tell, yet read as GBK every
    // name in it would turn into something else.
    const std::string ag = "Begin_Tianjiao\r\n1~和值~1|0|无设置~1~0\r\n和值~10~1~0\r\nEnd_Tianjiao\r\n";
    const std::string stray = ag.substr(0, 16) + "\xB5" + ag.substr(16);
    EXPECT_EQ(decodeText(stray), ag.substr(0, 16) + "\xEF\xBF\xBD" + ag.substr(16));
    const std::string cut = ag + "和值"; // then its last byte lost
    EXPECT_EQ(decodeText(cut.substr(0, cut.size() - 1)), ag + "和\xEF\xBF\xBD\xEF\xBF\xBD");
    // A set list named 甲组 with one damaged byte.
    EXPECT_EQ(decodeText("{1,甲组,1,0}\r\n123 45\xFF 789 \r\n"),
              "{1,甲组,1,0}\r\n123 45\xEF\xBF\xBD 789 \r\n");
    // GBK text of the same kind is still read as GBK, short or long.
    for (const std::string& text : {std::string("{1,甲组,1,0}\r\n123 456 \r\n"), ag, std::string("和值"),
                                    std::string("组选类型 豹子号 组三_连 顺子 无设置 星轨缩水 开奖号码")}) {
        auto gbk = utf8ToGbk(text);
        ASSERT_TRUE(gbk);
        EXPECT_EQ(decodeText(*gbk), text);
    }
}

TEST(IoTextCodec, Utf16WithAByteOrderMarkReadsAsText) {
    using namespace p3::core;
    const std::string text = "Begin_Tianjiao\r\n1~和值~1|0|无设置~1~0\r\n{1,甲组,1,0} 𝟘\r\n";
    // What Windows Notepad saves as "Unicode" (little endian) and as "Unicode big endian".
    for (const bool bigEndian : {false, true}) {
        auto utf16 = utf8ToUtf16(text, bigEndian);
        ASSERT_TRUE(utf16);
        EXPECT_EQ(utf16->substr(0, 2), bigEndian ? "\xFE\xFF" : "\xFF\xFE");
        EXPECT_EQ(decodeText(*utf16), text);
        // An odd last byte does not lose the text before it.
        EXPECT_EQ(decodeText(*utf16 + "x"), text + "\xEF\xBF\xBD");
    }
    // Hand-made bytes, independent of the encoder: "和1" little endian.
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\x8C\x54\x31\x00", 6)), "和1");
}
