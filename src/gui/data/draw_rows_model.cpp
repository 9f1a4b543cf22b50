#include "gui/data/draw_rows_model.h"

namespace p3::gui {

DrawRowsModel::DrawRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawRowsModel::setRows(const core::DrawList* rows) {
    beginResetModel();
    m_rows = rows;
    m_pending = -1;
    endResetModel();
}

void DrawRowsModel::refresh() {
    beginResetModel();
    endResetModel();
}

void DrawRowsModel::setPendingRow(int row) {
    beginResetModel();
    m_pending = row;
    endResetModel();
}

int DrawRowsModel::drawIndexOf(int row) const {
    const int n = m_rows ? static_cast<int>(m_rows->size()) : 0;
    if (row < 0 || row == m_pending) return -1;
    const int index = m_pending >= 0 && row > m_pending ? row - 1 : row;
    return index < n ? index : -1;
}

static int mainDrawRowCount(const core::DrawList* rows, int pending) {
    const int n = rows ? static_cast<int>(rows->size()) : 0;
    return std::max(1, n + (pending >= 0 ? 1 : 0));
}

int DrawRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : mainDrawRowCount(m_rows, m_pending);
}

int DrawRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant DrawRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    const int draw = drawIndexOf(index.row());
    if (draw < 0) return QString();
    const core::Draw& d = (*m_rows)[static_cast<std::size_t>(draw)];
    return QString::fromStdString(index.column() == 0 ? d.period : d.digits);
}

QVariant DrawRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? QStringLiteral("期号") : QStringLiteral("开奖号码");
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace p3::gui
