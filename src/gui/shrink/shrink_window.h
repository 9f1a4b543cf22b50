#pragma once
/// The shrink workspace TF_ZuHaoSuoShui ("星轨缩水"): digits picked per position into a base list, the
/// condition list composed in the condition editors, the filter run, and the number files.
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/shrink/base_list.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/series_history.h"
#include "core/shrink/workbench.h"
#include "gui/widgets/list_grid_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QPlainTextEdit;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace p3::gui {

class BallGrid;
class IntersectionNameDialog;
class NumberMemoBox;
class PrintDialog;
class ConditionEditorDialog;
class SchemeEvalWindow;
class ToleranceRange;
class Workbench;
class Prompter;

class ShrinkWindow final : public QWidget {
    Q_OBJECT
public:
    /// A window of the workbench's window (closed with it), opened by "星轨缩水" wherever it is asked for.
    explicit ShrinkWindow(Workbench& bench);
    ~ShrinkWindow() override;

    /// Shows the window (not modal) and brings it to the front.
    void showWorkspace();

    // ---- Step one: the base list ----
    BallGrid* pickGrid(int position) const { return m_pick[static_cast<std::size_t>(position)]; }
    core::PickGrid pickState() const;
    void applyPreset(int position, const QString& preset);
    /// "投注": the base list of the picked digits and bet type.
    void Tou_Zhu_BtnClick();

    // ---- Step two: conditions and the filter ----
    /// The workbench's condition list, which this window shows and edits.
    const core::ConditionList& conditions() const;
    void setConditions(core::ConditionList lines);
    /// Opens the editor of a kind in add mode (the kind buttons).
    void openKindEditor(core::ConditionKind kind);
    /// "修改当前条件": the editor of the selected row's kind, on that row.
    void modifyCurrentCondition();
    /// "过滤": filters the bet list with the used lines and the total tolerance.
    void Guo_Lv_BtnClick();
    /// The editor window of an editor number 1..3, created on first use.
    ConditionEditorDialog& editor(int which);
    core::SeriesHistory history() const;

    // ---- Step three: the bet list ----
    const std::vector<std::string>& betList() const { return m_bets; }
    void setBetList(std::vector<std::string> numbers);
    QString countLabel() const;

    // ---- The list workbench pages ----
    /// "加入交集区": the bet list as an intersection entry, named in the entry dialog.
    void addBetListToIntersection();
    /// "交集": the used entries intersected into the result memo.
    void JiaoJi_BtnClick();
    const std::vector<core::IntersectionEntry>& intersectionEntries() const { return m_entries; }
    void setIntersectionEntries(std::vector<core::IntersectionEntry> entries);
    const std::vector<core::StagedList>& stagedLists() const { return m_staged; }
    /// Stages numbers under a name asked for in the entry dialog; false when cancelled.
    bool stageNumbers(std::vector<std::string> numbers, const QString& proposedName);
    /// "转入交集区": the used staged lists copied into the intersection area.
    void stagedToIntersection();
    /// "结果过滤": the memo of the current page becomes the bet list.
    void resultToBetList();
    /// "组变单" / "单变组" on the draw-number memo.
    void convertDrawNumbers(bool groupToDirect);
    /// "生成开奖号码": the bet list plus the key of a series into the draw-number page.
    void trackConvert(core::SeriesIndex series);
    /// Hands numbers to the print window TF_print; "没有可打印的组合!" for none.
    void printNumbers(const std::vector<std::string>& numbers);
    QPlainTextEdit* memo(int page) const;
    QString pageCaption(int page) const;
    QTabWidget* pages() const { return m_pages; }
    IntersectionNameDialog& nameDialog();

    /// The condition list file operations of the popup menu.
    void saveConditionFile();
    void openConditionFile();
    /// Reads a condition file into the list; a file it cannot read is said and changes nothing.
    bool loadConditionFile(const QString& path);

