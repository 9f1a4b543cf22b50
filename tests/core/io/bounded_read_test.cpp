#include "core/io/bounded_read.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/data/draw_import.h"
#include "core/history/draw_text_file.h"
#include "core/io/text_codec.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/number_list.h"
#include "core/store/draw_database.h"
#include "core/tools/set_tool.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;
using p3::test::TempDir;

/// The error message of a read that must finish at once; a read still blocked after a few seconds
/// is released by opening the pipe's other end, and reported.
std::string refusalWithin(const fs::path& path, const std::function<std::string()>& read) {
    auto pending = std::async(std::launch::async, read);
    if (pending.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        pending.wait();
        return "<blocked>";
    }
    return pending.get();
}

template <typename R> std::string messageOf(const R& result) {
    return result ? std::string("<read>") : result.error().message;
}

TEST(IoBoundedRead, ReadsRegularFilesUpToTheBoundAndRefusesEverythingElse) {
    TempDir dir;
    const fs::path small = dir / "small.txt";
    std::ofstream(small, std::ios::binary) << "2007001 123\n";
    EXPECT_EQ(readFileBounded(small, 12).value(), "2007001 123\n");
    EXPECT_EQ(readFileBounded(small, 11).error().message,
              "无法读取文件: " + small.string() + " (文件太大, 超过 11 字节)");
    EXPECT_EQ(messageOf(readFileBounded("/dev/zero")), "无法读取文件: /dev/zero (不是普通文件)");
    EXPECT_EQ(messageOf(readFileBounded("/dev/null")), "无法读取文件: /dev/null (不是普通文件)");
    EXPECT_EQ(messageOf(readFileBounded(dir.path())),
              "无法读取文件: " + dir.path().string() + " (目标是一个文件夹)");
    EXPECT_EQ(messageOf(readFileBounded(dir / "none.txt")),
              "无法读取文件: " + (dir / "none.txt").string() + " (文件或文件夹不存在)");
    EXPECT_EQ(messageOf(readFileBounded("")), "请输入文件名!");
    // The documented bound itself: a sparse file just over it is refused before anything is read.
    const fs::path huge = dir / "huge.txt";
    { std::ofstream(huge, std::ios::binary) << "x"; }
    fs::resize_file(huge, kMaxReadBytes + 1);
    EXPECT_EQ(messageOf(readFileBounded(huge)), "无法读取文件: " + huge.string() + " (文件太大, 超过 64 MB)");
    // A symbolic link to a regular file is read; one to a device is not.
    fs::create_symlink(small, dir / "link.txt");
    EXPECT_EQ(readFileBounded(dir / "link.txt").value(), "2007001 123\n");
    fs::create_symlink("/dev/zero", dir / "zero.txt");
    EXPECT_EQ(messageOf(readFileBounded(dir / "zero.txt")),
              "无法读取文件: " + (dir / "zero.txt").string() + " (不是普通文件)");
}

TEST(IoBoundedRead, EveryReaderOfAUserFileRefusesAPipeWithoutWaiting) {
    TempDir dir;
    const fs::path fifo = dir / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string expected = "无法读取文件: " + fifo.string() + " (不是普通文件)";
    auto db = DrawDatabase::create(dir / "MDB.sqlite");
    ASSERT_TRUE(db) << db.error().message;
    const LotteryInfo lottery{"福彩3D", "福彩", 1, 3};

    const std::vector<std::pair<const char*, std::function<std::string()>>> readers{
        {"number text", [&] { return messageOf(readNumberTextFile(fifo)); }},
        {"condition file", [&] { return messageOf(readConditionFile(fifo)); }},
        {"set list", [&] { return messageOf(SetList::load(fifo)); }},
        {"set from file",
         [&] {
             SetList l;
             return messageOf(l.addFromFile(fifo));
         }},
        {"draw text", [&] { return messageOf(readDrawTextFile(fifo.string(), 3)); }},
        {"import", [&] { return messageOf(ImportDraws(*db, lottery, {}, fifo, ImportMode::Merge)); }},
        {"text file", [&] { return messageOf(readTextFile(fifo)); }},
    };
    for (const auto& [name, read] : readers)
        EXPECT_EQ(refusalWithin(fifo, read), expected) << name;
    // The endless device the same way, with the same words.
    EXPECT_EQ(messageOf(readNumberTextFile("/dev/zero")), "无法读取文件: /dev/zero (不是普通文件)");
    EXPECT_EQ(messageOf(readDrawTextFile("/dev/zero", 3)), "无法读取文件: /dev/zero (不是普通文件)");
}

} // namespace
} // namespace p3::core
