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

void ScriptedPrompter::information(QWidget*, const QString& text, const QString& caption) {
    m_shown.push_back({QStringLiteral("information"), text, caption});
}

bool ScriptedPrompter::confirm(QWidget*, const QString& text, const QString& caption) {
    m_shown.push_back({QStringLiteral("confirm"), text, caption});
    return takeOr<bool>(m_confirms, false);
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& title, const QString&) {
    m_shown.push_back({QStringLiteral("open"), title, {}});
    return takeOr<QString>(m_files, QString());
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& title, const QString&) {
    m_shown.push_back({QStringLiteral("save"), title, {}});
    return takeOr<QString>(m_files, QString());
}

std::optional<QString> ScriptedPrompter::inputText(QWidget*, const QString& title, const QString& label,
                                                   const QString&) {
    m_shown.push_back({QStringLiteral("input"), label, title});
    return takeText(m_texts);
}

std::optional<QString> ScriptedPrompter::chooseItem(QWidget*, const QString& title, const QString& label,
                                                    const QStringList&, int) {
    m_shown.push_back({QStringLiteral("choose"), label, title});
    return takeText(m_texts);
}

std::optional<QString> ScriptedPrompter::chooseNumber(QWidget*, const QString& title, const QString& label,
                                                      const QStringList&) {
    m_shown.push_back({QStringLiteral("number"), label, title});
    return takeText(m_texts);
}

bool ScriptedPrompter::printDocument(QWidget*, QTextDocument& document) {
    m_shown.push_back({QStringLiteral("print"), document.toPlainText(),
                       document.metaInformation(QTextDocument::DocumentTitle)});
    return true;
}

} // namespace p3::gui
