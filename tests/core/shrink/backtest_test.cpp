#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include "core/shrink/backtest.h"
#include "core/shrink/backtest_tables.h"
#include "core/shrink/series_history.h"

using namespace p3::core;

namespace {
DrawList drawsOf(std::initializer_list<const char*> numbers) {
    DrawList draws;
    int period = 2024001;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}
} // namespace

TEST(Backtest, EachPeriodSeesOnlyTheHistoryBeforeIt) {
    const auto draws = drawsOf({"123", "456", "789", "456", "000", "123"});
    const TrackTable table;
    // Exclude the numbers drawn in the last 2 periods.
    const ConditionList list{{"1", "已出号码", "1|0|无设置", "1", "0", "已出号码~2^0~0~0&%0"}};
    auto report = Backtest(list, draws, table, 4, {});
    ASSERT_TRUE(report) << report.error().message;
    ASSERT_EQ(report->periods.size(), 4u);
    // 789 (2 before: 123 456): survives; 456 (456 789): rejected; 000: survives; 123 (456 000): survives.
    EXPECT_EQ(report->periods[0].draw, "789");
    EXPECT_TRUE(report->periods[0].survived);
    EXPECT_FALSE(report->periods[1].survived);
    EXPECT_EQ(report->periods[1].failedRows, std::vector<int>{1});
    EXPECT_TRUE(report->periods[3].survived);
    EXPECT_EQ(report->periods[0].count, 998u);
    EXPECT_EQ(report->hits, 3u);
    EXPECT_DOUBLE_EQ(report->hitRate, 0.75);
    EXPECT_DOUBLE_EQ(report->meanSize, 998.0);
    EXPECT_DOUBLE_EQ(report->randomHitRate, 0.998);
    ASSERT_EQ(report->lines.size(), 1u);
    EXPECT_EQ(report->lines[0].rejected, 1u);
    EXPECT_DOUBLE_EQ(report->lines[0].shareKept, 0.998);
    EXPECT_NEAR(report->lines[0].lift, 0.75 / 0.998, 1e-12);
}

TEST(Backtest, ReferenceSetsAreMadeAgainPerPeriod) {
    const auto draws = drawsOf({"128", "305", "305", "999"});
    // Keep numbers made only of 复码 of the period before: stored sets say otherwise and must not count.
    const ConditionList list{{"1", "复隔中", "1|0|无设置", "1", "0", "组选排列~3复~1~0&789^^%0"}};
    const SeriesHistory upToSecond{&draws, nullptr, 2};
    EXPECT_EQ(refreshReferenceContent(16, list[0].content, upToSecond), "组选排列~3复~1~0&035^128^4679%0");
    EXPECT_EQ(refreshReferenceContent(21, "任意位合~1^1 ^1~1~0&1^2^3", upToSecond),
              "任意位合~1^1 ^1~1~0&1^2^3");
    EXPECT_EQ(refreshReferenceContent(16, "形态~a~1~0&1^2^3%9", upToSecond), "形态~a~1~0&1^2^3%9");
    auto report = Backtest(list, draws, TrackTable{}, 2, {});
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->periods[0].survived);  // 305 after 305: all 复
    EXPECT_EQ(report->periods[0].count, 27u);  // 3 digits 0 3 5: 27 numbers
    EXPECT_FALSE(report->periods[1].survived); // 999 after 305
}

TEST(Backtest, Refusals) {
    const auto draws = drawsOf({"123"});
    EXPECT_EQ(Backtest({}, draws, TrackTable{}, 1, {}).error().message, "没有可供过滤的条件");
    const ConditionList unused{{"0", "和值", "1|0|无设置", "1", "0", "和值~1~1~0"}};
    EXPECT_EQ(Backtest(unused, draws, TrackTable{}, 1, {}).error().message, "请选择条件");
    const ConditionList list{{"1", "和值", "1|0|无设置", "1", "0", "和值~6~1~0"}};
    EXPECT_FALSE(Backtest(list, {}, TrackTable{}, 1, {}));
    auto one = Backtest(list, draws, TrackTable{}, 50, {});
    ASSERT_TRUE(one);
    EXPECT_EQ(one->periods.size(), 1u);
    EXPECT_TRUE(one->periods[0].survived);
}

TEST(Backtest, MoneyAndOddsWorkedByHand) {
    const auto draws = drawsOf({"123", "456", "789", "456", "000", "123"});
    const ConditionList list{{"1", "已出号码", "1|0|无设置", "1", "0", "已出号码~2^0~0~0&%0"}};
    BacktestSettings settings;
    settings.prizes = {*Money::parse("2"), *Money::parse("1040"), 346, 173};
    auto report = Backtest(list, draws, TrackTable{}, lastPeriodsRange(draws, 4), settings);
    ASSERT_TRUE(report);
    // Four periods of 998 bets at 2 yuan; three hits of 1040.
    EXPECT_EQ(report->cost, Money(7984));
    EXPECT_EQ(report->returns, Money(3120));
    EXPECT_EQ(report->net, Money(-4864));
    EXPECT_EQ(returnRateText(*report), "0.3908"); // 3120 / 7984 = 0.390781
    EXPECT_EQ(report->minSize, 998u);
    EXPECT_EQ(report->maxSize, 998u);
    // P(at least 3 of 4 with chance 0.998 each) = 0.998^4 + 4 * 0.998^3 * 0.002.
    EXPECT_NEAR(report->pValue.value, std::pow(0.998, 4) + 4 * std::pow(0.998, 3) * 0.002, 1e-12);
    EXPECT_NEAR(report->ratio, 0.75 / 0.998, 1e-12);
    // The lost hit: period 2024004 (456) fails only line 1.
    EXPECT_EQ(report->lines[0].lostHits, 1u);
    // Prices in fractions of a yuan stay exact.
    settings.prizes.price = *Money::parse("0.1");
    auto tenth = Backtest(list, draws, TrackTable{}, lastPeriodsRange(draws, 3), settings);
    ASSERT_TRUE(tenth);
    EXPECT_EQ(formatExact(tenth->cost), "299.4");
}

