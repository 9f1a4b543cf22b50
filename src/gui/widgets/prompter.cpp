#include "gui/widgets/prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "gui/widgets/multiple_dialog.h"

namespace p3::gui {

void QtPrompter::information(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text);
}

bool QtPrompter::confirm(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtPrompter::runFileDialog(QWidget* parent, const QString& title, const QString& filter, bool save) {
    const QString kind = fileKindOf(filter);
    QFileDialog dialog(parent, title, m_folders.startFolder(kind));
    dialog.setNameFilters(qtNameFilters(filter));
    if (save) {
        // The extension rule of the export is the caller's; the dialog must not add one of its own.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().front();
    m_folders.remember(kind, chosen);
    return chosen;
}

QString QtPrompter::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    return runFileDialog(parent, title, filter, false);
}

QString QtPrompter::saveFileName(QWidget* parent, const QString& title, const QString& filter) {
    return runFileDialog(parent, title, filter, true);
}

bool QtPrompter::printDocument(QWidget* parent, QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    document.print(&printer);
    return true;
}

std::optional<QString> QtPrompter::inputText(QWidget* parent, const QString& title, const QString& label,
                                             const QString& initial) {
    bool ok = false;
    QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QString> QtPrompter::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                              const QStringList& items, int current) {
    bool ok = false;
    QString item = QInputDialog::getItem(parent, title, label, items, current, false, &ok);
    if (!ok) return std::nullopt;
    return item;
}

std::optional<QString> QtPrompter::chooseNumber(QWidget* parent, const QString& title, const QString& label,
                                                const QStringList& suggestions) {
    MultipleDialog dialog(title, label, suggestions, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.value();
}

} // namespace p3::gui
