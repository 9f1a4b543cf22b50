// The marks of every chart kind for a few draws, each worked by hand from the column definitions and the mark
// rules of the chart catalogue: column (its header) → the text the draw writes there.
#include <gtest/gtest.h>

#include "core/charts/chart_catalogue.h"

#include <map>
#include <optional>

using namespace p3::core;

namespace {

/// One expected mark: the column, its header, and the text (the header itself when `text` is empty).
/// A null header means "a column whose header is not worth spelling here"; only the mark is then checked.
struct Mark {
    int column;
    const char* header;
    const char* text = "";
};

DrawList drawsOf(std::initializer_list<const char*> numbers) {
    DrawList draws;
    int period = 2024001;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}

/// The header of a chart column as a reader sees it (the bias chart's three header rows read downwards).
std::string headerOf(const ChartGrid& grid, int column) {
    if (grid.kind() == 38) return grid.text(1, column) + grid.text(2, column) + grid.text(3, column);
    return grid.text(1, column);
}

/// Checks that draw i of the range marks exactly the expected columns from column 5 on, with the expected
/// texts.
void expectMarks(int kind, std::initializer_list<const char*> numbers,
                 std::initializer_list<std::vector<Mark>> rows) {
    auto built = BuildChart(kind, drawsOf(numbers));
    ASSERT_TRUE(built.has_value()) << "kind " << kind;
    const ChartGrid& grid = *built;
    int i = 0;
    for (const auto& expected : rows) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", draw " + std::string(numbers.begin()[i]));
        const int row = grid.firstDrawRow() + i++;
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
}

// The draws used throughout: 527 (h 5, t 2, u 7; sum 14, tail 4, span 5), 113 (sum 5, span 2) and 380 (sum
// 11, tail 1, span 8).

} // namespace

TEST(ChartMarksByHand, CommonAndDigitDistributions) {
    // 常规参数: 百 5 + h, 十 15 + t, 个 25 + u; 类型(三) A/B/C at 35/37/39; 类型(五) 豹子..杂六 at 40..44.
    expectMarks(1, {"527", "113", "555"},
                {{{10, "5"}, {17, "2"}, {32, "7"}, {39, "C"}, {44, "E"}},
                 {{6, "1"}, {16, "1"}, {28, "3"}, {37, "B"}, {41, "B"}},
                 {{10, "5"}, {20, "5"}, {30, "5"}, {35, "A"}, {40, "A"}}});
    // 组选参数: every digit in 5 + d, then the smallest, middle and largest in their own groups.
    expectMarks(2, {"527", "113", "380"},
                {{{7, "2"}, {10, "5"}, {12, "7"}, {17, "2"}, {30, "5"}, {42, "7"}},
                 {{6, "1"}, {8, "3"}, {16, "1"}, {26, "1"}, {38, "3"}},
                 {{5, "0"}, {8, "3"}, {13, "8"}, {15, "0"}, {28, "3"}, {43, "8"}}});
}

TEST(ChartMarksByHand, BigSmallOddEvenPrimeComposite) {
    // Per position the 大 (6, 11, 16) or 小 (8, 13, 18) column; 组选 a..d at 20..23; the direct pattern at
    // 24..31 in the order 小小小, 小小大, 小大小, 大小小, 小大大, 大小大, 大大小, 大大大.
    expectMarks(3, {"527", "113", "380"},
                {{{6, "大"}, {13, "小"}, {16, "大"}, {22, "c"}, {29, "6"}},
                 {{8, "小"}, {13, "小"}, {18, "小"}, {20, "a"}, {24, "1"}},
                 {{8, "小"}, {11, "大"}, {18, "小"}, {21, "b"}, {26, "3"}}});
    // 奇 / 偶; direct order 偶偶偶, 偶偶奇, 偶奇偶, 奇偶偶, 偶奇奇, 奇偶奇, 奇奇偶, 奇奇奇.
    expectMarks(4, {"527", "113", "380"},
                {{{6, "奇"}, {13, "偶"}, {16, "奇"}, {22, "c"}, {29, "6"}},
                 {{6, "奇"}, {11, "奇"}, {16, "奇"}, {23, "d"}, {31, "8"}},
                 {{6, "奇"}, {13, "偶"}, {18, "偶"}, {21, "b"}, {27, "4"}}});
    // 质 (1 2 3 5 7) / 合; direct order 合合合, 合合质, 合质合, 质合合, 合质质, 质合质, 质质合, 质质质.
    expectMarks(5, {"527", "113", "380"},
                {{{6, "质"}, {11, "质"}, {16, "质"}, {23, "d"}, {31, "8"}},
                 {{6, "质"}, {11, "质"}, {16, "质"}, {23, "d"}, {31, "8"}},
                 {{6, "质"}, {13, "合"}, {18, "合"}, {21, "b"}, {27, "4"}}});
}

