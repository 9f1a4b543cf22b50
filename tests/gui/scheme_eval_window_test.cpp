// The scheme evaluation window 方案评估 opened from the shrink workspace: its figures against counts made
// straight from the draws, a cancelled run, the per-line table selecting the condition line, re-runs
// after a change, the period list and the export.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <fstream>

#include "core/shrink/backtest_tables.h"
#include "gui/shrink/scheme_eval_window.h"
#include "gui/shrink/shrink_window.h"
#include "gui_fixture.h"

using namespace p3;

namespace {

core::ConditionLine line(const char* keyword, const char* counts, const char* content,
                         const char* keep = "1") {
    return {"1", keyword, counts, keep, "0", content};
}

bool waitForRun(gui::SchemeEvalWindow& eval) {
    QSignalSpy ended(&eval, &gui::SchemeEvalWindow::runEnded);
    return ended.wait(20000) || !eval.isRunning();
}

int digitSum(const std::string& n) {
    return (n[0] - '0') + (n[1] - '0') + (n[2] - '0');
}

} // namespace

class SchemeEvalWindowTest : public QObject {
    Q_OBJECT
private slots:
    void figuresOfASmallHistoryAndTheLineTable() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        // A small history: the first 40 draws.
        w.workbench().setDraws(
            core::DrawList(w.workbench().draws().begin(), w.workbench().draws().begin() + 40));
        gui::ShrinkWindow shrink(w.workbench());
        // 和值 10, 11 or 12 keeps 63 + 69 + 73 = 205 numbers whatever the history; 跨度 0 excluded takes
        // away the ten triples, of which 444 has sum 12: 204 numbers.
        shrink.setConditions(
            {line("和值", "1|0|无设置", "和值~10 11 12~1~0&"), line("跨度", "1|0|无设置", "跨度~0~0~0&")});
        shrink.show();

        // The button beside 过滤 opens the window and runs it.
        shrink.findChild<QPushButton*>(QStringLiteral("FangAn_PingGu_Btn"))->click();
        gui::SchemeEvalWindow* eval = shrink.schemeEvaluation();
        QVERIFY(eval);
        QVERIFY(eval->isVisible());
        QCOMPARE(eval->windowTitle(), QStringLiteral("方案评估"));
        QVERIFY(waitForRun(*eval));
        eval->setRangeChoice(4); // 全部
        QVERIFY(waitForRun(*eval));
        const core::BacktestReport* report = eval->report();
        QVERIFY(report);
        QCOMPARE(report->periods.size(), std::size_t(40));

        // Expected figures counted from the draws themselves.
        std::size_t hits = 0, triples = 0;
        for (const auto& draw : w.workbench().draws()) {
            const std::string d = draw.digits.substr(0, 3);
            const bool triple = d[0] == d[1] && d[1] == d[2];
            const int sum = digitSum(d);
            hits += sum >= 10 && sum <= 12 && !triple;
            triples += triple;
        }
        QCOMPARE(report->hits, hits);
        QCOMPARE(eval->summaryValue(QStringLiteral("评估期数")), QStringLiteral("40"));
        QCOMPARE(eval->summaryValue(QStringLiteral("中奖期数")), QString::number(hits));
        QCOMPARE(eval->summaryValue(QStringLiteral("平均注数")), QStringLiteral("204.0"));
        QCOMPARE(eval->summaryValue(QStringLiteral("随机选号命中率")), QStringLiteral("20.40%"));
        QCOMPARE(eval->summaryValue(QStringLiteral("命中率")),
                 QString::asprintf("%.2f%%", 100.0 * static_cast<double>(hits) / 40));
        // Money with the default price 2 and 直选 prize 1040: 40 × 204 × 2 = 16320 in.
        QCOMPARE(eval->summaryValue(QStringLiteral("投入")), QStringLiteral("16320 元"));
        QCOMPARE(eval->summaryValue(QStringLiteral("奖金")), QStringLiteral("%1 元").arg(hits * 1040));
        QCOMPARE(eval->summaryValue(QStringLiteral("盈亏")),
                 QStringLiteral("%1 元").arg(static_cast<long long>(hits * 1040) - 16320));
        QVERIFY(!eval->findChild<QLabel*>(QStringLiteral("Pg_Verdict"))->text().isEmpty());

