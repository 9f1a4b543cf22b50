#pragma once
/// The bet plan as a printable spreadsheet (.xlsx) in the layout of the plan export.
#include <filesystem>
#include <string_view>

#include "core/common/error.h"
#include "core/tools/bet_plan.h"

namespace p3::core {

/// The title row of the sheet.
inline constexpr std::string_view kBetPlanSheetTitle = "泳坛夺金快赢481  倍投计划表";

/// Writes sheet "test": the title merged over A:G, the captions, one row per period and the three
/// summary rows with their labels merged over A:B. The file is replaced only when complete.
[[nodiscard]] Status writeBetPlanXlsx(const BetPlan& plan, const BetPlanInputs& inputs,
                                      const std::filesystem::path& file);

} // namespace p3::core
