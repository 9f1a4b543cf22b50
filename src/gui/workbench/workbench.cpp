#include "gui/workbench/workbench.h"

#include <QDialog>
#include <QProcess>
#include <cstdlib>

#include "core/data/lottery_types.h"
#include "core/io/app_path.h"
#include "core/io/program_lookup.h"
#include "core/shrink/condition_file.h"
#include "core/store/load_lottery.h"
#include "core/tools/print_layout.h"
#include "gui/widgets/full_screen.h"
#include "gui/widgets/help_window.h"
#include "gui/widgets/print_dialog.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {
namespace fs = std::filesystem;

Workbench::Workbench(fs::path home, Prompter& prompter, QObject* parent)
    : QObject(parent), m_home(std::move(home)), m_prompter(prompter) {
    if (auto kept = core::loadAutoConditionFile(m_home)) {
        m_conditions = std::move(kept->lines);
        // Rows it cannot use are kept as they stand and written back at close; the user is told once.
        m_conditionsNotice = core::conditionIssuesText(kept->issues);
    } else {
        m_conditionsError = kept.error().message;
    }
    // Until a lottery is loaded the windows show the empty frame of a three-digit lottery.
    m_table = core::TrackTable::ComputeTrackTable(m_draws, m_public, digitCount());
}

Workbench::~Workbench() = default;

void Workbench::inform(const std::string& text) {
    m_prompter.information(m_window, QString::fromStdString(text));
}

// ---- Start-up ----

void Workbench::openSettings() {
    auto settings = core::Settings::open(m_home);
    if (settings)
        m_settings = std::make_unique<core::Settings>(std::move(*settings));
    else
        inform(settings.error().message);
}

void Workbench::openDatabase() {
    auto db = core::DrawDatabase::open(m_home / "Data" / "MDB.sqlite");
    if (!db) {
        inform(db.error().message);
        return;
    }
    m_db = std::make_unique<core::DrawDatabase>(std::move(*db));
    // A repair made on opening is told once; the next opening finds nothing to repair.
    if (!m_db->repairNotice().empty()) inform(m_db->repairNotice());
    auto numbers = m_db->publicNumbers();
    if (numbers)
        m_public = std::move(*numbers);
    else
        inform(numbers.error().message);
}

void Workbench::tellConditionFileIssues() {
    if (!m_conditionsError.empty()) inform(m_conditionsError);
    if (!m_conditionsNotice.empty()) inform(m_conditionsNotice);
}

// ---- The current lottery and its draws ----

std::optional<core::LotteryInfo> Workbench::currentLotteryInfo() const {
    if (m_lottery.kind.empty()) return std::nullopt;
    const auto id = core::parsePeriod(m_lottery.id);
    if (!id) return std::nullopt;
    core::LotteryInfo info;
    info.name = m_lottery.name;
    info.kind = m_lottery.kind;
    info.id = *id;
    info.digitCount = m_lottery.digitCount;
    return info;
}

int Workbench::digitCount() const {
    return m_lottery.digitCount >= 3 && m_lottery.digitCount <= 5 ? m_lottery.digitCount : 3;
}

bool Workbench::loadLottery(const std::string& name, const std::optional<core::LotteryInfo>& known) {
    if (!m_db) return false;
    auto loaded = core::LoadLottery(*m_db, name, known);
    if (!loaded) {
        inform(loaded.error().message);
        return false;
    }
    m_lottery = std::move(loaded->lottery);
    emit lotteryChanged();
    setDraws(std::move(loaded->draws));
    if (m_settings) {
        if (auto saved = m_settings->setCurrentLottery(m_lottery.name); !saved) inform(saved.error().message);
    }
    return true;
}

void Workbench::setDraws(core::DrawList draws) {
    m_draws = std::move(draws);
    // A long history takes a moment: whoever shows progress follows the track table.
    const bool report = m_draws.size() >= kGaugeDraws;
    if (report) emit trackProgress(0);
    const core::Progress progress = [this](int percent) { emit trackProgress(percent); };
    m_table = core::TrackTable::ComputeTrackTable(m_draws, m_public, digitCount(),
                                                  report ? progress : core::Progress());
    emit drawsChanged();
}