TEST(ChartMarksByHand, SumChartOddEvenAndRoutes) {
    // 和数值 5 + s; 奇 at 34, 偶 at 36; s mod 3 at 39 + r.
    expectMarks(6, {"527", "113", "606", "380"},
                {{{19, "14"}, {36, "偶"}, {41, "2"}},
                 {{10, "5"}, {34, "奇"}, {41, "2"}},
                 {{17, "12"}, {36, "偶"}, {39, "0"}},
                 {{16, "11"}, {34, "奇"}, {41, "2"}}});
}

TEST(ChartMarksByHand, TailAndSpanSubdivisions) {
    // 合值 v in 5 + v; 大 16 / 小 18; 奇 21 / 偶 23; 质 26 / 合 28; 大 30, 中 31, 小 32; v mod 3 at 33 + r.
    expectMarks(7, {"527", "113", "380"},
                {{{9, "4"}, {18, "小"}, {23, "偶"}, {28, "合"}, {31, "中"}, {34, "1"}},
                 {{10, "5"}, {16, "大"}, {21, "奇"}, {26, "质"}, {31, "中"}, {35, "2"}},
                 {{6, "1"}, {18, "小"}, {21, "奇"}, {26, "质"}, {32, "小"}, {34, "1"}}});
    // The same for the spans 5, 2 and 8.
    expectMarks(8, {"527", "113", "380"},
                {{{10, "5"}, {16, "大"}, {21, "奇"}, {26, "质"}, {31, "中"}, {35, "2"}},
                 {{7, "2"}, {18, "小"}, {23, "偶"}, {26, "质"}, {32, "小"}, {35, "2"}},
                 {{13, "8"}, {16, "大"}, {23, "偶"}, {28, "合"}, {30, "大"}, {35, "2"}}});
}

TEST(ChartMarksByHand, OrderShapeAndShapeCode) {
    // 群号: 527 is 3号 (smallest in the tens, largest in the units), 113 7号, 380 4号; code k at 15 + k.
    expectMarks(9, {"527", "113", "380"},
                {{{7, "2"}, {10, "5"}, {12, "7"}, {18, nullptr}},
                 {{6, "1"}, {8, "3"}, {22, nullptr}},
                 {{5, "0"}, {8, "3"}, {13, "8"}, {19, nullptr}}});
    // 连号: 527 偶点杂六 4, 113 奇点不连组三 9, 380 奇点杂六 5; code k at 15 + k.
    expectMarks(10, {"527", "113", "380"},
                {{{7, "2"}, {10, "5"}, {12, "7"}, {19, nullptr}},
                 {{6, "1"}, {8, "3"}, {24, nullptr}},
                 {{5, "0"}, {8, "3"}, {13, "8"}, {20, nullptr}}});
}

TEST(ChartMarksByHand, RoutesAndBigMiddleSmallSubdivisions) {
    // 012路: positions' remainders; counts of route 0/1/2 digits at 14/18/22 + count; a/b/c at 26..28; the
    // route letter (counts 012 → I, 120 → D, 201 → C) at 29 + letter.
    expectMarks(11, {"527", "113", "380"},
                {{{7, "2"}, {10, "2"}, {12, "1"}, {14, "0"}, {19, "1"}, {24, "2"}, {27, "b"}, {37, "I"}},
                 {{6, "1"}, {9, "1"}, {11, "0"}, {15, "1"}, {20, "2"}, {22, "0"}, {27, "b"}, {32, "D"}},
                 {{5, "0"}, {10, "2"}, {11, "0"}, {16, "2"}, {18, "0"}, {23, "1"}, {27, "b"}, {31, "C"}}});
    // 大中小: per position 大/中/小; counts of 大, 中, 小 digits; a/b/c at 27..29; pattern 111 → F, 012 → B.
    expectMarks(12, {"527", "113", "380"},
                {{{6, "中"}, {10, "小"}, {11, "大"}, {15, "1"}, {19, "1"}, {23, "1"}, {29, "c"}, {36, "F"}},
                 {{7, "小"}, {10, "小"}, {12, "中"}, {14, "0"}, {19, "1"}, {24, "2"}, {28, "b"}, {32, "B"}},
                 {{6, "中"}, {8, "大"}, {13, "小"}, {15, "1"}, {19, "1"}, {23, "1"}, {29, "c"}, {36, "F"}}});
}

