#include "gui/app/digit_picker.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>

#include "gui/widgets/ball_cell_delegate.h"
#include "gui/widgets/ball_cell_model.h"

namespace p3::gui {

DigitPicker::DigitPicker(const BallImageCache* balls, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("F_Show_up"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("#F_Show_up { background: rgb(232,240,249); border: 1px solid rgb(64,64,64); }"));

    m_cells = new QTableView(this);
    m_cells->setObjectName(QStringLiteral("View_SG"));
    m_model = new BallCellModel(10, 10, BallCellModel::Choice::One, this);
    showBallCells(m_cells, m_model, balls, true);
    // The cell under the mouse is framed.
    m_cells->setMouseTracking(true);
    connect(m_model, &BallCellModel::chosenByUser, this, &DigitPicker::digitPicked);

    auto* clearButton = new QPushButton(QStringLiteral("空"), this);
    clearButton->setObjectName(QStringLiteral("Btn_Kong"));
    auto* closeButton = new QPushButton(QStringLiteral("关"), this);
    closeButton->setObjectName(QStringLiteral("Btn_Guan"));
    for (QPushButton* button : {clearButton, closeButton}) {
        button->setFixedSize(28, kBallCellSize);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(clearButton, &QPushButton::clicked, this, [this] {
        setMarked(-1);
        emit clearRequested();
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(m_cells);
    layout->addWidget(clearButton);
    layout->addWidget(closeButton);
    adjustSize();
    hide();
}

int DigitPicker::marked() const {
    const auto chosen = m_model->chosenValues();
    return chosen.empty() ? -1 : chosen.front();
}

QString DigitPicker::cellName(int digit) const {
    return m_model->cellName(digit);
}

void DigitPicker::setMarked(int digit) {
    for (int d = 0; d < 10; ++d)
        m_model->setChosen(d, d == digit);
}

} // namespace p3::gui
