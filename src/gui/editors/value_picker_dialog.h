#pragma once
/// The value-list picker TF_TjcanShu ("请选择"): the choices of a record's value edit with range
/// choosing, all / none / invert, and the chosen values joined by blanks.
#include <QDialog>
#include <QPersistentModelIndex>

#include "core/catalogue/condition_catalogue.h"

class QComboBox;
class QLabel;
class QListView;

namespace p3::gui {

class PickerChoiceModel;
class Prompter;

class ValuePickerDialog final : public QDialog {
    Q_OBJECT
public:
    ValuePickerDialog(Prompter& prompter, QWidget* parent = nullptr);

    /// `SetupChoices`: the choices and which of them the current text ticks; the result is emptied.
    void SetupChoices(const core::PickerChoices& choices, const QString& currentText);
    /// The ticked choices joined by single blanks after "确定"; empty after "取消".
    QString result() const { return m_result; }

    /// The list M_List; its model holds the choices and their ticks.
    QListView* choices() const { return m_list; }
    PickerChoiceModel* choiceModel() const { return m_model; }
    void setTicked(int index, bool ticked);
    /// `box_Beg_MChange`: ticks exactly the choices from begin through end.
    void chooseRange(int begin, int end);
    void tickAll(bool ticked);
    void invert();
    /// "确定": refuses an empty choice with "请选择值!".
    void confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recount();

    Prompter& m_prompter;
    QListView* m_list = nullptr;
    PickerChoiceModel* m_model = nullptr;
    QComboBox* m_begin = nullptr;
    QComboBox* m_end = nullptr;
    QLabel* m_count = nullptr;
    QString m_result;
    QPersistentModelIndex m_pressedItem;           ///< the choice under the last press
    Qt::CheckState m_pressedState = Qt::Unchecked; ///< its state at that press
};

} // namespace p3::gui
