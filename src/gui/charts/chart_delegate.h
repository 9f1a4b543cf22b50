#pragma once
/// Paints the cells of a chart grid from the roles of its model: title and header rows, the number
/// columns, colour bands, ball pictures, waiting counts, statistics rows and the group separators.
#include <QFont>
#include <QStyledItemDelegate>

namespace p3::gui {

class BallImageCache;

class ChartDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChartDelegate(BallImageCache& balls, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    static const QColor kHeaderColour;
    static const QColor kStatisticsColour;
    static const QColor kSeparatorColour;

private:
    void paintNumberCell(QPainter* painter, const QRect& rect, const QModelIndex& index, int kind) const;
    void paintChartCell(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                        int rowRole) const;

    BallImageCache& m_balls;
};

/// The smallest point size a cell text shrinks to before it is elided.
inline constexpr int kMinCellPointSize = 7;

/// What a cell shows of its text: the size shrinks from `pointSize` towards kMinCellPointSize until the
/// text fits `width`; a text that still does not fit is elided with "…" (the cell's tooltip holds it whole).
struct FittedText {
    int pointSize;
    QString text;
};
FittedText fitCellText(QFont font, const QString& text, int width, int pointSize);

/// The narrowest column that shows the text whole at the smallest size.
int cellWidthFor(QFont font, const QString& text);

/// The size of the ball pictures in the chart cells.
inline constexpr int kChartBallSize = 18;

} // namespace p3::gui
