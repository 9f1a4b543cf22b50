#pragma once
/// The draw history as the shrink engine reads it: the values of a number series per period, limited to
/// the periods that count as history (all of them, or those before a given period for backtests).
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

#include "core/catalogue/condition_line.h"
#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/history/track_table.h"

namespace p3::core {

struct SeriesHistory {
    const DrawList* draws = nullptr;
    /// The track table of the draws; without one only series 0 has values.
    const TrackTable* table = nullptr;
    /// Only draws[0 .. visible) are history. A track value of a draw depends on that draw and the ones
    /// before it only, so a table made over more draws serves a shorter history as well.
    std::size_t visible = std::numeric_limits<std::size_t>::max();

    /// How many periods the history holds.
    std::size_t size() const;

    /// The first three digits of series s on period i (0 = oldest); empty when the period has no value
    /// there (a track level not yet filled) or the series is not provided.
    std::string value(SeriesIndex series, std::size_t period) const;

    /// Whether the track table provides the series (0..6).
    static bool supports(SeriesIndex series) { return series >= 0 && series <= kMaxUsableSeries; }
};

/// The three code lists of a history kind (16 复隔中, 17 邻孤传, 18 热温冷, 21 任意位合) computed from
/// the latest periods of series s; periods the history does not hold contribute no digits. Kind 21
/// needs two periods with values and gives nothing otherwise (the lists stay as they are). A series
/// the track table does not provide is refused.
[[nodiscard]] Result<std::optional<ReferenceElement>>
SeriesPreset(ConditionKind kind, const SeriesHistory& history, SeriesIndex series);

} // namespace p3::core
