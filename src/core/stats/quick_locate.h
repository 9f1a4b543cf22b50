#pragma once
/// The quick-locate list of the statistics table: which row the table scrolls to for the i-th kind shown.
#include "core/stats/statistics_query.h"

#include <span>
#include <string>
#include <vector>

namespace p3::core {

/// The top row of the block of kind `line` when the blocks before it have the given numbers of value
/// rows: every block takes its value rows plus its title and header rows. -1 when `line` is past the end.
int quickLocateRow(std::span<const std::size_t> valueRowCounts, std::size_t line) noexcept;

/// The names of the kinds the table shows, in table order.
std::vector<std::string> quickLocateNames(const OmissionQuery& query);

/// The value-row counts of the kinds the table shows, in table order.
std::vector<std::size_t> quickLocateSizes(const OmissionQuery& query);

} // namespace p3::core
