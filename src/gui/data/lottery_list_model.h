#pragma once
/// The lotteries of TF_SelectCP as a table model: number, name, kind, id, digit count and where
/// new draws come from.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "core/store/draw_database.h"

namespace p3::gui {

/// One listed lottery and the source its new draws come from ("server", "cwl", …).
struct LotteryRow {
    core::LotteryInfo info;
    QString source;
};

class LotteryListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, NameColumn, KindColumn, IdColumn, DigitsColumn, SourceColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces every row (a reset).
    void setRows(std::vector<LotteryRow> rows);
    void appendRow(LotteryRow row);
    const std::vector<LotteryRow>& rows() const { return m_rows; }
    /// The names as the list shows them, in list order.
    QStringList names() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Only the source column changes (Qt::EditRole), to a text other than the one it has.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<LotteryRow> m_rows;
};

} // namespace p3::gui
