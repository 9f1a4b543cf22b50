#include "gui/widgets/frozen_header_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace p3::gui {

FrozenHeaderTable::FrozenHeaderTable(QWidget* parent) : QTableView(parent), m_header(new QTableView(this)) {
    for (QTableView* view : {static_cast<QTableView*>(this), m_header}) {
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->setShowGrid(false);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->horizontalHeader()->setMinimumSectionSize(4);
        view->verticalHeader()->setMinimumSectionSize(4);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The base class keeps the top margin for its column header and computes its scroll range below
    // it; shown at the height of the fixed rows (and covered by them), it reserves exactly their room,
    // so the last rows can always be scrolled into view.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(0);
    m_header->setObjectName(QStringLiteral("HeaderRows"));
    m_header->setFocusPolicy(Qt::NoFocus);
    m_header->setSelectionMode(QAbstractItemView::NoSelection);
    m_header->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_header->setFrameShape(QFrame::NoFrame);
    m_header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setMouseTracking(true);
    m_header->viewport()->setMouseTracking(true);
    m_header->viewport()->installEventFilter(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_header->horizontalScrollBar(),
            &QScrollBar::setValue);
}

void FrozenHeaderTable::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    m_header->setModel(model);
}

void FrozenHeaderTable::resizeEvent(QResizeEvent* event) {
    QScrollBar* rows = verticalScrollBar();
    const bool atEnd = rows->maximum() > 0 && rows->value() >= rows->maximum();
    QTableView::resizeEvent(event);
    if (atEnd) scrollToBottom();
}

void FrozenHeaderTable::setFrozenRows(int rows) {
    m_frozenRows = rows;
    for (int r = 0; r < rows && model() && r < model()->rowCount(); ++r)
        setRowHidden(r, true);
    reserveHeaderRoom();
    m_header->verticalScrollBar()->setValue(0);
}

void FrozenHeaderTable::reserveHeaderRoom() {
    const int height = frozenHeight();
    horizontalHeader()->setFixedHeight(height);
    horizontalHeader()->setVisible(height > 0);
    updateGeometries();
}

void FrozenHeaderTable::setColumnWidthBoth(int column, int width) {
    setColumnWidth(column, width);
    m_header->setColumnWidth(column, width);
}

void FrozenHeaderTable::setRowHeights(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    m_header->verticalHeader()->setDefaultSectionSize(height);
    reserveHeaderRoom();
}

int FrozenHeaderTable::frozenHeight() const {
    return m_frozenRows * m_header->verticalHeader()->defaultSectionSize();
}

void FrozenHeaderTable::layoutHeader() {
    const QRect area = viewport()->geometry();
    m_header->setGeometry(area.left(), area.top() - frozenHeight(), area.width(), frozenHeight());
    m_header->raise();
    m_header->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
}

void FrozenHeaderTable::updateGeometries() {
    QTableView::updateGeometries();
    layoutHeader();
}

bool FrozenHeaderTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_header->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            emit headerHovered(m_header->rowAt(at.y()), m_header->columnAt(at.x()));
            break;
        }
        case QEvent::Wheel:
            // The fixed rows never scroll by themselves: the wheel scrolls the grid below them.
            QCoreApplication::sendEvent(viewport(), event);
            return true;
        case QEvent::Leave:
            emit headerHovered(-1, -1);
            break;
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QPoint at = mouse->position().toPoint();
                emit headerClicked(m_header->rowAt(at.y()), m_header->columnAt(at.x()));
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace p3::gui
