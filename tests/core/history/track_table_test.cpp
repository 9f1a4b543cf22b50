#include <gtest/gtest.h>

#include <random>

#include "core/history/draw_list.h"
#include "core/history/track_table.h"

using namespace p3::core;

namespace {

std::string randomNumber(std::mt19937& rng, int digits) {
    std::string s;
    for (int i = 0; i < digits; ++i)
        s += static_cast<char>('0' + rng() % 10);
    return s;
}

DrawList randomDraws(std::mt19937& rng, std::size_t n, int digits) {
    DrawList draws;
    for (std::size_t i = 0; i < n; ++i)
        draws.push_back({std::to_string(2007001 + i), randomNumber(rng, digits)});
    return draws;
}

std::string digitwise(const std::string& a, const std::string& b, int sign) {
    std::string out = a;
    for (std::size_t i = 0; i < a.size(); ++i)
        out[i] = static_cast<char>('0' + ((a[i] - '0') + sign * (b[i] - '0') + 20) % 10);
    return out;
}

} // namespace

TEST(HistoryPeriods, NextAndPreviousKeepLeadingZeros) {
    EXPECT_EQ(NextPeriodText("07123"), "07124");
    EXPECT_EQ(NextPeriodText("0099"), "00100");
    EXPECT_EQ(NextPeriodText("2007123"), "2007124");
    EXPECT_EQ(NextPeriodText("999"), "1000");
    EXPECT_EQ(PreviousPeriodText("07123"), "07122");
    EXPECT_EQ(PreviousPeriodText("2007001"), "2007000");
    // At the ends nothing is proposed: no "0-1" before period 0, no wrap to a negative number.
    EXPECT_EQ(PreviousPeriodText("1"), "0");
    EXPECT_EQ(PreviousPeriodText("0"), "");
    EXPECT_EQ(PreviousPeriodText("000"), "");
    EXPECT_EQ(NextPeriodText("999999999998"), "999999999999");
    EXPECT_EQ(NextPeriodText("999999999999"), "");
    EXPECT_EQ(NextPeriodText("-1"), "0");
    EXPECT_FALSE(parsePeriod("12a"));
    EXPECT_FALSE(parsePeriod(""));
    EXPECT_EQ(parsePeriod(" 42 "), 42);
}

TEST(HistoryTrackTable, LevelZeroIsTheDigitwiseDifferenceAfterTheFirstDraw) {
    // One public number 123, draws 000 and 125: the first draw is not part of the sequence.
    auto t = TrackTable::ComputeTrackTable({{"1", "000"}, {"2", "125"}}, {"123"}, 3);
    ASSERT_EQ(t.length(), 2u);
    EXPECT_EQ(t.entry(0, 0), "");
    EXPECT_EQ(t.entry(0, 1), "002");
    EXPECT_EQ(t.lastEntry(0), "002");
    EXPECT_EQ(t.lastEntry(1), ""); // level 1 leaves entries 0 and 1 empty
}

TEST(HistoryTrackTable, DifferencesWrapModuloTen) {
    auto t = TrackTable::ComputeTrackTable(
        {{"1", "000"}, {"2", "555"}, {"3", "555"}, {"4", "900"}, {"5", "099"}}, {"000"}, 3);
    EXPECT_EQ(t.entry(0, 2), "000"); // equal numbers
    EXPECT_EQ(t.entry(0, 3), "455"); // 5->9 is 4, 5->0 is 5
    EXPECT_EQ(t.entry(0, 4), "199"); // 9->0 is 1, 0->9 is 9
    EXPECT_EQ(t.entry(1, 4), "744"); // 199 - 455
}

TEST(HistoryTrackTable, BlocksStartOnTheFirstDrawRowAndShortHistoriesLeaveCellsEmpty) {
    std::mt19937 rng(7);
    const std::vector<std::string> pub{"13579", "24680", "97531"};
    auto draws = randomDraws(rng, 6, 3);
    auto t = TrackTable::ComputeTrackTable(draws, pub, 3);
    // Entry t of a level stands on the row of draw t - P + 1; block 1 shows level 5.
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const std::size_t entry = i + pub.size() - 1;
        EXPECT_EQ(t.blockValue(1, i), t.entry(5, entry)) << i;
        EXPECT_EQ(t.hasBlockValue(1, i), entry > 5u) << i;
    }
    EXPECT_FALSE(t.hasBlockValue(6, draws.size() - 1)); // level 15 needs 16 entries
    EXPECT_EQ(t.blockValue(1, draws.size()), "");
}

