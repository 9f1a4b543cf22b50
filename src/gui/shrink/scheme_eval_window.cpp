#include "gui/shrink/scheme_eval_window.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

#include "core/io/settings.h"
#include "core/shrink/backtest_tables.h"
#include "core/shrink/number_list.h"
#include "gui/shrink/scheme_eval_models.h"
#include "gui/shrink/scheme_eval_plots.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

std::string s(const QString& text) {
    return text.trimmed().toStdString();
}

constexpr std::array<std::size_t, 4> kLastChoices{30, 100, 365, 1000};

QTableView* makeTable(QWidget* parent, const QString& name, QAbstractItemModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

QSortFilterProxyModel* sorter(QObject* parent, QAbstractItemModel* source) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(source);
    proxy->setSortRole(SchemeEvalModel::SortRole);
    return proxy;
}

/// A table of `proxy` that sorts on a header click, first sorted by its first column in `order`.
QTableView* makeSortedTable(QWidget* parent, const QString& name, QSortFilterProxyModel* proxy,
                            Qt::SortOrder order) {
    auto* view = makeTable(parent, name, proxy);
    view->setSortingEnabled(true);
    view->sortByColumn(0, order);
    return view;
}

} // namespace

/// One run on its own thread; the window keeps it until the thread has ended.
struct SchemeEvalWindow::Job {
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    QThread* thread = nullptr;
    QElapsedTimer clock;
    core::Result<core::BacktestReport> result = core::fail(std::string(core::kBacktestCancelled));
};

SchemeEvalWindow::SchemeEvalWindow(Workbench& bench, ShrinkWindow& shrink)
    : QWidget(&shrink, Qt::Window), m_bench(bench), m_shrink(shrink), m_prompter(bench.prompter()) {
    setObjectName(QStringLiteral("TF_FangAnPingGu"));
    setWindowTitle(QStringLiteral("方案评估"));
    readPrizes();
    buildUi();
    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(300);
    connect(m_debounce, &QTimer::timeout, this, &SchemeEvalWindow::run);
    m_poll = new QTimer(this);
    m_poll->setInterval(80);
    connect(m_poll, &QTimer::timeout, this, &SchemeEvalWindow::pollProgress);
    connect(&m_shrink, &ShrinkWindow::schemeChanged, this, &SchemeEvalWindow::scheduleRun);
    resize(1000, 720);
}

SchemeEvalWindow::~SchemeEvalWindow() {
    for (const auto& job : m_jobs) {
        job->cancel = true;
        job->thread->wait();
        delete job->thread;
    }
}

void SchemeEvalWindow::buildUi() {
    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("评估范围："), this));
    m_range = new QComboBox(this);
    m_range->setObjectName(QStringLiteral("Pg_Range"));
    m_range->addItems({QStringLiteral("最近30期"), QStringLiteral("最近100期"), QStringLiteral("最近365期"),
                       QStringLiteral("最近1000期"), QStringLiteral("全部"), QStringLiteral("期号范围")});
    m_range->setCurrentIndex(1);
    top->addWidget(m_range);
    m_from = new QLineEdit(this);
    m_from->setObjectName(QStringLiteral("Pg_From"));
    m_to = new QLineEdit(this);
    m_to->setObjectName(QStringLiteral("Pg_To"));
    for (QLineEdit* e : {m_from, m_to}) {
        e->setMaximumWidth(90);
        e->setEnabled(false);
        connect(e, &QLineEdit::editingFinished, this, &SchemeEvalWindow::scheduleRun);
    }
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("至"), this));
    top->addWidget(m_to);
    connect(m_range, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_from->setEnabled(index == 5);
        m_to->setEnabled(index == 5);
        if (index != 5) scheduleRun();
    });
    top->addSpacing(12);
    const std::array<const char*, 4> moneyLabels{"单注：", "直选奖：", "组三奖：", "组六奖："};
    const std::array<const char*, 4> moneyNames{"Pg_Price", "Pg_Prize_Direct", "Pg_Prize_Z3", "Pg_Prize_Z6"};
    const std::array<core::Money, 4> values{m_prizes.price, m_prizes.direct, m_prizes.group3,
                                            m_prizes.group6};
    for (std::size_t i = 0; i < 4; ++i) {
        top->addWidget(new QLabel(QString::fromUtf8(moneyLabels[i]), this));
        m_money[i] = new QLineEdit(toQString(core::formatExact(values[i])), this);
        m_money[i]->setObjectName(QString::fromLatin1(moneyNames[i]));
        m_money[i]->setMaximumWidth(60);
        connect(m_money[i], &QLineEdit::editingFinished, this, &SchemeEvalWindow::prizeEdited);
        top->addWidget(m_money[i]);
    }
    top->addStretch();
    m_runButton = makeCommandButton(this, this, {"Pg_Run", "评估", &SchemeEvalWindow::run});
    top->addWidget(m_runButton);
    top->addWidget(makeCommandButton(this, this, {"Pg_Export", "导出", &SchemeEvalWindow::exportTables}));
    root->addLayout(top);

    auto* progressRow = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Pg_Progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    progressRow->addWidget(m_progress, 1);
    m_cancelButton = makeCommandButton(this, this, {"Pg_Cancel", "取消", &SchemeEvalWindow::cancel});
    m_cancelButton->setEnabled(false);
    progressRow->addWidget(m_cancelButton);
    root->addLayout(progressRow);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Pg_Status"));
    root->addWidget(m_status);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("Pg_Pages"));
    auto* summaryPage = new QWidget(m_pages);
    auto* summaryLayout = new QVBoxLayout(summaryPage);
    m_verdict = new QLabel(summaryPage);
    m_verdict->setObjectName(QStringLiteral("Pg_Verdict"));
    m_verdict->setWordWrap(true);
    QFont big = m_verdict->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    m_verdict->setFont(big);
    summaryLayout->addWidget(m_verdict);
    m_summary = new SchemeEvalModel(SchemeEvalModel::Table::Summary, this);
    auto* summaryView = makeTable(summaryPage, QStringLiteral("Pg_Summary"), m_summary);
    summaryView->setColumnWidth(0, 220);
    summaryLayout->addWidget(summaryView, 1);
    m_pages->addTab(summaryPage, QStringLiteral("汇总"));

    m_periods = new SchemeEvalModel(SchemeEvalModel::Table::Periods, this);
    m_periodSort = sorter(this, m_periods);
    m_periodView = makeSortedTable(m_pages, QStringLiteral("Pg_Periods"), m_periodSort, Qt::DescendingOrder);
    connect(m_periodView, &QTableView::doubleClicked, this, &SchemeEvalWindow::showPeriodList);
    m_pages->addTab(m_periodView, QStringLiteral("每期"));

    m_lines = new SchemeEvalModel(SchemeEvalModel::Table::Lines, this);
    m_lineSort = sorter(this, m_lines);
    m_lineView = makeSortedTable(m_pages, QStringLiteral("Pg_Lines"), m_lineSort, Qt::AscendingOrder);
    m_lineView->setColumnWidth(1, 110);
    connect(m_lineView, &QTableView::clicked, this, &SchemeEvalWindow::selectLine);
    m_pages->addTab(m_lineView, QStringLiteral("条件"));

    m_plots = new SchemeEvalPlots(m_pages);
    m_pages->addTab(m_plots, QStringLiteral("图表"));
    root->addWidget(m_pages, 1);
}

