#pragma once
/// The ball cells of the digit grids: values 0..count-1 laid out row by row, each shown as the ball
/// "Y" + value when chosen and "N" + value when not, chosen through setData as a list grid's flag.
#include <QAbstractTableModel>
#include <vector>

namespace p3::gui {

class BallCellModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    /// Many: a click flips a cell. One: a click picks a cell and leaves every other one unchosen.
    enum class Choice { Many, One };

    BallCellModel(int columns, int count, Choice choice, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// The user's choice (ListGridModel::FlagRole); tells it with chosenByUser.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    int valueCount() const { return m_count; }
    /// The value of a cell, -1 for a cell past the last value.
    int valueAt(const QModelIndex& index) const;
    QModelIndex indexOf(int value) const;
    /// "Y" or "N" + value: the name of the ball picture the cell shows.
    QString cellName(int value) const;

    bool isChosen(int value) const;
    /// The program's own choice (not told with chosenByUser).
    void setChosen(int value, bool chosen);
    void setAllChosen(bool chosen);
    /// The chosen values in ascending order.
    std::vector<int> chosenValues() const;

signals:
    /// A click chose or unchose the value.
    void chosenByUser(int value);

private:
    int m_columns;
    int m_count;
    Choice m_choice;
    std::vector<bool> m_chosen;
};

} // namespace p3::gui
