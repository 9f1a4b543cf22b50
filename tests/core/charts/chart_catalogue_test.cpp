// The main-grid charts: layout, marks, waiting counts, footer statistics, prediction row and lines.
#include <gtest/gtest.h>

#include "common/test_paths.h"
#include "core/charts/chart_catalogue.h"
#include "core/charts/chart_tree.h"
#include "core/history/draw_text_file.h"
#include "core/io/app_path.h"
#include "core/stats/omission_statistics.h"
#include "core/store/draw_database.h"

#include <tuple>

using namespace p3::core;

namespace {

DrawList drawsOf(std::initializer_list<const char*> numbers) {
    DrawList draws;
    int period = 2020001;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}

ChartGrid build(int kind, const DrawList& draws) {
    auto grid = BuildChart(kind, draws);
    EXPECT_TRUE(grid.has_value());
    return grid ? std::move(*grid) : ChartGrid{};
}

DrawList sample(const char* file, std::size_t count) {
    auto parsed = readDrawTextFile(std::string(P3_SAMPLES_DIR) + "/" + file, 0);
    EXPECT_TRUE(parsed.has_value());
    DrawList draws = parsed->draws;
    draws.erase(draws.begin(), draws.end() - static_cast<std::ptrdiff_t>(count));
    return draws;
}

} // namespace

TEST(ChartLayout, ColumnDefinitionsAndGridShape) {
    EXPECT_EQ(chartColumnDefinition(1),
              ",,,,,0,1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9,A,,B,,C,A,B,C,D,E");
    // Every catalogue column range of the line and choice groups matches the layout width.
    const std::vector<std::pair<int, int>> widths{{1, 45},  {2, 45},  {3, 32},  {6, 43},  {7, 36},  {9, 25},
                                                  {11, 39}, {12, 41}, {13, 45}, {16, 51}, {18, 54}, {21, 81},
                                                  {22, 32}, {26, 40}, {30, 71}, {31, 46}, {32, 62}, {34, 40}};
    const auto draws = drawsOf({"123", "456"});
    for (auto [kind, columns] : widths) {
        const ChartGrid grid = build(kind, draws);
        EXPECT_EQ(grid.columnCount(), columns) << kind;
        EXPECT_EQ(grid.rowCount(), 12) << kind;
        for (const auto& range : grid.lineGroups())
            EXPECT_LT(range.last, columns) << kind;
        for (const auto& range : grid.choiceGroups())
            EXPECT_LT(range.last, columns) << kind;
    }
    EXPECT_FALSE(BuildChart(29, draws).has_value());
    EXPECT_FALSE(BuildChart(37, draws).has_value());
    EXPECT_EQ(BuildChart(37, draws).error().message, "没有这个图表: 37");
    const ChartGrid kind1 = build(1, draws);
    EXPECT_EQ(kind1.rowTexts(1)[0], "期号");
    EXPECT_EQ(kind1.text(0, 0), "号码表");
    EXPECT_EQ(kind1.text(0, 5), "百位号分布图");
    EXPECT_EQ(kind1.text(11, 35), "类型(三)细分");
    EXPECT_EQ(kind1.text(4, 0), "预测行");
    EXPECT_EQ(kind1.text(6, 0), "出现总次数");
    EXPECT_EQ(kind1.text(3, 2), "1号");
}

