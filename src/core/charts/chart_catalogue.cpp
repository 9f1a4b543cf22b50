#include "core/charts/chart_catalogue.h"

#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_layout.h"
#include "core/stats/omission_statistics.h"

#include <charconv>

namespace p3::core {

namespace {

using charts::GroupSpec;
using charts::MainChartSpec;

/// The columns of one laid-out group, appended in header order.
void appendGroup(const GroupSpec& group, std::vector<ChartColumn>& columns) {
    const auto& headers = group.columns;
    const auto widths = Get_Fun_Class::SplitText(",", group.widths, false);
    const bool red = group.image == "Red_/BlueD_";
    const auto names = red ? std::vector<std::string>{} : Get_Fun_Class::SplitText("/", group.image, false);
    std::size_t nextName = 0;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        ChartColumn c;
        c.header = headers[i];
        c.band = group.band;
        c.spacer = c.header.empty();
        c.textCell = i < widths.size();
        if (c.textCell) std::from_chars(widths[i].data(), widths[i].data() + widths[i].size(), c.width);
        if (c.spacer) c.width = 8;
        const bool marks = !c.spacer && !c.textCell;
        if (marks && red) {
            c.image = "BlueD_";
            c.redForRepeats = true;
        } else if (marks && names.size() == 1) {
            c.image = names.front();
        } else if (marks && nextName < names.size()) {
            c.image = names[nextName++];
        }
        c.multiChoice = marks && group.multiChoice;
        // Only a spacer is left out: an empty 号码 text cell waits and counts like a mark cell.
        c.hasStatistics = !c.spacer;
        c.waitingCounts = !c.spacer;
        columns.push_back(std::move(c));
    }
}

std::vector<ChartRowRole> mainRows(std::size_t drawCount) {
    std::vector<ChartRowRole> rows{ChartRowRole::GroupTitle, ChartRowRole::Header};
    rows.insert(rows.end(), drawCount, ChartRowRole::Draw);
    rows.push_back(ChartRowRole::Prediction);
    rows.push_back(ChartRowRole::RepeatedHeader);
    rows.insert(rows.end(), kFooterLabels.size(), ChartRowRole::Statistics);
    rows.push_back(ChartRowRole::ClosingTitle);
    return rows;
}

ChartGrid buildMainChart(const MainChartSpec& spec, std::span<const Draw> draws) {
    std::vector<ChartColumn> columns = drawColumns();
    std::vector<ChartGroupSpan> spans{{"号码表", 0, 4, 0}};
    for (const auto& group : spec.groups) {
        const int first = static_cast<int>(columns.size());
        appendGroup(group, columns);
        spans.push_back({std::string(group.title), first, static_cast<int>(columns.size()) - 1, 0});
    }
    const int n = static_cast<int>(draws.size());
    ChartGrid grid(spec.kind, std::move(columns), mainRows(draws.size()));
    for (auto& span : spans)
        grid.addGroup(std::move(span));
    grid.setLineGroups(spec.lineRanges);
    grid.setChoiceGroups(spec.choiceRanges);

    const int last = grid.rowCount() - 1;
    for (const auto& span : grid.groups()) {
        grid.setText(0, span.first, span.title);
        grid.setText(last, span.first, span.title);
    }
    for (int c = 0; c < grid.columnCount(); ++c) {
        grid.setText(1, c, grid.column(c).header);
        grid.setText(n + 3, c, grid.column(c).header);
    }
    grid.setText(n + 2, 0, "预测行");
    for (std::size_t i = 0; i < kFooterLabels.size(); ++i)
        grid.setText(n + 4 + static_cast<int>(i), 0, std::string(kFooterLabels[i]));

    std::vector<int> numbers;
    numbers.reserve(draws.size());
    for (const auto& draw : draws)
        numbers.push_back(analysedNumber(draw.digits));
    for (int i = 0; i < n; ++i) {
        const int row = 2 + i;
        writeDrawColumns(grid, row, draws[static_cast<std::size_t>(i)]);
        const int number = numbers[static_cast<std::size_t>(i)];
        if (number < 0) continue;
        charts::RowContext context;
        context.numbers = numbers;
        context.index = static_cast<std::size_t>(i);
        context.number = number;
        context.digits = {number / 100, number / 10 % 10, number % 10};
        charts::computeHistory(spec.history, context);
        charts::RowWriter writer(grid, row);
        charts::writeMarks(spec, context, writer);
    }
    grid.finish();
    return grid;
}

} // namespace

std::vector<ChartColumn> drawColumns() {
    constexpr std::array<std::string_view, 5> headers{"期号", "奖号", "群号", "和", "跨"};
    constexpr std::array<int, 5> widths{60, 30, 30, 20, 20};
    std::vector<ChartColumn> columns;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        ChartColumn c;
        c.header = std::string(headers[i]);
        c.width = widths[i];
        c.textCell = true;
        columns.push_back(std::move(c));
    }
    return columns;
}

ChartForm chartForm(int kind) noexcept {
    if ((kind >= 1 && kind <= 28) || (kind >= 30 && kind <= 36)) return ChartForm::Main;
    if (kind == 38) return ChartForm::Bias;
    if (kind >= 39 && kind <= 41) return ChartForm::Slant;
    return ChartForm::None;
}

int slantPosition(int kind) noexcept {
    return chartForm(kind) == ChartForm::Slant ? kind - 39 : -1;
}

bool isChartKind(int kind) noexcept {
    return chartForm(kind) != ChartForm::None;
}

void writeDrawColumns(ChartGrid& grid, int row, const Draw& draw) {
    grid.setText(row, 0, draw.period);
    const int number = analysedNumber(draw.digits);
    if (number < 0) return;
    const DigitArray d{number / 100, number / 10 % 10, number % 10};
    grid.setText(row, 1, draw.digits.substr(0, 3));
    grid.setText(row, 2, std::string(Get_Fun_Class::GetOrderShapeText(d)));
    grid.setText(row, 3, std::to_string(digitSum(d)));
    grid.setText(row, 4, std::to_string(Get_Fun_Class::GetSpan(d)));
}

std::string chartColumnDefinition(int kind) {
    if (kind >= 38) {
        auto grid = BuildChart(kind, {});
        if (!grid) return {};
        std::string text;
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (c) text += ',';
            if (kind > 38 || c >= 5) text += grid->column(c).header;
        }
        return text;
    }
    const MainChartSpec* spec = charts::mainChartSpec(kind);
    if (!spec) return {};
    std::string text = ",,,,";
    for (const auto& group : spec->groups)
        for (const auto& header : group.columns) {
            text += ',';
            text += header;
        }
    return text;
}

Result<ChartGrid> BuildChart(int kind, std::span<const Draw> draws) {
    if (kind == 38) return buildBiasChart(draws);
    if (kind >= 39 && kind <= 41) return buildSlantChart(kind, draws);
    const MainChartSpec* spec = charts::mainChartSpec(kind);
    if (!spec) return fail("没有这个图表: " + std::to_string(kind));
    return buildMainChart(*spec, draws);
}

} // namespace p3::core
