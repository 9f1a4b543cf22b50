#include "gui/widgets/list_grid_model.h"

namespace p3::gui {

ListGridModel::ListGridModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)) {}

int ListGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown;
}

bool ListGridModel::isShownRow(const QModelIndex& index) const {
    return checkIndex(index, CheckIndexOption::IndexIsValid) && index.row() < rows();
}

int ListGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

bool ListGridModel::isFlagColumn(int column) const {
    return column >= 0 && column < static_cast<int>(m_columns.size()) &&
           m_columns[static_cast<std::size_t>(column)].look != Look::Text;
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(m_columns.size()))
        return m_columns[static_cast<std::size_t>(section)].header;
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const {
    if (!isShownRow(index)) return {};
    const int row = index.row();
    const int column = index.column();
    const Column& c = m_columns[static_cast<std::size_t>(column)];
    switch (role) {
    case Qt::DisplayRole:
        if (c.look == Look::Digit) return flag(row, column) ? QStringLiteral("1") : QStringLiteral("0");
        if (c.look == Look::Text) return text(row, column);
        return {};
    case Qt::CheckStateRole:
        if (c.look == Look::CheckBox) return flag(row, column) ? Qt::Checked : Qt::Unchecked;
        return {};
    case FlagRole:
        if (c.look != Look::Text) return flag(row, column);
        return {};
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::TextAlignmentRole:
        if (c.alignment) return QVariant::fromValue(c.alignment);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ListGridModel::flags(const QModelIndex& index) const {
    if (!isShownRow(index)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns[static_cast<std::size_t>(index.column())].look == Look::CheckBox)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ListGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!isShownRow(index) || !isFlagColumn(index.column())) return false;
    bool wanted = false;
    if (role == FlagRole)
        wanted = value.toBool();
    else if (role == Qt::CheckStateRole)
        wanted = value.value<Qt::CheckState>() != Qt::Unchecked;
    else
        return false;
    // The list's own rule flips a flag (a condition flag other than "0" reads as set and flips to "0"),
    // so a flag is flipped only when it differs from what is asked for.
    if (flag(index.row(), index.column()) == wanted) return true;
    flip(index.row(), index.column());
    // A row the list keeps verbatim refuses to flip.
    if (flag(index.row(), index.column()) != wanted) return false;
    emit dataChanged(index, index);
    emit flagChanged(index.row(), index.column());
    return true;
}

QString ListGridModel::toolTip(int, int) const {
    return {};
}

void ListGridModel::reload() {
    if (rows() != m_shown) {
        reset([] {});
        return;
    }
    // The same rows: the view keeps the rows the user has chosen.
    if (m_shown > 0) emit dataChanged(index(0, 0), index(m_shown - 1, columnCount() - 1));
}

void ListGridModel::reset(const std::function<void()>& change) {
    beginResetModel();
    change();
    m_shown = rows();
    endResetModel();
}

void ListGridModel::insertAt(int at, const std::function<void()>& change) {
    beginInsertRows({}, at, at);
    change();
    m_shown = rows();
    endInsertRows();
}

} // namespace p3::gui