TEST(Backtest, GroupBetsCountGroupForms) {
    // Keep numbers whose digits are all in {1, 2, 3}: as 组六 bets that is the one form 123.
    const auto draws = drawsOf({"000", "321", "132", "456", "111"});
    const ConditionList list{{"1", "定位复式", "1|0|无设置", "1", "0", "按位复式~1^123/123/123^3~1~0&"}};
    BacktestSettings settings;
    settings.betType = BetType::Group6;
    auto report = Backtest(list, draws, TrackTable{}, lastPeriodsRange(draws, 4), settings);
    ASSERT_TRUE(report) << report.error().message;
    ASSERT_EQ(report->periods.size(), 4u);
    EXPECT_EQ(report->periods[0].count, 1u); // 6 numbers, one 组六 bet
    EXPECT_EQ(periodBets(*report, 0), std::vector<std::string>{"123"});
    EXPECT_TRUE(report->periods[0].survived);
    EXPECT_TRUE(report->periods[1].survived);
    EXPECT_FALSE(report->periods[2].survived);
    EXPECT_FALSE(report->periods[3].inBase); // 111 is no 组六 number
    EXPECT_EQ(report->hits, 2u);
    EXPECT_DOUBLE_EQ(report->randomHitRate, 0.006);
    EXPECT_EQ(report->cost, Money(8));
    EXPECT_EQ(report->returns, Money(346));
    // The line keeps the draw in the three periods whose draw is a 组六 number twice.
    EXPECT_EQ(report->lines[0].rejected, 1u);
    EXPECT_NEAR(report->lines[0].keepRate, 2.0 / 3, 1e-12);
    EXPECT_NEAR(report->lines[0].cutRate, 1 - 1.0 / 120, 1e-12);
}

TEST(Backtest, PeriodRangesAndCancel) {
    const auto draws = drawsOf({"123", "456", "789", "456", "000", "123"});
    auto r = periodRange(draws, "2024005", "2024002");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 1u);
    EXPECT_EQ(r->end, 5u);
    EXPECT_FALSE(periodRange(draws, "2024001", "2025001"));
    const ConditionList list{{"1", "和值", "1|0|无设置", "1", "0", "和值~6~1~0"}};
    std::atomic<bool> cancel{true};
    auto cancelled = Backtest(list, draws, TrackTable{}, *r, {}, {&cancel, {}});
    ASSERT_FALSE(cancelled);
    EXPECT_EQ(cancelled.error().message, kBacktestCancelled);
    std::size_t last = 0;
    auto done =
        Backtest(list, draws, TrackTable{}, *r, {}, {nullptr, [&](std::size_t d, std::size_t) { last = d; }});
    ASSERT_TRUE(done);
    EXPECT_EQ(last, 4u);
    EXPECT_EQ(done->periods.front().period, "2024002");
}

TEST(BacktestTables, TextsOfTheWindow) {
    BacktestReport report;
    report.periods.push_back({"2024001", "123", true, true, 2, {}, {}});
    report.periods.push_back({"2024002", "555", false, false, 3, {1, 2}, {}});
    BacktestLine worse;
    worse.row = 1;
    worse.keyword = "和值";
    worse.lift = 0.99995;
    worse.keepRate = 0.5;
    worse.cutRate = 0.125;
    BacktestLine fine = worse;
    fine.row = 2;
    fine.keyword = "跨度";
    fine.lift = 1.2;
    report.lines = {worse, fine};
    const TextTable periods = backtestPeriodTable(report);
    EXPECT_EQ(periods.rows[1],
              (std::vector<std::string>{"2024002", "555", "3", "不在大底", "1 和值, 2 跨度"}));
    EXPECT_EQ(periods.rows[0][3], "中");
    const TextTable lines = backtestLineTable(report);
    // A lift just below 1 never reads 1.000 beside its mark.
    EXPECT_EQ(lines.rows[0], (std::vector<std::string>{"1", "和值", "50.00%", "12.50%", "0.999", "0",
                                                       std::string(kWorseThanNothing)}));
    EXPECT_EQ(lines.rows[1][4], "1.200");
    EXPECT_EQ(lines.rows[1][6], "");
    EXPECT_TRUE(tableTsv(lines).starts_with("序号\t条件\t保留率\t过滤率\t提升度\t独损中奖\t评价\n1\t和值\t"));
}

TEST(BacktestTables, PrizesKeptInTheSettings) {
    IniFile ini = IniFile::fromText("");
    EXPECT_EQ(readPrizeTable(ini), PrizeTable{});
    writePrizeTable(ini, {*Money::parse("1.5"), 1000, 320, 160});
    EXPECT_EQ(readPrizeTable(ini), (PrizeTable{*Money::parse("1.5"), 1000, 320, 160}));
    ini.setString("方案评估", "组三奖金", "x");
    EXPECT_EQ(readPrizeTable(ini).group3, Money(346)); // unreadable: the default
}
