#include "gui/widgets/full_screen.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace p3::gui {

FullScreenHost::FullScreenHost(QWidget* control, QObject* parent) : QObject(parent), m_control(control) {
    m_oldParent = control->parentWidget();
    m_oldGeometry = control->geometry();
    if (m_oldParent) {
        if (auto* box = qobject_cast<QBoxLayout*>(m_oldParent->layout())) {
            m_oldIndex = box->indexOf(control);
            if (m_oldIndex >= 0) m_oldLayout = box;
        }
    }

    m_window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    m_window->setObjectName(QStringLiteral("FullScreenWindow"));
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setWindowTitle(QStringLiteral("全屏显示"));
    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    control->show();
    m_window->installEventFilter(this);

    m_tool = new QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    m_tool->setObjectName(QStringLiteral("FullScreenTool"));
    m_tool->setWindowTitle(QStringLiteral("全屏显示"));
    m_tool->setFixedSize(146, 70);
    auto* button = new QPushButton(QStringLiteral("退出全屏"), m_tool);
    button->setObjectName(QStringLiteral("Btn_ExitFullScreen"));
    button->setFixedSize(97, 25);
    button->setStyleSheet(QStringLiteral("color: rgb(0,0,255);"));
    button->move((146 - 97) / 2, (70 - 25) / 2);
    connect(button, &QPushButton::clicked, this, &FullScreenHost::exitFullScreen);

    QScreen* screen = control->screen() ? control->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_window->setGeometry(area);
    m_window->showFullScreen();
    m_tool->move(area.left() + area.width() - 30 - 146, area.top() + 20);
    m_tool->show();
    m_tool->raise();
    m_active = true;
}

FullScreenHost::~FullScreenHost() {
    exitFullScreen();
    delete m_tool;
    delete m_window;
}

void FullScreenHost::exitFullScreen() {
    if (!m_active) return;
    m_active = false;
    if (m_control) {
        if (m_oldLayout) {
            m_oldLayout->insertWidget(m_oldIndex, m_control);
        } else {
            m_control->setParent(m_oldParent);
            m_control->setGeometry(m_oldGeometry);
        }
        m_control->show();
    }
    m_tool->hide();
    m_window->hide();
    emit exited();
}

bool FullScreenHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        // Closing the full-screen window by the system or by Escape also brings the control back.
        if (event->type() == QEvent::Close) {
            exitFullScreen();
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            exitFullScreen();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace p3::gui
