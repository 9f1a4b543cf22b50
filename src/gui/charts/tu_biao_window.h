#pragma once
/// The chart window TF_TuBiao: for one data source of the main grid, the chart view (chart tree, chart
/// grids, help text) and the omission query view (kind check boxes, statistics table), sharing the
/// statistics range.
#include <QDialog>
#include <memory>
#include <vector>

#include "core/io/ini_file.h"
#include "core/store/draw_database.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace p3::core {
class ChartSession;
}

namespace p3::gui {

class Workbench;
class ChartView;
class OmissionModel;
class QuickLocateDialog;
class FixedChartView;
class StartPage;
struct ChartRequest;

class TuBiaoWindow final : public QDialog {
    Q_OBJECT
public:
    explicit TuBiaoWindow(Workbench& bench);
    ~TuBiaoWindow() override;

    /// The main window's request: opens for the source, chooses the view and shows the window beside the
    /// others (not modal: the shrink workspace stays usable while a chart is up).
    void openFor(const ChartRequest& request);
    /// What to show first at the next opening: a leaf of the tree, or "遗漏查询" for the query of the
    /// first page's kinds (the start option of the program).
    void setFirstShowing(const QString& what) { m_firstShowing = what; }

    /// OpenForSource: the draws of the source (its name "开奖号码" or "星轨" + k), the default range, the
    /// status panels and the chart tree of the lottery's digit count. False with a message when the source
    /// has no draws to show.
    bool OpenForSource(const QString& sourceName, const QString& lotteryName);
    /// Both view buttons: true the chart view "图表分析", false the query view "遗漏查询".
    void btn_Tu_BiaoClick(bool chartView);
    /// Shows a chart (or a fixed chart's picture) by its leaf name, as a tree click does.
    void chooseChart(const QString& leafName);
    /// Jin_QshuClick with one of its choices.
    void Jin_QshuClick(const QString& choice);
    /// TjFanWei_BegCloseUp with the two chosen items.
    void changeRange(int beginItem, int endItem);
    /// Exec_TuClick: the statistics of the ticked kinds.
    void Exec_TuClick();
    /// Btn_ScreenClick: the statistics table on the whole screen.
    void Btn_ScreenClick();
    /// Btn_FindClick: the quick-locate list of the kinds in the statistics table, beside it.
    void Btn_FindClick();
    /// btn_SuoShuiClick: the shrink workspace, beside this window.
    void btn_SuoShuiClick();
    QuickLocateDialog* quickLocate() const { return m_quickLocate; }
    /// FormClose: lets go of the draws, the statistics and the picture.
    void FormClose();

    core::ChartSession* session() const { return m_session.get(); }
    /// The grid view of the chart shown (nullptr while a picture is up).
    ChartView* shownView() const;
    /// The fixed chart's table while one is shown, else nullptr.
    FixedChartView* shownFixedChart() const;
    /// The start page while it is shown, else nullptr.
    StartPage* shownStartPage() const;
    /// How long the last chart took to build and lay out, in milliseconds.
    double lastChartMilliseconds() const { return m_lastChartMs; }
    QString helpText() const;
    bool chartViewShown() const;

private:
    void buildWidgets();
    QWidget* buildChartPage();
    QWidget* buildQueryPage();
    void M_viewChange(QTreeWidgetItem* item);
    void fillTree(int digitCount);
    void showCurrentChart();
    /// A picture file of the home in the chart area; false when there is none.
    bool showPicture(const QString& relativePath);
    void showStartPage();
    void detachGrids();
    void syncRangeLists();
    void rangeChanged();
    /// After a range choice: the lists follow the session, and a refused range is told.
    void afterRangeChange(const core::Status& status);
    void Tj_1_01Click(QCheckBox* box);
    void B_All_1Click(bool tick);
    void resetTable();
    void refillQuickLocate();
    void bsSkinSpeedButton1Click();
    void bsSkinSpeedButton2Click();

    Workbench& m_bench;
    core::IniFile m_ini;
    std::vector<core::ChartHelp> m_help;
    std::unique_ptr<core::ChartSession> m_session;
    double m_lastChartMs = 0;
    QString m_firstShowing;

    QToolButton* m_chartButton = nullptr;
    QToolButton* m_queryButton = nullptr;
    QLabel* m_sourceLabel = nullptr;
    QComboBox* m_recent = nullptr;
    QComboBox* m_begin = nullptr;
    QComboBox* m_end = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_status[3] = {nullptr, nullptr, nullptr};

    // Chart view.
    QSplitter* m_treeSplitter = nullptr;
    QTreeWidget* m_tree = nullptr;
    QToolButton* m_treeButton = nullptr;
    QToolButton* m_helpButton = nullptr;
    QStackedWidget* m_chartArea = nullptr;
    ChartView* m_mainGrid = nullptr;
    ChartView* m_biasGrid = nullptr;
    ChartView* m_slantGrid = nullptr;
    QScrollArea* m_pictureArea = nullptr;
    QLabel* m_picture = nullptr;
    FixedChartView* m_fixedChart = nullptr;
    StartPage* m_startPage = nullptr;
    QLabel* m_slantHint = nullptr;
    QListWidget* m_helpList = nullptr;

    // Query view.
    QTabWidget* m_kindPages = nullptr;
    std::vector<std::vector<QCheckBox*>> m_boxes;
    QTableView* m_table = nullptr;
    OmissionModel* m_tableModel = nullptr;
    QProgressBar* m_gauge = nullptr;
    QLabel* m_sortHint = nullptr;
    QuickLocateDialog* m_quickLocate = nullptr;
};

/// Makes the chart window of the main window and opens it from the main grid's "图表　遗漏" headers.
/// `startWith` ("source:leaf", for example "开奖号码:常规参数") opens it once start-up has finished.
TuBiaoWindow* installChartWindow(Workbench& bench, const QString& startWith = {});

} // namespace p3::gui