TEST(ChartMarks, RegularAndGroupCharts) {
    const ChartGrid regular = build(1, drawsOf({"555", "556", "019"}));
    EXPECT_EQ(regular.text(2, 35), "A");
    EXPECT_EQ(regular.text(2, 40), "A");
    EXPECT_EQ(regular.text(3, 37), "B");
    EXPECT_EQ(regular.text(3, 41), "B");
    EXPECT_EQ(regular.text(4, 39), "C");
    EXPECT_EQ(regular.text(4, 42), "C"); // 0-1-9 wraps round: 顺子
    EXPECT_EQ(regular.ballImage(2, 10), "B_GreenD_5.bmp");
    EXPECT_EQ(regular.ballImage(2, 35), "LanSe_A.bmp");

    const ChartGrid group = build(2, drawsOf({"112"}));
    EXPECT_EQ(group.text(2, 6), "1");
    EXPECT_EQ(group.text(2, 7), "2");
    EXPECT_EQ(group.ballImage(2, 6), "Red_1.bmp"); // 1 occurs twice
    EXPECT_EQ(group.ballImage(2, 7), "BlueD_2.bmp");
    EXPECT_EQ(group.text(2, 16), "1");
    EXPECT_EQ(group.text(2, 26), "1");
    EXPECT_EQ(group.text(2, 37), "2");

    const ChartGrid size = build(3, drawsOf({"528"}));
    EXPECT_EQ(size.text(2, 6), "大");
    EXPECT_EQ(size.ballImage(2, 6), "qin_d.bmp");
    EXPECT_EQ(size.text(2, 13), "小");
    EXPECT_EQ(size.ballImage(2, 13), "qin_x.bmp");
    EXPECT_EQ(size.text(2, 22), "c"); // 2大1小
    EXPECT_EQ(size.text(2, 29), "6"); // 大小大 is the sixth pattern
    const ChartGrid parity = build(4, drawsOf({"124"}));
    EXPECT_EQ(parity.text(2, 27), "4"); // 124 is 奇偶偶, the fourth direct pattern
    EXPECT_EQ(parity.text(2, 25), "");
}

TEST(ChartMarks, ClassificationCharts) {
    const ChartGrid route = build(11, drawsOf({"036", "147"}));
    EXPECT_EQ(route.text(2, 17), "3"); // three digits in route 0
    EXPECT_EQ(route.text(2, 26), "a");
    EXPECT_EQ(route.text(2, 29), "A");
    EXPECT_EQ(route.text(3, 35), "G");
    const ChartGrid sizes = build(12, drawsOf({"012", "789", "357"}));
    EXPECT_EQ(sizes.text(2, 31), "A"); // 003 → A
    EXPECT_EQ(sizes.text(3, 40), "J"); // 300 → J
    EXPECT_EQ(sizes.text(4, 37), "G"); // 357: one 大, two 中: "120" → G
    const ChartGrid direct = build(16, drawsOf({"222", "000"}));
    EXPECT_EQ(direct.text(2, 50), "#");
    EXPECT_EQ(direct.text(3, 24), "A");
    const ChartGrid diffs = build(32, drawsOf({"090"}));
    EXPECT_EQ(diffs.text(2, 5), "-9");
    EXPECT_EQ(diffs.text(2, 24 + 9), "0");
    EXPECT_EQ(diffs.text(2, 43 + 18), "9");
    const ChartGrid pairs = build(30, drawsOf({"235"}));
    EXPECT_EQ(pairs.text(2, 5), "578");
    int pairMarks = 0;
    for (int c = 26; c <= 70; ++c)
        pairMarks += !pairs.text(2, c).empty();
    EXPECT_EQ(pairMarks, 3);
    EXPECT_EQ(pairs.text(2, 26 + 10 + 23), "87"); // the column headed 87 holds the pair 7, 8
}

TEST(ChartMarks, HistoryChartsAgainstTheDrawsBefore) {
    const ChartGrid rgm = build(13, drawsOf({"125", "378", "112", "390"}));
    EXPECT_EQ(rgm.text(2, 44), "J"); // the first draw counts as 3中
    EXPECT_EQ(rgm.text(2, 29), "0123456789");
    EXPECT_EQ(rgm.text(3, 27), "125"); // 复码: the digits of the draw before
    EXPECT_EQ(rgm.text(3, 28), "");
    EXPECT_EQ(rgm.text(4, 27), "378");
    EXPECT_EQ(rgm.text(4, 28), "125");
    EXPECT_EQ(rgm.text(4, 29), "0469");
    EXPECT_EQ(rgm.text(4, 15 + 0), "0"); // 112 against 378 and 125: no 复
    EXPECT_EQ(rgm.text(4, 19 + 3), "3"); // three 隔
    EXPECT_EQ(rgm.text(4, 35 + 6), "G"); // 3隔
    EXPECT_EQ(rgm.text(5, 35 + 8), "I"); // 390 against 112, 378: 1隔2中

    // Kind 31 compares the sum tails with the tails of the draws before: 345, 789, then 123.
    const ChartGrid tails = build(31, drawsOf({"123", "345", "012"}));
    EXPECT_EQ(tails.text(4, 5), "123");
    EXPECT_EQ(tails.text(4, 28), "789");   // 复码: the tails of the draw before
    EXPECT_EQ(tails.text(4, 29), "345");   // 隔码
    EXPECT_EQ(tails.text(4, 36 + 8), "I"); // 1隔2中
    EXPECT_EQ(tails.text(4, 33), "b");
    EXPECT_EQ(tails.text(3, 36 + 9), "J");

    const ChartGrid ait = build(19, drawsOf({"457", "456"}));
    EXPECT_EQ(ait.text(2, 15 + 1), "孤");
    EXPECT_EQ(ait.text(3, 15 + 2), "传");
    EXPECT_EQ(ait.text(3, 21 + 0), "邻"); // 6 neighbours 5 and 7
    EXPECT_EQ(ait.text(3, 24), "368");    // 邻码
    EXPECT_EQ(ait.text(3, 26), "457");    // 传码

    DrawList nine = drawsOf({"111", "222", "345", "678", "900", "456", "789", "123", "000"});
    const ChartGrid hwc = build(15, nine);
    for (int row = 2; row <= 8; ++row)
        for (int c = 15; c < hwc.columnCount(); ++c)
            EXPECT_EQ(hwc.text(row, c), "") << row << " " << c;
    EXPECT_EQ(hwc.text(9, 35 + 2), "C"); // 123 after the seven draws: 热热冷 → 2热1冷
    EXPECT_EQ(hwc.text(9, 6), "1");      // the distribution is marked from the first draw on
    EXPECT_EQ(hwc.text(2, 6), "1");
}

