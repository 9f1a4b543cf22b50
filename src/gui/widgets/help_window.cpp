#include "gui/widgets/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/widgets/dialog_buttons.h"

namespace p3::gui {

HelpWindow::HelpWindow(const QString& indexFile, QWidget* parent) : QDialog(parent), m_index(indexFile) {
    setObjectName(QStringLiteral("TF_Help"));
    setWindowTitle(QStringLiteral("软件帮助"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    auto* contents = makeButton(this, QStringLiteral("目录"), "Help_Contents");
    auto* back = makeButton(this, QStringLiteral("后退"), "Help_Back");
    auto* forward = makeButton(this, QStringLiteral("前进"), "Help_Forward");
    auto* close = makeButton(this, QStringLiteral("关闭"), "Help_Close");
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch(1);
    bar->addWidget(close);
    layout->addLayout(bar);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("Help_Browser"));
    // Links to other sites open in the desktop's browser; the manual's own pages stay here.
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QFileInfo(indexFile).absolutePath()});
    layout->addWidget(m_browser, 1);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(900, 700);
    showContents();
}

void HelpWindow::showContents() {
    m_browser->setSource(QUrl::fromLocalFile(m_index));
}

QString HelpWindow::findIndex(const std::filesystem::path& home, const std::filesystem::path& templateDir) {
    for (const std::filesystem::path& base : {home, templateDir}) {
        if (base.empty()) continue;
        const QString index = QString::fromStdString((base / "Help" / "index.html").string());
        if (QFileInfo::exists(index)) return index;
    }
    return {};
}

} // namespace p3::gui
