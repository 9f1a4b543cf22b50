// The statistics range, the query with its cache and block layout, and the column sort.
#include <gtest/gtest.h>

#include "core/io/ini_file.h"
#include "core/stats/statistic_kinds.h"
#include "core/stats/statistics_query.h"

using namespace p3::core;

TEST(StatisticsRange, DefaultRecentChoicesAndRefusal) {
    StatisticsRange big(1500);
    EXPECT_EQ(big.begin(), 500u);
    EXPECT_EQ(big.end(), 1499u);
    EXPECT_EQ(big.statusText(), "当前统计：1000期");
    StatisticsRange small(300);
    EXPECT_EQ(small.begin(), 0u);
    EXPECT_TRUE(small.chooseRecent("20").has_value());
    EXPECT_EQ(small.begin(), 280u);
    EXPECT_TRUE(small.chooseRecent("2000").has_value());
    EXPECT_EQ(small.begin(), 0u);
    EXPECT_TRUE(small.changeRange(100, 200).has_value());
    EXPECT_EQ(small.size(), 101u);
    EXPECT_TRUE(small.chooseRecent("全部期数").has_value());
    EXPECT_EQ(small.size(), 300u);

    StatisticsRange range(300);
    ASSERT_TRUE(range.changeRange(100, 200).has_value());
    auto refused = range.changeRange(150, 150); // a one-draw range
    ASSERT_FALSE(refused.has_value());
    EXPECT_EQ(refused.error().message, "请正常设置范围!");
    // The refused choice must not leak: the previous range stays in force, begin and end alike.
    EXPECT_EQ(range.begin(), 100u);
    EXPECT_EQ(range.end(), 200u);
    EXPECT_EQ(range.statusText(), "当前统计：101期");
    EXPECT_FALSE(range.changeRange(250, 120).has_value()); // begin after end
    EXPECT_FALSE(range.changeRange(10, 300).has_value());  // end past the last draw
    EXPECT_EQ(range.begin(), 100u);
    EXPECT_EQ(range.end(), 200u);
    StatisticsRange one(1);
    EXPECT_FALSE(one.chooseRecent("全部期数").has_value());
}

TEST(OmissionQuery, LayoutCacheAndRefusal) {
    const IniFile ini = makeDirectCountIni();
    OmissionQuery query(ini);
    query.setWorkList({123, 456, 789, 120});
    auto none = query.query({});
    ASSERT_FALSE(none.has_value());
    EXPECT_EQ(none.error().message, "请选择统计的条件名称!");
    EXPECT_EQ(query.rowCount(), 2);

    ASSERT_TRUE(query.query({"百位号", "跨度"}).has_value());
    ASSERT_EQ(query.displayed().size(), 2u);
    const auto& first = *query.displayed()[0];
    EXPECT_EQ(first.values, (std::vector<std::string>{"1", "7", "4"})); // 1 twice, then newest first
    EXPECT_EQ(first.firstRow, 0);
    EXPECT_EQ(first.lastRow, 4);
    EXPECT_EQ(query.displayed()[1]->firstRow, 5);
    EXPECT_EQ(query.rowCount(), 5 + 2 + static_cast<int>(query.displayed()[1]->size()));
    EXPECT_EQ(query.rowCells(0)[0], "(百位号) 遗漏统计");
    EXPECT_EQ(query.rowCells(1)[14], "直选注数");
    EXPECT_EQ(query.rowCells(2)[0], "1");
    EXPECT_EQ(query.rowCells(2)[1], "2");
    EXPECT_EQ(query.rowCells(2)[14], "100注");

    const auto cachedSpan = query.displayed()[1];
    ASSERT_TRUE(query.query({"跨度", "和值"}).has_value());
    EXPECT_EQ(query.displayed()[0], cachedSpan); // taken from the cache, not recomputed
    EXPECT_EQ(query.displayed()[0]->firstRow, 0);
    EXPECT_EQ(query.cache().size(), 3u);
    ASSERT_TRUE(query.query({"和值", "跨度", "和值"}).has_value());
    ASSERT_EQ(query.displayed().size(), 2u);
    EXPECT_EQ(query.rowCells(query.displayed()[1]->firstRow)[0], "(跨度) 遗漏统计");
    EXPECT_FALSE(query.query({"位合二码组合"}).has_value());
    query.setWorkList({111, 222});
    EXPECT_TRUE(query.cache().empty());
    EXPECT_EQ(query.rowCount(), 2);
}

TEST(OmissionQuery, ColumnSortSharesOneDirection) {
    const IniFile ini = makeDirectCountIni();
    OmissionQuery query(ini);
    // 和值 counts: 6 three times, 15 twice, 24 once.
    query.setWorkList({123, 456, 789, 231, 564, 312});
    ASSERT_TRUE(query.query({"和值", "大小直选"}).has_value());
    const auto& info = *query.displayed()[0];
    EXPECT_FALSE(query.isSortable(0, 1)); // title row
    EXPECT_FALSE(query.isSortable(2, 1)); // value row
    EXPECT_TRUE(query.isSortable(1, 0));
    const int wordHeader = query.displayed()[1]->firstRow + 1;
    EXPECT_FALSE(query.isSortable(wordHeader, 0)); // 大小直选 names are words
    EXPECT_FALSE(query.sortByColumn(wordHeader, 0));
    EXPECT_FALSE(query.ascendingNext());

    ASSERT_TRUE(query.sortByColumn(1, 1)); // descending first
    EXPECT_EQ(info.values, (std::vector<std::string>{"6", "15", "24"}));
    ASSERT_TRUE(query.sortByColumn(1, 1)); // then ascending
    EXPECT_EQ(info.values, (std::vector<std::string>{"24", "15", "6"}));
    EXPECT_EQ(info.counts, (std::vector<std::int32_t>{1, 2, 3}));
    ASSERT_TRUE(query.sortByColumn(1, 0)); // another column continues with descending
    EXPECT_EQ(info.values, (std::vector<std::string>{"24", "15", "6"}));
    ASSERT_TRUE(query.sortByColumn(1, 2)); // 出现概率 read without its "%": ascending now
    EXPECT_EQ(info.values, (std::vector<std::string>{"24", "15", "6"}));
    EXPECT_EQ(query.rowCells(2)[2], "16.67%");
    // The cache holds the same record, so a later query shows the new order.
    ASSERT_TRUE(query.query({"和值"}).has_value());
    EXPECT_EQ(query.displayed()[0]->values.front(), "24");
}

TEST(OmissionQuery, SortKeysOfTextColumns) {
    const IniFile ini = makeDirectCountIni();
    const Tj_Inf shape = ComputeKindStatistics(17, std::vector<int>{112, 123, 135}, ini);
    EXPECT_EQ(statisticSortKey(shape, 0, 0), 5); // "5.奇点杂六" by its shape digit
    const Tj_Inf group = ComputeKindStatistics(16, std::vector<int>{123}, ini);
    EXPECT_EQ(statisticSortKey(group, 0, 0), 1); // "1号"
    EXPECT_EQ(statisticSortKey(group, 0, 14), 120);
    EXPECT_EQ(statisticSortKey(group, 0, 2), 100); // "100%"
}
