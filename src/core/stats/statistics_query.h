#pragma once
/// The omission query of the chart window without its widgets: the statistics range, the query of the ticked
/// kinds with its per-range cache, the block layout of the table and the column sort.
#include "core/common/error.h"
#include "core/stats/omission_statistics.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// The choices of the "近 … 期" list; the default is "1000".
inline constexpr std::array<std::string_view, 11> kJinQshuChoices{
    "全部期数", "20", "30", "60", "80", "100", "200", "300", "500", "1000", "2000"};

/// The two range lists over the periods of the draw list: the range is every draw from begin to end.
class StatisticsRange {
public:
    /// Selects the newest 1000 draws (all of them when there are fewer).
    explicit StatisticsRange(std::size_t drawCount);

    std::size_t begin() const noexcept { return m_begin; }
    std::size_t end() const noexcept { return m_end; }
    /// n, the number of draws in the range.
    std::size_t size() const noexcept { return m_end - m_begin + 1; }

    /// A choice of the "近 … 期" list ("全部期数" or a count): begin moves back from the last draw, end to
    /// it; then the range changes as with changeRange.
    [[nodiscard]] Status chooseRecent(std::string_view choice);
    /// The newest `count` draws (all when there are fewer).
    [[nodiscard]] Status chooseLast(std::size_t count);
    /// Both lists chose an item; a begin not before the end is refused with "请正常设置范围!" and the
    /// range stays as it was.
    [[nodiscard]] Status changeRange(std::size_t begin, std::size_t end);

    /// "当前统计：" + n + "期".
    std::string statusText() const;

private:
    std::size_t m_count;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

/// The statistics table (Ms_Grid) and the statistics cache of the current range.
class OmissionQuery {
public:
    using Record = std::shared_ptr<Tj_Inf>;

    /// `ini` holds the direct counts of kinds 1..41 and must outlive the query.
    explicit OmissionQuery(const IniFile& ini) : m_ini(ini) {}

    /// A new range: the work list of its analysed numbers; the displayed list and the cache are emptied.
    void setWorkList(std::vector<int> numbers);
    const std::vector<int>& workList() const noexcept { return m_workList; }

    /// Exec_TuClick with the captions of the ticked boxes in page order; `progress` gets whole percents.
    /// Nothing ticked: "请选择统计的条件名称!"; an unknown name is refused by name; a name given twice is
    /// shown once.
    [[nodiscard]] Status query(const std::vector<std::string>& names,
                               const std::function<void(int)>& progress = {});

    const std::vector<Record>& displayed() const noexcept { return m_displayed; }
    const std::vector<Record>& cache() const noexcept { return m_cache; }

    /// Rows of the table now: title, header and value rows of each block.
    int rowCount() const noexcept { return m_rowCount; }
    /// The fifteen cells of a row: a title row shows "(" + name + ") 遗漏统计" in its first cell.
    std::vector<std::string> rowCells(int row) const;
    enum class RowKind { None, Title, Header, Value };
    RowKind rowKind(int row) const noexcept;

    /// Whether a click on (row, column) sorts: a header row, not the 名称 column of a word-valued kind.
    bool isSortable(int row, int column) const noexcept;
    /// Ms_GridClick: sorts the block by the clicked column and flips the shared direction; false when the
    /// cell does not sort.
    bool sortByColumn(int row, int column);
    /// Whether the next sort is ascending.
    bool ascendingNext() const noexcept { return m_ascending; }

private:
    /// The block of a row and the row's offset in it; nullptr when none.
    const Record* blockOf(int row, int& offset) const noexcept;

    const IniFile& m_ini;
    std::vector<int> m_workList;
    std::vector<Record> m_displayed;
    std::vector<Record> m_cache;
    int m_rowCount = 2;
    bool m_ascending = false;
};

/// The key of a table cell for sorting: integers as they are, texts as a decimal number after dropping a
/// trailing "%", "注" or "号"; kind 17's 名称 by its shape digit. A text that is no number sorts as 0.
double statisticSortKey(const Tj_Inf& info, std::size_t i, int column);

} // namespace p3::core
