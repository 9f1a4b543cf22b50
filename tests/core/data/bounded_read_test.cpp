#include <gtest/gtest.h>

#include <fstream>

#include "common/temp_dir.h"
#include "core/data/bounded_read.h"

using namespace p3::core;

TEST(DataBoundedRead, MeasuresFilesAndStopsEndlessDevicesAtTheLimit) {
    p3::test::TempDir dir;
    { std::ofstream(dir / "small.txt", std::ios::binary) << "2007001 123\n"; }
    EXPECT_EQ(readFileBytesAtMost(dir / "small.txt", 12, "too large: ").value(), "2007001 123\n");
    EXPECT_EQ(readFileBytesAtMost(dir / "small.txt", 11, "too large: ").error().message,
              "too large: " + (dir / "small.txt").string());
    // A device that never ends is read only up to the limit.
    if (std::filesystem::exists("/dev/zero")) {
        auto endless = readFileBytesAtMost("/dev/zero", 1u << 20, "too large: ");
        ASSERT_FALSE(endless);
        EXPECT_EQ(endless.error().message, "too large: /dev/zero");
    }
    EXPECT_FALSE(readFileBytesAtMost(dir / "missing.txt", 100, "too large: "));
    EXPECT_FALSE(readFileBytesAtMost(dir.path(), 100, "too large: "));
}
