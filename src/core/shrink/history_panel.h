#pragma once
/// A condition line read back into its editor panel with the code lists taken from the current history.
#include "core/catalogue/condition_editor.h"
#include "core/shrink/series_history.h"

namespace p3::core {

/// `LoadLine` with the series selector's preset run again: for the reference kinds the code lists come
/// from the current history for the stored series, not from the line. Where the preset gives nothing
/// (任意位合 with fewer than two periods) or refuses the series, the stored lists stay.
[[nodiscard]] PanelState LoadPanelState(const ConditionLine& line, const SeriesHistory& history);

} // namespace p3::core