void SchemeEvalWindow::readPrizes() {
    if (core::Settings* settings = m_bench.settings()) m_prizes = core::readPrizeTable(settings->ini());
}

void SchemeEvalWindow::prizeEdited() {
    std::array<core::Money, 4> parsed{};
    for (std::size_t i = 0; i < 4; ++i) {
        auto m = core::Money::parse(s(m_money[i]->text()));
        if (!m || m->micros < 0) {
            const std::array<core::Money, 4> old{m_prizes.price, m_prizes.direct, m_prizes.group3,
                                                 m_prizes.group6};
            m_money[i]->setText(toQString(core::formatExact(old[i])));
            m_prompter.information(this, QStringLiteral("请输入正确的金额"));
            return;
        }
        parsed[i] = *m;
    }
    const core::PrizeTable next{parsed[0], parsed[1], parsed[2], parsed[3]};
    if (next == m_prizes) return;
    m_prizes = next;
    if (core::Settings* settings = m_bench.settings()) {
        core::writePrizeTable(settings->ini(), m_prizes);
        if (auto saved = settings->ini().save(); !saved) m_status->setText(toQString(saved.error().message));
    }
    scheduleRun();
}

void SchemeEvalWindow::setRangeChoice(int index, const QString& from, const QString& to) {
    m_from->setText(from);
    m_to->setText(to);
    m_range->setCurrentIndex(index);
}

void SchemeEvalWindow::showAndRun() {
    show();
    raise();
    activateWindow();
    run();
}

void SchemeEvalWindow::scheduleRun() {
    if (isVisible()) m_debounce->start();
}

void SchemeEvalWindow::run() {
    m_debounce->stop();
    if (m_running) m_running->cancel = true;
    m_running.reset();
    const core::DrawList& draws = m_bench.draws();
    core::BacktestRange range;
    const int choice = m_range->currentIndex();
    if (choice == 5) {
        auto chosen = core::periodRange(draws, s(m_from->text()), s(m_to->text()));
        if (!chosen) {
            m_status->setText(toQString(chosen.error().message));
            emit runEnded();
            return;
        }
        range = *chosen;
    } else {
        range = core::lastPeriodsRange(draws, choice < 4 ? kLastChoices[static_cast<std::size_t>(choice)]
                                                         : draws.size());
    }
    core::BacktestSettings settings;
    settings.tolerance = m_shrink.totalTolerance();
    settings.pick = m_shrink.pickState();
    settings.betType = m_shrink.betType();
    settings.prizes = m_prizes;

    auto job = std::make_shared<Job>();
    job->clock.start();
    Job* raw = job.get();
    job->thread = QThread::create(
        [raw, list = m_shrink.conditions(), draws, table = m_bench.trackTable(), range, settings] {
            core::BacktestControl control;
            control.cancel = &raw->cancel;
            control.progress = [raw](std::size_t done, std::size_t total) {
                raw->done = done;
                raw->total = total;
            };
            raw->result = core::Backtest(list, draws, table, range, settings, control);
        });
    connect(job->thread, &QThread::finished, this, [this, job] { finish(job); });
    m_jobs.push_back(job);
    m_running = job;
    m_progress->setValue(0);
    m_cancelButton->setEnabled(true);
    m_status->setText(
        QStringLiteral("正在评估 %1 期 …").arg(range.end > range.first ? range.end - range.first : 0));
    m_poll->start();
    job->thread->start();
}

