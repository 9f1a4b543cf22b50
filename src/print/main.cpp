// pick3-print: prints the numbers the print hand-off left in the home (print_data.txt and the
// print_param settings) through the system's print dialog, or writes them as a PDF with --pdf FILE.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/common/version.h"
#include "core/io/app_path.h"
#include "core/tools/print_layout.h"
#include "print_document.h"

namespace {

int failWith(const QString& message, bool interactive) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    if (interactive) QMessageBox::information(nullptr, QString::fromUtf8("提示"), message);
    return 2;
}

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

QString programVersion() {
    return QString::fromUtf8(p3::core::kProgramVersion.data(),
                             static_cast<qsizetype>(p3::core::kProgramVersion.size()));
}

} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8("数据打印: prints print_data.txt of the home"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption homeOption(
        "home", "home folder (default: $PICK3_HOME or ~/.local/share/pick3bench)", "DIR");
    const QCommandLineOption pdfOption("pdf", "write a PDF instead of printing", "FILE");
    parser.addOption(homeOption);
    parser.addOption(pdfOption);
    {
        // The arguments are read before any window exists: --help, a wrong option and --pdf need no display.
        QCoreApplication plain(argc, argv);
        QCoreApplication::setApplicationName("pick3-print");
        QCoreApplication::setApplicationVersion(programVersion());
        if (!parser.parse(QCoreApplication::arguments())) {
            std::fprintf(stderr, "%s\n", parser.errorText().toUtf8().constData());
            return 2;
        }
        if (parser.isSet(helpOption)) parser.showHelp(0);
        if (parser.isSet(versionOption)) parser.showVersion();
    }
    const bool interactive = !parser.isSet(pdfOption);
    if (!hasDisplay()) {
        // A PDF is written without a screen; the print dialog needs one.
        if (interactive)
            return failWith(QString::fromUtf8("没有图形显示, 无法打开打印对话框 (可用 --pdf FILE 输出 PDF)"),
                            false);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("pick3-print");

    std::optional<std::filesystem::path> given;
    if (parser.isSet(homeOption)) given = parser.value(homeOption).toStdString();
    const auto home = p3::core::resolveHome(given);
    auto handoff = p3::core::readPrintHandoff(home);
    if (!handoff) return failWith(QString::fromStdString(handoff.error().message), interactive);

    p3::print::PrintJob job;
    job.title = QString::fromStdString(handoff->title);
    job.count = handoff->count;
    for (const auto& line : handoff->lines)
        job.lines << QString::fromStdString(line);

    QPrinter printer(QPrinter::HighResolution);
    p3::print::setUpPage(printer);
    printer.setDocName(job.title);
    if (!interactive) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(parser.value(pdfOption));
    } else {
        QPrintDialog dialog(&printer);
        dialog.setWindowTitle(QString::fromUtf8("数据打印"));
        if (dialog.exec() != QDialog::Accepted) return 0;
    }
    if (!p3::print::paintJob(printer, job))
        return failWith(QString::fromUtf8("无法打印: ") + printer.outputFileName(), interactive);
    return 0;
}
