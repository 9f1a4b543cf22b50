#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "common/temp_dir.h"
#include "core/net/http_client.h"
#include "core/net/online_update.h"
#include "core/store/draw_database.h"
#include "loopback_server.h"

using namespace p3::core;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

/// A server whose draw file never comes: every request waits until the test ends.
struct StallingServer {
    p3::test::LoopbackServer http;
    std::atomic<bool> release{false};
    std::atomic<int> requests{0};
    StallingServer() {
        http.server().Get(R"(/.*)", [this](const httplib::Request&, httplib::Response& res) {
            ++requests;
            while (!release)
                std::this_thread::sleep_for(10ms);
            res.set_content("2026001 123\n", "text/plain");
        });
        http.start();
    }
    ~StallingServer() { release = true; }
};

} // namespace

TEST(NetCancel, CancelledRequestEndsPromptlyAndFails) {
    StallingServer server;
    std::atomic<bool> cancel{false};
    HttpOptions http;
    http.cancel = &cancel;
    auto pending = std::async(std::launch::async, [&] { return httpGet(server.http.base() + "/x", http); });
    while (server.requests == 0)
        std::this_thread::sleep_for(5ms);
    const auto start = Clock::now();
    cancel = true;
    ASSERT_EQ(pending.wait_for(3s), std::future_status::ready);
    EXPECT_LT(Clock::now() - start, 1500ms);
    auto result = pending.get();
    EXPECT_FALSE(result);
    // A flag already set refuses the request before it is sent.
    const int before = server.requests;
    EXPECT_FALSE(httpGet(server.http.base() + "/y", http));
    EXPECT_EQ(server.requests, before);
}

TEST(NetCancel, CancelledAutoUpdateStopsBetweenAttemptsAndStoresNothing) {
    StallingServer server;
    p3::test::TempDir dir;
    const auto dbFile = dir.path() / "MDB.sqlite";
    auto db = DrawDatabase::create(dbFile);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->addLottery("测试", "福彩", 5, 3));

    UpdateRequest request;
    request.databaseFile = dbFile;
    request.home = dir.path();
    request.source = {SourceKind::Server, server.http.base()};
    request.lottery = LotteryInfo{"测试", "福彩", 5, 3};
    request.attempts = 3;
    request.http.readTimeoutMs = 10000; // each attempt would wait 10 s without the cancel
    std::atomic<bool> called{false};
    std::size_t added = 1;
    {
        AutoUpdater updater(request, [&](const Result<UpdateReport>& result) {
            added = result ? result->added.size() : 0;
            called = true;
        });
        while (server.requests == 0)
            std::this_thread::sleep_for(5ms);
        const auto start = Clock::now();
        updater.cancel();
        updater.wait();
        EXPECT_LT(Clock::now() - start, 1500ms);
    }
    EXPECT_TRUE(called);
    EXPECT_EQ(added, 0u);
    // One attempt was under way; the other two were never made.
    EXPECT_EQ(server.requests, 1);
    EXPECT_EQ(*db->countDraws("福彩", 5), 0);
}
