#include "gui/charts/omission_model.h"

#include <QColor>
#include <QFont>

#include "core/stats/statistics_query.h"

namespace p3::gui {

using RowKind = core::OmissionQuery::RowKind;

namespace {

const QColor kTitleText(73, 102, 198);
const QColor kTitleBack(232, 240, 249);
const QColor kHeaderBack(227, 238, 253);
const QColor kDarkGrey(42, 42, 42);

enum Column { Count = 1, Deviation = 4, MaxOmission = 7, Current = 8, ThirdLast = 11 };

} // namespace

void OmissionModel::setQuery(core::OmissionQuery* query) {
    beginResetModel();
    m_query = query;
    endResetModel();
}

void OmissionModel::refresh() {
    beginResetModel();
    endResetModel();
}

int OmissionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_query ? 0 : m_query->rowCount();
}

QVariant OmissionModel::data(const QModelIndex& index, int role) const {
    if (!m_query || !index.isValid()) return {};
    const RowKind kind = m_query->rowKind(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        if (kind == RowKind::None) return {};
        const auto cells = m_query->rowCells(index.row());
        return column < static_cast<int>(cells.size())
                   ? QString::fromStdString(cells[static_cast<std::size_t>(column)])
                   : QString();
    }
    case RowKindRole:
        return static_cast<int>(kind);
    case Qt::FontRole: {
        if (kind == RowKind::None) return {};
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::TextAlignmentRole:
        if (kind == RowKind::Header) return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (kind == RowKind::Title) return kTitleBack;
        if (kind == RowKind::Header) return kHeaderBack;
        return {};
    case Qt::ForegroundRole:
        if (kind == RowKind::Title || kind == RowKind::Header) return kTitleText;
        if (kind != RowKind::Value) return {};
        if (column >= Current && column <= ThirdLast) return QColor(Qt::blue);
        if (column == MaxOmission || column == Count) return kDarkGrey;
        if (column == Deviation)
            return index.data(Qt::DisplayRole).toString().startsWith(QLatin1Char('-')) ? QColor(Qt::red)
                                                                                       : kDarkGrey;
        return {};
    default:
        return {};
    }
}

bool OmissionModel::sortAt(int row, int column) {
    if (!m_query || !m_query->sortByColumn(row, column)) return false;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    return true;
}

} // namespace p3::gui
