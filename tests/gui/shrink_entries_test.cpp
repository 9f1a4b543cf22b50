// Entries made in the shrink workspace's small dialogs: a series the track table does not provide is
// refused where it is chosen, not later at every intersection.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <QTableView>
#include <fstream>

#include "dialog_script.h"
#include "gui/shrink/intersection_name_dialog.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/ball_grid.h"
#include "gui/widgets/scripted_prompter.h"
#include "gui_fixture.h"

using p3::gui::IntersectionNameDialog;

class ShrinkEntriesTest : public QObject {
    Q_OBJECT
private slots:
    void seriesAboveSixRefusedWhereChosen() {
        p3::gui::ScriptedPrompter prompter;
        IntersectionNameDialog dialog(prompter);
        dialog.prepare(QStringLiteral("大底交集"), QStringLiteral("交集名称："), QStringLiteral("交集1"), 0,
                       true, 12);
        dialog.show();
        auto* series = dialog.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_LeiBie"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Tou_Zhu_Btn"));
        QVERIFY(series && ok);
        QCOMPARE(series->count(), 19);
        for (int k : {7, 12, 18}) {
            series->setCurrentIndex(k);
            ok->click();
            QCOMPARE(prompter.lastMessage(), QStringLiteral("星轨参数只支持 星轨1..星轨6"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(dialog.name().isEmpty());
        }
        prompter.clear();
        series->setCurrentIndex(6);
        ok->click();
        QVERIFY(prompter.messages().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.series(), 6);
        QCOMPARE(dialog.name(), QStringLiteral("交集1"));

        // The staging dialog asks no series and refuses nothing for it.
        dialog.prepare(QStringLiteral("转入暂存区"), QStringLiteral("名称"), QStringLiteral("暂存1"), -1,
                       false, 3);
        dialog.show();
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The name box of 转入暂存区 and 大底交集 shows a longer name whole.
    void nameBoxIsWideEnough() {
        p3::gui::ScriptedPrompter prompter;
        IntersectionNameDialog dialog(prompter);
        dialog.prepare(QStringLiteral("转入暂存区"), QStringLiteral("名称"), QStringLiteral("奖号大底12"), -1,
                       false, 3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_Name"));
        QVERIFY(box->width() >
                box->fontMetrics().horizontalAdvance(QStringLiteral("奖号大底12 星轨3 第二轮")));
    }

    // The links under the intersection and staging lists: 打开 reads a number file and names it in the
    // entry dialog (the intersection's with a series to choose, the staging area's with it fixed), 删除
    // drops the selected rows, 清空 all of them; a cancelled name or an unreadable file adds nothing.
    void pageListLinksOpenDeleteAndClear() {
        p3::test::GuiHome home;
        p3::gui::MainWindow& w = home.start();
        p3::test::DialogScript dialogs;
        dialogs.install(w.workbench());
        p3::gui::ShrinkWindow shrink(w.workbench());
        const auto file = home.home / "three.txt";
        std::ofstream(file) << "123 456 789\n";
        const QString path = QString::fromStdString(file.string());
        const auto name = [](QDialog& d, const QString& text) {
            auto* box = d.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_Name"));
            if (!text.isEmpty()) box->setEditText(text);
            p3::test::click(d, "Tou_Zhu_Btn");
            return d.result();
        };

        dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [&](QDialog& d) {
            CHECK_EQ(d.windowTitle(), QStringLiteral("大底交集"));
            CHECK_EQ(d.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_Name"))->currentText(),
                     QStringLiteral("交集1"));
            auto* series = d.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_LeiBie"));
            CHECK(series->isVisibleTo(&d) && series->isEnabled());
            CHECK_EQ(d.findChild<QLabel*>(QStringLiteral("zhu_shu_value"))->text(),
                     QStringLiteral("共: 3 注"));
            series->setCurrentIndex(2);
            return name(d, {});
        });
        home.prompter.answerFile(path);
        p3::test::click(shrink, "Label9");
        QCOMPARE(shrink.intersectionEntries().size(), std::size_t(1));
        QCOMPARE(shrink.intersectionEntries()[0].name, std::string("交集1"));
        QCOMPARE(shrink.intersectionEntries()[0].series, 2);
        QCOMPARE(shrink.intersectionEntries()[0].numbers, (std::vector<std::string>{"123", "456", "789"}));
        dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [](QDialog&) { return int(QDialog::Rejected); });
        home.prompter.answerFile(path);
        p3::test::click(shrink, "Label9");
        QCOMPARE(shrink.intersectionEntries().size(), std::size_t(1));
        dialogs.on(QStringLiteral("TF_Jiaoji_Frm"),
                   [&](QDialog& d) { return name(d, QStringLiteral("乙")); });
        home.prompter.answerFile(path);
        p3::test::click(shrink, "Label9");
        home.prompter.answerFile(QString::fromStdString((home.home / "missing.txt").string()));
        p3::test::click(shrink, "Label9");
        QVERIFY(!home.prompter.lastMessage().isEmpty());
        QCOMPARE(shrink.intersectionEntries().size(), std::size_t(2));

        auto* entries = shrink.findChild<QTableView*>(QStringLiteral("Jiao_Ji_ListView"));
        entries->selectRow(0);
        p3::test::click(shrink, "Label10");
        QCOMPARE(shrink.intersectionEntries().size(), std::size_t(1));
        QCOMPARE(shrink.intersectionEntries()[0].name, std::string("乙"));
        p3::test::click(shrink, "Label11");
        QVERIFY(shrink.intersectionEntries().empty());

        for (const char* staged : {"甲", "乙"}) {
            dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [&, staged](QDialog& d) {
                CHECK_EQ(d.windowTitle(), QStringLiteral("大底交集"));
                auto* series = d.findChild<QComboBox*>(QStringLiteral("Jiao_Ji_LeiBie"));
                CHECK(series->isVisibleTo(&d) && !series->isEnabled());
                return name(d, QString::fromUtf8(staged));
            });
            home.prompter.answerFile(path);
            p3::test::click(shrink, "Label15");
        }
        QCOMPARE(shrink.stagedLists().size(), std::size_t(2));
        QCOMPARE(shrink.stagedLists()[1].numbers.size(), std::size_t(3));
        shrink.findChild<QTableView*>(QStringLiteral("Zan_Cun_Listview"))->selectRow(1);
        p3::test::click(shrink, "Label17");
        QCOMPARE(shrink.stagedLists().size(), std::size_t(1));
        QCOMPARE(shrink.stagedLists()[0].name, std::string("甲"));
        p3::test::click(shrink, "Label18");
        QVERIFY(shrink.stagedLists().empty());
    }

    // A digit preset is a command: the box reads "选号" again after it, so the same preset can be chosen
    // again (反选 twice gives the digits back).
    void digitPresetBoxesReadAsCommands() {
        p3::test::GuiHome home;
        p3::gui::MainWindow& w = home.start();
        p3::gui::ShrinkWindow shrink(w.workbench());
        auto* box = shrink.findChild<QComboBox*>(QStringLiteral("Bai_Box_Style"));
        auto* grid = shrink.findChild<p3::gui::BallGrid*>(QStringLiteral("Grid_B"));
        QVERIFY(box && grid);
        const int odd = box->findText(QStringLiteral("奇数"));
        const int invert = box->findText(QStringLiteral("反选"));
        box->setCurrentIndex(odd);
        emit box->activated(odd);
        QCOMPARE(grid->chosenValues(), (std::vector<int>{1, 3, 5, 7, 9}));
        QCOMPARE(box->currentText(), QStringLiteral("选号"));
        box->setCurrentIndex(invert);
        emit box->activated(invert);
        QCOMPARE(grid->chosenValues(), (std::vector<int>{0, 2, 4, 6, 8}));
        QCOMPARE(box->currentText(), QStringLiteral("选号"));
        box->setCurrentIndex(invert);
        emit box->activated(invert);
        QCOMPARE(grid->chosenValues(), (std::vector<int>{1, 3, 5, 7, 9}));
    }

    // Each condition row says in words what it holds; the stored line stays exactly as it was.
    void conditionRowsSayWhatTheyHold() {
        p3::test::GuiHome home;
        p3::gui::MainWindow& w = home.start();
        p3::gui::ShrinkWindow shrink(w.workbench());
        p3::core::ConditionLine line;
        line.keyword = "定位复式";
        line.counts = "1|0|无设置";
        line.content = "按位复式~1^0123/456/789^23~1~0&";
        shrink.setConditions({line});
        auto* list = shrink.findChild<QTableView*>(QStringLiteral("ListView_Tj"));
        QVERIFY(list);
        const QString tip = list->model()->index(0, 2).data(Qt::ToolTipRole).toString();
        QVERIFY(
            tip.contains(QStringLiteral("按位复式：百位 0123 十位 456 个位 789，中出位置数 2、3（保留）")));
        QVERIFY(tip.endsWith(QStringLiteral("按位复式~1^0123/456/789^23~1~0&")));
        QCOMPARE(list->model()->index(0, 0).data(Qt::ToolTipRole).toString(), tip);
        // The flags carry no summary.
        QVERIFY(list->model()->index(0, 1).data(Qt::ToolTipRole).isNull());
        QCOMPARE(shrink.conditions().front(), line);
    }
};

QTEST_MAIN(ShrinkEntriesTest)
#include "shrink_entries_test.moc"
