// The draw source of a lottery in the lottery dialogs, and "网上更新" on a worker: the window answers
// (its 关闭 and the cancel work) while a slow server trickles.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <atomic>
#include <chrono>

#include "core/net/loopback_server.h"
#include "core/store/load_lottery.h"
#include "dialog_script.h"
#include "gui/data/data_manage_dialog.h"
#include "gui/data/lottery_select_dialog.h"
#include "gui_fixture.h"

using namespace p3;
using test::click;
using test::DialogScript;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

/// A data server that sends its draw file one byte every 100 ms: never a stall, never done soon.
struct TrickleServer {
    test::LoopbackServer http;
    std::atomic<int> requests{0};
    TrickleServer() {
        http.server().Get(R"(/down/(.+)\.txt)", [this](const httplib::Request&, httplib::Response& res) {
            ++requests;
            res.set_chunked_content_provider("text/plain", [](std::size_t offset, httplib::DataSink& sink) {
                std::this_thread::sleep_for(100ms);
                const char byte = "2099001 123\n"[offset % 12];
                return offset < 1200 && sink.write(&byte, 1);
            });
        });
        http.start();
    }
};

void setDataUrl(const std::filesystem::path& home, const std::string& base) {
    auto settings = core::Settings::open(home);
    if (!settings) qFatal("no settings");
    settings->ini().setString("Server", "DataUrl", base);
    if (!settings->ini().save()) qFatal("cannot save the settings");
}

/// The first cell of the row that lists the lottery named (invalid when none does).
QModelIndex rowNamed(QTreeView* list, const QString& name) {
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < model->rowCount(); ++i)
        if (model->index(i, 1).data().toString() == name) return model->index(i, 0);
    return {};
}

QString sourceShown(QTreeView* list, const QString& name) {
    return rowNamed(list, name).siblingAtColumn(5).data().toString();
}

} // namespace

