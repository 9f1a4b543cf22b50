#pragma once
/// What a click on a group's "图表　遗漏" header of the main grid asks the chart window to show.
#include <QString>

namespace p3::gui {

/// The part of a group's "图表　遗漏" header the mouse is over.
enum class HeaderPart { None = 0, Chart = 1, Omission = 2 };

struct ChartRequest {
    QString title;       ///< "开奖号码" or "星轨" + k
    int firstColumn = 1; ///< the group's first grid column
    QString lotteryName;
    HeaderPart view = HeaderPart::Chart; ///< Chart: "图表分析", Omission: "遗漏查询"
};

} // namespace p3::gui
