#pragma once
/// A number's digits as integers and as text, and the whole-number values (sum, sum tail, span) of a number.
#include "core/common/error.h"

#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// The digits of one number, most significant position first (百, 十, 个, then 四 and 五).
using DigitArray = std::vector<int>;

/// The digits of one number as digit characters, e.g. "027".
using NumberText = std::string;

/// The digits of a text; characters that are not decimal digits are passed over.
/// For texts already known to be numbers (list entries, stored draws); use parseNumberText at the edge.
DigitArray toDigits(std::string_view numberText);

/// The digits of a number text, refusing anything but `minDigits`..`maxDigits` decimal digits.
[[nodiscard]] Result<DigitArray> parseNumberText(std::string_view numberText, std::size_t minDigits = 3,
                                                 std::size_t maxDigits = 5);

/// The number text of a DigitArray: each entry 0..9 as its digit character, any other entry as its decimal
/// text.
NumberText toNumberText(const DigitArray& digits);

/// 和值: the sum of the first three digits (0..27); fewer entries add what there is.
int digitSum(const DigitArray& digits) noexcept;

/// 合值: the sum of the first three digits modulo 10.
int sumTail(const DigitArray& digits) noexcept;

/// 跨度: the largest of the first three digits minus the smallest (0 for an empty array).
int digitSpan(const DigitArray& digits) noexcept;

} // namespace p3::core
