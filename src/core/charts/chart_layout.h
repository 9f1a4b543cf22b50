#pragma once
/// The catalogue of the main-grid charts 1..36 as data: groups with headers, pictures and bands, line and
/// choice groups, and the function that writes the marks of one draw row.
#include "core/attributes/digits.h"
#include "core/charts/chart_grid.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core::charts {

/// One column group of a chart: headers are comma-separated pieces, an empty piece a spacer. The image is
/// a prefix ending in "_", complete names separated by "/" for the columns in header order, or
/// "Red_/BlueD_" for a distribution whose repeated values turn red.
struct GroupSpec {
    std::string_view title;
    std::string_view headers;
    std::string_view image;
    int band = 0; ///< 0..3: a new band takes the next of the four colours, after the fourth the first again
    std::string_view widths = {}; ///< the group's leading text columns: their widths, comma-separated
    bool multiChoice = false;
};

/// What a mark function sees of one draw row: the analysed digits and the numbers of the draws before it.
struct RowContext {
    std::span<const int> numbers; ///< analysed numbers of the range, oldest first
    std::size_t index = 0;        ///< this row's draw
    int h = 0, t = 0, u = 0;      ///< 百, 十, 个
    int x = 0, y = 0, z = 0;      ///< sorted

    /// The analysed number k draws back, or -1 before the range.
    int before(std::size_t k) const { return k <= index ? numbers[index - k] : -1; }
};

/// Writes the marks of one draw row.
class RowWriter {
public:
    RowWriter(ChartGrid& grid, int row) : m_grid(grid), m_row(row) {}
    /// Writes the column's header; a second mark in the same column marks the value as repeated.
    void mark(int column);
    /// Writes a text of its own (a text column, a bias or slant mark).
    void put(int column, std::string text);

private:
    ChartGrid& m_grid;
    int m_row;
};

using MarkFunction = void (*)(const RowContext&, RowWriter&);

struct MainChartSpec {
    int kind;
    std::vector<GroupSpec> groups;
    std::string_view lineGroups;
    std::string_view choiceGroups;
    MarkFunction marks;
};

/// The spec of a main-grid kind 1..36, or nullptr (29 and unknown kinds).
const MainChartSpec* mainChartSpec(int kind);

/// The mark function of a main-grid kind.
MarkFunction markFunction(int kind);

} // namespace p3::core::charts
