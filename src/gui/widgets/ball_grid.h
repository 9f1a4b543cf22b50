#pragma once
/// A grid of ball cells "Y"/"N" + value that toggle on click: the digit pickers of the shrink window
/// and the value grids of the condition editors.
#include <QTableWidget>
#include <vector>

namespace p3::gui {

class BallImageCache;

class BallGrid final : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kCellSize = 26;

    /// `count` cells of values 0..count-1, `columns` a row (value = column + columns × row).
    BallGrid(const BallImageCache* balls, int columns, int count, QWidget* parent = nullptr);

    int valueCount() const { return m_count; }
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
    void refresh(int value);

    int m_columns;
    int m_count;
    std::vector<bool> m_chosen;
};

} // namespace p3::gui
