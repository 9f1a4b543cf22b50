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

UpdateRequest requestFor(const p3::test::DataFixture& f, const DrawServer& server,
                         const LotteryInfo& lottery) {
    UpdateRequest r;
    r.databaseFile = f.dir / "MDB.sqlite";
    r.home = f.dir.path();
    r.source = {SourceKind::Server, server.http.base()};
    r.lottery = lottery;
    r.attempts = 3;
    r.http.readTimeoutMs = 1000;
    return r;
}

/// What an update added; nothing when it failed.
DrawList addedBy(const UpdateRequest& request) {
    auto report = runUpdate(request);
    return report ? report->added : DrawList{};
}

} // namespace

TEST(NetSelectNewDraws, LatestStoredPeriodReadsTheNewestDraw) {
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
    std::optional<Result<UpdateReport>> seen;
    std::thread::id callbackThread;
    {
        AutoUpdater updater(requestFor(f, server, quoted), [&](const Result<UpdateReport>& r) {
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
    ASSERT_TRUE(*seen) << (*seen).error().message;
    EXPECT_EQ((*seen)->lotteryName, quoted.name);
    const DrawList expected = draws({{"2007001", "111"}, {"2007002", "222"}, {"2007003", "333"}});
    EXPECT_EQ((*seen)->added, expected);
    EXPECT_EQ(f.stored(quoted), expected);
    EXPECT_EQ(*readFileBytes(f.dir / "~tmp_m.txt"), server.body);
}

TEST(NetAutoUpdate, NothingNewRetriesAndFailuresKeepTheHistory) {
    p3::test::DataFixture f;
    DrawServer server;
    const DrawList before = draws({{"2007001", "111"}, {"2007002", "222"}});
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, before));
    server.body = "2007001 111\n2007002 222\n";
    auto nothing = runUpdate(requestFor(f, server, f.ti));
    ASSERT_TRUE(nothing);
    EXPECT_TRUE(nothing->added.empty());
    EXPECT_EQ(f.stored(f.ti), before);

    // Two failures, then the third attempt succeeds.
    server.body = "2007001 111\n2007002 222\n2007003 333\n2007004 444\n";
    server.failures = 2;
    server.requests = 0;
    EXPECT_EQ(addedBy(requestFor(f, server, f.ti)), draws({{"2007003", "333"}, {"2007004", "444"}}));
    EXPECT_EQ(server.requests, 3);
    EXPECT_EQ(f.stored(f.ti).size(), 4u);

    // Three failures: nothing, after exactly three attempts, and the status said.
    server.failures = 3;
    server.requests = 0;
    server.body = "2007005 555\n";
    auto refused = runUpdate(requestFor(f, server, f.ti));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("HTTP 500"), std::string::npos);
    EXPECT_EQ(server.requests, 3);
    EXPECT_EQ(f.stored(f.ti).size(), 4u);

    // The history stored is the measure, so a period is never stored twice.
    server.body = "2007004 444\n2007005 555\n";
    EXPECT_EQ(addedBy(requestFor(f, server, f.ti)), draws({{"2007005", "555"}}));
    EXPECT_EQ(addedBy(requestFor(f, server, f.ti)), DrawList{});
    EXPECT_EQ(f.stored(f.ti).size(), 5u);

    // No server listening.
    auto request = requestFor(f, server, f.ti);
    server.http.stop();
    auto closed = runUpdate(request);
    ASSERT_FALSE(closed);
    EXPECT_EQ(closed.error().message, update_messages::kCannotConnect);
    EXPECT_EQ(f.stored(f.ti).size(), 5u);
}

TEST(NetOnDemandUpdate, TheFeedRuleHoldsForEveryPath) {
    p3::test::DataFixture f;
    DrawServer server;
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, draws({{"2026246", "111"}})));
    // A bad line: 2026248 is not stored past it, and the line is named.
    server.body = "2026247 12\n2026248 345\n";
    auto refused = runUpdate(requestFor(f, server, f.ti));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("2026247 12"), std::string::npos) << refused.error().message;
    EXPECT_EQ(f.stored(f.ti).size(), 1u);
    // The raw answer is kept for the user to look at.
    EXPECT_EQ(*readFileBytes(f.dir / "~tmp_m.txt"), server.body);

    // Disorder: every line above the latest stored period, stored in period order.
    server.body = "2026250 555\n2026200 666\n2026251 777\n2026247 444\n";
    EXPECT_EQ(addedBy(requestFor(f, server, f.ti)),
              draws({{"2026247", "444"}, {"2026250", "555"}, {"2026251", "777"}}));
    EXPECT_EQ(f.stored(f.ti),
              draws({{"2026246", "111"}, {"2026247", "444"}, {"2026250", "555"}, {"2026251", "777"}}));

    // A garbage answer is a failure, never "更新成功 0".
    server.body = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    EXPECT_FALSE(runUpdate(requestFor(f, server, f.ti)));
    server.body = "<html><body>502 Bad Gateway</body></html>";
    auto page = runUpdate(requestFor(f, server, f.ti));
    ASSERT_FALSE(page);
    EXPECT_NE(page.error().message.find("网页"), std::string::npos);
    server.body = "";
    EXPECT_FALSE(runUpdate(requestFor(f, server, f.ti)));
    EXPECT_EQ(f.stored(f.ti).size(), 4u);
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

    UpdateRequest r;
    r.databaseFile = f.dir / "MDB.sqlite";
    r.home = f.dir.path();
    r.lottery = f.ti;
    r.attempts = 3;
    r.http.readTimeoutMs = 300;
    for (const char* route : {"/stall", "/huge", "/garbage"}) {
        r.source = {SourceKind::Server, http.base() + route};
        EXPECT_FALSE(runUpdate(r)) << route;
        EXPECT_EQ(f.stored(f.ti), before) << route;
    }
    EXPECT_EQ(stalls, 3);

    // A signed period is no period: the answer is refused, naming the line.
    http.server().Get("/signed/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("-5 555\n2007001 111\n+6 666\n", "text/plain");
    });
    const LotteryInfo empty{"空", "体彩", 7, 3};
    ASSERT_TRUE(f.db.addLottery(empty.name, empty.kind, empty.id, 3));
    r.lottery = empty;
    r.source = {SourceKind::Server, http.base() + "/signed"};
    auto signedPeriods = runUpdate(r);
    ASSERT_FALSE(signedPeriods);
    EXPECT_NE(signedPeriods.error().message.find("-5 555"), std::string::npos);
    EXPECT_TRUE(f.stored(empty).empty());
}
