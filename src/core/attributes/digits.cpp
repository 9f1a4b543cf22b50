#include "core/attributes/digits.h"

#include <algorithm>

namespace p3::core {

namespace {

bool isDigitChar(char c) noexcept {
    return c >= '0' && c <= '9';
}

std::size_t leadingCount(const DigitArray& digits) noexcept {
    return std::min<std::size_t>(digits.size(), 3);
}

} // namespace

DigitArray toDigits(std::string_view numberText) {
    DigitArray digits;
    digits.reserve(numberText.size());
    for (char c : numberText)
        if (isDigitChar(c)) digits.push_back(c - '0');
    return digits;
}

Result<DigitArray> parseNumberText(std::string_view numberText, std::size_t minDigits,
                                   std::size_t maxDigits) {
    const bool allDigits = std::ranges::all_of(numberText, isDigitChar);
    if (!allDigits || numberText.size() < minDigits || numberText.size() > maxDigits) {
        std::string expected = minDigits == maxDigits
                                   ? std::to_string(minDigits)
                                   : std::to_string(minDigits) + ".." + std::to_string(maxDigits);
        return fail("号码格式不正确：\"" + std::string(numberText) + "\"，应为" + expected + "位数字");
    }
    return toDigits(numberText);
}

NumberText toNumberText(const DigitArray& digits) {
    NumberText text;
    text.reserve(digits.size());
    for (int d : digits) {
        if (d >= 0 && d <= 9)
            text.push_back(static_cast<char>('0' + d));
        else
            text += std::to_string(d);
    }
    return text;
}

int digitSum(const DigitArray& digits) noexcept {
    int sum = 0;
    for (std::size_t i = 0; i < leadingCount(digits); ++i)
        sum += digits[i];
    return sum;
}

int sumTail(const DigitArray& digits) noexcept {
    // Kept in 0..9 even for a stray negative entry, so callers may index word tables with it.
    return (digitSum(digits) % 10 + 10) % 10;
}

int digitSpan(const DigitArray& digits) noexcept {
    const std::size_t n = leadingCount(digits);
    if (n == 0) return 0;
    const auto [lo, hi] =
        std::minmax_element(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(n));
    return *hi - *lo;
}

} // namespace p3::core
