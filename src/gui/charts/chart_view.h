#pragma once
/// The table view of a chart grid: spans of the title rows, column widths, the connecting lines of the
/// visible rows drawn in its own paint step, and the prediction-row clicks. The title and header rows stay
/// in place while the draws scroll.
#include <vector>

#include "gui/widgets/frozen_header_table.h"

namespace p3::core {
class ChartGrid;
}

namespace p3::gui {

class BallImageCache;
class ChartGridModel;

class ChartView final : public FrozenHeaderTable {
    Q_OBJECT
public:
    ChartView(BallImageCache& balls, QWidget* parent = nullptr);

    ChartGridModel* chartModel() const { return m_model; }
    /// Lays the view out for the grid its model now shows and selects the last draw row.
    void gridChanged();
    /// The width of every column: the chart's own, widened where a text or waiting count would not fit
    /// whole at the smallest cell size.
    std::vector<int> columnWidthsFor(const core::ChartGrid& grid) const;
    /// How many connecting lines the last paint drew.
    int linesDrawn() const { return m_linesDrawn; }

signals:
    /// A prediction cell was set or cleared.
    void predictionChanged(int column);
    /// The slant charts' hint of a selected prediction cell ("" hides it).
    void hintChanged(const QString& hint, const QRect& cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void paintLines();

    ChartGridModel* m_model;
    int m_linesDrawn = 0;
};

} // namespace p3::gui