TEST(ChartMarks, DrawsWithoutDigitsCountAsNoDigits) {
    // A track source has no value in its first periods: such a row gives no digit to the rows after it.
    const DrawList draws = drawsOf({"", "", "", "111", "222", "333", "444", "105"});
    const ChartGrid hwc = build(15, draws);
    EXPECT_EQ(hwc.text(9, 27), "1234");   // 热码
    EXPECT_EQ(hwc.text(9, 29), "056789"); // 冷码: 0 came in no draw
    EXPECT_EQ(hwc.text(9, 35 + 5), "F");  // 105: 1热2冷
    const ChartGrid direct = build(20, draws);
    EXPECT_EQ(direct.text(9, 27 + 8), "I"); // 热冷冷
    const ChartGrid rgm = build(13, drawsOf({"123", "", "456"}));
    EXPECT_EQ(rgm.text(4, 27), ""); // nothing came in the empty row before
    EXPECT_EQ(rgm.text(4, 28), "123");
    EXPECT_EQ(rgm.text(3, 6), ""); // the empty row itself holds no mark
}

TEST(ChartGrid, WaitingCountsAndFooterStatistics) {
    const ChartGrid grid = build(1, drawsOf({"123", "456", "789", "103"}));
    EXPECT_EQ(grid.waitingCount(2, 5), 1); // first row, nothing above
    EXPECT_EQ(grid.waitingCount(4, 5), 3);
    EXPECT_EQ(grid.waitingCount(5, 9), 2);   // the last 4 two rows up
    EXPECT_EQ(grid.waitingCount(4, 6), 2);   // 1 in rows 2 and 5
    EXPECT_EQ(grid.waitingCount(2, 6), -1);  // a mark shows no count
    EXPECT_EQ(grid.waitingCount(2, 36), -1); // a spacer never does
    EXPECT_EQ(grid.text(8, 36), "");         // nor statistics
    // Column 6 (百 1): hits in rows 2 and 5, n = 4.
    EXPECT_EQ(grid.text(8, 6), "2");
    EXPECT_EQ(grid.text(9, 6), "0");
    EXPECT_EQ(grid.text(10, 6), "2"); // (n − 1) / 2 = 1.5 → 2
    EXPECT_EQ(grid.text(11, 6), "2");
    EXPECT_EQ(grid.text(12, 6), "1");
    // A column that never hits: 0, n, 0, 0, 1.
    EXPECT_EQ(grid.text(8, 5), "0");
    EXPECT_EQ(grid.text(9, 5), "4");
    EXPECT_EQ(grid.text(10, 5), "0");
    EXPECT_EQ(grid.text(12, 5), "1");

    // An empty cell of a 号码 text column waits like any other chart column, and counts in the footer.
    const ChartGrid rgm = build(13, drawsOf({"123", "321", "456"}));
    EXPECT_EQ(rgm.waitingCount(2, 27), 1); // no 复码 before the second draw
    EXPECT_EQ(rgm.waitingCount(3, 28), 2); // no 隔码 before the third draw
    EXPECT_EQ(rgm.waitingCount(4, 28), 3); // 隔码 of 456: 321 holds every digit of 123
    EXPECT_EQ(rgm.waitingCount(3, 27), -1);
    EXPECT_EQ(rgm.waitingCount(2, 30), -1); // spacer
    EXPECT_EQ(rgm.text(7, 28), "0");        // 隔码 never held a digit
    EXPECT_EQ(rgm.text(8, 28), "3");
}

