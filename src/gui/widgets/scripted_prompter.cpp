#include "gui/widgets/scripted_prompter.h"

#include <QTextDocument>

namespace p3::gui {
namespace {

template <typename T> T takeOr(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

// An empty script answers as a cancelled box; kept apart from the template so that the optional's
// states stay plain for the compiler.
std::optional<QString> takeText(std::deque<std::optional<QString>>& queue) {
    if (queue.empty()) return std::nullopt;
    const bool has = queue.front().has_value();
    QString text = has ? *queue.front() : QString();
    queue.pop_front();
    if (!has) return std::nullopt;
    return std::optional<QString>(std::in_place, text);
}

} // namespace

QStringList ScriptedPrompter::messages() const {
    QStringList out;
    for (const auto& s : m_shown)
        if (s.kind == QLatin1String("information")) out << s.text;
    return out;
}

QString ScriptedPrompter::lastMessage() const {
    const QStringList all = messages();
    return all.isEmpty() ? QString() : all.back();
}

std::optional<QString> ScriptedPrompter::ask(QWidget*, const Question& question) {
    // The kind names the tests read, in the order of Prompter::Kind.
    static const char* const kKindNames[] = {"information", "confirm", "open",   "save",
                                             "input",       "choose",  "number", "print"};
    const QString kind = QString::fromLatin1(kKindNames[static_cast<int>(question.kind)]);
    switch (question.kind) {
    case Kind::Information:
        m_shown.push_back({kind, question.text, question.title});
        return QString();
    case Kind::Confirm:
        m_shown.push_back({kind, question.text, question.title});
        return takeOr<bool>(m_confirms, false) ? std::optional<QString>(QString()) : std::nullopt;
    case Kind::OpenFile:
    case Kind::SaveFile: {
        m_shown.push_back({kind, question.title, {}});
        QString file = takeOr<QString>(m_files, QString());
        if (file.isEmpty()) return std::nullopt;
        return file;
    }
    case Kind::Text:
    case Kind::Item:
    case Kind::Number:
        m_shown.push_back({kind, question.text, question.title});
        return takeText(m_texts);
    case Kind::Print:
        m_shown.push_back({kind, question.document->toPlainText(), question.title});
        return QString();
    }
    return std::nullopt;
}

} // namespace p3::gui
