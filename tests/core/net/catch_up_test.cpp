// Catching up through the paged public sources and the text sources, against loopback servers that
// answer in each source's format: paging, the page cap, cancel, the overall deadline and the messages.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>

#include "../data/data_fixture.h"
#include "core/net/online_update.h"
#include "loopback_server.h"

using namespace p3::core;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

/// A source holding a draw history, newest first, that answers page by page as the public sites do.
struct PagedSource {
    p3::test::LoopbackServer http;
    std::vector<std::pair<std::string, std::string>> newestFirst; ///< (published period, digits)
    std::atomic<int> requests{0};
    std::atomic<int> failPage{0}; ///< this page answers state 1 / success false
    std::atomic<int> slowPage{0}; ///< this page never comes (until the test ends)
    std::atomic<bool> release{false};
    std::mutex m;
    std::string userAgent, referer;

    PagedSource() {
        http.server().Get(
            "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice",
            [this](const httplib::Request& req, httplib::Response& res) { answer(req, res, true); });
        http.server().Get(
            "/gateway/lottery/getHistoryPageListV1.qry",
            [this](const httplib::Request& req, httplib::Response& res) { answer(req, res, false); });
        http.start();
    }
    ~PagedSource() { release = true; }

    void answer(const httplib::Request& req, httplib::Response& res, bool cwl) {
        ++requests;
        {
            std::lock_guard lock(m);
            userAgent = req.get_header_value("User-Agent");
            referer = req.get_header_value("Referer");
        }
        const int page = std::stoi(req.get_param_value("pageNo"));
        const int size = std::stoi(req.get_param_value("pageSize"));
        while (page == slowPage && !release)
            std::this_thread::sleep_for(10ms);
        std::string list;
        for (int i = (page - 1) * size; i < page * size && i < static_cast<int>(newestFirst.size()); ++i) {
            const auto& [period, digits] = newestFirst[static_cast<std::size_t>(i)];
            std::string spaced, commas;
            for (char d : digits) {
                spaced += std::string(spaced.empty() ? "" : " ") + d;
                commas += std::string(commas.empty() ? "" : ",") + d;
            }
            if (!list.empty()) list += ",";
            // The dates hold brackets, so the JSON pieces use a raw-string delimiter of their own.
            if (cwl)
                list += R"j({"name":"3d","code":")j" + period + R"j(","date":"2026-01-01(四)","red":")j" +
                        commas + R"j(","blue":""})j";
            else
                list +=
                    R"j({"lotteryDrawNum":")j" + period + R"j(","lotteryDrawResult":")j" + spaced + R"j("})j";
        }
        const int pages = (static_cast<int>(newestFirst.size()) + size - 1) / size;
        if (cwl)
            res.set_content(page == failPage ? R"({"state":1,"message":"系统繁忙"})"
                                             : R"({"state":0,"message":"查询成功","result":[)" + list + "]}",
                            "application/json");
        else
            res.set_content(page == failPage ? R"({"success":false,"errorMessage":"系统繁忙"})"
                                             : R"({"success":true,"value":{"pages":)" +
                                                   std::to_string(pages) + R"(,"list":[)" + list + "]}}",
                            "application/json");
    }
};

/// Periods NNN of a year, newest first: count draws ending at `last`.
std::vector<std::pair<std::string, std::string>> yearRun(int year, int last, int count, int digits = 3) {
    std::vector<std::pair<std::string, std::string>> out;
    for (int n = last; n > last - count; --n) {
        char period[16];
        std::snprintf(period, sizeof period, "%d%03d", year, n);
        out.emplace_back(period,
                         std::string(static_cast<std::size_t>(digits), static_cast<char>('0' + n % 10)));
    }
    return out;
}

