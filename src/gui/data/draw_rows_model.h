#pragma once
/// The grid View_SG of data management: period and digits of every draw, oldest first; an empty
/// history shows one empty row, and a row being inserted shows empty until it is saved.
#include <QAbstractTableModel>

#include "core/history/draw_list.h"

namespace p3::gui {

class DrawRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DrawRowsModel(QObject* parent = nullptr);

    /// Shows the rows the caller keeps; they must outlive the model or the next call.
    void setRows(const core::DrawList* rows);
    /// Call after the rows changed.
    void refresh();
    /// Opens an empty row at that position (-1: none).
    void setPendingRow(int row);
    int pendingRow() const { return m_pending; }
    /// The draw shown on a grid row, or -1 for the empty and the pending row.
    int drawIndexOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const core::DrawList* m_rows = nullptr;
    int m_pending = -1;
};

} // namespace p3::gui
