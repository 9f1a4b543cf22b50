#include <gtest/gtest.h>

#include "core/shrink/series_history.h"

using namespace p3::core;

namespace {
DrawList drawsOf(std::initializer_list<const char*> numbers) {
    DrawList draws;
    int period = 1;
    for (const char* n : numbers)
        draws.push_back({std::to_string(period++), n});
    return draws;
}
ReferenceElement preset(ConditionKind kind, const DrawList& draws) {
    auto r = SeriesPreset(kind, SeriesHistory{&draws, nullptr}, 0);
    EXPECT_TRUE(r && r->has_value());
    return r && *r ? **r : ReferenceElement{};
}
} // namespace

TEST(SeriesPreset, RepeatGapMiddle) {
    EXPECT_EQ(preset(16, drawsOf({"128", "305"})), (ReferenceElement{"035", "128", "4679", 0}));
    EXPECT_EQ(preset(16, drawsOf({"530", "305"})), (ReferenceElement{"035", "", "1246789", 0}));
    // One period only: the missing period before contributes no digits.
    EXPECT_EQ(preset(16, drawsOf({"305"})), (ReferenceElement{"035", "", "1246789", 0}));
}

TEST(SeriesPreset, AdjacentIsolatedTransmitted) {
    EXPECT_EQ(preset(17, drawsOf({"090"})), (ReferenceElement{"18", "234567", "09", 0}));
    EXPECT_EQ(preset(17, drawsOf({})), (ReferenceElement{"", "0123456789", "", 0}));
}

TEST(SeriesPreset, HotWarmColdOverSevenPeriods) {
    const auto draws = drawsOf({"999", "123", "145", "167", "189", "102", "234", "456"});
    EXPECT_EQ(preset(18, draws), (ReferenceElement{"124", "356", "0789", 0}));
}

TEST(SeriesPreset, AnyPositionTailsAndRefusals) {
    // 305 gives tails 3+0, 3+5, 0+5 = 385; 128 gives 3 9 0.
    EXPECT_EQ(preset(21, drawsOf({"128", "305"})), (ReferenceElement{"358", "09", "12467", 0}));
    const auto one = drawsOf({"305"});
    auto none = SeriesPreset(21, SeriesHistory{&one, nullptr}, 0);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->has_value());
    auto refused = SeriesPreset(16, SeriesHistory{&one, nullptr}, 7);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "星轨参数只支持 星轨1..星轨6");
}

TEST(SeriesPreset, TrackSeriesComesFromTheTrackTable) {
    DrawList draws;
    for (int i = 0; i < 40; ++i)
        draws.push_back({std::to_string(i + 1), std::to_string(100 + (i * 37) % 900)});
    const std::vector<std::string> publicNumbers{"123", "456", "789", "012", "345"};
    const auto table = TrackTable::ComputeTrackTable(draws, publicNumbers, 3);
    const SeriesHistory history{&draws, &table};
    const auto latest = history.value(2, draws.size() - 1);
    ASSERT_EQ(latest, table.blockValue(2, draws.size() - 1));
    auto r = SeriesPreset(17, history, 2);
    ASSERT_TRUE(r && r->has_value());
    for (char c : latest)
        EXPECT_NE((*r)->set3.find(c), std::string::npos);
    EXPECT_EQ((*r)->series, 2);
}
