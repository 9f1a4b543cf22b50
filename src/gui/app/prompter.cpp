#include "gui/app/prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "gui/widgets/multiple_dialog.h"

namespace p3::gui {

void QtPrompter::information(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text);
}

bool QtPrompter::confirm(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtPrompter::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, {}, filter);
}

QString QtPrompter::saveFileName(QWidget* parent, const QString& title, const QString& filter) {
    // The extension rule of the export is the caller's; the dialog must not add one of its own.
    QFileDialog dialog(parent, title, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
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