TEST(HistoryTrackTable, PredictionPlusTrackValueGivesTheNextNumber) {
    // For random histories and every block, appending N gives a level-L entry of N - prediction.
    std::mt19937 rng(2024);
    const std::vector<std::string> pub{"13579", "24680", "97531", "08642", "11223", "44556", "77889"};
    for (int round = 0; round < 40; ++round) {
        const int digits = 3 + round % 3;
        auto draws = randomDraws(rng, 20 + rng() % 40, digits);
        auto before = TrackTable::ComputeTrackTable(draws, pub, digits);
        const std::string next = randomNumber(rng, digits);
        draws.push_back({"9", next});
        auto after = TrackTable::ComputeTrackTable(draws, pub, digits);
        for (int k = 1; k <= kTrackBlocks; ++k) {
            EXPECT_EQ(after.blockValue(k, draws.size() - 1), digitwise(next, before.prediction(k), -1))
                << "round " << round << " block " << k;
            EXPECT_EQ(after.lastEntry(blockLevel(k)), after.blockValue(k, draws.size() - 1));
        }
    }
}

TEST(HistoryTrackTable, ThreeDigitLotteriesUseOnlyThreePositions) {
    auto t = TrackTable::ComputeTrackTable({{"1", "12345"}, {"2", "67890"}}, {"11111"}, 3);
    EXPECT_EQ(t.lastEntry(0).size(), 3u);
    EXPECT_EQ(t.prediction(1).size(), 3u);
    auto grid = DrawGridSeries({{"1", "12345"}, {"2", "67890"}}, t, 0, 1);
    ASSERT_TRUE(grid);
    EXPECT_EQ(*grid, "678");
    EXPECT_FALSE(DrawGridSeries({{"1", "12345"}}, t, 7, 0));
}

TEST(HistoryTrackTable, NoDrawsAndNoPublicNumbersAreHandled) {
    auto none = TrackTable::ComputeTrackTable({}, {"123"}, 3);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.prediction(1), "");
    EXPECT_EQ(none.lastEntry(0), "");
    // Without public numbers the first draw has no entry; later rows still line up.
    auto bare = TrackTable::ComputeTrackTable({{"1", "100"}, {"2", "200"}, {"3", "300"}}, {}, 3);
    EXPECT_EQ(bare.length(), 2u);
    EXPECT_FALSE(bare.hasBlockValue(1, 0));
    EXPECT_EQ(bare.entry(0, 1), "100");
    EXPECT_EQ(bare.prediction(1).size(), 3u);
}

TEST(HistoryPredictionRow, PropagationIsConsistentAcrossBlocks) {
    std::mt19937 rng(99);
    const std::vector<std::string> pub{"13579", "24680", "97531", "08642", "11223"};
    auto draws = randomDraws(rng, 50, 3);
    auto t = TrackTable::ComputeTrackTable(draws, pub, 3);
    for (int block = 1; block <= kTrackBlocks; ++block) {
        for (int v = 0; v < 10; ++v) {
            PredictionRow row;
            row.PropagatePrediction(t, block, 1, v);
            EXPECT_EQ(row.cell(block, 1), v);
            // The number column and every block describe one next number: appending it
            // reproduces every block's digit.
            const int n = row.cell(0, 1);
            for (int m = 1; m <= kTrackBlocks; ++m)
                EXPECT_EQ((t.predictionDigit(m, 1) + row.cell(m, 1)) % 10, n) << block << ' ' << m;
            // Picking another block's resulting value changes nothing.
            PredictionRow again = row;
            again.PropagatePrediction(t, 3, 1, row.cell(3, 1));
            for (int s = 0; s <= kTrackBlocks; ++s)
                EXPECT_EQ(again.cell(s, 1), row.cell(s, 1));
            EXPECT_EQ(row.cell(0, 0), -1); // other positions untouched
        }
    }
    PredictionRow row;
    row.PropagatePrediction(t, 2, 0, 4);
    row.PropagatePrediction(t, 2, 2, 4);
    row.clearPosition(0);
    for (int s = 0; s <= kTrackBlocks; ++s)
        EXPECT_EQ(row.cell(s, 0), -1);
    EXPECT_EQ(row.cell(2, 2), 4);
    row.PropagatePrediction(t, 1, 3, 4); // position 四 of a three-digit lottery is refused
    EXPECT_EQ(row.cell(1, 3), -1);
}
