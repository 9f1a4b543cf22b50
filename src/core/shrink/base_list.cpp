#include "core/shrink/base_list.h"

namespace p3::core {

const std::array<DigitPreset, 15>& digitPresets() {
    static constexpr std::array<DigitPreset, 15> presets{{
        {"全选", "0123456789"},
        {"反选", ""},
        {"全清", ""},
        {"奇数", "13579"},
        {"偶数", "02468"},
        {"质数", "12357"},
        {"合数", "04689"},
        {"大数", "56789"},
        {"小数", "01234"},
        {"0路", "0369"},
        {"1路", "147"},
        {"2路", "258"},
        {"大号", "789"},
        {"中号", "3456"},
        {"小号", "012"},
    }};
    return presets;
}

std::bitset<10> applyDigitPreset(std::string_view name, std::bitset<10> current) {
    if (name == "反选") return ~current;
    for (const auto& preset : digitPresets()) {
        if (preset.name != name) continue;
        std::bitset<10> out;
        for (char c : preset.digits)
            out.set(static_cast<std::size_t>(c - '0'));
        return out;
    }
    return {};
}

PickGrid fullPickGrid() {
    PickGrid grid;
    for (auto& position : grid)
        position.set();
    return grid;
}

Result<PickGrid> parsePickGrid(std::string_view text) {
    PickGrid grid;
    std::size_t position = 0;
    for (char c : text) {
        if (c == '/') {
            if (++position > 2) return fail("选号格式不正确: " + std::string(text));
            continue;
        }
        if (c < '0' || c > '9') return fail("选号格式不正确: " + std::string(text));
        grid[position].set(static_cast<std::size_t>(c - '0'));
    }
    if (position != 2) return fail("选号格式不正确: " + std::string(text));
    return grid;
}

Result<std::vector<std::string>> BuildBaseList(const PickGrid& grid, BetType type) {
    for (const auto& position : grid)
        if (position.none()) return fail("请正确选择");
    std::vector<std::string> list;
    for (int h = 0; h < 10; ++h) {
        if (!grid[0][static_cast<std::size_t>(h)]) continue;
        for (int t = 0; t < 10; ++t) {
            if (!grid[1][static_cast<std::size_t>(t)]) continue;
            for (int u = 0; u < 10; ++u) {
                if (!grid[2][static_cast<std::size_t>(u)]) continue;
                const int distinct = 1 + (t != h) + (u != h && u != t);
                if ((type == BetType::Group3 && distinct != 2) || (type == BetType::Group6 && distinct != 3))
                    continue;
                list.push_back(
                    {static_cast<char>('0' + h), static_cast<char>('0' + t), static_cast<char>('0' + u)});
            }
        }
    }
    return list;
}

} // namespace p3::core
