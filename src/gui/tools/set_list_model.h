#pragma once
/// The set tool's list as a model over its core set list: 序号 运算 名称 注数 保留 容错, the flags shown
/// as "1"/"0" and flipped through setData.
#include "gui/widgets/list_grid_model.h"

namespace p3::core {
class SetList;
}

namespace p3::gui {

class SetListModel final : public ListGridModel {
    Q_OBJECT
public:
    enum Column { Serial, TakePart, Name, Count, Keep, Tolerate, ColumnCount };

    SetListModel(core::SetList& sets, QObject* parent = nullptr);

protected:
    int rows() const override;
    QString text(int row, int column) const override;
    bool flag(int row, int column) const override;
    void flip(int row, int column) override;

private:
    core::SetList& m_sets;
};

} // namespace p3::gui
