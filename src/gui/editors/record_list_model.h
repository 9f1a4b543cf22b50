#pragma once
/// The row list of 定位复式 and 号码组 as a model over the rows' records: the 使用 flag inside the
/// record's value ("use^..."), its parts as columns, and the 保留 and 容错 flags.
#include <vector>

#include "core/catalogue/condition_editor.h"
#include "gui/widgets/list_grid_model.h"

namespace p3::gui {

using RecordListModel = VectorListModel<core::RecordState>;

/// 定位复式: 序号 使用 内容 正确位置 保留 容错; 号码组: 序号 使用 号码组 中出个数 算1个 保留 容错.
RecordListModel* makeRecordListModel(std::vector<core::RecordState>& rows, bool positionList,
                                     QObject* parent);

} // namespace p3::gui
