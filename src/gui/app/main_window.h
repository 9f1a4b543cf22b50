#pragma once
/// The workbench window TF_Main: owner of the shared state of a run (attribute operations, home,
/// settings, database, draw list, track table, ball pictures) and of the main grid M_Grid with its
/// prediction row and digit picker.
#include <QMainWindow>
#include <QPointer>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/attributes/get_fun_class.h"
#include "core/catalogue/condition_line.h"
#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "core/io/settings.h"
#include "core/net/online_update.h"
#include "core/store/draw_database.h"
#include "gui/app/main_grid_model.h"
#include "gui/widgets/ball_image_cache.h"

class QDialog;
class QFrame;
class QLabel;
class QProgressBar;
class QThread;
class QTimer;
class QAction;
class QToolButton;

namespace p3::gui {

class Prompter;
class DigitPicker;
class FrozenHeaderTable;
class FullScreenHost;
class DataManageDialog;
class HelpWindow;
class LotterySelectDialog;

/// What a click on a group's "图表　遗漏" header asks the chart window to show.
struct ChartRequest {
    QString title;       ///< "开奖号码" or "星轨" + k
    int firstColumn = 1; ///< the group's first grid column
    QString lotteryName;
    HeaderPart view = HeaderPart::Chart; ///< Chart: "图表分析", Omission: "遗漏查询"
};

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(std::filesystem::path home, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Start-up ----
    /// The show step; runs once, when the window is first shown.
    void FormShow();
    /// The splash window to close when start-up ends.
    void setSplash(QWidget* splash) { m_splash = splash; }
    /// Asks the update server for the newest version (run on a worker thread; "" when it cannot say).
    /// The default one gives up at once when the window closes.
    void setVersionFetcher(std::function<std::string()> fetcher) { m_versionFetcher = std::move(fetcher); }
    /// Whether start-up has finished and, if so, whether it went on (false: an update was started).
    bool startupDone() const { return m_startupDone; }

    // ---- Operations other windows call ----
    /// Loads a lottery by name (the remembered one at start-up) or with its row known (the lottery choice).
    bool LoadLottery(const QString& name, const std::optional<core::LotteryInfo>& known = std::nullopt);
    /// Rebuilds the grid and the track table from the draw list; the prediction row starts empty.
    void BuildMainGrid();
    /// Shows a control of this window alone on the whole screen until "退出全屏".
    void ShowFullScreen(QWidget* control);
    bool fullScreenShown() const;

    // ---- Shared state ----
    const std::filesystem::path& home() const { return m_home; }
    core::Get_Fun_Class& funClass() { return m_fun; }
    core::DrawDatabase* database() { return m_db.get(); }
    core::Settings* settings() { return m_settings.get(); }
    const core::DrawList& drawList() const { return m_draws; }
    core::DrawList& drawList() { return m_draws; }
    const core::CurrentLottery& currentLottery() const { return m_lottery; }
    const std::vector<std::string>& publicNumbers() const { return m_public; }
    const core::TrackTable& trackTable() const { return m_table; }
    const core::PredictionRow& predictionRow() const { return m_prediction; }
    BallImageCache& balls() { return m_balls; }
    Prompter& prompter() { return m_prompter; }
    /// The about box's text: the program and its version.
    static QString aboutText();
    /// The digit count the grid uses: the lottery's, or 3 when it has none.
    int digitCount() const;
    /// The current lottery as a row of the lottery table; nothing when no lottery of that name exists.
    std::optional<core::LotteryInfo> currentLotteryInfo() const;
    int periodColumnWidth() const;

    /// Runs a modal dialog of this window (tests answer it in place of the user).
    int runDialog(QDialog& dialog);
    /// Shows a window of the workbench without blocking (the chart window); tests that set a dialog
    /// runner get it there instead.
    void showWindow(QDialog& dialog);
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_dialogRunner = std::move(runner); }

    MainGridModel* gridModel() const { return m_model; }
    FrozenHeaderTable* grid() const { return m_grid; }
    DigitPicker* picker() const { return m_picker; }
    QString statusText(int panel) const;
    /// The status bar gauge of long work: shows it at `percent` (0..100); a negative percent hides it.
    void setGauge(int percent);
    /// Histories from this many draws on show the gauge while the track table and grid are built.
    static constexpr std::size_t kGaugeDraws = 2000;
    void setStatusText(int panel, const QString& text);

    // ---- Hooks for the windows later parts add ----
    void setChartHook(std::function<void(const ChartRequest&)> hook) { m_chartHook = std::move(hook); }
    /// The shrink engine's condition list: read from "~tmp_tj.ag" of the home when the window is made,
    /// written back there at shut-down.
    core::ConditionList& conditionList() { return m_conditions; }
    /// Opens the shrink workspace ("星轨缩水").
    void setShrinkOpener(std::function<void()> opener) { m_shrinkOpener = std::move(opener); }
    /// Writes the shrink workspace's condition list to the given file at shut-down.
    void setConditionListSaver(std::function<core::Status(const std::filesystem::path&)> saver) {
        m_conditionSaver = std::move(saver);
    }

