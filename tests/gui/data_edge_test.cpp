// Data management and the lottery choice at their edges: names with quotes, GBK and bad files, the
// editor's refusals, export names and an unreachable data server.
#include <QComboBox>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/io/text_codec.h"
#include "core/store/load_lottery.h"
#include "dialog_script.h"
#include "gui/data/data_manage_dialog.h"
#include "gui/data/draw_rows_model.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui_fixture.h"

using namespace p3;
using test::click;
using test::DialogScript;
using test::enter;

namespace {

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

/// The first cell of the row that lists the lottery named (invalid when none does).
QModelIndex itemNamed(QTreeView* list, const QString& name) {
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < model->rowCount(); ++i)
        if (model->index(i, 1).data().toString() == name) return model->index(i, 0);
    return {};
}

} // namespace

class DataEdgeTest : public QObject {
    Q_OBJECT
private slots:
    void lotteryNameWithQuotes() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        const QString name = QStringLiteral("他说\"好\"的'彩' 3");
        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListView_Tj"));
            click(dialog, "Add_Btn");
            const QModelIndex added = itemNamed(list, name);
            CHECK(added.isValid());
            if (!added.isValid()) return int(QDialog::Rejected);
            // A double-click on the name chooses it, as 确认 does.
            dialog.show();
            CHECK(QTest::qWaitForWindowExposed(&dialog));
            const QPoint onName = list->visualRect(added.siblingAtColumn(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onName);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onName);
            return dialog.result();
        });
        script.on(QStringLiteral("TF_Cpadd"), [&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("Cp_Name"))->setText(name);
            click(dialog, "Tou_Zhu_Btn");
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton1"))->trigger();
        QVERIFY(home.prompter.messages().isEmpty());
        QCOMPARE(QString::fromStdString(w.workbench().currentLottery().name), name);
        QCOMPARE(w.statusText(0), name);
        QCOMPARE(QString::fromStdString(w.workbench().settings()->currentLottery()), name);

        // A draw added directly lands under that name and survives a reload.
        script.on(QStringLiteral("TF_DataAdd"), [](QDialog& editor) {
            return enter(editor, QStringLiteral("123"), QStringLiteral("2026001")) ? int(QDialog::Accepted)
                                                                                   : int(QDialog::Rejected);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton4"))->trigger();
        QVERIFY(w.LoadLottery(name));
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), 1);

        // Deleting it removes the row and its draws, and nothing else.
        const auto info = w.workbench().currentLotteryInfo();
        QVERIFY(info.has_value());
        const auto otherDraws = *w.workbench().database()->countDraws("体彩", 1);
        home.prompter.answerConfirm(true);
        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListView_Tj"));
            list->setCurrentIndex(itemNamed(list, name));
            click(dialog, "Del_Btn");
            CHECK(!itemNamed(list, name).isValid());
            click(dialog, "Close_Frm");
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton1"))->trigger();
        auto found = w.workbench().database()->findLottery(name.toStdString());
        QVERIFY(found.has_value() && !found->has_value());
        QCOMPARE(*w.workbench().database()->countDraws(info->kind, info->id), 0);
        QCOMPARE(*w.workbench().database()->countDraws("体彩", 1), otherDraws);
    }

    void deletedCurrentLotteryTakesNoDraws() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        QVERIFY(w.workbench().database()->addLottery("将删", "体彩", 40, 3).has_value());
        QVERIFY(w.workbench().database()->insertDraw("体彩", 40, "1", "123").has_value());
        QVERIFY(w.LoadLottery(QStringLiteral("将删")));
        home.prompter.answerConfirm(true);
        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListView_Tj"));
            list->setCurrentIndex(itemNamed(list, QStringLiteral("将删")));
            click(dialog, "Del_Btn");
            click(dialog, "Close_Frm");
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton1"))->trigger();
        // Still shown, but its draws are gone for good: new ones would lie under an id a later
        // lottery may be given.
        QCOMPARE(w.workbench().currentLottery().name, std::string("将删"));
        int editors = 0;
        script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
            ++editors;
            return enter(editor, QStringLiteral("456"), QStringLiteral("2")) ? int(QDialog::Accepted)
                                                                             : int(QDialog::Rejected);
        });
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog&) {
            ++editors;
            return int(QDialog::Rejected);
        });
        home.prompter.clear();
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton4"))->trigger();
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(editors, 0);
        QCOMPARE(home.prompter.messages(), QStringList({QStringLiteral("请选择 要调出的彩种!"),
                                                        QStringLiteral("请选择 要调出的彩种!")}));
        QCOMPARE(*w.workbench().database()->countDraws("体彩", 40), 0);
    }

    void editorRefusalsAndExportNames() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        const auto csv = home.dir.path() / "data.csv";
        const auto dotted = home.dir.path() / "dir.d" / "data";
        std::filesystem::create_directories(dotted.parent_path());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            const auto n = data.rows().size();
            script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
                CHECK(!enter(editor, QString()));
                CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请正确输入!"));
                editor.findChild<QLineEdit*>(QStringLiteral("Qhao"))->clear();
                CHECK(!enter(editor, QStringLiteral("123")));
                CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请正确输入!"));
                CHECK(!enter(editor, QStringLiteral("1234"), QStringLiteral("2030001")));
                CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("奖号位数不正确!"));
                return int(QDialog::Rejected);
            });
            click(dialog, "SpeedButton1");
            CHECK_EQ(data.rows().size(), n);
            CHECK(!data.DataChanged());

            // A path with a "." anywhere keeps its name.
            home.prompter.answerFile(QString::fromStdString(csv.string()));
            click(dialog, "Save_File");
            home.prompter.answerFile(QString::fromStdString(dotted.string()));
            click(dialog, "Save_File");
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        const std::string csvText = fileText(csv);
        QVERIFY(!csvText.empty());
        QVERIFY(csvText.starts_with(w.workbench().draws().front().line()));
        // The "." of the folder counts: the name is taken as it stands.
        QVERIFY(std::filesystem::exists(dotted));
        QVERIFY(!std::filesystem::exists(dotted.string() + ".txt"));
    }

    void importOfGbkAndBadFiles() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        // A GBK file under a Chinese name, with CR LF line ends and a line whose period is Chinese text.
        const auto gbkFile = home.dir.path() / "开奖数据.txt";
        {
            auto bytes = core::utf8ToGbk("3001 1 2 3\r\n3002 456\r\n\r\n第三期 78\r\n");
            QVERIFY(bytes.has_value());
            std::ofstream(gbkFile, std::ios::binary) << *bytes;
        }
        const auto goodGbk = home.dir.path() / "好数据.txt";
        {
            auto bytes = core::utf8ToGbk("4001 123\r\n4002 4 5 6\r\n");
            QVERIFY(bytes.has_value());
            std::ofstream(goodGbk, std::ios::binary) << *bytes;
        }
        const int n = static_cast<int>(w.workbench().draws().size());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            home.prompter.answerFile(QString::fromStdString(gbkFile.string()));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            // The message names the period as the file spells it; nothing was replaced.
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("第第三期期 奖号格式有问题"));
            CHECK_EQ(static_cast<int>(data.rows().size()), n);
            CHECK(!dialog.findChild<QWidget*>(QStringLiteral("Label_Wait"))->isVisible());

            home.prompter.answerFile(QString::fromStdString(goodGbk.string()));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            CHECK_EQ(static_cast<int>(data.rows().size()), 2);
            CHECK_EQ(QString::fromStdString(data.rows()[1].line()), QStringLiteral("4002 456"));
            CHECK_EQ(data.countText(), QStringLiteral("共: 2 期"));
            CHECK_EQ(data.grid()->currentIndex().row(), 1);
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), 2);
        QCOMPARE(w.gridModel()->rowCount(), 8);
        QCOMPARE(w.statusText(1), QStringLiteral("第4002期 456"));
        QCOMPARE(w.statusText(2), QStringLiteral("共: 2 期"));
        QCOMPARE(w.grid()->currentIndex().row(), 4);
    }

    // A long import shows how far it has got: the gauge is a real 0..100 bar (not a busy bar) that rises
    // to its end, and a refused file moves it no further than the check.
    void importShowsRealProgress() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        const std::string big = std::string(P3_SAMPLES_DIR) + "/fc3d.txt";
        const auto bad = home.dir.path() / "坏.txt";
        std::ofstream(bad) << "3001 123\n3002 45x\n";
        const int n = static_cast<int>(w.workbench().draws().size());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            auto* gauge = dialog.findChild<QProgressBar*>(QStringLiteral("Gauge"));
            CHECK(gauge != nullptr);
            if (!gauge) return int(QDialog::Rejected);
            QList<int> seen;
            QObject::connect(gauge, &QProgressBar::valueChanged, &dialog, [&](int v) {
                CHECK_EQ(gauge->maximum(), 100); // a real gauge, not the busy bar
                CHECK(!gauge->isHidden());       // shown (the scripted dialog itself is not on screen)
                seen << v;
            });
            home.prompter.answerFile(QString::fromStdString(bad.string()));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            CHECK_EQ(static_cast<int>(data.rows().size()), n);
            CHECK(seen.isEmpty() || *std::max_element(seen.begin(), seen.end()) <= 10);
            seen.clear();

            home.prompter.answerFile(QString::fromStdString(big));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            CHECK(data.rows().size() > 5000);
            CHECK(seen.size() >= 50);
            CHECK(std::is_sorted(seen.begin(), seen.end()));
            CHECK(!seen.isEmpty() && seen.back() == 100);
            CHECK(gauge->isHidden());
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QVERIFY(w.workbench().draws().size() > 5000);
    }

    void onDemandUpdateWithoutServer() {
        test::GuiHome home;
        // Nothing listens on port 1: every connection is refused.
        const std::string base = "http://127.0.0.1:1";
        {
            auto settings = core::Settings::open(home.home);
            QVERIFY(settings.has_value());
            settings->ini().setString("Server", "DataUrl", base);
            QVERIFY(settings->ini().save().has_value());
        }
        gui::MainWindow& w = home.start();
        w.waitForBackgroundUpdates();
        home.prompter.clear();
        DialogScript script;
        script.install(w.workbench());
        const int n = static_cast<int>(w.workbench().draws().size());
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            click(dialog, "Update_Data");
            CHECK(QTest::qWaitFor(
                [&] { return !static_cast<gui::DataManageDialog&>(dialog).updateRunning(); }, 10000));
            CHECK_EQ(home.prompter.lastMessage(),
                     QStringLiteral("无法连接星河阁服务器 可能网站目前无法正常防问!"));
            CHECK(!static_cast<gui::DataManageDialog&>(dialog).DataChanged());
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n);
        // The automatic update failed silently.
        QCOMPARE(home.prompter.messages().size(), 1);
    }
};

QTEST_MAIN(DataEdgeTest)
#include "data_edge_test.moc"
