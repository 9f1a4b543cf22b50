#pragma once
/// Data management TF_DataGL ("数据管理"): the current lottery's history in the grid View_SG with the
/// commands add, insert, modify, delete, clear, export, import and online update.
#include <QDialog>
#include <memory>
#include <optional>

#include "core/data/draw_editor.h"
#include "core/net/online_update.h"

class QLabel;
class QPushButton;
class QProgressBar;
class QTableView;

namespace p3::gui {

class Workbench;
class DrawRowsModel;

class DataManageDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DataManageDialog(Workbench& bench);
    ~DataManageDialog() override;

    /// Each showing starts from the main window's draw list with the changed flag cleared.
    void prepare();
    /// `DataChanged`: whether stored draws changed since prepare.
    bool DataChanged() const { return m_editor && m_editor->changed(); }
    /// The history as the grid shows it.
    const core::DrawList& rows() const;
    QTableView* grid() const { return m_grid; }
    DrawRowsModel* rowsModel() const { return m_model; }
    QString countText() const;
    /// Whether "网上更新" is downloading on its worker.
    bool updateRunning() const;
    /// Closing abandons a download under way.
    void done(int result) override;

public slots:
    void SpeedButton1Click();       ///< "新增"
    void Edit_Data_SouClick();      ///< "插入一期"
    void bsSkinSpeedButton1Click(); ///< "修改"
    void SpeedButton2Click();       ///< "删除"
    void bsSkinSpeedButton2Click(); ///< "清空"
    void Save_FileClick();          ///< "导出"
    void Open_FileClick();          ///< "导入"
    void Update_DataClick();        ///< "网上更新"

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The selected draw, if a row holding a draw is selected.
    std::optional<std::size_t> selectedDraw() const;
    void selectGridRow(int row);
    void refresh(int selectRow);
    void showMessage(const std::string& text);
    void setUpdating(bool updating);
    void updateFinished(const core::Result<core::UpdateReport>& result);
    /// Cancels a download under way and waits for its worker (moments, not the time-outs).
    void stopUpdate();

    Workbench& m_bench;
    std::unique_ptr<core::DrawEditor> m_editor;
    core::DrawList m_empty;
    DrawRowsModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_wait = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPushButton* m_cancelUpdate = nullptr;
    std::vector<QPushButton*> m_commands;
    std::unique_ptr<core::AutoUpdater> m_update;
};

} // namespace p3::gui