void SchemeEvalWindow::cancel() {
    if (!m_running) return;
    m_running->cancel = true;
}

void SchemeEvalWindow::pollProgress() {
    if (!m_running) return;
    const std::size_t total = m_running->total;
    if (total > 0) m_progress->setValue(static_cast<int>(m_running->done * 100 / total));
}

void SchemeEvalWindow::finish(const std::shared_ptr<Job>& job) {
    std::erase(m_jobs, job);
    job->thread->deleteLater();
    if (job != m_running) return; // a run that was replaced by a newer one
    m_running.reset();
    m_poll->stop();
    m_cancelButton->setEnabled(false);
    if (!job->result) {
        const bool cancelled = job->result.error().message == core::kBacktestCancelled;
        m_status->setText(cancelled ? QStringLiteral("已取消，显示的是上一次的结果")
                                    : toQString(job->result.error().message));
        emit runEnded();
        return;
    }
    m_progress->setValue(100);
    m_report = std::make_shared<const core::BacktestReport>(std::move(*job->result));
    const auto& p = m_report->periods;
    m_status->setText(QStringLiteral("%1：%2 至 %3 期，共 %4 期，用时 %5 毫秒")
                          .arg(toQString(m_bench.currentLottery().name), toQString(p.front().period),
                               toQString(p.back().period))
                          .arg(p.size())
                          .arg(job->clock.elapsed()));
    showReport();
    emit runEnded();
}

void SchemeEvalWindow::showReport() {
    m_summary->setReport(m_report);
    m_periods->setReport(m_report);
    m_lines->setReport(m_report);
    m_plots->setReport(m_report.get(), m_prizes);
    m_verdict->setText(
        toQString(core::describeHitOdds(m_report->pValue, m_report->hitRate, m_report->randomHitRate)));
    m_lineView->resizeColumnToContents(6);
}

QString SchemeEvalWindow::summaryValue(const QString& label) const {
    for (const auto& row : m_summary->texts().rows)
        if (toQString(row[0]) == label) return toQString(row[1]);
    return {};
}

void SchemeEvalWindow::showPeriodList(const QModelIndex& index) {
    if (!m_report || !index.isValid()) return;
    const auto row = static_cast<std::size_t>(m_periodSort->mapToSource(index).row());
    if (row >= m_report->periods.size()) return;
    const auto numbers = core::periodBets(*m_report, row);
    const auto& period = m_report->periods[row];
    QString text = QStringLiteral("第 %1 期　开奖号 %2　%3\n共 %4 注\n\n")
                       .arg(toQString(period.period), toQString(period.draw),
                            period.survived ? QStringLiteral("中奖") : QStringLiteral("未中"))
                       .arg(numbers.size());
    text += toQString(core::LayoutNumbers(numbers, 10));
    m_prompter.information(this, text, QStringLiteral("本期投注号码"));
}

void SchemeEvalWindow::selectLine(const QModelIndex& index) {
    if (!m_report || !index.isValid()) return;
    const auto row = static_cast<std::size_t>(m_lineSort->mapToSource(index).row());
    if (row < m_report->lines.size()) m_shrink.selectConditionRow(m_report->lines[row].row);
}

void SchemeEvalWindow::exportTables() {
    if (!m_report) {
        m_prompter.information(this, QStringLiteral("还没有评估结果"));
        return;
    }
    QString file = m_prompter.saveFileName(this, QStringLiteral("导出评估结果"),
                                           QStringLiteral("Excel 文件 (*.xlsx);;文本文件 (*.tsv)"));
    if (file.isEmpty()) return;
    const std::vector<core::TextTable> tables{m_summary->texts(), m_periods->texts(), m_lines->texts()};
    const QFileInfo info(file);
    core::Status written;
    if (info.suffix().compare(QStringLiteral("tsv"), Qt::CaseInsensitive) == 0) {
        const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
        for (const auto& table : tables) {
            written = core::writeTableTsv(
                table,
                (stem + QLatin1Char('_') + toQString(table.name) + QStringLiteral(".tsv")).toStdString());
            if (!written) break;
        }
    } else {
        if (info.suffix().isEmpty()) file += QStringLiteral(".xlsx");
        written = core::writeTablesXlsx(tables, file.toStdString());
    }
    m_prompter.information(this, written ? QStringLiteral("已导出") : toQString(written.error().message));
}

} // namespace p3::gui
