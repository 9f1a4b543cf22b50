#include "gui/widgets/list_grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

#include "gui/widgets/list_grid_model.h"

namespace p3::gui {

bool ListGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    const QVariant flag = index.data(ListGridModel::FlagRole);
    if (!flag.isValid()) return QStyledItemDelegate::editorEvent(event, model, option, index);
    // The view hands on a release only when it ends a click (pressed and let go on this cell).
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint()))
            model->setData(index, !flag.toBool(), ListGridModel::FlagRole);
    }
    // Not consumed: the view goes on to tell of the click.
    return false;
}

QTableView* makeListGrid(QWidget* parent, const QString& objectName, ListGridModel* model, int rowHeight) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setItemDelegate(new ListGridDelegate(view));
    view->verticalHeader()->hide();
    if (rowHeight > 0) view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

std::vector<int> selectedRows(const QAbstractItemView* view) {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace p3::gui
