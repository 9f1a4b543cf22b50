#pragma once
/// The bet plan calculator "倍投方案": the plan table of a progressive betting scheme, rewritten row by
/// row and exported as a spreadsheet for printing.
#include <QDialog>
#include <atomic>
#include <filesystem>
#include <functional>

#include "core/tools/bet_plan.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace p3::gui {

class Workbench;
class Prompter;

class BetPlanDialog final : public QDialog {
    Q_OBJECT
public:
    explicit BetPlanDialog(Workbench& bench);

    const core::BetPlan& plan() const { return m_plan; }
    /// Where the export writes its spreadsheet.
    std::filesystem::path exportFile() const;
    /// Opens a written spreadsheet; false when no program takes it (tests put a recorder here).
    void setSpreadsheetOpener(std::function<bool(const QString&)> opener) { m_opener = std::move(opener); }

    // ---- Commands ----
    /// "查询": the whole plan from period 1.
    void OKClick();
    /// A double-click on a row: a new multiple for it and the plan after it made again.
    void changeRow(int row);
    /// "将结果导入Excel 进行打印".
    void Output_ExcelClick();

private:
    void showRows();
    void planned();

    Workbench& m_bench;
    Prompter& m_prompter;
    core::BetPlan m_plan;
    core::BetPlanInputs m_inputs;
    bool m_haveInputs = false;
    std::atomic<bool> m_stop{false};
    std::function<bool(const QString&)> m_opener;

    QComboBox* m_cost = nullptr;
    QComboBox* m_prize = nullptr;
    QComboBox* m_start = nullptr;
    QLineEdit* m_periods = nullptr;
    QComboBox* m_rate = nullptr;
    QTreeWidget* m_table = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_inf = nullptr;
};

/// Creates the calculator once, on first use, and runs it modally.
BetPlanDialog& runBetPlan(Workbench& bench);

} // namespace p3::gui
