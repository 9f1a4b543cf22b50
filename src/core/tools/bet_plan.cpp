#include "core/tools/bet_plan.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace p3::core {
namespace {

// The largest multiple tried: beyond it money values are no longer exact in a double.
constexpr std::int64_t kMaxMultiple = std::int64_t{1} << 40;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<double> number(std::string_view s) {
    s = trimmed(s);
    double v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::int64_t> whole(std::string_view s) {
    s = trimmed(s);
    std::int64_t v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

struct Figures {
    double cost, total, prize, profit;
};

Figures figuresAt(const BetPlanInputs& in, std::int64_t m, double cumulative) {
    const double md = static_cast<double>(m);
    Figures f{md * in.unitCost, 0, md * in.unitPrize, 0};
    f.total = cumulative + f.cost;
    f.profit = f.prize - f.total;
    return f;
}

bool reaches(const BetPlanInputs& in, std::int64_t m, double cumulative) {
    const Figures f = figuresAt(in, m, cumulative);
    return static_cast<double>(RoundRate(f.profit / f.total * 100)) >= in.rate;
}

// The smallest multiple ≥ m whose rate reaches the requirement. The rate does not fall as the multiple
// grows (its derivative has the sign of prize × cumulative), so doubling then halving finds it.
std::optional<std::int64_t> smallestMultiple(const BetPlanInputs& in, std::int64_t m, double cumulative) {
    if (reaches(in, m, cumulative)) return m;
    std::int64_t low = m; // fails
    std::int64_t step = 1;
    std::int64_t high = m;
    for (;;) {
        if (high > kMaxMultiple - step) return std::nullopt;
        high = m + step;
        if (reaches(in, high, cumulative)) break;
        low = high;
        step *= 2;
    }
    while (high - low > 1) {
        const std::int64_t mid = low + (high - low) / 2;
        (reaches(in, mid, cumulative) ? high : low) = mid;
    }
    return high;
}

} // namespace

std::int64_t RoundRate(double value) {
    const double whole = std::trunc(value);
    if (value <= 0) return static_cast<std::int64_t>(whole);
    const double firstDecimal = std::floor((value - whole) * 10);
    return static_cast<std::int64_t>(whole) + (firstDecimal >= 5 ? 1 : 0);
}

std::string formatMoney(double value) {
    const double cents = std::round(value * 100); // std::round takes halves away from zero
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", cents / 100);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

Result<BetPlanInputs> parseBetPlanInputs(std::string_view unitCost, std::string_view unitPrize,
                                         std::string_view startMultiple, std::string_view periods,
                                         std::string_view rate) {
    using namespace betplan_messages;
    if (trimmed(unitCost).empty() || trimmed(unitPrize).empty() || trimmed(periods).empty())
        return fail(std::string(kEmptyInput));
    auto r = number(rate);
    if (!r) return fail(std::string(kBadRate));
    if (*r == 0) return fail(std::string(kZeroRate));
    BetPlanInputs in;
    auto cost = number(unitCost);
    auto prize = number(unitPrize);
    if (!cost || !prize || *cost <= 0 || *prize <= 0) return fail("当期投入 和 中奖奖金 必须是正数!");
    auto count = whole(periods);
    if (!count || *count < 1 || *count > 100000) return fail("倍投期数 必须是 1 到 100000 的整数!");
    std::int64_t start = 1;
    if (!trimmed(startMultiple).empty()) {
        auto s = whole(startMultiple);
        if (!s || *s < 0 || *s > kMaxMultiple) return fail("起始倍数 必须是正整数!");
        start = *s == 0 ? 1 : *s;
    }
    in.unitCost = *cost;
    in.unitPrize = *prize;
    in.startMultiple = start;
    in.periods = static_cast<int>(*count);
    in.rate = *r;
    return in;
}

void PlanFrom(BetPlan& plan, const BetPlanInputs& inputs, int firstPeriod, std::int64_t multiple, double cumulative,
              const std::atomic<bool>* stop) {
    for (int p = firstPeriod; p <= inputs.periods; ++p) {
        if (stop && stop->load()) {
            plan.stopped = true;
            return;
        }
        auto m = smallestMultiple(inputs, multiple, cumulative);
        if (!m) {
            plan.stopped = true;
            plan.message = std::string(betplan_messages::kStopped);
            return;
        }
        multiple = *m;
        const Figures f = figuresAt(inputs, multiple, cumulative);
        plan.rows.push_back({p, multiple, f.cost, f.total, f.prize, f.profit,
                             std::to_string(RoundRate(f.profit / f.total * 100)) + "%"});
        cumulative = f.total;
    }
}

BetPlan planBets(const BetPlanInputs& inputs, const std::atomic<bool>* stop) {
    BetPlan plan;
    PlanFrom(plan, inputs, 1, inputs.startMultiple, 0, stop);
    return plan;
}

Status rewriteBetPlanRow(BetPlan& plan, const BetPlanInputs& inputs, std::size_t index, std::int64_t multiple,
                         const std::atomic<bool>* stop) {
    if (index >= plan.rows.size()) return fail("没有这一期: " + std::to_string(index + 1));
    if (multiple <= 0 || multiple > kMaxMultiple) return fail("请输入倍数");
    BetPlanRow& row = plan.rows[index];
    const double before = index == 0 ? 0 : plan.rows[index - 1].cumulative;
    row.multiple = multiple;
    row.cost = inputs.unitCost * static_cast<double>(multiple);
    row.cumulative = row.cost + before;
    row.prize = inputs.unitPrize * static_cast<double>(multiple);
    row.profit = row.prize - row.cumulative;
    const double rate = std::nearbyint(row.profit / row.cumulative * 100); // halves to even
    row.rateText = (rate < 0 ? std::string("0") : std::to_string(static_cast<std::int64_t>(rate))) + "%";
    plan.rows.resize(index + 1);
    plan.stopped = false;
    plan.message.clear();
    PlanFrom(plan, inputs, row.period + 1, multiple, row.cumulative, stop);
    return {};
}

std::vector<std::string> betPlanCells(const BetPlanRow& row) {
    return {std::to_string(row.period), std::to_string(row.multiple), formatMoney(row.cost), formatMoney(row.cumulative),
            formatMoney(row.prize), formatMoney(row.profit), row.rateText};
}

} // namespace p3::core