TEST(ChartLayout, ColourBandsTakeTheFourColoursInOrder) {
    // A group starts a new band with the next colour, or stays in the band of the group before it.
    const auto draws = drawsOf({"123"});
    for (int kind = 1; kind <= 36; ++kind) {
        if (!isChartKind(kind)) continue;
        const ChartGrid grid = build(kind, draws);
        int band = -1;
        for (const auto& group : grid.groups()) {
            if (group.first < 5) continue;
            const int next = grid.column(group.first).band;
            if (band < 0)
                EXPECT_EQ(next, 0) << kind;
            else
                EXPECT_TRUE(next == band || next == (band + 1) % 4) << kind << " " << group.title;
            for (int c = group.first; c <= group.last; ++c)
                EXPECT_EQ(grid.column(c).band, next) << kind << " " << c;
            band = next;
        }
    }
    EXPECT_EQ(build(7, draws).column(30).band, 0); // 合值 大中小: the fifth band
    EXPECT_EQ(build(7, draws).column(33).band, 1);
}

TEST(ChartGrid, PredictionRowChoices) {
    ChartGrid grid = build(1, drawsOf({"123", "456"}));
    const int p = grid.predictionRow();
    EXPECT_EQ(p, 4);
    EXPECT_TRUE(grid.clickPrediction(7));
    EXPECT_EQ(grid.text(p, 7), "2");
    EXPECT_TRUE(grid.clickPrediction(9)); // same group: the prediction moves
    EXPECT_EQ(grid.text(p, 7), "");
    EXPECT_EQ(grid.text(p, 9), "4");
    EXPECT_TRUE(grid.clickPrediction(20));
    EXPECT_EQ(grid.text(p, 9), "4");        // another group keeps its own
    EXPECT_FALSE(grid.clickPrediction(36)); // a spacer
    EXPECT_FALSE(grid.clickPrediction(2));
    EXPECT_EQ(grid.text(6, 9), "1"); // the prediction is not counted, only the draw 456
    EXPECT_EQ(grid.ballImage(p, 9), "B_GreenD_4.bmp");

    ChartGrid group = build(2, drawsOf({"123"}));
    EXPECT_TRUE(group.clickPrediction(5));
    EXPECT_TRUE(group.clickPrediction(6));
    EXPECT_EQ(group.text(3, 5), "0");
    EXPECT_EQ(group.text(3, 6), "1"); // multi-choice: both stay
    EXPECT_TRUE(group.clickPrediction(5));
    EXPECT_EQ(group.text(3, 5), ""); // a second click clears

    // Kind 11 chooses one of 形态 a..c and the 组选 letters A..G together (columns 26..35); its letters
    // H..J lie in no choice group and ignore a click.
    ChartGrid route = build(11, drawsOf({"123"}));
    EXPECT_TRUE(route.clickPrediction(27));
    EXPECT_TRUE(route.clickPrediction(30));
    EXPECT_EQ(route.text(3, 27), "");
    EXPECT_EQ(route.text(3, 30), "B");
    EXPECT_FALSE(route.clickPrediction(36));
    EXPECT_EQ(route.text(3, 36), "");
    EXPECT_EQ(route.lineGroups().back(), (ColumnRange{29, 38}));

    ChartGrid pairs = build(30, drawsOf({"123"}));
    EXPECT_FALSE(pairs.clickPrediction(5)); // the tails text column
    EXPECT_TRUE(pairs.clickPrediction(40));
    EXPECT_TRUE(pairs.clickPrediction(41));
    EXPECT_EQ(pairs.text(3, 40), "O9");
}

