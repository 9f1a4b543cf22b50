#pragma once
/// The lottery types: listing, adding with a free id, and deleting a lottery with its draws.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "core/store/draw_database.h"

namespace p3::core {

namespace lottery_messages {
inline constexpr std::string_view kEmptyName = "请输入 彩票名称!";
inline constexpr std::string_view kDuplicateName = "彩票名称 有重复!";
inline constexpr std::string_view kNothingSelected = "没有选择任何 需要删除的数据";
inline constexpr std::string_view kNoneToLoad = "请选择 要调出的彩种!";
inline constexpr std::string_view kConfirmDelete = "您确定要删除吗?";
inline constexpr std::string_view kControlInName = "彩票名称 不能包含制表符或换行!";
} // namespace lottery_messages

/// The digit count a new lottery gets when the caller names none.
inline constexpr int kDefaultDigitCount = 3;

/// The id of a new lottery: starting at the number of lotteries listed, the first id no row holds.
[[nodiscard]] Result<std::int64_t> probeLotteryId(DrawDatabase& db, std::size_t listedCount);

/// Adds a lottery after the dialog's checks (a name, not one already listed, a known kind, 3..5 digits)
/// and returns its row.
[[nodiscard]] Result<LotteryInfo> addLotteryType(DrawDatabase& db, std::string_view name,
                                                 std::string_view kind,
                                                 std::optional<int> digitCount = std::nullopt);

/// Deletes a lottery and its draws from the table of its kind; an unknown name is refused.
[[nodiscard]] Status deleteLotteryType(DrawDatabase& db, std::string_view name);

} // namespace p3::core
