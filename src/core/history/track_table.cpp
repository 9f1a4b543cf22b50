#include "core/history/track_table.h"

#include <algorithm>

namespace p3::core {
namespace {

constexpr std::uint8_t sub10(int later, int earlier) {
    return static_cast<std::uint8_t>((later - earlier + 10) % 10);
}

} // namespace

TrackTable TrackTable::ComputeTrackTable(const DrawList& draws, const std::vector<std::string>& publicNumbers,
                                         int digitCount, const Progress& progress) {
    ProgressSteps steps(progress, kTrackLevels + 1);
    TrackTable t;
    t.m_digits = std::clamp(digitCount, 1, kMaxDigits);
    t.m_drawCount = draws.size();
    if (draws.empty()) return t;
    const int d = t.m_digits;
    t.m_publicCount = publicNumbers.size();
    t.m_length = publicNumbers.size() + draws.size() - 1;
    const std::size_t n = t.m_length;
    if (n == 0) return t;

    // The sequence: public numbers, then the draws from the second on; short numbers pad with 0.
    std::vector<std::uint8_t> seq(n * d, 0);
    auto put = [&](std::size_t index, const std::string& text) {
        for (int i = 0; i < d && i < static_cast<int>(text.size()); ++i)
            seq[index * d + i] = static_cast<std::uint8_t>(digitValue(text[i]));
    };
    for (std::size_t i = 0; i < publicNumbers.size(); ++i)
        put(i, publicNumbers[i]);
    for (std::size_t i = 1; i < draws.size(); ++i)
        put(publicNumbers.size() + i - 1, draws[i].digits);

    const std::vector<std::uint8_t>* below = &seq;
    for (int level = 0; level < kTrackLevels; ++level) {
        auto& cur = t.m_levels[level];
        cur.assign(n * d, 0);
        // Entry t of this level is the difference of entries t-1 and t of the level below; the
        // first `level + 1` entries stay empty (the sequence itself has no empty entries).
        const std::size_t first = static_cast<std::size_t>(level) + 1;
        const std::uint8_t* src = below->data();
        std::uint8_t* dst = cur.data();
        for (std::size_t e = first; e < n; ++e)
            for (int i = 0; i < d; ++i)
                dst[e * d + i] = sub10(src[e * d + i], src[(e - 1) * d + i]);
        below = &cur;
        steps.step(static_cast<std::size_t>(level) + 1);
        if (n > first)
            for (int i = 0; i < d; ++i)
                t.m_last[level][i] = cur[(n - 1) * d + i];
    }

    for (int i = 0; i < d; ++i)
        t.m_lastNumber[i] = seq[(n - 1) * d + i];
    for (int k = 1; k <= kTrackBlocks; ++k) {
        for (int i = 0; i < d; ++i) {
            int sum = t.m_lastNumber[i];
            for (int j = 0; j < blockLevel(k); ++j)
                sum += t.m_last[j][i];
            t.m_predictions[k - 1][i] = static_cast<std::uint8_t>(sum % 10);
        }
    }
    t.m_hasPredictions = true;
    steps.step(kTrackLevels + 1);
    return t;
}

std::string TrackTable::entry(int level, std::size_t index) const {
    if (level < 0 || level >= kTrackLevels || !entryPresent(level, static_cast<std::ptrdiff_t>(index)))
        return {};
    std::string out(m_digits, '0');
    for (int i = 0; i < m_digits; ++i)
        out[i] = static_cast<char>('0' + m_levels[level][index * m_digits + i]);
    return out;
}

std::string TrackTable::lastEntry(int level) const {
    if (m_length == 0) return {};
    return entry(level, m_length - 1);
}

std::string TrackTable::prediction(int block) const {
    if (!m_hasPredictions || block < 1 || block > kTrackBlocks) return {};
    std::string out(m_digits, '0');
    for (int i = 0; i < m_digits; ++i)
        out[i] = static_cast<char>('0' + m_predictions[block - 1][i]);
    return out;
}

bool TrackTable::hasBlockValue(int block, std::size_t drawIndex) const {
    if (block < 1 || block > kTrackBlocks || drawIndex >= m_drawCount) return false;
    return entryPresent(blockLevel(block), entryIndexOfDraw(drawIndex));
}

std::string TrackTable::blockValue(int block, std::size_t drawIndex) const {
    if (!hasBlockValue(block, drawIndex)) return {};
    return entry(blockLevel(block), static_cast<std::size_t>(entryIndexOfDraw(drawIndex)));
}

Result<std::string> DrawGridSeries(const DrawList& draws, const TrackTable& table, int series,
                                   std::size_t drawIndex) {
    if (series < 0 || series > kTrackBlocks) return fail("星轨参数只支持 星轨1..星轨6");
    if (drawIndex >= draws.size()) return std::string{};
    if (series == 0) return draws[drawIndex].digits.substr(0, static_cast<std::size_t>(table.digitCount()));
    return table.blockValue(series, drawIndex);
}

std::string PredictionRow::seriesText(int series) const {
    std::string out;
    for (int v : m_cells[series])
        out += v < 0 ? ' ' : static_cast<char>('0' + v);
    return out;
}

void PredictionRow::clear() {
    for (auto& row : m_cells)
        row.fill(-1);
}

void PredictionRow::clearPosition(int position) {
    if (position < 0 || position >= kMaxDigits) return;
    for (auto& row : m_cells)
        row[position] = -1;
}

void PredictionRow::PropagatePrediction(const TrackTable& table, int block, int position, int value) {
    if (table.empty() || block < 1 || block > kTrackBlocks || position < 0 || position >= table.digitCount())
        return;
    std::array<int, kTrackLevels> q{};
    const int level = blockLevel(block);
    q[level] = value % 10;
    for (int j = level - 1; j >= 0; --j)
        q[j] = (table.lastEntryDigit(j, position) + q[j + 1]) % 10;
    for (int j = level + 1; j < kTrackLevels; ++j)
        q[j] = (q[j - 1] - table.lastEntryDigit(j - 1, position) + 10) % 10;
    for (int m = 1; m <= kTrackBlocks; ++m)
        m_cells[m][position] = q[blockLevel(m)];
    m_cells[0][position] = (table.lastNumberDigit(position) + q[0]) % 10;
}

} // namespace p3::core
