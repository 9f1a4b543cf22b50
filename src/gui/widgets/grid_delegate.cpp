#include "gui/widgets/grid_delegate.h"

#include <QPainter>

namespace p3::gui {

const QColor GridDelegate::kActivePartColour(192, 78, 59);
const QColor GridDelegate::kGroupLineColour(64, 64, 64);
const QColor GridDelegate::kCellLineColour(200, 210, 225);

GridDelegate::GridDelegate(Roles roles, QList<int> boldKinds, int stripKind, QObject* parent)
    : QStyledItemDelegate(parent), m_roles(roles), m_boldKinds(std::move(boldKinds)), m_stripKind(stripKind) {
}

void GridDelegate::paintStrip(QPainter* painter, const QRect& rect, const QString& text,
                              int activePart) const {
    // The strip is two commands side by side, split at the ideographic space.
    const qsizetype split = text.indexOf(QChar(0x3000));
    const QString left = split < 0 ? text : text.left(split);
    const QString gap = split < 0 ? QString() : QString(QChar(0x3000));
    const QString right = split < 0 ? QString() : text.mid(split + 1);
    const QFontMetrics metrics(painter->font());
    const int leftWidth = metrics.horizontalAdvance(left);
    const int gapWidth = metrics.horizontalAdvance(gap);
    const int total = metrics.horizontalAdvance(text);
    int x = rect.left() + (rect.width() - total) / 2;
    const int baseline = rect.top() + (rect.height() + metrics.ascent() - metrics.descent()) / 2;
    auto drawPart = [&](const QString& part, int width, bool active) {
        QFont font = painter->font();
        font.setUnderline(active);
        painter->setFont(font);
        painter->setPen(active ? kActivePartColour : QColor(0, 0, 255));
        painter->drawText(x, baseline, part);
        x += width;
    };
    drawPart(left, leftWidth, activePart == 1);
    x += gapWidth;
    drawPart(right, metrics.horizontalAdvance(right), activePart == 2);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    painter->save();
    const QRect rect = option.rect;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(rect, background.isValid() ? background.value<QColor>() : QColor(Qt::white));
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) painter->fillRect(rect, QColor(51, 153, 255, 90));

    const int kind = index.data(m_roles.kind).toInt();
    const QString text = index.data(Qt::DisplayRole).toString();
    QFont font = option.font;
    if (m_boldKinds.contains(kind)) font.setBold(true);
    painter->setFont(font);
    if (!text.isEmpty()) {
        if (kind == m_stripKind) {
            paintStrip(painter, rect, text, index.data(m_roles.activePart).toInt());
        } else {
            const QVariant foreground = index.data(Qt::ForegroundRole);
            painter->setPen(foreground.isValid() ? foreground.value<QColor>() : QColor(Qt::black));
            painter->drawText(rect, Qt::AlignCenter, text);
        }
    }

    // Cell lines on the right and bottom edges; a dark line closes every group of five columns.
    painter->setPen(kCellLineColour);
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const int span = std::max(1, index.data(m_roles.span).toInt());
    const int lastColumn = index.column() + span - 1;
    const bool groupEdge = lastColumn > 0 && lastColumn % 5 == 0;
    painter->setPen(groupEdge ? kGroupLineColour : kCellLineColour);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->restore();
}

} // namespace p3::gui
