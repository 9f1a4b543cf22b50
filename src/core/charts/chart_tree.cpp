#include "core/charts/chart_tree.h"

#include <array>

namespace p3::core {

namespace {

constexpr std::array<ChartLeaf, 39> kChartLeaves{{
    {"常规参数", 1},
    {"组选参数", 2},
    {"大小参数", 3},
    {"奇偶参数", 4},
    {"质合参数", 5},
    {"和值参数", 6},
    {"合值细分", 7},
    {"跨度细分", 8},
    {"群号细分", 9},
    {"连号细分", 10},
    {"０１２路细分", 11},
    {"大中小细分", 12},
    {"复隔中细分", 13},
    {"邻孤传细分", 14},
    {"热温冷细分", 15},
    {"０１２路直选细分", 16},
    {"大中小直选细分", 17},
    {"复隔中直选细分", 18},
    {"邻孤传直选细分", 19},
    {"热温冷直选细分", 20},
    {"位和参数", 21},
    {"（百＋十）位和细分", 22},
    {"（百＋个）位和细分", 23},
    {"（十＋个）位和细分", 24},
    {"位合参数", 25},
    {"（百＋十）位合细分", 26},
    {"（百＋个）位合细分", 27},
    {"（十＋个）位合细分", 28},
    {"任意位合（二码组合）参数", 30},
    {"任意位合（复隔中）参数", 31},
    {"位差参数", 32},
    {"位差绝对值", 33},
    {"（百－十）参数", 34},
    {"（百－个）参数", 35},
    {"（十－个）参数", 36},
    {"偏态细分", 38},
    {"百位斜线参数分析", 39},
    {"十位斜线参数分析", 40},
    {"个位斜线参数分析", 41},
}};

constexpr std::array<std::string_view, 15> kFixedCharts{
    "和值号码-细分表",   "合值号码-细分表", "奇偶-大小-细分表", "大小-奇偶-细分表", "胆拖号码-细分表",
    "除三余数值-细分表", "连号组合-细分表", "跨度组合-细分表",  "二码和值-细分表",  "二码合值-细分表",
    "二码差值-细分表",   "号码群号-细分表", "和值-对照表",      "偏态号码-细分表",  "合值-跨度-细分表"};

struct GroupRange {
    std::string_view name;
    int firstKind, lastKind;
};
constexpr std::array<GroupRange, 4> kGroups{
    {{"常用参数分析", 1, 6}, {"十细分参数分析", 7, 20}, {"两位参数分析", 21, 36}, {"高级参数分析", 38, 41}}};

} // namespace

std::vector<ChartTreeGroup> chartTree(int digitCount) {
    std::vector<ChartTreeGroup> tree;
    for (const auto& group : kGroups) {
        ChartTreeGroup g{group.name, {}};
        for (const auto& leaf : kChartLeaves) {
            if (leaf.kind < group.firstKind || leaf.kind > group.lastKind) continue;
            if (leaf.kind >= 39 && digitCount <= 3) continue;
            g.leaves.push_back(leaf);
        }
        tree.push_back(std::move(g));
    }
    ChartTreeGroup fixed{"固定图表", {}};
    for (auto name : kFixedCharts)
        fixed.leaves.push_back({name, 0});
    tree.push_back(std::move(fixed));
    return tree;
}

int chartKindOf(std::string_view leafName) noexcept {
    for (const auto& leaf : kChartLeaves)
        if (leaf.name == leafName) return leaf.kind;
    return 0;
}

std::string_view chartName(int kind) noexcept {
    for (const auto& leaf : kChartLeaves)
        if (leaf.kind == kind) return leaf.name;
    return {};
}

std::string fixedChartPicture(std::string_view leafName) {
    return "Image/" + std::string(leafName) + ".jpg";
}

} // namespace p3::core
