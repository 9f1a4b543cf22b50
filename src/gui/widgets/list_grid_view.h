#pragma once
/// The views of the workbench's list grids: a flag cell flips on a click anywhere in it, through the
/// model's setData; the rest is painted as the style paints it.
#include <QStyledItemDelegate>
#include <vector>

class QAbstractItemView;
class QTableView;

namespace p3::gui {

class ListGridModel;

/// Flips a flag cell (a cell with ListGridModel::FlagRole data) on a left click anywhere in it.
class ListGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

/// A list grid view of the model with the list delegate: whole rows selected, no header of row
/// numbers, nothing edited in place. `rowHeight` 0 keeps the style's height.
QTableView* makeListGrid(QWidget* parent, const QString& objectName, ListGridModel* model,
                         int rowHeight = 20);

/// The rows of a view's selection, ascending, once each.
std::vector<int> selectedRows(const QAbstractItemView* view);

} // namespace p3::gui
