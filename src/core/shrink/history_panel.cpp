#include "core/shrink/history_panel.h"

namespace p3::core {

PanelState LoadPanelState(const ConditionLine& line, const SeriesHistory& history) {
    PanelState panel = LoadPanelState(line);
    if (!hasReferenceElement(panel.kind)) return panel;
    auto made = SeriesPreset(panel.kind, history, panel.series);
    if (made && made->has_value()) {
        panel.sets = **made;
        panel.sets.series.reset();
    }
    return panel;
}

} // namespace p3::core
