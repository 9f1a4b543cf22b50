#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "common/temp_dir.h"
#include "core/export/bet_plan_xlsx.h"
#include "core/tools/bet_plan.h"

using namespace p3::core;

namespace {

// The plan as the calculator walks it: one multiple at a time.
std::vector<BetPlanRow> steppedPlan(const BetPlanInputs& in) {
    std::vector<BetPlanRow> rows;
    std::int64_t m = in.startMultiple;
    Money c = 0;
    for (int p = 1; p <= in.periods; ++p) {
        for (;; ++m) {
            const Money cost = in.unitCost * m, total = c + cost;
            const Money profit = in.unitPrize * m - total;
            const auto rate = RoundRate(profit, total);
            if (Money(rate) < in.rate) continue;
            rows.push_back({p, m, cost, total, in.unitPrize * m, profit, std::to_string(rate) + "%"});
            c = total;
            break;
        }
    }
    return rows;
}

std::string unzipEntry(const std::filesystem::path& archive, const std::string& entry) {
    std::string command = "unzip -p '" + archive.string() + "' " + entry + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

} // namespace

TEST(ToolsBetPlan, RoundRateAndMoneyForms) {
    EXPECT_EQ(RoundRate(7900), 7900);
    EXPECT_EQ(RoundRate(12.49), 12);
    EXPECT_EQ(RoundRate(12.5), 13);
    EXPECT_EQ(RoundRate(12.95), 13);
    EXPECT_EQ(RoundRate(-3.7), -3);
    EXPECT_EQ(RoundRate(-0.2), 0);
    EXPECT_EQ(formatMoney(*Money::parse("12.5")), "12.5");
    EXPECT_EQ(formatMoney(*Money::parse("12.005")), "12.01");
    EXPECT_EQ(formatMoney(-4), "-4");
    EXPECT_EQ(formatMoney(160), "160");
    // Halves away from zero on the exact value: in binary 1.005, 2.675 and 0.285 lie below their half.
    EXPECT_EQ(formatMoney(*Money::parse("1.005")), "1.01");
    EXPECT_EQ(formatMoney(*Money::parse("2.675")), "2.68");
    EXPECT_EQ(formatMoney(*Money::parse("0.285")), "0.29");
    EXPECT_EQ(formatMoney(*Money::parse("-0.285")), "-0.29");
    EXPECT_EQ(formatMoney(*Money::parse("-0.004")), "0");
    EXPECT_EQ(formatMoney(*Money::parse("0.1")), "0.1");
    EXPECT_EQ(formatExact(*Money::parse("0.125")), "0.125");
    EXPECT_FALSE(Money::parse("1e3"));
    EXPECT_FALSE(Money::parse("1.0000001"));
    EXPECT_FALSE(Money::parse("."));
    // The rate of money held exactly: 1 / 3 is 33.33…%, 1 / 8 is 12.5% and rounds up, 1 / 200 is 0.5%.
    EXPECT_EQ(RoundRate(Money(1), Money(3)), 33);
    EXPECT_EQ(RoundRate(Money(1), Money(8)), 13);
    EXPECT_EQ(RoundRate(Money(1), Money(200)), 1);
    EXPECT_EQ(RoundRate(Money(-1), Money(8)), -12);
    EXPECT_EQ(RoundRate(*Money::parse("0.7"), Money(1)), 70); // 0.7 × 100 is 69.999… in binary
}

TEST(ToolsBetPlan, FractionalCostsShowTheirExactTwoDecimalRounding) {
    auto in = parseBetPlanInputs("1.005", "160", "1", "3", "10");
    ASSERT_TRUE(in);
    auto plan = planBets(*in);
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(betPlanCells(plan.rows[0]),
              (std::vector<std::string>{"1", "1", "1.01", "1.01", "160", "159", "15820%"}));
    EXPECT_EQ(betPlanCells(plan.rows[1]),
              (std::vector<std::string>{"2", "1", "1.01", "2.01", "160", "157.99", "7860%"}));
    EXPECT_EQ(betPlanCells(plan.rows[2]),
              (std::vector<std::string>{"3", "1", "1.01", "3.02", "160", "156.99", "5207%"}));
    EXPECT_EQ(plan.rows[2].cumulative, *Money::parse("3.015"));
    EXPECT_FALSE(parseBetPlanInputs("0.0000001", "160", "1", "3", "10"));
    EXPECT_FALSE(parseBetPlanInputs("2", "1e12", "1", "3", "10"));
}

TEST(ToolsBetPlan, DirectMultiplesEqualTheSteppedWalk) {
    BetPlanInputs in;
    auto plan = planBets(in);
    ASSERT_EQ(plan.rows.size(), 15u);
    EXPECT_EQ(betPlanCells(plan.rows[0]),
              (std::vector<std::string>{"1", "1", "2", "2", "160", "158", "7900%"}));
    EXPECT_FALSE(plan.stopped);
    for (BetPlanInputs other : {BetPlanInputs{2, 160, 1, 60, 10}, BetPlanInputs{12, 1000, 4, 40, 100},
                                BetPlanInputs{8, 320, 1, 30, 55}, BetPlanInputs{3, 20, 2, 25, 30}}) {
        auto direct = planBets(other);
        EXPECT_EQ(direct.rows, steppedPlan(other))
            << formatExact(other.unitCost) << "/" << formatExact(other.unitPrize);
        for (std::size_t i = 1; i < direct.rows.size(); ++i)
            EXPECT_GE(direct.rows[i].multiple, direct.rows[i - 1].multiple);
    }
}

TEST(ToolsBetPlan, AnUnreachableRateStopsAtOnce) {
    auto never = planBets({2, 2, 1, 15, 10});
    EXPECT_TRUE(never.stopped);
    EXPECT_EQ(never.message, "分析自动停止!");
    EXPECT_TRUE(never.rows.empty());
    // Reachable for a while, until the multiple would pass what money can hold.
    auto grows = planBets({2, 4, 1, 100, 100});
    EXPECT_TRUE(grows.stopped);
    EXPECT_EQ(grows.message, "分析自动停止!");
    EXPECT_GT(grows.rows.size(), 2u);
    EXPECT_LT(grows.rows.size(), 100u);
    // A long plan is planned in full until its multiples grow past what money can hold.
    auto longPlan = planBets({2, 160, 1, 2000, 10});
    EXPECT_FALSE(longPlan.stopped);
    EXPECT_EQ(longPlan.rows.size(), 2000u);
    auto tooLong = planBets({2, 160, 1, 100000, 10});
    EXPECT_TRUE(tooLong.stopped);
    EXPECT_EQ(tooLong.message, "分析自动停止!");
    EXPECT_GT(tooLong.rows.size(), 2000u);
    std::atomic<bool> stop{true};
    auto stopped = planBets({}, &stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.message.empty());
}

TEST(ToolsBetPlan, RewritingARowKeepsThoseBeforeAndReplansAfter) {
    BetPlanInputs in{2, 160, 1, 30, 100};
    auto plan = planBets(in);
    const auto first = plan.rows;
    ASSERT_TRUE(rewriteBetPlanRow(plan, in, 2, 20));
    ASSERT_EQ(plan.rows.size(), 30u);
    EXPECT_EQ(plan.rows[0], first[0]);
    EXPECT_EQ(plan.rows[1], first[1]);
    const Money before = first[1].cumulative;
    EXPECT_EQ(plan.rows[2].multiple, 20);
    EXPECT_EQ(plan.rows[2].cost, Money(40));
    EXPECT_EQ(plan.rows[2].cumulative, before + 40);
    EXPECT_EQ(plan.rows[2].profit, Money(3200) - (before + 40));
    for (std::size_t i = 3; i < plan.rows.size(); ++i)
        EXPECT_GE(plan.rows[i].multiple, 20);
    // A multiple that makes a loss shows "0%"; a rate of x.5 goes to the even neighbour.
    BetPlanInputs loss{10, 12, 1, 3, 1};
    auto small = planBets(loss);
    ASSERT_TRUE(rewriteBetPlanRow(small, loss, 1, 1));
    EXPECT_EQ(small.rows[1].rateText, "0%");
    EXPECT_FALSE(rewriteBetPlanRow(small, loss, 9, 1));
    EXPECT_FALSE(rewriteBetPlanRow(small, loss, 0, 0));
}

TEST(ToolsBetPlan, InputChecks) {
    EXPECT_EQ(parseBetPlanInputs("", "160", "1", "15", "10").error().message, "请正确输入不能为空!");
    EXPECT_EQ(parseBetPlanInputs("2", "160", "1", " ", "10").error().message, "请正确输入不能为空!");
    EXPECT_EQ(parseBetPlanInputs("2", "160", "1", "15", "0").error().message, "请正确输入利润率!");
    EXPECT_EQ(parseBetPlanInputs("2", "160", "1", "15", "0.00").error().message, "请正确输入利润率!");
    EXPECT_EQ(parseBetPlanInputs("2", "160", "1", "15", " ").error().message, "请正确输入利润率!");
    EXPECT_EQ(parseBetPlanInputs("2", "160", "1", "15", "十").error().message, "百分比设置有错!");
    EXPECT_FALSE(parseBetPlanInputs("-2", "160", "1", "15", "10"));
    EXPECT_FALSE(parseBetPlanInputs("2", "160", "1", "1.5", "10"));
    auto ok = parseBetPlanInputs("2", "160", "0", "15", "10");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->startMultiple, 1);
    EXPECT_EQ(parseBetPlanInputs("2", "160", "", "15", "10")->startMultiple, 1);
}

