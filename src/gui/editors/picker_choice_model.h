#pragma once
/// The choices of the value picker as a list model: each choice's text and whether it is ticked.
#include <QAbstractListModel>
#include <QStringList>
#include <vector>

#include "core/catalogue/condition_editor.h"

namespace p3::gui {

class PickerChoiceModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    /// Replaces every choice (a reset: the view forgets the old ones).
    void setChoices(std::vector<core::PickerChoice> choices);
    const std::vector<core::PickerChoice>& choices() const { return m_choices; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// Only the tick changes, through Qt::CheckStateRole; asking for the state it has changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool isTicked(int row) const;
    /// Ticks exactly the rows from begin through end (none when begin > end).
    void tickRange(int begin, int end);
    void invert();
    int tickedCount() const;
    QStringList tickedTexts() const;

private:
    void changedAll();

    std::vector<core::PickerChoice> m_choices;
};

} // namespace p3::gui
