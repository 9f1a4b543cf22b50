#include "core/shrink/series_history.h"

#include <algorithm>
#include <array>

namespace p3::core {
namespace {

/// The distinct digit characters of a text, ascending.
std::string distinctDigits(std::string_view text) {
    std::array<bool, 10> seen{};
    for (char c : text)
        if (c >= '0' && c <= '9') seen[static_cast<std::size_t>(c - '0')] = true;
    std::string out;
    for (int d = 0; d < 10; ++d)
        if (seen[static_cast<std::size_t>(d)]) out += static_cast<char>('0' + d);
    return out;
}

/// The digits 0..9 in neither text, ascending.
std::string remainingDigits(std::string_view a, std::string_view b) {
    std::string out;
    for (char c = '0'; c <= '9'; ++c)
        if (a.find(c) == std::string_view::npos && b.find(c) == std::string_view::npos) out += c;
    return out;
}

/// 复码 / 隔码 / 中码 of a latest value and the one before it.
ReferenceElement repeatGapMiddle(std::string_view latest, std::string_view before) {
    ReferenceElement ref;
    ref.set1 = distinctDigits(latest);
    std::string gap;
    for (char c : before)
        if (latest.find(c) == std::string_view::npos) gap += c;
    ref.set2 = distinctDigits(gap);
    ref.set3 = remainingDigits(ref.set1, ref.set2);
    return ref;
}

ReferenceElement adjacentIsolatedTransmitted(std::string_view latest) {
    ReferenceElement ref;
    ref.set3 = distinctDigits(latest); // 传码
    std::string neighbours;
    for (char c : ref.set3) {
        const int d = c - '0';
        neighbours += static_cast<char>('0' + (d + 1) % 10);
        neighbours += static_cast<char>('0' + (d + 9) % 10);
    }
    std::string adjacent;
    for (char c : distinctDigits(neighbours))
        if (ref.set3.find(c) == std::string::npos) adjacent += c;
    ref.set1 = adjacent;                            // 邻码
    ref.set2 = remainingDigits(ref.set1, ref.set3); // 孤码
    return ref;
}

std::string pairTails(std::string_view v) {
    const int b = v[0] - '0', s = v[1] - '0', g = v[2] - '0';
    return {static_cast<char>('0' + (b + s) % 10), static_cast<char>('0' + (b + g) % 10),
            static_cast<char>('0' + (s + g) % 10)};
}

bool isThreeDigits(std::string_view v) {
    return v.size() == 3 && std::ranges::all_of(v, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::size_t SeriesHistory::size() const {
    if (!draws) return 0;
    return std::min(visible, draws->size());
}

std::string SeriesHistory::value(SeriesIndex series, std::size_t period) const {
    if (!draws || period >= size() || !supports(series)) return {};
    std::string v;
    if (table && !table->empty()) {
        auto got = DrawGridSeries(*draws, *table, series, period);
        if (!got) return {};
        v = std::move(*got);
    } else if (series == 0) {
        v = (*draws)[period].digits;
    }
    return v.substr(0, std::min<std::size_t>(v.size(), 3));
}

Result<std::optional<ReferenceElement>> SeriesPreset(ConditionKind kind, const SeriesHistory& history,
                                                     SeriesIndex series) {
    if (!SeriesHistory::supports(series)) return fail(std::string(kUnsupportedSeriesMessage));
    const std::size_t n = history.size();
    const auto latestBack = [&](std::size_t back) -> std::string {
        return back < n ? history.value(series, n - 1 - back) : std::string{};
    };
    std::optional<ReferenceElement> ref;
    const KindSpec* spec = kindSpec(kind);
    switch (spec ? spec->preset : ReferencePreset::None) {
    case ReferencePreset::RepeatGapMiddle:
        ref = repeatGapMiddle(latestBack(0), latestBack(1));
        break;
    case ReferencePreset::AdjacentIsolatedTransmitted:
        ref = adjacentIsolatedTransmitted(latestBack(0));
        break;
    case ReferencePreset::HotWarmCold: {
        std::array<int, 10> counts{};
        for (std::size_t back = 0; back < 7; ++back)
            for (char c : latestBack(back))
                if (c >= '0' && c <= '9') ++counts[static_cast<std::size_t>(c - '0')];
        ReferenceElement r;
        for (int d = 0; d < 10; ++d) {
            const int k = counts[static_cast<std::size_t>(d)];
            (k >= 3 ? r.set1 : k == 2 ? r.set2 : r.set3) += static_cast<char>('0' + d);
        }
        ref = r;
        break;
    }
    case ReferencePreset::PairTails: {
        const std::string latest = latestBack(0), before = latestBack(1);
        if (!isThreeDigits(latest) || !isThreeDigits(before)) return std::optional<ReferenceElement>{};
        ref = repeatGapMiddle(pairTails(latest), pairTails(before));
        break;
    }
    case ReferencePreset::None:
        break;
    }
    if (!ref) return fail("该条件没有星轨参数");
    ref->series = series;
    return ref;
}

} // namespace p3::core
