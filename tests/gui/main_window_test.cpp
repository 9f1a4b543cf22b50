// The workbench window on a test home: start-up, grid shape and colours, prediction row and picker,
// header hover and click, full screen, version check and shut-down.
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>

#include "gui/app/digit_picker.h"
#include "gui/app/login_pic.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui_fixture.h"

using namespace p3;
using p3::gui::MainGridModel;

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    static void selectCell(gui::MainWindow& w, int row, int column) {
        w.grid()->setCurrentIndex(w.gridModel()->index(row, column));
    }
    static void clickPickerDigit(gui::MainWindow& w, int digit) {
        QTableView* cells = w.picker()->findChild<QTableView*>(QStringLiteral("View_SG"));
        QVERIFY(cells);
        test::clickCell(cells, 0, digit);
    }
    static QPoint headerPoint(gui::MainWindow& w, int row, int column) {
        QTableView* header = w.grid()->headerView();
        return QPoint(header->columnViewportPosition(column) + 5, header->rowViewportPosition(row) + 5);
    }

private slots:
    void startUpShowsTheRememberedLottery() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(home.prompter.messages().isEmpty());
        QCOMPARE(w.objectName(), QStringLiteral("TF_Main"));
        QCOMPARE(w.workbench().currentLottery().name, std::string("体彩排列3"));
        const int n = static_cast<int>(w.workbench().draws().size());
        QVERIFY(n > 1000);
        QCOMPARE(w.gridModel()->rowCount(), n + 6);
        QCOMPARE(w.gridModel()->columnCount(), 36);
        QCOMPARE(w.statusText(0), QStringLiteral("体彩排列3"));
        const auto& last = w.workbench().draws().back();
        QCOMPARE(w.statusText(1),
                 QStringLiteral("第%1期 %2")
                     .arg(QString::fromStdString(last.period), QString::fromStdString(last.digits)));
        QCOMPARE(w.statusText(2), QStringLiteral("共: %1 期").arg(n));
        // The last draw row is selected after the build, and the picker is not shown.
        QCOMPARE(w.grid()->currentIndex().row(), n + 2);
        QVERIFY(!w.picker()->isVisible());
        // The fixed rows stay out of the scrolling part.
        QVERIFY(w.grid()->isRowHidden(0) && w.grid()->isRowHidden(2) && !w.grid()->isRowHidden(3));
        // Rows and columns of 20 pixels, the period column 60.
        QCOMPARE(w.grid()->columnWidth(0), 60);
        for (int column = 1; column < 36; ++column)
            QCOMPARE(w.grid()->columnWidth(column), 20);
        QCOMPARE(w.grid()->rowHeight(n + 3), 20);
        QCOMPARE(w.grid()->headerView()->rowHeight(1), 20);
        // At every window height the grid scrolls down to its last footer row, under the fixed rows.
        for (int height : {720, 450, 600}) {
            w.resize(800, height);
            QApplication::processEvents();
            QScrollBar* bar = w.grid()->verticalScrollBar();
            bar->setValue(bar->maximum());
            const QRect last = w.grid()->visualRect(w.gridModel()->index(n + 5, 1));
            QVERIFY2(last.isValid() && w.grid()->viewport()->rect().contains(last),
                     qPrintable(QString::number(height)));
            QCOMPARE(w.grid()->headerView()->geometry().bottom() + 1, w.grid()->viewport()->geometry().top());
        }
    }

    void commandCaptions() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        const std::pair<const char*, const char*> captions[] = {
            {"bsSkinSpeedButton1", "选择彩票"},
            {"bsSkinSpeedButton2", "数据管理"},
            {"bsSkinSpeedButton4", "新增奖号"},
            {"bsSkinSpeedButton5", "退出    "},
            {"N16", "退出系统"},
            {"N19", "计算器"},
            {"N9", "软件帮助"},
            {"N17", "全屏显示"},
        };
        for (const auto& [name, caption] : captions) {
            auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromUtf8(caption));
        }
    }

    void pickerPlacement() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        // A short history leaves room below the prediction row.
        QVERIFY(w.workbench().database()->addLottery("短", "福彩", 70, 3).has_value());
        for (const char* draw : {"1 123", "2 456", "3 789", "4 012"})
            QVERIFY(w.workbench()
                        .database()
                        ->insertDraw("福彩", 70, std::string(draw).substr(0, 1), std::string(draw).substr(2))
                        .has_value());
        QVERIFY(w.LoadLottery(QStringLiteral("短")));
        w.resize(900, 700);
        QApplication::processEvents();
        const int row = w.gridModel()->predictionRow();
        auto check = [&](int column) {
            selectCell(w, row, column);
            QVERIFY(w.picker()->isVisible());
            const QRect cell = w.grid()
                                   ->visualRect(w.gridModel()->index(row, column))
                                   .translated(w.grid()->viewport()->pos());
            const QRect picker = w.picker()->geometry();
            // 6 pixels below the cell, centred on its left edge plus 10.
            QCOMPARE(picker.top(), cell.top() + cell.height() + 6);
            QCOMPARE(picker.left(), cell.left() + 10 - picker.width() / 2);
        };
        check(17);
        w.findChild<QAction*>(QStringLiteral("N17"))->trigger();
        QVERIFY(w.fullScreenShown());
        QApplication::processEvents();
        check(22);
    }

    void gridTextsAndColours() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        const int n = static_cast<int>(w.workbench().draws().size());
        QCOMPARE(test::cellText(w, 0, 0), QStringLiteral("期号"));
        QCOMPARE(test::cellText(w, 0, 1), QStringLiteral("图表　遗漏"));
        QCOMPARE(test::cellText(w, 0, 6), QStringLiteral("图表　遗漏"));
        QCOMPARE(test::cellText(w, 1, 1), QStringLiteral("开奖号码"));
        QCOMPARE(test::cellText(w, 1, 6), QStringLiteral("星轨1(X1)"));
        QCOMPARE(test::cellText(w, 1, 31), QStringLiteral("星轨6(X6)"));
        QCOMPARE(test::cellText(w, 2, 1), QStringLiteral("百"));
        QCOMPARE(test::cellText(w, 2, 9), QStringLiteral("四"));
        QCOMPARE(test::cellText(w, n + 4, 35), QStringLiteral("五"));
        QCOMPARE(test::cellText(w, n + 3, 0), QStringLiteral("下期预测"));
        for (int column = 1; column < 36; ++column)
            QVERIFY(test::cellText(w, n + 3, column).isEmpty());

        // Draw rows: period, digits, and the block values of the track table; 四 and 五 cleared.
        for (int i : {0, 1, 40, n - 1}) {
            const auto& draw = w.workbench().draws()[i];
            QCOMPARE(test::cellText(w, i + 3, 0), QString::fromStdString(draw.period));
            QCOMPARE(test::cellText(w, i + 3, 1) + test::cellText(w, i + 3, 2) + test::cellText(w, i + 3, 3),
                     QString::fromStdString(draw.digits));
            for (int block = 1; block <= 6; ++block) {
                QString shown;
                for (int p = 0; p < 5; ++p)
                    shown += test::cellText(w, i + 3, block * 5 + 1 + p);
                QCOMPARE(shown, QString::fromStdString(w.workbench().trackTable().blockValue(block, i)));
            }
            QVERIFY(test::cellText(w, i + 3, 4).isEmpty() && test::cellText(w, i + 3, 10).isEmpty());
        }

        auto colour = [&](int row, int column, int role) {
            return w.gridModel()->index(row, column).data(role).value<QColor>();
        };
        QCOMPARE(colour(5, 1, Qt::ForegroundRole), QColor(51, 51, 153));
        QCOMPARE(colour(5, 4, Qt::ForegroundRole), QColor(128, 128, 128));
        QCOMPARE(colour(5, 1, Qt::BackgroundRole), QColor(Qt::white));
        QCOMPARE(colour(5, 6, Qt::BackgroundRole), QColor(255, 255, 224));
        QCOMPARE(colour(5, 11, Qt::BackgroundRole), QColor(238, 255, 255));
        QCOMPARE(colour(5, 16, Qt::BackgroundRole), QColor(255, 240, 238));
        QCOMPARE(colour(5, 21, Qt::BackgroundRole), QColor(255, 255, 224));
        QCOMPARE(colour(5, 35, Qt::BackgroundRole), QColor(255, 240, 238));
        QCOMPARE(colour(5, 7, Qt::ForegroundRole), QColor(22, 77, 137));
        QCOMPARE(colour(2, 3, Qt::BackgroundRole), QColor(232, 240, 249));
        QCOMPARE(colour(2, 3, Qt::ForegroundRole), QColor(22, 77, 137));
        QCOMPARE(colour(0, 1, Qt::ForegroundRole), QColor(0, 0, 255));
    }

    void emptyLotteryHasSixRowsAndNoPicker() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(w.workbench().database()->addLottery("空彩票", "福彩", 77, 3).has_value());
        QVERIFY(w.LoadLottery(QStringLiteral("空彩票")));
        QCOMPARE(w.gridModel()->rowCount(), 6);
        QCOMPARE(w.statusText(1), QStringLiteral("第期 "));
        QCOMPARE(w.statusText(2), QStringLiteral("共: 0 期"));
        QCOMPARE(test::cellText(w, 3, 0), QStringLiteral("下期预测"));
        QCOMPARE(test::cellText(w, 4, 0), QStringLiteral("期号"));
        QVERIFY(!(w.gridModel()->flags(w.gridModel()->index(3, 7)) & Qt::ItemIsSelectable));
        selectCell(w, 3, 7);
        QVERIFY(!w.picker()->isVisible());
        // The remembered lottery follows the load.
        QCOMPARE(w.workbench().settings()->currentLottery(), std::string("空彩票"));
    }

    void predictionRowPicksPropagateAndClear() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        const int row = w.gridModel()->predictionRow();
        // Block 1, position 十 (column 7).
        selectCell(w, row, 7);
        QVERIFY(w.picker()->isVisible());
        QCOMPARE(w.picker()->marked(), -1);
        clickPickerDigit(w, 5);
        QCOMPARE(w.picker()->marked(), 5);
        QCOMPARE(w.picker()->cellName(5), QStringLiteral("Y5"));
        QCOMPARE(w.picker()->cellName(4), QStringLiteral("N4"));
        QCOMPARE(test::cellText(w, row, 7), QStringLiteral("5"));
        // One consistent next number: N = prediction of block k + X digit by digit, in every block.
        const int number = test::cellText(w, row, 2).toInt();
        QVERIFY(!test::cellText(w, row, 2).isEmpty());
        for (int block = 1; block <= 6; ++block) {
            const QString x = test::cellText(w, row, block * 5 + 2);
            QVERIFY(!x.isEmpty());
            QCOMPARE((w.workbench().trackTable().predictionDigit(block, 1) + x.toInt()) % 10, number);
        }
        QVERIFY(test::cellText(w, row, 1).isEmpty() && test::cellText(w, row, 8).isEmpty());

        // Picking the resulting value of block 3 leaves the whole row as it is.
        QStringList before;
        for (int column = 1; column < 36; ++column)
            before << test::cellText(w, row, column);
        const int block3 = test::cellText(w, row, 17).toInt();
        selectCell(w, row, 17);
        QCOMPARE(w.picker()->marked(), block3);
        clickPickerDigit(w, block3);
        QStringList after;
        for (int column = 1; column < 36; ++column)
            after << test::cellText(w, row, column);
        QCOMPARE(after, before);

        // "空" empties the position everywhere; "关" hides the picker.
        QTest::mouseClick(w.picker()->findChild<QPushButton*>(QStringLiteral("Btn_Kong")), Qt::LeftButton);
        for (int group = 0; group < 7; ++group)
            QVERIFY(test::cellText(w, row, group * 5 + 2).isEmpty());
        QTest::mouseClick(w.picker()->findChild<QPushButton*>(QStringLiteral("Btn_Guan")), Qt::LeftButton);
        QVERIFY(!w.picker()->isVisible());
        // Clicking the same cell again brings it back.
        QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {},
                          w.grid()->visualRect(w.gridModel()->index(row, 17)).center());
        QVERIFY(w.picker()->isVisible());

        // Position 四 of a three-digit lottery hides the picker; so does a cell outside the row.
        selectCell(w, row, 6);
        QVERIFY(w.picker()->isVisible());
        selectCell(w, row, 9);
        QVERIFY(!w.picker()->isVisible());
        selectCell(w, row, 6);
        selectCell(w, row - 1, 6);
        QVERIFY(!w.picker()->isVisible());
        // The picker sits inside the grid, next to the cell.
        selectCell(w, row, 6);
        const QRect cell =
            w.grid()->visualRect(w.gridModel()->index(row, 6)).translated(w.grid()->viewport()->pos());
        const QRect picker = w.picker()->geometry();
        QVERIFY(w.grid()->rect().contains(picker));
        QVERIFY(picker.bottom() < cell.top() || picker.top() > cell.bottom());

        // A rebuild empties the prediction row and hides the picker.
        clickPickerDigit(w, 3);
        w.BuildMainGrid();
        QVERIFY(test::cellText(w, row, 6).isEmpty());
        QVERIFY(!w.picker()->isVisible());
    }

    void fiveDigitLotteryOffersPositionFive() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QVERIFY(w.LoadLottery(QStringLiteral("体彩排列5")));
        QCOMPARE(w.workbench().digitCount(), 5);
        const int row = w.gridModel()->predictionRow();
        QVERIFY(!test::cellText(w, row - 1, 5).isEmpty());
        QCOMPARE(w.gridModel()->index(row - 1, 5).data(Qt::ForegroundRole).value<QColor>(),
                 QColor(128, 128, 128));
        selectCell(w, row, 10);
        QVERIFY(w.picker()->isVisible());
        clickPickerDigit(w, 8);
        QCOMPARE(test::cellText(w, row, 10), QStringLiteral("8"));
        QVERIFY(!test::cellText(w, row, 5).isEmpty());
    }

    void headerHoverAndClick() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QList<gui::ChartRequest> requests;
        QObject::connect(&w.workbench(), &gui::Workbench::chartRequested,
                         [&](const gui::ChartRequest& request) { requests << request; });
        QWidget* header = w.grid()->headerView()->viewport();
        auto* model = w.gridModel();

        QTest::mouseMove(header, headerPoint(w, 0, 7));
        QCOMPARE(model->activeGroup(), 1);
        QCOMPARE(model->activePart(), gui::HeaderPart::Chart);
        QCOMPARE(model->index(0, 6).data(MainGridModel::ActivePartRole).toInt(), int(gui::HeaderPart::Chart));
        QCOMPARE(header->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(header, headerPoint(w, 0, 8));
        QCOMPARE(model->activePart(), gui::HeaderPart::None);
        QCOMPARE(header->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(header, headerPoint(w, 0, 5));
        QCOMPARE(model->activeGroup(), 0);
        QCOMPARE(model->activePart(), gui::HeaderPart::Omission);
        QTest::mouseMove(header, headerPoint(w, 1, 5));
        QCOMPARE(model->activePart(), gui::HeaderPart::None);

        // The wheel over the fixed rows scrolls the draws, never the fixed rows themselves.
        const int before = w.grid()->verticalScrollBar()->value();
        QWheelEvent wheel(QPointF(headerPoint(w, 1, 3)), QPointF(header->mapToGlobal(headerPoint(w, 1, 3))),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(header, &wheel);
        QVERIFY(w.grid()->verticalScrollBar()->value() < before);
        QCOMPARE(w.grid()->headerView()->verticalScrollBar()->value(), 0);
        QCOMPARE(w.grid()->headerView()->rowAt(5), 0);

        QTest::mouseClick(header, Qt::LeftButton, {}, headerPoint(w, 0, 34));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].title, QStringLiteral("星轨6"));
        QCOMPARE(requests[0].firstColumn, 31);
        QCOMPARE(requests[0].view, gui::HeaderPart::Omission);
        QCOMPARE(requests[0].lotteryName, QStringLiteral("体彩排列3"));
        QTest::mouseClick(header, Qt::LeftButton, {}, headerPoint(w, 0, 1));
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[1].title, QStringLiteral("开奖号码"));
        QCOMPARE(requests[1].view, gui::HeaderPart::Chart);
        QTest::mouseClick(header, Qt::LeftButton, {}, headerPoint(w, 0, 3));
        QTest::mouseClick(header, Qt::LeftButton, {}, headerPoint(w, 2, 1));
        QCOMPARE(requests.size(), 2);
    }

    void fullScreenAndBack() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        QList<gui::ChartRequest> requests;
        QObject::connect(&w.workbench(), &gui::Workbench::chartRequested,
                         [&](const gui::ChartRequest& request) { requests << request; });
        w.resize(800, 450);
        QApplication::processEvents();
        QWidget* panel = w.findChild<QWidget*>(QStringLiteral("Panel_Grid"));
        QCOMPARE(w.grid()->parentWidget(), panel);
        auto* action = w.findChild<QAction*>(QStringLiteral("N17"));
        QVERIFY(action && action->isEnabled());
        action->trigger();
        QVERIFY(w.fullScreenShown());
        QCOMPARE(w.grid()->window()->objectName(), QStringLiteral("FullScreenWindow"));
        QVERIFY(!action->isEnabled());
        // The picker goes along with the grid.
        selectCell(w, w.gridModel()->predictionRow(), 6);
        QCOMPARE(w.picker()->window(), w.grid()->window());

        QTest::mouseClick(w.grid()->headerView()->viewport(), Qt::LeftButton, {}, headerPoint(w, 0, 1));
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请退出全屏后 再调用!"));
        QVERIFY(requests.isEmpty());

        QPushButton* exit = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("FullScreenTool") && top->isVisible()) {
                QCOMPARE(top->windowTitle(), QStringLiteral("全屏显示"));
                QCOMPARE(top->size(), QSize(146, 70));
                // 20 pixels from the top, 30 from the right edge of the screen.
                const QRect screen = top->screen()->geometry();
                QCOMPARE(top->y(), screen.top() + 20);
                QCOMPARE(top->x() + 146 + 30, screen.left() + screen.width());
                exit = top->findChild<QPushButton*>(QStringLiteral("Btn_ExitFullScreen"));
            }
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("退出全屏"));
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!w.fullScreenShown());
        QCOMPARE(w.grid()->parentWidget(), panel);
        QVERIFY(w.grid()->isVisible());
        QTRY_VERIFY(action->isEnabled());
        QCOMPARE(w.picker()->window(), &w);
        // Back in the smaller window, the selected cell is in view and the picker still next to it.
        QVERIFY(w.picker()->isVisible());
        const QRect cell = w.grid()->visualRect(w.grid()->currentIndex());
        QVERIFY(w.grid()->viewport()->rect().contains(cell));
        const QRect inGrid = cell.translated(w.grid()->viewport()->pos());
        const QRect picker = w.picker()->geometry();
        QVERIFY(picker.top() == inGrid.top() + inGrid.height() + 6 ||
                picker.bottom() + 1 + 6 == inGrid.top());
    }

    // The picker belongs to its cell: scrolled away with the grid it hides, and it comes back beside the
    // cell when the cell is in view again; closed with "关" it stays closed.
    void pickerFollowsItsCellOnScroll() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        w.resize(900, 500);
        QApplication::processEvents();
        const int row = w.gridModel()->predictionRow();
        w.grid()->scrollToBottom();
        selectCell(w, row, 8);
        QVERIFY(w.picker()->isVisible());
        QScrollBar* bar = w.grid()->verticalScrollBar();
        bar->setValue(bar->maximum() - 60);
        QVERIFY(!w.grid()->viewport()->rect().contains(w.grid()->visualRect(w.gridModel()->index(row, 8))));
        QVERIFY(!w.picker()->isVisible());
        bar->setValue(bar->maximum());
        QVERIFY(w.picker()->isVisible());
        const QRect cell =
            w.grid()->visualRect(w.gridModel()->index(row, 8)).translated(w.grid()->viewport()->pos());
        QCOMPARE(w.picker()->geometry().top(), cell.bottom() + 1 + 6);
        // Closed by the user: scrolling does not bring it back.
        w.picker()->findChild<QPushButton*>(QStringLiteral("Btn_Guan"))->click();
        bar->setValue(bar->maximum() - 60);
        bar->setValue(bar->maximum());
        QVERIFY(!w.picker()->isVisible());
    }

    // Back from full screen the grid stands where it stood: at its end, with the last draws, the prediction
    // row and the footer in view, and the picker below its cell, off the draws.
    void fullScreenBackKeepsTheEndInView() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        w.resize(800, 450);
        QApplication::processEvents();
        QScrollBar* bar = w.grid()->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        const int row = w.gridModel()->predictionRow();
        selectCell(w, row, 6);
        w.findChild<QAction*>(QStringLiteral("N17"))->trigger();
        QVERIFY(w.fullScreenShown());
        QApplication::processEvents();
        QPushButton* exit = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("FullScreenTool") && top->isVisible())
                exit = top->findChild<QPushButton*>(QStringLiteral("Btn_ExitFullScreen"));
        QVERIFY(exit);
        QTest::mouseClick(exit, Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(bar->value(), bar->maximum());
        const QRect view = w.grid()->viewport()->rect();
        const int last = w.gridModel()->lastRow();
        QVERIFY(view.contains(w.grid()->visualRect(w.gridModel()->index(last, 1))));
        QVERIFY(view.contains(w.grid()->visualRect(w.gridModel()->index(row - 2, 1))));
        QVERIFY(w.picker()->isVisible());
        const QPoint offset = w.grid()->viewport()->pos();
        for (int draw : {row - 1, row - 2})
            QVERIFY(!w.picker()->geometry().intersects(
                w.grid()->visualRect(w.gridModel()->index(draw, 6)).translated(offset)));
    }

    // The grid's popup menu opens at the pointer, not a header's height above it.
    void popupMenuOpensAtThePointer() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        w.move(0, 0);
        w.resize(800, 450);
        QApplication::processEvents();
        QWidget* viewport = w.grid()->viewport();
        const QPoint at(120, 40);
        QPoint shownAt;
        QTimer::singleShot(50, &w, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                shownAt = menu->pos();
                menu->close();
            }
        });
        emit w.grid()->customContextMenuRequested(at);
        QCOMPARE(shownAt, viewport->mapToGlobal(at));
    }

    // A long history shows the status bar gauge while its track table and grid are built, with rising
    // progress to the end; the gauge is hidden again afterwards.
    void gaugeFollowsTheBuildOfALongHistory() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        auto* gauge = w.findChild<QProgressBar*>(QStringLiteral("Gauge"));
        QVERIFY(gauge);
        QVERIFY(!gauge->isVisible());
        QList<int> seen;
        bool shown = true;
        connect(gauge, &QProgressBar::valueChanged, this, [&](int v) {
            seen << v;
            shown = shown && gauge->isVisible();
        });
        QVERIFY(w.LoadLottery(QStringLiteral("福彩3D")));
        QVERIFY(w.workbench().draws().size() >= gui::MainWindow::kGaugeDraws);
        QVERIFY(seen.size() >= 10);
        QVERIFY(shown);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.back(), 100);
        QVERIFY(!gauge->isVisible());
    }

    void newerVersionStartsTheUpdate() {
        test::GuiHome home;
        auto window = std::make_unique<gui::MainWindow>(home.home, home.prompter);
        QSignalSpy finished(window.get(), &gui::MainWindow::startupFinished);
        window->setVersionFetcher([] { return std::string("2.0"); });
        window->show();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("软件有新版本,准备为您更新!"));
        QVERIFY(!window->isVisible());
    }

    void equalOrEmptyVersionStartsNormally() {
        // An error page, a line of garbage or an older version is no reason to update and exit.
        for (const std::string& answer :
             {std::string(), std::string("1.5"), std::string("1.4.9"),
              std::string("<!DOCTYPE html><html><body>502 Bad Gateway</body></html>"),
              std::string("\x89PNG\r\n\x1a\n"), std::string("2.0 beta")}) {
            test::GuiHome home;
            auto settings = core::Settings::open(home.home);
            QVERIFY(settings.has_value());
            settings->ini().setString("软件版本号", "版本号", "1.5");
            QVERIFY(settings->ini().save().has_value());
            auto window = std::make_unique<gui::MainWindow>(home.home, home.prompter);
            QSignalSpy finished(window.get(), &gui::MainWindow::startupFinished);
            window->setVersionFetcher([answer] { return answer; });
            window->show();
            QTRY_COMPARE(finished.size(), 1);
            QCOMPARE(finished[0][0].toBool(), true);
            QVERIFY(home.prompter.messages().isEmpty());
            QVERIFY(window->isVisible());
        }
    }

    void aDatabaseHoldingAPeriodTwiceIsRepairedAndSaidOnce() {
        test::GuiHome home;
        const auto file = home.home / "Data" / "MDB.sqlite";
        {
            // As an earlier version could leave it: no unique index, the newest period stored twice.
            SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
            db.exec("drop index FuCai_Table_period");
            db.exec("insert into FuCai_Table (Cp_QHao, Cp_Hm, Cp_only_ID) select Cp_QHao, '999', Cp_only_ID "
                    "from FuCai_Table where rowid = (select max(rowid) from FuCai_Table)");
        }
        {
            gui::MainWindow& w = home.start();
            QCOMPARE(home.prompter.messages().size(), 1);
            QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("1 条重复期号")));
            w.close();
        }
        home.window.reset();
        home.start();
        QCOMPARE(home.prompter.messages().size(), 1); // nothing more to say the second time
    }

    void paintedWindowShowsPickerAndHighlight() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        w.resize(820, 640);
        QTest::qWait(20);
        const int row = w.gridModel()->predictionRow();
        selectCell(w, row, 12);
        clickPickerDigit(w, 7);
        QTest::mouseMove(w.grid()->headerView()->viewport(), headerPoint(w, 0, 11));
        const QImage shot = w.grab().toImage();
        shot.save(QStringLiteral(P3_TEST_TMP "/../main-window-picker.png"));
        // The marked ball is red, the header's active part is drawn in 192,78,59.
        const QRect picker(w.picker()->mapTo(&w, QPoint(0, 0)), w.picker()->size());
        auto countColour = [&](const QRect& area, auto&& match) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (match(shot.pixelColor(x, y))) ++count;
            return count;
        };
        const int red = countColour(
            picker, [](const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; });
        QVERIFY2(red > 40, qPrintable(QString::number(red)));
        const QRect strip(w.grid()->headerView()->mapTo(&w, QPoint(0, 0)), QSize(w.grid()->width(), 20));
        const int active = countColour(strip, [](const QColor& c) {
            return std::abs(c.red() - 192) < 30 && std::abs(c.green() - 78) < 30 &&
                   std::abs(c.blue() - 59) < 30;
        });
        QVERIFY2(active > 10, qPrintable(QString::number(active)));
    }

    void splashShowsTheLoginPictureUntilStartUpEnds() {
        test::GuiHome home;
        gui::LoginPic none(home.home);
        QVERIFY(!none.hasPicture());
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(QColor(30, 60, 120));
        std::filesystem::create_directories(home.home / "Image");
        QVERIFY(picture.save(QString::fromStdString((home.home / "Image" / "login.jpg").string()), "JPG"));
        auto* splash = new gui::LoginPic(home.home);
        QVERIFY(splash->hasPicture());
        QCOMPARE(splash->size(), QSize(120, 80));
        QPointer<gui::LoginPic> watch(splash);
        splash->show();
        auto window = std::make_unique<gui::MainWindow>(home.home, home.prompter);
        window->setSplash(splash);
        window->show();
        QTRY_VERIFY(window->startupDone());
        QTRY_VERIFY(watch.isNull() || !watch->isVisible());
    }

    void missingDatabaseIsReported() {
        test::GuiHome home;
        std::filesystem::remove(home.home / "Data" / "MDB.sqlite");
        gui::MainWindow& w = home.start();
        QCOMPARE(home.prompter.messages().size(), 1);
        QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("MDB.sqlite")));
        QCOMPARE(w.gridModel()->rowCount(), 6);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
