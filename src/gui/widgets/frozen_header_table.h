#pragma once
/// A table view whose first rows stay in place while the rest scrolls: the fixed header rows of the
/// workbench grids. The header rows are shown by a second view over the same model, laid over the top
/// margin of this one.
#include <QTableView>

namespace p3::gui {

class FrozenHeaderTable : public QTableView {
    Q_OBJECT
public:
    explicit FrozenHeaderTable(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    /// How many leading rows stay fixed; call again after every model reset.
    void setFrozenRows(int rows);
    int frozenRows() const { return m_frozenRows; }
    /// The view that shows the fixed rows (for spans and tests).
    QTableView* headerView() const { return m_header; }
    void setColumnWidthBoth(int column, int width);
    void setRowHeights(int height);

signals:
    /// The mouse moved over a cell of the fixed rows (-1, -1 when it left them). The column is the one
    /// under the mouse, also inside a cell that spans several columns.
    void headerHovered(int row, int column);
    /// A fixed-row cell was clicked with the left button.
    void headerClicked(int row, int column);

protected:
    void updateGeometries() override;
    /// A table scrolled to its end (the newest rows) stays at its end when it grows or shrinks.
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutHeader();
    void reserveHeaderRoom();
    int frozenHeight() const;

    QTableView* m_header = nullptr;
    int m_frozenRows = 0;
};

} // namespace p3::gui
