#pragma once
/// Loading the current lottery: its draws in period order and the three status-bar texts.
#include <array>
#include <optional>
#include <string>

#include "core/common/error.h"
#include "core/history/draw_list.h"
#include "core/store/draw_database.h"

namespace p3::core {

struct LoadedLottery {
    CurrentLottery lottery;
    DrawList draws;
    /// Panel 0 the name, panel 1 "第" + last period + "期 " + last digits, panel 2 "共: " + n + " 期".
    std::array<std::string, 3> statusTexts;
};

/// The status-bar texts for a lottery name and its draws.
std::array<std::string, 3> lotteryStatusTexts(std::string_view name, const DrawList& draws);

/// Loads a lottery by name, or with its row already known (the lottery choice passes it).
/// A name the database does not hold gives an empty lottery: no kind, no id, no draws.
[[nodiscard]] Result<LoadedLottery> LoadLottery(DrawDatabase& db, std::string_view name,
                                                const std::optional<LotteryInfo>& known = std::nullopt);

} // namespace p3::core
