#pragma once
/// The digit picker F_Show_up of the prediction row: ten ball cells (View_SG), "空" and "关".
#include <QFrame>

class QTableWidget;
class QPushButton;

namespace p3::gui {

class BallImageCache;

class DigitPicker final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kCellSize = 26;

    DigitPicker(const BallImageCache* balls, QWidget* parent = nullptr);

    /// Marks one digit (-1: none). Unmarked cells read "N" + digit, the marked one "Y" + digit.
    void setMarked(int digit);
    int marked() const { return m_marked; }
    /// The name of the picture a cell shows.
    QString cellName(int digit) const;
    QTableWidget* cells() const { return m_cells; }

signals:
    /// The user picked digit v.
    void digitPicked(int digit);
    /// "空": empty the position.
    void clearRequested();

private:
    QTableWidget* m_cells = nullptr;
    int m_marked = -1;
};

} // namespace p3::gui
