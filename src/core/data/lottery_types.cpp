#include "core/data/lottery_types.h"

namespace p3::core {

Result<std::int64_t> probeLotteryId(DrawDatabase& db, std::size_t listedCount) {
    auto id = static_cast<std::int64_t>(listedCount);
    for (;;) {
        auto taken = db.lotteryIdExists(id);
        if (!taken) return std::unexpected(taken.error());
        if (!*taken) return id;
        ++id;
    }
}

Result<LotteryInfo> addLotteryType(DrawDatabase& db, std::string_view name, std::string_view kind,
                                   std::optional<int> digitCount) {
    // A name of blanks only shows as nothing in the list; it is as good as none.
    if (name.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return fail(std::string(lottery_messages::kEmptyName));
    // A tab or a line break would split the name across the fields and lines of every listing.
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return fail(std::string(lottery_messages::kControlInName));
    auto listed = db.listLotteries();
    if (!listed) return std::unexpected(listed.error());
    for (const LotteryInfo& l : *listed)
        if (l.name == name) return fail(std::string(lottery_messages::kDuplicateName));
    if (!drawTableOf(kind)) return fail("彩票类别只能是 福彩 或 体彩");
    const int digits = digitCount.value_or(kDefaultDigitCount);
    if (digits < 3 || digits > 5) return fail("号码个数只能是 3, 4 或 5");
    auto id = probeLotteryId(db, listed->size());
    if (!id) return std::unexpected(id.error());
    if (auto ok = db.addLottery(name, kind, *id, digits); !ok) return std::unexpected(ok.error());
    return LotteryInfo{std::string(name), std::string(kind), *id, digits};
}

Status deleteLotteryType(DrawDatabase& db, std::string_view name) {
    if (name.empty()) return fail(std::string(lottery_messages::kNothingSelected));
    auto found = db.findLottery(name);
    if (!found) return std::unexpected(found.error());
    if (!*found) return fail("没有这个彩票: " + std::string(name));
    return db.deleteLottery(name);
}

} // namespace p3::core
