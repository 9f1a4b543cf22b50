#include "core/charts/chart_session.h"

#include "core/charts/chart_catalogue.h"
#include "core/charts/chart_tree.h"
#include "core/history/track_table.h"
#include "core/io/text_codec.h"
#include "core/store/draw_database.h"

#include <charconv>

namespace p3::core {

Result<DrawList> sourceDraws(const DrawList& draws, const TrackTable& table, std::string_view sourceName) {
    int series = -1;
    constexpr std::string_view kTrack = "星轨";
    if (sourceName == "开奖号码") {
        series = 0;
    } else if (sourceName.starts_with(kTrack)) {
        const auto digits = sourceName.substr(kTrack.size());
        auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), series);
        if (ec != std::errc{} || ptr != digits.data() + digits.size() || series < 1) series = -1;
    }
    if (series < 0) return fail("没有这个数据源: " + std::string(sourceName));
    DrawList out;
    out.reserve(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
        auto digits = DrawGridSeries(draws, table, series, i);
        if (!digits) return std::unexpected(digits.error());
        out.push_back({draws[i].period, std::move(*digits)});
    }
    return out;
}

std::vector<std::string> chartHelpLines(std::span<const ChartHelp> help, std::string_view leafName) {
    for (const auto& record : help)
        if (record.name == leafName) return splitLines(record.help);
    return {"无帮助"};
}

ChartSession::ChartSession(DrawList draws, const IniFile& ini)
    : m_draws(std::move(draws)), m_range(m_draws.size()), m_query(ini) {
    m_query.setWorkList(analysedNumbers(m_draws, m_range.begin(), m_range.end()));
}

std::span<const Draw> ChartSession::rangeDraws() const {
    if (m_draws.empty()) return {};
    return {m_draws.data() + m_range.begin(), m_range.size()};
}

Status ChartSession::chooseRecent(std::string_view choice) {
    auto status = m_range.chooseRecent(choice);
    if (status) rangeChanged();
    return status;
}

Status ChartSession::changeRange(std::size_t begin, std::size_t end) {
    auto status = m_range.changeRange(begin, end);
    if (status) rangeChanged();
    return status;
}

void ChartSession::rangeChanged() {
    m_query.setWorkList(analysedNumbers(m_draws, m_range.begin(), m_range.end()));
    if (!m_name.empty()) ShowChart(m_name);
}

void ChartSession::ShowChart(std::string_view name) {
    m_name = std::string(name);
    const int kind = chartKindOf(name);
    if (kind == 0) {
        m_kind = kPictureKind;
        m_picture = fixedChartPicture(name);
        m_grid.reset();
        return;
    }
    m_kind = kind;
    m_picture.clear();
    auto grid = BuildChart(kind, rangeDraws());
    if (grid)
        m_grid = std::move(*grid);
    else
        m_grid.reset();
}

} // namespace p3::core
