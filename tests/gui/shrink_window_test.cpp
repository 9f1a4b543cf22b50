// The shrink workspace and the condition editors on a test home: a shrink from picked digits to a
// short list, editors adding and rewriting lines, the refusals, the picker, and the list files.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "core/io/text_codec.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/number_list.h"
#include "core/tools/print_layout.h"
#include "gui/editors/condition_editor_dialog.h"
#include "gui/editors/condition_panel.h"
#include "gui/editors/row_list_editor.h"
#include "gui/editors/value_picker_dialog.h"
#include "gui/shrink/intersection_name_dialog.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/ball_grid.h"
#include "gui_fixture.h"

using namespace p3;

namespace {

// Checks inside the dialog steps, which cannot return from the test; the test's cleanup reports them.
QStringList g_failures;
#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) g_failures << QStringLiteral("line %1: %2").arg(__LINE__).arg(#cond);                   \
    } while (0)
#define CHECK_EQ(a, b)                                                                                       \
    do {                                                                                                     \
        if (!((a) == (b)))                                                                                   \
            g_failures << QStringLiteral("line %1: %2 is %3").arg(__LINE__).arg(#a, QVariant(a).toString()); \
    } while (0)

/// Answers the modal windows by object name, in the order they are expected.
struct Dialogs {
    std::map<QString, std::deque<std::function<int(QDialog&)>>> steps;
    QStringList unexpected;

    void install(gui::Workbench& bench) {
        bench.setDialogRunner([this](QDialog& dialog) {
            auto& queue = steps[dialog.objectName()];
            if (queue.empty()) {
                unexpected << dialog.objectName();
                return int(QDialog::Rejected);
            }
            auto step = std::move(queue.front());
            queue.pop_front();
            const int answer = step(dialog);
            // A step that pressed a button leaves the dialog's own result; one that did not cancels.
            return dialog.result() == QDialog::Accepted ? int(QDialog::Accepted) : answer;
        });
    }
    void on(const QString& name, std::function<int(QDialog&)> step) {
        steps[name].push_back(std::move(step));
    }
};

template <typename T> T* child(QWidget& in, const QString& name) {
    T* found = in.findChild<T*>(name);
    if (!found) qFatal("no widget %s", qPrintable(name));
    return found;
}

void click(QWidget& in, const QString& name) {
    child<QAbstractButton>(in, name)->click();
}

void clickBall(gui::BallGrid* grid, int value) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(value).center());
}

core::ConditionLine line(const char* use, const char* keyword, const char* counts, const char* content) {
    core::ConditionLine l;
    l.use = use;
    l.keyword = keyword;
    l.counts = counts;
    l.content = content;
    return l;
}

} // namespace

class ShrinkWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { g_failures.clear(); }
    void cleanup() { QVERIFY2(g_failures.isEmpty(), qPrintable(g_failures.join('\n'))); }

    void shrinksPickedDigitsToAShortList() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        Dialogs dialogs;
        dialogs.install(w.workbench());
        gui::ShrinkWindow shrink(w.workbench());
        QCOMPARE(shrink.windowTitle(), QStringLiteral("星轨缩水"));
        QVERIFY(shrink.conditions().empty());
        // The main window's command opens the workspace, not modal.
        child<QAction>(w, QStringLiteral("bsSkinSpeedButton3"));
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton3"))->trigger();
        QVERIFY(shrink.isVisible());
        QVERIFY(!shrink.isModal());

        // Every digit and 所有组合 give the 1000 numbers in order.
        click(shrink, QStringLiteral("Tou_Zhu_Btn"));
        QCOMPARE(shrink.betList().size(), std::size_t(1000));
        QCOMPARE(shrink.betList().front(), std::string("000"));
        QCOMPARE(shrink.betList().back(), std::string("999"));
        QCOMPARE(shrink.countLabel(), QStringLiteral("共: 1000 注"));

        // Hundreds 1 and 2, tens 3 by clicks; units by the "全选" preset.
        click(shrink, QStringLiteral("B_nulAll"));
        clickBall(shrink.pickGrid(0), 1);
        clickBall(shrink.pickGrid(0), 2);
        clickBall(shrink.pickGrid(1), 3);
        shrink.applyPreset(2, QStringLiteral("全选"));
        click(shrink, QStringLiteral("Tou_Zhu_Btn"));
        QCOMPARE(shrink.betList().size(), std::size_t(20));

        // 和值 10 or 11, composed in the editor opened by its kind button.
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [](QDialog& editor) {
            CHECK_EQ(editor.windowTitle(), QStringLiteral("和值"));
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_06_01"))->click();
            auto* grid = child<gui::BallGrid>(editor, QStringLiteral("Tj_06_Grid_1"));
            clickBall(grid, 10);
            clickBall(grid, 11);
            CHECK_EQ(child<QLabel>(editor, QStringLiteral("StatusBar1_0"))->text(),
                     QStringLiteral("条件: 1条"));
            // The kind has no level tolerance.
            CHECK(!child<QCheckBox>(editor, QStringLiteral("Err_Check_Box"))->isVisibleTo(&editor));
            click(editor, QStringLiteral("Btn_Add_Tj"));
            return int(QDialog::Rejected);
        });
        click(shrink, QStringLiteral("Tj_Cmd_1_06"));
        QVERIFY(dialogs.unexpected.isEmpty());
        QCOMPARE(shrink.conditions().size(), std::size_t(1));
        const core::ConditionLine& made = shrink.conditions().front();
        QCOMPARE(made.keyword, std::string("和值"));
        QCOMPARE(made.counts, std::string("1|0|无设置"));
        QCOMPARE(made.content, std::string("和值~10 11~1~0&"));
        auto* list = child<QTableView>(shrink, QStringLiteral("ListView_Tj"));
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(test::cellText(list, 0, 2), QStringLiteral("和值"));

        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList(), (std::vector<std::string>{"136", "137", "235", "236"}));
        QCOMPARE(shrink.countLabel(), QStringLiteral("共: 4 注"));
        QVERIFY(home.prompter.messages().isEmpty());

        // 保留 toggled off by a click on its glyph: the same line now removes what it kept.
        test::clickCell(list, 0, 4);
        QCOMPARE(shrink.conditions().front().keep, std::string("0"));
        click(shrink, QStringLiteral("Tou_Zhu_Btn"));
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList().size(), std::size_t(16));
    }

    void totalToleranceLetsTolerantLinesFail() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::ShrinkWindow shrink(w.workbench());
        auto kept = line("1", "定位号码", "1|0|无设置", "百位~1~1~0&");
        kept.tolerant = "1";
        auto units = line("1", "定位号码", "1|0|无设置", "个位~9~1~0&");
        units.tolerant = "1";
        shrink.setConditions({kept, units});
        shrink.setBetList({"119", "110", "219", "200"});
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList(), (std::vector<std::string>{"119"}));
        // With 总容错 0 至 1, failing one tolerant line is absorbed, failing both is not.
        shrink.setBetList({"119", "110", "219", "200"});
        child<QCheckBox>(shrink, QStringLiteral("Z_RCuo"))->setChecked(true);
        QVERIFY(child<QSpinBox>(shrink, QStringLiteral("Z_Err_End_m"))->isEnabled());
        child<QSpinBox>(shrink, QStringLiteral("Z_Err_End_m"))->setValue(1);
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList(), (std::vector<std::string>{"119", "110", "219"}));
        // A begin of 1 removes the numbers that pass every line.
        child<QSpinBox>(shrink, QStringLiteral("Z_Err_Beg_m"))->setValue(1);
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList(), (std::vector<std::string>{"110", "219"}));
    }

    void refusalsLeaveEverythingAsItWas() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        Dialogs dialogs;
        dialogs.install(w.workbench());
        gui::ShrinkWindow shrink(w.workbench());
        shrink.setBetList({"123", "456"});
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("没有可供过滤的条件"));
        shrink.setConditions({line("0", "和值", "1|0|无设置", "和值~6~1~0&")});
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请选择条件"));
        QCOMPARE(shrink.betList().size(), std::size_t(2));
        click(shrink, QStringLiteral("B_nulAll"));
        click(shrink, QStringLiteral("Tou_Zhu_Btn"));
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请正确选择"));
        QCOMPARE(shrink.betList().size(), std::size_t(2));

        // The editor refuses nothing ticked, then a level tolerance above the tolerant records, and
        // stays open; 取消 writes nothing.
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
            click(editor, QStringLiteral("Btn_Add_Tj"));
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请选择条件"));
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_01"))->click();
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_01_err"))->click();
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_03"))->click();
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_03_err"))->click();
            child<QCheckBox>(editor, QStringLiteral("Err_Check_Box"))->click();
            child<QSpinBox>(editor, QStringLiteral("JJi_ECuo_EndValue"))->setValue(3);
            click(editor, QStringLiteral("Btn_Add_Tj"));
            CHECK_EQ(home.prompter.lastMessage(),
                     QStringLiteral("请检查您设置的本级容错,容错最大值为: 3个  允许容错的条件为：2 个"));
            // Both records ticked and empty: one message, for the first.
            child<QSpinBox>(editor, QStringLiteral("JJi_ECuo_EndValue"))->setValue(2);
            const int before = home.prompter.messages().size();
            click(editor, QStringLiteral("Btn_Add_Tj"));
            CHECK_EQ(home.prompter.messages().size(), before + 1);
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请限定 最小号 条件值"));
            CHECK(editor.result() != QDialog::Accepted);
            click(editor, QStringLiteral("Btn_Close"));
            return int(QDialog::Rejected);
        });
        click(shrink, QStringLiteral("Tj_Cmd_1_02"));
        QVERIFY(dialogs.unexpected.isEmpty());
        QCOMPARE(shrink.conditions().size(), std::size_t(1));

        // A second series in the list is refused with its own caption.
        shrink.setConditions({line("1", "已出号码", "1|0|无设置", "已出号码~30^0~0~0&%0")});
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
            child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_11_01"))->click();
            child<QComboBox>(editor, QStringLiteral("PCTj_Cmd_1_11_01_1"))->setEditText(QStringLiteral("20"));
            child<QComboBox>(editor, QStringLiteral("XingGui_LeiBie1"))->setCurrentIndex(2);
            click(editor, QStringLiteral("Btn_Add_Tj"));
            return int(QDialog::Rejected);
        });
        click(shrink, QStringLiteral("Tj_Cmd_1_11"));
        QCOMPARE(home.prompter.shown().back().caption, QStringLiteral("条件区不允许有不同的星轨参数"));
        QCOMPARE(home.prompter.lastMessage(),
                 QStringLiteral("您的过滤条件区已经存在其它星轨参数  条件序号1 为正常号码"));
        QCOMPARE(shrink.conditions().size(), std::size_t(1));
    }

    void modifyRewritesTheSelectedRow() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        Dialogs dialogs;
        dialogs.install(w.workbench());
        gui::ShrinkWindow shrink(w.workbench());
        auto sorted = line("0", "顺序排序", "2|2|1-1", "最小号~0 1 2~1~1&最大号~7 8 9~0~1&");
        sorted.keep = "0";
        shrink.setConditions({line("1", "和值", "1|0|无设置", "和值~6~1~0&"), sorted});
        test::setCurrentCell(child<QTableView>(shrink, QStringLiteral("ListView_Tj")), 1, 2);
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [](QDialog& editor) {
            CHECK_EQ(editor.windowTitle(), QStringLiteral("顺序排序"));
            CHECK_EQ(child<QPushButton>(editor, QStringLiteral("Btn_Add_Tj"))->text(),
                     QStringLiteral("保存修改"));
            // The line read back: boxes, grids, flags and level tolerance.
            CHECK(child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_01"))->isChecked());
            CHECK(!child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_02_02"))->isChecked());
            auto* low = child<gui::BallGrid>(editor, QStringLiteral("Tj_02_Grid_1"));
            CHECK(low->chosenValues() == (std::vector<int>{0, 1, 2}));
            CHECK(child<QRadioButton>(editor, QStringLiteral("PCTj_Cmd_1_02_03_exclude"))->isChecked());
            CHECK(child<QCheckBox>(editor, QStringLiteral("Err_Check_Box"))->isChecked());
            CHECK_EQ(child<QLabel>(editor, QStringLiteral("StatusBar1_1"))->text(),
                     QStringLiteral("容错: 2个"));
            clickBall(low, 3);
            click(editor, QStringLiteral("Btn_Add_Tj"));
            return int(QDialog::Rejected);
        });
        shrink.modifyCurrentCondition();
        QVERIFY(dialogs.unexpected.isEmpty());
        const auto& rewritten = shrink.conditions()[1];
        QCOMPARE(rewritten.use, std::string("1"));
        QCOMPARE(rewritten.keep, std::string("1"));
        QCOMPARE(rewritten.counts, std::string("2|2|1-1"));
        QCOMPARE(rewritten.content, std::string("最小号~0 1 2 3~1~1&最大号~7 8 9~0~1&"));
        QCOMPARE(shrink.conditions()[0].content, std::string("和值~6~1~0&"));
    }

    void pickerAndRowListsFillTheirRecords() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        Dialogs dialogs;
        dialogs.install(w.workbench());
        gui::ShrinkWindow shrink(w.workbench());
        // 位和: the edit takes the picker's range 3..5; the count-list record keeps its counts.
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu_3"), [&](QDialog& editor) {
            child<QCheckBox>(editor, QStringLiteral("P_Cmd_3_01_01"))->click();
            auto* edit = child<QLineEdit>(editor, QStringLiteral("P_Cmd_3_01_01_1"));
            QTest::mouseClick(edit, Qt::LeftButton);
            CHECK_EQ(edit->text(), QStringLiteral("3 4 5"));
            click(editor, QStringLiteral("Btn_Add_Tj"));
            return int(QDialog::Rejected);
        });
        dialogs.on(QStringLiteral("TF_TjcanShu"), [&](QDialog& dialog) {
            auto& picker = static_cast<gui::ValuePickerDialog&>(dialog);
            CHECK_EQ(picker.choices()->model()->rowCount(), 19);
            click(dialog, QStringLiteral("Btn_Ok"));
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请选择值!"));
            picker.chooseRange(3, 1);
            picker.chooseRange(3, 5);
            CHECK_EQ(child<QLabel>(dialog, QStringLiteral("Label3"))->text(), QStringLiteral("3 条"));
            click(dialog, QStringLiteral("Btn_Ok"));
            return int(QDialog::Rejected);
        });
        click(shrink, QStringLiteral("Tj_Cmd_3_01"));
        QVERIFY(dialogs.unexpected.isEmpty());
        QCOMPARE(shrink.conditions().back().content, std::string("百+十~3 4 5~1~0&"));

        // 定位复式: a row from the three grids and the count boxes.
        dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
            auto* rows = child<gui::RowListEditor>(editor, QStringLiteral("PCTj_Cmd_1_08_rows"));
            rows->addRow();
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("复式输入格式不正确!"));
            for (int p = 0; p < 3; ++p)
                for (int d = 3 * p; d < 3 * p + 3; ++d)
                    clickBall(rows->grid(p), d);
            child<QCheckBox>(editor, QStringLiteral("Tj_08_Count_3"))->click();
            click(editor, QStringLiteral("PCTj_Cmd_1_08_Add"));
            CHECK_EQ(rows->list()->model()->rowCount(), 1);
            CHECK_EQ(child<QLabel>(editor, QStringLiteral("StatusBar1_0"))->text(),
                     QStringLiteral("条件: 1条"));
            click(editor, QStringLiteral("Btn_Add_Tj"));
            return int(QDialog::Rejected);
        });
        click(shrink, QStringLiteral("Tj_Cmd_1_08"));
        QCOMPARE(shrink.conditions().back().content, std::string("按位复式~1^012/345/678^3~1~0&"));
        shrink.setBetList({"012", "345", "048"});
        click(shrink, QStringLiteral("Guo_Lv_Btn"));
        QCOMPARE(shrink.betList(), (std::vector<std::string>{"048"}));
    }

    void listWorkbenchPages();
    void singleRecordKindsCarryTheirToleranceToTheLine();
    void popupMenusEditTheLists();
    void shutDownAfterTheWorkspaceIsGoneSavesTheOneList();
    void historyKindsFreezeTheirCodeLists();
    void drawNumbersConvertAndHandOff();
    void memoPopupsAndColumnBoxes();
    void modifyRowListLines();
    void filterRunMatchesTheCore();
    void conditionFileWithAnAwkwardName();
    void nameDialogFocusesTheNameWhenActivated();

    void listsAndConditionFilesRoundTrip() {
        test::GuiHome home;
        {
            std::ofstream out(home.home / "~tmp_tj.ag");
            out << "Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~6\nEnd_Tianjiao\n";
        }
        gui::MainWindow& w = home.start();
        auto* shrink = new gui::ShrinkWindow(w.workbench());
        QCOMPARE(shrink->conditions().size(), std::size_t(1));
        QCOMPARE(shrink->conditions().front().content, std::string("和值~6"));

        shrink->setBetList({"000", "123"});
        const auto numbers = home.home / "bets";
        home.prompter.answerFile(QString::fromStdString(numbers.string()));
        click(*shrink, QStringLiteral("Tou_zhu_Cmd_01"));
        QVERIFY(std::filesystem::exists(home.home / "bets.txt"));
        click(*shrink, QStringLiteral("Tou_zhu_Cmd_05"));
        QVERIFY(shrink->betList().empty());
        QCOMPARE(shrink->countLabel(), QStringLiteral("共: 0 注"));
        home.prompter.answerFile(QString::fromStdString((home.home / "bets.txt").string()));
        click(*shrink, QStringLiteral("Tou_zhu_Cmd_02"));
        QCOMPARE(shrink->betList(), (std::vector<std::string>{"000", "123"}));

        // "另存为当前方案" appends .ag; "导入已存方案" reads it back.
        home.prompter.answerFile(QString::fromStdString((home.home / "plan").string()));
        shrink->saveConditionFile();
        QVERIFY(std::filesystem::exists(home.home / "plan.ag"));
        shrink->setConditions({});
        home.prompter.answerFile(QString::fromStdString((home.home / "plan.ag").string()));
        shrink->openConditionFile();
        QCOMPARE(shrink->conditions().size(), std::size_t(1));

        // Shut-down keeps the list for the next run.
        shrink->setConditions(
            {line("1", "和值", "1|0|无设置", "和值~9~1~0&"), line("0", "和值", "1|0|无设置", "和值~3~1~0&")});
        w.close();
        auto saved = core::readConditionFile(home.home / "~tmp_tj.ag");
        QVERIFY(saved.has_value());
        QCOMPARE(saved->size(), std::size_t(2));
        QCOMPARE((*saved)[1].use, std::string("0"));
        QCOMPARE((*saved)[0].content, std::string("和值~9~1~0"));
    }
};

