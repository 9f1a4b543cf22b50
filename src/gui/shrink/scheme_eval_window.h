#pragma once
/// The scheme evaluation window "方案评估": the workspace's condition list, tolerances and bet settings
/// run over the last periods of the history on a worker thread, with the summary, the per-period and
/// per-line tables, the plots and their export. It runs again shortly after the scheme changes.
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "core/shrink/backtest.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QThread;
class QTimer;

namespace p3::gui {

class Workbench;
class Prompter;
class SchemeEvalModel;
class SchemeEvalPlots;
class ShrinkWindow;

class SchemeEvalWindow final : public QWidget {
    Q_OBJECT
public:
    SchemeEvalWindow(Workbench& bench, ShrinkWindow& shrink);
    ~SchemeEvalWindow() override;

    /// Shows the window and starts a run.
    void showAndRun();
    /// "评估": starts a run now, cancelling the one in flight.
    void run();
    /// "取消": cancels the run in flight; the last figures stay.
    void cancel();
    bool isRunning() const { return m_running != nullptr; }
    /// The figures of the last finished run, null before the first one.
    const core::BacktestReport* report() const { return m_report.get(); }
    /// The summary value shown for a label ("命中率" ...), empty when there is none.
    QString summaryValue(const QString& label) const;
    /// "导出": the three tables into an .xlsx file (one sheet each) or three .tsv files.
    void exportTables();
    /// Chooses one of the range entries (0 = 最近30期 … 4 = 全部, 5 = 期号范围).
    void setRangeChoice(int index, const QString& from = {}, const QString& to = {});

    QTableView* periodView() const { return m_periodView; }
    QTableView* lineView() const { return m_lineView; }
    QTabWidget* pages() const { return m_pages; }

signals:
    /// A run ended: with figures, cancelled, or refused (the status line says which).
    void runEnded();

private:
    struct Job;
    void buildUi();
    void scheduleRun();
    void finish(const std::shared_ptr<Job>& job);
    void showReport();
    void pollProgress();
    void readPrizes();
    void prizeEdited();
    void showPeriodList(const QModelIndex& index);
    void selectLine(const QModelIndex& index);
    core::PrizeTable m_prizes;

    Workbench& m_bench;
    ShrinkWindow& m_shrink;
    Prompter& m_prompter;
    QComboBox* m_range = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    std::array<QLineEdit*, 4> m_money{};
    QPushButton* m_runButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_verdict = nullptr;
    QTabWidget* m_pages = nullptr;
    SchemeEvalModel* m_summary = nullptr;
    SchemeEvalModel* m_periods = nullptr;
    SchemeEvalModel* m_lines = nullptr;
    QSortFilterProxyModel* m_periodSort = nullptr;
    QSortFilterProxyModel* m_lineSort = nullptr;
    QTableView* m_periodView = nullptr;
    QTableView* m_lineView = nullptr;
    SchemeEvalPlots* m_plots = nullptr;
    QTimer* m_debounce = nullptr;
    QTimer* m_poll = nullptr;

    std::shared_ptr<Job> m_running;
    std::vector<std::shared_ptr<Job>> m_jobs; ///< every job whose thread may still run
    std::shared_ptr<const core::BacktestReport> m_report;
};

} // namespace p3::gui
