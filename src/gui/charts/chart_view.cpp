#include "gui/charts/chart_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "core/charts/chart_catalogue.h"
#include "gui/charts/chart_delegate.h"
#include "gui/charts/chart_grid_model.h"

namespace p3::gui {

using core::ChartRowRole;

namespace {

struct LineOffsets {
    QPoint rightStart, rightEnd, leftStart, leftEnd;
};

/// Where a line leaves the upper ball and meets the lower one, from the top-left corners of the two cells,
/// by column distance 1..28: the lines touch the rims of the balls rather than crossing them.
constexpr std::array<LineOffsets, 28> kLineOffsets{{
    {{17, 17}, {3, 3}, {3, 17}, {17, 3}},   {{17, 14}, {1, 5}, {1, 14}, {18, 4}},
    {{19, 13}, {1, 6}, {1, 12}, {19, 6}},   {{19, 12}, {1, 7}, {1, 12}, {19, 7}},
    {{19, 12}, {1, 7}, {1, 11}, {19, 7}},   {{19, 11}, {1, 8}, {1, 11}, {19, 8}},
    {{19, 11}, {1, 8}, {1, 11}, {19, 8}},   {{19, 11}, {1, 8}, {1, 11}, {19, 8}},
    {{19, 11}, {1, 8}, {1, 11}, {19, 8}},   {{19, 10}, {1, 8}, {1, 10}, {19, 8}},
    {{18, 8}, {1, 9}, {1, 9}, {19, 8}},     {{19, 8}, {1, 9}, {1, 9}, {19, 8}},
    {{19, 10}, {1, 10}, {1, 10}, {19, 10}}, {{19, 9}, {1, 10}, {1, 10}, {19, 10}},
    {{19, 10}, {1, 9}, {1, 9}, {19, 10}},   {{19, 10}, {1, 9}, {1, 10}, {19, 10}},
    {{19, 9}, {1, 9}, {1, 10}, {19, 9}},    {{19, 10}, {1, 10}, {1, 10}, {19, 9}},
    {{19, 9}, {1, 10}, {1, 11}, {19, 9}},   {{19, 10}, {1, 10}, {1, 10}, {19, 10}},
    {{19, 10}, {1, 9}, {1, 11}, {19, 10}},  {{19, 9}, {1, 9}, {1, 10}, {19, 9}},
    {{19, 10}, {1, 9}, {1, 10}, {19, 9}},   {{19, 9}, {1, 9}, {1, 11}, {19, 10}},
    {{19, 10}, {1, 10}, {1, 11}, {19, 9}},  {{19, 9}, {1, 9}, {1, 10}, {19, 9}},
    {{19, 9}, {1, 9}, {1, 9}, {19, 9}},     {{19, 9}, {1, 9}, {1, 9}, {19, 9}},
}};

constexpr int kRowHeight = 20;
constexpr int kStatisticsRowHeight = 16;

} // namespace

ChartView::ChartView(BallImageCache& balls, QWidget* parent)
    : FrozenHeaderTable(parent), m_model(new ChartGridModel(this)) {
    setModel(m_model);
    auto* delegate = new ChartDelegate(balls, this);
    setItemDelegate(delegate);
    headerView()->setItemDelegate(delegate);
    setRowHeights(kRowHeight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setWordWrap(false);
}

void ChartView::gridChanged() {
    clearSpans();
    headerView()->clearSpans();
    const core::ChartGrid* grid = m_model->grid();
    if (!grid) return;
    const std::vector<int> widths = columnWidthsFor(*grid);
    for (int c = 0; c < grid->columnCount(); ++c)
        setColumnWidthBoth(c, widths[static_cast<std::size_t>(c)]);
    auto setSpan = [this](int row, int column, int rows, int columns) {
        QTableView::setSpan(row, column, rows, columns);
        headerView()->setSpan(row, column, rows, columns);
    };
    const int last = grid->rowCount() - 1;
    const bool closing = grid->rowRole(last) == ChartRowRole::ClosingTitle;
    for (const auto& group : grid->groups()) {
        const int width = group.last - group.first + 1;
        if (width > 1) setSpan(group.row, group.first, 1, width);
        if (group.row == 0 && closing && width > 1) setSpan(last, group.first, 1, width);
    }
    // The bias chart's number columns stand over its three header rows.
    if (core::chartForm(grid->kind()) == core::ChartForm::Bias)
        for (int c = 0; c < 5; ++c)
            setSpan(1, c, 3, 1);
    int firstFooter = -1;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const ChartRowRole role = grid->rowRole(r);
        if (role == ChartRowRole::Prediction)
            setSpan(r, 0, 1, core::chartForm(grid->kind()) == core::ChartForm::Slant ? 6 : 5);
        if (role == ChartRowRole::Statistics) {
            if (firstFooter < 0) firstFooter = r;
            setSpan(r, 0, 1, 5);
            setRowHeight(r, kStatisticsRowHeight);
        } else if (rowHeight(r) != kRowHeight) {
            setRowHeight(r, kRowHeight);
        }
    }
    setFrozenRows(grid->firstDrawRow());
    const int lastDraw = grid->firstDrawRow() + grid->drawCount() - 1;
    if (grid->drawCount() > 0) {
        selectRow(lastDraw);
        scrollToBottom();
    }
}

std::vector<int> ChartView::columnWidthsFor(const core::ChartGrid& grid) const {
    QFont bold = font();
    bold.setBold(true);
    const bool slant = core::chartForm(grid.kind()) == core::ChartForm::Slant;
    const int spannedColumns = slant ? 6 : 5;
    // The bias chart's titles over parts of a group (row 1) span their columns too.
    auto spannedTitle = [&grid](int row, int column) {
        for (const auto& group : grid.groups())
            if (group.row == row && group.row != 0 && group.first == column && group.last > group.first)
                return true;
        return false;
    };
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(grid.columnCount()));
    for (int c = 0; c < grid.columnCount(); ++c) {
        int width = grid.column(c).width;
        // Texts repeat down a column (a mark is its header): each distinct one is measured once. A column
        // of marks paints balls on its draw rows (and its prediction row, but in the slant charts).
        const core::ChartColumn& column = grid.column(c);
        const bool marks = !column.image.empty() && !column.textCell && !column.spacer;
        std::unordered_set<std::string_view> seen;
        int widestWaiting = -1;
        for (int r = 0; r < grid.rowCount(); ++r) {
            const ChartRowRole role = grid.rowRole(r);
            // Titles and the labels of the prediction and statistics rows stand over several columns.
            if (role == ChartRowRole::GroupTitle || role == ChartRowRole::ClosingTitle) continue;
            if ((role == ChartRowRole::Prediction || role == ChartRowRole::Statistics) && c < spannedColumns)
                continue;
            widestWaiting = std::max(widestWaiting, grid.waitingCount(r, c));
            if (marks && (role == ChartRowRole::Draw || (role == ChartRowRole::Prediction && !slant)))
                continue;
            const std::string& text = grid.text(r, c);
            if (text.empty() || seen.contains(text) || (role == ChartRowRole::Header && spannedTitle(r, c)))
                continue;
            seen.insert(text);
            width = std::max(width, cellWidthFor(bold, QString::fromStdString(text)));
        }
        if (widestWaiting >= 0) width = std::max(width, cellWidthFor(font(), QString::number(widestWaiting)));
        widths.push_back(width);
    }
    return widths;
}

