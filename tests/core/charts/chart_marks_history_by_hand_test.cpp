// The marks of the history charts (复隔中, 邻孤传, 热温冷 and their direct forms), the two tail charts and
// the slant-line charts for a few draws, each worked by hand from the column definitions and the class rules:
// column (its header) → the text the draw writes there.
#include "core/charts/chart_marks_by_hand.h"

#include <array>

using namespace p3::core;
using p3::test::drawsOf;
using p3::test::expectMarks;
using p3::test::expectRowMarks;
using p3::test::Mark;

// 复隔中 draws: 527 (no draw before: 中中中), 113 (527 before), 572 (113, 527 before: 隔隔隔),
// 153 (572, 113 before: 隔复隔), 957 (153, 572 before: 中复隔).

TEST(ChartMarksByHand, RepeatGapMiddleGroup) {
    // Digits at 5 + d; counts of 复, 隔, 中 digits at 15, 19, 23 + count; the class digit sets as text at
    // 27..29; 形态 a/b/c at 31..33; the count pattern A..J at 35..44.
    expectMarks(13, {"527", "113", "572", "153", "957"},
                {{{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {15, "0"},
                  {19, "0"},
                  {26, "3"},
                  {29, "中码", "0123456789"},
                  {31, "a"},
                  {44, "J"}},
                 {{6, "1"},
                  {8, "3"},
                  {15, "0"},
                  {19, "0"},
                  {26, "3"},
                  {27, "复码", "257"},
                  {29, "中码", "0134689"},
                  {31, "a"},
                  {44, "J"}},
                 {{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {15, "0"},
                  {22, "3"},
                  {23, "0"},
                  {27, "复码", "13"},
                  {28, "隔码", "257"},
                  {29, "中码", "04689"},
                  {31, "a"},
                  {41, "G"}},
                 {{6, "1"},
                  {8, "3"},
                  {10, "5"},
                  {16, "1"},
                  {21, "2"},
                  {23, "0"},
                  {27, "复码", "257"},
                  {28, "隔码", "13"},
                  {29, "中码", "04689"},
                  {32, "b"},
                  {38, "D"}},
                 {{10, "5"},
                  {12, "7"},
                  {14, "9"},
                  {16, "1"},
                  {20, "1"},
                  {24, "1"},
                  {27, "复码", "135"},
                  {28, "隔码", "27"},
                  {29, "中码", "04689"},
                  {33, "c"},
                  {39, "E"}}});
}

TEST(ChartMarksByHand, AdjacentIsolatedTransmittedGroup) {
    // 传 a digit of the draw before, 邻 a neighbour of one (0 and 9 neighbour), else 孤; the first draw is
    // 孤孤孤. 456 after 527: 邻传邻; 113 after 456: 孤孤邻; 900 after 113: 孤邻邻; 012 after 900: 传邻孤.
    expectMarks(14, {"527", "456", "113", "900", "012"},
                {{{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {15, "0"},
                  {22, "3"},
                  {23, "0"},
                  {28, "孤码", "0123456789"},
                  {31, "a"},
                  {41, "G"}},
                 {{9, "4"},
                  {10, "5"},
                  {11, "6"},
                  {17, "2"},
                  {19, "0"},
                  {24, "1"},
                  {27, "邻码", "13468"},
                  {28, "孤码", "09"},
                  {29, "传码", "257"},
                  {32, "b"},
                  {37, "C"}},
                 {{6, "1"},
                  {8, "3"},
                  {16, "1"},
                  {21, "2"},
                  {23, "0"},
                  {27, "邻码", "37"},
                  {28, "孤码", "01289"},
                  {29, "传码", "456"},
                  {32, "b"},
                  {38, "D"}},
                 {{5, "0"},
                  {14, "9"},
                  {17, "2"},
                  {20, "1"},
                  {23, "0"},
                  {27, "邻码", "024"},
                  {28, "孤码", "56789"},
                  {29, "传码", "13"},
                  {32, "b"},
                  {36, "B"}},
                 {{5, "0"},
                  {6, "1"},
                  {7, "2"},
                  {16, "1"},
                  {20, "1"},
                  {24, "1"},
                  {27, "邻码", "18"},
                  {28, "孤码", "234567"},
                  {29, "传码", "09"},
                  {33, "c"},
                  {39, "E"}}});
}

namespace {

// 热温冷 draws: seven draws, then 138 (1 came five times, 2 three times: 热; 3..7 twice: 温; 0, 8, 9 once:
// 冷) and 222 (against 134 156 278 290 345 167 138: 热 13, 温 245678, 冷 09).
constexpr std::initializer_list<const char*> kHotWarmColdDraws{"112", "134", "156", "278", "290",
                                                               "345", "167", "138", "222"};

} // namespace

TEST(ChartMarksByHand, HotWarmColdGroupStartsWithTheEighthDraw) {
    expectMarks(15, kHotWarmColdDraws,
                {{{6, "1"}, {7, "2"}},
                 {{6, "1"}, {8, "3"}, {9, "4"}},
                 {{6, "1"}, {10, "5"}, {11, "6"}},
                 {{7, "2"}, {12, "7"}, {13, "8"}},
                 {{5, "0"}, {7, "2"}, {14, "9"}},
                 {{8, "3"}, {9, "4"}, {10, "5"}},
                 {{6, "1"}, {11, "6"}, {12, "7"}},
                 {{6, "1"},
                  {8, "3"},
                  {13, "8"},
                  {16, "1"},
                  {20, "1"},
                  {24, "1"},
                  {27, "热码", "12"},
                  {28, "温码", "34567"},
                  {29, "冷码", "089"},
                  {33, "c"},
                  {39, "E"}},
                 {{7, "2"},
                  {15, "0"},
                  {22, "3"},
                  {23, "0"},
                  {27, "热码", "13"},
                  {28, "温码", "245678"},
                  {29, "冷码", "09"},
                  {31, "a"},
                  {41, "G"}}});
}

TEST(ChartMarksByHand, HistoryDirectCharts) {
    // Per position the class column 复/隔/中 at 15.., 18.., 21..; the digit sets at 24..26; the direct
    // pattern (base 3 over the positions, 复 0 隔 1 中 2) at 27 + index, letters A..Z then #.
    expectMarks(18, {"527", "113", "572", "153", "957"},
                {{{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {17, "中"},
                  {20, "中"},
                  {23, "中"},
                  {26, "中码", "0123456789"},
                  {53, "#"}},
                 {{6, "1"},
                  {8, "3"},
                  {17, "中"},
                  {20, "中"},
                  {23, "中"},
                  {24, "复码", "257"},
                  {26, "中码", "0134689"},
                  {53, "#"}},
                 {{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {16, "隔"},
                  {19, "隔"},
                  {22, "隔"},
                  {24, "复码", "13"},
                  {25, "隔码", "257"},
                  {26, "中码", "04689"},
                  {40, "N"}},
                 {{6, "1"},
                  {8, "3"},
                  {10, "5"},
                  {16, "隔"},
                  {18, "复"},
                  {22, "隔"},
                  {24, "复码", "257"},
                  {25, "隔码", "13"},
                  {26, "中码", "04689"},
                  {37, "K"}},
                 {{10, "5"},
                  {12, "7"},
                  {14, "9"},
                  {17, "中"},
                  {18, "复"},
                  {22, "隔"},
                  {24, "复码", "135"},
                  {25, "隔码", "27"},
                  {26, "中码", "04689"},
                  {46, "T"}}});
    // 邻 0, 孤 1, 传 2: 孤孤孤 N, 邻传邻 G, 孤孤邻 M, 孤邻邻 J, 传邻孤 T.
    expectMarks(19, {"527", "456", "113", "900", "012"},
                {{{7, "2"},
                  {10, "5"},
                  {12, "7"},
                  {16, "孤"},
                  {19, "孤"},
                  {22, "孤"},
                  {25, "孤码", "0123456789"},
                  {40, "N"}},
                 {{9, "4"},
                  {10, "5"},
                  {11, "6"},
                  {15, "邻"},
                  {20, "传"},
                  {21, "邻"},
                  {24, "邻码", "13468"},
                  {25, "孤码", "09"},
                  {26, "传码", "257"},
                  {33, "G"}},
                 {{6, "1"},
                  {8, "3"},
                  {16, "孤"},
                  {19, "孤"},
                  {21, "邻"},
                  {24, "邻码", "37"},
                  {25, "孤码", "01289"},
                  {26, "传码", "456"},
                  {39, "M"}},
                 {{5, "0"},
                  {14, "9"},
                  {16, "孤"},
                  {18, "邻"},
                  {21, "邻"},
                  {24, "邻码", "024"},
                  {25, "孤码", "56789"},
                  {26, "传码", "13"},
                  {36, "J"}},
                 {{5, "0"},
                  {6, "1"},
                  {7, "2"},
                  {17, "传"},
                  {18, "邻"},
                  {22, "孤"},
                  {24, "邻码", "18"},
                  {25, "孤码", "234567"},
                  {26, "传码", "09"},
                  {46, "T"}}});
    // 热 0, 温 1, 冷 2: 138 is 热温冷 (F), 222 温温温 (N); nothing but the digits before the eighth draw.
    auto built = BuildChart(20, drawsOf(kHotWarmColdDraws));
    ASSERT_TRUE(built.has_value());
    const int first = built->firstDrawRow();
    expectRowMarks(*built, first + 6, {{6, "1"}, {11, "6"}, {12, "7"}});
    expectRowMarks(*built, first + 7,
                   {{6, "1"},
                    {8, "3"},
                    {13, "8"},
                    {15, "热"},
                    {19, "温"},
                    {23, "冷"},
                    {24, "热码", "12"},
                    {25, "温码", "34567"},
                    {26, "冷码", "089"},
                    {32, "F"}});
    expectRowMarks(*built, first + 8,
                   {{7, "2"},
                    {16, "温"},
                    {19, "温"},
                    {22, "温"},
                    {24, "热码", "13"},
                    {25, "温码", "245678"},
                    {26, "冷码", "09"},
                    {40, "N"}});
}

TEST(ChartMarksByHand, AnyPairTails) {
    // Tails 729, 244, 138, 505: the text at 5; each tail at 6 + v and in the column headed v of 16..25
    // (headers 0 2 4 6 8 1 3 5 7 9); each pair of different sorted tails in the column headed by the pair, 0
    // written O.
    expectMarks(30, {"527", "113", "380", "505"},
                {{{5, "任意位合", "729"},
                  {8, "2"},
                  {13, "7"},
                  {15, "9"},
                  {17, "2"},
                  {24, "7"},
                  {25, "9"},
                  {44, "27"},
                  {45, "29"},
                  {70, "79"}},
                 {{5, "任意位合", "244"}, {8, "2"}, {10, "4"}, {17, "2"}, {18, "4"}, {30, "24"}},
                 {{5, "任意位合", "138"},
                  {7, "1"},
                  {9, "3"},
                  {14, "8"},
                  {20, "8"},
                  {21, "1"},
                  {22, "3"},
                  {56, "81"},
                  {57, "83"},
                  {61, "13"}},
                 {{5, "任意位合", "505"}, {6, "0"}, {11, "5"}, {16, "0"}, {23, "5"}, {38, "O5"}}});
    const ChartGrid grid = *BuildChart(30, drawsOf({"113"}));
    EXPECT_EQ(grid.ballImage(2, 10), "Red_4.bmp"); // the tail 4 twice
    EXPECT_EQ(grid.ballImage(2, 8), "BlueD_2.bmp");
}

TEST(ChartMarksByHand, AnyPairTailsRepeatGapMiddle) {
    // The tails against the tails of the two draws before: 729 (none before: 3中), 244 (复 279: 1复2中, F),
    // 138 (复 24, 隔 79: 3中), 268 (复 138, 隔 24: 1复1隔1中, E). Counts at 16, 20, 24 + count; the sets at
    // 28..30; 形态 a/b/c at 32..34; the pattern A..J at 36..45.
    expectMarks(31, {"527", "113", "380", "026"},
                {{{5, "任意位合", "729"},
                  {8, "2"},
                  {13, "7"},
                  {15, "9"},
                  {16, "0"},
                  {20, "0"},
                  {27, "3"},
                  {30, "中码", "0123456789"},
                  {32, "a"},
                  {45, "J"}},
                 {{5, "任意位合", "244"},
                  {8, "2"},
                  {10, "4"},
                  {17, "1"},
                  {20, "0"},
                  {26, "2"},
                  {28, "复码", "279"},
                  {30, "中码", "0134568"},
                  {33, "b"},
                  {41, "F"}},
                 {{5, "任意位合", "138"},
                  {7, "1"},
                  {9, "3"},
                  {14, "8"},
                  {16, "0"},
                  {20, "0"},
                  {27, "3"},
                  {28, "复码", "24"},
                  {29, "隔码", "79"},
                  {30, "中码", "013568"},
                  {32, "a"},
                  {45, "J"}},
                 {{5, "任意位合", "268"},
                  {8, "2"},
                  {12, "6"},
                  {14, "8"},
                  {17, "1"},
                  {21, "1"},
                  {25, "1"},
                  {28, "复码", "138"},
                  {29, "隔码", "24"},
                  {30, "中码", "05679"},
                  {34, "c"},
                  {40, "E"}}});
}

namespace {

/// A slant row: the texts of columns 5..14 (the draw's 五 digit, the diagonal 百..五 with "" for a missing
/// digit, then 字, 连, 单, 合值), followed by the marks of the columns from 15 on.
std::vector<Mark> slantRow(std::array<const char*, 10> texts, std::vector<Mark> marks) {
    std::vector<Mark> row;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (*texts[i]) row.push_back({5 + static_cast<int>(i), nullptr, texts[i]});
    row.insert(row.end(), marks.begin(), marks.end());
    return row;
}

} // namespace

TEST(ChartMarksByHand, HundredsSlantLine) {
    // Row r's diagonal: 百 of draw r, 十 of r − 1, 个 of r − 2, 四 of r − 3, 五 of r − 4 (columns 6..10).
    // Then 字 (different digits) at 11 and in 五..一 (15..19); the run key at 12 and in the run columns of k;
    // odd digits at 13 and 43 + o; the digit sum's tail at 14 and 49 + s. Column 5 is the draw's own 五
    // digit.
    const auto built =
        BuildChart(39, drawsOf({"12345", "67890", "11223", "45678", "13579", "71234", "10000"}));
    ASSERT_TRUE(built.has_value());
    const ChartGrid& grid = *built;
    EXPECT_EQ(grid.text(1, 11), "字");
    EXPECT_EQ(grid.text(1, 14), "合值");
    const int r = grid.firstDrawRow();
    // 1: one digit
    expectRowMarks(grid, r,
                   slantRow({"5", "1", "", "", "", "", "一", "0L", "1", "1"},
                            {{19, "一"}, {42, "0L"}, {44, "1"}, {50, "1"}}));
    // 6 2: two digits, none repeated → 二TB
    expectRowMarks(grid, r + 1,
                   slantRow({"0", "6", "2", "", "", "", "二", "0L", "0", "8"},
                            {{18, "二"}, {41, "0L"}, {43, "0"}, {57, "8"}}));
    // 1 7 3: three digits, none repeated → 三字2B
    expectRowMarks(grid, r + 2,
                   slantRow({"3", "1", "7", "3", "", "", "三", "0L", "3", "1"},
                            {{17, "三"}, {37, "0L"}, {46, "3"}, {50, "1"}}));
    // 4 1 8 4: three digits, 4 repeated → 三字型T
    expectRowMarks(grid, r + 3,
                   slantRow({"8", "4", "1", "8", "4", "", "三", "0L", "1", "7"},
                            {{17, "三"}, {34, "0L"}, {44, "1"}, {56, "7"}}));
    // 1 5 2 9 5: four digits, the run 1-2
    expectRowMarks(grid, r + 4,
                   slantRow({"9", "1", "5", "2", "9", "5", "四", "2L", "4", "2"},
                            {{16, "四"}, {30, "2L"}, {47, "4"}, {51, "2"}}));
    // 7 3 6 2 0: five digits, the runs 2-3 and 6-7
    expectRowMarks(grid, r + 5,
                   slantRow({"4", "7", "3", "6", "2", "0", "五", "22L", "2", "8"},
                            {{15, "五"}, {24, "22L"}, {45, "2"}, {57, "8"}}));
    // 1 1 5 7 3: four digits, all odd
    expectRowMarks(grid, r + 6,
                   slantRow({"0", "1", "1", "5", "7", "3", "四", "0L", "5", "7"},
                            {{16, "四"}, {31, "0L"}, {48, "5"}, {56, "7"}}));
}

TEST(ChartMarksByHand, SlantPredictionRowListsTheCandidates) {
    // After the seven draws above the next diagonal holds 十 0 (of 10000), 个 2, 四 7, 五 8: D = 0 2 7 8.
    // Each candidate d joins D: 0 2 7 8 → 四, 2L (four digits); 1 → 五, 32L; 3 → 五, 22L; 4 5 → 五, 2L; 6 9 →
    // 五, 3L.
    const auto built =
        BuildChart(39, drawsOf({"12345", "67890", "11223", "45678", "13579", "71234", "10000"}));
    ASSERT_TRUE(built.has_value());
    const int p = built->predictionRow();
    EXPECT_EQ(built->text(p, 0), "下期预测------->");
    expectRowMarks(*built, p,
                   {{7, "十", "0"},       {8, "个", "2"},     {9, "四", "7"},     {10, "五", "8"},
                    {15, "五", "134569"}, {16, "四", "0278"}, {22, "32L", "1"},   {23, "3L", "69"},
                    {24, "22L", "3"},     {25, "2L", "45"},   {30, "2L", "0278"}, {44, "1", "02468"},
                    {45, "2", "13579"},   {49, "0", "3"},     {50, "1", "4"},     {51, "2", "5"},
                    {52, "3", "6"},       {53, "4", "7"},     {54, "5", "8"},     {55, "6", "9"},
                    {56, "7", "0"},       {57, "8", "1"},     {58, "9", "2"}});
    EXPECT_EQ(built->predictionHint(p, 23), " 3L= 69");
}

TEST(ChartMarksByHand, SlantRepeatedDigitsPickTheRunGroup) {
    // 5555 then 6: one digit four times → 二4T (38, 39); 6 6 6 5 5: two digits repeated → 二TB (40, 41).
    const auto four = BuildChart(39, drawsOf({"55555", "55555", "55555", "55555", "66666"}));
    ASSERT_TRUE(four.has_value());
    expectRowMarks(*four, four->firstDrawRow() + 3,
                   slantRow({"5", "5", "5", "5", "5", "", "一", "0L", "4", "0"},
                            {{19, "一"}, {42, "0L"}, {47, "4"}, {49, "0"}}));
    expectRowMarks(*four, four->firstDrawRow() + 4,
                   slantRow({"6", "6", "5", "5", "5", "5", "二", "2L", "4", "6"},
                            {{18, "二"}, {38, "2L"}, {47, "4"}, {55, "6"}}));
    const auto two = BuildChart(39, drawsOf({"55555", "55555", "66666", "66666", "66666"}));
    ASSERT_TRUE(two.has_value());
    expectRowMarks(*two, two->firstDrawRow() + 4,
                   slantRow({"6", "6", "6", "6", "5", "5", "二", "2L", "2", "8"},
                            {{18, "二"}, {40, "2L"}, {45, "2"}, {57, "8"}}));
}

TEST(ChartMarksByHand, TensAndUnitsSlantLines) {
    // Kind 40: 百 of r − 1, 十 of r, 个 of r − 1, 四 of r − 2, 五 of r − 3.
    const auto tens = BuildChart(40, drawsOf({"12345", "67890", "11223", "45678"}));
    ASSERT_TRUE(tens.has_value());
    const int t = tens->firstDrawRow();
    expectRowMarks(*tens, t,
                   slantRow({"5", "", "2", "", "", "", "一", "0L", "0", "2"},
                            {{19, "一"}, {42, "0L"}, {43, "0"}, {51, "2"}}));
    expectRowMarks(*tens, t + 1,
                   slantRow({"0", "1", "7", "3", "", "", "三", "0L", "3", "1"},
                            {{17, "三"}, {37, "0L"}, {46, "3"}, {50, "1"}}));
    expectRowMarks(*tens, t + 2,
                   slantRow({"3", "6", "1", "8", "4", "", "四", "0L", "1", "9"},
                            {{16, "四"}, {31, "0L"}, {44, "1"}, {58, "9"}}));
    expectRowMarks(*tens, t + 3,
                   slantRow({"8", "1", "5", "2", "9", "5", "四", "2L", "4", "2"},
                            {{16, "四"}, {30, "2L"}, {47, "4"}, {51, "2"}}));
    // Kind 41: 百 of r − 2, 十 of r − 1, 个 of r, 四 of r − 1, 五 of r − 2.
    const auto units = BuildChart(41, drawsOf({"12345", "67890", "11223", "44144"}));
    ASSERT_TRUE(units.has_value());
    const int u = units->firstDrawRow();
    expectRowMarks(*units, u,
                   slantRow({"5", "", "", "3", "", "", "一", "0L", "1", "3"},
                            {{19, "一"}, {42, "0L"}, {44, "1"}, {52, "3"}}));
    expectRowMarks(*units, u + 1,
                   slantRow({"0", "", "2", "8", "4", "", "三", "0L", "0", "4"},
                            {{17, "三"}, {37, "0L"}, {43, "0"}, {53, "4"}}));
    expectRowMarks(*units, u + 2,
                   slantRow({"3", "1", "7", "2", "9", "5", "五", "2L", "4", "4"},
                            {{15, "五"}, {25, "2L"}, {47, "4"}, {53, "4"}}));
    // 6 1 1 2 0: 1 repeated, the run 0-1-2
    expectRowMarks(*units, u + 3,
                   slantRow({"4", "6", "1", "1", "2", "0", "四", "3L", "2", "0"},
                            {{16, "四"}, {28, "3L"}, {45, "2"}, {49, "0"}}));
    // One prediction row, then 3 (kind 39), 2 (kind 40) or 1 (kind 41) rows of the last diagonals.
    EXPECT_EQ(BuildChart(39, drawsOf({"12345"}))->rowCount(), 2 + 1 + 1 + 3);
    EXPECT_EQ(BuildChart(40, drawsOf({"12345"}))->rowCount(), 2 + 1 + 1 + 2);
    EXPECT_EQ(BuildChart(41, drawsOf({"12345"}))->rowCount(), 2 + 1 + 1 + 1);
}
