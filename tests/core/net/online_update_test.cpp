#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "../data/data_fixture.h"
#include "core/io/text_codec.h"
#include "core/net/online_update.h"
#include "core/net/version_check.h"
#include "loopback_server.h"

using namespace p3::core;

namespace {

DrawList draws(std::initializer_list<Draw> list) {
    return DrawList(list);
}

// Serves the draw file of one lottery, failing the first `failures` requests with a 500.
struct DrawServer {
    p3::test::LoopbackServer http;
    std::string body;
    std::atomic<int> failures{0};
    std::atomic<int> requests{0};
    std::string lastName;
    std::string lastCacheControl;

    DrawServer() {
        http.server().Get(R"(/down/(.+)\.txt)", [this](const httplib::Request& req, httplib::Response& res) {
            ++requests;
            lastName = req.matches[1];
            lastCacheControl = req.get_header_value("Cache-Control");
            if (failures > 0) {
                --failures;
                res.status = 500;
                res.set_content("server error", "text/plain");
                return;
            }
            res.set_content(body, "text/plain");
        });
        http.start();
    }
    std::string url(std::string_view name) const { return drawFileUrl(http.base(), name); }
};

AutoUpdateRequest requestFor(const p3::test::DataFixture& f, const DrawServer& server,
                             const LotteryInfo& lottery, std::int64_t latest) {
    AutoUpdateRequest r;
    r.databaseFile = f.dir / "MDB.sqlite";
    r.home = f.dir.path();
    r.url = server.url(lottery.name);
    r.lottery = lottery;
    r.latestPeriod = latest;
    r.http.readTimeoutMs = 1000;
    return r;
}

} // namespace

TEST(NetSelectNewDraws, KeepsTheTrimmedLinesAfterTheLatestStoredPeriod) {
    const std::vector<std::string> lines{"2007001 111", "",   "  2007002 222  ",
                                         "2007003 333", "\t", "2007004 4 4 4 "};
    EXPECT_EQ(SelectNewDraws(lines, 0),
              (std::vector<std::string>{"2007001 111", "2007002 222", "2007003 333", "2007004 4 4 4"}));
    EXPECT_EQ(SelectNewDraws(lines, 2007002), (std::vector<std::string>{"2007003 333", "2007004 4 4 4"}));
    EXPECT_TRUE(SelectNewDraws(lines, 2007004).empty());
    EXPECT_TRUE(SelectNewDraws({}, 5).empty());
    // A garbage line stops the walk as an old period would.
    EXPECT_EQ(SelectNewDraws({"2007001 111", "<html>", "2007009 999"}, 2007001),
              (std::vector<std::string>{"2007009 999"}));
    EXPECT_EQ(latestStoredPeriod(draws({{"2007001", "111"}, {"02007009", "999"}})), 2007009);
    EXPECT_EQ(latestStoredPeriod({}), 0);
}

TEST(NetDrawFileUrl, EncodesTheNameAsUtf8) {
    EXPECT_EQ(drawFileUrl("http://h/", "福彩3D"), "http://h/down/%E7%A6%8F%E5%BD%A93D.txt");
    EXPECT_EQ(drawFileUrl("http://h", "a b\"/?"), "http://h/down/a%20b%22%2F%3F.txt");
    EXPECT_EQ(percentEncode("Az09-._~"), "Az09-._~");
}

TEST(NetAutoUpdate, EmptyLotteryReceivesEveryLineThroughItsOwnConnection) {
    p3::test::DataFixture f;
    DrawServer server;
    const LotteryInfo quoted{R"(福"彩'3D)", "福彩", 5, 3};
    ASSERT_TRUE(f.db.addLottery(quoted.name, quoted.kind, quoted.id, 3));
    server.body = "2007001 111\r\n2007002 2 2 2\r\n\r\n2007003 333\r\n";

    std::mutex m;
    std::condition_variable cv;
    std::optional<AutoUpdateResult> seen;
    std::thread::id callbackThread;
    {
        AutoUpdater updater(requestFor(f, server, quoted, 0), [&](const AutoUpdateResult& r) {
            std::lock_guard lock(m);
            seen = r;
            callbackThread = std::this_thread::get_id();
            cv.notify_all();
        });
        std::unique_lock lock(m);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(20), [&] { return seen.has_value(); }));
    }
    EXPECT_NE(callbackThread, std::this_thread::get_id());
    EXPECT_EQ(server.lastName, quoted.name);
    EXPECT_EQ(server.lastCacheControl, "no-cache");
    EXPECT_EQ(seen->lotteryName, quoted.name);
    const DrawList expected = draws({{"2007001", "111"}, {"2007002", "222"}, {"2007003", "333"}});
    EXPECT_EQ(seen->added, expected);
    EXPECT_EQ(f.stored(quoted), expected);
    EXPECT_EQ(*readFileBytes(f.dir / "~tmp_m.txt"), server.body);
}