bool Workbench::refuseEditsOfMissingLottery() {
    const auto info = currentLotteryInfo();
    if (info && m_db) {
        auto stored = m_db->findLottery(info->name);
        if (stored && *stored && (*stored)->id == info->id && (*stored)->kind == info->kind) return false;
    }
    // A lottery deleted while shown (or never found) takes no draws: they would lie under an id that a
    // later lottery may be given.
    inform(std::string(core::lottery_messages::kNoneToLoad));
    return true;
}

// ---- The condition list ----

void Workbench::setConditions(core::ConditionList lines) {
    m_conditions = std::move(lines);
    emit conditionsChanged();
}

void Workbench::editConditions(const std::function<void(core::ConditionList&)>& edit) {
    edit(m_conditions);
    emit conditionsChanged();
}

void Workbench::saveConditions() {
    // A file that could not be read at start-up is kept rather than overwritten with an empty list.
    if (m_closed || !m_conditionsError.empty()) return;
    if (auto saved = core::saveAutoConditionList(m_home, m_conditions); !saved) inform(saved.error().message);
}

// ---- Dialogs and other windows ----

int Workbench::runDialog(QDialog& dialog) {
    return m_dialogRunner ? m_dialogRunner(dialog) : dialog.exec();
}

void Workbench::showWindow(QDialog& dialog) {
    if (m_dialogRunner) {
        m_dialogRunner(dialog);
        return;
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

HelpWindow* Workbench::showHelp() {
    if (!m_help) {
        const QString index = HelpWindow::findIndex(m_home, core::findTemplateDir());
        if (index.isEmpty()) {
            m_prompter.information(m_window, QStringLiteral("没有找到帮助文件 Help/index.html"));
            return nullptr;
        }
        m_help = new HelpWindow(index, m_window);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return m_help;
}

// ---- Outside programs ----

bool Workbench::startProgram(const QString& file, const QStringList& arguments, const QString& folder) {
    if (m_programStarter) return m_programStarter(file, arguments);
    return QProcess::startDetached(file, arguments, folder);
}

void Workbench::printNumbers(const std::vector<std::string>& numbers, PrintDialog*& dialog, QWidget* owner) {
    if (numbers.empty()) {
        m_prompter.information(owner, QStringLiteral("没有可打印的组合!"));
        return;
    }
    const std::string title =
        core::proposedPrintTitle(m_lottery.name, m_draws.empty() ? std::string() : m_draws.back().period);
    if (!dialog)
        dialog = new PrintDialog(
            m_home, m_prompter, [this] { startPrintProgram(); }, owner);
    dialog->setNumbers(numbers, QString::fromStdString(title));
    runDialog(*dialog);
}

bool Workbench::startPrintProgram() {
    const std::string name(core::kPrintProgramName);
    // Last, the build tree's print folder beside the workbench's own (src/gui and src/print).
    const fs::path programDir = core::executableDir();
    std::vector<fs::path> buildTree;
    if (!programDir.empty()) buildTree.push_back(programDir.parent_path() / "print");
    const char* path = std::getenv("PATH");
    const auto program = core::findProgram(name, programDir, path ? path : "", m_home, buildTree);
    if (!program) {
        m_prompter.information(
            m_window,
            QStringLiteral("没有找到打印程序 %1（已在程序目录、PATH 和数据目录中查找）。\n打印数据已写入 %2")
                .arg(QString::fromStdString(name),
                     QString::fromStdString((m_home / std::string(core::kPrintDataFileName)).string())));
        return false;
    }
    // The print program reads the hand-off from this home, whichever home it would take by itself.
    const QString home = QString::fromStdString(m_home.string());
    return startProgram(QString::fromStdString(program->string()), {QStringLiteral("--home"), home}, home);
}

// ---- Full screen ----

void Workbench::showFullScreen(QWidget* control) {
    if (fullScreenShown() || !control) return;
    m_fullScreen = std::make_unique<FullScreenHost>(control);
    connect(m_fullScreen.get(), &FullScreenHost::exited, this, [this] {
        emit fullScreenExited();
        // Destroyed later: the host is inside its own signal now.
        QMetaObject::invokeMethod(
            this, [this] { m_fullScreen.reset(); }, Qt::QueuedConnection);
    });
}

bool Workbench::fullScreenShown() const {
    return m_fullScreen && m_fullScreen->active();
}

void Workbench::exitFullScreen() {
    if (m_fullScreen) m_fullScreen->exitFullScreen();
}

void Workbench::close() {
    m_closed = true;
    m_balls.clear();
}

} // namespace p3::gui
