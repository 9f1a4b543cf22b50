#include "gui/editors/picker_choice_model.h"

#include <algorithm>

namespace p3::gui {

void PickerChoiceModel::setChoices(std::vector<core::PickerChoice> choices) {
    beginResetModel();
    m_choices = std::move(choices);
    endResetModel();
}

int PickerChoiceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_choices.size());
}

QVariant PickerChoiceModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const core::PickerChoice& choice = m_choices[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(choice.text);
    case Qt::CheckStateRole:
        return choice.ticked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool PickerChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const bool ticked = value.value<Qt::CheckState>() == Qt::Checked;
    core::PickerChoice& choice = m_choices[static_cast<std::size_t>(index.row())];
    if (choice.ticked == ticked) return false;
    choice.ticked = ticked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags PickerChoiceModel::flags(const QModelIndex& index) const {
    // Choices are ticked, never selected: the picker's list has no selection.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
}

bool PickerChoiceModel::isTicked(int row) const {
    return row >= 0 && row < rowCount() && m_choices[static_cast<std::size_t>(row)].ticked;
}

void PickerChoiceModel::tickRange(int begin, int end) {
    for (int i = 0; i < rowCount(); ++i)
        m_choices[static_cast<std::size_t>(i)].ticked = i >= begin && i <= end;
    changedAll();
}

void PickerChoiceModel::invert() {
    for (core::PickerChoice& choice : m_choices)
        choice.ticked = !choice.ticked;
    changedAll();
}

int PickerChoiceModel::tickedCount() const {
    return static_cast<int>(std::ranges::count_if(m_choices, &core::PickerChoice::ticked));
}

QStringList PickerChoiceModel::tickedTexts() const {
    QStringList texts;
    for (const core::PickerChoice& choice : m_choices)
        if (choice.ticked) texts << QString::fromStdString(choice.text);
    return texts;
}

void PickerChoiceModel::changedAll() {
    if (!m_choices.empty()) emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

} // namespace p3::gui