    // ---- 方案评估 ----
    /// The bet type ticked in 投注类型.
    core::BetType betType() const;
    /// The total tolerance as the boxes stand.
    core::TotalTolerance totalTolerance() const;
    /// Selects the condition row (1-based) in the condition list and shows the list's page.
    void selectConditionRow(int row);
    /// Opens the scheme evaluation window on the current scheme and starts a run.
    void openSchemeEvaluation();
    SchemeEvalWindow* schemeEvaluation() const { return m_schemeEval; }

signals:
    /// The condition list, the tolerances, the picked digits or the bet type changed.
    void schemeChanged();

private:
    QWidget* buildPickArea();
    QWidget* buildKindTabs();
    QWidget* buildConditionPage();
    QWidget* buildBetArea();
    /// Shows the condition list anew after it changed as a whole.
    void refreshConditions();
    void saveBetList();
    void openBetList();
    void clearBetList() { setBetList({}); }
    void printBetList() { printNumbers(m_bets); }
    void addBetNumber();
    void deleteBetNumbers();
    QWidget* buildIntersectionPage();
    QWidget* buildStagingPage();
    QWidget* buildDrawPage();
    void saveMemo(QPlainTextEdit* memo);
    /// The number box of a list workbench page; none for the condition page.
    NumberMemoBox* numberBox(int page) const;
    /// "结果过滤", then `afterFilter` when there is one, "另存为" and "打印" in the button row of a number
    /// box, named in that order by `names`.
    void addResultCommands(NumberMemoBox* box, const QStringList& names, QPushButton* afterFilter);
    /// Asks for a number text file and reads it; nothing when cancelled or unreadable (the user is told).
    std::optional<std::vector<std::string>> askNumberFile();
    /// Names numbers in the entry dialog, prepared as IntersectionNameDialog::prepare says, for the
    /// intersection or the staging area; nothing when cancelled.
    std::optional<core::IntersectionEntry> nameNumbers(std::vector<std::string> numbers,
                                                       const QString& caption, const QString& label,
                                                       const QString& name, int series, bool seriesEnabled);
    /// A named list into the staging area (its series is not kept there).
    void appendStaged(core::IntersectionEntry named);
    void openIntersectionFile();
    void openStagedFile();
    void showTrackConverter();

    Workbench& m_bench;
    Prompter& m_prompter;
    std::array<BallGrid*, 3> m_pick{};
    std::array<QComboBox*, 3> m_presets{};
    std::array<QRadioButton*, 3> m_betTypes{};
    QTableView* m_conditionsView = nullptr;
    VectorListModel<core::ConditionLine>* m_conditionModel = nullptr;
    ToleranceRange* m_total = nullptr;
    QMenu* m_conditionMenu = nullptr;
    QTabWidget* m_pages = nullptr;
    QLabel* m_stepLabel = nullptr;
    QTableView* m_betView = nullptr;
    VectorListModel<std::string>* m_betModel = nullptr;
    QLabel* m_count = nullptr;
    std::array<ConditionEditorDialog*, 3> m_editors{};
    IntersectionNameDialog* m_nameDialog = nullptr;
    PrintDialog* m_printDialog = nullptr;
    SchemeEvalWindow* m_schemeEval = nullptr;
    QTableView* m_entryView = nullptr;
    VectorListModel<core::IntersectionEntry>* m_entryModel = nullptr;
    ToleranceRange* m_jjTolerance = nullptr;
    NumberMemoBox* m_jjResultBox = nullptr;
    QTableView* m_stagedView = nullptr;
    VectorListModel<core::StagedList>* m_stagedModel = nullptr;
    NumberMemoBox* m_zcBox = nullptr;
    NumberMemoBox* m_kjBox = nullptr;
    std::vector<core::IntersectionEntry> m_entries;
    std::vector<core::StagedList> m_staged;

    std::vector<std::string> m_bets;
};

/// Opens a window of the workspace once start-up has finished ("shrink", "shrink:PAGE" on a middle
/// page, "editor:KIND" for the editor of a kind in add mode, or "scheme[:PAGE[:RANGE]]" for the scheme
/// evaluation), for a look without clicking through.
void openOnStart(ShrinkWindow& shrink, const QString& what);

} // namespace p3::gui