UpdateRequest requestFor(p3::test::DataFixture& f, SourceKind kind, const std::string& base,
                         const LotteryInfo& lottery) {
    UpdateRequest r;
    r.databaseFile = f.dir / "MDB.sqlite";
    r.home = f.dir.path();
    r.source = {kind, base};
    r.lottery = lottery;
    r.pageSize = 5;
    r.http.readTimeoutMs = 2000;
    return r;
}

DrawList periodsOf(const std::vector<std::pair<std::string, std::string>>& newestFirst) {
    DrawList out;
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it)
        out.push_back({it->first, it->second});
    return out;
}

} // namespace

TEST(NetCatchUp, CwlPagesBackToTheLatestStoredDrawAndStoresAllInPeriodOrder) {
    p3::test::DataFixture f;
    PagedSource source;
    // 2026001..2026023 published; 2026001..2026009 stored: three pages of five reach 2026009.
    source.newestFirst = yearRun(2026, 23, 23);
    const DrawList all = periodsOf(source.newestFirst);
    ASSERT_TRUE(f.db.appendDraws(f.fu.kind, f.fu.id, DrawList(all.begin(), all.begin() + 9)));
    std::vector<int> pagesSeen;
    auto request = requestFor(f, SourceKind::Cwl, source.http.base(), f.fu);
    request.progress = [&](const UpdateProgress& p) { pagesSeen.push_back(p.page); };
    auto report = runUpdate(request);
    ASSERT_TRUE(report) << report.error().message;
    EXPECT_EQ(report->added, DrawList(all.begin() + 9, all.end()));
    EXPECT_EQ(f.stored(f.fu), all);
    EXPECT_EQ(source.requests, 3);
    EXPECT_EQ(pagesSeen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(newDrawsText(report->added), "14 期新数据: 2026010–2026023");
    // The site is asked as a browser would ask it.
    EXPECT_NE(source.userAgent.find("Mozilla/5.0"), std::string::npos);
    EXPECT_EQ(source.referer, source.http.base() + "/");

    // Nothing new: one page, nothing stored, a success with nothing added.
    source.requests = 0;
    auto again = runUpdate(request);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->added.empty());
    EXPECT_EQ(source.requests, 1);
    EXPECT_EQ(newDrawsText(again->added), "没有新数据");
}

TEST(NetCatchUp, SportteryCrossesTheYearAndStopsAtTheSourcesLastPage) {
    p3::test::DataFixture f;
    PagedSource source;
    // Published as YYNNN: 26001..26004 after 25350..25358.
    for (auto& [period, digits] : yearRun(26, 4, 4))
        source.newestFirst.emplace_back(period, digits);
    for (auto& [period, digits] : yearRun(25, 358, 9))
        source.newestFirst.emplace_back(period, digits);
    ASSERT_TRUE(f.db.appendDraws(f.ti.kind, f.ti.id, {{"2025354", "444"}}));
    auto report = runUpdate(requestFor(f, SourceKind::Sporttery, source.http.base(), f.ti));
    ASSERT_TRUE(report) << report.error().message;
    EXPECT_EQ(report->added, (DrawList{{"2025355", "555"},
                                       {"2025356", "666"},
                                       {"2025357", "777"},
                                       {"2025358", "888"},
                                       {"2026001", "111"},
                                       {"2026002", "222"},
                                       {"2026003", "333"},
                                       {"2026004", "444"}}));

    // An empty lottery takes the whole history and ends at the last page the source names.
    const LotteryInfo empty{"新排列3", "体彩", 9, 3};
    ASSERT_TRUE(f.db.addLottery(empty.name, empty.kind, empty.id, 3));
    source.requests = 0;
    auto whole = runUpdate(requestFor(f, SourceKind::Sporttery, source.http.base(), empty));
    ASSERT_TRUE(whole) << whole.error().message;
    EXPECT_EQ(whole->added.size(), 13u);
    EXPECT_EQ(whole->added.front().period, "2025350");
    EXPECT_EQ(source.requests, 3);

    // A source with no draws at all answers an empty page: nothing to add, no error.
    PagedSource none;
    const LotteryInfo other{"空排列3", "体彩", 10, 3};
    ASSERT_TRUE(f.db.addLottery(other.name, other.kind, other.id, 3));
    auto nothing = runUpdate(requestFor(f, SourceKind::Sporttery, none.http.base(), other));
    ASSERT_TRUE(nothing) << nothing.error().message;
    EXPECT_TRUE(nothing->added.empty());
    EXPECT_EQ(none.requests, 1);
}

