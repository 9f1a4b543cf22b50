#pragma once
/// The chart window's data without its widgets: the draws of its data source, the statistics range shared
/// by the chart view and the omission query, the chart shown by leaf name, and the help text of a leaf.
#include "core/charts/chart_grid.h"
#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/stats/statistics_query.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

class TrackTable;
struct ChartHelp;

/// The kind the window shows while a fixed chart's picture is up.
inline constexpr int kPictureKind = 100;

/// The draw list of a data source: "开奖号码" the drawn digits, "星轨k" the values of track block k, each
/// row the period and the source's digits (empty where the block has no value yet).
[[nodiscard]] Result<DrawList> sourceDraws(const DrawList& draws, const TrackTable& table,
                                           std::string_view sourceName);

/// The help text of a tree leaf, line by line; "无帮助" when the table has no record of it.
std::vector<std::string> chartHelpLines(std::span<const ChartHelp> help, std::string_view leafName);

class ChartSession {
public:
    /// Opens on the draws of a data source with the default range; `ini` holds the direct counts.
    ChartSession(DrawList draws, const IniFile& ini);

    const DrawList& draws() const noexcept { return m_draws; }
    const StatisticsRange& range() const noexcept { return m_range; }
    /// The draws of the range, oldest first.
    std::span<const Draw> rangeDraws() const;
    /// "当前统计：" + n + "期".
    std::string statusText() const { return m_range.statusText(); }

    /// Jin_QshuClick and TjFanWei_BegCloseUp: a new range refills the work list, empties the statistics
    /// and rebuilds the chart shown; a refusal ("请正常设置范围!") leaves the statistics as they were.
    [[nodiscard]] Status chooseRecent(std::string_view choice);
    [[nodiscard]] Status changeRange(std::size_t begin, std::size_t end);

    OmissionQuery& query() noexcept { return m_query; }

    /// ShowChart by leaf name: a chart of the table is built over the range; any other name shows the
    /// picture "Image/" + name + ".jpg" (kind 100).
    void ShowChart(std::string_view name);
    int currentKind() const noexcept { return m_kind; }
    const std::string& currentName() const noexcept { return m_name; }
    /// The picture shown for kind 100, relative to the home.
    const std::string& picture() const noexcept { return m_picture; }
    /// The chart shown, or nullptr while a picture is up or nothing was chosen.
    ChartGrid* currentGrid() noexcept { return m_grid ? &*m_grid : nullptr; }

private:
    void rangeChanged();

    DrawList m_draws;
    StatisticsRange m_range;
    OmissionQuery m_query;
    std::string m_name;
    int m_kind = 0;
    std::string m_picture;
    std::optional<ChartGrid> m_grid;
};

} // namespace p3::core
