// The bias chart and the slant-line charts.
#include <gtest/gtest.h>

#include "core/charts/chart_catalogue.h"

using namespace p3::core;

namespace {

DrawList drawsOf(std::initializer_list<const char*> numbers) {
    DrawList draws;
    int period = 2020001;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}

int marksIn(const ChartGrid& grid, int row, int first, int last) {
    int marks = 0;
    for (int c = first; c <= last; ++c)
        marks += !grid.text(row, c).empty();
    return marks;
}

} // namespace

TEST(BiasChart, MarksCodeLettersAndLayout) {
    ChartGrid grid = *BuildChart(38, drawsOf({"135", "246", "027", "555"}));
    EXPECT_EQ(grid.rowCount(), 4 + 12);
    EXPECT_EQ(grid.columnCount(), 38);
    EXPECT_EQ(grid.firstDrawRow(), 4);
    EXPECT_EQ(grid.text(4, 7), "d");
    EXPECT_EQ(grid.text(4, 9), "G");
    EXPECT_EQ(grid.text(4, 13), "S");
    EXPECT_EQ(grid.text(5, 7), "d");
    EXPECT_EQ(grid.text(5, 12), "U");
    EXPECT_EQ(grid.text(5, 15), "z");
    for (int row = 4; row < 8; ++row) {
        EXPECT_EQ(marksIn(grid, row, 5, 8), 1);
        EXPECT_EQ(marksIn(grid, row, 17, 18), 1);
        EXPECT_EQ(marksIn(grid, row, 19, 21), 1);
        EXPECT_EQ(marksIn(grid, row, 22, 37), 1);
    }
    EXPECT_EQ(grid.text(6, 20), "B"); // 027 is 假对子27
    EXPECT_EQ(grid.text(6, 34), "T");
    EXPECT_EQ(grid.text(7, 22), "E"); // 555 is 三重偏
    EXPECT_EQ(grid.ballImage(4, 7), "LanSe_d.bmp");
    // Headers read downwards; the sub-titles stand in row 1; the repeated row shows the code letters.
    EXPECT_EQ(grid.text(1, 5) + grid.text(2, 5) + grid.text(3, 5), "大大大");
    EXPECT_EQ(grid.text(1, 24), "一 重 偏");
    EXPECT_EQ(grid.text(2, 24) + grid.text(3, 24), "偏大");
    EXPECT_EQ(grid.text(3, 0), "期号");
    EXPECT_EQ(grid.text(9, 6), "X");
    EXPECT_EQ(grid.text(9, 37), "V");
    EXPECT_EQ(grid.text(0, 5), "基 本 形 态 细 分 分 布");
    EXPECT_EQ(grid.text(8, 0), "预测行");
    // Statistics count every chart column; the average takes n + 1.
    EXPECT_EQ(grid.text(10, 7), "3");
    EXPECT_EQ(grid.text(12, 7), "2"); // (n + 1) / 3
    EXPECT_EQ(grid.text(12, 5), "5"); // 555 alone: (n + 1) / 1
    EXPECT_EQ(grid.text(12, 8), "0"); // never hit
    EXPECT_EQ(grid.text(11, 8), "4");
    EXPECT_EQ(grid.waitingCount(4, 5), 1);
    EXPECT_EQ(grid.waitingCount(6, 9), 2);

    // The prediction row writes the group's code letter, one per group.
    EXPECT_TRUE(grid.clickPrediction(6));
    EXPECT_EQ(grid.text(8, 6), "X");
    EXPECT_TRUE(grid.clickPrediction(7));
    EXPECT_EQ(grid.text(8, 6), "");
    EXPECT_EQ(grid.text(8, 7), "D");
    EXPECT_TRUE(grid.clickPrediction(30));
    EXPECT_EQ(grid.text(8, 30), "M");
    const auto lines = grid.connectingLines(7, 7);
    EXPECT_NE(std::find(lines.begin(), lines.end(), LinePair{7, 5, 8, 7}), lines.end());
}

