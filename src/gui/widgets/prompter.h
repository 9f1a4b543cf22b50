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

/// The windows ask through this interface so that tests can answer in their place.
class Prompter {
public:
    virtual ~Prompter() = default;
    /// An information box with an OK button.
    virtual void information(QWidget* parent, const QString& text,
                             const QString& caption = kPromptCaption) = 0;
    /// An OK / Cancel question; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& caption = kPromptCaption) = 0;
    /// A file to open; empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    /// A file to write; empty when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    /// One line of text; nothing when the user cancels.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                             const QString& initial = {}) = 0;
    /// One of the given items; nothing when the user cancels.
    virtual std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                              const QStringList& items, int current = 0) = 0;
    /// A whole number, typed in or picked from the suggestions (TF_Form1); nothing when cancelled.
    virtual std::optional<QString> chooseNumber(QWidget* parent, const QString& title, const QString& label,
                                                const QStringList& suggestions) = 0;
    /// Prints a document after the print dialog; false when the user cancels.
    virtual bool printDocument(QWidget* parent, QTextDocument& document) = 0;
};

/// The prompter of the running program: Qt's standard dialogs. File dialogs take the windows' filter texts
/// as Qt name filters and start in the folder last used for that kind of file, or in the home.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(const QString& home = {}) : m_folders(home) {}
    FolderMemory& folders() { return m_folders; }

    void information(QWidget* parent, const QString& text, const QString& caption) override;
    bool confirm(QWidget* parent, const QString& text, const QString& caption) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial) override;
    std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                      const QStringList& items, int current) override;
    std::optional<QString> chooseNumber(QWidget* parent, const QString& title, const QString& label,
                                        const QStringList& suggestions) override;
    bool printDocument(QWidget* parent, QTextDocument& document) override;

private:
    QString runFileDialog(QWidget* parent, const QString& title, const QString& filter, bool save);

    FolderMemory m_folders;
};

} // namespace p3::gui
