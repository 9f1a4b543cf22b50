// Lottery choice, data management and the direct add, driven through scripted dialogs and prompts;
// the background update against a loopback data server.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <fstream>
#include <sstream>

#include "core/net/loopback_server.h"
#include "core/store/load_lottery.h"
#include "dialog_script.h"
#include "gui/data/data_manage_dialog.h"
#include "gui/data/draw_add_dialog.h"
#include "gui/data/draw_rows_model.h"
#include "gui/data/lottery_select_dialog.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui_fixture.h"

using namespace p3;
using test::click;
using test::DialogScript;
using test::enter;
using test::periodOf;

class DataDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void directAddAppendsTheDraw() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        const int n = static_cast<int>(w.workbench().draws().size());
        const QString next =
            QString::fromStdString(core::NextPeriodText(w.workbench().draws().back().period));
        QString proposed;
        script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
            proposed = periodOf(editor);
            if (enter(editor, QStringLiteral("12"))) return int(QDialog::Accepted);
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("奖号位数不正确!"));
            enter(editor, QStringLiteral("0a9"));
            CHECK_EQ(home.prompter.messages().size(), 2);
            enter(editor, QStringLiteral("709"));
            return editor.result();
        });
        // Select a prediction cell first: the rebuild must empty the row and hide the picker.
        w.grid()->setCurrentIndex(w.gridModel()->index(w.gridModel()->predictionRow(), 6));
        w.pickPredictionDigit(4);
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton4"))->trigger();
        QCOMPARE(proposed, next);
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n + 1);
        QCOMPARE(test::cellText(w, n + 3, 0), next);
        QCOMPARE(test::cellText(w, n + 3, 1) + test::cellText(w, n + 3, 2) + test::cellText(w, n + 3, 3),
                 QStringLiteral("709"));
        QCOMPARE(w.grid()->currentIndex().row(), n + 3);
        for (int column = 1; column < 36; ++column)
            QVERIFY(test::cellText(w, n + 4, column).isEmpty());
        QCOMPARE(w.statusText(1), QStringLiteral("第%1期 709").arg(next));
        QCOMPARE(w.statusText(2), QStringLiteral("共: %1 期").arg(n + 1));
        // Stored: a fresh load holds it too.
        auto loaded = core::LoadLottery(*w.workbench().database(), "体彩排列3");
        QVERIFY(loaded.has_value());
        QCOMPARE(QString::fromStdString(loaded->draws.back().line()), next + QStringLiteral(" 709"));

        // Cancelling stores nothing and leaves the grid alone.
        script.on(QStringLiteral("TF_DataAdd"), [](QDialog&) { return int(QDialog::Rejected); });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton4"))->trigger();
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n + 1);
    }

    void lotteryAddChooseAndDelete() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        QAction* choose = w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton1"));

        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListView_Tj"));
            const QAbstractItemModel* model = list->model();
            CHECK_EQ(model->rowCount(), 3);
            // The current lottery is selected, numbered from 1, with id and digit count hidden.
            CHECK_EQ(list->currentIndex().siblingAtColumn(1).data().toString(), QStringLiteral("体彩排列3"));
            CHECK(list->selectionModel()->isSelected(list->currentIndex().siblingAtColumn(1)));
            CHECK_EQ(model->index(2, 0).data().toString(), QStringLiteral("3"));
            CHECK(list->isColumnHidden(3) && list->isColumnHidden(4));
            click(dialog, "Add_Btn");
            CHECK_EQ(model->rowCount(), 4);
            const QModelIndex added = model->index(3, 0);
            CHECK_EQ(added.siblingAtColumn(0).data().toString(), QStringLiteral("4"));
            CHECK_EQ(added.siblingAtColumn(2).data().toString(), QStringLiteral("福彩"));
            CHECK_EQ(added.siblingAtColumn(3).data().toString(), QStringLiteral("3"));
            CHECK_EQ(added.siblingAtColumn(4).data().toString(), QStringLiteral("4"));
            list->clearSelection();
            click(dialog, "Ret_ok");
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请选择 要调出的彩种!"));
            list->setCurrentIndex(added);
            click(dialog, "Ret_ok");
            return dialog.result();
        });
        script.on(QStringLiteral("TF_Cpadd"), [&](QDialog& dialog) {
            auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("Cp_LeiBie"));
            CHECK_EQ(kinds->currentText(), QStringLiteral("体彩"));
            CHECK_EQ(kinds->count(), 2);
            click(dialog, "Tou_Zhu_Btn");
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("请输入 彩票名称!"));
            dialog.findChild<QLineEdit*>(QStringLiteral("Cp_Name"))->setText(QStringLiteral("福彩3D"));
            click(dialog, "Tou_Zhu_Btn");
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("彩票名称 有重复!"));
            CHECK_EQ(dialog.result(), int(QDialog::Rejected));
            dialog.findChild<QLineEdit*>(QStringLiteral("Cp_Name"))->setText(QStringLiteral("四星彩"));
            kinds->setCurrentText(QStringLiteral("福彩"));
            dialog.findChild<QComboBox*>(QStringLiteral("Cp_hmGeshu"))->setCurrentText(QStringLiteral("4"));
            click(dialog, "Tou_Zhu_Btn");
            return dialog.result();
        });
        choose->trigger();
        QCOMPARE(w.workbench().currentLottery().name, std::string("四星彩"));
        QCOMPARE(w.workbench().currentLottery().digitCount, 4);
        QCOMPARE(w.gridModel()->rowCount(), 6);
        QCOMPARE(w.statusText(0), QStringLiteral("四星彩"));

        // Deleting asks first; cancelled, nothing goes; confirmed, the lottery and its draws go.
        QVERIFY(w.workbench().database()->insertDraw("福彩", 3, "1", "1234").has_value());
        home.prompter.answerConfirm(false);
        home.prompter.answerConfirm(true);
        script.on(QStringLiteral("TF_SelectCP"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListView_Tj"));
            list->clearSelection();
            click(dialog, "Del_Btn");
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("没有选择任何 需要删除的数据"));
            list->setCurrentIndex(list->model()->index(3, 0));
            click(dialog, "Del_Btn");
            CHECK_EQ(list->model()->rowCount(), 4);
            click(dialog, "Del_Btn");
            CHECK_EQ(list->model()->rowCount(), 3);
            click(dialog, "Close_Frm");
            return dialog.result();
        });
        choose->trigger();
        auto found = w.workbench().database()->findLottery("四星彩");
        QVERIFY(found.has_value() && !found->has_value());
        QCOMPARE(*w.workbench().database()->countDraws("福彩", 3), 0);
        QVERIFY(*w.workbench().database()->countDraws("福彩", 1) > 0);
        // The current lottery is not reloaded by the delete.
        QCOMPARE(w.workbench().currentLottery().name, std::string("四星彩"));
    }

    void dataManagementCommands() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        DialogScript script;
        script.install(w.workbench());
        const core::DrawList original = w.workbench().draws();
        const int n = static_cast<int>(original.size());
        const std::filesystem::path exported = home.dir.path() / "export";
        const std::filesystem::path badFile = home.dir.path() / "bad.txt";
        const std::filesystem::path goodFile = home.dir.path() / "good.txt";
        std::ofstream(badFile) << "1001 123\n1002 4 5 6\n1003 78\n";
        std::ofstream(goodFile) << "2001 123\n\n2002 4 5 6\n2003 789\n";

        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            QTableView* grid = data.grid();
            CHECK_EQ(data.countText(), QStringLiteral("共: %1 期").arg(n));
            CHECK_EQ(grid->currentIndex().row(), n - 1);
            CHECK(!data.DataChanged());

            // 新增 twice: the editor stays open and proposes the next period each time.
            script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
                CHECK_EQ(periodOf(editor),
                         QString::fromStdString(core::NextPeriodText(original.back().period)));
                CHECK(!enter(editor, QStringLiteral("555")));
                CHECK_EQ(data.countText(), QStringLiteral("共: %1 期").arg(n + 1));
                CHECK(!enter(editor, QStringLiteral("666")));
                return int(QDialog::Rejected);
            });
            click(dialog, "SpeedButton1");
            CHECK_EQ(static_cast<int>(data.rows().size()), n + 2);
            CHECK_EQ(QString::fromStdString(data.rows().back().digits), QStringLiteral("666"));
            CHECK(data.DataChanged());

            // 插入一期 before the first row, cancelled: an empty row shows meanwhile, then goes.
            grid->setCurrentIndex(data.rowsModel()->index(0, 0));
            script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
                CHECK_EQ(data.rowsModel()->pendingRow(), 0);
                CHECK_EQ(data.rowsModel()->rowCount(), n + 3);
                CHECK_EQ(data.rowsModel()->index(0, 0).data().toString(), QString());
                CHECK_EQ(periodOf(editor),
                         QString::fromStdString(core::PreviousPeriodText(original.front().period)));
                return int(QDialog::Rejected);
            });
            click(dialog, "Edit_Data_Sou");
            CHECK_EQ(data.rowsModel()->rowCount(), n + 2);
            CHECK(data.rows().front() == original.front());

            // 修改 the last row: the period is fixed, the digits change.
            grid->setCurrentIndex(data.rowsModel()->index(n + 1, 0));
            script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
                CHECK(!editor.findChild<QLineEdit*>(QStringLiteral("Qhao"))->isEnabled());
                CHECK_EQ(editor.findChild<QLineEdit*>(QStringLiteral("K_Haom"))->text(),
                         QStringLiteral("666"));
                CHECK(enter(editor, QStringLiteral("999")));
                return editor.result();
            });
            click(dialog, "bsSkinSpeedButton1");
            CHECK_EQ(QString::fromStdString(data.rows().back().digits), QStringLiteral("999"));

            // 删除 the selected row, no question asked.
            grid->setCurrentIndex(data.rowsModel()->index(n + 1, 0));
            click(dialog, "SpeedButton2");
            CHECK_EQ(static_cast<int>(data.rows().size()), n + 1);

            // 导出 to a name without "." adds ".txt".
            home.prompter.answerFile(QString::fromStdString(exported.string()));
            click(dialog, "Save_File");
            std::ifstream in(exported.string() + ".txt");
            std::stringstream text;
            text << in.rdbuf();
            CHECK(text.str().starts_with(original.front().line() + "\n") ||
                  text.str().starts_with(original.front().line() + "\r\n"));

            // 导入 of a file with a bad third line changes nothing and names the period.
            home.prompter.answerFile(QString::fromStdString(badFile.string()));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            CHECK_EQ(home.prompter.lastMessage(), QStringLiteral("第1003期 奖号格式有问题"));
            CHECK_EQ(static_cast<int>(data.rows().size()), n + 1);
            // Declined at the question: nothing happens.
            home.prompter.answerFile(QString::fromStdString(goodFile.string()));
            home.prompter.answerConfirm(false);
            click(dialog, "Open_File");
            CHECK_EQ(static_cast<int>(data.rows().size()), n + 1);
            const auto asked = home.prompter.shown().back();
            CHECK_EQ(asked.text, QStringLiteral("本次导入将覆盖当前数据 确定吗?"));
            // Confirmed: the file replaces the history.
            home.prompter.answerFile(QString::fromStdString(goodFile.string()));
            home.prompter.answerConfirm(true);
            click(dialog, "Open_File");
            CHECK_EQ(static_cast<int>(data.rows().size()), 3);
            CHECK_EQ(QString::fromStdString(data.rows()[1].line()), QStringLiteral("2002 456"));
            CHECK_EQ(data.countText(), QStringLiteral("共: 3 期"));
            click(dialog, "SpeedButton3");
            return dialog.result();
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), 3);
        QCOMPARE(w.gridModel()->rowCount(), 9);
        QCOMPARE(w.statusText(1), QStringLiteral("第2003期 789"));
        QCOMPARE(w.statusText(2), QStringLiteral("共: 3 期"));

        // 清空, then closing: the main grid shows no draws.
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            click(dialog, "bsSkinSpeedButton2");
            CHECK_EQ(data.rowsModel()->rowCount(), 1);
            CHECK_EQ(data.countText(), QStringLiteral("共: 0 期"));
            // Delete and insert do nothing on the empty row.
            data.grid()->setCurrentIndex(data.rowsModel()->index(0, 0));
            click(dialog, "SpeedButton2");
            click(dialog, "Edit_Data_Sou");
            // 新增 into the empty history proposes no period and fills row 1.
            script.on(QStringLiteral("TF_DataAdd"), [&](QDialog& editor) {
                CHECK_EQ(periodOf(editor), QString());
                enter(editor, QStringLiteral("321"), QStringLiteral("5001"));
                return int(QDialog::Rejected);
            });
            click(dialog, "SpeedButton1");
            CHECK_EQ(data.rowsModel()->index(0, 0).data().toString(), QStringLiteral("5001"));
            click(dialog, "SpeedButton2");
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(w.gridModel()->rowCount(), 6);
        QCOMPARE(w.statusText(2), QStringLiteral("共: 0 期"));
        QCOMPARE(*w.workbench().database()->countDraws("体彩", 0), 0);
    }

    void backgroundUpdateShowsTheNotice() {
        test::GuiHome home;
        test::LoopbackServer http;
        std::string served;
        http.server().Get(R"(/down/(.+)\.txt)", [&](const httplib::Request&, httplib::Response& res) {
            res.set_content(served, "text/plain");
        });
        http.start();
        {
            auto settings = core::Settings::open(home.home);
            CHECK(settings.has_value());
            settings->ini().setString("Server", "DataUrl", http.base());
            CHECK(settings->ini().save().has_value());
        }
        // The server knows the stored history plus two newer draws.
        auto db = core::DrawDatabase::open(home.home / "Data" / "MDB.sqlite");
        QVERIFY(db.has_value());
        auto stored = core::LoadLottery(*db, "体彩排列3");
        QVERIFY(stored.has_value());
        const core::Draw last = stored->draws.back();
        const std::string next1 = core::NextPeriodText(last.period);
        const std::string next2 = core::NextPeriodText(next1);
        for (std::size_t i = stored->draws.size() - 5; i < stored->draws.size(); ++i)
            served += stored->draws[i].line() + "\n";
        served += next1 + " 135\n" + next2 + " 2 4 6\n";

        gui::MainWindow& w = home.start();
        const int n = static_cast<int>(stored->draws.size());
        w.waitForBackgroundUpdates();
        QTRY_VERIFY(w.updateNotice()->isVisible());
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n + 2);
        QCOMPARE(w.gridModel()->rowCount(), n + 8);
        QCOMPARE(w.statusText(1), QStringLiteral("第%1期 246").arg(QString::fromStdString(next2)));
        QCOMPARE(w.updateNotice()->findChild<QLabel*>(QStringLiteral("Label_Text"))->text(),
                 QStringLiteral("最新数据已更新"));
        QCOMPARE(w.updateNotice()->findChild<QLabel*>(QStringLiteral("Label_Count"))->text(),
                 QStringLiteral("2 期新数据: %1–%2")
                     .arg(QString::fromStdString(next1), QString::fromStdString(next2)));
        QCOMPARE(w.updateNotice()->findChild<QLabel*>(QStringLiteral("Label_Title"))->text(),
                 QStringLiteral("自动更新提示"));
        emit w.updateNotice()
            ->findChild<QLabel*>(QStringLiteral("Label_Close"))
            ->linkActivated(QStringLiteral("close"));
        QVERIFY(!w.updateNotice()->isVisible());

        // Nothing newer: no notice. "网上更新" in data management still says "更新成功".
        w.startBackgroundUpdate();
        w.waitForBackgroundUpdates();
        QTest::qWait(300);
        QVERIFY(!w.updateNotice()->isVisible());
        served += NextPeriodLine(next2);
        DialogScript script;
        script.install(w.workbench());
        const std::string next3 = core::NextPeriodText(next2);
        script.on(QStringLiteral("TF_DataGL"), [&](QDialog& dialog) {
            auto& data = static_cast<gui::DataManageDialog&>(dialog);
            click(dialog, "Update_Data");
            // The download runs on a worker; the report comes when it has ended.
            CHECK(QTest::qWaitFor([&] { return !data.updateRunning(); }, 10000));
            CHECK_EQ(home.prompter.lastMessage(),
                     QStringLiteral("更新成功\n1 期新数据: %1").arg(QString::fromStdString(next3)));
            CHECK_EQ(static_cast<int>(data.rows().size()), n + 3);
            return int(QDialog::Accepted);
        });
        w.findChild<QAction*>(QStringLiteral("bsSkinSpeedButton2"))->trigger();
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n + 3);
    }

    void reloadWaitsForAnOpenDialog() {
        test::GuiHome home;
        test::LoopbackServer http;
        auto db = core::DrawDatabase::open(home.home / "Data" / "MDB.sqlite");
        QVERIFY(db.has_value());
        auto stored = core::LoadLottery(*db, "体彩排列3");
        QVERIFY(stored.has_value());
        const std::string next = core::NextPeriodText(stored->draws.back().period);
        const std::string served = stored->draws.back().line() + "\n" + next + " 135\n";
        http.server().Get(R"(/down/(.+)\.txt)", [&](const httplib::Request&, httplib::Response& res) {
            res.set_content(served, "text/plain");
        });
        http.start();
        {
            auto settings = core::Settings::open(home.home);
            QVERIFY(settings.has_value());
            settings->ini().setString("Server", "DataUrl", http.base());
            QVERIFY(settings->ini().save().has_value());
        }
        const int n = static_cast<int>(stored->draws.size());
        home.window = std::make_unique<gui::MainWindow>(home.home, home.prompter);
        gui::MainWindow& w = *home.window;
        // A window of the user's (data management, say) is open while the download ends: its copy of
        // the history must not be overtaken by a reload behind it.
        QDialog open(&w);
        open.setModal(true);
        w.show();
        open.show();
        QTRY_VERIFY(w.startupDone());
        w.waitForBackgroundUpdates();
        QTest::qWait(600);
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n);
        QVERIFY(!w.updateNotice()->isVisible());
        open.hide();
        QTRY_VERIFY(w.updateNotice()->isVisible());
        QCOMPARE(static_cast<int>(w.workbench().draws().size()), n + 1);
        // Handed over by a 200 ms one-shot timer; the notice hides itself after 6 s.
        auto* handOver = w.findChild<QTimer*>(QStringLiteral("Shi_Shi_Updata_Data"));
        auto* hide = w.findChild<QTimer*>(QStringLiteral("ShiShi_update_hint_Time"));
        QVERIFY(handOver && hide);
        QVERIFY(handOver->isSingleShot() && hide->isSingleShot());
        QCOMPARE(handOver->interval(), 200);
        QCOMPARE(hide->interval(), 6000);
        QVERIFY(hide->isActive());
        // Centred on the main window.
        QCOMPARE(w.updateNotice()->geometry().center(), w.rect().center());
    }

private:
    static std::string NextPeriodLine(const std::string& period) {
        return core::NextPeriodText(period) + " 777\n";
    }
};

QTEST_MAIN(DataDialogsTest)
#include "data_dialogs_test.moc"
