#pragma once
/// The tables of the scheme evaluation window: the summary, one row per period and one per line, as
/// models over the core report and its table texts.
#include <QAbstractTableModel>
#include <memory>

#include "core/export/table_export.h"
#include "core/shrink/backtest.h"

namespace p3::gui {

class SchemeEvalModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Table { Summary, Periods, Lines };
    /// The value the views sort by: numbers as numbers.
    static constexpr int SortRole = Qt::UserRole + 1;
    /// Whether the row is a hit (periods) or a line that did more harm than good (lines).
    static constexpr int MarkRole = Qt::UserRole + 2;

    explicit SchemeEvalModel(Table table, QObject* parent = nullptr);
    void setReport(std::shared_ptr<const core::BacktestReport> report);
    const core::TextTable& texts() const { return m_texts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant sortValue(int row, int column) const;
    bool marked(int row) const;

    Table m_table;
    std::shared_ptr<const core::BacktestReport> m_report;
    core::TextTable m_texts;
};

} // namespace p3::gui
