#pragma once
/// The fixed charts (固定图表): reference tables of the 1000 numbers 000..999, each computed from the
/// number classification the conditions and trend charts use.
#include "core/common/error.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// One fixed chart: a header line and rows of cell texts, every row as long as the header.
struct FixedTable {
    std::string name;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    /// Columns whose cells are single values a grid may draw as balls (the row keys).
    std::vector<int> ballColumns;
};

/// The fifteen leaf names of the tree group "固定图表", in tree order.
std::span<const std::string_view> fixedChartNames() noexcept;

/// Whether a leaf name is one of the fixed charts.
bool isFixedChart(std::string_view name) noexcept;

/// The table of a fixed chart; an unknown name is refused with "没有这个固定图表: " + name.
[[nodiscard]] Result<FixedTable> buildFixedChart(std::string_view name);

/// The table as TSV: the header line, then one line per row, fields joined by TAB, LF at every line end.
std::string toTsv(const FixedTable& table);

/// One attribute of a number for the start page: its name and its value as the charts word it.
struct NumberAttribute {
    std::string name;
    std::string value;
};

/// The main attributes of a three-digit number by itself (和值, 跨度, 组选类型, 大小, 奇偶, 012路, 偏态 …).
std::vector<NumberAttribute> numberSummary(std::string_view numberText);

} // namespace p3::core
