// The quick-locate rows: each block before the chosen kind takes its value rows plus a title and a header.
#include <gtest/gtest.h>

#include "core/io/ini_file.h"
#include "core/stats/quick_locate.h"
#include "core/stats/statistic_kinds.h"

using namespace p3::core;

TEST(QuickLocate, RowIsTheSumOfTheBlocksBefore) {
    const std::vector<std::size_t> sizes{10, 4, 28};
    EXPECT_EQ(quickLocateRow(sizes, 0), 0);
    EXPECT_EQ(quickLocateRow(sizes, 1), 12);
    EXPECT_EQ(quickLocateRow(sizes, 2), 18); // (10 + 2) + (4 + 2)
    EXPECT_EQ(quickLocateRow(sizes, 3), -1);
    EXPECT_EQ(quickLocateRow({}, 0), -1);
}

TEST(QuickLocate, RowsMatchTheBlocksOfAQuery) {
    const IniFile ini = makeDirectCountIni();
    OmissionQuery query(ini);
    std::vector<int> work;
    for (int n = 0; n < 300; ++n)
        work.push_back(n * 7 % 1000);
    query.setWorkList(work);
    ASSERT_TRUE(query.query({"百位号", "和值", "跨度"}).has_value());
    const auto names = quickLocateNames(query);
    EXPECT_EQ(names, (std::vector<std::string>{"百位号", "和值", "跨度"}));
    const auto sizes = quickLocateSizes(query);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int row = quickLocateRow(sizes, i);
        EXPECT_EQ(row, query.displayed()[i]->firstRow);
        EXPECT_EQ(query.rowKind(row), OmissionQuery::RowKind::Title);
        EXPECT_EQ(query.rowCells(row)[0], "(" + names[i] + ") 遗漏统计");
    }
}
