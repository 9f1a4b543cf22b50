// The workbench's ways out to the user and the desktop: the help window with the manual (menu and F1), the
// desktop calculator, the print program's lookup, Qt's own dialogs in Chinese, and the file dialogs with
// real name filters and remembered folders.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <fstream>

#include "gui/app/translations.h"
#include "gui/widgets/file_dialogs.h"
#include "gui/widgets/help_window.h"
#include "gui/widgets/prompter.h"
#include "gui_fixture.h"

using namespace p3;
namespace fs = std::filesystem;

namespace {

/// A program that does nothing, executable.
void makeProgram(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "#!/bin/sh\nexit 0\n";
    fs::permissions(file, fs::perms::owner_all);
}

/// PATH for one test, given back at its end.
struct PathVariable {
    QByteArray saved = qgetenv("PATH");
    explicit PathVariable(const QByteArray& value) { qputenv("PATH", value); }
    ~PathVariable() { qputenv("PATH", saved); }
};

struct Started {
    QString program;
    QStringList arguments;
};

/// Answers the next modal dialog of type D from inside its event loop: `act` checks and accepts or rejects
/// it.
template <typename D> void onNextDialog(const std::function<void(D&)>& act) {
    QTimer::singleShot(0, qApp, [act] {
        D* dialog = nullptr;
        const bool up = QTest::qWaitFor(
            [&] {
                dialog = qobject_cast<D*>(QApplication::activeModalWidget());
                return dialog != nullptr;
            },
            3000);
        if (!up) qFatal("no %s came up", D::staticMetaObject.className());
        act(*dialog);
    });
}

void onNextFileDialog(const std::function<void(QFileDialog&)>& act) {
    onNextDialog<QFileDialog>(act);
}

QStringList listedFiles(QFileDialog& dialog) {
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!list) return {};
    QStringList names;
    // The folder is read in the background; wait until it has been.
    if (!QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) > 0; }, 3000)) return {};
    QTest::qWait(50);
    for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
        names << list->model()->index(r, 0, list->rootIndex()).data().toString();
    return names;
}

} // namespace

class HelpToolsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // As the program does at start: Qt's texts in Chinese.
        QVERIFY(gui::installQtTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
    }

    void qtTextsAreChinese() {
        QCOMPARE(gui::programLocale(QLocale(QLocale::English, QLocale::UnitedStates)).name(),
                 QStringLiteral("zh_CN"));
        QCOMPARE(gui::programLocale(QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan))
                     .name(),
                 QStringLiteral("zh_TW"));
        QCOMPARE(QLocale().name(), QStringLiteral("zh_CN"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    }

    void filterTextsBecomeQtNameFilters() {
        QCOMPARE(gui::qtNameFilters(QStringLiteral("*.txt|*.txt")),
                 QStringList{QStringLiteral("*.txt (*.txt *.TXT)")});
        QCOMPARE(gui::qtNameFilters(QStringLiteral("文本文件(*.txt)|*.txt")),
                 QStringList{QStringLiteral("文本文件 (*.txt *.TXT)")});
        QCOMPARE(gui::qtNameFilters(QStringLiteral("文本文件*.txt|*.txt")),
                 QStringList{QStringLiteral("文本文件 (*.txt *.TXT)")});
        QCOMPARE(gui::qtNameFilters(QStringLiteral("保存集合列表 *.SGL|*.SGL")),
                 QStringList{QStringLiteral("保存集合列表 (*.SGL *.sgl)")});
        QCOMPARE(gui::qtNameFilters(QStringLiteral("条件|*.ag;*.txt|全部|*")),
                 (QStringList{QStringLiteral("条件 (*.ag *.AG *.txt *.TXT)"), QStringLiteral("全部 (*)")}));
        // Qt's own filter texts pass as they are.
        QCOMPARE(gui::qtNameFilters(QStringLiteral("*.ag")), QStringList{QStringLiteral("*.ag")});
        QCOMPARE(gui::qtNameFilters(QStringLiteral("*.txt (*.txt)")),
                 QStringList{QStringLiteral("*.txt (*.txt)")});
        QCOMPARE(gui::fileKindOf(QStringLiteral("保存集合列表 *.SGL|*.SGL")), QStringLiteral("*.sgl"));
        QCOMPARE(gui::fileKindOf(QStringLiteral("*.ag")), QStringLiteral("*.ag"));
        QCOMPARE(gui::fileKindOf(QString()), QStringLiteral("*"));
    }

    void fileDialogsListTheFilesAndRememberTheirFolder() {
        test::ScratchDir dir{"file-dialogs"};
        const QString home = QString::fromStdString(dir.path().string());
        const fs::path lists = dir.path() / "lists";
        fs::create_directories(lists);
        std::ofstream(dir.path() / "a.txt") << "027\n";
        std::ofstream(dir.path() / "B.TXT") << "123\n";
        std::ofstream(dir.path() / "plan.ag") << "\n";
        std::ofstream(lists / "c.txt") << "456\n";
        gui::QtPrompter prompter(home);
        gui::Prompter& asked = prompter;

        // The first open starts in the home, lists the number files (either case) and not the others, and
        // speaks Chinese.
        QStringList listed;
        QString startedIn;
        QStringList filters;
        QString cancelText;
        onNextFileDialog([&](QFileDialog& dialog) {
            startedIn = dialog.directory().absolutePath();
            filters = dialog.nameFilters();
            listed = listedFiles(dialog);
            if (auto* box = dialog.findChild<QDialogButtonBox*>())
                if (auto* cancel = box->button(QDialogButtonBox::Cancel)) cancelText = cancel->text();
            // As a user types a path into the name box.
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) qFatal("no name box in the file dialog");
            name->setText(QString::fromStdString((lists / "c.txt").string()));
            static_cast<QDialog&>(dialog).done(QDialog::Accepted);
        });
        const QString chosen =
            asked.openFileName(nullptr, QStringLiteral("打开"), QStringLiteral("*.txt|*.txt"));
        QCOMPARE(startedIn, QDir(home).absolutePath());
        QCOMPARE(filters, QStringList{QStringLiteral("*.txt (*.txt *.TXT)")});
        QVERIFY2(listed.contains(QStringLiteral("a.txt")), qPrintable(listed.join(',')));
        QVERIFY(listed.contains(QStringLiteral("B.TXT")));
        QVERIFY(!listed.contains(QStringLiteral("plan.ag")));
        QCOMPARE(cancelText, QStringLiteral("取消"));
        QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("c.txt"));

        // The next number file starts where the last one was; another kind of file still in the home.
        onNextFileDialog([&](QFileDialog& dialog) {
            startedIn = dialog.directory().absolutePath();
            static_cast<QDialog&>(dialog).done(QDialog::Rejected);
        });
        QVERIFY(asked.saveFileName(nullptr, QStringLiteral("另存为"), QStringLiteral("文本文件*.txt|*.txt"))
                    .isEmpty());
        QCOMPARE(startedIn, QDir(QString::fromStdString(lists.string())).absolutePath());
        onNextFileDialog([&](QFileDialog& dialog) {
            startedIn = dialog.directory().absolutePath();
            static_cast<QDialog&>(dialog).done(QDialog::Rejected);
        });
        QVERIFY(
            asked.openFileName(nullptr, QStringLiteral("导入已存方案"), QStringLiteral("*.ag")).isEmpty());
        QCOMPARE(startedIn, QDir(home).absolutePath());

        // Remembered between runs; a folder that is gone falls back to the home.
        gui::FolderMemory again(home);
        QCOMPARE(QDir(again.startFolder(QStringLiteral("*.txt"))).absolutePath(),
                 QDir(QString::fromStdString(lists.string())).absolutePath());
        fs::remove_all(lists);
        QCOMPARE(again.startFolder(QStringLiteral("*.txt")), home);
    }

    // The real prompter shows each question in its own dialog, with the caption, text and starting value
    // the window gave, and hands back what the user did there.
    void questionsReachTheirRealDialogs() {
        gui::QtPrompter prompter;
        gui::Prompter& asked = prompter;
        QString title;
        QString text;

        onNextDialog<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        asked.information(nullptr, QStringLiteral("已复制"));
        QCOMPARE(title, QStringLiteral("提示"));
        QCOMPARE(text, QStringLiteral("已复制"));

        onNextDialog<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        QVERIFY(asked.confirm(nullptr, QStringLiteral("确定要清空吗？"), QStringLiteral("清空")));
        QCOMPARE(title, QStringLiteral("清空"));
        QCOMPARE(text, QStringLiteral("确定要清空吗？"));
        onNextDialog<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
        QVERIFY(!asked.confirm(nullptr, QStringLiteral("确定要清空吗？")));

        QString initial;
        onNextDialog<QInputDialog>([&](QInputDialog& dialog) {
            title = dialog.windowTitle();
            text = dialog.labelText();
            initial = dialog.textValue();
            dialog.setTextValue(QStringLiteral("新方案"));
            dialog.accept();
        });
        QCOMPARE(asked.inputText(nullptr, QStringLiteral("另存为"), QStringLiteral("名称"),
                                 QStringLiteral("方案1")),
                 std::optional<QString>(QStringLiteral("新方案")));
        QCOMPARE(title, QStringLiteral("另存为"));
        QCOMPARE(text, QStringLiteral("名称"));
        QCOMPARE(initial, QStringLiteral("方案1"));
        // A cancelled box is no answer, not an empty one.
        onNextDialog<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
        QCOMPARE(asked.inputText(nullptr, QStringLiteral("另存为"), QStringLiteral("名称")), std::nullopt);

        QStringList items;
        onNextDialog<QInputDialog>([&](QInputDialog& dialog) {
            items = dialog.comboBoxItems();
            initial = dialog.textValue();
            dialog.accept();
        });
        const QStringList offered{QStringLiteral("百位"), QStringLiteral("十位"), QStringLiteral("个位")};
        QCOMPARE(asked.chooseItem(nullptr, QStringLiteral("位置"), QStringLiteral("选择"), offered, 1),
                 std::optional<QString>(QStringLiteral("十位")));
        QCOMPARE(items, offered);
        QCOMPARE(initial, QStringLiteral("十位"));

        onNextDialog<QDialog>([&](QDialog& dialog) {
            title = dialog.windowTitle();
            auto* box = dialog.findChild<QComboBox*>(QStringLiteral("Bei_s"));
            if (!box) qFatal("no number box in TF_Form1");
            items.clear();
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            box->setEditText(QStringLiteral("12"));
            dialog.accept();
        });
        QCOMPARE(asked.chooseNumber(nullptr, QStringLiteral("倍数"), QStringLiteral("请输入倍数"),
                                    {QStringLiteral("1"), QStringLiteral("5")}),
                 std::optional<QString>(QStringLiteral("12")));
        QCOMPARE(title, QStringLiteral("倍数"));
        QCOMPARE(items, (QStringList{QStringLiteral("1"), QStringLiteral("5")}));
        onNextDialog<QDialog>([](QDialog& dialog) { dialog.reject(); });
        QCOMPARE(asked.chooseNumber(nullptr, QStringLiteral("倍数"), QStringLiteral("请输入倍数"), {}),
                 std::nullopt);
    }

    void helpOpensFromTheMenuAndF1() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        auto* action = w.findChild<QAction*>(QStringLiteral("N9"));
        QVERIFY(action);
        action->trigger();
        auto* help = w.findChild<gui::HelpWindow*>(QStringLiteral("TF_Help"));
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(!help->isModal());
        QCOMPARE(help->windowTitle(), QStringLiteral("软件帮助"));
        QTextBrowser* browser = help->browser();
        const QString text = browser->toPlainText();
        for (const char* topic : {"选择彩票", "星轨", "容错", "遗漏", "数据管理", "集合统计", "固定图表"})
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        // Every picture the manual shows is there.
        QFile page(QString::fromStdString((home.home / "Help" / "index.html").string()));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        static const QRegularExpression picture(QStringLiteral("src=\"(images/[^\"]+)\""));
        int pictures = 0;
        for (auto it = picture.globalMatch(html); it.hasNext(); ++pictures) {
            const QString file = it.next().captured(1);
            QVERIFY2(fs::exists(home.home / "Help" / file.toStdString()), qPrintable(file));
        }
        QVERIFY(pictures >= 5);
        help->close();
        QVERIFY(!help->isVisible());

        // F1 from the main window opens the same window again.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(help->isVisible());
        QCOMPARE(w.findChildren<gui::HelpWindow*>().size(), 1);
        help->close();
    }

    void manualIsLookedForInTheHomeThenTheTemplate() {
        test::GuiHome home;
        const QString own = QString::fromStdString((home.home / "Help" / "index.html").string());
        QCOMPARE(gui::HelpWindow::findIndex(home.home, {}), own);
        fs::remove_all(home.home / "Help");
        // An older home without the manual shows the installed one.
        const fs::path templateDir = P3_GUI_TEMPLATE;
        QCOMPARE(gui::HelpWindow::findIndex(home.home, templateDir),
                 QString::fromStdString((templateDir / "Help" / "index.html").string()));
        QVERIFY(gui::HelpWindow::findIndex(home.home, {}).isEmpty());
    }

    void calculatorStartsTheDesktopsOneOrSaysNone() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        std::vector<Started> started;
        w.workbench().setProgramStarter([&](const QString& program, const QStringList& arguments) {
            started.push_back({program, arguments});
            return true;
        });
        const fs::path bin = home.dir.path() / "bin";
        {
            PathVariable path(QByteArray::fromStdString(bin.string()));
            w.findChild<QAction*>(QStringLiteral("N19"))->trigger();
            QVERIFY(started.empty());
            QVERIFY2(home.prompter.lastMessage().startsWith(QStringLiteral("没有找到计算器程序")),
                     qPrintable(home.prompter.lastMessage()));
            QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("gnome-calculator")));
            makeProgram(bin / "galculator");
            w.findChild<QAction*>(QStringLiteral("N19"))->trigger();
        }
        QCOMPARE(started.size(), std::size_t(1));
        QCOMPARE(started[0].program, QString::fromStdString((bin / "galculator").string()));
    }

    void printProgramIsLookedForAndMissedAloud() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        std::vector<Started> started;
        w.workbench().setProgramStarter([&](const QString& program, const QStringList& arguments) {
            started.push_back({program, arguments});
            return true;
        });
        const fs::path bin = home.dir.path() / "bin";
        const QString homeText = QString::fromStdString(home.home.string());
        {
            PathVariable path(QByteArray::fromStdString(bin.string()));
            QVERIFY(!w.workbench().startPrintProgram());
            QVERIFY(started.empty());
            QVERIFY2(home.prompter.lastMessage().contains(QStringLiteral("没有找到打印程序 pick3-print")),
                     qPrintable(home.prompter.lastMessage()));
            QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("print_data.txt")));
            // In the home, then on PATH before it.
            makeProgram(home.home / "pick3-print");
            QVERIFY(w.workbench().startPrintProgram());
            QCOMPARE(started.back().program, QString::fromStdString((home.home / "pick3-print").string()));
            QCOMPARE(started.back().arguments, (QStringList{QStringLiteral("--home"), homeText}));
            makeProgram(bin / "pick3-print");
            QVERIFY(w.workbench().startPrintProgram());
            QCOMPARE(started.back().program, QString::fromStdString((bin / "pick3-print").string()));
        }
    }
};

QTEST_MAIN(HelpToolsDialogsTest)
#include "help_tools_dialogs_test.moc"