TEST(ChartGrid, ConnectingLines) {
    ChartGrid grid = build(1, drawsOf({"123", "456", "456"}));
    const auto lines = grid.connectingLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), LinePair{2, 6, 3, 9}), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), LinePair{2, 17, 3, 20}), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), LinePair{2, 28, 3, 31}), lines.end());
    for (const auto& line : lines)
        EXPECT_EQ(line.upperRow, 2); // 456 twice: no line between equal marks
    ASSERT_TRUE(grid.clickPrediction(5));
    const auto withPrediction = grid.connectingLines(4, 4);
    ASSERT_EQ(withPrediction.size(), 1u);
    EXPECT_EQ(withPrediction.front(), (LinePair{4, 9, 5, 5}));
    // Kind 30 has no line groups.
    EXPECT_TRUE(build(30, drawsOf({"123", "456"})).connectingLines().empty());
}

TEST(ChartCatalogue, EveryKindOverTheSampleHistoryMarksOnlyInsideItsGroups) {
    const DrawList three = sample("fc3d.txt", 300);
    const DrawList five = sample("pl5.txt", 120);
    for (int kind = 1; kind <= 41; ++kind) {
        if (!isChartKind(kind)) continue;
        const ChartGrid grid = build(kind, kind >= 39 ? five : three);
        const int n = kind >= 39 ? 120 : 300;
        ASSERT_EQ(grid.drawCount(), n) << kind;
        for (int r = grid.firstDrawRow(); r < grid.firstDrawRow() + n; ++r) {
            for (int c = 5; c < grid.columnCount(); ++c) {
                const auto& column = grid.column(c);
                if (column.spacer) {
                    EXPECT_EQ(grid.text(r, c), "") << kind << " " << c;
                }
                if (kind < 38 && grid.isMark(r, c)) {
                    EXPECT_EQ(grid.text(r, c), column.header) << kind;
                }
            }
            // A line group holds at most one mark of a draw (kind 11's choice groups join 形态 and 组选).
            for (const auto& range : grid.lineGroups()) {
                int marks = 0;
                for (int c = range.first; c <= range.last; ++c)
                    marks += grid.isMark(r, c);
                EXPECT_LE(marks, 1) << kind << " row " << r << " group " << range.first;
            }
        }
        // Footer statistics equal a count made here; q = n − 1 (main) or n + 1 (bias).
        const int q = kind == 38 ? n + 1 : n - 1;
        int footer = 0;
        while (footer < grid.rowCount() && grid.rowRole(footer) != ChartRowRole::Statistics)
            ++footer;
        for (int c = 5; c < grid.columnCount() && kind < 39; ++c) {
            if (!grid.column(c).hasStatistics) continue;
            int hits = 0, lastHit = -1, maxGap = 0, run = 0, maxRun = 1;
            for (int i = 0; i < n; ++i) {
                if (grid.text(grid.firstDrawRow() + i, c).empty()) {
                    run = 0;
                    continue;
                }
                ++hits;
                maxGap = std::max(maxGap, i - lastHit - 1);
                lastHit = i;
                maxRun = std::max(maxRun, ++run);
            }
            EXPECT_EQ(grid.text(footer, c), std::to_string(hits)) << kind << " " << c;
            EXPECT_EQ(grid.text(footer + 1, c), std::to_string(n - 1 - lastHit)) << kind << " " << c;
            EXPECT_EQ(grid.text(footer + 2, c), hits ? std::to_string(roundHalfEven(q, hits)) : "0");
            EXPECT_EQ(grid.text(footer + 3, c), std::to_string(maxGap)) << kind << " " << c;
            EXPECT_EQ(grid.text(footer + 4, c), std::to_string(maxRun)) << kind << " " << c;
        }
        if (kind < 38) {
            // Each line group is used somewhere over 300 draws.
            for (const auto& range : grid.lineGroups()) {
                bool used = false;
                for (int r = 2; r < 2 + n && !used; ++r)
                    for (int c = range.first; c <= range.last; ++c)
                        used = used || grid.isMark(r, c);
                EXPECT_TRUE(used) << kind << " " << range.first;
            }
        }
    }
}

