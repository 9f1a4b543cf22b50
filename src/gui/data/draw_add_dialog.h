#pragma once
/// The draw editor TF_DataAdd: one period and one number, in the mode its caption names
/// ("新增", "插入一期", "修改").
#include <QDialog>
#include <functional>
#include <string>

#include "core/common/error.h"
#include "core/data/draw_editor.h"

class QLineEdit;
class QLabel;

namespace p3::gui {

class Prompter;

class DrawAddDialog final : public QDialog {
    Q_OBJECT
public:
    /// Stores one entry (period, digits); an error is shown and the editor stays open.
    using Saver = std::function<core::Status(const std::string& period, const std::string& digits)>;

    DrawAddDialog(core::DrawEditMode mode, Saver saver, Prompter& prompter, QWidget* parent = nullptr);

    /// The fields as the editor opens: a proposed period (may be empty) and, for "修改", the digits.
    void setEntry(const QString& period, const QString& digits = {});
    /// Direct mode (the main window's "新增奖号"): one entry, then the editor closes.
    void setDirect(bool direct) { m_direct = direct; }
    /// Called after every stored entry (the data-management window refreshes its count).
    void setOnSaved(std::function<void(const std::string& period, const std::string& digits)> onSaved) {
        m_onSaved = std::move(onSaved);
    }
    /// How many entries were stored while the editor was open.
    int savedCount() const { return m_saved; }
    core::DrawEditMode mode() const { return m_mode; }

    QLineEdit* periodEdit() const { return m_period; }
    QLineEdit* digitsEdit() const { return m_digits; }

public slots:
    /// "确定".
    void Btn_OKClick();

private:
    core::DrawEditMode m_mode;
    Saver m_saver;
    Prompter& m_prompter;
    QLineEdit* m_period = nullptr;
    QLineEdit* m_digits = nullptr;
    bool m_direct = false;
    int m_saved = 0;
    std::function<void(const std::string&, const std::string&)> m_onSaved;
};

} // namespace p3::gui
