// The fixed charts: the two contract tables against a brute-force count over 000..999, the others against
// hand-checked cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "core/charts/chart_tree.h"
#include "core/charts/fixed_charts.h"

using namespace p3::core;

namespace {

FixedTable table(std::string_view name) {
    auto t = buildFixedChart(name);
    EXPECT_TRUE(t.has_value()) << name;
    return t ? std::move(*t) : FixedTable{};
}

/// Brute force: per key, the direct count and the group forms of each type, from plain loops.
struct Expected {
    int direct = 0;
    std::set<std::string> triple, pair, six;
};

std::string join(const std::set<std::string>& words) {
    std::string out;
    for (const auto& w : words)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

template <typename Key> std::map<int, Expected> bruteForce(Key key) {
    std::map<int, Expected> out;
    for (int n = 0; n < 1000; ++n) {
        int d[3] = {n / 100, n / 10 % 10, n % 10};
        Expected& e = out[key(d[0], d[1], d[2])];
        ++e.direct;
        std::sort(d, d + 3);
        const std::string form{char('0' + d[0]), char('0' + d[1]), char('0' + d[2])};
        const int distinct = 1 + (d[1] != d[0]) + (d[2] != d[1]);
        (distinct == 1 ? e.triple : distinct == 2 ? e.pair : e.six).insert(form);
    }
    return out;
}

void expectContractTable(const FixedTable& t, const char* keyTitle, int lastKey,
                         const std::map<int, Expected>& expected) {
    ASSERT_EQ(t.header, (std::vector<std::string>{keyTitle, "直选注数", "豹子", "组三", "组六"}));
    ASSERT_EQ(t.rows.size(), static_cast<std::size_t>(lastKey + 1));
    for (int k = 0; k <= lastKey; ++k) {
        const auto& row = t.rows[static_cast<std::size_t>(k)];
        const Expected& e = expected.at(k);
        ASSERT_EQ(row.size(), 5u);
        EXPECT_EQ(row[0], std::to_string(k));
        EXPECT_EQ(row[1], std::to_string(e.direct)) << keyTitle << ' ' << k;
        EXPECT_EQ(row[2], join(e.triple)) << keyTitle << ' ' << k;
        EXPECT_EQ(row[3], join(e.pair)) << keyTitle << ' ' << k;
        EXPECT_EQ(row[4], join(e.six)) << keyTitle << ' ' << k;
    }
}

const std::vector<std::string>& rowWhere(const FixedTable& t, std::size_t column, const std::string& key) {
    static const std::vector<std::string> none;
    for (const auto& row : t.rows)
        if (row.at(column) == key) return row;
    ADD_FAILURE() << "no row " << key << " in " << t.name;
    return none;
}

std::size_t wordCount(const std::string& cell) {
    std::istringstream in(cell);
    return static_cast<std::size_t>(std::distance(std::istream_iterator<std::string>(in), {}));
}

} // namespace

TEST(FixedCharts, NamesAreTheTreeLeavesInOrder) {
    const auto names = fixedChartNames();
    ASSERT_EQ(names.size(), 15u);
    const auto tree = chartTree(3);
    const auto& fixed = tree.back();
    EXPECT_EQ(fixed.name, "固定图表");
    ASSERT_EQ(fixed.leaves.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(fixed.leaves[i].name, names[i]);
    EXPECT_TRUE(isFixedChart("偏态号码-细分表"));
    EXPECT_FALSE(isFixedChart("常规参数"));
    const auto unknown = buildFixedChart("没有的表");
    ASSERT_FALSE(unknown.has_value());
    EXPECT_EQ(unknown.error().message, "没有这个固定图表: 没有的表");
}

TEST(FixedCharts, SumAndSpanTablesMatchABruteForceCount) {
    expectContractTable(table("和值号码-细分表"), "和值", 27,
                        bruteForce([](int a, int b, int c) { return a + b + c; }));
    expectContractTable(table("跨度组合-细分表"), "跨度", 9, bruteForce([](int a, int b, int c) {
                            return std::max({a, b, c}) - std::min({a, b, c});
                        }));
    // A few cells by hand, so that the brute force itself is checked too.
    const FixedTable sums = table("和值号码-细分表");
    EXPECT_EQ(sums.rows[1], (std::vector<std::string>{"1", "3", "", "001", ""}));
    EXPECT_EQ(sums.rows[3], (std::vector<std::string>{"3", "10", "111", "003", "012"}));
    EXPECT_EQ(sums.rows[13][1], "75");
    EXPECT_EQ(sums.rows[27], (std::vector<std::string>{"27", "1", "999", "", ""}));
    const FixedTable spans = table("跨度组合-细分表");
    EXPECT_EQ(spans.rows[0][1], "10");
    EXPECT_EQ(spans.rows[9][3], "009 099");
    EXPECT_EQ(spans.rows[1][4], "");
}

TEST(FixedCharts, TailAndBankerTables) {
    const FixedTable tails = table("合值号码-细分表");
    ASSERT_EQ(tails.rows.size(), 10u);
    for (const auto& row : tails.rows)
        EXPECT_EQ(row[1], "100") << "every tail has a hundred direct numbers";
    EXPECT_EQ(tails.rows[0][2], "000");
    const FixedTable banker = table("胆拖号码-细分表");
    const auto& zero = rowWhere(banker, 0, "0");
    EXPECT_EQ(zero[1], "271");
    EXPECT_EQ(zero[2], "000");
    EXPECT_EQ(zero[3], "001 002 003 004 005 006 007 008 009 011 022 033 044 055 066 077 088 099");
    EXPECT_EQ(wordCount(zero[4]), 36u);
}

TEST(FixedCharts, TwoWayTables) {
    const FixedTable oe = table("奇偶-大小-细分表");
    EXPECT_EQ(oe.header[0], "奇偶");
    EXPECT_EQ(oe.header[1], "大小");
    ASSERT_EQ(oe.rows.size(), 16u);
    const auto& last = oe.rows.back();
    EXPECT_EQ(last[0], "3奇");
    EXPECT_EQ(last[1], "3大");
    EXPECT_EQ(last[2], "27");
    EXPECT_EQ(last[3], "555 777 999");
    EXPECT_EQ(last[4], "557 559 577 599 779 799");
    EXPECT_EQ(last[5], "579");
    int total = 0;
    for (const auto& row : oe.rows)
        total += std::stoi(row[2]);
    EXPECT_EQ(total, 1000);
    const FixedTable bs = table("大小-奇偶-细分表");
    EXPECT_EQ(bs.header[0], "大小");
    EXPECT_EQ(bs.rows.front()[0], "3小");
    EXPECT_EQ(bs.rows.front()[1], "3偶");
    EXPECT_EQ(bs.rows.front()[3], "000 222 444"); // small even digits 0, 2, 4
}

TEST(FixedCharts, RouteRunAndOrderShapeTables) {
    const FixedTable routes = table("除三余数值-细分表");
    ASSERT_EQ(routes.rows.size(), 10u);
    EXPECT_EQ(routes.rows[0][1], "64");
    EXPECT_EQ(routes.rows[0][2], "000 333 666 999");
    EXPECT_EQ(routes.rows[4][1], "216"); // one digit of each route: 4 * 3 * 3 * 6
    const FixedTable runs = table("连号组合-细分表");
    EXPECT_EQ(runs.rows[0][1], "10");
    int runTotal = 0;
    for (const auto& row : runs.rows)
        runTotal += std::stoi(row[1]);
    EXPECT_EQ(runTotal, 1000);
    const FixedTable shapes = table("号码群号-细分表");
    EXPECT_EQ(shapes.rows[0][0], "0号");
    EXPECT_EQ(shapes.rows[0][2], "000 111 222 333 444 555 666 777 888 999");
    int shapeTotal = 0;
    for (const auto& row : shapes.rows) {
        shapeTotal += std::stoi(row[1]);
        EXPECT_EQ(wordCount(row[2]), static_cast<std::size_t>(std::stoi(row[1])));
    }
    EXPECT_EQ(shapeTotal, 1000);
}

TEST(FixedCharts, PairTables) {
    const FixedTable sums = table("二码和值-细分表");
    ASSERT_EQ(sums.rows.size(), 19u);
    EXPECT_EQ(sums.rows[9], (std::vector<std::string>{"9", "10", "", "09 18 27 36 45"}));
    EXPECT_EQ(sums.rows[18], (std::vector<std::string>{"18", "1", "99", ""}));
    const FixedTable tails = table("二码合值-细分表");
    EXPECT_EQ(tails.rows[0], (std::vector<std::string>{"0", "10", "00 55", "19 28 37 46"}));
    const FixedTable diffs = table("二码差值-细分表");
    EXPECT_EQ(diffs.rows[0][2], "00 11 22 33 44 55 66 77 88 99");
    EXPECT_EQ(diffs.rows[9], (std::vector<std::string>{"9", "2", "", "09"}));
}

TEST(FixedCharts, ComparisonBiasAndTailSpanTables) {
    const FixedTable cmp = table("和值-对照表");
    ASSERT_EQ(cmp.rows.size(), 28u);
    EXPECT_EQ(cmp.rows[13],
              (std::vector<std::string>{"13", "75", "15", "0", "5", "10", "7.5", "3", "奇", "1路"}));
    EXPECT_EQ(cmp.rows[0][6], "0.1");

    const FixedTable bias = table("偏态号码-细分表");
    ASSERT_EQ(bias.rows.size(), 16u);
    int forms = 0, direct = 0;
    for (const auto& row : bias.rows) {
        forms += std::stoi(row[3]);
        direct += std::stoi(row[4]);
        EXPECT_EQ(wordCount(row[5]), static_cast<std::size_t>(std::stoi(row[3]))) << row[0];
    }
    EXPECT_EQ(forms, 220);
    EXPECT_EQ(direct, 1000);
    const auto& falsePrime = rowWhere(bias, 0, "假质");
    EXPECT_EQ(falsePrime[1], "M");
    EXPECT_EQ(falsePrime[5], "127 227 237 257 277");
    EXPECT_EQ(rowWhere(bias, 0, "真正")[3], "50");

    const FixedTable grid = table("合值-跨度-细分表");
    ASSERT_EQ(grid.header.size(), 11u);
    EXPECT_EQ(grid.header[10], "跨度9");
    EXPECT_EQ(grid.rows[0][1], "000");
    EXPECT_EQ(grid.rows[3][1], "111");
    EXPECT_EQ(grid.rows[7][10], "089");
    std::size_t total = 0;
    for (const auto& row : grid.rows)
        for (std::size_t c = 1; c < row.size(); ++c)
            total += wordCount(row[c]);
    EXPECT_EQ(total, 220u);
}

TEST(FixedCharts, TsvAndNumberSummary) {
    FixedTable t;
    t.header = {"a", "b"};
    t.rows = {{"1", ""}, {"", "2 3"}};
    EXPECT_EQ(toTsv(t), "a\tb\n1\t\n\t2 3\n");

    const auto summary = numberSummary("027");
    auto value = [&](const std::string& name) {
        for (const auto& a : summary)
            if (a.name == name) return a.value;
        return std::string("?");
    };
    EXPECT_EQ(value("和值"), "9");
    EXPECT_EQ(value("合值"), "9");
    EXPECT_EQ(value("跨度"), "7");
    EXPECT_EQ(value("大小"), "小小大 (2小1大)");
    EXPECT_EQ(value("奇偶"), "偶偶奇 (2偶1奇)");
    EXPECT_EQ(value("012路"), "021 (E)");
    EXPECT_EQ(value("偏态"), "假对子27 (假对子)");
    EXPECT_TRUE(numberSummary("12").empty());
}
