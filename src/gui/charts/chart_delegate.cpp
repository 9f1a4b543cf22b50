#include "gui/charts/chart_delegate.h"

#include <QPainter>

#include "core/charts/chart_catalogue.h"
#include "gui/charts/chart_grid_model.h"
#include "gui/widgets/ball_image_cache.h"

namespace p3::gui {

using core::ChartRowRole;
using Model = ChartGridModel;

const QColor ChartDelegate::kHeaderColour(232, 240, 249);
const QColor ChartDelegate::kStatisticsColour(228, 236, 247);
const QColor ChartDelegate::kSeparatorColour(40, 40, 40);

namespace {

const QColor kDarkGrey(102, 102, 102);
const QColor kDarkBlue(51, 51, 153);
const QColor kRedBrown(192, 78, 59);
const QColor kSilver(192, 192, 192);
const QColor kSelectedHeader(164, 199, 242);

/// Room the text leaves free inside its cell, so that it never touches the cell lines.
constexpr int kCellPadding = 2;

void drawCentred(QPainter* painter, const QRect& rect, const QString& text, const QColor& colour, bool bold,
                 int pointSize = 0) {
    QFont font = painter->font();
    font.setBold(bold);
    if (pointSize <= 0) pointSize = font.pointSize() > 0 ? font.pointSize() : 9;
    // A text too wide for its cell shrinks, and is elided visibly rather than cut on both sides.
    const FittedText fitted = fitCellText(font, text, rect.width() - kCellPadding, pointSize);
    font.setPointSize(fitted.pointSize);
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(rect, Qt::AlignCenter, fitted.text);
}

/// Figures of three or more characters shrink so that they fit a 20-pixel column.
int figureSize(const QString& text) {
    return text.size() >= 3 ? 7 : 9;
}

} // namespace

FittedText fitCellText(QFont font, const QString& text, int width, int pointSize) {
    int size = std::max(pointSize, kMinCellPointSize);
    for (;; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) return {size, text};
        if (size <= kMinCellPointSize) break;
    }
    return {kMinCellPointSize, QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(width, 0))};
}

int cellWidthFor(QFont font, const QString& text) {
    font.setPointSize(kMinCellPointSize);
    return QFontMetrics(font).horizontalAdvance(text) + kCellPadding;
}

ChartDelegate::ChartDelegate(BallImageCache& balls, QObject* parent)
    : QStyledItemDelegate(parent), m_balls(balls) {}

void ChartDelegate::paintNumberCell(QPainter* painter, const QRect& rect, const QModelIndex& index,
                                    int kind) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->fillRect(rect, Qt::white);
    const int column = index.column();
    if (core::chartForm(kind) == core::ChartForm::Slant) {
        // The slant charts: the three analysed positions in dark blue, the diagonal bold, its own position
        // in red-brown.
        QColor colour = kDarkGrey;
        if (column >= 1 && column <= 3) colour = kDarkBlue;
        if (column == 6 + core::slantPosition(kind)) colour = kRedBrown;
        if (column >= 11 && column <= 14) {
            painter->fillRect(rect, QColor(255, 255, 224));
            colour = Qt::black;
        }
        drawCentred(painter, rect, text, colour, column != 0);
        return;
    }
    QColor colour = kDarkGrey;
    if (column == 1 || column == 2) {
        // 奖号 and 群号 follow the 群号: a pair turns them black, a triple red.
        const QString shape = index.sibling(index.row(), 2).data(Qt::DisplayRole).toString();
        colour = column == 1 ? kDarkBlue : kDarkGrey;
        if (shape.startsWith(QLatin1Char('7')) || shape.startsWith(QLatin1Char('8')) ||
            shape.startsWith(QLatin1Char('9')))
            colour = Qt::black;
        if (shape == QStringLiteral("0号")) colour = Qt::red;
    }
    drawCentred(painter, rect, text, colour, true);
}

void ChartDelegate::paintChartCell(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index, int rowRole) const {
    const QRect rect = option.rect;
    const QVariant band = index.data(Model::BandRole);
    painter->fillRect(rect, band.isValid() ? band.value<QColor>() : QColor(Qt::white));
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString ball = index.data(Model::BallRole).toString();
    const bool prediction = rowRole == static_cast<int>(ChartRowRole::Prediction);
    const bool slant = core::chartForm(index.data(Model::ColumnKindRole).toInt()) == core::ChartForm::Slant;
    if (prediction && slant && index.column() <= 10) {
        painter->fillRect(rect, Qt::white);
        painter->setPen(kSilver);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    if (!ball.isEmpty()) {
        const QPixmap picture = m_balls.image(ball, kChartBallSize, text);
        painter->drawPixmap(rect.left() + (rect.width() - kChartBallSize) / 2, rect.top() + 1, picture);
        return;
    }
    if (!text.isEmpty()) {
        // Text cells (digit sets, candidate lists) keep one size and shrink only when they would not fit.
        const bool bold = index.data(Model::TextCellRole).toBool();
        drawCentred(painter, rect, text, prediction ? kRedBrown : QColor(Qt::black), bold, 9);
        return;
    }
    const int waiting = index.data(Model::WaitingRole).toInt();
    if (waiting >= 0) {
        const QString figure = QString::number(waiting);
        drawCentred(painter, rect, figure, kSilver, false, figureSize(figure));
    }
}

void ChartDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    painter->save();
    painter->setFont(option.font);
    const QRect rect = option.rect;
    const int rowRole = index.data(Model::RowRoleRole).toInt();
    const int kind = index.data(Model::ColumnKindRole).toInt();
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool selected = option.state & QStyle::State_Selected;
    const bool slant = core::chartForm(kind) == core::ChartForm::Slant;
    const int numberColumns = slant ? 15 : 5;

    switch (static_cast<ChartRowRole>(rowRole)) {
    case ChartRowRole::GroupTitle:
    case ChartRowRole::ClosingTitle:
    case ChartRowRole::Header:
    case ChartRowRole::RepeatedHeader:
        painter->fillRect(rect, selected ? kSelectedHeader : kHeaderColour);
        drawCentred(painter, rect, text, QColor(73, 102, 198), true);
        break;
    case ChartRowRole::Statistics: {
        const int footer = index.row() - (index.model()->rowCount() - 6);
        painter->fillRect(rect, footer % 2 == 0 ? kStatisticsColour : kHeaderColour);
        if (index.column() < 5)
            drawCentred(painter, rect, text, kDarkGrey, true);
        else
            drawCentred(painter, rect, text, Qt::black, false, figureSize(text));
        break;
    }
    case ChartRowRole::Draw:
    case ChartRowRole::Prediction:
    case ChartRowRole::Diagonal:
        if (index.column() < numberColumns &&
            !(slant && rowRole == static_cast<int>(ChartRowRole::Prediction) && index.column() >= 6))
            paintNumberCell(painter, rect, index, kind);
        else
            paintChartCell(painter, option, index, rowRole);
        if (selected) painter->fillRect(rect, QColor(51, 153, 255, 50));
        break;
    }

    // Light cell lines, and the dark separators around the number columns and every group.
    painter->setPen(QColor(200, 210, 225));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const int separators = index.data(Model::SeparatorRole).toInt();
    painter->setPen(QPen(kSeparatorColour, 1));
    if (separators & 1) painter->drawLine(rect.topLeft(), rect.bottomLeft());
    if (separators & 2) painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->restore();
}

} // namespace p3::gui
