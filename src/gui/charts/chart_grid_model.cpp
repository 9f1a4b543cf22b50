#include "gui/charts/chart_grid_model.h"

#include <QColor>

#include "core/charts/chart_catalogue.h"

namespace p3::gui {

using core::ChartRowRole;

bool paintsBall(const core::ChartGrid& grid, int row, int column) {
    if (core::chartForm(grid.kind()) == core::ChartForm::Slant &&
        grid.rowRole(row) == ChartRowRole::Prediction)
        return false;
    return !grid.ballImage(row, column).empty();
}

void ChartGridModel::setGrid(core::ChartGrid* grid) {
    beginResetModel();
    m_grid = grid;
    computeSeparators();
    endResetModel();
}

void ChartGridModel::computeSeparators() {
    m_separators.assign(m_grid ? static_cast<std::size_t>(m_grid->columnCount()) : 0, 0);
    if (!m_grid || m_grid->columnCount() < 6) return;
    auto mark = [&](int column, int bit) {
        if (column >= 0 && column < m_grid->columnCount())
            m_separators[static_cast<std::size_t>(column)] |= bit;
    };
    // The number columns end at column 4; every group of the chart is closed on both sides.
    mark(4, 2);
    mark(5, 1);
    for (const auto& group : m_grid->groups()) {
        if (group.row != 0) continue;
        mark(group.first, 1);
        mark(group.last, 2);
    }
}

QVariant ChartGridModel::data(const QModelIndex& index, int role) const {
    if (!m_grid || !index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        // The bias chart's number columns show their header, written in row 3, over rows 1..3.
        if (core::chartForm(m_grid->kind()) == core::ChartForm::Bias && row == 1 && column < 5)
            return QString::fromStdString(m_grid->text(3, column));
        return QString::fromStdString(m_grid->text(row, column));
    case Qt::ToolTipRole: {
        // The whole text of a cell, however narrow the cell paints it.
        if (paintsBall(*m_grid, row, column)) return {};
        const std::string& text = m_grid->text(row, column);
        return text.empty() ? QVariant() : QVariant(QString::fromStdString(text));
    }
    case RowRoleRole:
        return static_cast<int>(m_grid->rowRole(row));
    case BallRole: {
        if (!paintsBall(*m_grid, row, column)) return QString();
        std::string name = m_grid->ballImage(row, column);
        if (name.ends_with(".bmp")) name.resize(name.size() - 4);
        return QString::fromStdString(name);
    }
    case BandRole: {
        const int band = m_grid->column(column).band;
        const ChartRowRole rowRole = m_grid->rowRole(row);
        if (band < 0 || band >= static_cast<int>(core::kChartBandColours.size()) ||
            (rowRole != ChartRowRole::Draw && rowRole != ChartRowRole::Prediction))
            return {};
        const core::Rgb rgb = core::kChartBandColours[static_cast<std::size_t>(band)];
        return QColor(rgb.r, rgb.g, rgb.b);
    }
    case WaitingRole:
        return m_grid->waitingCount(row, column);
    case SeparatorRole:
        return m_separators.empty() ? 0 : m_separators[static_cast<std::size_t>(column)];
    case TextCellRole:
        return m_grid->column(column).textCell;
    case ColumnKindRole:
        return m_grid->kind();
    default:
        return {};
    }
}

bool ChartGridModel::clickPrediction(int column) {
    if (!m_grid || !m_grid->clickPrediction(column)) return false;
    const int row = m_grid->predictionRow();
    emit dataChanged(index(row, 0), index(row, m_grid->columnCount() - 1));
    // The newest draw row repaints too, so the line down to the prediction follows it.
    if (row > 0) emit dataChanged(index(row - 1, 0), index(row - 1, m_grid->columnCount() - 1));
    return true;
}

} // namespace p3::gui
