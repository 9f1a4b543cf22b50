// The slant-line charts (斜线参数分析, kinds 39..41): the digits of consecutive draws along diagonals and
// the class of every diagonal, with the candidate lists of the next draw.
#include "core/attributes/get_fun_class.h"
#include "core/charts/chart_catalogue.h"

#include <algorithm>
#include <array>
#include <bit>

namespace p3::core {

namespace {

constexpr std::string_view kSlantColumns = "期号,百,十,个,四,五,百,十,个,四,五,字,连,单,合值,五,四,三,二,一,"
                                           "5L,4L,32L,3L,22L,2L,0L,4L,3L,22L,2L,0L,3L,2L,"
                                           "0L,3L,2L,0L,2L,0L,2L,0L,0L,0,1,2,3,4,5,0,1,2,3,4,5,6,7,8,9";

constexpr std::array<std::string_view, 5> kCountWords{"一", "二", "三", "四", "五"};
constexpr std::array<std::string_view, 3> kPositionWords{"百", "十", "个"};

/// Rows each position's digit moves down, per kind 39, 40, 41.
constexpr std::array<std::array<int, 5>, 3> kShifts{{{0, 1, 2, 3, 4}, {1, 0, 1, 2, 3}, {2, 1, 0, 1, 2}}};

/// The digits of one diagonal (at most five), in position order.
struct DiagonalDigits {
    std::array<int, 5> digits{};
    int count = 0;
};

/// What a diagonal falls into.
struct Diagonal {
    int differentDigits = 0; ///< k, 1..5
    int runKey = 0;          ///< index into the run keys (runKeys())
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

/// The run key (runs + "L") of every set of different digits, by its bit mask: a diagonal holds at most five
/// digits, so the 1024 sets are worked out once.
const std::array<std::string, 1024>& runKeys() {
    static const auto keys = [] {
        std::array<std::string, 1024> out;
        for (unsigned mask = 0; mask < out.size(); ++mask) {
            DigitArray distinct;
            for (int d = 0; d < 10; ++d)
                if (mask >> d & 1u) distinct.push_back(d);
            out[mask] = Get_Fun_Class::GetConsecutiveRuns(distinct) + "L";
        }
        return out;
    }();
    return keys;
}

Diagonal classify(const DiagonalDigits& diagonal, const std::vector<ChartColumn>& columns) {
    Diagonal out;
    unsigned seen = 0, repeatedSet = 0;
    int sum = 0;
    for (int i = 0; i < diagonal.count; ++i) {
        const int d = diagonal.digits[static_cast<std::size_t>(i)];
        const unsigned bit = 1u << d;
        if (seen & bit) repeatedSet |= bit;
        seen |= bit;
        out.odd += d % 2;
        sum += d;
    }
    out.differentDigits = std::popcount(seen);
    out.runKey = static_cast<int>(seen);
    out.sumTail = sum % 10;
    const ColumnRange range = runRange(out.differentDigits, std::popcount(repeatedSet));
    const std::string& key = runKeys()[seen];
    for (int c = range.first; c <= range.last; ++c)
        if (columns[static_cast<std::size_t>(c)].header == key) out.runColumn = c;
    return out;
}

/// The diagonal of grid row 2 + i: each position's digit of the draw that many rows up (its shift), where
/// that draw exists and has the position.
DiagonalDigits diagonalAt(std::span<const Draw> draws, const std::array<int, 5>& shift, int i) {
    DiagonalDigits out;
    for (std::size_t p = 0; p < 5; ++p) {
        const int source = i - shift[p];
        if (source < 0 || source >= static_cast<int>(draws.size())) continue;
        const std::string& digits = draws[static_cast<std::size_t>(source)].digits;
        if (p < digits.size()) out.digits[static_cast<std::size_t>(out.count++)] = digits[p] - '0';
    }
    return out;
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
    const auto& columns = grid.columns();
    for (int i = 0; i < n; ++i) {
        const int row = 2 + i;
        const DiagonalDigits digits = diagonalAt(draws, shift, i);
        if (digits.count == 0) continue;
        const Diagonal d = classify(digits, columns);
        grid.setText(row, 11, std::string(kCountWords[static_cast<std::size_t>(d.differentDigits - 1)]));
        grid.setHeaderText(row, 20 - d.differentDigits);
        grid.setText(row, 12, runKeys()[static_cast<std::size_t>(d.runKey)]);
        if (d.runColumn >= 0) grid.setHeaderText(row, d.runColumn);
        grid.setText(row, 13, std::to_string(d.odd));
        grid.setHeaderText(row, 43 + d.odd);
        grid.setText(row, 14, std::to_string(d.sumTail));
        grid.setHeaderText(row, 49 + d.sumTail);
    }
    // The prediction row: every candidate digit listed where the diagonal it completes would fall.
    const int prediction = n + 2;
    grid.setText(prediction, 0, "下期预测------->");
    const DiagonalDigits known = diagonalAt(draws, shift, n);
    std::array<std::string, 59> candidates;
    for (int candidate = 0; candidate <= 9; ++candidate) {
        DiagonalDigits digits = known;
        digits.digits[static_cast<std::size_t>(digits.count++)] = candidate;
        const Diagonal d = classify(digits, columns);
        const char c = static_cast<char>('0' + candidate);
        candidates[static_cast<std::size_t>(20 - d.differentDigits)] += c;
        if (d.runColumn >= 0) candidates[static_cast<std::size_t>(d.runColumn)] += c;
        candidates[static_cast<std::size_t>(43 + d.odd)] += c;
        candidates[static_cast<std::size_t>(49 + d.sumTail)] += c;
    }
    for (std::size_t c = 0; c < candidates.size(); ++c)
        if (!candidates[c].empty()) grid.setText(prediction, static_cast<int>(c), std::move(candidates[c]));
    grid.finish();
    return grid;
}

} // namespace p3::core
