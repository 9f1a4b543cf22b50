// The workbench the windows share: one condition list seen and changed by every window, the draws and
// lottery signals the windows follow, and the requests that go through it instead of the main window.
#include <QAction>
#include <QSignalSpy>
#include <QTableView>

#include "core/store/load_lottery.h"
#include "dialog_script.h"
#include "gui/shrink/shrink_window.h"
#include "gui_fixture.h"

using namespace p3;
using namespace p3::test;

namespace {

core::ConditionLine line(const char* keyword, const char* content) {
    core::ConditionLine l;
    l.use = "1";
    l.keyword = keyword;
    l.counts = "1|0|无设置";
    l.content = content;
    return l;
}

QTableView* conditionView(gui::ShrinkWindow& shrink) {
    return shrink.findChild<QTableView*>(QStringLiteral("ListView_Tj"));
}

} // namespace

class WorkbenchTest : public QObject {
    Q_OBJECT
private slots:
    void oneConditionListForEveryWindow() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::Workbench& bench = w.workbench();
        gui::ShrinkWindow shrink(bench);
        QSignalSpy scheme(&shrink, &gui::ShrinkWindow::schemeChanged);
        QTableView* view = conditionView(shrink);
        QCOMPARE(view->model()->rowCount(), 0);

        // A change made elsewhere (another window, a file opened at start) shows in the workspace at once.
        bench.setConditions({line("和值", "和值~10~1~0"), line("跨度", "跨度~5~1~0")});
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(test::cellText(view, 1, 2), QStringLiteral("跨度"));
        QVERIFY(scheme.count() >= 1);
        bench.editConditions([](core::ConditionList& lines) { lines.erase(lines.begin()); });
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(test::cellText(view, 0, 2), QStringLiteral("跨度"));

        // What the workspace changes is the workbench's list: a click on 使用 clears the flag there.
        QCOMPARE(bench.conditions().front().use, std::string("1"));
        shrink.showWorkspace();
        QVERIFY(QTest::qWaitForWindowExposed(&shrink));
        test::clickCell(view, 0, 1);
        QCOMPARE(bench.conditions().front().use, std::string("0"));
        QCOMPARE(view->model()->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        // The row clicked stays chosen.
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        shrink.findChild<QAction*>(QStringLiteral("N_DeleteAll"))->trigger();
        QVERIFY(bench.conditions().empty());
        QCOMPARE(view->model()->rowCount(), 0);
    }

    void theShrinkCommandOpensTheWorkspaceThroughTheWorkbench() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        auto* shrink = new gui::ShrinkWindow(w.workbench());
        QVERIFY(!shrink->isVisible());
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton3"))->trigger();
        QVERIFY(shrink->isVisible());
        QCOMPARE(shrink->parentWidget(), static_cast<QWidget*>(&w));
    }

    void lotteryAndDrawsSignalsInOrder() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::Workbench& bench = w.workbench();
        QStringList heard;
        connect(&bench, &gui::Workbench::lotteryChanged, this, [&] {
            heard << QStringLiteral("lottery ") + QString::fromStdString(bench.currentLottery().name);
        });
        connect(&bench, &gui::Workbench::drawsChanged, this,
                [&] { heard << QStringLiteral("draws %1").arg(bench.draws().size()); });

        QVERIFY(w.LoadLottery(QStringLiteral("福彩3D")));
        auto stored = core::LoadLottery(*bench.database(), "福彩3D");
        QVERIFY(stored.has_value());
        const std::size_t n = stored->draws.size();
        QVERIFY(n > 100);
        // The lottery first, then its draws (with the track table over them already built).
        QCOMPARE(heard, QStringList({QStringLiteral("lottery 福彩3D"), QStringLiteral("draws %1").arg(n)}));
        QCOMPARE(bench.trackTable().drawCount(), n);
        QCOMPARE(w.windowTitle(), QStringLiteral("pick3bench 星轨分析 - 福彩3D"));

        // New draws (here the first 50) rebuild the track table, the grid and the status bar.
        heard.clear();
        bench.setDraws(core::DrawList(stored->draws.begin(), stored->draws.begin() + 50));
        QCOMPARE(heard, QStringList({QStringLiteral("draws 50")}));
        QCOMPARE(bench.trackTable().drawCount(), std::size_t(50));
        QCOMPARE(w.gridModel()->rowCount(), 50 + 6);
        QCOMPARE(w.statusText(2), QStringLiteral("共: 50 期"));
        QCOMPARE(w.statusText(1), QStringLiteral("第%1期 %2")
                                      .arg(QString::fromStdString(stored->draws[49].period),
                                           QString::fromStdString(stored->draws[49].digits)));
    }

    void aDrawAddedInTheMainWindowReachesTheWorkspace() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::Workbench& bench = w.workbench();
        gui::ShrinkWindow shrink(bench);
        DialogScript script;
        script.install(bench);
        const std::size_t n = bench.draws().size();
        QSignalSpy draws(&bench, &gui::Workbench::drawsChanged);
        script.on(QStringLiteral("TF_DataAdd"), [](QDialog& editor) {
            enter(editor, QStringLiteral("358"));
            return editor.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton4"))->trigger();
        QCOMPARE(draws.count(), 1);
        QCOMPARE(bench.draws().size(), n + 1);
        // The workspace filters over the workbench's history, which now ends with the new draw.
        const core::SeriesHistory history = shrink.history();
        QCOMPARE(history.draws->size(), n + 1);
        QCOMPARE(history.draws->back().digits, std::string("358"));
        QCOMPARE(history.table->drawCount(), n + 1);
    }
};

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"