TEST(ChartTree, GroupsLeavesAndPictures) {
    const auto three = chartTree(3);
    ASSERT_EQ(three.size(), 5u);
    EXPECT_EQ(three[0].name, "常用参数分析");
    ASSERT_EQ(three[3].leaves.size(), 1u);
    EXPECT_EQ(three[3].leaves[0].name, "偏态细分");
    EXPECT_EQ(chartTree(5)[3].leaves.size(), 4u);
    EXPECT_EQ(three[2].leaves.size(), 15u);
    EXPECT_EQ(three[4].leaves.size(), 15u);
    EXPECT_EQ(chartKindOf("任意位合（二码组合）参数"), 30);
    EXPECT_EQ(chartKindOf("和值-对照表"), 0);
    EXPECT_EQ(chartName(38), "偏态细分");
    EXPECT_EQ(fixedChartPicture("和值-对照表"), "Image/和值-对照表.jpg");
    for (int kind = 1; kind <= 41; ++kind)
        EXPECT_EQ(chartKindOf(chartName(kind)), isChartKind(kind) ? kind : 0);
}

TEST(ChartTree, EveryLeafHasAHelpTextInTheHomeTemplate) {
    p3::test::ScratchDir dir("chart-help");
    std::filesystem::copy_file(findTemplateDir() / "Data" / "MDB.sqlite", dir / "MDB.sqlite");
    auto db = DrawDatabase::open(dir / "MDB.sqlite");
    ASSERT_TRUE(db.has_value());
    auto help = db->chartHelp();
    ASSERT_TRUE(help.has_value());
    for (const auto& group : chartTree(5))
        for (const auto& leaf : group.leaves) {
            auto it = std::find_if(help->begin(), help->end(),
                                   [&](const ChartHelp& h) { return h.name == leaf.name; });
            ASSERT_NE(it, help->end()) << leaf.name;
            EXPECT_FALSE(it->help.empty()) << leaf.name;
        }
    auto slant = std::find_if(help->begin(), help->end(),
                              [](const ChartHelp& h) { return h.name == "百位斜线参数分析"; });
    EXPECT_NE(slant->help.find('\n'), std::string::npos); // "\n" in the source is a line break of the help
}

TEST(ChartLayout, LineAndChoiceGroupsOfEveryKindAsTheCatalogueListsThem) {
    // The catalogue's table of line and choice groups, typed here from it. A choice group may begin or end
    // with a spacer, which takes no mark and no click: compared over its value columns.
    const std::vector<std::tuple<std::vector<int>, std::string, std::string>> table{
        {{1}, "5 14,15 24,25 34,35 39,40 44", ""},
        {{2, 25, 33}, "15 24,25 34,35 44", ""},
        {{3, 4, 5}, "6 8,11 13,16 18,20 23,24 31", "5 9,10 14,15 19,20 23,24 31"},
        {{6}, "5 32,34 36,39 41", "5 32,33 37,39 41"},
        {{7, 8}, "5 14,16 18,21 23,26 28,30 32,33 35", ""},
        {{9, 10}, "15 24", ""},
        {{11}, "5 7,8 10,11 13,14 17,18 21,22 25,26 28,29 38", "5 7,8 10,11 13,14 17,18 21,22 25,26 35"},
        {{12}, "5 7,8 10,11 13,14 17,18 21,22 25,27 29,31 40", ""},
        {{13, 14, 15}, "15 18,19 22,23 26,31 33,35 44", ""},
        {{16, 17}, "15 17,18 20,21 23,24 50", ""},
        {{18, 19, 20}, "15 17,18 20,21 23,27 53", ""},
        {{21}, "24 42,43 61,62 80", ""},
        {{22, 23, 24}, "5 23,25 27,29 31", ""},
        {{26, 27, 28, 34, 35, 36}, "5 14,16 18,21 23,26 28,31 33,36 38", ""},
        {{30}, "", ""},
        {{31}, "16 19,20 23,24 27,32 34,36 45", ""},
        {{32}, "5 23,24 42,43 61", ""},
    };
    const auto draws = drawsOf({"123"});
    for (const auto& [kinds, lines, choices] : table) {
        for (int kind : kinds) {
            const ChartGrid grid = build(kind, draws);
            EXPECT_EQ(grid.lineGroups(), parseColumnRanges(lines)) << kind;
            std::vector<ColumnRange> wanted;
            for (ColumnRange range : parseColumnRanges(choices.empty() ? lines : choices)) {
                while (grid.column(range.first).spacer)
                    ++range.first;
                while (grid.column(range.last).spacer)
                    --range.last;
                wanted.push_back(range);
            }
            EXPECT_EQ(grid.choiceGroups(), wanted) << kind;
        }
    }
}
