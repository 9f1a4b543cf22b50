// The version check believes only an answer that looks like a version, compared as numbers.
#include <gtest/gtest.h>

#include "core/io/ini_file.h"
#include "core/net/version_check.h"
#include "loopback_server.h"

using namespace p3::core;

TEST(NetVersionAnswer, OnlyDigitsAndDotsAreAVersion) {
    EXPECT_EQ(parseVersion("1.2.10"), (std::vector<std::uint32_t>{1, 2, 10}));
    EXPECT_EQ(parseVersion("7"), (std::vector<std::uint32_t>{7}));
    for (std::string_view bad : {"", ".", "1.", ".1", "1..2", "1.2.3.4.5", "v1.2", "1.2 beta", "1,2", "-1",
                                 "1234567890", "<html><body>Not Found</body></html>", "1.0\n2.0"})
        EXPECT_EQ(parseVersion(bad), std::nullopt) << bad;
}

TEST(NetVersionAnswer, NewOnlyWhenNumericallyAboveOurs) {
    EXPECT_TRUE(isNewVersion("1.10", "1.9")); // not a text comparison
    EXPECT_FALSE(isNewVersion("1.9", "1.10"));
    EXPECT_FALSE(isNewVersion("2", "2.0"));
    EXPECT_FALSE(isNewVersion("0.9", "1.0")); // an older server is no update
    EXPECT_FALSE(isNewVersion("<html>", "1.0"));
    EXPECT_FALSE(isNewVersion("", "1.0"));
    // With no installed version set, ours is this program's own.
    EXPECT_FALSE(isNewVersion(programVersion(), ""));
    EXPECT_TRUE(isNewVersion("999.0", ""));
    EXPECT_TRUE(isNewVersion("999.0", "not a version"));
    ASSERT_TRUE(parseVersion(programVersion()));
}

TEST(NetVersionAnswer, AnErrorPageOrGarbageCountsAsNoAnswer) {
    p3::test::LoopbackServer http;
    std::string answer;
    http.server().Get("/Soft_Ban_Bencheck.asp", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(answer, "text/html");
    });
    http.start();
    const Settings settings(
        IniFile::fromText("[软件版本号]\n版本号=1.0\n[Server]\nUpdateUrl=" + http.base() + "\n"));
    for (std::string page : {std::string("<!DOCTYPE html>\n<html><head><title>404</title></head></html>\n"),
                             std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::string("2.0 beta")}) {
        answer = page;
        const auto found = checkVersion(settings);
        EXPECT_EQ(found.answer, "");
        EXPECT_FALSE(found.newVersion);
    }
    answer = " 1.0.1\r\n";
    const auto found = checkVersion(settings);
    EXPECT_EQ(found.answer, "1.0.1");
    EXPECT_TRUE(found.newVersion);
    http.stop();
}
