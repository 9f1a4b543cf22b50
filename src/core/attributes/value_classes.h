#pragma once
/// The classifications of one value 0..9 (a digit, a sum tail or a span) and the words written for them.
#include <array>
#include <string_view>

namespace p3::core {

/// The two words of a two-way classification: the word for "true" (big, odd, prime) and for "false".
struct BinaryWords {
    std::string_view yes;
    std::string_view no;
};

/// Digit words, one character each, as in the attribute texts ("大小大"). The sum-tail and span conditions
/// write a value's class as its word and "数" ("大数", "偶数").
inline constexpr BinaryWords kBigSmallWords{"大", "小"};
inline constexpr BinaryWords kOddEvenWords{"奇", "偶"};
inline constexpr BinaryWords kPrimeCompositeWords{"质", "合"};

/// The three two-way classifications by their mode number (1 size, 2 parity, 3 prime).
enum class BinaryMode { Big = 1, Odd = 2, Prime = 3 };

/// 1 counts as prime here, as the players count it.
inline constexpr std::array<bool, 10> kIsPrimeDigit{false, true,  true, true,  false,
                                                    true,  false, true, false, false};

constexpr bool isBig(int v) noexcept {
    return v >= 5;
}
constexpr bool isOdd(int v) noexcept {
    return v % 2 != 0;
}
constexpr bool isPrime(int v) noexcept {
    return v >= 0 && v <= 9 && kIsPrimeDigit[static_cast<std::size_t>(v)];
}

/// Whether v is "true" under a two-way mode; an unknown mode is never true.
constexpr bool binaryAttribute(BinaryMode mode, int v) noexcept {
    switch (mode) {
    case BinaryMode::Big:
        return isBig(v);
    case BinaryMode::Odd:
        return isOdd(v);
    case BinaryMode::Prime:
        return isPrime(v);
    }
    return false;
}

/// The digit words of a two-way mode; an unknown mode has the words of size.
constexpr const BinaryWords& binaryWords(BinaryMode mode) noexcept {
    return mode == BinaryMode::Odd     ? kOddEvenWords
           : mode == BinaryMode::Prime ? kPrimeCompositeWords
                                       : kBigSmallWords;
}

/// The digit word of v under a two-way mode ("大" or "小" ...).
constexpr std::string_view binaryWord(BinaryMode mode, int v) noexcept {
    const BinaryWords& words = binaryWords(mode);
    return binaryAttribute(mode, v) ? words.yes : words.no;
}

/// 大中小 classes, in the class order of their count patterns (大 first).
enum class SizeClass { Big = 0, Middle = 1, Small = 2 };

inline constexpr std::array<std::string_view, 3> kSizeClassWords{"大", "中", "小"};
/// The digits of each 大中小 class, in class order.
inline constexpr std::array<std::string_view, 3> kSizeClassDigits{"789", "3456", "012"};

/// 7..9 big, 3..6 middle, 0..2 small.
constexpr SizeClass sizeClassOf(int v) noexcept {
    return v <= 2 ? SizeClass::Small : (v <= 6 ? SizeClass::Middle : SizeClass::Big);
}
constexpr std::string_view bigMidSmallWord(int v) noexcept {
    return kSizeClassWords[static_cast<std::size_t>(sizeClassOf(v))];
}

/// The digits of each 012 route: route r holds the digits v with v mod 3 = r.
inline constexpr std::array<std::string_view, 3> kRouteDigits{"0369", "147", "258"};
inline constexpr std::array<std::string_view, 3> kRouteWords{"0路", "1路", "2路"};

/// The 012 route 0..2 of a value; a negative value is taken round to 0..2 as well.
constexpr int routeOf(int v) noexcept {
    return (v % 3 + 3) % 3;
}
constexpr std::string_view routeWord(int v) noexcept {
    return kRouteWords[static_cast<std::size_t>(routeOf(v))];
}

/// The ten digit characters in ascending order, the usual candidate text of KeepDigitsInSet.
inline constexpr std::string_view kAllDigits = "0123456789";

} // namespace p3::core