class UpdateSourcesTest : public QObject {
    Q_OBJECT
private slots:
    void lotteryDialogsChooseTheSource() {
        test::GuiHome home;
        QVERIFY(home.window == nullptr);
        {
            auto db = core::DrawDatabase::open(home.home / "Data" / "MDB.sqlite");
            QVERIFY(db.has_value());
            QVERIFY(db->setLotterySource("福彩3D", "cwl").has_value());
        }
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto& select = static_cast<gui::LotterySelectDialog&>(dialog);
            CHECK_EQ(select.list()->model()->headerData(5, Qt::Horizontal).toString(),
                     QStringLiteral("数据来源"));
            CHECK_EQ(sourceShown(select.list(), QStringLiteral("福彩3D")), QStringLiteral("cwl"));
            CHECK_EQ(sourceShown(select.list(), QStringLiteral("体彩排列3")), QStringLiteral("server"));
            click(dialog, "Add_Btn");
            CHECK_EQ(sourceShown(select.list(), QStringLiteral("新彩")), QStringLiteral("lines"));
            // "数据来源" on the new lottery: the user picks sporttery.
            select.list()->setCurrentIndex(rowNamed(select.list(), QStringLiteral("新彩")));
            home.prompter.answerText(QStringLiteral("sporttery"));
            click(dialog, "Source_Btn");
            CHECK_EQ(sourceShown(select.list(), QStringLiteral("新彩")), QStringLiteral("sporttery"));
            // A cancelled choice changes nothing.
            click(dialog, "Source_Btn");
            CHECK_EQ(sourceShown(select.list(), QStringLiteral("新彩")), QStringLiteral("sporttery"));
            return int(QDialog::Rejected);
        });
        script.on(QStringLiteral("TF_Cpadd"), [&](QDialog& dialog) {
            auto& add = static_cast<gui::LotteryAddDialog&>(dialog);
            // A new lottery asks the data server until the user chooses otherwise.
            CHECK_EQ(add.sourceBox()->currentText(), QStringLiteral("server"));
            CHECK_EQ(add.sourceBox()->count(), 4);
            add.nameEdit()->setText(QStringLiteral("新彩"));
            add.sourceBox()->setCurrentText(QStringLiteral("lines"));
            click(dialog, "Tou_Zhu_Btn");
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton1"))->trigger();
        auto db = core::DrawDatabase::open(home.home / "Data" / "MDB.sqlite");
        QVERIFY(db.has_value());
        auto added = db->findLottery("新彩");
        QVERIFY(added.has_value() && added->has_value());
        QCOMPARE(QString::fromStdString(db->lotterySource((*added)->id).value()),
                 QStringLiteral("sporttery"));
        QCOMPARE(QString::fromStdString(db->lotterySource(1).value()), QStringLiteral("cwl"));
    }

    void onDemandUpdateLeavesTheWindowAnswering() {
        test::GuiHome home;
        TrickleServer server;
        setDataUrl(home.home, server.http.base());
        gui::MainWindow& w = home.start();
        // The automatic update of the start trickles too; the cancel in the status bar ends it.
        auto* cancelAuto = w.findChild<QToolButton*>(QStringLiteral("Cancel_Update"));
        QVERIFY(cancelAuto);
        QTRY_VERIFY(cancelAuto->isVisible());
        QTRY_COMPARE(server.requests.load(), 1);
        cancelAuto->click();
        w.waitForBackgroundUpdates();
        QTRY_VERIFY(!cancelAuto->isVisible());
        const auto before = w.workbench().draws();
        home.prompter.clear();

        DialogScript script;
        script.install(w.workbench());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            const auto start = Clock::now();
            click(dialog, "Update_Data");
            CHECK(Clock::now() - start < 1s);
            CHECK(data.updateRunning());
            auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("Cancel_Update"));
            CHECK(cancel && cancel->isVisibleTo(&dialog));
            CHECK(!dialog.findChild<QPushButton*>(QStringLiteral("Update_Data"))->isEnabled());
            // The event loop runs while the download trickles: a timer fires on time.
            bool fired = false;
            QTimer::singleShot(200, &dialog, [&] { fired = true; });
            CHECK(QTest::qWaitFor([&] { return fired; }, 1000));
            CHECK(QTest::qWaitFor([&] { return server.requests == 2; }, 3000));
            CHECK(data.updateRunning());
            // The cancel ends it promptly and quietly.
            const auto cancelAt = Clock::now();
            cancel->click();
            CHECK(QTest::qWaitFor([&] { return !data.updateRunning(); }, 3000));
            CHECK(Clock::now() - cancelAt < 1500ms);
            CHECK(home.prompter.messages().isEmpty());
            CHECK(dialog.findChild<QPushButton*>(QStringLiteral("Update_Data"))->isEnabled());

            // Again, and this time 关闭 during the download: the window closes at once.
            click(dialog, "Update_Data");
            CHECK(data.updateRunning());
            CHECK(QTest::qWaitFor([&] { return server.requests == 3; }, 3000));
            QTest::qWait(200);
            const auto closeAt = Clock::now();
            click(dialog, "SpeedButton3");
            CHECK(Clock::now() - closeAt < 1500ms);
            CHECK(!data.updateRunning());
            CHECK(!data.DataChanged());
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QVERIFY(home.prompter.messages().isEmpty());
        QCOMPARE(w.workbench().draws(), before);
        QCOMPARE(server.requests.load(), 3);
    }

    void onDemandUpdateReportsTheFailureOfAGarbageAnswer() {
        test::GuiHome home;
        test::LoopbackServer http;
        http.server().Get(R"(/down/(.+)\.txt)", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("<html><body>Service Unavailable</body></html>", "text/html");
        });
        http.start();
        setDataUrl(home.home, http.base());
        gui::MainWindow& w = home.start();
        w.waitForBackgroundUpdates();
        home.prompter.clear();
        DialogScript script;
        script.install(w.workbench());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            click(dialog, "Update_Data");
            CHECK(QTest::qWaitFor([&] { return !data.updateRunning(); }, 10000));
            CHECK(home.prompter.lastMessage().contains(QStringLiteral("网页")));
            CHECK(!home.prompter.lastMessage().contains(QStringLiteral("更新成功")));
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(home.prompter.messages().size(), 1);
    }
};

QTEST_MAIN(UpdateSourcesTest)
#include "update_sources_test.moc"
