#include "core/io/app_path.h"

#include <cstdlib>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "core/io/text_codec.h"

namespace p3::core {
namespace {

namespace fs = std::filesystem;
using p3::test::TempDir;

/// Sets environment variables for one test and puts the old values back afterwards.
class EnvGuard {
public:
    ~EnvGuard() {
        for (const auto& [name, old] : m_saved) {
            if (old) {
                ::setenv(name.c_str(), old->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    void set(const std::string& name, const char* value) {
        if (!m_saved.contains(name)) {
            const char* old = std::getenv(name.c_str());
            m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            ::setenv(name.c_str(), value, 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

void writeRaw(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readRaw(const fs::path& file) {
    return readFileBytes(file).value_or("<missing>");
}

TEST(IoAppPath, ResolvesHomeInOrderOfPrecedence) {
    EnvGuard env;
    env.set("PICK3_HOME", "/srv/p3home");
    env.set("XDG_DATA_HOME", "/xdg/data");
    env.set("HOME", "/home/user");
    EXPECT_EQ(resolveHome(fs::path("/opt/mine")), fs::path("/opt/mine"));
    EXPECT_EQ(resolveHome(fs::path("rel/home")), fs::current_path() / "rel" / "home");
    EXPECT_EQ(resolveHome(std::nullopt), fs::path("/srv/p3home"));
    EXPECT_EQ(resolveHome(fs::path()), fs::path("/srv/p3home")); // an empty --home is no choice

    env.set("PICK3_HOME", "");
    EXPECT_EQ(resolveHome(std::nullopt), fs::path("/xdg/data/pick3bench"));
    env.set("XDG_DATA_HOME", "relative/data"); // not absolute: ignored
    EXPECT_EQ(resolveHome(std::nullopt), fs::path("/home/user/.local/share/pick3bench"));
    env.set("XDG_DATA_HOME", nullptr);
    env.set("PICK3_HOME", nullptr);
    EXPECT_EQ(resolveHome(std::nullopt), fs::path("/home/user/.local/share/pick3bench"));
    env.set("HOME", nullptr);
    EXPECT_TRUE(resolveHome(std::nullopt).is_absolute());
}

TEST(IoAppPath, EnsureHomeCopiesTemplateWithoutOverwriting) {
    TempDir dir;
    const fs::path templ = dir / "template";
    writeRaw(templ / "Data" / "MDB.sqlite", "database");
    writeRaw(templ / "Sys_Set.ini", "[DangQianCp]\r\nCpname=体彩排列3\r\n");
    writeRaw(templ / "YiLouCanShu.ini", "[和值]\r\n0=1\r\n");
    writeRaw(templ / "Qiu" / "GuoLv" / "Y3.bmp", "bitmap");
    fs::create_directories(templ / "Skin");

    const fs::path home = dir / "home";
    writeRaw(home / "Sys_Set.ini", "mine");
    ASSERT_TRUE(ensureHome(home, templ));
    EXPECT_EQ(readRaw(home / "Sys_Set.ini"), "mine");
    EXPECT_EQ(readRaw(home / "Data" / "MDB.sqlite"), "database");
    EXPECT_EQ(readRaw(home / "YiLouCanShu.ini"), "[和值]\r\n0=1\r\n");
    EXPECT_EQ(readRaw(home / "Qiu" / "GuoLv" / "Y3.bmp"), "bitmap");
    EXPECT_TRUE(fs::is_directory(home / "Skin"));

    // A home that has its database is complete: nothing is copied again.
    fs::remove(home / "YiLouCanShu.ini");
    writeRaw(home / "Data" / "MDB.sqlite", "user data");
    ASSERT_TRUE(ensureHome(home, templ));
    EXPECT_FALSE(fs::exists(home / "YiLouCanShu.ini"));
    EXPECT_EQ(readRaw(home / "Data" / "MDB.sqlite"), "user data");

    // A home that does not exist yet, several levels deep.
    const fs::path fresh = dir / "a" / "b" / "home";
    ASSERT_TRUE(ensureHome(fresh, templ));
    EXPECT_EQ(readRaw(fresh / "Sys_Set.ini"), "[DangQianCp]\r\nCpname=体彩排列3\r\n");
}

TEST(IoAppPath, EnsureHomeNamesAMissingTemplate) {
    TempDir dir;
    const fs::path home = dir / "home";
    auto missing = ensureHome(home, dir / "no-template");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find((dir / "no-template").string()), std::string::npos);
    EXPECT_NE(missing.error().message.find("模板"), std::string::npos);
    auto none = ensureHome(home, fs::path());
    ASSERT_FALSE(none);
    EXPECT_NE(none.error().message.find(home.string()), std::string::npos);

    // A file where the home should be.
    writeRaw(dir / "file-home", "x");
    fs::create_directories(dir / "template");
    EXPECT_FALSE(ensureHome(dir / "file-home", dir / "template"));
    EXPECT_EQ(readRaw(dir / "file-home"), "x");
}

TEST(IoAppPath, FindsTemplateFromEnvironmentFirst) {
    TempDir dir;
    EnvGuard env;
    env.set("PICK3_TEMPLATE", dir.path().c_str());
    EXPECT_EQ(findTemplateDir(), dir.path());
    // A variable naming no folder is passed over.
    env.set("PICK3_TEMPLATE", (dir / "absent").c_str());
    EXPECT_NE(findTemplateDir(), dir / "absent");
    EXPECT_FALSE(executableDir().empty());
    EXPECT_TRUE(fs::exists(executableDir() / "core_tests"));
}

} // namespace
} // namespace p3::core
