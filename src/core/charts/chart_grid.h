#pragma once
/// A built trend chart as a plain grid that any view can paint: cell texts, row and column roles, ball
/// pictures, colour bands, waiting counts, line groups and the pairs of cells the connecting lines join.
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// What a grid row is.
enum class ChartRowRole : std::uint8_t {
    GroupTitle,     ///< row 0: group titles
    Header,         ///< column headers (the bias chart has three such rows)
    Draw,           ///< one draw of the range
    Prediction,     ///< the prediction row
    RepeatedHeader, ///< the headers again (the bias chart: code letters)
    Statistics,     ///< one of the five statistics rows
    ClosingTitle,   ///< the group titles again
    Diagonal,       ///< the slant charts' rows after the prediction row
};

struct Rgb {
    std::uint8_t r, g, b;
};

/// The four background colours of the colour bands, in band order.
inline constexpr std::array<Rgb, 4> kChartBandColours{
    {{255, 255, 224}, {238, 255, 255}, {255, 240, 238}, {230, 255, 240}}};

/// Labels of the five statistics rows.
inline constexpr std::array<std::string_view, 5> kFooterLabels{"出现总次数", "当前遗漏值", "历史平均遗漏值",
                                                               "历史最大遗漏值", "历史最大连出值"};

/// An inclusive range of columns.
struct ColumnRange {
    int first = 0;
    int last = 0;
    bool contains(int column) const noexcept { return column >= first && column <= last; }
    bool operator==(const ColumnRange&) const = default;
};

/// A column group as the title rows show it.
struct ChartGroupSpan {
    std::string title;
    int first = 0;
    int last = 0;
    int row = 0; ///< the title row: 0, or 1 for the bias chart's titles over parts of a group
};

/// How one column is painted and counted.
struct ChartColumn {
    std::string header;         ///< row 1 text; empty for a spacer
    int width = 20;             ///< pixels
    bool spacer = false;        ///< no marks, ball, waiting count or statistics
    int band = -1;              ///< colour band of draw and prediction cells, -1 for none
    std::string image;          ///< ball picture: a prefix ending in "_" (+ the cell text) or a complete name
    bool redForRepeats = false; ///< "Red_" for a value the draw has more than once, else the image prefix
    bool textCell = false;      ///< shows its text (复码 …) instead of a ball
    bool multiChoice = false;   ///< the prediction row toggles it freely
    bool hasStatistics = false;
    bool waitingCounts = false; ///< empty draw cells show a waiting count
    char codeLetter = 0;        ///< the bias chart's prediction letter
};

/// Two cells joined by a connecting line: the upper mark and the mark in the row below it.
struct LinePair {
    int upperRow = 0, upperColumn = 0, lowerRow = 0, lowerColumn = 0;
    bool operator==(const LinePair&) const = default;
};

class ChartGrid {
public:
    ChartGrid() = default;
    ChartGrid(int kind, std::vector<ChartColumn> columns, std::vector<ChartRowRole> rows);

    int kind() const noexcept { return m_kind; }
    int rowCount() const noexcept { return static_cast<int>(m_rows.size()); }
    int columnCount() const noexcept { return static_cast<int>(m_columns.size()); }

    const std::string& text(int row, int column) const;
    /// Whether a cell holds any text.
    bool hasText(int row, int column) const { return m_cells[index(row, column)] != kNoText; }
    void setText(int row, int column, std::string text);
    /// Writes the column's header into a cell (the usual mark).
    void setHeaderText(int row, int column) { m_cells[index(row, column)] = kHeaderText; }
    /// Marks a cell whose value the draw holds more than once (its ball turns "Red_").
    void setRepeated(int row, int column) { m_repeated[index(row, column)] = 1; }

    ChartRowRole rowRole(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    const ChartColumn& column(int column) const { return m_columns[static_cast<std::size_t>(column)]; }
    const std::vector<ChartColumn>& columns() const noexcept { return m_columns; }
    const std::vector<ChartGroupSpan>& groups() const noexcept { return m_groups; }
    void addGroup(ChartGroupSpan group) { m_groups.push_back(std::move(group)); }

    int firstDrawRow() const noexcept { return m_firstDrawRow; }
    int drawCount() const noexcept { return m_drawCount; }
    /// The prediction row, or -1.
    int predictionRow() const noexcept { return m_predictionRow; }

    /// A chart column cell of a draw or the prediction row that holds a mark.
    bool isMark(int row, int column) const;
    /// The ball picture of a cell with ".bmp", or "" when the cell shows none.
    std::string ballImage(int row, int column) const;
    /// The waiting count an empty draw cell shows, or -1.
    int waitingCount(int row, int column) const {
        return m_waiting.empty() ? -1 : m_waiting[index(row, column)];
    }

    const std::vector<ColumnRange>& lineGroups() const noexcept { return m_lineGroups; }
    const std::vector<ColumnRange>& choiceGroups() const noexcept { return m_choiceGroups; }
    void setLineGroups(std::vector<ColumnRange> groups) { m_lineGroups = std::move(groups); }
    void setChoiceGroups(std::vector<ColumnRange> groups) { m_choiceGroups = std::move(groups); }
    /// The index of the line group holding a column, or -1.
    int lineGroupOf(int column) const noexcept;
    /// The index of the choice group holding a column, or -1.
    int choiceGroupOf(int column) const noexcept;

    /// The lines whose upper end lies in rows [fromRow, toRow] (the view passes its visible rows): in each
    /// line group, a mark joins the first mark of the row below in the same group, when that is in another
    /// column. Lines run down to the prediction row (the slant charts: to the last draw row).
    std::vector<LinePair> connectingLines(int fromRow = 0, int toRow = 1 << 30) const;

    /// A click on a prediction cell (M_GridMouseDown); true when a cell changed.
    bool clickPrediction(int column);

    /// Writes the waiting counts of the draw rows and the statistics rows. Called once the marks are written.
    void finish();

    /// Writes the five statistics rows of every counted column from the marks of the draw rows (predictions
    /// are not counted).
    void ColumnFooterStatistics();

    /// The slant charts' hint for a prediction cell right of column 14: a blank, the header, "= " and the
    /// candidate list; "" for any other cell.
    std::string predictionHint(int row, int column) const;

    /// Every cell of a row, as the CLI prints it.
    std::vector<std::string> rowTexts(int row) const;

private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * m_columns.size() + static_cast<std::size_t>(column);
    }
    void computeWaitingCounts();

    // A cell holds no text, its column's header (most marks), or a text of its own kept in m_texts: a
    // chart over ten thousand draws has close to a million cells, and most of them are empty.
    static constexpr std::uint32_t kNoText = 0;
    static constexpr std::uint32_t kHeaderText = 1;
    static constexpr std::uint32_t kFirstOwnText = 2;

    int m_kind = 0;
    std::vector<ChartColumn> m_columns;
    std::vector<ChartRowRole> m_rows;
    std::vector<std::uint32_t> m_cells;
    std::deque<std::string> m_texts; ///< a deque, so the references text() gives out stay valid
    std::vector<std::uint8_t> m_repeated;
    std::vector<std::int32_t> m_waiting;
    std::vector<ChartGroupSpan> m_groups;
    std::vector<ColumnRange> m_lineGroups;
    std::vector<ColumnRange> m_choiceGroups;
    int m_firstDrawRow = 0;
    int m_drawCount = 0;
    int m_predictionRow = -1;
};

/// Column ranges from their text: "5 14,15 24" (first and last column, ranges separated by commas).
std::vector<ColumnRange> parseColumnRanges(std::string_view text);

} // namespace p3::core
