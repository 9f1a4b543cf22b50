#pragma once
/// The help window "软件帮助": the user manual (Help/index.html of the home) in a text browser, with its
/// contents, back and forward.
#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace p3::gui {

class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& indexFile, QWidget* parent);

    QTextBrowser* browser() const { return m_browser; }
    /// Shows the manual's contents page again.
    void showContents();

    /// The manual's first page: Help/index.html of the home, else of the installed template; empty when
    /// neither has one.
    static QString findIndex(const std::filesystem::path& home, const std::filesystem::path& templateDir);

private:
    QTextBrowser* m_browser;
    QString m_index;
};

} // namespace p3::gui
