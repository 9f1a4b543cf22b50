#pragma once
/// The workbench window TF_Main: builds the Workbench the other windows share and shows the main grid
/// M_Grid of its current lottery, with the prediction row and digit picker.
#include <QMainWindow>
#include <QPointer>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "core/net/online_update.h"
#include "gui/app/main_grid_model.h"
#include "gui/workbench/workbench.h"

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
class DataManageDialog;
class LotterySelectDialog;

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

    // ---- The workbench and the grid ----
    /// What the windows of this run share.
    Workbench& workbench() { return m_bench; }
    /// Loads a lottery by name (the remembered one at start-up) or with its row known (the lottery choice).
    bool LoadLottery(const QString& name, const std::optional<core::LotteryInfo>& known = std::nullopt);
    /// Rebuilds the grid from the workbench's draws and track table; the prediction row starts empty.
    void BuildMainGrid();
    /// Shows a control of this window alone on the whole screen until "退出全屏".
    void ShowFullScreen(QWidget* control);
    bool fullScreenShown() const { return m_bench.fullScreenShown(); }

    const core::PredictionRow& predictionRow() const { return m_prediction; }
    /// The about box's text: the program and its version.
    static QString aboutText();

    MainGridModel* gridModel() const { return m_model; }
    FrozenHeaderTable* grid() const { return m_grid; }
    DigitPicker* picker() const { return m_picker; }
    QString statusText(int panel) const;
    /// The status bar gauge of long work: shows it at `percent` (0..100); a negative percent hides it.
    void setGauge(int percent);
    /// Histories from this many draws on show the gauge while the track table and grid are built.
    static constexpr std::size_t kGaugeDraws = Workbench::kGaugeDraws;
    void setStatusText(int panel, const QString& text);

    /// Starts a program or opens a file of the home by name; false when there is none.
    bool startHomeProgram(const QString& name);
    /// "计算器": starts the desktop's calculator; without one, says that none was found.
    bool startCalculator();

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

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
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

    /// Lottery name, window title and status bar for the workbench's current lottery.
    void showLottery();
    /// The status bar's newest draw and draw count.
    void showDrawCounts();

    Workbench m_bench;
    Prompter& m_prompter;
    const std::filesystem::path& m_home;
    core::PredictionRow m_prediction;

    MainGridModel* m_model = nullptr;
    FrozenHeaderTable* m_grid = nullptr;
    DigitPicker* m_picker = nullptr;
    bool m_pickerParked = false; ///< the picker is open but its cell has scrolled out of view
    QWidget* m_gridPanel = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QProgressBar* m_gauge = nullptr;
    QAction* m_fullScreenAction = nullptr;

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

    QPointer<QWidget> m_splash;
    QPointer<QThread> m_versionThread;
    std::function<std::string()> m_versionFetcher;
    /// Set at shut-down: the version check and the downloads still running give up.
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
    bool m_shown = false;
    bool m_startupDone = false;
    bool m_closed = false;
};

} // namespace p3::gui
