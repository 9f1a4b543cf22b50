// Finding the print program and the calculator: beside the program, on PATH, in the home, in that order;
// only executable files count.
#include <gtest/gtest.h>

#include <fstream>

#include "common/temp_dir.h"
#include "core/io/program_lookup.h"

using namespace p3::core;
namespace fs = std::filesystem;

namespace {

fs::path makeProgram(const fs::path& dir, const std::string& name, bool executable = true) {
    fs::create_directories(dir);
    const fs::path file = dir / name;
    std::ofstream(file) << "#!/bin/sh\n";
    fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
    return file;
}

} // namespace

TEST(ProgramLookup, BesideTheProgramThenPathThenHome) {
    p3::test::TempDir tmp;
    const fs::path bin = tmp.path() / "bin", onPath = tmp.path() / "path", home = tmp.path() / "home";
    const std::string pathList = "/nonexistent:" + onPath.string();
    fs::create_directories(bin);
    fs::create_directories(home);
    EXPECT_FALSE(findProgram("pick3-print", bin, pathList, home).has_value());

    const fs::path inHome = makeProgram(home, "pick3-print");
    EXPECT_EQ(findProgram("pick3-print", bin, pathList, home), inHome);
    const fs::path inPath = makeProgram(onPath, "pick3-print");
    EXPECT_EQ(findProgram("pick3-print", bin, pathList, home), inPath);
    const fs::path beside = makeProgram(bin, "pick3-print");
    EXPECT_EQ(findProgram("pick3-print", bin, pathList, home), beside);
}

TEST(ProgramLookup, OnlyExecutableFilesCountAndExtraFoldersComeLast) {
    p3::test::TempDir tmp;
    const fs::path bin = tmp.path() / "bin", build = tmp.path() / "build";
    makeProgram(bin, "pick3-print", false);
    fs::create_directories(bin / "sub");
    EXPECT_FALSE(findProgram("pick3-print", bin, "", {}).has_value());
    EXPECT_FALSE(findOnPath("sub", bin.string()).has_value()) << "a folder is no program";
    const fs::path built = makeProgram(build, "pick3-print");
    const std::vector<fs::path> extra{build};
    EXPECT_EQ(findProgram("pick3-print", bin, "", {}, extra), built);
    EXPECT_FALSE(findOnPath("../bin/pick3-print", bin.string()).has_value())
        << "names with a slash are refused";
}

TEST(ProgramLookup, CalculatorsInOrderOfPreference) {
    p3::test::TempDir tmp;
    const fs::path a = tmp.path() / "a", b = tmp.path() / "b";
    const std::string pathList = a.string() + ":" + b.string();
    EXPECT_FALSE(findCalculator(pathList).has_value());
    const fs::path xcalc = makeProgram(a, "xcalc");
    EXPECT_EQ(findCalculator(pathList), xcalc);
    const fs::path gnome = makeProgram(b, "gnome-calculator");
    EXPECT_EQ(findCalculator(pathList), gnome) << "the preferred calculator wins over the PATH order";
}
