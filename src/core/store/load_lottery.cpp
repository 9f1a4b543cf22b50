#include "core/store/load_lottery.h"

namespace p3::core {

std::array<std::string, 3> lotteryStatusTexts(std::string_view name, const DrawList& draws) {
    std::string last = "第";
    if (!draws.empty()) last += draws.back().period;
    last += "期 ";
    if (!draws.empty()) last += draws.back().digits;
    return {std::string(name), last, "共: " + std::to_string(draws.size()) + " 期"};
}

Result<LoadedLottery> LoadLottery(DrawDatabase& db, std::string_view name,
                                  const std::optional<LotteryInfo>& known) {
    std::optional<LotteryInfo> info = known;
    if (!info) {
        auto found = db.findLottery(name);
        if (!found) return std::unexpected(found.error());
        info = *found;
    }
    LoadedLottery out;
    out.lottery.name = std::string(name);
    if (info) {
        out.lottery.kind = info->kind;
        out.lottery.id = std::to_string(info->id);
        out.lottery.digitCount = info->digitCount;
        auto draws = db.loadDraws(info->kind, info->id);
        if (!draws) return std::unexpected(draws.error());
        out.draws = std::move(*draws);
    }
    out.statusTexts = lotteryStatusTexts(name, out.draws);
    return out;
}

} // namespace p3::core
