#include "gui/widgets/ball_cell_delegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "gui/widgets/ball_cell_model.h"
#include "gui/widgets/ball_image_cache.h"

namespace p3::gui {

BallCellDelegate::BallCellDelegate(const BallImageCache* balls, bool hoverFrame, QObject* parent)
    : ListGridDelegate(parent), m_balls(balls), m_hoverFrame(hoverFrame) {}

void BallCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->fillRect(option.rect, option.palette.base());
    const QString name = index.data(Qt::DisplayRole).toString();
    const int size = std::min(option.rect.width(), option.rect.height()) - 2;
    if (name.isEmpty() || size <= 0) return;
    const QPixmap ball = m_balls ? m_balls->image(name, size) : BallImageCache::drawBall(name, size);
    const QPoint at(option.rect.center().x() - size / 2 + 1, option.rect.center().y() - size / 2 + 1);
    painter->save();
    if (!(option.state & QStyle::State_Enabled)) painter->setOpacity(0.4);
    painter->drawPixmap(at, ball);
    painter->restore();
    if (m_hoverFrame && (option.state & QStyle::State_MouseOver)) {
        painter->save();
        painter->setPen(QColor(192, 78, 59));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

void showBallCells(QTableView* view, BallCellModel* cells, const BallImageCache* balls, bool hoverFrame) {
    view->setModel(cells);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->horizontalHeader()->setMinimumSectionSize(kBallCellSize);
    view->horizontalHeader()->setDefaultSectionSize(kBallCellSize);
    view->verticalHeader()->setMinimumSectionSize(kBallCellSize);
    view->verticalHeader()->setDefaultSectionSize(kBallCellSize);
    view->setShowGrid(false);
    view->setFrameShape(QFrame::NoFrame);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setCursor(Qt::PointingHandCursor);
    view->setItemDelegate(new BallCellDelegate(balls, hoverFrame, view));
    view->setFixedSize(cells->columnCount() * kBallCellSize, cells->rowCount() * kBallCellSize);
}

} // namespace p3::gui
