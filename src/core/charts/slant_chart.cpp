// The slant-line charts (斜线参数分析, kinds 39..41): the digits of consecutive draws along diagonals and
// the class of every diagonal, with the candidate lists of the next draw.
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_catalogue.h"

#include <algorithm>
#include <array>

namespace p3::core {

namespace {

constexpr std::string_view kSlantColumns = "期号,百,十,个,四,五,百,十,个,四,五,字,连,单,合值,五,四,三,二,一,"
                                           "5L,4L,32L,3L,22L,2L,0L,4L,3L,22L,2L,0L,3L,2L,"
                                           "0L,3L,2L,0L,2L,0L,2L,0L,0L,0,1,2,3,4,5,0,1,2,3,4,5,6,7,8,9";

constexpr std::array<std::string_view, 5> kCountWords{"一", "二", "三", "四", "五"};
constexpr std::array<std::string_view, 3> kPositionWords{"百", "十", "个"};

/// Rows each position's digit moves down, per kind 39, 40, 41.
constexpr std::array<std::array<int, 5>, 3> kShifts{{{0, 1, 2, 3, 4}, {1, 0, 1, 2, 3}, {2, 1, 0, 1, 2}}};

/// What a diagonal falls into.
struct Diagonal {
    int differentDigits = 0; ///< k, 1..5
    std::string runKey;      ///< run lengths + "L"
    int runColumn = -1;
    int odd = 0;
    int sumTail = 0;
};

/// The run-key columns for k different digits and the repeated-digit count.
ColumnRange runRange(int k, int repeated) {
    switch (k) {
    case 5:
        return {20, 26};
    case 4:
        return {27, 31};
    case 3:
        return repeated == 1 ? ColumnRange{32, 34} : ColumnRange{35, 37};
    case 2:
        return repeated == 1 ? ColumnRange{38, 39} : ColumnRange{40, 41};
    default:
        return {42, 42};
    }
}

Diagonal classify(const std::vector<int>& digits, const ChartGrid& grid) {
    Diagonal out;
    DigitArray distinct;
    std::vector<int> repeated;
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i];
        const bool seen = std::find(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(i), d) !=
                          digits.begin() + static_cast<std::ptrdiff_t>(i);
        if (seen) {
            if (std::find(repeated.begin(), repeated.end(), d) == repeated.end()) repeated.push_back(d);
        } else {
            distinct.push_back(d);
        }
        out.odd += d % 2;
        sum += d;
    }
    std::sort(distinct.begin(), distinct.end());
    out.differentDigits = static_cast<int>(distinct.size());
    out.runKey = Get_Fun_Class::GetConsecutiveRuns(distinct) + "L";
    out.sumTail = sum % 10;
    const ColumnRange range = runRange(out.differentDigits, static_cast<int>(repeated.size()));
    for (int c = range.first; c <= range.last; ++c)
        if (grid.column(c).header == out.runKey) out.runColumn = c;
    return out;
}

std::vector<int> diagonalDigits(const ChartGrid& grid, int row) {
    std::vector<int> digits;
    for (int c = 6; c <= 10; ++c)
        if (!grid.text(row, c).empty()) digits.push_back(grid.text(row, c)[0] - '0');
    return digits;
}

std::vector<ChartColumn> slantColumns() {
    std::vector<ChartColumn> columns;
    const auto headers = Get_Fun_Class::SplitText(",", kSlantColumns, true);
    for (std::size_t i = 0; i < headers.size(); ++i) {
        ChartColumn c;
        c.header = headers[i];
        // Header text width: about 12 pixels a Chinese character, 7 a letter or digit; plus 6, at least 22.
        int textWidth = 0;
        for (unsigned char ch : c.header)
            if (ch < 0x80)
                textWidth += 7;
            else if (ch >= 0xC0)
                textWidth += 12;
        c.width = i == 0 ? 60 : std::max(22, textWidth + 6);
        c.textCell = i < 15;
        if (i >= 15) {
            c.image = i <= 42 ? "qin_" : (i <= 48 ? "BlueD_" : "Qin_");
            c.band = i <= 19 ? 0 : (i <= 42 ? 1 : (i <= 48 ? 2 : 0));
            c.waitingCounts = true;
        }
        columns.push_back(std::move(c));
    }
    return columns;
}

} // namespace

