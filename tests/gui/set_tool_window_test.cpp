// The set tool window TF_Jhentool on a test home: sets added from files and typed, intersection with
// tolerance, union, find, the flag columns, and set-list files saved and opened again.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "core/tools/set_tool.h"
#include "gui/app/main_window.h"
#include "gui/app/open_file.h"
#include "gui/shrink/shrink_window.h"
#include "gui/tools/set_tool_window.h"
#include "gui_fixture.h"

using namespace p3;
using gui::SetToolWindow;

namespace {

QString writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return QString::fromStdString(path.string());
}

template <class W> W* child(SetToolWindow& tool, const char* name) {
    auto* w = tool.findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

void click(SetToolWindow& tool, const char* name) {
    child<QPushButton>(tool, name)->click();
}

QString memo(SetToolWindow& tool, const char* name) {
    // The result memo ends its last line with a line break.
    return child<QPlainTextEdit>(tool, name)->toPlainText().trimmed();
}

QString cell(SetToolWindow& tool, int row, int column) {
    return test::cellText(child<QTableView>(tool, "Jiao_Ji_ListView"), row, column);
}

/// Opens the tool from the main window's menu entry "集合统计".
SetToolWindow& openTool(gui::MainWindow& w) {
    QAction* entry = w.findChild<QAction*>(QStringLiteral("N1"));
    if (!entry) qFatal("no menu entry N1");
    entry->trigger();
    auto* tool = w.findChild<SetToolWindow*>(QStringLiteral("TF_Jhentool"));
    if (!tool) qFatal("the set tool did not open");
    return *tool;
}

} // namespace

class SetToolWindowTest : public QObject {
    Q_OBJECT
private slots:
    void addsSetsFromFilesAndIntersects() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        SetToolWindow& tool = openTool(w);
        QVERIFY(tool.isVisible());
        QCOMPARE(tool.windowTitle(), QStringLiteral("集合统计"));
        QCOMPARE(&openTool(w), &tool); // created once

        h.prompter.answerFile(writeFile(h.dir / "A.txt", "123 456\n"));
        click(tool, "Btn_Add");
        h.prompter.answerFile(writeFile(h.dir / "B.txt", "4 5 6\n78 9\n"));
        click(tool, "Btn_Add");
        // The same file again gets a free name.
        h.prompter.answerFile(writeFile(h.dir / "A.txt", "123 456\n"));
        click(tool, "Btn_Add");
        QCOMPARE(child<QTableView>(tool, "Jiao_Ji_ListView")->model()->rowCount(), 3);
        QCOMPARE(cell(tool, 1, 2), QStringLiteral("B"));
        QCOMPARE(cell(tool, 1, 3), QStringLiteral("2"));
        QCOMPARE(cell(tool, 2, 2), QStringLiteral("A(1)"));
        QCOMPARE(cell(tool, 2, 0), QStringLiteral("3"));

