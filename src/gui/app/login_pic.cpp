#include "gui/app/login_pic.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace p3::gui {

LoginPic::LoginPic(const std::filesystem::path& home, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TF_LoginPic"));
    const QPixmap picture(QString::fromStdString((home / "Image" / "login.jpg").string()));
    m_hasPicture = !picture.isNull();
    if (!m_hasPicture) return;
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->resize(picture.size());
    setFixedSize(picture.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

} // namespace p3::gui
