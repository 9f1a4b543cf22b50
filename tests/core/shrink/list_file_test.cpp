#include <gtest/gtest.h>

#include <fstream>

#include "common/temp_dir.h"
#include "core/shrink/list_file.h"

using namespace p3::core;

TEST(ListFile, BoundedReadingOfFilesDevicesAndPipes) {
    p3::test::TempDir dir;
    const auto file = dir / "list.txt";
    std::ofstream(file, std::ios::binary) << "123 456\n";
    EXPECT_EQ(*readListTextFile(file, 8), "123 456\n");
    const auto big = readListTextFile(file, 7);
    ASSERT_FALSE(big);
    EXPECT_EQ(big.error().message, "文件太大: " + file.string() + " (超过 0 MB)");
    // An endless device is cut off at the bound instead of filling the memory.
    const auto endless = readListTextFile("/dev/zero", 1024 * 1024);
    ASSERT_FALSE(endless);
    EXPECT_EQ(endless.error().message, "文件太大: /dev/zero (超过 1 MB)");
    // A device that ends reads normally; missing files and folders keep the reader's message.
    EXPECT_EQ(*readListTextFile("/dev/null"), "");
    EXPECT_NE(readListTextFile(dir / "none.txt").error().message.find("无法读取文件"), std::string::npos);
    EXPECT_NE(readListTextFile(dir.path()).error().message.find("无法读取文件"), std::string::npos);
}
