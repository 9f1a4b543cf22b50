#pragma once
/// The chart tree of the chart view: groups and leaves, the table from leaf name to chart kind, and the
/// pictures of the fixed charts.
#include <string>
#include <string_view>
#include <vector>

namespace p3::core {

/// A leaf of the tree; kind 0 for a fixed chart (a picture).
struct ChartLeaf {
    std::string_view name;
    int kind = 0;
};

struct ChartTreeGroup {
    std::string_view name;
    std::vector<ChartLeaf> leaves;
};

/// The tree for a lottery with `digitCount` digits: the slant charts only for more than three digits.
std::vector<ChartTreeGroup> chartTree(int digitCount);

/// The chart kind of a leaf name (1..41), or 0 when the name is no chart (a fixed chart or unknown).
int chartKindOf(std::string_view leafName) noexcept;

/// The leaf name of a chart kind, or "" when there is none.
std::string_view chartName(int kind) noexcept;

/// The picture of a fixed chart, relative to the home: "Image/" + name + ".jpg".
std::string fixedChartPicture(std::string_view leafName);

} // namespace p3::core
