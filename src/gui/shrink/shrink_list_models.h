#pragma once
/// The list grids of the shrink window as models over its core lists: the condition list, the bet
/// list, the intersection area and the staging area.
#include <string>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/shrink/workbench.h"
#include "gui/widgets/list_grid_model.h"

namespace p3::gui {

using ConditionListModel = VectorListModel<core::ConditionLine>;
using BetListModel = VectorListModel<std::string>;
using EntryListModel = VectorListModel<core::IntersectionEntry>;
using StagedListModel = VectorListModel<core::StagedList>;

/// The condition list's columns; the content column is there but not shown.
enum ConditionColumn { ColNumber, ColUse, ColKeyword, ColCounts, ColKeep, ColTolerant, ColContent, ColCount };

/// 序号 使用 条件名 条件数|容错数|本级容错 保留 容错 条件内容; a flag other than "0" shows set. The
/// number, name and counts tell in words what the line holds. The list is the workbench's: flags are
/// flipped through `edit`, and the window reloads the model whenever the list has changed.
ConditionListModel* makeConditionListModel(const core::ConditionList& lines, ConditionListModel::Edit edit,
                                           QObject* parent);
/// 序号 投注号码.
BetListModel* makeBetListModel(std::vector<std::string>& bets, QObject* parent);
/// 序号 使用 交集名称 星轨参数 注数 保留 容错.
EntryListModel* makeEntryListModel(std::vector<core::IntersectionEntry>& entries, QObject* parent);
/// 序号 使用 名称 注数.
StagedListModel* makeStagedListModel(std::vector<core::StagedList>& staged, QObject* parent);

} // namespace p3::gui
