#pragma once
/// The digit picker F_Show_up of the prediction row: ten ball cells (View_SG), "空" and "关".
#include <QFrame>

class QTableView;
class QPushButton;

namespace p3::gui {

class BallCellModel;
class BallImageCache;

class DigitPicker final : public QFrame {
    Q_OBJECT
public:
    DigitPicker(const BallImageCache* balls, QWidget* parent = nullptr);

    /// Marks one digit (-1: none). Unmarked cells read "N" + digit, the marked one "Y" + digit.
    void setMarked(int digit);
    int marked() const;
    /// The name of the picture a cell shows.
    QString cellName(int digit) const;
    QTableView* cells() const { return m_cells; }

signals:
    /// The user picked digit v.
    void digitPicked(int digit);
    /// "空": empty the position.
    void clearRequested();

private:
    QTableView* m_cells = nullptr;
    BallCellModel* m_model = nullptr;
};

} // namespace p3::gui