TEST(NetAutoUpdate, NothingNewRetriesAndSilentFailuresKeepTheHistory) {
    p3::test::DataFixture f;
    DrawServer server;
    const DrawList before = draws({{"2007001", "111"}, {"2007002", "222"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    server.body = "2007001 111\n2007002 222\n";
    EXPECT_TRUE(runAutoUpdate(requestFor(f, server, f.ti, 2007002)).added.empty());
    EXPECT_EQ(f.stored(f.ti), before);

    // Two failures, then the third attempt succeeds; wrong digit counts and garbage are skipped.
    server.body = "2007001 111\n2007002 222\n2007003 333\n2007004 44\n2007005 5x5\n2007006 666\n";
    server.failures = 2;
    server.requests = 0;
    auto third = runAutoUpdate(requestFor(f, server, f.ti, 2007002));
    EXPECT_EQ(server.requests, 3);
    EXPECT_EQ(third.added, draws({{"2007003", "333"}, {"2007006", "666"}}));
    EXPECT_EQ(f.stored(f.ti).size(), 4u);

    // Three failures: nothing, silently, after exactly three attempts.
    server.failures = 3;
    server.requests = 0;
    server.body = "2007007 777\n";
    EXPECT_TRUE(runAutoUpdate(requestFor(f, server, f.ti, 2007006)).added.empty());
    EXPECT_EQ(server.requests, 3);
    EXPECT_EQ(f.stored(f.ti).size(), 4u);

    // A stale latest period never stores a period twice.
    server.body = "2007006 666\n2007007 777\n";
    EXPECT_EQ(runAutoUpdate(requestFor(f, server, f.ti, 2007002)).added, draws({{"2007007", "777"}}));
    EXPECT_EQ(f.stored(f.ti).size(), 5u);

    // No server listening, or downloads switched off.
    auto request = requestFor(f, server, f.ti, 0);
    server.http.stop();
    EXPECT_TRUE(runAutoUpdate(request).added.empty());
    request.url.clear();
    EXPECT_TRUE(runAutoUpdate(request).added.empty());
    EXPECT_EQ(f.stored(f.ti).size(), 5u);
}

TEST(NetOnDemandUpdate, MergesNewLinesAndReportsFailures) {
    p3::test::DataFixture f;
    DrawServer server;
    const DrawList before = draws({{"2007001", "111"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    server.body = "2007001 111\n2007002 2 2 2\n2007003 333\n";
    auto out = updateOnDemand(f.db, f.ti, before, server.url(f.ti.name), f.dir.path());
    ASSERT_TRUE(out) << out.error().message;
    EXPECT_EQ(out->message, "更新成功");
    EXPECT_EQ(out->import.added, 2u);
    EXPECT_EQ(out->import.rows, draws({{"2007001", "111"}, {"2007002", "222"}, {"2007003", "333"}}));
    EXPECT_EQ(*readTextFile(f.dir / "~tmp_m.txt"), "2007002 2 2 2\r\n2007003 333\r\n");

    auto again = updateOnDemand(f.db, f.ti, out->import.rows, server.url(f.ti.name), f.dir.path());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->message, "更新成功");
    EXPECT_EQ(again->import.added, 0u);

    server.body = "2007004 444\n2007005 55\n";
    auto bad = updateOnDemand(f.db, f.ti, out->import.rows, server.url(f.ti.name), f.dir.path());
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().message, "第2007005期 奖号格式有问题");

    server.failures = 1;
    auto refused = updateOnDemand(f.db, f.ti, out->import.rows, server.url(f.ti.name), f.dir.path());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "无法连接星河阁服务器 可能网站目前无法正常防问!");
    EXPECT_EQ(f.stored(f.ti).size(), 3u);
}

TEST(NetAutoUpdate, StallsHugeAnswersAndGarbageStoreNothing) {
    p3::test::DataFixture f;
    const DrawList before = draws({{"2007001", "111"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    p3::test::LoopbackServer http;
    std::atomic<int> stalls{0};
    http.server().Get("/stall/down/(.+)", [&](const httplib::Request&, httplib::Response& res) {
        ++stalls;
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        res.set_content("2007002 222\n", "text/plain");
    });
    http.server().Get("/huge/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        auto sent = std::make_shared<std::size_t>(0);
        res.set_chunked_content_provider("text/plain", [sent](std::size_t, httplib::DataSink& sink) {
            const std::string block = "2007002 222\n2007003 333\n";
            std::string many;
            for (int i = 0; i < 2048; ++i)
                many += block;
            if (*sent >= (std::size_t{1} << 30) || !sink.write(many.data(), many.size())) return false;
            *sent += many.size();
            return true;
        });
    });
    http.server().Get("/garbage/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe 2007009 999x\n<html>", 37),
                        "text/plain");
    });
    http.start();

    AutoUpdateRequest r;
    r.databaseFile = f.dir / "MDB.sqlite";
    r.home = f.dir.path();
    r.lottery = f.ti;
    r.latestPeriod = 2007001;
    r.http.readTimeoutMs = 300;
    for (const char* route : {"/stall", "/huge", "/garbage"}) {
        r.url = drawFileUrl(http.base() + route, f.ti.name);
        EXPECT_TRUE(runAutoUpdate(r).added.empty()) << route;
        EXPECT_EQ(f.stored(f.ti), before) << route;
    }
    EXPECT_EQ(stalls, 3);

    // A lottery without draws takes every line, but a signed period is no period.
    http.server().Get("/signed/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("-5 555\n2007001 111\n+6 666\n", "text/plain");
    });
    const LotteryInfo empty{"空", "体彩", 7, 3};
    ASSERT_TRUE(f.db.addLottery(empty.name, empty.kind, empty.id, 3));
    r.lottery = empty;
    r.latestPeriod = 0;
    r.url = drawFileUrl(http.base() + "/signed", empty.name);
    EXPECT_EQ(runAutoUpdate(r).added, draws({{"2007001", "111"}}));
    EXPECT_EQ(f.stored(empty), draws({{"2007001", "111"}}));
}
