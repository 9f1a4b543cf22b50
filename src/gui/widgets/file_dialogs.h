#pragma once
/// What the file dialogs need beyond Qt: the filter texts the windows give (written as "描述|*.txt") as Qt
/// name filters, and the folder each kind of file was last opened from or saved to.
#include <QString>
#include <QStringList>

namespace p3::gui {

/// Qt name filters of a filter text: "文本文件(*.txt)|*.txt|条件文件|*.ag;*.AG" becomes
/// "文本文件 (*.txt *.TXT)" and "条件文件 (*.ag *.AG)". A text without "|" is taken as Qt's own. Every
/// pattern also matches its other letter case, so that files named on other systems are listed.
QStringList qtNameFilters(const QString& filter);

/// The kind of file a filter text stands for: its first pattern in lower case ("*.txt"), "*" for none.
QString fileKindOf(const QString& filter);

/// The folder a file dialog starts in, per kind of file: the one last used for that kind while it
/// exists, else the home. Kept in "Sys_Dialogs.ini" of the home between runs.
class FolderMemory {
public:
    explicit FolderMemory(QString home = {}) : m_home(std::move(home)) {}
    void setHome(const QString& home) { m_home = home; }
    const QString& home() const { return m_home; }

    QString startFolder(const QString& kind) const;
    /// Remembers the folder of a chosen file for its kind; an empty choice (a cancelled dialog) is ignored.
    void remember(const QString& kind, const QString& chosenFile);

private:
    QString settingsFile() const;
    QString m_home;
};

} // namespace p3::gui
