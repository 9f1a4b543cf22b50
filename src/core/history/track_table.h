#pragma once
/// The track (星轨) table: sixteen levels of digit-wise differences of the history, the six
/// blocks shown beside the draws, and the base number of each block.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/common/progress.h"
#include "core/history/draw_list.h"

namespace p3::core {

inline constexpr int kTrackLevels = 16;
inline constexpr int kTrackBlocks = 6;
inline constexpr int kMaxDigits = 5;

/// The level shown by block k (1..6): levels 5, 7, 9, 11, 13, 15.
constexpr int blockLevel(int block) {
    return 2 * block + 3;
}

/// The digit value of a number character; anything but a digit counts as 0.
constexpr int digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

class TrackTable {
public:
    TrackTable() = default;

    /// Builds the table over the public numbers followed by the draws from the second on,
    /// each cut to its first `digitCount` characters. `progress` follows the levels computed.
    static TrackTable ComputeTrackTable(const DrawList& draws, const std::vector<std::string>& publicNumbers,
                                        int digitCount, const Progress& progress = {});

    bool empty() const { return m_length == 0; }
    int digitCount() const { return m_digits; }
    std::size_t drawCount() const { return m_drawCount; }
    /// Number of entries per level: the public numbers plus the draws after the first.
    std::size_t length() const { return m_length; }

    /// Entry t of a level as text; empty for the entries a level leaves empty.
    std::string entry(int level, std::size_t t) const;
    /// The last entry of a level (`TrackLastEntries`), empty when the level has none.
    std::string lastEntry(int level) const;
    /// The base number of block k (`TrackPredictions`): N = prediction + X digit by digit.
    std::string prediction(int block) const;
    int predictionDigit(int block, int position) const { return m_predictions[block - 1][position]; }
    /// The last entry of a level at one position (0 when the level has no entry).
    int lastEntryDigit(int level, int position) const { return m_last[level][position]; }
    /// The last number of the sequence at one position: what the next number is measured from.
    int lastNumberDigit(int position) const { return m_lastNumber[position]; }

    /// The value of block k on the row of draw i (0-based), as shown in the main grid.
    std::string blockValue(int block, std::size_t drawIndex) const;
    /// Whether block k has a value on the row of draw i.
    bool hasBlockValue(int block, std::size_t drawIndex) const;
    /// One digit of block k on the row of draw i; only meaningful where hasBlockValue holds.
    int blockDigit(int block, std::size_t drawIndex, int position) const {
        return m_levels[blockLevel(block)][entryIndexOfDraw(drawIndex) * m_digits + position];
    }

private:
    std::ptrdiff_t entryIndexOfDraw(std::size_t drawIndex) const {
        return static_cast<std::ptrdiff_t>(drawIndex + m_publicCount) - 1;
    }
    bool entryPresent(int level, std::ptrdiff_t t) const {
        return t > level && t < static_cast<std::ptrdiff_t>(m_length);
    }

    int m_digits = 0;
    std::size_t m_publicCount = 0;
    std::size_t m_drawCount = 0;
    std::size_t m_length = 0;
    // Level L holds m_length entries of m_digits values each; entries 0..L are left empty.
    std::array<std::vector<std::uint8_t>, kTrackLevels> m_levels;
    std::array<std::array<std::uint8_t, kMaxDigits>, kTrackLevels> m_last{};
    std::array<std::array<std::uint8_t, kMaxDigits>, kTrackBlocks> m_predictions{};
    std::array<std::uint8_t, kMaxDigits> m_lastNumber{};
    bool m_hasPredictions = false;
};

/// The values of a number series on the row of draw i: series 0 the drawn digits (the first
/// d characters), series k = 1..6 the value of track block k. Series above 6 do not exist.
[[nodiscard]] Result<std::string> DrawGridSeries(const DrawList& draws, const TrackTable& table, int series,
                                                 std::size_t drawIndex);

/// The interactive prediction row: one consistent next number across the number columns
/// (series 0) and the six blocks; -1 marks an empty cell.
class PredictionRow {
public:
    PredictionRow() { clear(); }

    int cell(int series, int position) const { return m_cells[series][position]; }
    std::string seriesText(int series) const;
    void clear();
    /// The picker's "空": empties position c (0-based) in the number columns and every block.
    void clearPosition(int position);
    /// Sets block k's digit at position c (0-based) to v and fills every other series there.
    void PropagatePrediction(const TrackTable& table, int block, int position, int value);

private:
    std::array<std::array<int, kMaxDigits>, kTrackBlocks + 1> m_cells{};
};

} // namespace p3::core
