#pragma once
/// The filter run: every used condition line parsed once and evaluated over the 1000 numbers into a
/// table, and the tables combined with the total tolerance over the bet list.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/condition_line.h"
#include "core/common/error.h"
#include "core/shrink/series_history.h"

namespace p3::core {

inline constexpr int kNumberCount = 1000;

/// One bit per number 000..999.
using NumberSet = std::bitset<kNumberCount>;

/// The index 0..999 of a number text of exactly three digit characters; -1 for anything else.
[[nodiscard]] int numberIndex(std::string_view text) noexcept;

/// The three-character text of a number index ("007").
[[nodiscard]] std::string numberTextOf(int index);

/// The numbers whose candidate digits satisfy a line's content (before keep/exclude).
[[nodiscard]] NumberSet evaluateLineTable(ConditionKind kind, std::string_view levelTolerance,
                                          std::string_view content, const SeriesHistory& history);

/// A line of a history kind (16 复隔中, 17 邻孤传, 18 热温冷, 21 任意位合) made ready once for runs in
/// which only its code lists change (the backtest remakes them every period). Every record that reads
/// the code lists depends on a candidate only through which lists each of its three digits (or pair
/// tails) belongs to, so such a record becomes a table over those 512 memberships; the other records
/// are evaluated once.
class ReferenceLine {
public:
    ReferenceLine(ConditionKind kind, std::string_view levelTolerance, std::string_view content);
    /// The numbers whose candidate digits satisfy the line with these code lists (before keep/exclude);
    /// equal to evaluateLineTable of the content with its reference element replaced by `sets`.
    [[nodiscard]] NumberSet satisfied(const ReferenceElement& sets) const;

private:
    struct Side {
        bool used = false;
        std::array<std::uint8_t, 512> hard{};     ///< a failing record that is not tolerant
        std::array<std::uint8_t, 512> tolerant{}; ///< failing tolerant records
    };
    std::array<Side, 2> m_sides; ///< [0] records reading the digits, [1] those reading the pair tails
    NumberSet m_fixedHard;
    std::array<std::uint8_t, kNumberCount> m_fixedTolerant{};
    std::vector<bool> m_inRange;
};

/// A used line of the run, ready for the walk.
struct CompiledLine {
    int row = 0; ///< 1-based row in the condition list
    ConditionKind kind = 0;
    bool expected = true; ///< 保留 "1"
    bool tolerant = false;
    NumberSet passes; ///< the numbers for which the line's result equals the expected one
};

/// The used lines of a condition list, compiled. A used line whose keyword names no kind, or a row kept
/// verbatim from its file, has no test: it takes no part in the run (as if unused) and its row is
/// listed in unknownRows so that the caller can tell the user.
struct CompiledFilter {
    std::vector<CompiledLine> lines;
    std::vector<int> unknownRows;
};

/// The refusals of the run come first: "没有可供过滤的条件" for an empty list, "请选择条件" when no line
/// is used.
[[nodiscard]] Result<CompiledFilter> compileConditions(const ConditionList& list,
                                                       const SeriesHistory& history);

/// The total tolerance of the shrink window: when enabled, tolerant lines may fail, and a number stays
/// when begin <= failures <= end.
struct TotalTolerance {
    bool enabled = false;
    int begin = 0;
    int end = 0;
};

/// Whether a number (index) survives the compiled lines under the total tolerance.
[[nodiscard]] bool survives(const CompiledFilter& filter, int index,
                            const TotalTolerance& tolerance) noexcept;

/// The surviving numbers of all 1000 under the compiled lines.
[[nodiscard]] NumberSet survivors(const CompiledFilter& filter, const TotalTolerance& tolerance);

struct FilterResult {
    std::vector<std::string> kept;  ///< the surviving bet list rows in their old order
    std::vector<int> unknownRows;   ///< used lines with an unknown keyword (ignored)
    std::size_t removedInvalid = 0; ///< rows that were not three digits
};

/// Filters the bet list. A row that is not three digit characters cannot be evaluated and is removed
/// (counted in removedInvalid) without stopping the run.
[[nodiscard]] Result<FilterResult> FilterBetList(std::span<const std::string> betList,
                                                 const ConditionList& list, const TotalTolerance& tolerance,
                                                 const SeriesHistory& history);

/// For each compiled line in order, how many rows of the bet list pass every line up to and including
/// it, every tolerance off.
[[nodiscard]] std::vector<std::size_t> filterSteps(std::span<const std::string> betList,
                                                   const CompiledFilter& filter);

} // namespace p3::core
