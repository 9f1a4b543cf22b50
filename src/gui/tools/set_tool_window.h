#pragma once
/// The set tool window "集合统计": number sets combined by intersection with tolerance or union,
/// searched for a number, and kept in set-list files.
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

// Only declared here: the shrink engine has a NamedSet of its own, and both headers meet in bench.cpp.
namespace p3::core {
class SetList;
}

namespace p3::gui {

class ToleranceRange;
class Workbench;
class PrintDialog;
class SetListModel;
class Prompter;

class SetToolWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SetToolWindow(Workbench& bench);
    ~SetToolWindow() override;

    const core::SetList& sets() const { return *m_sets; }

    // ---- Commands (the buttons call these) ----
    void Btn_AddClick();
    void Btn_Add_JiheClick();
    void Btn_DelClick();
    void Btn_ClearClick();
    void Btn_OpenClick();
    /// Reads a set list (.SGL) into the window; a file it cannot read is said and changes nothing.
    bool loadSetFile(const QString& file);
    void Btn_SaveClick();
    void Btn_YongSuanClick();
    void Btn_FindClick();
    void JG_SaveClick();
    /// "打印": the result's numbers handed to the print window.
    void JG_PrintClick();

private:
    void buildUi();
    /// Shows the list anew after the set list changed; the chosen row stays chosen while the list
    /// reaches it.
    void refreshList();
    /// The selected set's row, -1 when none.
    int selectedRow() const;
    void showResult(const std::vector<std::string>& numbers);
    void setIntersectionMode(bool intersection);
    void message(std::string_view text);

    Workbench& m_bench;
    Prompter& m_prompter;
    std::unique_ptr<core::SetList> m_sets;
    std::vector<std::string> m_result;

    QTableView* m_list = nullptr;
    SetListModel* m_model = nullptr;
    QPlainTextEdit* m_typed = nullptr;
    QLineEdit* m_typedName = nullptr;
    QRadioButton* m_intersection = nullptr;
    QRadioButton* m_union = nullptr;
    ToleranceRange* m_tolerance = nullptr;
    QLineEdit* m_findNumber = nullptr;
    QPlainTextEdit* m_findResult = nullptr;
    QComboBox* m_perLine = nullptr;
    QGroupBox* m_resultBox = nullptr;
    QPlainTextEdit* m_resultMemo = nullptr;
    PrintDialog* m_printDialog = nullptr;
};

/// Creates the set tool once, on first use, and shows it (not modal).
SetToolWindow& showSetTool(Workbench& bench);

} // namespace p3::gui
