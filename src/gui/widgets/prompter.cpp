#include "gui/widgets/prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "gui/widgets/multiple_dialog.h"

namespace p3::gui {

void Prompter::information(QWidget* parent, const QString& text, const QString& caption) {
    (void)ask(parent, {.kind = Kind::Information, .title = caption, .text = text});
}

bool Prompter::confirm(QWidget* parent, const QString& text, const QString& caption) {
    return ask(parent, {.kind = Kind::Confirm, .title = caption, .text = text}).has_value();
}

QString Prompter::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    return ask(parent, {.kind = Kind::OpenFile, .title = title, .filter = filter}).value_or(QString());
}

QString Prompter::saveFileName(QWidget* parent, const QString& title, const QString& filter) {
    return ask(parent, {.kind = Kind::SaveFile, .title = title, .filter = filter}).value_or(QString());
}

std::optional<QString> Prompter::inputText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& initial) {
    return ask(parent, {.kind = Kind::Text, .title = title, .text = label, .initial = initial});
}

std::optional<QString> Prompter::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                            const QStringList& items, int current) {
    return ask(parent,
               {.kind = Kind::Item, .title = title, .text = label, .items = items, .current = current});
}

std::optional<QString> Prompter::chooseNumber(QWidget* parent, const QString& title, const QString& label,
                                              const QStringList& suggestions) {
    return ask(parent, {.kind = Kind::Number, .title = title, .text = label, .items = suggestions});
}

bool Prompter::printDocument(QWidget* parent, QTextDocument& document) {
    return ask(parent, {.kind = Kind::Print,
                        .title = document.metaInformation(QTextDocument::DocumentTitle),
                        .document = &document})
        .has_value();
}

std::optional<QString> QtPrompter::runFileDialog(QWidget* parent, const Question& question) {
    const QString kind = fileKindOf(question.filter);
    QFileDialog dialog(parent, question.title, m_folders.startFolder(kind));
    dialog.setNameFilters(qtNameFilters(question.filter));
    if (question.kind == Kind::SaveFile) {
        // The extension rule of the export is the caller's; the dialog must not add one of its own.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().front();
    m_folders.remember(kind, chosen);
    return chosen;
}

std::optional<QString> QtPrompter::ask(QWidget* parent, const Question& question) {
    bool ok = true;
    QString answer;
    switch (question.kind) {
    case Kind::Information:
        QMessageBox::information(parent, question.title, question.text);
        break;
    case Kind::Confirm:
        ok = QMessageBox::question(parent, question.title, question.text,
                                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
        break;
    case Kind::OpenFile:
    case Kind::SaveFile:
        return runFileDialog(parent, question);
    case Kind::Text:
        answer = QInputDialog::getText(parent, question.title, question.text, QLineEdit::Normal,
                                       question.initial, &ok);
        break;
    case Kind::Item:
        answer = QInputDialog::getItem(parent, question.title, question.text, question.items,
                                       question.current, false, &ok);
        break;
    case Kind::Number: {
        MultipleDialog dialog(question.title, question.text, question.items, parent);
        ok = dialog.exec() == QDialog::Accepted;
        answer = dialog.value();
        break;
    }
    case Kind::Print: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(question.title);
        QPrintDialog dialog(&printer, parent);
        ok = dialog.exec() == QDialog::Accepted;
        if (ok) question.document->print(&printer);
        break;
    }
    }
    if (!ok) return std::nullopt;
    return answer;
}

} // namespace p3::gui
