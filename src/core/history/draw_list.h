#pragma once
/// The draws of the current lottery as the rest of the system reads them, oldest first.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

/// The proposed next period: the last period plus one, each leading "0" of the old text kept; empty
/// when that would pass the largest period (INT64_MAX).
std::string NextPeriodText(std::string_view lastPeriod);

/// The period before the given one, with the same leading-zero rule; empty before period 0.
std::string PreviousPeriodText(std::string_view period);

/// A period text as a number; nothing when it is not a whole decimal number.
std::optional<std::int64_t> parsePeriod(std::string_view period);

} // namespace p3::core
