// The chart window's newer pieces on a test home: the quick-locate list of the statistics table, the fixed
// tables drawn from the numbers (copy, print, picture override), the start page, and the window standing
// beside the shrink workspace with "星轨缩水".
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

#include "core/attributes/digits.h"
#include "core/charts/chart_session.h"
#include "gui/charts/fixed_chart_view.h"
#include "gui/charts/quick_locate_dialog.h"
#include "gui/charts/start_page.h"
#include "gui/charts/tu_biao_window.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui_fixture.h"

using namespace p3;
using gui::TuBiaoWindow;

namespace {

void clickHeader(gui::MainWindow& w, int column) {
    QTableView* header = w.grid()->headerView();
    const QPoint at(header->columnViewportPosition(column) + 5, header->rowViewportPosition(0) + 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

/// Opens the chart window from a header, through the test's dialog runner, and runs `check` while it is up.
void openFromHeader(gui::MainWindow& w, int column, const std::function<void(TuBiaoWindow&)>& check) {
    bool ran = false;
    w.workbench().setDialogRunner([&](QDialog& dialog) {
        auto* window = qobject_cast<TuBiaoWindow*>(&dialog);
        if (!window) qFatal("not the chart window");
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) qFatal("chart window not exposed");
        check(*window);
        ran = true;
        dialog.reject();
        return int(QDialog::Rejected);
    });
    clickHeader(w, column);
    if (!ran) qFatal("the chart window did not open");
}

void clickLeaf(TuBiaoWindow& win, const QString& name) {
    auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
    const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) qFatal("no leaf %s", qPrintable(name));
    found.front()->parent()->setExpanded(true);
    tree->scrollToItem(found.front());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.front()).center());
}

QString cell(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

} // namespace

