#include "gui/data/lottery_list_model.h"

namespace p3::gui {

void LotteryListModel::setRows(std::vector<LotteryRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void LotteryListModel::appendRow(LotteryRow row) {
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

QStringList LotteryListModel::names() const {
    QStringList names;
    for (const LotteryRow& row : m_rows)
        names << QString::fromStdString(row.info.name);
    return names;
}

int LotteryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LotteryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LotteryListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const LotteryRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case NumberColumn:
        return QString::number(index.row() + 1);
    case NameColumn:
        return QString::fromStdString(row.info.name);
    case KindColumn:
        return QString::fromStdString(row.info.kind);
    case IdColumn:
        return QString::number(row.info.id);
    case DigitsColumn:
        return QString::number(row.info.digitCount);
    case SourceColumn:
        return row.source;
    default:
        return {};
    }
}

QVariant LotteryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The captions in the order of the Column enum.
    static const char* const kCaptions[ColumnCount] = {"序号",      "彩票名称", "类别",
                                                       "唯1标识码", "号码个数", "数据来源"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromUtf8(kCaptions[section]);
}

bool LotteryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != SourceColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    QString& source = m_rows[static_cast<std::size_t>(index.row())].source;
    const QString text = value.toString();
    if (text.isEmpty() || text == source) return false;
    source = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool LotteryListModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count <= 0 || row < 0 || row + count > rowCount()) return false;
    beginRemoveRows({}, row, row + count - 1);
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    endRemoveRows();
    // The rows below are numbered again from where the removed ones were.
    if (row < rowCount()) emit dataChanged(index(row, NumberColumn), index(rowCount() - 1, NumberColumn));
    return true;
}

Qt::ItemFlags LotteryListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace p3::gui
