#pragma once
/// A fixed chart (固定图表) in the chart area: the table of the core, read-only, with its key values as
/// balls and its number lists as wrapped text; "复制" puts it on the clipboard, "打印" prints it.
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QWidget>
#include <memory>

#include "core/charts/fixed_charts.h"

class QLabel;
class QTableView;
class QTextDocument;

namespace p3::gui {

class BallImageCache;
class Prompter;

class FixedTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { BallRole = Qt::UserRole + 1 };
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(core::FixedTable table);
    const core::FixedTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    core::FixedTable m_table;
};

/// Paints the cells of the ball columns as balls with their value; the others as the style does.
class FixedTableDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    FixedTableDelegate(BallImageCache& balls, QObject* parent)
        : QStyledItemDelegate(parent), m_balls(balls) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    BallImageCache& m_balls;
};

class FixedChartView final : public QWidget {
    Q_OBJECT
public:
    FixedChartView(BallImageCache& balls, Prompter& prompter, QWidget* parent = nullptr);

    /// Shows the fixed chart of that leaf name; false for a name that is none.
    bool showChart(const QString& name);
    QString chartName() const;
    QTableView* view() const { return m_view; }
    FixedTableModel* model() const { return m_model; }

    /// "复制": the selected cells, or the whole table with its header when nothing is selected, as
    /// tab-separated lines on the clipboard.
    void copyToClipboard();
    /// "打印": the table as a document through the print dialog.
    void print();
    /// The document "打印" prints: the title and the table.
    std::unique_ptr<QTextDocument> document() const;

private:
    void layOut();

    Prompter& m_prompter;
    QLabel* m_title;
    QTableView* m_view;
    FixedTableModel* m_model;
};

} // namespace p3::gui
