// The main window's tool commands that reach outside the program: the help window, the desktop's
// calculator and the print program.
#include <QDialog>
#include <QProcess>
#include <cstdlib>

#include "core/io/app_path.h"
#include "core/io/program_lookup.h"
#include "core/tools/print_layout.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/prompter.h"

namespace p3::gui {

namespace {

std::string pathVariable() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}

} // namespace

void MainWindow::showWindow(QDialog& dialog) {
    if (m_dialogRunner) {
        m_dialogRunner(dialog);
        return;
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

HelpWindow* MainWindow::showHelp() {
    if (!m_help) {
        const QString index = HelpWindow::findIndex(m_home, core::findTemplateDir());
        if (index.isEmpty()) {
            m_prompter.information(this, QStringLiteral("没有找到帮助文件 Help/index.html"));
            return nullptr;
        }
        m_help = new HelpWindow(index, this);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return m_help;
}

bool MainWindow::startCalculator() {
    if (const auto calculator = core::findCalculator(pathVariable())) {
        if (m_programStarter) return m_programStarter(QString::fromStdString(calculator->string()), {});
        return QProcess::startDetached(QString::fromStdString(calculator->string()), {});
    }
    QStringList names;
    for (auto name : core::kCalculatorPrograms)
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    m_prompter.information(
        this, QStringLiteral("没有找到计算器程序（已查找 %1）").arg(names.join(QStringLiteral("、"))));
    return false;
}

bool MainWindow::startPrintProgram() {
    const std::string name(core::kPrintProgramName);
    // Last, the build tree's print folder beside the workbench's own (src/gui and src/print).
    const std::filesystem::path programDir = core::executableDir();
    std::vector<std::filesystem::path> buildTree;
    if (!programDir.empty()) buildTree.push_back(programDir.parent_path() / "print");
    const auto program = core::findProgram(name, programDir, pathVariable(), m_home, buildTree);
    if (!program) {
        m_prompter.information(
            this,
            QStringLiteral("没有找到打印程序 %1（已在程序目录、PATH 和数据目录中查找）。\n打印数据已写入 %2")
                .arg(QString::fromStdString(name),
                     QString::fromStdString((m_home / std::string(core::kPrintDataFileName)).string())));
        return false;
    }
    // The print program reads the hand-off from this home, whichever home it would take by itself.
    const QString file = QString::fromStdString(program->string());
    const QStringList arguments{QStringLiteral("--home"), QString::fromStdString(m_home.string())};
    if (m_programStarter) return m_programStarter(file, arguments);
    return QProcess::startDetached(file, arguments, QString::fromStdString(m_home.string()));
}

} // namespace p3::gui