TEST(ExportBetPlanXlsx, SheetHoldsTitleCaptionsRowsAndMergedSummary) {
    p3::test::TempDir dir;
    BetPlanInputs in{2, 160, 1, 3, 10};
    auto plan = planBets(in);
    const auto file = dir / "plan.xlsx";
    ASSERT_TRUE(writeBetPlanXlsx(plan, in, file));
    ASSERT_TRUE(std::filesystem::exists(file));
    const std::string sheet = unzipEntry(file, "xl/worksheets/sheet1.xml");
    const std::string strings = unzipEntry(file, "xl/sharedStrings.xml");
    const std::string book = unzipEntry(file, "xl/workbook.xml");
    if (sheet.empty()) GTEST_SKIP() << "unzip is not available";
    EXPECT_NE(book.find("name=\"test\""), std::string::npos);
    EXPECT_NE(sheet.find("<mergeCell ref=\"A1:G1\"/>"), std::string::npos);
    // Three rows of plan from row 3, an empty row 6, the summary in rows 7..9.
    for (const char* range : {"A7:B7", "A8:B8", "A9:B9"})
        EXPECT_NE(sheet.find(std::string("<mergeCell ref=\"") + range), std::string::npos) << range;
    EXPECT_NE(sheet.find("<c r=\"E3\""), std::string::npos);
    EXPECT_NE(sheet.find("<v>158</v>"), std::string::npos);
    for (const char* text : {"泳坛夺金快赢481  倍投计划表", "期数", "利润率", "7900%", "当期投入:", "2元",
                             "160元", "起始倍数:", "1倍", "3期", "中奖利润率:", "&gt;=10%"})
        EXPECT_NE(strings.find(text), std::string::npos) << text;
    EXPECT_FALSE(writeBetPlanXlsx(plan, in, dir / "missing-folder" / "x.xlsx"));
}
