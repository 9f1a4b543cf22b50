#pragma once
/// A readable account of what a condition line holds, for the condition list's tooltip: the stored line
/// itself is left as it is.
#include <string>

#include "core/catalogue/condition_line.h"

namespace p3::core {

/// One text line for the line as a whole (name, 保留/排除, use and tolerances), then one line per record
/// ("和值：1 3 5（保留）"), with count lists, row lists and history references spelt out in words.
[[nodiscard]] std::string describeConditionLine(const ConditionLine& line);

} // namespace p3::core
