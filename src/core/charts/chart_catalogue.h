#pragma once
/// The trend charts by kind: building the grid of a chart over the draws of the statistics range.
#include "core/charts/chart_grid.h"
#include "core/common/error.h"
#include "core/history/draw_list.h"

#include <cstdint>
#include <span>
#include <string>

namespace p3::core {

/// The grid a chart kind is built and shown in.
enum class ChartForm : std::uint8_t {
    None,  ///< no chart of that kind
    Main,  ///< the main grid: number columns 0..4, then the kind's groups
    Bias,  ///< the bias chart: its number columns stand over three header rows
    Slant, ///< a slant chart: its own draw columns, a prediction row that is no choice
};

/// The form of a chart kind: 1..28 and 30..36 the main grid, 38 the bias chart, 39..41 the slant charts.
ChartForm chartForm(int kind) noexcept;

/// A slant chart's own position (0 百, 1 十, 2 个), whose diagonal it follows; -1 for any other kind.
int slantPosition(int kind) noexcept;

/// Whether a chart kind exists.
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
