#include "gui/widgets/ball_cell_model.h"

#include "gui/widgets/list_grid_model.h"

namespace p3::gui {

BallCellModel::BallCellModel(int columns, int count, Choice choice, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns), m_count(count), m_choice(choice),
      m_chosen(static_cast<std::size_t>(count), false) {}

int BallCellModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_count + m_columns - 1) / m_columns;
}

int BallCellModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

int BallCellModel::valueAt(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return -1;
    const int value = index.column() + m_columns * index.row();
    return value < m_count ? value : -1;
}

QModelIndex BallCellModel::indexOf(int value) const {
    return value >= 0 && value < m_count ? index(value / m_columns, value % m_columns) : QModelIndex();
}

QString BallCellModel::cellName(int value) const {
    return (isChosen(value) ? QStringLiteral("Y") : QStringLiteral("N")) + QString::number(value);
}

QVariant BallCellModel::data(const QModelIndex& index, int role) const {
    const int value = valueAt(index);
    if (value < 0) return {};
    if (role == Qt::DisplayRole) return cellName(value);
    if (role == ListGridModel::FlagRole) return isChosen(value);
    return {};
}

Qt::ItemFlags BallCellModel::flags(const QModelIndex& index) const {
    return valueAt(index) < 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled;
}

bool BallCellModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int cell = valueAt(index);
    if (cell < 0 || role != ListGridModel::FlagRole) return false;
    if (m_choice == Choice::One) {
        // A pick, even of the cell already picked, is told again.
        for (int v = 0; v < m_count; ++v)
            setChosen(v, v == cell);
    } else {
        setChosen(cell, value.toBool());
    }
    emit chosenByUser(cell);
    return true;
}

bool BallCellModel::isChosen(int value) const {
    return value >= 0 && value < m_count && m_chosen[static_cast<std::size_t>(value)];
}

void BallCellModel::setChosen(int value, bool chosen) {
    if (value < 0 || value >= m_count || isChosen(value) == chosen) return;
    m_chosen[static_cast<std::size_t>(value)] = chosen;
    const QModelIndex cell = indexOf(value);
    emit dataChanged(cell, cell);
}

void BallCellModel::setAllChosen(bool chosen) {
    for (int value = 0; value < m_count; ++value)
        setChosen(value, chosen);
}

std::vector<int> BallCellModel::chosenValues() const {
    std::vector<int> out;
    for (int value = 0; value < m_count; ++value)
        if (isChosen(value)) out.push_back(value);
    return out;
}

} // namespace p3::gui
