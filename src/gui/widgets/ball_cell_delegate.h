#pragma once
/// Paints a ball cell as the ball picture its text names (faded in a disabled grid); a click chooses
/// the cell through the model, as in the list grids.
#include "gui/widgets/list_grid_view.h"

class QTableView;

namespace p3::gui {

class BallCellModel;
class BallImageCache;

/// The side of a ball cell in pixels.
inline constexpr int kBallCellSize = 26;

class BallCellDelegate final : public ListGridDelegate {
    Q_OBJECT
public:
    /// `hoverFrame`: the cell under the mouse is framed (the digit picker).
    BallCellDelegate(const BallImageCache* balls, bool hoverFrame, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const BallImageCache* m_balls;
    bool m_hoverFrame;
};

/// Sets a ball cell view up as a fixed block of cells without headers, lines, scroll bars, selection
/// or focus, painted as balls.
void showBallCells(QTableView* view, BallCellModel* cells, const BallImageCache* balls, bool hoverFrame);

} // namespace p3::gui
