#pragma once
/// Every modal question the workbench asks the user: message boxes, file dialogs and input boxes.
#include <QString>
#include <QStringList>
#include <optional>

#include "gui/widgets/file_dialogs.h"

class QTextDocument;
class QWidget;

namespace p3::gui {

inline const QString kPromptCaption = QStringLiteral("提示");

/// The windows ask through this interface so that tests can answer in their place: every question goes
/// through the one hook `ask`, which the real prompter answers with a dialog and the tests' with a script.
class Prompter {
public:
    /// What a question asks for; the dialog that shows it follows from it.
    enum class Kind { Information, Confirm, OpenFile, SaveFile, Text, Item, Number, Print };
    /// One question as the hook sees it.
    struct Question {
        Kind kind = Kind::Information;
        QString title{};                   ///< the caption of a box, the title of a dialog
        QString text{};                    ///< the message of a box, the label of an input dialog
        QString filter{};                  ///< file dialogs: the windows' filter text
        QString initial{};                 ///< text input: the text it starts with
        QStringList items{};               ///< the items to choose from, or the suggested numbers
        int current = 0;                   ///< item choice: the item chosen at first
        QTextDocument* document = nullptr; ///< print: the document to print
    };

    virtual ~Prompter() = default;
    /// An information box with an OK button.
    void information(QWidget* parent, const QString& text, const QString& caption = kPromptCaption);
    /// An OK / Cancel question; true for OK.
    bool confirm(QWidget* parent, const QString& text, const QString& caption = kPromptCaption);
    /// A file to open; empty when the user cancels.
    QString openFileName(QWidget* parent, const QString& title, const QString& filter);
    /// A file to write; empty when the user cancels.
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter);
    /// One line of text; nothing when the user cancels.
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial = {});
    /// One of the given items; nothing when the user cancels.
    std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                      const QStringList& items, int current = 0);
    /// A whole number, typed in or picked from the suggestions (TF_Form1); nothing when cancelled.
    std::optional<QString> chooseNumber(QWidget* parent, const QString& title, const QString& label,
                                        const QStringList& suggestions);
    /// Prints a document after the print dialog; false when the user cancels.
    bool printDocument(QWidget* parent, QTextDocument& document);

protected:
    /// Shows one question and returns the answer: nothing when the user cancels; the chosen file, the typed
    /// or chosen text; an empty text for an information box, a confirmation or a print that went ahead.
    virtual std::optional<QString> ask(QWidget* parent, const Question& question) = 0;
};

/// The prompter of the running program: Qt's standard dialogs. File dialogs take the windows' filter texts
/// as Qt name filters and start in the folder last used for that kind of file, or in the home.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(const QString& home = {}) : m_folders(home) {}
    FolderMemory& folders() { return m_folders; }

protected:
    std::optional<QString> ask(QWidget* parent, const Question& question) override;

private:
    std::optional<QString> runFileDialog(QWidget* parent, const Question& question);

    FolderMemory m_folders;
};

} // namespace p3::gui
