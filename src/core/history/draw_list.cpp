#include "core/history/draw_list.h"

#include <charconv>

#include "core/common/utf8.h"

namespace p3::core {
namespace {

constexpr std::int64_t kMaxPeriodValue = 999'999'999'999; // kMaxPeriodDigits nines
static_assert(kMaxPeriodDigits == 12);

// A refusal quotes the period; a runaway one is quoted by its start.
std::string quoted(std::string_view period) {
    return quotedStart(period, 24);
}

std::string stepPeriod(std::string_view period, int step) {
    std::size_t zeros = 0;
    while (zeros < period.size() && period[zeros] == '0')
        ++zeros;
    // Periods are bounded, so the step cannot overflow; below period 0 or past the largest period
    // there is nothing to propose.
    const std::int64_t value = parsePeriod(period).value_or(0) + step;
    if (value < 0 || value > kMaxPeriodValue) return {};
    return std::string(zeros, '0') + std::to_string(value);
}

} // namespace

std::optional<std::int64_t> parsePeriod(std::string_view period) {
    while (!period.empty() && period.front() == ' ')
        period.remove_prefix(1);
    while (!period.empty() && period.back() == ' ')
        period.remove_suffix(1);
    if (period.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(period.data(), period.data() + period.size(), value);
    if (ec != std::errc{} || end != period.data() + period.size()) return std::nullopt;
    if (value > kMaxPeriodValue || value < -kMaxPeriodValue) return std::nullopt;
    return value;
}

Status checkPeriodText(std::string_view period) {
    if (period.empty() || period.find_first_not_of("0123456789") != std::string_view::npos)
        return fail("期号必须是数字: " + quoted(period));
    if (period.size() > kMaxPeriodDigits)
        return fail("期号太长: " + quoted(period) + " (期号最多 " + std::to_string(kMaxPeriodDigits) +
                    " 位数字)");
    return {};
}

std::size_t periodDigitCount(std::int64_t value) {
    std::size_t n = 1;
    for (value = value < 0 ? -value : value; value >= 10; value /= 10)
        ++n;
    return n;
}

Status checkPeriodLength(std::string_view period, std::size_t shortest, std::size_t longest) {
    if (shortest == 0) return {};
    auto value = parsePeriod(period);
    if (!value) return checkPeriodText(period);
    const std::size_t n = periodDigitCount(*value);
    if (n >= shortest && n <= longest) return {};
    const std::string expected = shortest == longest
                                     ? std::to_string(shortest)
                                     : std::to_string(shortest) + "-" + std::to_string(longest);
    return fail("第" + quoted(period) + "期 期号位数不对: 本彩票的期号是 " + expected + " 位数字");
}

// Both proposals are empty where no period lies: below 0 and past the largest period.
std::string NextPeriodText(std::string_view lastPeriod) {
    return stepPeriod(lastPeriod, +1);
}

std::string PreviousPeriodText(std::string_view period) {
    return stepPeriod(period, -1);
}

} // namespace p3::core
