#pragma once
/// A grid of ball cells "Y"/"N" + value that toggle on click: the digit pickers of the shrink window
/// and the value grids of the condition editors.
#include <QTableView>
#include <vector>

namespace p3::gui {

class BallCellModel;
class BallImageCache;

class BallGrid final : public QTableView {
    Q_OBJECT
public:
    /// `count` cells of values 0..count-1, `columns` a row (value = column + columns × row).
    BallGrid(const BallImageCache* balls, int columns, int count, QWidget* parent = nullptr);

    BallCellModel* cells() const { return m_cells; }
    int valueCount() const;
    bool isChosen(int value) const;
    void setChosen(int value, bool chosen);
    void setAllChosen(bool chosen);
    /// The chosen values in ascending order.
    std::vector<int> chosenValues() const;
    /// The cell of a value (for tests that click it).
    QRect cellRect(int value) const;

signals:
    /// A click changed a cell.
    void toggled(int value);

private:
    BallCellModel* m_cells;
};

} // namespace p3::gui
