#pragma once
/// The main grid M_Grid as a table model: period, drawn digits and the six track blocks of the current
/// lottery, the three header rows, the prediction row "下期预测" and the two footer rows.
#include <QAbstractTableModel>
#include <QColor>

#include "core/history/draw_list.h"
#include "core/history/track_table.h"
#include "gui/workbench/chart_request.h"

namespace p3::gui {

inline constexpr int kGridColumns = 36;
inline constexpr int kHeaderRows = 3;
inline constexpr int kGroupCount = 7; ///< the number columns and the six blocks

/// Which part of group header row 0 a column stands for: its first two columns the chart part, its
/// last two the omission part, the middle one neither. Column 0 (the period) is no group.
HeaderPart headerPartOfColumn(int column);
/// The group of a column: 0 the number columns, k the track block k; -1 for the period column.
constexpr int groupOfColumn(int column) {
    return column <= 0 ? -1 : (column - 1) / 5;
}
/// The position (1..5) of a column inside its group.
constexpr int positionOfColumn(int column) {
    return column <= 0 ? 0 : (column - 1) % 5 + 1;
}

class MainGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        KindRole = Qt::UserRole + 1, ///< a CellKind
        ActivePartRole,              ///< on a group's chart strip: the highlighted HeaderPart
        SpanRole,                    ///< the number of columns the cell's text stands over
    };
    enum CellKind {
        Empty,
        Corner,
        ChartStrip,
        GroupTitle,
        PositionLabel,
        Period,
        Digit,
        PredictionLabel,
        Prediction
    };

    explicit MainGridModel(QObject* parent = nullptr);

    /// Shows a lottery; the model reads the caller's draws, table and prediction row, which must outlive
    /// it or the next rebuild.
    void rebuild(const core::DrawList* draws, const core::TrackTable* table,
                 const core::PredictionRow* prediction, int digitCount);
    /// The prediction row changed at one position (0-based): repaints that position in every group.
    void predictionChanged(int position);
    /// Highlights a part of a group's chart strip (group -1: none).
    void setActiveHeader(int group, HeaderPart part);
    int activeGroup() const { return m_activeGroup; }
    HeaderPart activePart() const { return m_activePart; }

    int drawCount() const { return m_draws ? static_cast<int>(m_draws->size()) : 0; }
    int digitCount() const { return m_digits; }
    int predictionRow() const { return kHeaderRows + drawCount(); }
    int lastRow() const { return predictionRow() + 2; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The group title of row 1 and of the last footer row: "开奖号码" or "星轨k(Xk)".
    static QString groupTitle(int group);
    static QString positionLabel(int position);

private:
    CellKind kindOf(int row, int column) const;
    QString textOf(int row, int column, CellKind kind) const;
    QColor backgroundOf(int row, int column, CellKind kind) const;
    QColor foregroundOf(int column, CellKind kind) const;
    /// Whether position p (1..5) is shown at all: a three-digit lottery clears 四 and 五.
    bool positionShown(int position) const { return m_digits != 3 || position <= 3; }

    const core::DrawList* m_draws = nullptr;
    const core::TrackTable* m_table = nullptr;
    const core::PredictionRow* m_prediction = nullptr;
    int m_digits = 3;
    int m_activeGroup = -1;
    HeaderPart m_activePart = HeaderPart::None;
};

} // namespace p3::gui