ChartGrid buildSlantChart(int kind, std::span<const Draw> draws) {
    const std::size_t position = static_cast<std::size_t>(kind - 39);
    const int n = static_cast<int>(draws.size());
    std::vector<ChartRowRole> rows{ChartRowRole::GroupTitle, ChartRowRole::Header};
    rows.insert(rows.end(), draws.size(), ChartRowRole::Draw);
    rows.push_back(ChartRowRole::Prediction);
    rows.insert(rows.end(), static_cast<std::size_t>(3 - position), ChartRowRole::Diagonal);
    ChartGrid grid(kind, slantColumns(), std::move(rows));
    grid.setLineGroups(parseColumnRanges("15 19,20 42,43 48,49 58"));

    const std::string word(kPositionWords[position]);
    for (ChartGroupSpan span :
         {ChartGroupSpan{"常规排列", 1, 5, 0}, ChartGroupSpan{word + "斜线排列图", 6, 10, 0},
          ChartGroupSpan{word + "位斜线参数", 11, 14, 0}, ChartGroupSpan{"斜线字型细分图", 15, 19, 0},
          ChartGroupSpan{"五字型连号细分", 20, 26, 0}, ChartGroupSpan{"四字型连号细分", 27, 31, 0},
          ChartGroupSpan{"三字型T", 32, 34, 0}, ChartGroupSpan{"三字2B", 35, 37, 0},
          ChartGroupSpan{"二4T", 38, 39, 0}, ChartGroupSpan{"二TB", 40, 41, 0},
          ChartGroupSpan{"一", 42, 42, 0}, ChartGroupSpan{"单数个数", 43, 48, 0},
          ChartGroupSpan{"百位斜线合值", 49, 58, 0}}) {
        grid.setText(0, span.first, span.title);
        grid.addGroup(std::move(span));
    }
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setText(1, c, grid.column(c).header);

    const auto& shift = kShifts[position];
    for (int i = 0; i < n; ++i) {
        const int row = 2 + i;
        const Draw& draw = draws[static_cast<std::size_t>(i)];
        grid.setText(row, 0, draw.period);
        for (std::size_t p = 0; p < 5 && p < draw.digits.size(); ++p) {
            const std::string digit(1, draw.digits[p]);
            grid.setText(row, 1 + static_cast<int>(p), digit);
            grid.setText(row + shift[p], 6 + static_cast<int>(p), digit);
        }
    }
    for (int i = 0; i < n; ++i) {
        const int row = 2 + i;
        const auto digits = diagonalDigits(grid, row);
        if (digits.empty()) continue;
        const Diagonal d = classify(digits, grid);
        const std::string countWord(kCountWords[static_cast<std::size_t>(d.differentDigits - 1)]);
        grid.setText(row, 11, countWord);
        grid.setText(row, 20 - d.differentDigits, countWord);
        grid.setText(row, 12, d.runKey);
        if (d.runColumn >= 0) grid.setText(row, d.runColumn, d.runKey);
        grid.setText(row, 13, std::to_string(d.odd));
        grid.setText(row, 43 + d.odd, std::to_string(d.odd));
        grid.setText(row, 14, std::to_string(d.sumTail));
        grid.setText(row, 49 + d.sumTail, std::to_string(d.sumTail));
    }
    // The prediction row: every candidate digit listed where the diagonal it completes would fall.
    const int prediction = n + 2;
    grid.setText(prediction, 0, "下期预测------->");
    const auto known = diagonalDigits(grid, prediction);
    auto append = [&](int column, char candidate) {
        grid.setText(prediction, column, grid.text(prediction, column) + candidate);
    };
    for (int candidate = 0; candidate <= 9; ++candidate) {
        auto digits = known;
        digits.push_back(candidate);
        const Diagonal d = classify(digits, grid);
        const char c = static_cast<char>('0' + candidate);
        append(20 - d.differentDigits, c);
        if (d.runColumn >= 0) append(d.runColumn, c);
        append(43 + d.odd, c);
        append(49 + d.sumTail, c);
    }
    grid.finish();
    return grid;
}

} // namespace p3::core
