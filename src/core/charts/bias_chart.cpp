// The bias chart (偏态细分, kind 38): size, parity and prime make-up of every draw and its bias class, from
// the attribute table's rows for them and the bias classes' own marks.
#include "core/attributes/attribute_table.h"
#include "core/attributes/bias_classes.h"
#include "core/attributes/value_classes.h"
#include "core/charts/chart_catalogue.h"
#include "core/stats/omission_statistics.h"

#include <array>
#include <cctype>

namespace p3::core {

namespace {

/// The three header lines of the chart columns 5..37, read downwards, and each column's colour band. The
/// make-up columns 5..16 are named from their class words below; the lines here only arrange the summary and
/// class names over three rows.
struct BiasColumn {
    std::array<std::string_view, 3> lines;
    int band;
};

constexpr std::array<BiasColumn, 21> kSummaryAndClassColumns{{
    {{"偏", "", "假"}, 0}, {{"真", "", "正"}, 0},   {{"偏", "", "态"}, 1},   {{"假", "对", "子"}, 1},
    {{"真", "", "正"}, 1}, {{"三", "重", "偏"}, 2}, {{"两", "重", "偏"}, 2}, {{"", "偏", "大"}, 2},
    {{"", "偏", "小"}, 2}, {{"", "偏", "奇"}, 2},   {{"", "偏", "偶"}, 2},   {{"", "偏", "质"}, 2},
    {{"", "偏", "合"}, 2}, {{"", "假", "质"}, 2},   {{"", "假", "合"}, 2},   {{"", "0", "5"}, 2},
    {{"", "1", "6"}, 2},   {{"", "2", "7"}, 2},     {{"", "3", "8"}, 2},     {{"", "4", "9"}, 2},
    {{"真", "", "正"}, 2},
}};

/// The make-up groups: the table's 组选 row counting the "true" digits, its class words and the code letters
/// of its four columns, from all three digits true (大大大) to none.
struct MakeUpGroup {
    AttributeId trueCount;
    BinaryWords words;
    std::string_view letters;
};

constexpr std::array<MakeUpGroup, 3> kMakeUpGroups{{{AttributeId::SizeGroup, kBigSmallWords, "AXDC"},
                                                    {AttributeId::ParityGroup, kOddEvenWords, "GOJU"},
                                                    {AttributeId::PrimeGroup, kPrimeCompositeWords, "SHZY"}}};

constexpr int kTwoWayColumn = 17;
constexpr int kThreeWayColumn = 19;
constexpr int kClassColumn = 22;

/// A column of the chart: its three header lines, band, code letter and the mark a draw writes.
struct Column {
    std::array<std::string, 3> lines;
    int band = 0;
    char code = 0;
    char mark = 0;
};

/// The chart columns 5..37: make-up groups, 二分 and 三细分 from the bias summaries, the classes in their
/// shown order.
std::vector<Column> biasColumns() {
    std::vector<Column> columns;
    for (std::size_t g = 0; g < kMakeUpGroups.size(); ++g) {
        const MakeUpGroup& group = kMakeUpGroups[g];
        for (int falses = 0; falses <= 3; ++falses) {
            Column c;
            for (int line = 0; line < 3; ++line)
                c.lines[static_cast<std::size_t>(line)] =
                    line < 3 - falses ? group.words.yes : group.words.no;
            c.band = static_cast<int>(g);
            c.code = group.letters[static_cast<std::size_t>(falses)];
            // The middle columns write their letter small.
            c.mark = falses == 1 || falses == 2 ? static_cast<char>(std::tolower(c.code)) : c.code;
            columns.push_back(std::move(c));
        }
    }
    std::vector<char> marks;
    for (const auto& value : kBiasTwoWayValues)
        marks.push_back(value.mark);
    for (const auto& value : kBiasThreeWayValues)
        marks.push_back(value.mark);
    for (int c : kBiasDisplayOrder)
        marks.push_back(kBiasClasses[static_cast<std::size_t>(c)].chartMark);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        Column c;
        for (std::size_t line = 0; line < 3; ++line)
            c.lines[line] = kSummaryAndClassColumns[i].lines[line];
        c.band = kSummaryAndClassColumns[i].band;
        c.code = c.mark = marks[i];
        columns.push_back(std::move(c));
    }
    return columns;
}

constexpr std::string_view kGroups = "5 8,9 12,13 16,17 18,19 21,22 37";

} // namespace