    /// Starts a program or opens a file of the home by name; false when there is none.
    bool startHomeProgram(const QString& name);
    /// "软件帮助" (and F1): the help window with the user manual; nullptr, said so, when there is no manual.
    HelpWindow* showHelp();
    /// "计算器": starts the desktop's calculator; without one, says that none was found.
    bool startCalculator();
    /// Starts the print program pick3-print on this home (beside the program, on PATH, or in the home);
    /// without it, says so and where the print data was left.
    bool startPrintProgram();
    /// Starts outside programs in place of QProcess (tests record them instead).
    void setProgramStarter(std::function<bool(const QString&, const QStringList&)> starter) {
        m_programStarter = std::move(starter);
    }

    // ---- Commands ----
    /// "选择彩票": the lottery choice; a chosen lottery is loaded and updated in the background.
    void bsSkinSpeedButton1Click();
    /// "数据管理": data management; after a change the grid is rebuilt from its rows.
    void bsSkinSpeedButton2Click();
    /// "新增奖号": one draw added directly.
    void bsSkinSpeedButton4Click();
    /// "星轨缩水": the shrink workspace.
    void bsSkinSpeedButton3Click();
    /// `Auto_update_Data`: downloads the current lottery's new draws on a worker thread.
    void startBackgroundUpdate();
    /// Waits until every background update has ended (their results are still handed over).
    void waitForBackgroundUpdates();
    QFrame* updateNotice() const { return m_notice; }

public slots:
    /// The picker's digit for the selected prediction-row cell.
    void pickPredictionDigit(int digit);
    /// The picker's "空" for the selected prediction-row cell.
    void clearPredictionPosition();

signals:
    void startupFinished(bool continued);
    void lotteryLoaded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// Whether the current lottery is gone from the lottery table (then said so): its draws are not edited.
    bool refuseEditsOfMissingLottery();
    /// Stops the version check and the background updates still running.
    void cancelBackgroundWork();

private:
    void buildWidgets();
    void buildCommands();
    void M_GridSelectCell(const QModelIndex& current);
    void placePicker();
    /// Hides the picker because the user closed it or chose another cell (not because it scrolled away).
    void closePicker();
    void M_GridHeaderHover(int row, int column);
    void M_GridHeaderClick(int row, int column);
    void gridContextMenu(const QPoint& at);
    void openDatabase();
    void runVersionCheck();
    void finishStartup(const std::string& serverVersion);
    void resetSpans();
    void buildUpdateNotice();
    void autoUpdateProgress(int updater, const core::UpdateProgress& progress);
    void autoUpdateDone(int updater, const core::Result<core::UpdateReport>& result);
    void showUpdateProgress(const QString& text);
    void Shi_Shi_Updata_DataTimer();
    /// The block (1..6) and position (1..5) of the selected prediction-row cell, if one is selected.
    std::optional<std::pair<int, int>> selectedPredictionCell() const;

    std::filesystem::path m_home;
    Prompter& m_prompter;
    core::Get_Fun_Class m_fun;
    std::unique_ptr<core::Settings> m_settings;
    std::unique_ptr<core::DrawDatabase> m_db;
    core::DrawList m_draws;
    core::CurrentLottery m_lottery;
    std::vector<std::string> m_public;
    core::TrackTable m_table;
    core::PredictionRow m_prediction;
    BallImageCache m_balls;

    MainGridModel* m_model = nullptr;
    FrozenHeaderTable* m_grid = nullptr;
    DigitPicker* m_picker = nullptr;
    bool m_pickerParked = false; ///< the picker is open but its cell has scrolled out of view
    QWidget* m_gridPanel = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QProgressBar* m_gauge = nullptr;
    QAction* m_fullScreenAction = nullptr;
    std::unique_ptr<FullScreenHost> m_fullScreen;

    DataManageDialog* m_dataDialog = nullptr;
    LotterySelectDialog* m_selectDialog = nullptr;
    QFrame* m_notice = nullptr;
    QTimer* m_updateTimer = nullptr;
    QTimer* m_noticeTimer = nullptr;
    QLabel* m_noticeCount = nullptr;
    QProgressBar* m_updateGauge = nullptr;
    QToolButton* m_updateCancel = nullptr;
    std::vector<std::pair<int, std::unique_ptr<core::AutoUpdater>>> m_updaters;
    int m_nextUpdater = 0;
    std::function<int(QDialog&)> m_dialogRunner;
    std::function<bool(const QString&, const QStringList&)> m_programStarter;
    HelpWindow* m_help = nullptr;

    QPointer<QWidget> m_splash;
    QPointer<QThread> m_versionThread;
    std::function<std::string()> m_versionFetcher;
    std::function<void(const ChartRequest&)> m_chartHook;
    core::ConditionList m_conditions;
    /// Why "~tmp_tj.ag" could not be read; such a file is then left as it is at shut-down.
    std::string m_conditionsError;
    std::string m_conditionsNotice; ///< rows of "~tmp_tj.ag" that cannot be used, told at start-up
    /// Set at shut-down: the version check and the downloads still running give up.
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
    std::function<core::Status(const std::filesystem::path&)> m_conditionSaver;
    std::function<void()> m_shrinkOpener;
    bool m_shown = false;
    bool m_startupDone = false;
    bool m_closed = false;
};

} // namespace p3::gui
