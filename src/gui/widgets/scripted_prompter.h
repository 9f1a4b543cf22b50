#pragma once
/// A prompter that answers from a script and records what was asked: the tests' stand-in for the user.
#include <QList>
#include <QString>
#include <deque>
#include <optional>

#include "gui/widgets/prompter.h"

namespace p3::gui {

class ScriptedPrompter final : public Prompter {
public:
    /// What one question showed.
    struct Shown {
        QString kind; ///< "information", "confirm", "open", "save", "input", "choose", "number", "print"
        QString text;
        QString caption;
    };

    void answerConfirm(bool ok) { m_confirms.push_back(ok); }
    void answerFile(const QString& path) { m_files.push_back(path); }
    /// An empty optional answers as a cancelled box.
    void answerText(std::optional<QString> text) { m_texts.push_back(std::move(text)); }

    const QList<Shown>& shown() const { return m_shown; }
    /// The texts of the information boxes, in order.
    QStringList messages() const;
    QString lastMessage() const;
    void clear() { m_shown.clear(); }

protected:
    /// Records the question; a print is recorded with the document's plain text and its title and answered
    /// as a confirmed print dialog.
    std::optional<QString> ask(QWidget* parent, const Question& question) override;

private:
    QList<Shown> m_shown;
    // An unscripted question is answered as the user cancelling it.
    std::deque<bool> m_confirms;
    std::deque<QString> m_files;
    std::deque<std::optional<QString>> m_texts;
};

} // namespace p3::gui