TEST(SlantChart, DiagonalsAndTheirClasses) {
    // Kind 39: row r holds 百 of draw r, 十 of r − 1, 个 of r − 2, 四 of r − 3, 五 of r − 4.
    ChartGrid grid = *BuildChart(39, drawsOf({"00005", "00040", "00300", "02000", "10000", "11111"}));
    EXPECT_EQ(grid.rowCount(), 6 + 6);
    EXPECT_EQ(grid.columnCount(), 59);
    EXPECT_EQ(grid.text(2, 6), "0"); // the first row holds only its own 百
    EXPECT_EQ(grid.text(2, 7) + grid.text(2, 8) + grid.text(2, 9) + grid.text(2, 10), "");
    EXPECT_EQ(grid.text(2, 11), "一");
    EXPECT_EQ(grid.text(2, 42), "0L");
    const int row = 6; // draw 10000
    EXPECT_EQ(grid.text(row, 6) + grid.text(row, 7) + grid.text(row, 8) + grid.text(row, 9) +
                  grid.text(row, 10),
              "12345");
    EXPECT_EQ(grid.text(row, 11), "五");
    EXPECT_EQ(grid.text(row, 15), "五");
    EXPECT_EQ(grid.text(row, 12), "5L");
    EXPECT_EQ(grid.text(row, 20), "5L");
    EXPECT_EQ(grid.text(row, 13), "3");
    EXPECT_EQ(grid.text(row, 46), "3");
    EXPECT_EQ(grid.text(row, 14), "5");
    EXPECT_EQ(grid.text(row, 54), "5");
    EXPECT_EQ(grid.text(1, 20), "5L");
    EXPECT_EQ(grid.text(0, 6), "百斜线排列图");
    EXPECT_EQ(grid.text(8, 0), "下期预测------->");
    EXPECT_EQ(grid.waitingCount(3, 20), 2);
    EXPECT_EQ(grid.waitingCount(row, 20), -1);
    EXPECT_EQ(grid.ballImage(row, 20), "qin_5L.bmp");
    EXPECT_EQ(grid.ballImage(row, 46), "BlueD_3.bmp");
    EXPECT_EQ(grid.ballImage(row, 12), "");
    EXPECT_FALSE(grid.clickPrediction(20));
    EXPECT_EQ(grid.predictionHint(8, 49 + 3), " 3= " + grid.text(8, 52));
    EXPECT_EQ(grid.predictionHint(8, 12), "");
    EXPECT_EQ(grid.predictionHint(row, 20), "");

    // Each candidate falls into exactly one 字型 column; 单数个数 cells list the candidates by parity.
    std::string all;
    for (int c = 15; c <= 19; ++c)
        all += grid.text(8, c);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, "0123456789");
    std::string odd;
    for (int c = 43; c <= 48; ++c)
        odd += grid.text(8, c);
    EXPECT_EQ(odd.size(), 10u);
    // The rows after the prediction row hold the diagonal digits of the last draws.
    EXPECT_EQ(grid.rowRole(9), ChartRowRole::Diagonal);
    EXPECT_EQ(grid.text(11, 10), "1");
}

TEST(SlantChart, RepeatedDigitsChooseTheThreeAndTwoDigitColumns) {
    // 1,1,1,2,3: one digit repeated → 三字型T; 1,1,2,2,3: two → 三字2B.
    const ChartGrid t = *BuildChart(39, drawsOf({"00003", "00020", "00100", "01000", "10000"}));
    EXPECT_EQ(t.text(6, 11), "三");
    EXPECT_EQ(t.text(6, 32), "3L");
    const ChartGrid b = *BuildChart(39, drawsOf({"00003", "00020", "00200", "01000", "10000"}));
    EXPECT_EQ(b.text(6, 35), "3L");
    EXPECT_EQ(marksIn(b, 6, 32, 34), 0);
    // Kind 41 shifts 2, 1, 0, 1, 2 and adds one row after the prediction row.
    const ChartGrid units = *BuildChart(41, drawsOf({"12345", "67890"}));
    EXPECT_EQ(units.rowCount(), 2 + 4);
    EXPECT_EQ(units.text(2, 8), "3");
    EXPECT_EQ(units.text(3, 7) + units.text(3, 8) + units.text(3, 9), "284");
    EXPECT_EQ(units.text(0, 11), "个位斜线参数");
    // Lines stay among the draw rows.
    for (const auto& line : units.connectingLines())
        EXPECT_LE(line.lowerRow, 3);
}
