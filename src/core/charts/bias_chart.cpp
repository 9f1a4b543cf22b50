// The bias chart (偏态细分, kind 38): size, parity and prime make-up of every draw and its bias class.
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_catalogue.h"
#include "core/stats/omission_statistics.h"

#include <array>

namespace p3::core {

namespace {

/// One chart column of the bias grid: its three header lines, the mark a draw writes and its band.
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
    {{"偏", "", "假"}, "W", 0},   {{"真", "", "正"}, "V", 0},   {{"偏", "", "态"}, "P", 1},
    {{"假", "对", "子"}, "B", 1}, {{"真", "", "正"}, "V", 1},   {{"三", "重", "偏"}, "E", 2},
    {{"两", "重", "偏"}, "F", 2}, {{"", "偏", "大"}, "D", 2},   {{"", "偏", "小"}, "X", 2},
    {{"", "偏", "奇"}, "J", 2},   {{"", "偏", "偶"}, "O", 2},   {{"", "偏", "质"}, "Z", 2},
    {{"", "偏", "合"}, "H", 2},   {{"", "假", "质"}, "M", 2},   {{"", "假", "合"}, "N", 2},
    {{"", "0", "5"}, "Q", 2},     {{"", "1", "6"}, "I", 2},     {{"", "2", "7"}, "T", 2},
    {{"", "3", "8"}, "K", 2},     {{"", "4", "9"}, "R", 2},     {{"真", "", "正"}, "V", 2},
}};

/// The prediction letter of each chart column 5..37.
constexpr std::string_view kCodeLetters = "AXDCGOJUSHZYWVPBVEFDXJOZHMNQITKRV";

/// The bias classes in the order of the columns 22..37.
constexpr std::array<std::string_view, 16> kClassColumns{
    "三重偏", "两重偏", "偏大",     "偏小",     "偏奇",     "偏偶",     "偏质",     "偏合",
    "假质",   "假合",   "假对子05", "假对子16", "假对子27", "假对子38", "假对子49", "真正"};

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
        c.codeLetter = kCodeLetters[i];
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
    for (std::size_t i = 0; i < kCodeLetters.size(); ++i)
        grid.setText(n + 5, 5 + static_cast<int>(i), std::string(1, kCodeLetters[i]));
    grid.setText(n + 4, 0, "预测行");
    for (std::size_t i = 0; i < kFooterLabels.size(); ++i)
        grid.setText(n + 6 + static_cast<int>(i), 0, std::string(kFooterLabels[i]));

    auto put = [&](int row, int column) {
        grid.setText(row, column, std::string(kBiasColumns[static_cast<std::size_t>(column - 5)].mark));
    };
    for (int i = 0; i < n; ++i) {
        const int row = 4 + i;
        const Draw& draw = draws[static_cast<std::size_t>(i)];
        writeDrawColumns(grid, row, draw);
        const int number = analysedNumber(draw.digits);
        if (number < 0) continue;
        const std::string text = draw.digits.substr(0, 3);
        const DigitArray d{number / 100, number / 10 % 10, number % 10};
        put(row, 5 + Get_Fun_Class::CountDigitsInSet(text, "01234"));
        put(row, 9 + Get_Fun_Class::CountDigitsInSet(text, "02468"));
        put(row, 13 + Get_Fun_Class::CountDigitsInSet(text, "04689"));
        const std::string_view cls = Get_Fun_Class::GetBiasClass(d);
        const bool isTrue = cls == "真正";
        put(row, isTrue ? 18 : 17);
        put(row, cls.find("假对子") != std::string_view::npos ? 20 : (isTrue ? 21 : 19));
        for (std::size_t k = 0; k < kClassColumns.size(); ++k)
            if (kClassColumns[k] == cls) put(row, 22 + static_cast<int>(k));
    }
    grid.finish();
    return grid;
}

} // namespace p3::core
