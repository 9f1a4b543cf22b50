#pragma once
/// Step one of the shrink window: the picked digits per position, the digit presets and the base list
/// of candidate numbers they give under a bet type.
#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

/// The selected digits of the hundreds, tens and units grid.
using PickGrid = std::array<std::bitset<10>, 3>;

/// 组3直选 (a pair plus one other digit), 组6直选 (three different digits), 所有组合.
enum class BetType { Group3 = 1, Group6 = 2, All = 3 };

/// A digit preset of a position's combo box.
struct DigitPreset {
    std::string_view name;
    std::string_view digits; ///< the selection it gives; "反选" is computed from the current one
};

/// The fifteen presets in the order of the combo box (after its title "选号").
[[nodiscard]] const std::array<DigitPreset, 15>& digitPresets();

/// The selection of one position after a preset (by name); "选号" and unknown names select nothing,
/// "反选" inverts the current selection.
[[nodiscard]] std::bitset<10> applyDigitPreset(std::string_view name, std::bitset<10> current);

/// Every cell selected, as when the window is created.
[[nodiscard]] PickGrid fullPickGrid();

/// Reads "0123456789/13579/02468" (digits per position, "/" between positions).
[[nodiscard]] Result<PickGrid> parsePickGrid(std::string_view text);

/// The numbers of the picked digits in hundreds-tens-units order that fit the bet type; "请正确选择"
/// when a position has no digit.
[[nodiscard]] Result<std::vector<std::string>> BuildBaseList(const PickGrid& grid, BetType type);

} // namespace p3::core
