// Which grid each chart kind is shown in, as the chart window's tree names them: 偏态细分 (38) in the bias
// grid, 百位/十位/个位斜线参数分析 (39, 40, 41) in the slant grid following their own position.
#include <gtest/gtest.h>

#include "core/charts/chart_catalogue.h"

using namespace p3::core;

TEST(ChartForm, EachKindHasItsGridAndEachSlantChartItsPosition) {
    EXPECT_EQ(chartForm(1), ChartForm::Main);
    EXPECT_EQ(chartForm(28), ChartForm::Main);
    EXPECT_EQ(chartForm(36), ChartForm::Main);
    EXPECT_EQ(chartForm(38), ChartForm::Bias);
    for (int kind : {39, 40, 41})
        EXPECT_EQ(chartForm(kind), ChartForm::Slant) << kind;
    for (int kind : {0, 29, 37, 42})
        EXPECT_EQ(chartForm(kind), ChartForm::None) << kind;
    EXPECT_EQ(slantPosition(39), 0); // 百位
    EXPECT_EQ(slantPosition(40), 1); // 十位
    EXPECT_EQ(slantPosition(41), 2); // 个位
    EXPECT_EQ(slantPosition(38), -1);
    EXPECT_EQ(slantPosition(5), -1);
}