TEST(NetCatchUp, AFailedPageOrThePageCapStoresNothing) {
    p3::test::DataFixture f;
    PagedSource source;
    source.newestFirst = yearRun(2026, 40, 40);
    const DrawList all = periodsOf(source.newestFirst);
    ASSERT_TRUE(f.db.appendDraws(f.fu.kind, f.fu.id, DrawList(all.begin(), all.begin() + 3)));
    auto request = requestFor(f, SourceKind::Cwl, source.http.base(), f.fu);

    // Page 2 of the way back fails: the draws of page 1 are not stored either.
    source.failPage = 2;
    auto failed = runUpdate(request);
    ASSERT_FALSE(failed);
    EXPECT_NE(failed.error().message.find("state 1"), std::string::npos) << failed.error().message;
    EXPECT_EQ(f.stored(f.fu).size(), 3u);

    // Four pages cannot reach 2026003 from 2026040: storing them would leave a gap.
    source.failPage = 0;
    request.maxPages = 4;
    source.requests = 0;
    auto capped = runUpdate(request);
    ASSERT_FALSE(capped);
    EXPECT_EQ(capped.error().message,
              "新数据超过 4 页仍未接上已有的第2026003期, 为免留下缺口没有保存任何数据 "
              "(可在 Sys_Set.ini [Server] UpdatePages 加大页数)");
    EXPECT_EQ(source.requests, 4);
    EXPECT_EQ(f.stored(f.fu).size(), 3u);
    request.maxPages = 8;
    auto caught = runUpdate(request);
    ASSERT_TRUE(caught) << caught.error().message;
    EXPECT_EQ(f.stored(f.fu), all);

    // A wrong digit count among the new draws of the source is named and nothing is stored.
    source.newestFirst.insert(source.newestFirst.begin(), {"2026042", "12"});
    source.newestFirst.insert(source.newestFirst.begin(), {"2026043", "345"});
    auto wrong = runUpdate(request);
    ASSERT_FALSE(wrong);
    EXPECT_NE(wrong.error().message.find("2026042"), std::string::npos) << wrong.error().message;
    EXPECT_EQ(f.stored(f.fu), all);
    // The welfare site has only 3D: a five-digit lottery cannot use it.
    const LotteryInfo five{"福彩5", "福彩", 11, 5};
    ASSERT_TRUE(f.db.addLottery(five.name, five.kind, five.id, 5));
    EXPECT_FALSE(runUpdate(requestFor(f, SourceKind::Cwl, source.http.base(), five)));
}

TEST(NetCatchUp, CancelDuringTheCatchUpEndsPromptlyWithNothingStored) {
    p3::test::DataFixture f;
    PagedSource source;
    source.newestFirst = yearRun(2026, 30, 30);
    source.slowPage = 3;
    std::atomic<bool> cancel{false};
    auto request = requestFor(f, SourceKind::Cwl, source.http.base(), f.fu);
    request.http.readTimeoutMs = 30000;
    request.http.cancel = &cancel;
    auto pending = std::async(std::launch::async, [&] { return runUpdate(request); });
    while (source.requests < 3)
        std::this_thread::sleep_for(5ms);
    const auto start = Clock::now();
    cancel = true;
    ASSERT_EQ(pending.wait_for(3s), std::future_status::ready);
    EXPECT_LT(Clock::now() - start, 1500ms);
    auto result = pending.get();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().message, update_messages::kCancelled);
    EXPECT_TRUE(f.stored(f.fu).empty());
}

