// Shut-down of the workbench window: the condition list kept in "~tmp_tj.ag" across runs, and a close
// that does not wait for a download stalled on a slow server.
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/net/loopback_server.h"
#include "core/shrink/condition_file.h"
#include "gui_fixture.h"

using namespace p3;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

/// A server that takes every request and answers none until the test ends.
struct StallingServer {
    test::LoopbackServer http;
    std::atomic<bool> release{false};
    std::atomic<int> requests{0};
    StallingServer() {
        http.server().Get(R"(/.*)", [this](const httplib::Request&, httplib::Response& res) {
            ++requests;
            while (!release)
                std::this_thread::sleep_for(10ms);
            res.set_content("", "text/plain");
        });
        http.start();
    }
    ~StallingServer() { release = true; }
};

void setServer(const std::filesystem::path& home, const char* key, const std::string& url) {
    auto settings = core::Settings::open(home);
    if (!settings) qFatal("no settings");
    settings->ini().setString("Server", key, url);
    if (!settings->ini().save()) qFatal("settings not saved");
}

core::ConditionLine line(const char* keyword, const char* content) {
    core::ConditionLine l;
    l.keyword = keyword;
    l.counts = "1|1|无设置";
    l.content = content;
    return l;
}

} // namespace

class ShutDownTest : public QObject {
    Q_OBJECT
private slots:
    void conditionListIsKeptAcrossRuns() {
        test::GuiHome home;
        const core::ConditionList before{line("和值", "和值~10~1~0"), line("跨度", "跨度~5~1~0&跨度~6~1~0")};
        QVERIFY(core::saveAutoConditionList(home.home, before).has_value());
        gui::MainWindow& w = home.start();
        QCOMPARE(w.workbench().conditions().size(), before.size());
        QVERIFY(w.workbench().conditions() == before);
        // What the list holds at shut-down is what the next run starts with.
        w.workbench().editConditions(
            [](core::ConditionList& lines) { lines.push_back(line("大小", "大小~A~1~0")); });
        w.close();
        auto after = core::loadAutoConditionList(home.home);
        QVERIFY(after.has_value());
        QCOMPARE(after->size(), std::size_t{3});
        QCOMPARE(QString::fromStdString(after->back().content), QStringLiteral("大小~A~1~0"));
        QVERIFY(std::equal(before.begin(), before.end(), after->begin()));
    }

    void firstRunSavesAnEmptyList() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(w.workbench().conditions().empty());
        w.close();
        QVERIFY(std::filesystem::exists(home.home / "~tmp_tj.ag"));
        auto after = core::loadAutoConditionList(home.home);
        QVERIFY(after.has_value() && after->empty());
    }

    void closeDoesNotWaitForAStalledUpdate() {
        StallingServer server;
        test::GuiHome home;
        setServer(home.home, "DataUrl", server.http.base());
        gui::MainWindow& w = home.start();
        QTRY_COMPARE(server.requests.load(), 1);
        const auto start = Clock::now();
        w.close();
        home.window.reset();
        // Without the cancel this takes three attempts of a 10 s read time-out.
        QVERIFY2(Clock::now() - start < 2s, "closing waited for the download");
        QCOMPARE(server.requests.load(), 1);
    }

    void closeDuringTheVersionCheckIsPromptAndStartsNothing() {
        StallingServer server;
        test::GuiHome home;
        setServer(home.home, "UpdateUrl", server.http.base());
        setServer(home.home, "DataUrl", server.http.base());
        home.window = std::make_unique<gui::MainWindow>(home.home, home.prompter);
        QSignalSpy finished(home.window.get(), &gui::MainWindow::startupFinished);
        home.window->show();
        QTRY_COMPARE(server.requests.load(), 1);
        const auto start = Clock::now();
        home.window->close();
        QTest::qWait(100);
        QVERIFY2(Clock::now() - start < 2s, "closing waited for the version check");
        // A closed window starts no download and no update program.
        QCOMPARE(server.requests.load(), 1);
        QVERIFY(home.prompter.messages().isEmpty());
        home.window.reset();
        QVERIFY2(Clock::now() - start < 2s, "destroying the window waited for the version check");
    }
};

QTEST_MAIN(ShutDownTest)
#include "shut_down_test.moc"