void ShrinkWindowTest::listWorkbenchPages() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    Dialogs dialogs;
    dialogs.install(w.workbench());
    gui::ShrinkWindow shrink(w.workbench());
    // Two bet lists into the intersection area; the first keeps the proposed name D0.
    dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [](QDialog& d) {
        CHECK_EQ(child<QComboBox>(d, QStringLiteral("Jiao_Ji_Name"))->currentText(), QStringLiteral("D0"));
        CHECK_EQ(child<QLabel>(d, QStringLiteral("zhu_shu_value"))->text(), QStringLiteral("共: 2 注"));
        click(d, QStringLiteral("Tou_Zhu_Btn"));
        return int(QDialog::Rejected);
    });
    dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [](QDialog& d) {
        // Choosing 星轨3 proposes D3; the user names it anyway and keeps 开奖号码.
        auto* series = child<QComboBox>(d, QStringLiteral("Jiao_Ji_LeiBie"));
        series->activated(3);
        CHECK_EQ(child<QComboBox>(d, QStringLiteral("Jiao_Ji_Name"))->currentText(), QStringLiteral("D3"));
        series->setCurrentIndex(0);
        child<QComboBox>(d, QStringLiteral("Jiao_Ji_Name"))->setEditText(QStringLiteral("  第二 "));
        click(d, QStringLiteral("Tou_Zhu_Btn"));
        return int(QDialog::Rejected);
    });
    shrink.setBetList({"123", "456"});
    click(shrink, QStringLiteral("Tou_zhu_Cmd_D0"));
    shrink.setBetList({"456", "789"});
    click(shrink, QStringLiteral("Tou_zhu_Cmd_D0"));
    QVERIFY(dialogs.unexpected.isEmpty());
    QCOMPARE(shrink.pages()->currentIndex(), 1);
    QCOMPARE(shrink.intersectionEntries().size(), std::size_t(2));
    QCOMPARE(shrink.intersectionEntries()[1].name, std::string("第二"));

    click(shrink, QStringLiteral("JiaoJi_Btn"));
    QCOMPARE(shrink.memo(1)->toPlainText(), QStringLiteral("456"));
    QCOMPARE(shrink.pageCaption(1), QStringLiteral("交集结果为开奖号码 (共:1注)"));
    // Both tolerant, 总容错 0 至 1: a number in one of the two lists is enough.
    auto* entries = child<QTableView>(shrink, QStringLiteral("Jiao_Ji_ListView"));
    for (int row : {0, 1})
        test::clickCell(entries, row, 6);
    child<QCheckBox>(shrink, QStringLiteral("Jiao_Ji_ErrCuo"))->setChecked(true);
    child<QSpinBox>(shrink, QStringLiteral("JJi_ECuo_EndValue"))->setValue(1);
    click(shrink, QStringLiteral("JiaoJi_Btn"));
    QCOMPARE(shrink.memo(1)->toPlainText(), QStringLiteral("123 456 789"));

    // The result staged (an empty name is refused first), then copied back as a third entry.
    dialogs.on(QStringLiteral("TF_Jiaoji_Frm"), [&](QDialog& d) {
        CHECK_EQ(d.windowTitle(), QStringLiteral("转入暂存区"));
        CHECK(!child<QComboBox>(d, QStringLiteral("Jiao_Ji_LeiBie"))->isVisibleTo(&d));
        child<QComboBox>(d, QStringLiteral("Jiao_Ji_Name"))->setEditText(QStringLiteral(" "));
        click(d, QStringLiteral("Tou_Zhu_Btn"));
        CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请输入 交集名称"));
        child<QComboBox>(d, QStringLiteral("Jiao_Ji_Name"))->setEditText(QStringLiteral("S1"));
        click(d, QStringLiteral("Tou_Zhu_Btn"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("AddJj_ZanCun"));
    QCOMPARE(shrink.stagedLists().size(), std::size_t(1));
    QCOMPARE(shrink.stagedLists()[0].numbers.size(), std::size_t(3));
    QCOMPARE(shrink.pages()->currentIndex(), 2);
    // A staged row chosen by the keyboard shows its numbers; 结果过滤 takes them into the bet list.
    test::setCurrentCell(child<QTableView>(shrink, QStringLiteral("Zan_Cun_Listview")), 0, 2);
    QCOMPARE(shrink.memo(2)->toPlainText(), QStringLiteral("123 456 789"));
    QCOMPARE(shrink.pageCaption(2), QStringLiteral("暂存号码 (共:3注)"));
    shrink.setBetList({"000"});
    click(shrink, QStringLiteral("bsSkinSpeedButton3"));
    QCOMPARE(shrink.betList(), (std::vector<std::string>{"123", "456", "789"}));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("已导入投注区"));
    click(shrink, QStringLiteral("Jiang_Hao_ZhuanCun"));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("共转入 1 个奖号大底"));
    QCOMPARE(shrink.intersectionEntries().size(), std::size_t(3));
    QCOMPARE(shrink.intersectionEntries()[2].name, std::string("S1"));

    // Nothing used: refused.
    std::vector<core::IntersectionEntry> unused = shrink.intersectionEntries();
    for (auto& e : unused)
        e.use = "0";
    shrink.setIntersectionEntries(unused);
    click(shrink, QStringLiteral("JiaoJi_Btn"));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("请选择要交集的组合"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void ShrinkWindowTest::drawNumbersConvertAndHandOff() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    Dialogs dialogs;
    dialogs.install(w.workbench());
    gui::ShrinkWindow shrink(w.workbench());
    shrink.memo(3)->setPlainText(QStringLiteral("112 123"));
    shrink.convertDrawNumbers(true);
    QCOMPARE(shrink.memo(3)->toPlainText(), QStringLiteral("112 121 123 132 211 213 231 312 321"));
    QCOMPARE(shrink.pageCaption(3), QStringLiteral("开奖号码 (共:9注)"));
    child<QComboBox>(shrink, QStringLiteral("Kj_hm_List"))->setCurrentIndex(2);
    QCOMPARE(shrink.memo(3)->toPlainText(), QStringLiteral("112 121 123\n132 211 213\n231 312 321"));
    shrink.memo(3)->setPlainText(QStringLiteral("321 231 555"));
    shrink.convertDrawNumbers(false);
    QCOMPARE(shrink.memo(3)->toPlainText(), QStringLiteral("123 555"));

    // "结果过滤" takes the memo of the page shown.
    shrink.pages()->setCurrentIndex(3);
    shrink.resultToBetList();
    QCOMPARE(shrink.betList(), (std::vector<std::string>{"123", "555"}));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("已导入投注区"));

    // The converter with 开奖号码 sorts the bet list into the draw-number page.
    shrink.setBetList({"987", "000"});
    dialogs.on(QStringLiteral("TF_XGuiConvert"), [](QDialog& d) {
        click(d, QStringLiteral("Guo_Lv_Btn"));
        return int(QDialog::Rejected);
    });
    shrink.pages()->setCurrentIndex(0);
    click(shrink, QStringLiteral("bsSkinSpeedButton1"));
    QCOMPARE(shrink.memo(3)->toPlainText(), QStringLiteral("000 987"));
    QCOMPARE(shrink.pages()->currentIndex(), 3);
    // 星轨1 adds the block's base number digit by digit.
    const auto key = core::seriesKey(w.workbench().trackTable(), 1);
    QVERIFY(key.has_value());
    shrink.trackConvert(1);
    const auto expected = core::TrackConvert({"987", "000"}, *key);
    QCOMPARE(shrink.memo(3)->toPlainText(), QString::fromStdString(expected[0] + " " + expected[1]));

    // Print hand-off: nothing to print is refused; a list is written for the print program.
    shrink.setBetList({});
    click(shrink, QStringLiteral("Tou_zhu_Cmd_06"));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("没有可打印的组合!"));
    shrink.setBetList({"012", "345", "678"});
    dialogs.on(QStringLiteral("TF_print"), [](QDialog& d) {
        CHECK(child<QLineEdit>(d, QStringLiteral("Print_Title"))
                  ->text()
                  .endsWith(QStringLiteral("期投注结果")));
        CHECK_EQ(child<QLabel>(d, QStringLiteral("zhu_shu"))->text(), QStringLiteral("共：3注"));
        child<QComboBox>(d, QStringLiteral("Cmd_txt_01"))->setCurrentIndex(0);
        child<QComboBox>(d, QStringLiteral("Cmd_txt_02"))->setCurrentIndex(1);
        click(d, QStringLiteral("bsSkinSpeedButton2"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tou_zhu_Cmd_06"));
    auto handoff = core::readPrintHandoff(home.home);
    QVERIFY(handoff.has_value());
    QCOMPARE(handoff->count, 3L);
    QCOMPARE(handoff->lines, (std::vector<std::string>{"   0-1-2   3-4-5", "   6-7-8"}));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void ShrinkWindowTest::historyKindsFreezeTheirCodeLists() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    Dialogs dialogs;
    dialogs.install(w.workbench());
    gui::ShrinkWindow shrink(w.workbench());
    const auto made = core::SeriesPreset(16, shrink.history(), 2);
    QVERIFY(made.has_value() && made->has_value());
    // 复隔中 on 星轨2: the code lists shown are those of the history, frozen into the line.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu_2"), [&](QDialog& editor) {
        child<QComboBox>(editor, QStringLiteral("XingGui_FuGeZhong"))->setCurrentIndex(2);
        CHECK_EQ(child<QLabel>(editor, QStringLiteral("P_Cmd_2_07_set1"))->text(),
                 QStringLiteral("复码：") + QString::fromStdString((*made)->set1));
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_07_01"))->click();
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_07_01_o2"))->click();
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tj_Cmd_2_07"));
    QVERIFY(dialogs.unexpected.isEmpty());
    QCOMPARE(shrink.conditions().size(), std::size_t(1));
    core::ReferenceElement expected = **made;
    expected.series = 2;
    QCOMPARE(shrink.conditions()[0].content, "复码个数~1~1~0&" + expected.text());

    // A 星轨7 line is refused: the track table has six blocks.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu_2"), [&](QDialog& editor) {
        child<QComboBox>(editor, QStringLiteral("XingGui_RWL"))->setCurrentIndex(7);
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_10_01"))->click();
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_10_01_o1"))->click();
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    shrink.setConditions({});
    click(shrink, QStringLiteral("Tj_Cmd_2_10"));
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("星轨参数只支持 星轨1..星轨6"));
    QVERIFY(shrink.conditions().empty());

    // 已出号码 of the last 30 draws excludes exactly those draws' numbers.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
        child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_11_01"))->click();
        child<QComboBox>(editor, QStringLiteral("PCTj_Cmd_1_11_01_1"))->setEditText(QStringLiteral("30"));
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tj_Cmd_1_11"));
    QCOMPARE(shrink.conditions().back().content, std::string("已出号码~30^0~0~0&%0"));
    click(shrink, QStringLiteral("Tou_Zhu_Btn"));
    click(shrink, QStringLiteral("Guo_Lv_Btn"));
    std::set<std::string> drawn;
    for (std::size_t i = w.workbench().draws().size() - 30; i < w.workbench().draws().size(); ++i)
        drawn.insert(w.workbench().draws()[i].digits.substr(0, 3));
    QCOMPARE(shrink.betList().size(), 1000 - drawn.size());
    for (const auto& number : shrink.betList())
        QVERIFY(!drawn.contains(number));
}

void ShrinkWindowTest::popupMenusEditTheLists() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    gui::ShrinkWindow shrink(w.workbench());
    const auto action = [&](const char* name) {
        shrink.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    shrink.setConditions({line("1", "和值", "1|0|无设置", "和值~6~1~0&"),
                          line("0", "和值", "1|0|无设置", "和值~7~1~0&"),
                          line("1", "和值", "1|0|无设置", "和值~8~1~0&")});
    action("N_NoUse");
    QVERIFY(std::ranges::all_of(shrink.conditions(), [](const auto& l) { return l.use == "0"; }));
    action("N_AllTolerant");
    QVERIFY(std::ranges::all_of(shrink.conditions(), [](const auto& l) { return l.tolerant == "1"; }));
    auto* list = child<QTableView>(shrink, QStringLiteral("ListView_Tj"));
    list->selectRow(1);
    action("N_DeleteRow");
    QCOMPARE(shrink.conditions().size(), std::size_t(2));
    QCOMPARE(shrink.conditions()[1].content, std::string("和值~8~1~0&"));
    QCOMPARE(test::cellText(list, 1, 0), QStringLiteral("2"));
    action("N_DeleteAll");
    QVERIFY(shrink.conditions().empty());

    // 新增号码 keeps the digits of the answer; anything but three is refused.
    shrink.setBetList({"111"});
    home.prompter.answerText(QStringLiteral("1 2 3"));
    action("N_AddBet");
    home.prompter.answerText(QStringLiteral("12"));
    action("N_AddBet");
    QCOMPARE(home.prompter.lastMessage(), QStringLiteral("投注号码格式不正确!"));
    QCOMPARE(shrink.betList(), (std::vector<std::string>{"111", "123"}));
    child<QTableView>(shrink, QStringLiteral("TZ_List"))->selectRow(0);
    action("N_DeleteBet");
    QCOMPARE(shrink.betList(), (std::vector<std::string>{"123"}));
    QCOMPARE(shrink.countLabel(), QStringLiteral("共: 1 注"));
}

void ShrinkWindowTest::shutDownAfterTheWorkspaceIsGoneSavesTheOneList() {
    test::GuiHome home;
    {
        std::ofstream out(home.home / "~tmp_tj.ag");
        out << "Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~6\nEnd_Tianjiao\n";
    }
    gui::MainWindow& w = home.start();
    {
        // The workspace shows the workbench's list as read at start-up; what it changes is the list.
        gui::ShrinkWindow shrink(w.workbench());
        QCOMPARE(child<QTableView>(shrink, QStringLiteral("ListView_Tj"))->model()->rowCount(), 1);
        shrink.setConditions({line("1", "跨度", "1|0|无设置", "跨度~5~1~0")});
    }
    // The workspace is gone before the shut-down: the list it left is saved, not the file's old rows.
    QCOMPARE(w.workbench().conditions().size(), std::size_t(1));
    w.close();
    auto kept = core::readConditionFile(home.home / "~tmp_tj.ag");
    QVERIFY(kept.has_value());
    QCOMPARE(kept->size(), std::size_t(1));
    QCOMPARE(kept->front().content, std::string("跨度~5~1~0"));
}

void ShrinkWindowTest::singleRecordKindsCarryTheirToleranceToTheLine() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    Dialogs dialogs;
    dialogs.install(w.workbench());
    gui::ShrinkWindow shrink(w.workbench());
    // 组选类型: the sub-options follow their heads; the value lists the chosen shapes in order.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [](QDialog& editor) {
        const auto box = [&](const char* name) {
            return child<QCheckBox>(editor, QString::fromLatin1(name));
        };
        box("Tz_L_Baozj")->click();
        CHECK(!box("PCTj_Cmd_1_01_01_o3")->isEnabled());
        box("PCTj_Cmd_1_01_01_o1")->click();
        box("PCTj_Cmd_1_01_01_o2")->click();
        CHECK(box("PCTj_Cmd_1_01_01_o3")->isEnabled());
        box("PCTj_Cmd_1_01_01_o4")->click();
        box("PCTj_Cmd_1_01_01_o5")->click();
        box("PCTj_Cmd_1_01_01_o8")->click();
        box("PCTj_Cmd_1_01_01_err")->click();
        CHECK_EQ(child<QLabel>(editor, QStringLiteral("StatusBar1_1"))->text(), QStringLiteral("容错: 0个"));
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tj_Cmd_1_01"));
    QCOMPARE(shrink.conditions().back().content, std::string("组选类型~豹子号 组三_连 顺子 半顺~1~1&"));
    QCOMPARE(shrink.conditions().back().tolerant, std::string("1"));

    // 和值 with the preset 奇数: the odd sums.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [](QDialog& editor) {
        child<QCheckBox>(editor, QStringLiteral("PCTj_Cmd_1_06_01"))->click();
        child<QComboBox>(editor, QStringLiteral("tmp_He_zhi"))->activated(0);
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tj_Cmd_1_06"));
    QCOMPARE(shrink.conditions().back().content,
             std::string("和值~1 3 5 7 9 11 13 15 17 19 21 23 25 27~1~0&"));

    // 群号: its one main box starts ticked, and its 容错 box goes to the line's column.
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu_2"), [](QDialog& editor) {
        CHECK(child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_03_01"))->isChecked());
        CHECK(!child<QCheckBox>(editor, QStringLiteral("Err_Check_Box"))->isVisibleTo(&editor));
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_03_01_o1"))->click();
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_03_01_o4"))->click();
        child<QRadioButton>(editor, QStringLiteral("P_Cmd_2_03_01_exclude"))->click();
        child<QCheckBox>(editor, QStringLiteral("P_Cmd_2_03_01_err"))->click();
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    click(shrink, QStringLiteral("Tj_Cmd_2_03"));
    QCOMPARE(shrink.conditions().back().content, std::string("群号~0号 3号~0~1&"));
    QCOMPARE(shrink.conditions().back().tolerant, std::string("1"));
    QCOMPARE(shrink.conditions().back().counts, std::string("1|0|无设置"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void ShrinkWindowTest::memoPopupsAndColumnBoxes() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    gui::ShrinkWindow shrink(w.workbench());
    const QStringList seven{QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003"),
                            QStringLiteral("004"), QStringLiteral("005"), QStringLiteral("006"),
                            QStringLiteral("007")};
    const std::vector<std::pair<const char*, const char*>> pages{
        {"Jiao_Ji_JieGuo", "JiaoJi_List"}, {"Zan_C_Memo", "ZanCun_List"}, {"Kjhm_Memo", "Kj_hm_List"}};
    for (const auto& [memoName, boxName] : pages) {
        auto* memo = child<QPlainTextEdit>(shrink, QString::fromLatin1(memoName));
        auto* columns = child<QComboBox>(shrink, QString::fromLatin1(boxName));
        QCOMPARE(columns->count(), 10);
        QCOMPARE(columns->currentText(), QStringLiteral("10"));
        auto* clear = memo->findChild<QAction*>(QStringLiteral("N_MemoClear"));
        auto* copy = memo->findChild<QAction*>(QStringLiteral("N_MemoCopy"));
        QVERIFY(clear && copy);
        QCOMPARE(clear->text(), QStringLiteral("清空"));
        QCOMPARE(copy->text(), QStringLiteral("全部复制"));

        // An empty memo: nothing to lay out, both popup entries disabled.
        columns->setCurrentIndex(2);
        QCOMPARE(memo->toPlainText(), QString());
        QVERIFY(!clear->isEnabled() && !copy->isEnabled());

        // Seven numbers in three columns: lines of 3, 3 and 1; back to ten columns: one line.
        memo->setPlainText(seven.join(QLatin1Char(' ')));
        columns->setCurrentIndex(0);
        columns->setCurrentIndex(2);
        QCOMPARE(memo->toPlainText(), QStringLiteral("001 002 003\n004 005 006\n007"));
        columns->setCurrentIndex(9);
        QCOMPARE(memo->toPlainText(), seven.join(QLatin1Char(' ')));

        QVERIFY(clear->isEnabled() && copy->isEnabled());
        QApplication::clipboard()->clear();
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), seven.join(QLatin1Char(' ')));
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("已复制"));
        clear->trigger();
        QCOMPARE(memo->toPlainText(), QString());
        QVERIFY(!clear->isEnabled() && !copy->isEnabled());
    }
}

void ShrinkWindowTest::modifyRowListLines() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    Dialogs dialogs;
    dialogs.install(w.workbench());
    gui::ShrinkWindow shrink(w.workbench());
    const auto radio = [](QDialog& editor, const char* rows, const QString& text) {
        for (QRadioButton* b :
             child<QWidget>(editor, QString::fromLatin1(rows))->findChildren<QRadioButton*>())
            if (b->text() == text) return b;
        qFatal("no radio %s", qPrintable(text));
    };
    shrink.setConditions(
        {line("1", "定位复式", "2|1|无设置", "按位复式~1^0123/456/789^23~1~0&按位复式~1^5/6/7^3~0~1&"),
         line("1", "号码组", "1|0|无设置", "号码组~1^0257^12^1~1~0&")});

    // 定位复式: 修改 without a chosen row is refused; a row chosen by the keyboard is loaded and rewritten.
    test::setCurrentCell(child<QTableView>(shrink, QStringLiteral("ListView_Tj")), 0, 2);
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
        auto* rows = child<QTableView>(editor, QStringLiteral("Tj_08_Grid_4"));
        CHECK_EQ(rows->model()->rowCount(), 2);
        click(editor, QStringLiteral("PCTj_Cmd_1_08_Modify"));
        CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("您没有选择可以修改的条件"));
        test::setCurrentCell(rows, 1, 2);
        auto* hundreds = child<gui::BallGrid>(editor, QStringLiteral("Tj_08_Grid_1"));
        CHECK(hundreds->chosenValues() == (std::vector<int>{5}));
        CHECK(child<QCheckBox>(editor, QStringLiteral("Tj_08_Count_3"))->isChecked());
        CHECK(!child<QCheckBox>(editor, QStringLiteral("Tj_08_Count_2"))->isChecked());
        CHECK(radio(editor, "PCTj_Cmd_1_08_rows", QStringLiteral("排除"))->isChecked());
        clickBall(hundreds, 6);
        child<QCheckBox>(editor, QStringLiteral("Tj_08_Count_2"))->click();
        click(editor, QStringLiteral("PCTj_Cmd_1_08_Modify"));
        CHECK_EQ(test::cellText(rows, 1, 2), QStringLiteral("56/6/7"));
        CHECK_EQ(test::cellText(rows, 1, 3), QStringLiteral("23"));
        CHECK_EQ(test::cellText(rows, 0, 2), QStringLiteral("0123/456/789"));
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    shrink.modifyCurrentCondition();
    QCOMPARE(shrink.conditions().size(), std::size_t(2));
    QCOMPARE(shrink.conditions()[0].content,
             std::string("按位复式~1^0123/456/789^23~1~0&按位复式~1^56/6/7^23~0~1&"));
    QCOMPARE(shrink.conditions()[0].counts, std::string("2|1|无设置"));

    // 号码组: the row comes back into the grids and the 算1个 choice, and 修改 rewrites it.
    test::setCurrentCell(child<QTableView>(shrink, QStringLiteral("ListView_Tj")), 1, 2);
    dialogs.on(QStringLiteral("TF_GuoL_FuZhu"), [&](QDialog& editor) {
        auto* rows = child<QTableView>(editor, QStringLiteral("Tj_09_Grid_3"));
        test::setCurrentCell(rows, 0, 2);
        auto* group = child<gui::BallGrid>(editor, QStringLiteral("Tj_09_Grid_1"));
        CHECK(group->chosenValues() == (std::vector<int>{0, 2, 5, 7}));
        CHECK(child<gui::BallGrid>(editor, QStringLiteral("Tj_09_Grid_2"))->chosenValues() ==
              (std::vector<int>{1, 2}));
        CHECK(radio(editor, "PCTj_Cmd_1_09_rows", QStringLiteral("重复数字算1个"))->isChecked());
        clickBall(group, 9);
        radio(editor, "PCTj_Cmd_1_09_rows", QStringLiteral("重复数字算多个"))->click();
        click(editor, QStringLiteral("PCTj_Cmd_1_09_Modify"));
        click(editor, QStringLiteral("Btn_Add_Tj"));
        return int(QDialog::Rejected);
    });
    shrink.modifyCurrentCondition();
    QCOMPARE(shrink.conditions()[1].content, std::string("号码组~1^02579^12^0~1~0&"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void ShrinkWindowTest::filterRunMatchesTheCore() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    gui::ShrinkWindow shrink(w.workbench());
    std::vector<std::string> all;
    for (int n = 0; n < 1000; ++n)
        all.push_back(QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')).toStdString());
    // Lines of two tabs: tolerant single-record lines, a level tolerance, and an excluding record.
    auto sum = line("1", "和值", "1|0|无设置", "和值~10 11 12 13 14 15 16 17~1~0&");
    sum.tolerant = "1";
    auto group = line("1", "群号", "1|0|无设置", "群号~0号 3号~0~1&");
    group.tolerant = "1";
    const core::ConditionList lines{sum,
                                    line("1", "顺序排序", "2|2|1-1", "最小号~0 1 2~1~1&最大号~7 8 9~0~1&"),
                                    group, line("0", "和值", "1|0|无设置", "和值~0~1~0&")};
    shrink.setConditions(lines);
    shrink.setBetList(all);
    child<QCheckBox>(shrink, QStringLiteral("Z_RCuo"))->setChecked(true);
    child<QSpinBox>(shrink, QStringLiteral("Z_Err_End_m"))->setValue(1);
    click(shrink, QStringLiteral("Guo_Lv_Btn"));
    auto expected = core::FilterBetList(all, lines, core::TotalTolerance{true, 0, 1}, core::SeriesHistory{});
    QVERIFY(expected.has_value());
    QVERIFY(!expected->kept.empty() && expected->kept.size() < 1000);
    QCOMPARE(shrink.betList(), expected->kept);
    QCOMPARE(shrink.countLabel(), QStringLiteral("共: %1 注").arg(expected->kept.size()));
    // Without the total tolerance fewer remain.
    shrink.setBetList(all);
    child<QCheckBox>(shrink, QStringLiteral("Z_RCuo"))->setChecked(false);
    click(shrink, QStringLiteral("Guo_Lv_Btn"));
    auto strict = core::FilterBetList(all, lines, core::TotalTolerance{}, core::SeriesHistory{});
    QVERIFY(strict.has_value());
    QCOMPARE(shrink.betList(), strict->kept);
    QVERIFY(strict->kept.size() < expected->kept.size());
}

void ShrinkWindowTest::conditionFileWithAnAwkwardName() {
    test::GuiHome home;
    gui::MainWindow& w = home.start();
    gui::ShrinkWindow shrink(w.workbench());
    const core::ConditionList lines{line("1", "和值", "1|0|无设置", "和值~6 7~1~0&"),
                                    line("0", "顺序排序", "2|2|1-1", "最小号~0 1 2~1~1&最大号~7 8 9~0~1&")};
    shrink.setConditions(lines);
    // Quotes, blanks and Chinese in the name; no dot, so .ag is appended.
    const auto plain = home.home / "方案 \"甲\" 'b'";
    home.prompter.answerFile(QString::fromStdString(plain.string()));
    shrink.saveConditionFile();
    const auto saved = home.home / "方案 \"甲\" 'b'.ag";
    QVERIFY(std::filesystem::exists(saved));

    // A cancelled open leaves the list; the file reopened gives the rows back without the final "&".
    shrink.setConditions({});
    home.prompter.answerFile(QString());
    shrink.openConditionFile();
    QVERIFY(shrink.conditions().empty());
    home.prompter.answerFile(QString::fromStdString(saved.string()));
    shrink.openConditionFile();
    QCOMPARE(shrink.conditions().size(), std::size_t(2));
    QCOMPARE(shrink.conditions()[1].use, std::string("0"));
    QCOMPARE(shrink.conditions()[1].counts, std::string("2|2|1-1"));
    QCOMPARE(shrink.conditions()[1].content, std::string("最小号~0 1 2~1~1&最大号~7 8 9~0~1"));
    QCOMPARE(shrink.conditions()[0].content, std::string("和值~6 7~1~0"));

    // A file that is not a condition file empties the list and shows no row.
    const auto junk = home.home / "junk.ag";
    std::ofstream(junk) << "hello\n";
    home.prompter.answerFile(QString::fromStdString(junk.string()));
    shrink.openConditionFile();
    QVERIFY(shrink.conditions().empty());
    QCOMPARE(child<QTableView>(shrink, QStringLiteral("ListView_Tj"))->model()->rowCount(), 0);

    // Lines it cannot use are named on loading, stay in the list, and are saved back as they were.
    const auto odd = home.home / "odd.ag";
    const std::string oddText = "Begin_Tianjiao\r\n1~鍜屽€~1|0|无设置~1~0\r\n鍜屽€~6~1~0\r\nEnd_Tianjiao\r\n"
                                "手写的说明\r\n"
                                "Begin_Tianjiao\r\n1~和值~1|0|无设置~1~0\r\n和值~6~1~0\r\nEnd_Tianjiao\r\n";
    std::ofstream(odd, std::ios::binary) << oddText;
    home.prompter.answerFile(QString::fromStdString(odd.string()));
    shrink.openConditionFile();
    QCOMPARE(shrink.conditions().size(), std::size_t(3));
    QCOMPARE(
        home.prompter.lastMessage(),
        QStringLiteral(
            "条件文件第 1 行 (条件序号1) 无法使用: 条件名无法识别: 1~鍜屽€~1|0|无设置~1~0\n"
            "条件文件第 5 行 (条件序号2) 无法使用: 不在 Begin_Tianjiao 与 End_Tianjiao 之间: 手写的说明"));
    const auto again = home.home / "again.ag";
    home.prompter.answerFile(QString::fromStdString(again.string()));
    shrink.saveConditionFile();
    auto savedText = core::readTextFile(again);
    QVERIFY(savedText.has_value());
    QCOMPARE(*savedText, oddText);
}

void ShrinkWindowTest::nameDialogFocusesTheNameWhenActivated() {
    gui::ScriptedPrompter prompter;
    gui::IntersectionNameDialog dialog(prompter);
    dialog.prepare(QStringLiteral("大底交集"), QStringLiteral("交集名称："), QStringLiteral("D0"), 0, true,
                   2);
    dialog.show();
    dialog.seriesBox()->setFocus();
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.seriesBox()));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
    QWidget* focus = dialog.focusWidget();
    QVERIFY(focus == dialog.nameBox() || focus == dialog.nameBox()->lineEdit());
    dialog.hide();
}

QTEST_MAIN(ShrinkWindowTest)
#include "shrink_window_test.moc"
