#pragma once
/// The draws of the current lottery as the rest of the system reads them, oldest first.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

struct Draw {
    std::string period; ///< as the database gives it back, e.g. "2007123"
    std::string digits; ///< one character per position, leading zeros kept, e.g. "027"

    /// The draw as a text line: period, one blank, digits.
    std::string line() const { return period + ' ' + digits; }
    bool operator==(const Draw&) const = default;
};

using DrawList = std::vector<Draw>;

/// The lottery shown: name, kind ("福彩" or "体彩"), id (as read) and digit count 3..5.
struct CurrentLottery {
    std::string name;
    std::string kind;
    std::string id;
    int digitCount = 0;
};

/// The proposed next period: the last period plus one, each leading "0" of the old text kept.
std::string NextPeriodText(std::string_view lastPeriod);

/// The period before the given one, with the same leading-zero rule.
std::string PreviousPeriodText(std::string_view period);

/// The most digits a period can have. Periods are numbered by year and draw (2026246), some by day
/// and draw (20260913001); twelve digits hold every such scheme and leave the arithmetic on a
/// period (the next period, the print title) far from overflowing.
inline constexpr std::size_t kMaxPeriodDigits = 12;

/// A period text as a number; nothing when it is not a whole decimal number or has more than
/// kMaxPeriodDigits digits.
std::optional<std::int64_t> parsePeriod(std::string_view period);

/// Checks a period where one enters the system (editor, import, download, command line): decimal
/// digits only, at most kMaxPeriodDigits of them; the refusal names the period.
[[nodiscard]] Status checkPeriodText(std::string_view period);

/// The number of decimal digits of a period's value (leading zeros of its text do not count).
std::size_t periodDigitCount(std::int64_t value);

/// Checks that a period has as many digits as the lottery's periods: between `shortest` and
/// `longest` (the digit counts of its stored periods); 0 and 0 when the lottery has none, which
/// accepts any length. The refusal names the period and the expected length.
[[nodiscard]] Status checkPeriodLength(std::string_view period, std::size_t shortest, std::size_t longest);

} // namespace p3::core
