#include "gui/widgets/ball_image_cache.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <system_error>

namespace p3::gui {
namespace fs = std::filesystem;

QPixmap BallImageCache::drawBall(const QString& name, int size, qreal devicePixelRatio,
                                 const QString& value) {
    const BallLook look = ballLookOf(name, value);
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF body(1, 1, size - 2, size - 2);
    if (look.flat) {
        painter.setPen(QPen(QColor(160, 172, 190), 1));
        painter.setBrush(look.colour);
    } else {
        // Light from the upper left: a bright spot fading into the body colour and a darker rim.
        QRadialGradient gradient(body.left() + body.width() * 0.35, body.top() + body.height() * 0.3,
                                 body.width() * 0.75);
        gradient.setColorAt(0.0, look.colour.lighter(185));
        gradient.setColorAt(0.45, look.colour);
        gradient.setColorAt(1.0, look.colour.darker(170));
        painter.setPen(QPen(look.colour.darker(200), 0.8));
        painter.setBrush(gradient);
    }
    painter.drawEllipse(body);
    if (!look.text.isEmpty()) {
        QFont font = QGuiApplication::font();
        font.setBold(true);
        font.setPixelSize(std::max(7, static_cast<int>(size * (look.text.size() > 1 ? 0.45 : 0.6))));
        painter.setFont(font);
        painter.setPen(look.textColour);
        painter.drawText(body, Qt::AlignCenter, look.text);
    }
    return pixmap;
}

void BallImageCache::scanFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const QString file = QString::fromStdString(entry.path().string());
        const QString stem = QString::fromStdString(entry.path().stem().string());
        if (!QString::fromStdString(entry.path().extension().string())
                 .endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
            continue;
        QPixmap picture(file);
        // An unreadable picture is skipped: the drawn ball stands in for it.
        if (!picture.isNull() && !m_files.contains(stem)) m_files.insert(stem, picture);
    }
}

void BallImageCache::fill(const fs::path& home) {
    clear();
    m_home = home;
    // The picker pictures of Qiu/GuoLv/ take precedence over a same-named file in Qiu/.
    scanFolder(home / "Qiu" / "GuoLv");
    scanFolder(home / "Qiu");
}

void BallImageCache::clear() {
    m_files.clear();
    m_sized.clear();
}

bool BallImageCache::hasFile(const QString& name) const {
    return m_files.contains(name) || loadOnDemand(name);
}

bool BallImageCache::loadOnDemand(const QString& name) const {
    if (m_home.empty() || name.isEmpty() || name.contains(QLatin1Char('/'))) return false;
    for (const fs::path& folder : {m_home / "Qiu" / "GuoLv", m_home / "Qiu"}) {
        const fs::path file = folder / (name.toStdString() + ".bmp");
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) continue;
        QPixmap picture(QString::fromStdString(file.string()));
        if (picture.isNull()) continue;
        m_files.insert(name, picture);
        return true;
    }
    return false;
}

QPixmap BallImageCache::image(const QString& name, int size, const QString& value) const {
    const QString key = name + QLatin1Char('@') + QString::number(size) + QLatin1Char('|') + value;
    if (auto it = m_sized.constFind(key); it != m_sized.constEnd()) return *it;
    QPixmap out;
    if (m_files.contains(name) || loadOnDemand(name)) {
        out = m_files.value(name).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        out = drawBall(name, size, ratio, value);
    }
    m_sized.insert(key, out);
    return out;
}

} // namespace p3::gui
