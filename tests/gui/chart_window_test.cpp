// The chart window TF_TuBiao on a test home: opening from the main grid's headers, the chart tree, the
// chart grids with balls, waiting counts, statistics and lines, the prediction row, the range, the
// omission query with its sort and full screen, the bias and slant charts and the fixed pictures.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "core/charts/chart_catalogue.h"
#include "core/charts/chart_session.h"
#include "core/stats/statistics_query.h"
#include "gui/charts/chart_delegate.h"
#include "gui/charts/chart_grid_model.h"
#include "gui/charts/chart_view.h"
#include "gui/charts/tu_biao_window.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui_fixture.h"

using namespace p3;
using gui::ChartGridModel;
using gui::TuBiaoWindow;

namespace {

/// Opens the chart window from the header of a group of the main grid and runs `check` while it is open.
void openFromHeader(gui::MainWindow& w, int column, const std::function<void(TuBiaoWindow&)>& check) {
    bool ran = false;
    w.workbench().setDialogRunner([&](QDialog& dialog) {
        auto* window = qobject_cast<TuBiaoWindow*>(&dialog);
        if (!window) qFatal("not the chart window: %s", qPrintable(dialog.objectName()));
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) qFatal("chart window not exposed");
        check(*window);
        ran = true;
        dialog.reject();
        return int(QDialog::Rejected);
    });
    QTableView* header = w.grid()->headerView();
    const QPoint at(header->columnViewportPosition(column) + 5, header->rowViewportPosition(0) + 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    if (!ran) qFatal("the chart window did not open");
}

QTreeWidgetItem* leafNamed(QTreeWidget* tree, const QString& name) {
    const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

/// Chooses a leaf as the user does: expands its group and clicks it.
void clickLeaf(TuBiaoWindow& win, const QString& name) {
    auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
    QTreeWidgetItem* item = leafNamed(tree, name);
    if (!item) qFatal("no leaf %s", qPrintable(name));
    item->parent()->setExpanded(true);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void clickCell(QTableView* view, int row, int column) {
    view->scrollTo(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, column)).center());
}

void moveOver(QTableView* view, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view->viewport()->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
}

} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheHeaderWithTheStartPicture() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            QCOMPARE(win.objectName(), QStringLiteral("TF_TuBiao"));
            // Not modal: the shrink workspace stays usable beside it.
            QVERIFY(!win.isModal());
            QCOMPARE(win.windowTitle(), QStringLiteral("『星河阁』图表分析"));
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("开奖号码"));
            QVERIFY(win.findChild<QToolButton*>(QStringLiteral("btn_Tu_Biao"))->isChecked());
            QVERIFY(win.findChild<QWidget*>(QStringLiteral("P_TuBiao"))->isVisible());
            // No chart chosen yet and no start picture in the home: the start page, not a grid.
            QVERIFY(win.shownStartPage());
            QVERIFY(!win.shownView());
            const int n = static_cast<int>(w.workbench().draws().size());
            QCOMPARE(win.findChild<QComboBox*>(QStringLiteral("TjFanWei_Beg"))->currentIndex(), n - 1000);
            QCOMPARE(win.findChild<QComboBox*>(QStringLiteral("TjFanWei_End"))->currentIndex(), n - 1);
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("StatusBar1_0"))->text(),
                     QStringLiteral("体彩排列3"));
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("StatusBar1_2"))->text(),
                     QStringLiteral("共:%1期 当前统计：1000期").arg(n));
            const auto& last = w.workbench().draws().back();
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("StatusBar1_1"))->text(),
                     QStringLiteral("第%1期 %2")
                         .arg(QString::fromStdString(last.period), QString::fromStdString(last.digits)));
            // A three-digit lottery: the advanced group holds only the bias chart.
            auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
            QCOMPARE(tree->topLevelItemCount(), 5);
            QTreeWidgetItem* advanced =
                tree->findItems(QStringLiteral("高级参数分析"), Qt::MatchExactly).front();
            QCOMPARE(advanced->childCount(), 1);
            QCOMPARE(advanced->child(0)->text(0), QStringLiteral("偏态细分"));
            QVERIFY(tree->topLevelItem(0)->isExpanded());
            // A group node changes nothing.
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(advanced).center());
            QVERIFY(!win.shownView());
        });
        // Closing lets go of the draws.
        QVERIFY(!w.findChild<TuBiaoWindow*>()->session());
    }

    void reopeningStartsAfreshAndTheSideButtonsToggle() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("常规参数"));
            QVERIFY(win.shownView());
            auto* treeButton = win.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton1"));
            auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
            treeButton->click();
            QVERIFY(!tree->isVisible());
            QCOMPARE(treeButton->text(), QStringLiteral(">"));
            treeButton->click();
            QVERIFY(tree->isVisible());
            QVERIFY(tree->width() >= 100);
            QCOMPARE(treeButton->text(), QStringLiteral("<"));
            auto* help = win.findChild<QListWidget*>(QStringLiteral("Tj_Help_file"));
            QVERIFY(help->isVisible());
            win.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton2"))->click();
            QVERIFY(!help->isVisible());
            win.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton2"))->click();
            QVERIFY(help->isVisible());
            // The chart view and the query view share the window; the chart stays while the query shows.
            win.findChild<QToolButton*>(QStringLiteral("btn_YiLou"))->click();
            QVERIFY(!win.chartViewShown());
            win.findChild<QToolButton*>(QStringLiteral("btn_Tu_Biao"))->click();
            QVERIFY(win.shownView());
        });
        // Opened again for another source: no chart yet, the new source's draws.
        openFromHeader(w, 6, [&](TuBiaoWindow& win) {
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("星轨1"));
            QVERIFY(!win.shownView());
            QVERIFY(win.helpText().isEmpty());
            clickLeaf(win, QStringLiteral("跨度细分"));
            QVERIFY(win.shownView());
        });
    }

    void trackBlockSourceReadsItsOwnDigits() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 11, [&](TuBiaoWindow& win) {
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("星轨2"));
            auto expected = core::sourceDraws(w.workbench().draws(), w.workbench().trackTable(), "星轨2");
            QVERIFY(expected.has_value());
            std::erase_if(*expected, [](const core::Draw& d) { return d.digits.size() < 3; });
            QCOMPARE(win.session()->draws().size(), expected->size());
            QCOMPARE(win.session()->draws().back().digits, expected->back().digits);
        });
    }

    void chartLeafShowsTheGridWithBallsCountsAndLines() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("常规参数"));
            gui::ChartView* view = win.shownView();
            QVERIFY(view);
            QCOMPARE(view->objectName(), QStringLiteral("M_Grid"));
            ChartGridModel* model = view->chartModel();
            QCOMPARE(model->rowCount(), 1010);
            QCOMPARE(model->columnCount(), 45);
            // The newest draw: its hundreds digit is a ball of its own colour family in column 5 + h.
            const core::Draw& newest = w.workbench().draws().back();
            const int h = newest.digits[0] - '0';
            const int lastRow = 1001;
            QCOMPARE(model->index(lastRow, 0).data().toString(), QString::fromStdString(newest.period));
            QCOMPARE(model->index(lastRow, 5 + h).data(ChartGridModel::BallRole).toString(),
                     QStringLiteral("B_GreenD_%1").arg(h));
            QVERIFY(
                model->index(lastRow, 5 + (h + 1) % 10).data(ChartGridModel::BallRole).toString().isEmpty());
            QVERIFY(model->index(lastRow, 5 + (h + 1) % 10).data(ChartGridModel::WaitingRole).toInt() >= 1);
            QVERIFY(model->index(lastRow, 5).data(ChartGridModel::BandRole).isValid());
            // The statistics rows equal the core's figures, and the occurrence counts of a position add up.
            int total = 0;
            for (int c = 5; c <= 14; ++c)
                total += model->index(1004, c).data().toInt();
            QCOMPARE(total, 1000);
            QCOMPARE(model->index(1004, 0).data().toString(), QStringLiteral("出现总次数"));
            QCOMPARE(view->rowHeight(1004), 16);
            QCOMPARE(view->currentIndex().row(), lastRow);
            // The lines of the visible rows are drawn in the view's own paint.
            view->grab();
            QVERIFY(view->linesDrawn() > 0);
            // The help text of the leaf.
            QVERIFY(win.helpText().contains(QStringLiteral("百、十、个位")));
            auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
            QCOMPARE(tree->currentItem()->text(0), QStringLiteral("常规参数"));
            // The keyboard chooses as the mouse does.
            tree->setFocus();
            QTest::keyClick(tree, Qt::Key_Down);
            QCOMPARE(win.session()->currentName(), std::string("组选参数"));
            QVERIFY(win.helpText().contains(QStringLiteral("组选")));
            // Every chart of the tree builds and paints (its speed is measured in the chart benchmarks;
            // a timed assertion here would only fail on a busy machine).
            for (const char* leaf : {"组选参数", "和值参数", "复隔中细分", "热温冷直选细分", "位和参数",
                                     "任意位合（二码组合）参数", "位差参数", "偏态细分"}) {
                QElapsedTimer clock;
                clock.start();
                clickLeaf(win, QString::fromUtf8(leaf));
                QVERIFY2(win.shownView(), leaf);
                // Built, laid out and painted once, as the user first sees it.
                win.shownView()->grab();
                const double shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                qInfo("%s: built in %.1f ms, on screen in %.1f ms", leaf, win.lastChartMilliseconds(), shown);
            }
        });
    }

    void predictionRowKeepsOneMarkPerGroup() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("常规参数"));
            gui::ChartView* view = win.shownView();
            ChartGridModel* model = view->chartModel();
            const int prediction = 1002;
            // A hand over the prediction cells of headed columns only.
            moveOver(view, view->visualRect(model->index(prediction, 7)).center());
            QCOMPARE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
            moveOver(view, view->visualRect(model->index(prediction - 1, 7)).center());
            QCOMPARE(view->viewport()->cursor().shape(), Qt::ArrowCursor);
            clickCell(view, prediction, 7);
            QCOMPARE(model->index(prediction, 7).data().toString(), QStringLiteral("2"));
            QCOMPARE(model->index(prediction, 7).data(ChartGridModel::BallRole).toString(),
                     QStringLiteral("B_GreenD_2"));
            clickCell(view, prediction, 9);
            QVERIFY(model->index(prediction, 7).data().toString().isEmpty());
            QCOMPARE(model->index(prediction, 9).data().toString(), QStringLiteral("4"));
            // Another group keeps its own mark; a prediction is not counted.
            clickCell(view, prediction, 20);
            QCOMPARE(model->index(prediction, 9).data().toString(), QStringLiteral("4"));
            QCOMPARE(model->index(prediction, 20).data().toString(), QStringLiteral("5"));
            int total = 0;
            for (int c = 5; c <= 14; ++c)
                total += model->index(1004, c).data().toInt();
            QCOMPARE(total, 1000);
            // A multi-choice chart toggles freely.
            clickLeaf(win, QStringLiteral("组选参数"));
            view = win.shownView();
            model = view->chartModel();
            clickCell(view, prediction, 6);
            clickCell(view, prediction, 8);
            QCOMPARE(model->index(prediction, 6).data().toString(), QStringLiteral("1"));
            QCOMPARE(model->index(prediction, 8).data().toString(), QStringLiteral("3"));
            clickCell(view, prediction, 6);
            QVERIFY(model->index(prediction, 6).data().toString().isEmpty());
        });
    }

    void rangeSelectionRebuildsOrRefuses() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("常规参数"));
            win.Jin_QshuClick(QStringLiteral("100"));
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("StatusBar1_2"))->text(),
                     QStringLiteral("当前统计：100期"));
            QCOMPARE(win.shownView()->chartModel()->rowCount(), 110);
            QCOMPARE(win.shownView()->chartModel()->index(101, 0).data().toString(),
                     QString::fromStdString(w.workbench().draws().back().period));
            auto* begin = win.findChild<QComboBox*>(QStringLiteral("TjFanWei_Beg"));
            auto* end = win.findChild<QComboBox*>(QStringLiteral("TjFanWei_End"));
            const int n = static_cast<int>(w.workbench().draws().size());
            QCOMPARE(begin->currentIndex(), n - 100);
            win.changeRange(n - 50, n - 21);
            QCOMPARE(win.shownView()->chartModel()->rowCount(), 40);
            QVERIFY(home.prompter.messages().isEmpty());
            // A begin not before the end is refused; the previous range stays in force everywhere: the
            // lists, the status bar and the next chart chosen.
            win.changeRange(n - 21, n - 21);
            QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请正常设置范围!"));
            QCOMPARE(begin->currentIndex(), n - 50);
            QCOMPARE(end->currentIndex(), n - 21);
            QCOMPARE(win.shownView()->chartModel()->rowCount(), 40);
            QCOMPARE(win.findChild<QLabel*>(QStringLiteral("StatusBar1_2"))->text(),
                     QStringLiteral("当前统计：30期"));
            clickLeaf(win, QStringLiteral("大小参数"));
            QCOMPARE(win.shownView()->chartModel()->rowCount(), 40);
            win.Jin_QshuClick(QStringLiteral("全部期数"));
            QCOMPARE(win.shownView()->chartModel()->rowCount(), n + 10);
            QCOMPARE(begin->currentIndex(), 0);
            QCOMPARE(end->currentIndex(), n - 1);
        });
    }

    void fixedChartsAndHelp() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(
            picture.save(QString::fromStdString((home.home / "Image" / "和值-对照表.jpg").string()), "JPG"));
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            auto* area = win.findChild<QScrollArea*>(QStringLiteral("Img_Piction"));
            auto* shown = qobject_cast<QLabel*>(area->widget());
            clickLeaf(win, QStringLiteral("常规参数"));
            QVERIFY(win.shownView());
            clickLeaf(win, QStringLiteral("和值-对照表"));
            QVERIFY(!win.shownView());
            QCOMPARE(win.session()->currentKind(), core::kPictureKind);
            QVERIFY(area->isVisible());
            QCOMPARE(shown->pixmap().size(), QSize(320, 240));
            QVERIFY(!win.helpText().isEmpty());
            // A fixed chart without its picture is drawn from the numbers, and says nothing.
            clickLeaf(win, QStringLiteral("跨度组合-细分表"));
            QVERIFY(!area->isVisible());
            QVERIFY(win.shownFixedChart());
            QVERIFY(home.prompter.messages().isEmpty());
            // Back to a chart from a picture.
            clickLeaf(win, QStringLiteral("大小参数"));
            QVERIFY(win.shownView());
        });
    }

    void biasChartHasItsOwnGrid() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            clickLeaf(win, QStringLiteral("偏态细分"));
            gui::ChartView* view = win.shownView();
            QVERIFY(view);
            QCOMPARE(view->objectName(), QStringLiteral("PianTai_Fx_Grid"));
            ChartGridModel* model = view->chartModel();
            QCOMPARE(model->rowCount(), 1012);
            QCOMPARE(model->columnCount(), 38);
            // Every draw row marks one column of each of the six bias groups.
            const int row = 1003;
            int marks = 0;
            for (int c = 5; c <= 37; ++c)
                if (!model->index(row, c).data(ChartGridModel::BallRole).toString().isEmpty()) ++marks;
            QCOMPARE(marks, 6);
            view->grab();
            QVERIFY(view->linesDrawn() > 0);
            // The prediction row writes the group's code letter.
            clickCell(view, 1004, 6);
            QCOMPARE(model->index(1004, 6).data().toString(), QStringLiteral("X"));
        });
    }

    void slantChartsForFiveDigitLotteries() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(w.LoadLottery(QStringLiteral("体彩排列5")));
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            auto* tree = win.findChild<QTreeWidget*>(QStringLiteral("M_view"));
            QTreeWidgetItem* advanced =
                tree->findItems(QStringLiteral("高级参数分析"), Qt::MatchExactly).front();
            QCOMPARE(advanced->childCount(), 4);
            clickLeaf(win, QStringLiteral("十位斜线参数分析"));
            gui::ChartView* view = win.shownView();
            QVERIFY(view);
            QCOMPARE(view->objectName(), QStringLiteral("Xie_Line_Grid"));
            QCOMPARE(view->chartModel()->columnCount(), 59);
            QCOMPARE(view->chartModel()->rowCount(), 1005);
            view->grab();
            QVERIFY(view->linesDrawn() > 0);
            // A prediction cell right of column 14 shows its hint.
            const int prediction = 1002;
            int column = 15;
            while (column < 59 && view->chartModel()->index(prediction, column).data().toString().isEmpty())
                ++column;
            QVERIFY(column < 59);
            // Candidate lists are text, not balls.
            QVERIFY(view->chartModel()
                        ->index(prediction, column)
                        .data(ChartGridModel::BallRole)
                        .toString()
                        .isEmpty());
            clickCell(view, prediction, column);
            auto* hint = win.findChild<QLabel*>(QStringLiteral("Xie_Line_hint"));
            QVERIFY(hint->isVisible());
            QVERIFY(hint->text().endsWith(view->chartModel()->index(prediction, column).data().toString()));
            clickCell(view, 900, 3);
            QVERIFY(!hint->isVisible());
        });
    }

    // A candidate list such as "025789" must show whole in its cell (the column widens), never cut on
    // both sides; a text that cannot fit anywhere is elided with a visible "…" and kept whole in the tooltip.
    void slantCandidateListsShowWhole() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(w.LoadLottery(QStringLiteral("体彩排列5")));
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 1, [&](TuBiaoWindow& win) {
            for (const QString& leaf :
                 {QStringLiteral("百位斜线参数分析"), QStringLiteral("十位斜线参数分析"),
                  QStringLiteral("个位斜线参数分析")}) {
                clickLeaf(win, leaf);
                gui::ChartView* view = win.shownView();
                QVERIFY(view);
                ChartGridModel* model = view->chartModel();
                const int prediction = model->grid()->predictionRow();
                QFont bold = view->font();
                bold.setBold(true);
                int longest = 0;
                for (int c = 11; c < model->columnCount(); ++c) {
                    const QString text = model->index(prediction, c).data().toString();
                    if (text.isEmpty()) continue;
                    longest = std::max(longest, static_cast<int>(text.size()));
                    const auto shown = gui::fitCellText(bold, text, view->columnWidth(c) - 2, 9);
                    QCOMPARE(shown.text, text);
                    QCOMPARE(model->index(prediction, c).data(Qt::ToolTipRole).toString(), text);
                }
                QVERIFY(longest >= 4);
            }
        });
        QFont font;
        const auto elided = gui::fitCellText(font, QStringLiteral("0123456789"), 12, 9);
        QCOMPARE(elided.pointSize, gui::kMinCellPointSize);
        QVERIFY(elided.text.endsWith(QChar(0x2026)));
        QCOMPARE(gui::fitCellText(font, QStringLiteral("5"), 18, 9).text, QStringLiteral("5"));
        QCOMPARE(gui::fitCellText(font, QStringLiteral("5"), 18, 9).pointSize, 9);
    }

    void everyKindQueriedAtOnce() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        openFromHeader(w, 4, [&](TuBiaoWindow& win) {
            auto* pages = win.findChild<QTabWidget*>(QStringLiteral("PageCon_Tj_Cmd_1_01"));
            int boxes = 0;
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                win.findChild<QPushButton*>(QStringLiteral("B_All_1"))->click();
                boxes += pages->widget(page)->findChildren<QCheckBox*>().size();
            }
            QCOMPARE(boxes, 60);
            QCOMPARE(pages->tabText(3), QStringLiteral("(四)高级参数 (3条)"));
            QElapsedTimer clock;
            clock.start();
            win.findChild<QPushButton*>(QStringLiteral("Exec_Tu"))->click();
            qInfo("60 kinds over 1000 draws: %.0f ms", static_cast<double>(clock.nsecsElapsed()) / 1e6);
            QVERIFY(!win.findChild<QWidget*>(QStringLiteral("P_Gauge"))->isVisible());
            const auto& query = win.session()->query();
            QCOMPARE(query.displayed().size(), std::size_t(60));
            auto* table = win.findChild<QTableView*>(QStringLiteral("Ms_Grid"));
            QCOMPARE(table->model()->rowCount(), query.rowCount());
            // The last block is the last box of the last page.
            const auto& lastBlock = *query.displayed().back();
            QCOMPARE(table->model()->index(lastBlock.firstRow, 0).data().toString(),
                     QStringLiteral("(%1) 遗漏统计").arg(QString::fromStdString(lastBlock.name)));
            QCOMPARE(table->columnSpan(lastBlock.firstRow, 0), 15);
            table->grab();
        });
    }

    void omissionQuerySortsAndGoesFullScreen() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::installChartWindow(w.workbench());
        // The omission part of the number group's header.
        openFromHeader(w, 4, [&](TuBiaoWindow& win) {
            QCOMPARE(win.windowTitle(), QStringLiteral("『星河阁』遗漏查询"));
            QVERIFY(win.findChild<QWidget*>(QStringLiteral("P_YiLou"))->isVisible());
            auto* run = win.findChild<QPushButton*>(QStringLiteral("Exec_Tu"));
            run->click();
            QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请选择统计的条件名称!"));

            auto* pages = win.findChild<QTabWidget*>(QStringLiteral("PageCon_Tj_Cmd_1_01"));
            auto* sum = win.findChild<QCheckBox*>(QStringLiteral("Tj_1_13"));
            QCOMPARE(sum->text(), QStringLiteral("和值"));
            sum->click();
            QVERIFY(sum->font().bold());
            win.findChild<QCheckBox*>(QStringLiteral("Tj_1_01"))->click();
            QCOMPARE(pages->tabText(0), QStringLiteral("(一)常用参数 (2条)"));
            pages->setCurrentIndex(1);
            win.findChild<QPushButton*>(QStringLiteral("B_All_1"))->click();
            QCOMPARE(pages->tabText(1), QStringLiteral("(二)十细分参数 (8条)"));
            win.findChild<QPushButton*>(QStringLiteral("B_All_2"))->click();
            QCOMPARE(pages->tabText(1), QStringLiteral("(二)十细分参数 (0条)"));

            run->click();
            auto* table = win.findChild<QTableView*>(QStringLiteral("Ms_Grid"));
            // 百位号 (10 values) then 和值 (28 values in 1000 draws at most), each with a title and a header
            // row.
            const auto& query = win.session()->query();
            QCOMPARE(query.displayed().size(), std::size_t(2));
            QCOMPARE(table->model()->rowCount(), query.rowCount());
            QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("(百位号) 遗漏统计"));
            QCOMPARE(table->columnSpan(0, 0), 15);
            QCOMPARE(table->model()->index(1, 14).data().toString(), QStringLiteral("直选注数"));
            QVERIFY(table->model()->index(2, 14).data().toString().endsWith(QStringLiteral("注")));
            // Counts come largest first; a click on the 本期遗漏 header sorts by it.
            QVERIFY(table->model()->index(2, 1).data().toInt() >= table->model()->index(3, 1).data().toInt());
            clickCell(table, 1, 8);
            std::vector<int> current;
            for (int r = 2; r < 12; ++r)
                current.push_back(table->model()->index(r, 8).data().toInt());
            QVERIFY(std::is_sorted(current.begin(), current.end()) ||
                    std::is_sorted(current.rbegin(), current.rend()));
            QVERIFY(current.front() != current.back());

            // A new range empties the table and the statistics cache.
            win.Jin_QshuClick(QStringLiteral("200"));
            QCOMPARE(table->model()->rowCount(), 2);
            QVERIFY(table->model()->index(0, 0).data().toString().isEmpty());
            QVERIFY(query.cache().empty());
            run->click();
            int counted = 0;
            for (int r = 2; r < 12; ++r)
                counted += table->model()->index(r, 1).data().toInt();
            QCOMPARE(counted, 200);

            win.findChild<QPushButton*>(QStringLiteral("Btn_Screen"))->click();
            QVERIFY(w.fullScreenShown());
            QCOMPARE(table->window()->objectName(), QStringLiteral("FullScreenWindow"));
            auto* exit = table->window()->findChild<QPushButton*>(QStringLiteral("Btn_ExitFullScreen"));
            if (!exit) exit = qApp->findChild<QPushButton*>(QStringLiteral("Btn_ExitFullScreen"));
            for (QWidget* top : QApplication::topLevelWidgets())
                if (!exit) exit = top->findChild<QPushButton*>(QStringLiteral("Btn_ExitFullScreen"));
            QVERIFY(exit);
            exit->click();
            QCOMPARE(table->window(), static_cast<QWidget*>(&win));
        });
    }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
