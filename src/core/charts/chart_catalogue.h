#pragma once
/// The trend charts by kind: building the grid of a chart over the draws of the statistics range.
#include "core/charts/chart_grid.h"
#include "core/common/error.h"
#include "core/history/draw_list.h"

#include <span>
#include <string>

namespace p3::core {

/// Whether a chart kind exists: 1..28, 30..36 in the main grid, 38 the bias chart, 39..41 the slant charts.
bool isChartKind(int kind) noexcept;

/// The column definition string of a chart: its headers joined by commas, "" for columns 0..4 and spacers
/// (the slant charts: their 59 headers).
std::string chartColumnDefinition(int kind);

/// BuildChart over the draws of the range, oldest first: columns 0..4 (or the slant charts' draw columns),
/// the marks of every draw row, the waiting counts and the statistics rows. An unknown kind is refused.
[[nodiscard]] Result<ChartGrid> BuildChart(int kind, std::span<const Draw> draws);

/// The bias chart (kind 38); BuildChart calls it.
ChartGrid buildBiasChart(std::span<const Draw> draws);

/// A slant chart (kinds 39..41); BuildChart calls it.
ChartGrid buildSlantChart(int kind, std::span<const Draw> draws);

/// Columns 0..4 of the main and bias grids: 期号, 奖号, 群号, 和, 跨 as text cells.
std::vector<ChartColumn> drawColumns();

/// Columns 0..4 of a draw row: period, the analysed digits, 群号, sum and span ("" where the draw has fewer
/// than three digits).
void writeDrawColumns(ChartGrid& grid, int row, const Draw& draw);

} // namespace p3::core
