#pragma once
/// Every modal question the workbench asks the user: message boxes, file dialogs and input boxes.
#include <QString>
#include <QStringList>
#include <optional>

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
};

/// The prompter of the running program: Qt's standard dialogs.
class QtPrompter final : public Prompter {
public:
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
};

} // namespace p3::gui