void ChartView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    paintLines();
}

void ChartView::paintLines() {
    m_linesDrawn = 0;
    const core::ChartGrid* grid = m_model->grid();
    if (!grid || grid->lineGroups().empty()) return;
    const int top = rowAt(0);
    int bottom = rowAt(viewport()->height() - 1);
    if (top < 0) return;
    if (bottom < 0) bottom = grid->rowCount() - 1;
    // A line whose upper end is just above the view still crosses into it.
    const auto lines = grid->connectingLines(std::max(0, top - 1), bottom);
    if (lines.empty()) return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    for (const core::LinePair& line : lines) {
        const QRect upper = visualRect(m_model->index(line.upperRow, line.upperColumn));
        const QRect lower = visualRect(m_model->index(line.lowerRow, line.lowerColumn));
        if (upper.isEmpty() || lower.isEmpty()) continue;
        const int distance = std::abs(line.lowerColumn - line.upperColumn);
        const LineOffsets& offsets = kLineOffsets[static_cast<std::size_t>(std::min(distance, 28) - 1)];
        const bool right = line.lowerColumn > line.upperColumn;
        // The offsets are for 20-pixel cells; wider cells keep the ball centred, so shift with them.
        const QPoint upperShift((upper.width() - 20) / 2, 0);
        const QPoint lowerShift((lower.width() - 20) / 2, 0);
        const QPoint start = upper.topLeft() + upperShift + (right ? offsets.rightStart : offsets.leftStart);
        const QPoint end = lower.topLeft() + lowerShift + (right ? offsets.rightEnd : offsets.leftEnd);
        painter.drawLine(start, end);
        ++m_linesDrawn;
    }
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const core::ChartGrid* grid = m_model->grid();
    if (!grid || event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) return;
    const QString hint = QString::fromStdString(grid->predictionHint(index.row(), index.column()));
    emit hintChanged(hint, visualRect(index));
    if (index.row() != grid->predictionRow() || core::chartForm(grid->kind()) == core::ChartForm::Slant)
        return;
    if (m_model->clickPrediction(index.column())) {
        viewport()->update();
        emit predictionChanged(index.column());
    }
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    const core::ChartGrid* grid = m_model->grid();
    const QModelIndex index = indexAt(event->position().toPoint());
    bool hand = false;
    if (grid && index.isValid() && index.row() == grid->predictionRow() && index.column() >= 5 &&
        core::chartForm(grid->kind()) != core::ChartForm::Slant)
        hand = !grid->column(index.column()).header.empty() || grid->column(index.column()).codeLetter != 0;
    viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

} // namespace p3::gui
