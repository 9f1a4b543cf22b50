// The workbench program: pick3bench [--home DIR].
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <csignal>

#include "core/common/version.h"
#include "core/io/app_path.h"
#include "gui/app/hint_style.h"
#include "gui/app/login_pic.h"
#include "gui/app/main_window.h"
#include "gui/app/open_file.h"
#include "gui/app/translations.h"
#include "gui/charts/tu_biao_window.h"
#include "gui/shrink/shrink_window.h"
#include "gui/tools/bet_plan_dialog.h"
#include "gui/tools/set_tool_window.h"
#include "gui/widgets/prompter.h"

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void requestStop(int) {
    g_stopRequested = 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pick3bench"));
    QApplication::setApplicationVersion(QString::fromUtf8(
        p3::core::kProgramVersion.data(), static_cast<qsizetype>(p3::core::kProgramVersion.size())));
    // The application takes ownership of the style.
    QApplication::setStyle(new p3::gui::HintStyle);
    // Qt's own dialogs speak the workbench's language.
    p3::gui::installQtTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("星轨 workbench for three-digit lotteries"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("The home folder to use."),
                                  QStringLiteral("DIR"));
    parser.addOption(homeOption);
    QCommandLineOption chartOption(QStringLiteral("chart"),
                                   QStringLiteral("Open the chart window at start, e.g. 开奖号码:常规参数."),
                                   QStringLiteral("SOURCE:CHART"));
    parser.addOption(chartOption);
    QCommandLineOption openOption(
        QStringLiteral("open"),
        QStringLiteral("A window to open after start-up: shrink, shrink:PAGE (0..3), editor:KIND (1..25), "
                       "scheme[:PAGE[:RANGE]] (方案评估), sets or betplan."),
        QStringLiteral("WINDOW"));
    parser.addOption(openOption);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A condition scheme (.ag) to open in the shrink workspace, or a set "
                       "list (.SGL) to open in the set tool."),
        QStringLiteral("[FILE]"));
    parser.process(app);

    std::optional<std::filesystem::path> cliHome;
    if (parser.isSet(homeOption)) {
        // An empty name would quietly fall back to the user's real data folder.
        if (parser.value(homeOption).isEmpty()) {
            p3::gui::QtPrompter refusal;
            static_cast<p3::gui::Prompter&>(refusal).information(
                nullptr, QString::fromUtf8(p3::core::kEmptyHomeMessage.data(),
                                           static_cast<qsizetype>(p3::core::kEmptyHomeMessage.size())));
            return 2;
        }
        cliHome = std::filesystem::path(parser.value(homeOption).toStdString());
    }
    const std::filesystem::path home = p3::core::resolveHome(cliHome);
    p3::gui::QtPrompter prompter(QString::fromStdString(home.string()));
    if (auto ready = p3::core::ensureHome(home, p3::core::findTemplateDir()); !ready) {
        static_cast<p3::gui::Prompter&>(prompter).information(nullptr,
                                                              QString::fromStdString(ready.error().message));
        return 2;
    }

    p3::gui::MainWindow window(home, prompter);
    p3::gui::installChartWindow(window.workbench(), parser.value(chartOption));

    // The splash paints before the long-lived windows are made.
    auto* splash = new p3::gui::LoginPic(home);
    if (splash->hasPicture()) {
        splash->show();
        for (int pass = 0; pass < 10; ++pass)
            QApplication::processEvents();
        window.setSplash(splash);
    } else {
        delete splash;
    }
    // The long-lived windows of the shrink workspace, the chart window and the tools are created here,
    // in their start-up order, as they join the workbench.
    auto* shrink = new p3::gui::ShrinkWindow(window.workbench());
    window.show();

    // A session that ends (SIGTERM) or Ctrl+C closes the window as the user would, so that its
    // shut-down still keeps the condition list.
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    QTimer stopWatch;
    QObject::connect(&stopWatch, &QTimer::timeout, [&stopWatch, &window] {
        if (!g_stopRequested) return;
        stopWatch.stop();
        window.close();
        QApplication::quit();
    });
    stopWatch.start(100);
    const QString toOpen = parser.value(openOption);
    if (toOpen == QStringLiteral("sets"))
        QTimer::singleShot(300, &window, [&window] { p3::gui::showSetTool(window.workbench()); });
    else if (toOpen == QStringLiteral("betplan"))
        QTimer::singleShot(300, &window, [&window] { p3::gui::runBetPlan(window.workbench()); });
    else if (parser.isSet(openOption))
        p3::gui::openOnStart(*shrink, toOpen);
    if (!parser.positionalArguments().isEmpty()) {
        // A file opened from the desktop: its kind says which window takes it (relative to where we started).
        const QString path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
        QTimer::singleShot(300, &window, [&window, shrink, path] {
            p3::gui::openFileOnStart(window.workbench(), *shrink, path);
        });
    }
    return QApplication::exec();
}
