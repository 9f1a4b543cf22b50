#include "core/charts/chart_grid.h"

#include "core/stats/omission_statistics.h"

#include <charconv>

namespace p3::core {

ChartGrid::ChartGrid(int kind, std::vector<ChartColumn> columns, std::vector<ChartRowRole> rows)
    : m_kind(kind), m_columns(std::move(columns)), m_rows(std::move(rows)) {
    m_cells.resize(m_rows.size() * m_columns.size());
    m_repeated.resize(m_cells.size(), 0);
    for (int r = 0; r < rowCount(); ++r) {
        if (m_rows[static_cast<std::size_t>(r)] == ChartRowRole::Draw) {
            if (m_drawCount == 0) m_firstDrawRow = r;
            ++m_drawCount;
        } else if (m_rows[static_cast<std::size_t>(r)] == ChartRowRole::Prediction) {
            m_predictionRow = r;
        }
    }
}

const std::string& ChartGrid::text(int row, int col) const {
    static const std::string empty;
    const std::uint32_t cell = m_cells[index(row, col)];
    if (cell == kNoText) return empty;
    if (cell == kHeaderText) return m_columns[static_cast<std::size_t>(col)].header;
    return m_texts[cell - kFirstOwnText];
}

void ChartGrid::setText(int row, int col, std::string text) {
    std::uint32_t& cell = m_cells[index(row, col)];
    if (text.empty()) {
        cell = kNoText;
    } else if (text == m_columns[static_cast<std::size_t>(col)].header) {
        cell = kHeaderText;
    } else {
        cell = kFirstOwnText + static_cast<std::uint32_t>(m_texts.size());
        m_texts.push_back(std::move(text));
    }
}

bool ChartGrid::isMark(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return false;
    const auto role = rowRole(row);
    if (role != ChartRowRole::Draw && role != ChartRowRole::Prediction) return false;
    const ChartColumn& c = column(col);
    return !c.spacer && !c.textCell && hasText(row, col);
}

std::string ChartGrid::ballImage(int row, int col) const {
    if (!isMark(row, col)) return {};
    const ChartColumn& c = column(col);
    if (c.image.empty()) return {};
    if (c.redForRepeats && m_repeated[index(row, col)]) return "Red_" + text(row, col) + ".bmp";
    if (c.image.back() == '_') return c.image + text(row, col) + ".bmp";
    return c.image + ".bmp";
}

int ChartGrid::lineGroupOf(int col) const noexcept {
    for (std::size_t i = 0; i < m_lineGroups.size(); ++i)
        if (m_lineGroups[i].contains(col)) return static_cast<int>(i);
    return -1;
}

int ChartGrid::choiceGroupOf(int col) const noexcept {
    for (std::size_t i = 0; i < m_choiceGroups.size(); ++i)
        if (m_choiceGroups[i].contains(col)) return static_cast<int>(i);
    return -1;
}

std::vector<LinePair> ChartGrid::connectingLines(int fromRow, int toRow) const {
    std::vector<LinePair> lines;
    if (m_lineGroups.empty() || m_drawCount == 0) return lines;
    const int lastDrawRow = m_firstDrawRow + m_drawCount - 1;
    // The lower end reaches the prediction row, except in the slant charts, whose prediction row holds
    // candidate lists rather than marks.
    const bool toPrediction = m_predictionRow == lastDrawRow + 1 && m_kind < 39;
    const int lastUpper = toPrediction ? lastDrawRow : lastDrawRow - 1;
    const bool oneRange = m_lineGroups.size() == 1;
    const int firstColumn = oneRange ? m_lineGroups.front().first : 5;
    for (int r = std::max(fromRow, m_firstDrawRow); r <= std::min(toRow, lastUpper); ++r) {
        for (int c = firstColumn; c < columnCount(); ++c) {
            if (!isMark(r, c)) continue;
            const int group = lineGroupOf(c);
            if (group >= 0) {
                const ColumnRange range = m_lineGroups[static_cast<std::size_t>(group)];
                for (int below = range.first; below <= range.last; ++below)
                    if (isMark(r + 1, below)) {
                        if (below != c) lines.push_back({r, c, r + 1, below});
                        break;
                    }
            }
            if (oneRange) break;
        }
    }
    return lines;
}

bool ChartGrid::clickPrediction(int col) {
    if (m_predictionRow < 0 || col < 5 || col >= columnCount()) return false;
    const ChartColumn& c = column(col);
    if (c.spacer || c.textCell) return false;
    if (c.multiChoice) {
        setText(m_predictionRow, col, hasText(m_predictionRow, col) ? std::string{} : c.header);
        return true;
    }
    const int group = choiceGroupOf(col);
    if (group < 0 || c.header.empty()) return false;
    const ColumnRange range = m_choiceGroups[static_cast<std::size_t>(group)];
    for (int other = range.first; other <= range.last && other < columnCount(); ++other)
        m_cells[index(m_predictionRow, other)] = kNoText;
    setText(m_predictionRow, col, c.codeLetter ? std::string(1, c.codeLetter) : c.header);
    return true;
}

void ChartGrid::finish() {
    computeWaitingCounts();
    ColumnFooterStatistics();
}

std::string ChartGrid::predictionHint(int row, int col) const {
    if (m_kind < 39 || row != m_predictionRow || col <= 14 || col >= columnCount() || text(row, col).empty())
        return {};
    return " " + column(col).header + "= " + text(row, col);
}

void ChartGrid::computeWaitingCounts() {
    m_waiting.assign(m_cells.size(), -1);
    // Row by row over the counted columns, so the walk follows the cells as they lie in memory.
    std::vector<int> counted;
    for (int c = 0; c < columnCount(); ++c)
        if (column(c).waitingCounts) counted.push_back(c);
    std::vector<int> lastMark(m_columns.size(), -1);
    for (int r = m_firstDrawRow; r < m_firstDrawRow + m_drawCount; ++r) {
        const std::size_t rowStart = index(r, 0);
        for (int c : counted) {
            const std::size_t cell = rowStart + static_cast<std::size_t>(c);
            int& last = lastMark[static_cast<std::size_t>(c)];
            if (m_cells[cell] != kNoText)
                last = r;
            else
                m_waiting[cell] = last < 0 ? r - m_firstDrawRow + 1 : r - last;
        }
    }
}

void ChartGrid::ColumnFooterStatistics() {
    std::vector<int> footer;
    for (int r = 0; r < rowCount(); ++r)
        if (rowRole(r) == ChartRowRole::Statistics) footer.push_back(r);
    if (footer.size() != kFooterLabels.size()) return;
    // The average is taken over the grid's row count minus eleven: n − 1 draws in the main grid, n + 1 in
    // the bias grid, as the chart has always shown it.
    const std::int64_t q = rowCount() - 11;
    struct Tally {
        int column = 0;
        int hits = 0, gap = 0, maxGap = 0, run = 1, maxRun = 1;
        bool previousHit = false;
    };
    std::vector<Tally> tallies;
    for (int c = 0; c < columnCount(); ++c)
        if (column(c).hasStatistics) tallies.push_back({c});
    // Row by row, so the walk follows the cells as they lie in memory.
    for (int r = m_firstDrawRow; r < m_firstDrawRow + m_drawCount; ++r) {
        const std::size_t rowStart = index(r, 0);
        for (Tally& t : tallies) {
            const bool hit = m_cells[rowStart + static_cast<std::size_t>(t.column)] != kNoText;
            if (hit) {
                ++t.hits;
                t.maxGap = std::max(t.maxGap, t.gap);
                t.gap = 0;
                if (r != m_firstDrawRow) {
                    if (t.previousHit)
                        t.maxRun = std::max(t.maxRun, ++t.run);
                    else
                        t.run = 1;
                }
            } else {
                ++t.gap;
            }
            t.previousHit = hit;
        }
    }
    for (const Tally& t : tallies) {
        setText(footer[0], t.column, std::to_string(t.hits));
        setText(footer[1], t.column, std::to_string(t.gap));
        setText(footer[2], t.column, t.hits == 0 ? "0" : std::to_string(roundHalfEven(q, t.hits)));
        setText(footer[3], t.column, std::to_string(t.maxGap));
        setText(footer[4], t.column, std::to_string(t.maxRun));
    }
}

std::vector<std::string> ChartGrid::rowTexts(int row) const {
    std::vector<std::string> texts;
    texts.reserve(m_columns.size());
    for (int c = 0; c < columnCount(); ++c)
        texts.push_back(text(row, c));
    return texts;
}

std::vector<ColumnRange> parseColumnRanges(std::string_view text) {
    std::vector<ColumnRange> ranges;
    while (!text.empty()) {
        const auto comma = text.find(',');
        std::string_view piece = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const auto blank = piece.find(' ');
        if (blank == std::string_view::npos) continue;
        ColumnRange range;
        auto a = std::from_chars(piece.data(), piece.data() + blank, range.first);
        auto b = std::from_chars(piece.data() + blank + 1, piece.data() + piece.size(), range.last);
        if (a.ec == std::errc{} && b.ec == std::errc{}) ranges.push_back(range);
    }
    return ranges;
}

} // namespace p3::core