ChartGrid buildBiasChart(std::span<const Draw> draws) {
    std::vector<ChartColumn> columns = drawColumns();
    const std::vector<Column> bias = biasColumns();
    for (const Column& b : bias) {
        ChartColumn c;
        for (const auto& line : b.lines)
            c.header += line;
        c.band = b.band;
        c.image = "LanSe_";
        c.hasStatistics = true;
        c.waitingCounts = true;
        c.codeLetter = b.code;
        columns.push_back(std::move(c));
    }
    const int n = static_cast<int>(draws.size());
    std::vector<ChartRowRole> rows{ChartRowRole::GroupTitle, ChartRowRole::Header, ChartRowRole::Header,
                                   ChartRowRole::Header};
    rows.insert(rows.end(), draws.size(), ChartRowRole::Draw);
    rows.push_back(ChartRowRole::Prediction);
    rows.push_back(ChartRowRole::RepeatedHeader);
    rows.insert(rows.end(), kFooterLabels.size(), ChartRowRole::Statistics);
    rows.push_back(ChartRowRole::ClosingTitle);
    ChartGrid grid(38, std::move(columns), std::move(rows));
    grid.setLineGroups(parseColumnRanges(kGroups));
    grid.setChoiceGroups(parseColumnRanges(kGroups));

    const int last = grid.rowCount() - 1;
    for (ChartGroupSpan span :
         {ChartGroupSpan{"号码表", 0, 4, 0}, ChartGroupSpan{"基 本 形 态 细 分 分 布", 5, 16, 0},
          ChartGroupSpan{"二分", 17, 18, 0}, ChartGroupSpan{"三细分", 19, 21, 0},
          ChartGroupSpan{"偏态细分分布图", 22, 37, 0}}) {
        grid.setText(0, span.first, span.title);
        grid.setText(last, span.first, span.title);
        grid.addGroup(std::move(span));
    }
    for (std::size_t i = 0; i < bias.size(); ++i)
        for (int line = 0; line < 3; ++line)
            grid.setText(1 + line, 5 + static_cast<int>(i), bias[i].lines[static_cast<std::size_t>(line)]);
    for (ChartGroupSpan span : {ChartGroupSpan{"一 重 偏", 24, 29, 1}, ChartGroupSpan{"假偏", 30, 31, 1},
                                ChartGroupSpan{"假 对 子", 32, 36, 1}}) {
        grid.setText(1, span.first, span.title);
        grid.addGroup(std::move(span));
    }
    for (int c = 0; c < 5; ++c) {
        grid.setText(3, c, grid.column(c).header);
        grid.setText(n + 5, c, grid.column(c).header);
    }
    for (std::size_t i = 0; i < bias.size(); ++i)
        grid.setText(n + 5, 5 + static_cast<int>(i), std::string(1, bias[i].code));
    grid.setText(n + 4, 0, "预测行");
    for (std::size_t i = 0; i < kFooterLabels.size(); ++i)
        grid.setText(n + 6 + static_cast<int>(i), 0, std::string(kFooterLabels[i]));

    auto put = [&](int row, int column) {
        grid.setText(row, column, std::string(1, bias[static_cast<std::size_t>(column - 5)].mark));
    };
    for (int i = 0; i < n; ++i) {
        const int row = 4 + i;
        const Draw& draw = draws[static_cast<std::size_t>(i)];
        writeDrawColumns(grid, row, draw);
        const int number = analysedNumber(draw.digits);
        if (number < 0) continue;
        for (std::size_t g = 0; g < kMakeUpGroups.size(); ++g)
            put(row, 5 + 4 * static_cast<int>(g) + 3 - attributeIndex(kMakeUpGroups[g].trueCount, number));
        put(row, kTwoWayColumn + attributeIndex(AttributeId::BiasTwoWay, number));
        put(row, kThreeWayColumn + attributeIndex(AttributeId::BiasThreeWay, number));
        put(row, kClassColumn + attributeIndex(AttributeId::BiasClass, number));
    }
    grid.finish();
    return grid;
}

} // namespace p3::core