TEST(NetCatchUp, TheDeadlineCutsOffATrickleThatNeverStalls) {
    p3::test::DataFixture f;
    p3::test::LoopbackServer http;
    // One byte every 50 ms: never a stall, never finished within the deadline.
    http.server().Get(R"(/down/(.+)\.txt)", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("text/plain", [](std::size_t offset, httplib::DataSink& sink) {
            std::this_thread::sleep_for(50ms);
            const char byte = "2026001 123\n"[offset % 12];
            return offset < 4000 && sink.write(&byte, 1);
        });
    });
    http.start();
    auto request = requestFor(f, SourceKind::Server, http.base(), f.ti);
    request.http.readTimeoutMs = 5000;
    request.http.deadlineMs = 1000;
    const auto start = Clock::now();
    auto result = runUpdate(request);
    const auto took = Clock::now() - start;
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("1 秒仍未完成"), std::string::npos) << result.error().message;
    EXPECT_GE(took, 900ms);
    EXPECT_LT(took, 3s);
    EXPECT_TRUE(f.stored(f.ti).empty());
}

TEST(NetCatchUp, DownloadFailuresSayWhatHappened) {
    p3::test::DataFixture f;
    p3::test::LoopbackServer http;
    http.server().Get("/missing/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html>Not Found</html>", "text/html");
    });
    http.server().Get("/page/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("<!DOCTYPE html>\n<html><body>维护中</body></html>", "text/html");
    });
    http.server().Get("/huge/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(3u << 20, '7'), "text/plain");
    });
    http.server().Get("/stall/down/(.+)", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(1500ms);
        res.set_content("2026001 123\n", "text/plain");
    });
    http.start();
    auto request = requestFor(f, SourceKind::Server, "", f.ti);
    request.http.readTimeoutMs = 500;
    request.http.maxBytes = 1u << 20;
    const auto failure = [&](const std::string& base, SourceKind kind = SourceKind::Server) {
        request.source = {kind, base};
        auto result = runUpdate(request);
        return result ? std::string("success") : result.error().message;
    };
    EXPECT_NE(failure(http.base() + "/missing").find("HTTP 404"), std::string::npos);
    EXPECT_NE(failure(http.base() + "/page").find("网页"), std::string::npos);
    EXPECT_NE(failure(http.base() + "/huge").find("超过 1 MB"), std::string::npos);
    EXPECT_NE(failure(http.base() + "/stall").find("读取超时"), std::string::npos);
    const std::string closed = "http://127.0.0.1:1";
    EXPECT_EQ(failure(closed), update_messages::kCannotConnect);
    EXPECT_NE(failure(closed, SourceKind::Cwl).find("无法连接福彩网站"), std::string::npos);
    EXPECT_NE(failure(http.base() + "/missing", SourceKind::Sporttery).find("HTTP 404"), std::string::npos);
    EXPECT_TRUE(f.stored(f.ti).empty());
}

TEST(NetCatchUp, LinesArchiveNewestFirstWithDates) {
    p3::test::DataFixture f;
    p3::test::LoopbackServer http;
    std::string asked;
    http.server().Get(R"(/archive/(.+)\.txt)", [&](const httplib::Request& req, httplib::Response& res) {
        asked = req.matches[1];
        res.set_content("2026250 2026-09-17 3 3 3\n2026249 2026-09-16 2 2 2\n2026248 2026-09-15 1 1 1\n",
                        "text/plain");
    });
    http.start();
    ASSERT_TRUE(f.db.appendDraws(f.fu.kind, f.fu.id, {{"2026248", "111"}}));
    auto report = runUpdate(requestFor(f, SourceKind::Lines, http.base() + "/archive/{name}.txt", f.fu));
    ASSERT_TRUE(report) << report.error().message;
    EXPECT_EQ(asked, f.fu.name);
    EXPECT_EQ(report->added, (DrawList{{"2026249", "222"}, {"2026250", "333"}}));
}
