#include "gui/widgets/ball_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/widgets/ball_image_cache.h"

namespace p3::gui {
namespace {

/// Paints a cell as the ball its text names; a disabled grid shows its balls faded.
class BallDelegate final : public QStyledItemDelegate {
public:
    BallDelegate(const BallImageCache* balls, QObject* parent)
        : QStyledItemDelegate(parent), m_balls(balls) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->fillRect(option.rect, option.palette.base());
        const QString name = index.data(Qt::DisplayRole).toString();
        const int size = std::min(option.rect.width(), option.rect.height()) - 2;
        if (name.isEmpty() || size <= 0) return;
        const QPixmap ball = m_balls ? m_balls->image(name, size) : BallImageCache::drawBall(name, size);
        painter->save();
        if (!(option.state & QStyle::State_Enabled)) painter->setOpacity(0.4);
        painter->drawPixmap(option.rect.topLeft() + QPoint(1, 1), ball);
        painter->restore();
    }

private:
    const BallImageCache* m_balls;
};

} // namespace

BallGrid::BallGrid(const BallImageCache* balls, int columns, int count, QWidget* parent)
    : QTableWidget((count + columns - 1) / columns, columns, parent), m_columns(columns), m_count(count),
      m_chosen(static_cast<std::size_t>(count), false) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(kCellSize);
    horizontalHeader()->setDefaultSectionSize(kCellSize);
    verticalHeader()->setMinimumSectionSize(kCellSize);
    verticalHeader()->setDefaultSectionSize(kCellSize);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCursor(Qt::PointingHandCursor);
    setItemDelegate(new BallDelegate(balls, this));
    setFixedSize(columns * kCellSize, rowCount() * kCellSize);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columns; ++column)
            setItem(row, column, new QTableWidgetItem);
    for (int value = 0; value < count; ++value)
        refresh(value);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        const int value = column + m_columns * row;
        if (value >= m_count) return;
        setChosen(value, !isChosen(value));
        emit toggled(value);
    });
}

bool BallGrid::isChosen(int value) const {
    return value >= 0 && value < m_count && m_chosen[static_cast<std::size_t>(value)];
}

void BallGrid::setChosen(int value, bool chosen) {
    if (value < 0 || value >= m_count) return;
    m_chosen[static_cast<std::size_t>(value)] = chosen;
    refresh(value);
}

void BallGrid::setAllChosen(bool chosen) {
    for (int value = 0; value < m_count; ++value)
        setChosen(value, chosen);
}

std::vector<int> BallGrid::chosenValues() const {
    std::vector<int> out;
    for (int value = 0; value < m_count; ++value)
        if (isChosen(value)) out.push_back(value);
    return out;
}

QRect BallGrid::cellRect(int value) const {
    return visualItemRect(item(value / m_columns, value % m_columns));
}

void BallGrid::refresh(int value) {
    item(value / m_columns, value % m_columns)
        ->setText((isChosen(value) ? QStringLiteral("Y") : QStringLiteral("N")) + QString::number(value));
}

} // namespace p3::gui
