#include "gui/widgets/ball_grid.h"

#include "gui/widgets/ball_cell_delegate.h"
#include "gui/widgets/ball_cell_model.h"

namespace p3::gui {

BallGrid::BallGrid(const BallImageCache* balls, int columns, int count, QWidget* parent)
    : QTableView(parent), m_cells(new BallCellModel(columns, count, BallCellModel::Choice::Many, this)) {
    showBallCells(this, m_cells, balls, false);
    connect(m_cells, &BallCellModel::chosenByUser, this, &BallGrid::toggled);
}

int BallGrid::valueCount() const {
    return m_cells->valueCount();
}

bool BallGrid::isChosen(int value) const {
    return m_cells->isChosen(value);
}

void BallGrid::setChosen(int value, bool chosen) {
    m_cells->setChosen(value, chosen);
}

void BallGrid::setAllChosen(bool chosen) {
    m_cells->setAllChosen(chosen);
}

std::vector<int> BallGrid::chosenValues() const {
    return m_cells->chosenValues();
}

QRect BallGrid::cellRect(int value) const {
    return visualRect(m_cells->indexOf(value));
}

} // namespace p3::gui
