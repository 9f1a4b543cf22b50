#include "gui/app/digit_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "gui/widgets/ball_image_cache.h"

namespace p3::gui {
namespace {

/// Paints a picker cell as the ball picture its text names.
class BallCellDelegate final : public QStyledItemDelegate {
public:
    BallCellDelegate(const BallImageCache* balls, QObject* parent)
        : QStyledItemDelegate(parent), m_balls(balls) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->fillRect(option.rect, Qt::white);
        const QString name = index.data(Qt::DisplayRole).toString();
        const int size = std::min(option.rect.width(), option.rect.height()) - 2;
        if (!m_balls || size <= 0) return;
        const QPixmap ball = m_balls->image(name, size);
        const QPoint at(option.rect.center().x() - size / 2 + 1, option.rect.center().y() - size / 2 + 1);
        painter->drawPixmap(at, ball);
        if (option.state & QStyle::State_MouseOver) {
            painter->setPen(QColor(192, 78, 59));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }

private:
    const BallImageCache* m_balls;
};

} // namespace

DigitPicker::DigitPicker(const BallImageCache* balls, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("F_Show_up"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("#F_Show_up { background: rgb(232,240,249); border: 1px solid rgb(64,64,64); }"));

    m_cells = new QTableWidget(1, 10, this);
    m_cells->setObjectName(QStringLiteral("View_SG"));
    m_cells->horizontalHeader()->hide();
    m_cells->verticalHeader()->hide();
    m_cells->horizontalHeader()->setMinimumSectionSize(kCellSize);
    m_cells->horizontalHeader()->setDefaultSectionSize(kCellSize);
    m_cells->verticalHeader()->setDefaultSectionSize(kCellSize);
    m_cells->setShowGrid(false);
    m_cells->setFrameShape(QFrame::NoFrame);
    m_cells->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cells->setSelectionMode(QAbstractItemView::NoSelection);
    m_cells->setFocusPolicy(Qt::NoFocus);
    m_cells->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cells->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cells->setMouseTracking(true);
    m_cells->setCursor(Qt::PointingHandCursor);
    m_cells->setItemDelegate(new BallCellDelegate(balls, m_cells));
    m_cells->setFixedSize(10 * kCellSize, kCellSize);
    for (int digit = 0; digit < 10; ++digit)
        m_cells->setItem(0, digit, new QTableWidgetItem(cellName(digit)));
    connect(m_cells, &QTableWidget::cellClicked, this, [this](int, int column) {
        setMarked(column);
        emit digitPicked(column);
    });

    auto* clearButton = new QPushButton(QStringLiteral("空"), this);
    clearButton->setObjectName(QStringLiteral("Btn_Kong"));
    auto* closeButton = new QPushButton(QStringLiteral("关"), this);
    closeButton->setObjectName(QStringLiteral("Btn_Guan"));
    for (QPushButton* button : {clearButton, closeButton}) {
        button->setFixedSize(28, kCellSize);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(clearButton, &QPushButton::clicked, this, [this] {
        setMarked(-1);
        emit clearRequested();
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(m_cells);
    layout->addWidget(clearButton);
    layout->addWidget(closeButton);
    adjustSize();
    hide();
}

QString DigitPicker::cellName(int digit) const {
    return QString(digit == m_marked ? QLatin1Char('Y') : QLatin1Char('N')) + QString::number(digit);
}

void DigitPicker::setMarked(int digit) {
    m_marked = digit >= 0 && digit <= 9 ? digit : -1;
    for (int d = 0; d < 10; ++d)
        if (QTableWidgetItem* item = m_cells->item(0, d)) item->setText(cellName(d));
}

} // namespace p3::gui
