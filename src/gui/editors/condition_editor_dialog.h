#pragma once
/// The condition editors TF_GuoL_FuZhu, TF_GuoL_FuZhu_2 and TF_GuoL_FuZhu_3: one generic panel per
/// kind of the editor, the level tolerance, and the add/modify flow that writes a condition line.
#include <QDialog>
#include <array>
#include <map>
#include <optional>

#include "core/catalogue/condition_editor.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace p3::gui {

class ConditionPanel;
class ToleranceRange;
class Workbench;
class ValuePickerDialog;

class ConditionEditorDialog final : public QDialog {
    Q_OBJECT
public:
    ConditionEditorDialog(core::EditorWindow which, Workbench& bench, QWidget* parent = nullptr);

    /// "加入列表": the editor on a kind; the line the user added, nothing when closed.
    std::optional<core::ConditionLine> addLine(core::ConditionKind kind, const core::ConditionList& list);
    /// "保存修改": the editor on a row of the list; the rewritten line, nothing when closed.
    std::optional<core::ConditionLine> modifyLine(int row, const core::ConditionList& list);

    /// `SelectKind`: shows the kind's panel and the level tolerance where the kind has it.
    void SelectKind(core::ConditionKind kind);
    /// `Btn_Add_TjClick`: checks the panel and, when it passes, closes with the line.
    void Btn_Add_TjClick();

    ConditionPanel* panel(core::ConditionKind kind) const;
    ConditionPanel* currentPanel() const;
    ValuePickerDialog& picker();
    QString statusText(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateConditionCount();
    void setLevelVisible(bool visible);

    core::EditorWindow m_which;
    Workbench& m_bench;
    std::map<core::ConditionKind, ConditionPanel*> m_panels;
    std::map<core::ConditionKind, QWidget*> m_pages;
    QStackedWidget* m_stack = nullptr;
    ToleranceRange* m_level = nullptr;
    QPushButton* m_add = nullptr;
    std::array<QLabel*, 2> m_status{};
    ValuePickerDialog* m_picker = nullptr;

    core::ConditionKind m_kind = 0;
    const core::ConditionList* m_list = nullptr;
    int m_modifyRow = -1;
    std::optional<core::ConditionLine> m_result;
};

} // namespace p3::gui
