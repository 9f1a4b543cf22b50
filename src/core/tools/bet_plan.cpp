#include "core/tools/bet_plan.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace p3::core {
namespace {

using Units = Money::Units;

// The largest multiple tried: beyond it planning would only grow numbers no bet can hold.
constexpr std::int64_t kMaxMultiple = std::int64_t{1} << 40;
// The largest unit cost or prize: with the multiple and period limits every sum stays exact.
constexpr long long kMaxUnitYuan = 1'000'000'000;
constexpr std::int64_t kMaxPeriods = 100000;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<std::int64_t> whole(std::string_view s) {
    s = trimmed(s);
    std::int64_t v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

std::string unitsText(Units v) {
    if (v == 0) return "0";
    std::string out;
    for (; v > 0; v /= 10)
        out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    return out;
}

// Whole part and `decimals` decimal digits of a non-negative count of 10^-decimals, trailing zeros
// of the fraction dropped.
std::string shortestDecimal(bool negative, Units scaled, int decimals) {
    Units unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    std::string text = unitsText(scaled / unit);
    std::string fraction = unitsText(scaled % unit);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    if (negative && text != "0") text.insert(0, "-");
    return text;
}

// The rate of a win at multiple m on top of the cumulative cost so far.
struct Figures {
    Money cost, total, prize, profit;
};

Figures figuresAt(const BetPlanInputs& in, std::int64_t m, Money cumulative) {
    Figures f{in.unitCost * m, {}, in.unitPrize * m, {}};
    f.total = cumulative + f.cost;
    f.profit = f.prize - f.total;
    return f;
}

bool reaches(const BetPlanInputs& in, std::int64_t m, Money cumulative) {
    const Figures f = figuresAt(in, m, cumulative);
    return Money(RoundRate(f.profit, f.total)) >= in.rate;
}

// The smallest multiple ≥ m whose rate reaches the requirement. The rate does not fall as the multiple
// grows (its derivative has the sign of prize × cumulative), so doubling then halving finds it.
std::optional<std::int64_t> smallestMultiple(const BetPlanInputs& in, std::int64_t m, Money cumulative) {
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

Result<Money> Money::parse(std::string_view text) {
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::size_t dot = s.find('.');
    const std::string_view integer = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
    auto digitsOnly = [](std::string_view d) {
        for (char c : d)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if ((integer.empty() && fraction.empty()) || !digitsOnly(integer) || !digitsOnly(fraction))
        return fail("不是数字: " + std::string(text));
    if (fraction.size() > 6) return fail("最多 6 位小数: " + std::string(text));
    if (integer.size() > 18) return fail("数字太大: " + std::string(text));
    Units v = 0;
    for (char c : integer)
        v = v * 10 + (c - '0');
    v *= kScale;
    Units place = kScale / 10;
    for (char c : fraction) {
        v += (c - '0') * place;
        place /= 10;
    }
    return fromMicros(negative ? -v : v);
}

std::int64_t RoundRate(double value) {
    const double whole = std::trunc(value);
    if (value <= 0) return static_cast<std::int64_t>(whole);
    const double firstDecimal = std::floor((value - whole) * 10);
    return static_cast<std::int64_t>(whole) + (firstDecimal >= 5 ? 1 : 0);
}

std::int64_t RoundRate(Money profit, Money total) {
    // value = 100 profit / total; its first decimal is 5 or more exactly when twice the remainder
    // reaches the divisor.
    Units numerator = profit.micros * 100;
    Units divisor = total.micros;
    if (divisor < 0) {
        numerator = -numerator;
        divisor = -divisor;
    }
    if (numerator <= 0) return static_cast<std::int64_t>(-(-numerator / divisor)); // cut toward zero
    const Units q = numerator / divisor;
    const Units r = numerator % divisor;
    return static_cast<std::int64_t>(q + (2 * r >= divisor ? 1 : 0));
}

std::string formatMoney(Money value) {
    const bool negative = value.micros < 0;
    const Units magnitude = negative ? -value.micros : value.micros;
    constexpr Units perCent = Money::kScale / 100;
    const Units cents = (magnitude + perCent / 2) / perCent; // halves away from zero
    return shortestDecimal(negative, cents, 2);
}

std::string formatExact(Money value) {
    const bool negative = value.micros < 0;
    return shortestDecimal(negative, negative ? -value.micros : value.micros, 6);
}

Result<BetPlanInputs> parseBetPlanInputs(std::string_view unitCost, std::string_view unitPrize,
                                         std::string_view startMultiple, std::string_view periods,
                                         std::string_view rate) {
    using namespace betplan_messages;
    if (trimmed(unitCost).empty() || trimmed(unitPrize).empty() || trimmed(periods).empty())
        return fail(std::string(kEmptyInput));
    // An empty box holds no rate at all; only a text that is there and no number is a wrong setting.
    if (trimmed(rate).empty()) return fail(std::string(kZeroRate));
    auto r = Money::parse(rate);
    if (!r || *r > Money(1'000'000'000) || *r < Money(-1'000'000'000)) return fail(std::string(kBadRate));
    if (*r == Money(0)) return fail(std::string(kZeroRate));
    BetPlanInputs in;
    auto cost = Money::parse(unitCost);
    auto prize = Money::parse(unitPrize);
    if (!cost || !prize || *cost <= Money(0) || *prize <= Money(0))
        return fail("当期投入 和 中奖奖金 必须是正数, 最多 6 位小数!");
    if (*cost > Money(kMaxUnitYuan) || *prize > Money(kMaxUnitYuan))
        return fail("当期投入 和 中奖奖金 不能超过 " + std::to_string(kMaxUnitYuan) + "!");
    auto count = whole(periods);
    if (!count || *count < 1 || *count > kMaxPeriods)
        return fail("倍投期数 必须是 1 到 " + std::to_string(kMaxPeriods) + " 的整数!");
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

void PlanFrom(BetPlan& plan, const BetPlanInputs& inputs, int firstPeriod, std::int64_t multiple,
              Money cumulative, const std::atomic<bool>* stop) {
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
                             std::to_string(RoundRate(f.profit, f.total)) + "%"});
        cumulative = f.total;
    }
}

BetPlan planBets(const BetPlanInputs& inputs, const std::atomic<bool>* stop) {
    BetPlan plan;
    PlanFrom(plan, inputs, 1, inputs.startMultiple, Money(0), stop);
    return plan;
}

Status rewriteBetPlanRow(BetPlan& plan, const BetPlanInputs& inputs, std::size_t index, std::int64_t multiple,
                         const std::atomic<bool>* stop) {
    if (index >= plan.rows.size()) return fail("没有这一期: " + std::to_string(index + 1));
    if (multiple <= 0 || multiple > kMaxMultiple) return fail("请输入倍数");
    BetPlanRow& row = plan.rows[index];
    const Money before = index == 0 ? Money(0) : plan.rows[index - 1].cumulative;
    row.multiple = multiple;
    row.cost = inputs.unitCost * multiple;
    row.cumulative = row.cost + before;
    row.prize = inputs.unitPrize * multiple;
    row.profit = row.prize - row.cumulative;
    // profit / cumulative × 100 to the nearest whole number, halves to the even neighbour; a loss shows 0.
    std::int64_t rate = 0;
    if (row.profit.micros > 0) {
        const Units numerator = row.profit.micros * 100, divisor = row.cumulative.micros;
        Units q = numerator / divisor;
        const Units twice = 2 * (numerator % divisor);
        if (twice > divisor || (twice == divisor && q % 2 == 1)) ++q;
        rate = static_cast<std::int64_t>(q);
    }
    row.rateText = std::to_string(rate) + "%";
    plan.rows.resize(index + 1);
    plan.stopped = false;
    plan.message.clear();
    PlanFrom(plan, inputs, row.period + 1, multiple, row.cumulative, stop);
    return {};
}

std::vector<std::string> betPlanCells(const BetPlanRow& row) {
    return {std::to_string(row.period),
            std::to_string(row.multiple),
            formatMoney(row.cost),
            formatMoney(row.cumulative),
            formatMoney(row.prize),
            formatMoney(row.profit),
            row.rateText};
}

} // namespace p3::core
