#pragma once
/// The workbench of a run: what every window shares (home, settings, draw database, the current lottery
/// with its draws and track table, the one condition list of the shrink engine, the ball pictures), the
/// Prompter and dialog runner the windows ask through, and the full-screen view.
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "core/io/settings.h"
#include "core/store/draw_database.h"
#include "gui/widgets/ball_image_cache.h"
#include "gui/workbench/chart_request.h"

class QDialog;
class QWidget;

namespace p3::gui {

class FullScreenHost;
class HelpWindow;
class PrintDialog;
class Prompter;

/// The period column of the draw grids (main grid and data management).
inline constexpr int kPeriodColumnWidth = 60;

class Workbench final : public QObject {
    Q_OBJECT
public:
    /// Reads the shrink engine's list of the last run ("~tmp_tj.ag" of the home); what it could not read
    /// is told by `tellConditionFileIssues` once a window is there to say it.
    Workbench(std::filesystem::path home, Prompter& prompter, QObject* parent = nullptr);
    ~Workbench() override;

    /// The window the others belong to (their parent) and messages are shown over.
    QWidget* window() const { return m_window; }
    void setWindow(QWidget* window) { m_window = window; }

    const std::filesystem::path& home() const { return m_home; }
    Prompter& prompter() { return m_prompter; }
    core::Settings* settings() { return m_settings.get(); }
    core::DrawDatabase* database() { return m_db.get(); }
    BallImageCache& balls() { return m_balls; }

    // ---- Start-up ----
    /// Opens the settings of the home; a failure is told and leaves the workbench without settings.
    void openSettings();
    /// Opens the draw database of the home and reads its public numbers; failures are told.
    void openDatabase();
    /// Tells why "~tmp_tj.ag" could not be read, and the rows of it that cannot be used.
    void tellConditionFileIssues();

    // ---- The current lottery and its draws ----
    /// Histories from this many draws report trackProgress while their track table is built.
    static constexpr std::size_t kGaugeDraws = 2000;
    const core::CurrentLottery& currentLottery() const { return m_lottery; }
    /// The current lottery as a row of the lottery table; nothing when no lottery of that name exists.
    std::optional<core::LotteryInfo> currentLotteryInfo() const;
    /// The digit count of the current lottery, or 3 when it has none.
    int digitCount() const;
    const core::DrawList& draws() const { return m_draws; }
    const core::TrackTable& trackTable() const { return m_table; }
    const std::vector<std::string>& publicNumbers() const { return m_public; }
    /// Loads a lottery by name (or with its row known) with its draws and remembers it in the settings;
    /// false, told, when it cannot be loaded. Emits lotteryChanged and drawsChanged.
    bool loadLottery(const std::string& name, const std::optional<core::LotteryInfo>& known = std::nullopt);
    /// Replaces the draws of the current lottery and rebuilds the track table over them.
    void setDraws(core::DrawList draws);
    /// Whether the current lottery is gone from the lottery table (then said so): its draws are not edited.
    bool refuseEditsOfMissingLottery();

    // ---- The condition list of the shrink engine ----
    const core::ConditionList& conditions() const { return m_conditions; }
    void setConditions(core::ConditionList lines);
    /// Changes the list in place and tells the windows.
    void editConditions(const std::function<void(core::ConditionList&)>& edit);
    /// Writes the list to "~tmp_tj.ag" at shut-down (told on failure); a file that could not be read at
    /// start-up is kept rather than overwritten.
    void saveConditions();

    // ---- Dialogs and other windows ----
    /// Runs a modal dialog (tests answer it in place of the user).
    int runDialog(QDialog& dialog);
    /// Shows a window without blocking (the chart window); tests that set a dialog runner get it there.
    void showWindow(QDialog& dialog);
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_dialogRunner = std::move(runner); }
    /// "软件帮助" (and F1): the help window with the user manual; nullptr, said so, when there is none.
    HelpWindow* showHelp();
    /// Asks for the shrink workspace ("星轨缩水").
    void openShrinkWorkspace() { emit shrinkWorkspaceRequested(); }
    /// Asks for the chart window on a group of the main grid.
    void requestChart(const ChartRequest& request) { emit chartRequested(request); }

    // ---- Outside programs ----
    /// Starts a program without waiting; tests record it instead through setProgramStarter.
    bool startProgram(const QString& file, const QStringList& arguments, const QString& folder = {});
    void setProgramStarter(std::function<bool(const QString&, const QStringList&)> starter) {
        m_programStarter = std::move(starter);
    }
    /// Hands numbers to a window's print window TF_print (made on first use, over `owner`, and kept in
    /// `dialog`), titled with the lottery and its newest period; "没有可打印的组合!" for none.
    void printNumbers(const std::vector<std::string>& numbers, PrintDialog*& dialog, QWidget* owner);
    /// Starts the print program pick3-print on this home (beside the program, on PATH, or in the home);
    /// without it, says so and where the print data was left.
    bool startPrintProgram();

    // ---- Full screen ----
    /// Shows a control alone on the whole screen until "退出全屏"; one at a time.
    void showFullScreen(QWidget* control);
    bool fullScreenShown() const;
    void exitFullScreen();

    /// Set at shut-down: nothing more is started.
    void close();
    bool closed() const { return m_closed; }

signals:
    /// Another lottery is current (its draws come with drawsChanged).
    void lotteryChanged();
    /// The draws of the current lottery and the track table over them changed.
    void drawsChanged();
    /// While the track table of a long history is built: percent 0..100.
    void trackProgress(int percent);
    /// The condition list changed.
    void conditionsChanged();
    void shrinkWorkspaceRequested();
    void chartRequested(const ChartRequest& request);
    /// Start-up has finished; false when an update was started instead.
    void startupFinished(bool continued);
    /// The full-screen view ended and its control is back in its place.
    void fullScreenExited();

private:
    void inform(const std::string& text);

    std::filesystem::path m_home;
    Prompter& m_prompter;
    QPointer<QWidget> m_window;
    std::unique_ptr<core::Settings> m_settings;
    std::unique_ptr<core::DrawDatabase> m_db;
    BallImageCache m_balls;
    core::CurrentLottery m_lottery;
    core::DrawList m_draws;
    std::vector<std::string> m_public;
    core::TrackTable m_table;
    core::ConditionList m_conditions;
    /// Why "~tmp_tj.ag" could not be read; such a file is then left as it is at shut-down.
    std::string m_conditionsError;
    std::string m_conditionsNotice; ///< rows of "~tmp_tj.ag" that cannot be used, told at start-up
    std::function<int(QDialog&)> m_dialogRunner;
    std::function<bool(const QString&, const QStringList&)> m_programStarter;
    QPointer<HelpWindow> m_help;
    std::unique_ptr<FullScreenHost> m_fullScreen;
    bool m_closed = false;
};

} // namespace p3::gui
