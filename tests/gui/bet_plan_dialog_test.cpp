// The bet plan calculator TForm15 on a test home: the plan computed from the input boxes, the input
// checks, a row rewritten by double-click, the stop message and the spreadsheet export.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

#include "gui/tools/bet_plan_dialog.h"
#include "gui/widgets/multiple_dialog.h"
#include "gui_fixture.h"

using namespace p3;
using gui::BetPlanDialog;

namespace {

template <class W> W* child(BetPlanDialog& d, const char* name) {
    auto* w = d.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

QStringList rowCells(BetPlanDialog& d, int row) {
    QStringList cells;
    QTreeWidgetItem* item = child<QTreeWidget>(d, "Lv_gxr")->topLevelItem(row);
    for (int c = 0; item && c < 7; ++c)
        cells << item->text(c);
    return cells;
}

int rowCount(BetPlanDialog& d) {
    return child<QTreeWidget>(d, "Lv_gxr")->topLevelItemCount();
}

/// Opens the calculator from the menu entry "倍投计算" and runs `check` while it is shown.
BetPlanDialog* openCalculator(gui::MainWindow& w, const std::function<void(BetPlanDialog&)>& check) {
    BetPlanDialog* seen = nullptr;
    w.workbench().setDialogRunner([&](QDialog& dialog) {
        seen = qobject_cast<BetPlanDialog*>(&dialog);
        if (!seen) qFatal("not the calculator: %s", qPrintable(dialog.objectName()));
        check(*seen);
        return int(QDialog::Accepted);
    });
    QAction* entry = w.findChild<QAction*>(QStringLiteral("N2"));
    if (!entry) qFatal("no menu entry N2");
    entry->trigger();
    return seen;
}

} // namespace

class BetPlanDialogTest : public QObject {
    Q_OBJECT
private slots:
    void plansAndRewritesRows() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        BetPlanDialog* first = openCalculator(w, [&](BetPlanDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("投注方案"));
            child<QPushButton>(d, "OK")->click();
            QCOMPARE(rowCount(d), 15);
            QCOMPARE(rowCells(d, 0), (QStringList{"1", "1", "2", "2", "160", "158", "7900%"}));
            long long last = 0;
            for (int r = 0; r < rowCount(d); ++r) {
                const long long m = rowCells(d, r)[1].toLongLong();
                QVERIFY(m >= last);
                last = m;
            }
            QVERIFY(child<QPushButton>(d, "inf")->isHidden());
            QVERIFY(!child<QPushButton>(d, "Close")->isHidden());
            QCOMPARE(d.windowTitle(), QStringLiteral("投注方案"));

            // Row 3 rewritten with 20: rows 1 and 2 kept, the rest planned from 20.
            const QStringList row1 = rowCells(d, 0), row2 = rowCells(d, 1);
            h.prompter.answerText(QStringLiteral("20"));
            auto* table = child<QTreeWidget>(d, "Lv_gxr");
            emit table->itemDoubleClicked(table->topLevelItem(2), 0);
            QCOMPARE(rowCount(d), 15);
            QCOMPARE(rowCells(d, 0), row1);
            QCOMPARE(rowCells(d, 1), row2);
            const QStringList row3 = rowCells(d, 2);
            QCOMPARE(row3[1], QStringLiteral("20"));
            QCOMPARE(row3[2], QStringLiteral("40"));
            const long long cumulative = row2[3].toLongLong() + 40;
            QCOMPARE(row3[3], QString::number(cumulative));
            QCOMPARE(row3[4], QStringLiteral("3200"));
            QCOMPARE(row3[5], QString::number(3200 - cumulative));
            for (int r = 3; r < 15; ++r)
                QVERIFY(rowCells(d, r)[1].toLongLong() >= 20);

            // The multiple is asked for under its own title, and any whole multiple typed in is taken,
            // not only the suggested 10…100.
            QCOMPARE(h.prompter.shown().back().kind, QStringLiteral("number"));
            QCOMPARE(h.prompter.shown().back().caption, QStringLiteral("请输入倍数"));
            h.prompter.answerText(QStringLiteral("37"));
            emit table->itemDoubleClicked(table->topLevelItem(4), 0);
            QCOMPARE(rowCells(d, 4)[1], QStringLiteral("37"));
            QCOMPARE(rowCells(d, 4)[2], QStringLiteral("74"));
            QCOMPARE(rowCells(d, 2), row3);
            const QStringList row5 = rowCells(d, 4);

            // A cancelled choice changes nothing.
            emit table->itemDoubleClicked(table->topLevelItem(0), 0);
            QCOMPARE(rowCells(d, 2), row3);
            QCOMPARE(rowCells(d, 4), row5);
        });
        QVERIFY(first);
        // Created once.
        QCOMPARE(openCalculator(w, [](BetPlanDialog& d) { QCOMPARE(rowCount(d), 15); }), first);
    }

    void multipleDialogTakesTypedDigitsAndIsCentred() {
        QWidget parent;
        parent.setGeometry(0, 0, 200, 150);
        parent.show();
        gui::MultipleDialog dialog(QStringLiteral("请输入倍数"), QStringLiteral("请输入倍数："),
                                   {QStringLiteral("10"), QStringLiteral("20")}, &parent);
        QCOMPARE(dialog.objectName(), QStringLiteral("TF_Form1"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("请输入倍数"));
        QTimer::singleShot(0, &dialog, [&] {
            // A failed check must not leave the dialog waiting for a user.
            const auto close = qScopeGuard([&] {
                if (dialog.isVisible()) dialog.reject();
            });
            QComboBox* box = dialog.findChild<QComboBox*>(QStringLiteral("Bei_s"));
            QVERIFY(box);
            QVERIFY(box->isEditable());
            QVERIFY(dialog.focusWidget() == box || dialog.focusWidget() == box->lineEdit());
            // Centred on the screen, not at the parent's corner.
            const QRect screen = dialog.screen()->availableGeometry();
            QVERIFY(qAbs(dialog.frameGeometry().center().x() - screen.center().x()) <= 2);
            QVERIFY(qAbs(dialog.frameGeometry().center().y() - screen.center().y()) <= 20);
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), QStringLiteral("5a0"));
            QCOMPARE(box->currentText(), QStringLiteral("50"));
            QTest::keyClicks(box->lineEdit(), QStringLiteral("-3"));
            QCOMPARE(box->currentText(), QStringLiteral("503"));
            dialog.findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), QStringLiteral("503"));
    }

    void checksInputsAndStops() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        openCalculator(w, [&](BetPlanDialog& d) {
            auto* ok = child<QPushButton>(d, "OK");
            auto* rate = child<QComboBox>(d, "Bfb");
            rate->setCurrentText(QString());
            ok->click();
            QCOMPARE(h.prompter.lastMessage(), QStringLiteral("请正确输入利润率!"));
            rate->setCurrentText(QStringLiteral("abc"));
            ok->click();
            QCOMPARE(h.prompter.lastMessage(), QStringLiteral("百分比设置有错!"));
            rate->setCurrentText(QStringLiteral("10"));
            child<QComboBox>(d, "Cmd_1")->setCurrentText(QString());
            ok->click();
            QCOMPARE(h.prompter.lastMessage(), QStringLiteral("请正确输入不能为空!"));
            QCOMPARE(rowCount(d), 0);

            // A prize below the cost can never reach the rate: planning stops with a message.
            child<QComboBox>(d, "Cmd_0")->setCurrentText(QStringLiteral("200"));
            child<QComboBox>(d, "Cmd_1")->setCurrentText(QStringLiteral("160"));
            h.prompter.clear();
            ok->click();
            QCOMPARE(h.prompter.lastMessage(), QStringLiteral("分析自动停止!"));
            QCOMPARE(rowCount(d), 0);
            QCOMPARE(d.windowTitle(), QStringLiteral("投注方案"));
            QVERIFY(!child<QPushButton>(d, "Close")->isHidden());
        });
    }

    void exportsASpreadsheet() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        openCalculator(w, [&](BetPlanDialog& d) {
            QStringList opened;
            bool available = true;
            d.setSpreadsheetOpener([&](const QString& file) {
                opened << file;
                return available;
            });
            child<QLineEdit>(d, "Cmd_2")->setText(QStringLiteral("5"));
            child<QPushButton>(d, "OK")->click();
            QCOMPARE(rowCount(d), 5);
            child<QPushButton>(d, "Output_Excel")->click();
            QCOMPARE(opened.size(), 1);
            QVERIFY(std::filesystem::exists(d.exportFile()));
            std::ifstream in(d.exportFile(), std::ios::binary);
            char magic[2] = {};
            in.read(magic, 2);
            QCOMPARE(QByteArray(magic, 2), QByteArray("PK"));

            available = false;
            child<QPushButton>(d, "Output_Excel")->click();
            QCOMPARE(h.prompter.lastMessage(), QStringLiteral("您的电脑上没有安装 Microsoft Excel"));
        });
    }
};

QTEST_MAIN(BetPlanDialogTest)
#include "bet_plan_dialog_test.moc"