        // An empty file adds nothing.
        h.prompter.answerFile(writeFile(h.dir / "empty.txt", "\n\n"));
        click(tool, "Btn_Add");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("文件为空 或 数据格式不正确!"));
        QCOMPARE(child<QTableView>(tool, "Jiao_Ji_ListView")->model()->rowCount(), 3);

        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("456"));
        auto* box = qobject_cast<QGroupBox*>(child<QPlainTextEdit>(tool, "Jiao_Ji_JieGuo")->parentWidget());
        QVERIFY(box);
        QCOMPARE(box->title(), QStringLiteral("共: (1)"));

        // Keep "0" on B: the numbers of A that are not in B.
        auto* list = child<QTableView>(tool, "Jiao_Ji_ListView");
        test::clickCell(list, 1, 4);
        QCOMPARE(cell(tool, 1, 4), QStringLiteral("0"));
        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("123"));

        // Taking part "0" on every set: nothing to intersect.
        for (int r = 0; r < 3; ++r)
            test::clickCell(list, r, 1);
        click(tool, "Btn_YongSuan");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("请选择要交集的组合"));

        // Deleting renumbers; clearing empties.
        list->selectRow(0);
        click(tool, "Btn_Del");
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(cell(tool, 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(tool, 0, 2), QStringLiteral("B"));
        click(tool, "Btn_Clear");
        QCOMPARE(list->model()->rowCount(), 0);
        click(tool, "Btn_YongSuan");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("集合列表中没有数据!"));
    }

    void toleranceUnionAndFind() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        SetToolWindow& tool = openTool(w);
        auto* typed = child<QPlainTextEdit>(tool, "Hm_PanelValue");
        auto* name = child<QLineEdit>(tool, "Jiao_ji_Add_Txt");

        typed->setPlainText(QStringLiteral("111 222 333"));
        click(tool, "Btn_Add_Jihe");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("请输入集合名称!"));
        name->setText(QStringLiteral("S1"));
        click(tool, "Btn_Add_Jihe");
        click(tool, "Btn_Add_Jihe");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("集合名称重复!"));
        name->setText(QStringLiteral("S2"));
        typed->setPlainText(QStringLiteral("1 1 1 2 2 2"));
        click(tool, "Btn_Add_Jihe");
        name->setText(QStringLiteral("S3"));
        typed->setPlainText(QStringLiteral("111 44"));
        click(tool, "Btn_Add_Jihe");
        name->setText(QStringLiteral("S4"));
        typed->setPlainText(QStringLiteral("12"));
        click(tool, "Btn_Add_Jihe");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("输入错误 输入的号码不够组成正确号码!"));
        click(tool, "Btn_Clear_Jihe");
        QVERIFY(typed->toPlainText().isEmpty());
        auto* list = child<QTableView>(tool, "Jiao_Ji_ListView");
        QCOMPARE(list->model()->rowCount(), 3);

        // S3 tolerates; a tolerance of exactly one miss keeps the numbers of S1 and S2 missing S3.
        test::clickCell(list, 2, 5);
        child<QCheckBox>(tool, "Jiao_Ji_ErrCuo")->setChecked(true);
        child<QSpinBox>(tool, "JJi_ECuo_BegValue")->setValue(1);
        child<QSpinBox>(tool, "JJi_ECuo_EndValue")->setValue(1);
        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("222"));
        child<QSpinBox>(tool, "JJi_ECuo_BegValue")->setValue(0);
        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("111 222"));

        // Union: first-appearance order; the tolerance controls and the keep columns go away.
        child<QRadioButton>(tool, "Jiao_ji_2")->setChecked(true);
        QVERIFY(!child<QCheckBox>(tool, "Jiao_Ji_ErrCuo")->isEnabled());
        QVERIFY(list->isColumnHidden(4) && list->isColumnHidden(5));
        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("111 222 333"));
        child<QRadioButton>(tool, "Jiao_ji_1")->setChecked(true);
        QVERIFY(!list->isColumnHidden(4));

        // Find.
        auto* find = child<QLineEdit>(tool, "Find_Hm");
        find->setText(QStringLiteral("12"));
        click(tool, "Btn_Find");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("请正确输入要查询的号码!"));
        find->setText(QStringLiteral("222"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(memo(tool, "Find_JieGuo"),
                 QStringLiteral("您要查找的号码：222\n\n存在于下列集合中：\n\n[S1], [S2]"));
        find->setText(QStringLiteral("999"));
        click(tool, "Btn_Find");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("您要查找的号码 999 在集合列表中没有找到!"));

        // Selecting a set shows its numbers.
        list->selectRow(1);
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("111 222"));
    }

    void savesAndOpensSetLists() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        SetToolWindow& tool = openTool(w);
        click(tool, "Btn_Save");
        QCOMPARE(h.prompter.lastMessage(), QStringLiteral("集合列表没有可保存的记录"));

        auto* typed = child<QPlainTextEdit>(tool, "Hm_PanelValue");
        auto* name = child<QLineEdit>(tool, "Jiao_ji_Add_Txt");
        name->setText(QStringLiteral("甲"));
        typed->setPlainText(QStringLiteral("555 333"));
        click(tool, "Btn_Add_Jihe");
        name->setText(QStringLiteral("乙"));
        typed->setPlainText(QStringLiteral("333 111"));
        click(tool, "Btn_Add_Jihe");
        auto* list = child<QTableView>(tool, "Jiao_Ji_ListView");
        test::clickCell(list, 1, 4);
        test::clickCell(list, 1, 5);
        const core::SetList before = tool.sets();

        const std::filesystem::path chosen = h.dir / "lists";
        h.prompter.answerFile(QString::fromStdString(chosen.string()));
        click(tool, "Btn_Save");
        QVERIFY(std::filesystem::exists(h.dir / "lists.SGL"));

        click(tool, "Btn_Clear");
        h.prompter.answerFile(QString::fromStdString((h.dir / "lists.SGL").string()));
        click(tool, "Btn_Open");
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY(tool.sets().sets() == before.sets());
        QCOMPARE(cell(tool, 1, 2), QStringLiteral("乙"));
        QCOMPARE(cell(tool, 1, 4), QStringLiteral("0"));
        QCOMPARE(cell(tool, 1, 5), QStringLiteral("1"));

        // The result memo saved as text.
        child<QRadioButton>(tool, "Jiao_ji_2")->setChecked(true);
        click(tool, "Btn_YongSuan");
        QCOMPARE(memo(tool, "Jiao_Ji_JieGuo"), QStringLiteral("555 333 111"));
        h.prompter.answerFile(QString::fromStdString((h.dir / "result").string()));
        click(tool, "JG_Save");
        std::ifstream in(h.dir / "result.txt");
        std::string line;
        std::getline(in, line);
        QCOMPARE(QString::fromStdString(line).trimmed(), QStringLiteral("555 333 111"));

        // "打印" hands the memo's numbers to the print window.
        QString printed;
        w.workbench().setDialogRunner([&](QDialog& dialog) {
            printed = dialog.objectName() + QLatin1Char(' ') +
                      dialog.findChild<QPlainTextEdit*>(QStringLiteral("Print_Preview"))->toPlainText();
            return int(QDialog::Rejected);
        });
        click(tool, "JG_Print");
        QVERIFY2(printed.startsWith(QStringLiteral("TF_print ")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("5,5,5")) && printed.contains(QStringLiteral("1,1,1")),
                 qPrintable(printed));

        // A file that holds no set is refused with a message naming it; the sets stay.
        h.prompter.answerFile(writeFile(h.dir / "junk.SGL", "no header here\n"));
        click(tool, "Btn_Open");
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY2(h.prompter.lastMessage().startsWith(QStringLiteral("集合列表文件中没有集合")),
                 qPrintable(h.prompter.lastMessage()));
    }

    // A file handed to the workbench (a double-click on the desktop) lands in the window of its kind,
    // whatever the case of its extension; another file is refused by name and changes nothing.
    void filesFromTheDesktopOpenInTheirWindows() {
        test::GuiHome h;
        gui::MainWindow& w = h.start();
        auto* shrink = new gui::ShrinkWindow(w.workbench());
        const QString scheme =
            writeFile(h.dir / "plan.AG", "Begin_Tianjiao\n1~和值~1|0|无设置~1~0\n和值~6\nEnd_Tianjiao\n");
        QVERIFY(gui::openFileOnStart(w.workbench(), *shrink, scheme));
        QVERIFY(shrink->isVisible());
        QCOMPARE(shrink->conditions().size(), std::size_t(1));
        QCOMPARE(shrink->conditions().front().content, std::string("和值~6"));

        core::SetList list;
        QVERIFY(list.addTyped("甲", "123 456").has_value());
        const QString sets = writeFile(h.dir / "lists.sgl", list.toSgl());
        QVERIFY(gui::openFileOnStart(w.workbench(), *shrink, sets));
        auto* tool = w.findChild<SetToolWindow*>(QStringLiteral("TF_Jhentool"));
        QVERIFY(tool && tool->isVisible());
        QCOMPARE(tool->sets().sets().size(), std::size_t(1));

        const QString other = writeFile(h.dir / "draws.txt", "2024001 123\n");
        QVERIFY(!gui::openFileOnStart(w.workbench(), *shrink, other));
        QVERIFY2(h.prompter.lastMessage().contains(QStringLiteral("draws.txt")),
                 qPrintable(h.prompter.lastMessage()));
        QCOMPARE(shrink->conditions().size(), std::size_t(1));
    }
};

QTEST_MAIN(SetToolWindowTest)
#include "set_tool_window_test.moc"
