#pragma once
/// The sixteen bias classes (偏态) of the three-digit combinations and the lookup of a number's class.
#include <array>
#include <cstddef>
#include <string_view>

namespace p3::core {

/// How a class counts in the two- and three-way summaries of the bias chart and conditions.
enum class BiasGroup { Lean, FalsePair, True };

/// One bias class: its name, the mark the bias chart writes, and its sorted member combinations.
struct BiasClass {
    std::string_view name;
    char chartMark;
    BiasGroup group;
    std::string_view members; ///< sorted three-digit combinations separated by blanks
};

/// The classes in the order they are tested; the last, 真正, takes every combination the others leave.
inline constexpr std::array<BiasClass, 16> kBiasClasses{{
    {"三重偏", 'E', BiasGroup::Lean,
     "666 888 668 688 555 777 557 577 999 222 000 444 004 044 111 333 113 133"},
    {"两重偏", 'F', BiasGroup::Lean,
     "115 155 117 177 335 355 337 377 135 137 157 357 "
     "006 066 008 088 446 466 448 488 046 048 068 468 "
     "559 599 779 799 579 224 244 002 022 024 "
     "669 699 889 899 689 223 233 112 122 123"},
    {"偏大", 'D', BiasGroup::Lean, "556 566 558 588 667 677 778 788 567 589 568 678 569 679 578 789"},
    {"偏小", 'X', BiasGroup::Lean, "001 011 003 033 114 144 334 344 012 034 013 124 014 134 023 234"},
    {"偏偶", 'O', BiasGroup::Lean, "226 266 228 288 026 028 246 248 268"},
    {"偏奇", 'J', BiasGroup::Lean, "119 199 339 399 139 159 179 359 379"},
    {"偏质", 'Z', BiasGroup::Lean, "225 255 125 235"},
    {"偏合", 'H', BiasGroup::Lean, "009 099 069 089"},
    {"假质", 'M', BiasGroup::Lean, "227 277 257 127 237"},
    {"假合", 'N', BiasGroup::Lean, "449 499 489 049 469"},
    {"假对子05", 'Q', BiasGroup::FalsePair, "005 055 015 056 025 057 035 058 045 059"},
    {"假对子16", 'I', BiasGroup::FalsePair, "116 166 016 156 126 167 136 168 146 169"},
    {"假对子27", 'T', BiasGroup::FalsePair, "027 247 267 278 279"},
    {"假对子38", 'K', BiasGroup::FalsePair, "338 388 038 358 138 368 238 378 348 389"},
    {"假对子49", 'R', BiasGroup::FalsePair, "149 249 349 459 479"},
    {"真正", 'V', BiasGroup::True,
     "007 017 018 019 029 036 037 039 047 067 077 078 079 118 128 129 145 147 148 158 "
     "178 188 189 229 236 239 245 256 258 259 269 289 299 336 345 346 347 356 366 367 "
     "369 445 447 455 456 457 458 467 477 478"},
}};

/// The index of 真正 in kBiasClasses.
inline constexpr int kTrueBiasClass = 15;

/// The order the bias chart's columns and the 偏态细分 options show the classes in (偏奇 before 偏偶): class
/// indexes into kBiasClasses.
inline constexpr std::array<int, 16> kBiasDisplayOrder{0, 1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

/// One value of a bias summary: the mark the bias chart writes and the word of the conditions and statistics.
struct BiasSummaryValue {
    char mark;
    std::string_view word;
};

/// 二细分 in value order: every class but 真正 is 偏假 (W), 真正 is V.
inline constexpr std::array<BiasSummaryValue, 2> kBiasTwoWayValues{{{'W', "偏假"}, {'V', "真正"}}};

/// 三细分 in value order: 偏态 (P), 假对子 (B), 真正 (V).
inline constexpr std::array<BiasSummaryValue, 3> kBiasThreeWayValues{
    {{'P', "偏态"}, {'B', "假对子"}, {'V', "真正"}}};

/// The 二细分 value 0..1 of a class index; -1 outside 0..15.
int biasTwoWayIndex(int classIndex) noexcept;

/// The 三细分 value 0..2 of a class index; -1 outside 0..15.
int biasThreeWayIndex(int classIndex) noexcept;

/// The position 0..15 of a class index in kBiasDisplayOrder; -1 outside 0..15.
int biasDisplayPosition(int classIndex) noexcept;

/// The class index 0..15 of the number with digits a, b, c in any order; -1 when a digit is outside 0..9.
int biasClassIndex(int a, int b, int c) noexcept;

/// The class index of a combination text of three digits in any order ("027", "720"); -1 when it is not one.
int biasClassIndexOfCombination(std::string_view combination) noexcept;

/// The class name of an index; empty outside 0..15.
std::string_view biasClassName(int classIndex) noexcept;

/// The bias chart's two-way mark: 'V' for 真正, 'W' for any other class ('\0' for no class).
char biasTwoWayMark(int classIndex) noexcept;

/// The bias chart's three-way mark: 'B' for a 假对子 class, 'P' for another non-真正 class, 'V' for 真正.
char biasThreeWayMark(int classIndex) noexcept;

/// 二细分 word of the conditions and statistics: "真正" or "偏假" (empty for no class).
std::string_view biasTwoWayWord(int classIndex) noexcept;

/// 三细分 word: "假对子", "偏态" or "真正" (empty for no class).
std::string_view biasThreeWayWord(int classIndex) noexcept;

} // namespace p3::core
