// The bias chart (偏态细分, kind 38): size, parity and prime make-up of every draw and its bias class.
#include "core/attributes/attribute_table.h"
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_catalogue.h"
#include "core/stats/omission_statistics.h"

#include <array>

namespace p3::core {

namespace {

/// One chart column of the bias grid: its three header lines, the mark a draw writes (the bias columns from
/// 17 on take theirs from the bias classes) and its band.
struct BiasColumn {
    std::array<std::string_view, 3> lines;
    std::string_view mark;
    int band;
};

constexpr std::array<BiasColumn, 33> kBiasColumns{{
    {{"大", "大", "大"}, "A", 0}, {{"大", "大", "小"}, "x", 0}, {{"大", "小", "小"}, "d", 0},
    {{"小", "小", "小"}, "C", 0}, {{"奇", "奇", "奇"}, "G", 1}, {{"奇", "奇", "偶"}, "o", 1},
    {{"奇", "偶", "偶"}, "j", 1}, {{"偶", "偶", "偶"}, "U", 1}, {{"质", "质", "质"}, "S", 2},
    {{"质", "质", "合"}, "h", 2}, {{"质", "合", "合"}, "z", 2}, {{"合", "合", "合"}, "Y", 2},
    {{"偏", "", "假"}, "", 0},    {{"真", "", "正"}, "", 0},    {{"偏", "", "态"}, "", 1},
    {{"假", "对", "子"}, "", 1},  {{"真", "", "正"}, "", 1},    {{"三", "重", "偏"}, "", 2},
    {{"两", "重", "偏"}, "", 2},  {{"", "偏", "大"}, "", 2},    {{"", "偏", "小"}, "", 2},
    {{"", "偏", "奇"}, "", 2},    {{"", "偏", "偶"}, "", 2},    {{"", "偏", "质"}, "", 2},
    {{"", "偏", "合"}, "", 2},    {{"", "假", "质"}, "", 2},    {{"", "假", "合"}, "", 2},
    {{"", "0", "5"}, "", 2},      {{"", "1", "6"}, "", 2},      {{"", "2", "7"}, "", 2},
    {{"", "3", "8"}, "", 2},      {{"", "4", "9"}, "", 2},      {{"真", "", "正"}, "", 2},
}};

/// The prediction letter of each chart column 5..16; the columns from 17 on are lettered by their marks.
constexpr std::string_view kCodeLetters = "AXDCGOJUSHZY";

/// The first column of 二分 (偏假, 真正), of 三细分 (偏态, 假对子, 真正) and of the sixteen classes.
constexpr int kTwoWayColumn = 17;
constexpr int kThreeWayColumn = 19;
constexpr int kClassColumn = 22;

/// The mark of a column 5..37: the basic columns' own, the bias columns' from the bias classes.
std::string markOf(int column) {
    if (column < kTwoWayColumn) return std::string(kBiasColumns[static_cast<std::size_t>(column - 5)].mark);
    if (column < kThreeWayColumn)
        return {kBiasTwoWayValues[static_cast<std::size_t>(column - kTwoWayColumn)].mark};
    if (column < kClassColumn)
        return {kBiasThreeWayValues[static_cast<std::size_t>(column - kThreeWayColumn)].mark};
    const int bias = kBiasDisplayOrder[static_cast<std::size_t>(column - kClassColumn)];
    return {kBiasClasses[static_cast<std::size_t>(bias)].chartMark};
}

std::string codeLetterOf(int column) {
    return column < kTwoWayColumn ? std::string(1, kCodeLetters[static_cast<std::size_t>(column - 5)])
                                  : markOf(column);
}

constexpr std::string_view kGroups = "5 8,9 12,13 16,17 18,19 21,22 37";

} // namespace

ChartGrid buildBiasChart(std::span<const Draw> draws) {
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
    for (std::size_t i = 0; i < kBiasColumns.size(); ++i) {
        ChartColumn c;
        for (auto line : kBiasColumns[i].lines)
            c.header += line;
        c.band = kBiasColumns[i].band;
        c.image = "LanSe_";
        c.hasStatistics = true;
        c.waitingCounts = true;
        c.codeLetter = codeLetterOf(5 + static_cast<int>(i))[0];
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
    for (std::size_t i = 0; i < kBiasColumns.size(); ++i)
        for (int line = 0; line < 3; ++line)
            grid.setText(1 + line, 5 + static_cast<int>(i),
                         std::string(kBiasColumns[i].lines[static_cast<std::size_t>(line)]));
    for (ChartGroupSpan span : {ChartGroupSpan{"一 重 偏", 24, 29, 1}, ChartGroupSpan{"假偏", 30, 31, 1},
                                ChartGroupSpan{"假 对 子", 32, 36, 1}}) {
        grid.setText(1, span.first, span.title);
        grid.addGroup(std::move(span));
    }
    for (int c = 0; c < 5; ++c) {
        grid.setText(3, c, std::string(headers[static_cast<std::size_t>(c)]));
        grid.setText(n + 5, c, std::string(headers[static_cast<std::size_t>(c)]));
    }
    for (int column = 5; column < 38; ++column)
        grid.setText(n + 5, column, codeLetterOf(column));
    grid.setText(n + 4, 0, "预测行");
    for (std::size_t i = 0; i < kFooterLabels.size(); ++i)
        grid.setText(n + 6 + static_cast<int>(i), 0, std::string(kFooterLabels[i]));

    auto put = [&](int row, int column) { grid.setText(row, column, markOf(column)); };
    for (int i = 0; i < n; ++i) {
        const int row = 4 + i;
        const Draw& draw = draws[static_cast<std::size_t>(i)];
        writeDrawColumns(grid, row, draw);
        const int number = analysedNumber(draw.digits);
        if (number < 0) continue;
        const std::string text = draw.digits.substr(0, 3);
        put(row, 5 + Get_Fun_Class::CountDigitsInSet(text, "01234"));
        put(row, 9 + Get_Fun_Class::CountDigitsInSet(text, "02468"));
        put(row, 13 + Get_Fun_Class::CountDigitsInSet(text, "04689"));
        put(row, kTwoWayColumn + attributeIndex(AttributeId::BiasTwoWay, number));
        put(row, kThreeWayColumn + attributeIndex(AttributeId::BiasThreeWay, number));
        put(row, kClassColumn + attributeIndex(AttributeId::BiasClass, number));
    }
    grid.finish();
    return grid;
}

} // namespace p3::core