TEST(ChartMarksByHand, DirectRouteAndBigMiddleSmallPatterns) {
    // Remainders 221 → index 25 (Z), 110 → 12 (M), 020 → 6 (G), at 24 + index.
    expectMarks(16, {"527", "113", "380"},
                {{{7, "2"}, {10, "5"}, {12, "7"}, {17, "2"}, {20, "2"}, {22, "1"}, {49, "Z"}},
                 {{6, "1"}, {8, "3"}, {16, "1"}, {19, "1"}, {21, "0"}, {36, "M"}},
                 {{5, "0"}, {8, "3"}, {13, "8"}, {15, "0"}, {20, "2"}, {21, "0"}, {30, "G"}}});
    // 中小大 → index 11 (L), 小小中 → 1 (B), 中大小 → 15 (P); positions by index in 大中小.
    expectMarks(17, {"527", "113", "380"},
                {{{7, "2"}, {10, "5"}, {12, "7"}, {16, "中"}, {20, "小"}, {21, "大"}, {35, "L"}},
                 {{6, "1"}, {8, "3"}, {17, "小"}, {20, "小"}, {22, "中"}, {25, "B"}},
                 {{5, "0"}, {8, "3"}, {13, "8"}, {16, "中"}, {18, "大"}, {23, "小"}, {39, "P"}}});
}

TEST(ChartMarksByHand, PositionPairSums) {
    // Sums 7 12 9 / 2 4 4 / 11 3 8: all three at 5 + s, then h+t at 24 + s, h+u at 43 + s, t+u at 62 + s.
    expectMarks(21, {"527", "113", "380"},
                {{{12, "7"}, {17, "12"}, {14, "9"}, {31, "7"}, {55, "12"}, {71, "9"}},
                 {{7, "2"}, {9, "4"}, {26, "2"}, {47, "4"}, {66, "4"}},
                 {{16, "11"}, {8, "3"}, {13, "8"}, {35, "11"}, {46, "3"}, {70, "8"}}});
    // One pair's sum s at 5 + s; 奇 25 / 偶 27; s mod 3 at 29 + r.
    expectMarks(22, {"527", "113", "380"},
                {{{12, "7"}, {25, "奇"}, {30, "1"}},
                 {{7, "2"}, {27, "偶"}, {31, "2"}},
                 {{16, "11"}, {25, "奇"}, {31, "2"}}});
    expectMarks(23, {"527", "113", "380"},
                {{{17, "12"}, {27, "偶"}, {29, "0"}},
                 {{9, "4"}, {27, "偶"}, {30, "1"}},
                 {{8, "3"}, {25, "奇"}, {29, "0"}}});
    expectMarks(24, {"527", "113", "380"},
                {{{14, "9"}, {25, "奇"}, {29, "0"}},
                 {{9, "4"}, {27, "偶"}, {30, "1"}},
                 {{13, "8"}, {27, "偶"}, {31, "2"}}});
}

TEST(ChartMarksByHand, PositionPairTails) {
    // Tails 7 2 9 / 2 4 4 / 1 3 8: all at 5 + v, then each in its own group at 15, 25, 35 + v.
    expectMarks(25, {"527", "113", "380"},
                {{{12, "7"}, {7, "2"}, {14, "9"}, {22, "7"}, {27, "2"}, {44, "9"}},
                 {{7, "2"}, {9, "4"}, {17, "2"}, {29, "4"}, {39, "4"}},
                 {{6, "1"}, {8, "3"}, {13, "8"}, {16, "1"}, {28, "3"}, {43, "8"}}});
    // One tail v at 5 + v; 奇 16 / 偶 18; 大 21 / 小 23; 质 26 / 合 28; 大 31, 中 32, 小 33; v mod 3 at 36 +
    // r.
    expectMarks(26, {"527", "113", "380"},
                {{{12, "7"}, {16, "奇"}, {21, "大"}, {26, "质"}, {31, "大"}, {37, "1"}},
                 {{7, "2"}, {18, "偶"}, {23, "小"}, {26, "质"}, {33, "小"}, {38, "2"}},
                 {{6, "1"}, {16, "奇"}, {23, "小"}, {26, "质"}, {33, "小"}, {37, "1"}}});
    expectMarks(27, {"527", "113", "380"},
                {{{7, "2"}, {18, "偶"}, {23, "小"}, {26, "质"}, {33, "小"}, {38, "2"}},
                 {{9, "4"}, {18, "偶"}, {23, "小"}, {28, "合"}, {32, "中"}, {37, "1"}},
                 {{8, "3"}, {16, "奇"}, {23, "小"}, {26, "质"}, {32, "中"}, {36, "0"}}});
    expectMarks(28, {"527", "113", "380"},
                {{{14, "9"}, {16, "奇"}, {21, "大"}, {28, "合"}, {31, "大"}, {36, "0"}},
                 {{9, "4"}, {18, "偶"}, {23, "小"}, {28, "合"}, {32, "中"}, {37, "1"}},
                 {{13, "8"}, {18, "偶"}, {21, "大"}, {28, "合"}, {31, "大"}, {38, "2"}}});
}

