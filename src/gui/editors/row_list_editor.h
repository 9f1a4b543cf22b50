#pragma once
/// The row lists of 定位复式 and 号码组: sub-conditions collected from ball grids before the line is
/// written, each row one record of the line.
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/catalogue/condition_editor.h"
#include "gui/widgets/list_grid_model.h"

class QCheckBox;
class QRadioButton;
class QTableView;

namespace p3::gui {

class BallGrid;
class BallImageCache;

class RowListEditor final : public QWidget {
    Q_OBJECT
public:
    RowListEditor(const core::KindSpec& spec, const BallImageCache* balls,
                  std::function<void(const QString&)> inform, QWidget* parent = nullptr);

    /// The rows as records (value "use^...", keep and tolerance flags).
    std::vector<core::RecordState> records() const { return m_rows; }
    void setRecords(std::vector<core::RecordState> rows);

    /// "添加" and "修改": a row from the controls; refusals go to the message box.
    void addRow();
    void modifyRow();
    void deleteRows();
    void clearRows();

    BallGrid* grid(int index) const { return m_grids[static_cast<std::size_t>(index)]; }
    QTableView* list() const { return m_list; }

signals:
    void rowsChanged();

private:
    bool isPositionList() const { return m_positionList; }
    /// The value of the controls; an empty text after a refusal has been shown.
    std::optional<std::string> controlsValue();
    void loadRow(int row);
    /// Shows the rows anew after they changed as a whole.
    void refresh();

    bool m_positionList; ///< 定位复式's rows of three position sets, else 号码组's digit groups
    std::function<void(const QString&)> m_inform;
    std::array<BallGrid*, 3> m_grids{};
    std::array<QCheckBox*, 4> m_counts{};
    QRadioButton* m_once = nullptr;
    QRadioButton* m_many = nullptr;
    QRadioButton* m_keep = nullptr;
    QRadioButton* m_exclude = nullptr;
    QCheckBox* m_tolerant = nullptr;
    QTableView* m_list = nullptr;
    VectorListModel<core::RecordState>* m_model = nullptr;
    std::vector<core::RecordState> m_rows;
};

} // namespace p3::gui
