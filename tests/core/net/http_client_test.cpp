#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/io/ini_file.h"
#include "core/net/http_client.h"
#include "core/net/version_check.h"
#include "loopback_server.h"

using namespace p3::core;
using Clock = std::chrono::steady_clock;

TEST(NetHttpGet, StallsErrorStatusesAndOversizedAnswersFail) {
    p3::test::LoopbackServer http;
    http.server().Get("/ok", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("fine", "text/plain");
    });
    http.server().Get("/500", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("2007001 123\n", "text/plain");
    });
    http.server().Get("/stall", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));
        res.set_content("late", "text/plain");
    });
    // A gigabyte announced up front, and a gigabyte sent in chunks with no length.
    http.server().Get("/huge", [](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(std::size_t{1} << 30, "text/plain",
                                 [](std::size_t, std::size_t length, httplib::DataSink& sink) {
                                     std::string block(std::min<std::size_t>(length, 65536), '7');
                                     return sink.write(block.data(), block.size());
                                 });
    });
    http.server().Get("/chunked", [](const httplib::Request&, httplib::Response& res) {
        auto sent = std::make_shared<std::size_t>(0);
        res.set_chunked_content_provider("text/plain", [sent](std::size_t, httplib::DataSink& sink) {
            std::string block(65536, '7');
            if (*sent >= (std::size_t{1} << 30) || !sink.write(block.data(), block.size())) return false;
            *sent += block.size();
            return true;
        });
    });
    http.start();

    HttpOptions quick;
    quick.readTimeoutMs = 1000;
    EXPECT_EQ(httpGet(http.base() + "/ok", quick).value(), "fine");
    auto error = httpGet(http.base() + "/500", quick);
    ASSERT_FALSE(error);
    EXPECT_NE(error.error().message.find("500"), std::string::npos);
    EXPECT_FALSE(httpGet(http.base() + "/missing", quick));

    const auto start = Clock::now();
    auto stalled = httpGet(http.base() + "/stall", quick);
    EXPECT_FALSE(stalled);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(3400));

    auto huge = httpGet(http.base() + "/huge");
    ASSERT_FALSE(huge);
    EXPECT_NE(huge.error().message.find("20 MB"), std::string::npos);
    auto chunked = httpGet(http.base() + "/chunked");
    ASSERT_FALSE(chunked);
    EXPECT_NE(chunked.error().message.find("20 MB"), std::string::npos);

    EXPECT_FALSE(httpGet("file:///etc/passwd"));
    EXPECT_FALSE(httpGet("not a url"));
}

TEST(NetVersionCheck, OnlyADifferentNonEmptyAnswerIsANewVersion) {
    p3::test::LoopbackServer http;
    std::string answer = "2.0\r\n";
    std::string asked;
    http.server().Get("/Soft_Ban_Bencheck.asp", [&](const httplib::Request& req, httplib::Response& res) {
        asked = req.get_param_value("Hao");
        res.set_content(answer, "text/plain");
    });
    http.start();
    auto settings = [&](std::string_view base) {
        return Settings(IniFile::fromText(
            "[软件版本号]\n软件编号=星 7\n版本号=1.0\n[Server]\nUpdateUrl=" + std::string(base) + "\n"));
    };
    auto found = checkVersion(settings(http.base()));
    EXPECT_TRUE(found.newVersion);
    EXPECT_EQ(found.answer, "2.0");
    EXPECT_EQ(asked, "星 7");
    answer = "1.0";
    EXPECT_FALSE(checkVersion(settings(http.base())).newVersion);
    answer = " \r\n";
    EXPECT_FALSE(checkVersion(settings(http.base())).newVersion);
    EXPECT_FALSE(checkVersion(settings("")).newVersion);
    EXPECT_EQ(versionCheckUrl("http://h/", "A 1"), "http://h/Soft_Ban_Bencheck.asp?Hao=A%201");
    http.stop();
    EXPECT_FALSE(checkVersion(settings(http.base())).newVersion);
}
