#include "gui/shrink/scheme_eval_models.h"

#include <QBrush>
#include <QColor>

#include "core/shrink/backtest_tables.h"
#include "gui/widgets/text.h"

namespace p3::gui {

SchemeEvalModel::SchemeEvalModel(Table table, QObject* parent) : QAbstractTableModel(parent), m_table(table) {
    core::BacktestReport empty;
    m_texts = table == Table::Summary   ? core::backtestSummaryTable(empty)
              : table == Table::Periods ? core::backtestPeriodTable(empty)
                                        : core::backtestLineTable(empty);
    if (table == Table::Summary) m_texts.rows.clear();
}

void SchemeEvalModel::setReport(std::shared_ptr<const core::BacktestReport> report) {
    beginResetModel();
    m_report = std::move(report);
    if (m_report)
        m_texts = m_table == Table::Summary   ? core::backtestSummaryTable(*m_report)
                  : m_table == Table::Periods ? core::backtestPeriodTable(*m_report)
                                              : core::backtestLineTable(*m_report);
    else
        m_texts.rows.clear();
    endResetModel();
}

int SchemeEvalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.rows.size());
}

int SchemeEvalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.captions.size());
}

bool SchemeEvalModel::marked(int row) const {
    if (!m_report) return false;
    const auto r = static_cast<std::size_t>(row);
    if (m_table == Table::Periods) return r < m_report->periods.size() && m_report->periods[r].survived;
    if (m_table == Table::Lines)
        return r < m_report->lines.size() && core::isWorseThanNothing(m_report->lines[r]);
    return false;
}

QVariant SchemeEvalModel::sortValue(int row, int column) const {
    const auto r = static_cast<std::size_t>(row);
    if (m_report && m_table == Table::Periods && r < m_report->periods.size()) {
        const auto& p = m_report->periods[r];
        switch (column) {
        case 0:
            return row; // periods are in order
        case 1:
            return toQString(p.draw);
        case 2:
            return static_cast<qulonglong>(p.count);
        case 3:
            return p.survived ? 1 : 0;
        default:
            return static_cast<int>(p.failedRows.size());
        }
    }
    if (m_report && m_table == Table::Lines && r < m_report->lines.size()) {
        const auto& l = m_report->lines[r];
        switch (column) {
        case 0:
            return l.row;
        case 1:
            return toQString(l.keyword);
        case 2:
            return l.keepRate;
        case 3:
            return l.cutRate;
        case 4:
            return l.lift;
        case 5:
            return static_cast<qulonglong>(l.lostHits);
        default:
            return core::isWorseThanNothing(l) ? 1 : 0;
        }
    }
    return toQString(m_texts.rows[r][static_cast<std::size_t>(column)]);
}

QVariant SchemeEvalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const auto& row = m_texts.rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return static_cast<std::size_t>(index.column()) < row.size()
                   ? toQString(row[static_cast<std::size_t>(index.column())])
                   : QString();
    case SortRole:
        return sortValue(index.row(), index.column());
    case MarkRole:
        return marked(index.row());
    case Qt::BackgroundRole:
        if (!marked(index.row())) return {};
        return QBrush(m_table == Table::Periods ? QColor(255, 226, 160) : QColor(255, 205, 205));
    case Qt::ToolTipRole:
        if (m_table == Table::Lines && index.column() == 4)
            return QStringLiteral(
                "提升度 = 保留率 ÷ (1 − 过滤率)：小于 1 说明它删掉中奖号的比例比删掉号码的比例还高");
        if (m_table == Table::Periods) return QStringLiteral("双击查看这一期的投注号码");
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant SchemeEvalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return toQString(m_texts.captions[static_cast<std::size_t>(section)]);
}

} // namespace p3::gui
