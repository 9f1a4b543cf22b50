#pragma once
/// The lottery choice TF_SelectCP ("彩票选择") and its add dialog TF_Cpadd ("新增彩票").
#include <QDialog>
#include <optional>

#include "core/store/draw_database.h"

class QComboBox;
class QLineEdit;
class QTreeView;

namespace p3::gui {

class LotteryListModel;
class Workbench;

/// TF_Cpadd: name, kind ("体彩" or "福彩") and digit count (3, 4 or 5) of a new lottery.
class LotteryAddDialog final : public QDialog {
    Q_OBJECT
public:
    LotteryAddDialog(Workbench& bench, QStringList listedNames, QWidget* parent);
    /// The lottery added, once "确定" succeeded.
    const std::optional<core::LotteryInfo>& added() const { return m_added; }
    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* kindBox() const { return m_kind; }
    QComboBox* digitsBox() const { return m_digits; }
    /// Cp_Source: where the new lottery's draws come from (server, cwl, sporttery, lines).
    QComboBox* sourceBox() const { return m_source; }
    QString addedSource() const { return m_addedSource; }

public slots:
    void Tou_Zhu_BtnClick(); ///< "确定"

private:
    Workbench& m_bench;
    QStringList m_listed;
    QLineEdit* m_name = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_digits = nullptr;
    QComboBox* m_source = nullptr;
    std::optional<core::LotteryInfo> m_added;
    QString m_addedSource;
};

class LotterySelectDialog final : public QDialog {
    Q_OBJECT
public:
    explicit LotterySelectDialog(Workbench& bench);
    /// Lists the lotteries and selects the current one.
    void prepare();
    /// The lottery "确认" chose.
    const std::optional<core::LotteryInfo>& chosen() const { return m_chosen; }
    /// The list ListView_Tj; its model holds the lotteries listed.
    QTreeView* list() const { return m_list; }
    LotteryListModel* listModel() const { return m_model; }

public slots:
    void Ret_okClick();  ///< "确认"
    void Add_BtnClick(); ///< "新增"
    void Del_BtnClick(); ///< "删除"
    /// "数据来源": chooses where the selected lottery's new draws come from.
    void Source_BtnClick();

private:
    Workbench& m_bench;
    QTreeView* m_list = nullptr;
    LotteryListModel* m_model = nullptr;
    std::optional<core::LotteryInfo> m_chosen;
};

} // namespace p3::gui
