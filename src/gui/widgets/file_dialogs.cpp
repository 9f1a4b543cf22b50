#include "gui/widgets/file_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace p3::gui {

namespace {

/// The patterns of one filter entry, each with its other case added once.
QStringList bothCases(const QStringList& patterns) {
    QStringList out;
    for (const QString& p : patterns) {
        for (const QString& variant : {p, p.toLower(), p.toUpper()})
            if (!variant.isEmpty() && !out.contains(variant)) out << variant;
    }
    return out;
}

QStringList splitPatterns(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
}

} // namespace

QStringList qtNameFilters(const QString& filter) {
    if (!filter.contains(QLatin1Char('|')))
        return filter.isEmpty() ? QStringList() : filter.split(QStringLiteral(";;"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = splitPatterns(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        QString description = parts[i].trimmed();
        // The description often repeats the patterns ("文本文件(*.txt)", "保存集合列表 *.SGL"); Qt reads
        // patterns from the parentheses, so they are written once, there.
        static const QRegularExpression trailingParens(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        description.remove(trailingParens);
        for (const QString& p : patterns)
            if (description.endsWith(p, Qt::CaseInsensitive)) description.chop(p.size());
        description = description.trimmed();
        if (description.isEmpty()) description = patterns.join(QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(description, bothCases(patterns).join(QLatin1Char(' ')));
    }
    return out;
}

QString fileKindOf(const QString& filter) {
    const QStringList filters = qtNameFilters(filter);
    if (filters.isEmpty()) return QStringLiteral("*");
    static const QRegularExpression inParens(QStringLiteral("\\(([^()]*)\\)"));
    const auto match = inParens.match(filters.front());
    const QStringList patterns = splitPatterns(match.hasMatch() ? match.captured(1) : filters.front());
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.front().toLower();
}

QString FolderMemory::settingsFile() const {
    return QDir(m_home).filePath(QStringLiteral("Sys_Dialogs.ini"));
}

QString FolderMemory::startFolder(const QString& kind) const {
    if (!m_home.isEmpty()) {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        const QString last = settings.value(QStringLiteral("LastFolder/") + kind).toString();
        if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    }
    return m_home.isEmpty() ? QDir::homePath() : m_home;
}

void FolderMemory::remember(const QString& kind, const QString& chosenFile) {
    if (chosenFile.isEmpty() || m_home.isEmpty()) return;
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("LastFolder/") + kind, QFileInfo(chosenFile).absolutePath());
}

} // namespace p3::gui
