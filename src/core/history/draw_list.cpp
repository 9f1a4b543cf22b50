#include "core/history/draw_list.h"

#include <charconv>

namespace p3::core {
namespace {

std::string stepPeriod(std::string_view period, int step) {
    std::size_t zeros = 0;
    while (zeros < period.size() && period[zeros] == '0')
        ++zeros;
    std::int64_t value = 0;
    // No period lies below zero or beyond the largest number a period can be: at those ends there is
    // nothing to propose.
    if (__builtin_add_overflow(parsePeriod(period).value_or(0), step, &value) || value < 0) return {};
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
    return value;
}

std::string NextPeriodText(std::string_view lastPeriod) {
    return stepPeriod(lastPeriod, +1);
}

std::string PreviousPeriodText(std::string_view period) {
    return stepPeriod(period, -1);
}

} // namespace p3::core
