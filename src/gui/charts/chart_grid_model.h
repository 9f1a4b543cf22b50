#pragma once
/// The table model over a built chart grid: cell texts and what each cell is (row role, colour band, ball
/// picture, waiting count, separators), for the chart delegate to paint.
#include <QAbstractTableModel>

#include "core/charts/chart_grid.h"

namespace p3::gui {

/// Whether a cell is painted as a ball: a mark with a picture, except the slant charts' prediction row,
/// whose candidate digit lists are text.
bool paintsBall(const core::ChartGrid& grid, int row, int column);

class ChartGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        RowRoleRole = Qt::UserRole + 1, ///< int: core::ChartRowRole
        BallRole,                       ///< QString: ball picture name without ".bmp", or empty
        BandRole,                       ///< QColor of the colour band, or invalid
        WaitingRole,                    ///< int: waiting count, -1 for none
        SeparatorRole,                  ///< int: 1 a separator at the left edge, 2 at the right, 3 both
        TextCellRole,                   ///< bool: the column shows its text rather than a ball
        ColumnKindRole,                 ///< int: the chart kind (the painter's colours differ per kind)
    };

    explicit ChartGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    /// Shows another grid (or none); the grid must outlive its showing.
    void setGrid(core::ChartGrid* grid);
    core::ChartGrid* grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_grid ? 0 : m_grid->rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_grid ? 0 : m_grid->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override;

    /// A prediction-row click on a column; true when the prediction changed (the row repaints).
    bool clickPrediction(int column);

private:
    void computeSeparators();

    core::ChartGrid* m_grid = nullptr;
    std::vector<int> m_separators; // per column
};

} // namespace p3::gui