TEST(ChartMarksByHand, PositionDifferences) {
    // Signed differences 3 −2 −5 / 0 −2 −2 / −5 3 8 at 5, 24, 43 + (d + 9).
    expectMarks(32, {"527", "113", "380"},
                {{{17, nullptr}, {31, nullptr}, {47, nullptr}},
                 {{14, nullptr}, {31, nullptr}, {50, nullptr}},
                 {{9, nullptr}, {36, nullptr}, {60, nullptr}}});
    // Absolute differences 3 2 5 / 0 2 2 / 5 3 8: all at 5 + d, then each in its own group.
    expectMarks(33, {"527", "113", "380"},
                {{{8, "3"}, {7, "2"}, {10, "5"}, {18, "3"}, {27, "2"}, {40, "5"}},
                 {{5, "0"}, {7, "2"}, {15, "0"}, {27, "2"}, {37, "2"}},
                 {{10, "5"}, {8, "3"}, {13, "8"}, {20, "5"}, {28, "3"}, {43, "8"}}});
    // One absolute difference d, classified like a tail.
    expectMarks(34, {"527", "113", "380"},
                {{{8, "3"}, {16, "奇"}, {23, "小"}, {26, "质"}, {32, "中"}, {36, "0"}},
                 {{5, "0"}, {18, "偶"}, {23, "小"}, {28, "合"}, {33, "小"}, {36, "0"}},
                 {{10, "5"}, {16, "奇"}, {21, "大"}, {26, "质"}, {32, "中"}, {38, "2"}}});
    expectMarks(35, {"527", "113", "380"},
                {{{7, "2"}, {18, "偶"}, {23, "小"}, {26, "质"}, {33, "小"}, {38, "2"}},
                 {{7, "2"}, {18, "偶"}, {23, "小"}, {26, "质"}, {33, "小"}, {38, "2"}},
                 {{8, "3"}, {16, "奇"}, {23, "小"}, {26, "质"}, {32, "中"}, {36, "0"}}});
    expectMarks(36, {"527", "113", "380"},
                {{{10, "5"}, {16, "奇"}, {21, "大"}, {26, "质"}, {32, "中"}, {38, "2"}},
                 {{7, "2"}, {18, "偶"}, {23, "小"}, {26, "质"}, {33, "小"}, {38, "2"}},
                 {{13, "8"}, {18, "偶"}, {21, "大"}, {28, "合"}, {31, "大"}, {38, "2"}}});
}

TEST(ChartMarksByHand, BiasChart) {
    // Small digits (01234), even digits and composite digits (04689) counted 0..3 at 5, 9, 13 + count; then
    // 二分 W/V, 三细分 P/B/V and the class letter of the bias table. Headers read rows 1..3 downwards, so a
    // header whose middle row is empty (偏 假) reads 偏假.
    expectMarks(38, {"527", "113", "380", "456", "931", "862"},
                {{{6, "大大小", "x"},
                  {10, "奇奇偶", "o"},
                  {13, "质质质", "S"},
                  {17, "偏假", "W"},
                  {19, "偏态", "P"},
                  {30, nullptr, "M"}},
                 {{8, "小小小", "C"},
                  {9, "奇奇奇", "G"},
                  {13, "质质质", "S"},
                  {17, "偏假", "W"},
                  {19, "偏态", "P"},
                  {22, "三重偏", "E"}},
                 {{7, "大小小", "d"},
                  {11, "奇偶偶", "j"},
                  {15, "质合合", "z"},
                  {17, "偏假", "W"},
                  {20, "假对子", "B"},
                  {35, nullptr, "K"}},
                 {{6, "大大小", "x"},
                  {11, "奇偶偶", "j"},
                  {15, "质合合", "z"},
                  {18, "真正", "V"},
                  {21, "真正", "V"},
                  {37, "真正", "V"}},
                 {{7, "大小小", "d"},
                  {9, "奇奇奇", "G"},
                  {14, "质质合", "h"},
                  {17, "偏假", "W"},
                  {19, "偏态", "P"},
                  {26, nullptr, "J"}},
                 {{6, "大大小", "x"},
                  {12, "偶偶偶", "U"},
                  {15, "质合合", "z"},
                  {17, "偏假", "W"},
                  {19, "偏态", "P"},
                  {27, nullptr, "O"}}});
}
