#pragma once
/// Helpers of the hand-worked chart mark tests: a draw range from number texts and the check that a draw row
/// marks exactly the expected columns from column 5 on, with the expected texts.
#include <gtest/gtest.h>

#include "core/charts/chart_catalogue.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace p3::test {

/// One expected mark: the column, its header, and the text (the header itself when `text` is empty).
/// A null header means "a column whose header is not worth spelling here"; only the mark is then checked.
struct Mark {
    int column;
    const char* header;
    const char* text = "";
};

inline core::DrawList drawsOf(std::initializer_list<const char*> numbers) {
    core::DrawList draws;
    int period = 2024001;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}

/// The header of a chart column as a reader sees it (the bias chart's three header rows read downwards).
inline std::string headerOf(const core::ChartGrid& grid, int column) {
    if (grid.kind() == 38) return grid.text(1, column) + grid.text(2, column) + grid.text(3, column);
    return grid.text(1, column);
}

/// Checks that a row holds exactly the expected texts from column 5 on.
inline void expectRowMarks(const core::ChartGrid& grid, int row, const std::vector<Mark>& expected) {
    std::map<int, std::string> actual;
    for (int c = 5; c < grid.columnCount(); ++c)
        if (!grid.text(row, c).empty()) actual[c] = grid.text(row, c);
    std::map<int, std::string> wanted;
    for (const auto& m : expected) {
        if (m.header) {
            EXPECT_EQ(headerOf(grid, m.column), m.header) << "column " << m.column;
        }
        const std::string text = *m.text ? m.text : (m.header ? m.header : "");
        wanted[m.column] = text.empty() ? actual[m.column] : text;
        if (text.empty()) {
            EXPECT_TRUE(actual.count(m.column)) << "column " << m.column << " unmarked";
        }
    }
    EXPECT_EQ(actual, wanted);
}

/// Checks that draw i of the range marks exactly the expected columns from column 5 on, with the expected
/// texts; rows beyond the list are not checked.
inline void expectMarks(int kind, std::initializer_list<const char*> numbers,
                        std::initializer_list<std::vector<Mark>> rows) {
    auto built = core::BuildChart(kind, drawsOf(numbers));
    ASSERT_TRUE(built.has_value()) << "kind " << kind;
    const core::ChartGrid& grid = *built;
    int i = 0;
    for (const auto& expected : rows) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", draw " + std::string(numbers.begin()[i]));
        expectRowMarks(grid, grid.firstDrawRow() + i++, expected);
    }
}

} // namespace p3::test
