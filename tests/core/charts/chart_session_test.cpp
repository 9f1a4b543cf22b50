// The chart window's data flow: data sources, the shared range, charts and pictures by leaf name, help.
#include <gtest/gtest.h>

#include "core/charts/chart_session.h"
#include "core/history/track_table.h"
#include "core/io/ini_file.h"
#include "core/stats/statistic_kinds.h"
#include "core/store/draw_database.h"

using namespace p3::core;

namespace {
DrawList manyDraws(int n) {
    DrawList draws;
    for (int i = 0; i < n; ++i) {
        std::string digits = std::to_string(100 + (i * 37) % 900);
        draws.push_back({std::to_string(2020000 + i), digits});
    }
    return draws;
}
} // namespace

TEST(ChartSession, RangeChartsAndPictures) {
    const IniFile ini = makeDirectCountIni();
    ChartSession session(manyDraws(1200), ini);
    EXPECT_EQ(session.range().begin(), 200u);
    EXPECT_EQ(session.statusText(), "当前统计：1000期");
    session.ShowChart("和值-对照表");
    EXPECT_EQ(session.currentKind(), kPictureKind);
    EXPECT_EQ(session.picture(), "Image/和值-对照表.jpg");
    EXPECT_EQ(session.currentGrid(), nullptr);

    session.ShowChart("常规参数");
    ASSERT_NE(session.currentGrid(), nullptr);
    EXPECT_EQ(session.currentGrid()->rowCount(), 1010);
    ASSERT_TRUE(session.query().query({"和值"}).has_value());
    EXPECT_FALSE(session.query().cache().empty());

    // A new range rebuilds the chart shown and empties the statistics.
    ASSERT_TRUE(session.chooseRecent("30").has_value());
    EXPECT_EQ(session.currentGrid()->rowCount(), 40);
    EXPECT_EQ(session.currentGrid()->text(2, 0), "2021170");
    EXPECT_TRUE(session.query().cache().empty());
    EXPECT_EQ(session.query().workList().size(), 30u);
    // A refused range changes nothing: the next chart is still built over the 30 draws in force.
    EXPECT_FALSE(session.changeRange(5, 5).has_value());
    EXPECT_EQ(session.currentGrid()->rowCount(), 40);
    EXPECT_EQ(session.statusText(), "当前统计：30期");
    session.ShowChart("大小参数");
    ASSERT_NE(session.currentGrid(), nullptr);
    EXPECT_EQ(session.currentGrid()->rowCount(), 40);
    EXPECT_EQ(session.query().workList().size(), 30u);
}

TEST(ChartSession, SourcesAndHelp) {
    const DrawList draws{{"1", "123"}, {"2", "456"}, {"3", "789"}};
    const TrackTable table = TrackTable::ComputeTrackTable(draws, {"135", "246"}, 3);
    auto drawn = sourceDraws(draws, table, "开奖号码");
    ASSERT_TRUE(drawn.has_value());
    EXPECT_EQ(*drawn, draws);
    auto track = sourceDraws(draws, table, "星轨2");
    ASSERT_TRUE(track.has_value());
    ASSERT_EQ(track->size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ((*track)[i].digits, table.blockValue(2, i));
    EXPECT_FALSE(sourceDraws(draws, table, "星轨7").has_value());
    EXPECT_FALSE(sourceDraws(draws, table, "奖号").has_value());

    const std::vector<ChartHelp> help{{"常规参数", "t", "第一行\n第二行"}};
    EXPECT_EQ(chartHelpLines(help, "常规参数"), (std::vector<std::string>{"第一行", "第二行"}));
    EXPECT_EQ(chartHelpLines(help, "组选参数"), (std::vector<std::string>{"无帮助"}));
}
