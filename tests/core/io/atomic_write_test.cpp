#include "core/io/atomic_write.h"

#include <fstream>

#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/ini_file.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;
using p3::test::TempDir;

void writeRaw(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readRaw(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

void makeOld(const fs::path& file) {
    const struct timeval times[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimes(file.c_str(), times);
}

TEST(IoAtomicWrite, RefusesReadOnlyFilesForEveryUserAndKeepsTheMode) {
    TempDir dir;
    const fs::path locked = dir / "locked.SGL";
    writeRaw(locked, "{1,A,1,0}\r\n");
    ::chmod(locked.c_str(), 0444);
    // The superuser could write it, but the user marked it read-only: it is kept all the same.
    const auto refused = writeFileAtomic(locked, "new");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "无法写入文件: " + locked.string() + " (文件是只读的)");
    EXPECT_EQ(readRaw(locked), "{1,A,1,0}\r\n");
    EXPECT_EQ(modeOf(locked), 0444u);
    // Through a symbolic link the same.
    fs::create_symlink(locked, dir / "link.SGL");
    EXPECT_FALSE(writeFileAtomic(dir / "link.SGL", "new"));
    EXPECT_EQ(readRaw(locked), "{1,A,1,0}\r\n");

    // A writable file is replaced with its mode kept.
    const fs::path kept = dir / "kept.txt";
    writeRaw(kept, "old");
    ::chmod(kept.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomic(kept, "new"));
    EXPECT_EQ(readRaw(kept), "new");
    EXPECT_EQ(modeOf(kept), 0640u);

    // Nothing but a regular file is ever replaced: a folder, a pipe.
    fs::create_directory(dir / "folder");
    EXPECT_EQ(writeFileAtomic(dir / "folder", "x").error().message,
              "无法写入文件: " + (dir / "folder").string() + " (目标是一个文件夹)");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(writeFileAtomic(dir / "pipe", "x"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));

    // The settings file goes through the same write.
    const fs::path ini = dir / "Sys_Set.ini";
    writeRaw(ini, "[print_param]\r\ntitle=old\r\n");
    ::chmod(ini.c_str(), 0444);
    auto settings = IniFile::load(ini);
    ASSERT_TRUE(settings);
    settings->setString("print_param", "title", "new");
    EXPECT_NE(settings->save().error().message.find("Sys_Set.ini (文件是只读的)"), std::string::npos);
    EXPECT_EQ(readRaw(ini), "[print_param]\r\ntitle=old\r\n");
    // Left nothing behind.
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_FALSE(entry.path().filename().string().ends_with(".tmp")) << entry.path();
}

TEST(IoAtomicWrite, AnOrdinaryUserIsRefusedAFileItMayNotWrite) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to become another user";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777); // the folder itself would let anybody rename over the file
    const fs::path file = dir / "export.txt";
    writeRaw(file, "root's");
    ::chmod(file.c_str(), 0644);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        const auto refused = writeFileAtomic(file, "nobody's");
        ::_exit(!refused && refused.error().message.find("(文件是只读的)") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readRaw(file), "root's");
}

TEST(IoAtomicWrite, RemovesTheTemporariesOfCutOffWritesOnly) {
    TempDir dir;
    const fs::path target = dir / "plan.ag";
    // A write killed long ago, one of a process that is gone, one from before temporaries carried the
    // process, one of this (live) process still being written, and files that only look alike.
    const fs::path oldDead = dir / ".plan.ag.99999998-0123456789ab.tmp";
    const fs::path freshDead = dir / ".plan.ag.99999999-0123456789ab.tmp";
    const fs::path legacy = dir / ".plan.ag.0123456789ab.tmp";
    const fs::path live = dir / (".plan.ag." + std::to_string(::getpid()) + "-0123456789ab.tmp");
    const fs::path others[] = {dir / ".plan.ag.backup.tmp", dir / ".plan.agx.99999998-0123456789ab.tmp",
                               dir / ".other.ag.99999998-0123456789ab.tmp", dir / "plan.ag.tmp"};
    for (const fs::path& f : {oldDead, freshDead, legacy, live})
        writeRaw(f, "half");
    for (const fs::path& f : others)
        writeRaw(f, "keep");
    for (const fs::path& f : {oldDead, legacy})
        makeOld(f);
    for (const fs::path& f : others)
        makeOld(f);
    // A process that is gone: its temporary is stale once it is a little old.
    const struct timeval recent[2] = {{::time(nullptr) - 5, 0}, {::time(nullptr) - 5, 0}};
    ::utimes(freshDead.c_str(), recent);

    ASSERT_TRUE(writeFileAtomic(target, "whole"));
    EXPECT_EQ(readRaw(target), "whole");
    EXPECT_FALSE(fs::exists(oldDead));
    EXPECT_FALSE(fs::exists(freshDead));
    EXPECT_FALSE(fs::exists(legacy));
    EXPECT_TRUE(fs::exists(live)); // a concurrent write of a live process is not raced
    for (const fs::path& f : others)
        EXPECT_TRUE(fs::exists(f)) << f;
    // The live one too, once it is older than any write takes.
    makeOld(live);
    ASSERT_TRUE(writeFileAtomic(target, "again"));
    EXPECT_FALSE(fs::exists(live));
}

TEST(IoAtomicWrite, SaveNamesThatNameNoFileAreRefused) {
    TempDir dir;
    EXPECT_EQ(checkSaveName("").error().message, "请输入文件名!");
    EXPECT_EQ(checkSaveName("/").error().message, "无法写入文件: / (不是文件名)");
    EXPECT_EQ(checkSaveName(dir / "sub/").error().message,
              "无法写入文件: " + (dir / "sub/").string() + " (不是文件名)");
    EXPECT_EQ(checkSaveName(dir.path()).error().message,
              "无法写入文件: " + dir.path().string() + " (目标是一个文件夹)");
    EXPECT_TRUE(checkSaveName(dir / "plan"));
}

} // namespace
} // namespace p3::core