class ChartPiecesTest : public QObject {
    Q_OBJECT
private slots:
    void quickLocateScrollsToTheChosenKind() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 4, [&](TuBiaoWindow& win) {
            // 百位号, 十位号, 个位号, 和值 ... : the first page's kinds, all ticked.
            win.findChild<QPushButton*>(QStringLiteral("B_All_1"))->click();
            win.findChild<QPushButton*>(QStringLiteral("Exec_Tu"))->click();
            auto* table = win.findChild<QTableView*>(QStringLiteral("Ms_Grid"));
            table->resize(table->width(), 300);
            auto* find = win.findChild<QPushButton*>(QStringLiteral("Btn_Find"));
            QVERIFY(find);
            QCOMPARE(find->text(), QStringLiteral("快速定位"));
            find->click();
            auto* dialog = win.quickLocate();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->objectName(), QStringLiteral("TF_LeiXinDWei"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("快速定位"));
            QVERIFY(!dialog->isModal());
            QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
            // At the right edge of the screen, vertically centred.
            const QRect area = dialog->screen()->availableGeometry();
            QCOMPARE(dialog->frameGeometry().right(), area.right());
            QVERIFY(qAbs(dialog->frameGeometry().center().y() - area.center().y()) <= 1);

            const auto& query = win.session()->query();
            auto* list = dialog->findChild<QListWidget*>(QStringLiteral("Lei_Xin"));
            QCOMPARE(list->count(), static_cast<int>(query.displayed().size()));
            QCOMPARE(list->item(0)->text(), QStringLiteral("百位号"));
            // The third kind's block starts after the two blocks before it, each with its title and header.
            const int expected =
                static_cast<int>(query.displayed()[0]->size() + 2 + query.displayed()[1]->size() + 2);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(2)).center());
            QCOMPARE(table->rowAt(0), expected);
            QCOMPARE(table->currentIndex().row(), expected);
            QCOMPARE(cell(table, expected, 0), QStringLiteral("(%1) 遗漏统计").arg(list->item(2)->text()));
            // A kind further down moves the view on.
            const int fifth = static_cast<int>(query.displayed()[4]->firstRow);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(4)).center());
            QCOMPARE(table->rowAt(0), fifth);

            // A new query refills the list; the full-screen table closes it.
            auto* pages = win.findChild<QTabWidget*>(QStringLiteral("PageCon_Tj_Cmd_1_01"));
            win.findChild<QPushButton*>(QStringLiteral("B_All_2"))->click();
            pages->widget(0)->findChild<QCheckBox*>(QStringLiteral("Tj_1_13"))->click();
            win.findChild<QPushButton*>(QStringLiteral("Exec_Tu"))->click();
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(), QStringLiteral("和值"));
            win.findChild<QPushButton*>(QStringLiteral("Btn_Screen"))->click();
            QVERIFY(!dialog->isVisible());
            QVERIFY(w.fullScreenShown());
        });
    }

    void quickLocateClosesWithTheWindow() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        gui::QuickLocateDialog* dialog = nullptr;
        openFromHeader(w, 4, [&](TuBiaoWindow& win) {
            win.findChild<QPushButton*>(QStringLiteral("Btn_Find"))->click();
            dialog = win.quickLocate();
            QVERIFY(dialog->isVisible());
            // Nothing queried yet: an empty list, and a click on nothing does nothing.
            QCOMPARE(dialog->list()->count(), 0);
            dialog->Lei_XinClick(0);
        });
        QVERIFY(!dialog->isVisible());
    }

    void fixedTablesAreDrawnFromTheNumbers() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("和值号码-细分表"));
            gui::FixedChartView* fixed = win.shownFixedChart();
            QVERIFY(fixed);
            QVERIFY(fixed->isVisible());
            QCOMPARE(win.session()->currentKind(), core::kPictureKind);
            QTableView* view = fixed->view();
            QCOMPARE(view->model()->rowCount(), 28);
            QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("直选注数"));
            QCOMPARE(cell(view, 13, 1), QStringLiteral("75"));
            QCOMPARE(cell(view, 2, 3), QStringLiteral("002 011"));
            QVERIFY(view->model()->index(2, 0).data(gui::FixedTableModel::BallRole).toBool());
            QVERIFY(!view->model()->index(2, 3).data(gui::FixedTableModel::BallRole).toBool());
            QVERIFY(view->editTriggers() == QAbstractItemView::NoEditTriggers);
            view->grab();

            // "复制" with nothing selected: the whole table with its header.
            view->clearSelection();
            fixed->findChild<QPushButton*>(QStringLiteral("Fixed_Chart_Copy"))->click();
            const QStringList lines =
                QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 29);
            QCOMPARE(lines[0], QStringLiteral("和值\t直选注数\t豹子\t组三\t组六"));
            QCOMPARE(lines[28], QStringLiteral("27\t1\t999\t\t"));
            // With a selection: just those cells.
            view->selectionModel()->select(view->model()->index(1, 0), QItemSelectionModel::Select);
            view->selectionModel()->select(view->model()->index(1, 3), QItemSelectionModel::Select);
            fixed->copyToClipboard();
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t001\n"));

            fixed->findChild<QPushButton*>(QStringLiteral("Fixed_Chart_Print"))->click();
            const auto& shown = home.prompter.shown();
            QVERIFY(!shown.isEmpty());
            QCOMPARE(shown.back().kind, QStringLiteral("print"));
            QCOMPARE(shown.back().caption, QStringLiteral("和值号码-细分表"));
            QVERIFY(shown.back().text.contains(QStringLiteral("999")));

            // Every leaf of the group has its table.
            auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
            QTreeWidgetItem* group = tree->topLevelItem(tree->topLevelItemCount() - 1);
            QCOMPARE(group->text(0), QStringLiteral("固定图表"));
            QCOMPARE(group->childCount(), 15);
            for (int i = 0; i < group->childCount(); ++i) {
                clickLeaf(win, group->child(i)->text(0));
                QVERIFY2(win.shownFixedChart(), qPrintable(group->child(i)->text(0)));
                QVERIFY(fixed->view()->model()->rowCount() > 0);
                QCOMPARE(fixed->chartName(), group->child(i)->text(0));
            }
            // Long lists wrap in their rows instead of running off to the right: 胆码 0 has 36 group forms.
            clickLeaf(win, QStringLiteral("胆拖号码-细分表"));
            QCOMPARE(cell(fixed->view(), 0, 0), QStringLiteral("0"));
            QVERIFY(fixed->view()->rowHeight(0) >= 2 * fixed->view()->fontMetrics().height());
            QVERIFY(fixed->view()->columnWidth(4) <
                    fixed->view()->fontMetrics().horizontalAdvance(cell(fixed->view(), 0, 4)));
            // Back to a trend chart.
            clickLeaf(win, QStringLiteral("常规参数"));
            QVERIFY(win.shownView());
            QVERIFY(!win.shownFixedChart());
        });
    }

    void aPictureOfTheSameNameStillWins() {
        test::GuiHome home;
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(QString::fromStdString((home.home / "Image" / "跨度组合-细分表.jpg").string()),
                             "JPG"));
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("跨度组合-细分表"));
            QVERIFY(!win.shownFixedChart());
            auto* area = win.findChild<QScrollArea*>(QStringLiteral("Img_Piction"));
            QVERIFY(area->isVisible());
            QCOMPARE(qobject_cast<QLabel*>(area->widget())->pixmap().size(), QSize(200, 100));
            clickLeaf(win, QStringLiteral("和值号码-细分表"));
            QVERIFY(win.shownFixedChart());
        });
    }

    void startPageShowsTheNewestDraw() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        const core::Draw newest = w.workbench().draws().back();
        const core::DigitArray d = core::toDigits(newest.digits);
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            gui::StartPage* page = win.shownStartPage();
            QVERIFY(page);
            QVERIFY(page->isVisible());
            auto* heading = page->findChild<QLabel*>(QStringLiteral("Start_Heading"));
            QVERIFY(heading->text().contains(QString::fromStdString(newest.period)));
            QVERIFY(heading->text().contains(QStringLiteral("体彩排列3")));
            const QString attributes = page->attributeText();
            QVERIFY2(attributes.contains(QStringLiteral("和值：%1\n").arg(d[0] + d[1] + d[2])),
                     qPrintable(attributes));
            const int span = std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]});
            QVERIFY(attributes.contains(QStringLiteral("跨度：%1\n").arg(span)));
            QVERIFY(!page->findChild<QLabel*>(QStringLiteral("Start_Balls"))->pixmap().isNull());
            page->grab();
        });
        // A start picture in the home is shown instead.
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(QString::fromStdString((home.home / "Image" / "tubiao.JPG").string()), "JPG"));
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            QVERIFY(!win.shownStartPage());
            QVERIFY(win.findChild<QScrollArea*>(QStringLiteral("Img_Piction"))->isVisible());
        });
    }

    void chartWindowStandsBesideTheShrinkWorkspace() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        auto* chart = gui::installChartWindow(w.workbench());
        auto* shrink = new gui::ShrinkWindow(w.workbench());
        // No dialog runner: the window opens as in the running program.
        clickHeader(w, 1);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QVERIFY(!chart->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        auto* button = chart->findChild<QToolButton*>(QStringLiteral("btn_SuoShui"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("星轨缩水"));
        button->click();
        QVERIFY(QTest::qWaitForWindowExposed(shrink));
        QVERIFY(chart->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        // The shrink workspace at the right edge, the chart window from the left edge beside it.
        const QRect area = chart->screen()->availableGeometry();
        QCOMPARE(shrink->geometry().right(), area.right());
        QCOMPARE(chart->geometry().left(), area.left());
        QVERIFY(chart->geometry().left() < shrink->geometry().left());
        // The shrink workspace takes clicks while a chart is up: "投注" answers (a base list or a message).
        auto* bet = shrink->findChild<QPushButton*>(QStringLiteral("Tou_Zhu_Btn"));
        QVERIFY(bet);
        home.prompter.clear();
        QTest::mouseClick(bet, Qt::LeftButton);
        QVERIFY(!shrink->betList().empty() || !home.prompter.shown().isEmpty());
        // And the chart window still shows charts meanwhile.
        clickLeaf(*chart, QStringLiteral("常规参数"));
        QVERIFY(chart->shownView());
        chart->close();
        shrink->close();
    }
};

// A desktop-sized screen (the offscreen platform's own is 800 x 600), so that the chart window and the
// shrink workspace fit side by side as on a user's screen.
int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const QString config = QStringLiteral(P3_TEST_TMP "/desktop-screen.json");
        QDir().mkpath(QStringLiteral(P3_TEST_TMP));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"windowFrameMargins": true, "screens": [{"name": "desktop", "x": 0, "y": 0,
                "width": 1920, "height": 1080, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    }
    QApplication app(argc, argv);
    ChartPiecesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "chart_pieces_test.moc"