        // The per-line table: a click on line 2 (跨度) selects row 2 of the condition list.
        eval->pages()->setCurrentIndex(2);
        QTableView* lines = eval->lineView();
        QCOMPARE(lines->model()->rowCount(), 2);
        const QModelIndex second = lines->model()->index(1, 1);
        QCOMPARE(second.data().toString(), QStringLiteral("跨度"));
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualRect(second).center());
        auto* conditions = shrink.findChild<QTableView*>(QStringLiteral("ListView_Tj"));
        QCOMPARE(conditions->currentIndex().row(), 1);
        // 跨度 0 excluded removes 10 of 1000 numbers and the triples among the draws: it does more harm
        // than good when more than 1% of the draws were triples.
        QCOMPARE(lines->model()->index(1, 3).data().toString(), QStringLiteral("1.00%"));
        const double keep = 1 - static_cast<double>(triples) / 40;
        QCOMPARE(lines->model()->index(1, 6).data().toString().isEmpty(), keep / 0.99 >= 1);

        // Per period: hit rows are marked; a double-click shows that period's list.
        eval->pages()->setCurrentIndex(1);
        QTableView* periods = eval->periodView();
        QCOMPARE(periods->model()->rowCount(), 40);
        const QModelIndex first = periods->model()->index(0, 2);
        QCOMPARE(first.data().toString(), QStringLiteral("204"));
        home.prompter.clear();
        // A double-click as Qt sees it: the press of the first click, then the double-click.
        QTest::mousePress(periods->viewport(), Qt::LeftButton, {}, periods->visualRect(first).center());
        QTest::mouseDClick(periods->viewport(), Qt::LeftButton, {}, periods->visualRect(first).center());
        QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("共 204 注")));
        QVERIFY(home.prompter.lastMessage().contains(QStringLiteral("019 028")));

        // A change of the list runs it again by itself.
        QSignalSpy again(eval, &gui::SchemeEvalWindow::runEnded);
        shrink.setConditions({line("和值", "1|0|无设置", "和值~10~1~0&")});
        QVERIFY(again.wait(5000));
        QCOMPARE(eval->summaryValue(QStringLiteral("平均注数")), QStringLiteral("63.0"));
        QCOMPARE(eval->lineView()->model()->rowCount(), 1);

        // A price of 1 元 is kept in Sys_Set.ini and the money follows.
        auto* price = eval->findChild<QLineEdit*>(QStringLiteral("Pg_Price"));
        price->setText(QStringLiteral("1"));
        emit price->editingFinished();
        QVERIFY(again.wait(5000));
        QCOMPARE(eval->summaryValue(QStringLiteral("投入")), QStringLiteral("2520 元"));
        QCOMPARE(core::readPrizeTable(w.workbench().settings()->ini()).price, core::Money(1));

        // Export: three .tsv files with the tables' texts.
        const auto stem = home.dir.path() / "评估";
        home.prompter.answerFile(QString::fromStdString((stem.string() + ".tsv")));
        eval->exportTables();
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("已导出"));
        std::ifstream periodsFile(stem.string() + "_每期.tsv");
        std::string header;
        std::getline(periodsFile, header);
        QCOMPARE(QString::fromStdString(header), QStringLiteral("期号\t开奖号\t注数\t命中\t未通过的条件"));
        home.prompter.answerFile(QString::fromStdString((home.dir.path() / "评估.xlsx").string()));
        eval->exportTables();
        QCOMPARE(home.prompter.lastMessage(), QStringLiteral("已导出"));
        QVERIFY(std::filesystem::file_size(home.dir.path() / "评估.xlsx") > 1000);
    }

    void cancelsARunAndKeepsTheLastFigures() {
        test::GuiHome home;
        gui::MainWindow& w = home.start();
        gui::ShrinkWindow shrink(w.workbench());
        shrink.setConditions({line("热温冷", "1|0|无设置", "热码个数~0 1~1~0&124^356^0789%0"),
                              line("复隔中", "1|0|无设置", "形态~b c~1~0&035^128^4679%0")});
        shrink.show();
        // The popup menu's entry opens it too.
        shrink.findChild<QAction*>(QStringLiteral("N_FangAnPingGu"))->trigger();
        gui::SchemeEvalWindow* eval = shrink.schemeEvaluation();
        QVERIFY(eval);
        QVERIFY(waitForRun(*eval));
        const core::BacktestReport* before = eval->report();
        QVERIFY(before);
        QCOMPARE(before->periods.size(), std::size_t(100));

        eval->setRangeChoice(4, {}, {}); // 全部: thousands of periods
        eval->run();
        QVERIFY(eval->isRunning());
        QVERIFY(eval->findChild<QPushButton*>(QStringLiteral("Pg_Cancel"))->isEnabled());
        eval->findChild<QPushButton*>(QStringLiteral("Pg_Cancel"))->click();
        QVERIFY(waitForRun(*eval));
        QVERIFY(!eval->isRunning());
        QVERIFY(
            eval->findChild<QLabel*>(QStringLiteral("Pg_Status"))->text().contains(QStringLiteral("已取消")));
        QCOMPARE(eval->report(), before);

        // A period range that does not exist is said in the status line.
        eval->setRangeChoice(5, QStringLiteral("1"), QStringLiteral("2"));
        eval->run();
        QVERIFY(eval->findChild<QLabel*>(QStringLiteral("Pg_Status"))
                    ->text()
                    .contains(QStringLiteral("没有这个期号")));
        // Closing the workspace while a run is in flight ends it cleanly.
        eval->setRangeChoice(4);
        eval->run();
    }
};

QTEST_MAIN(SchemeEvalWindowTest)
#include "scheme_eval_window_test.moc"
