#pragma once
/// The bet plan calculator: for each period the smallest multiple, never below the last one, at which
/// a win returns the required profit rate on everything invested so far.
#include <atomic>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

namespace betplan_messages {
inline constexpr std::string_view kEmptyInput = "请正确输入不能为空!";
inline constexpr std::string_view kZeroRate = "请正确输入利润率!";
inline constexpr std::string_view kBadRate = "百分比设置有错!";
inline constexpr std::string_view kStopped = "分析自动停止!";
inline constexpr std::string_view kNoSpreadsheet = "您的电脑上没有安装 Microsoft Excel";
} // namespace betplan_messages

/// The seven column captions of the plan table.
inline constexpr std::string_view kBetPlanCaptions[7] = {"期数",     "倍数", "当期投入", "累计投入",
                                                         "中奖奖金", "利润", "利润率"};

/// An amount of money (or a percentage) held exactly as a whole number of millionths, so that sums,
/// multiples and the two-decimal rounding of the table never meet a binary fraction.
struct Money {
    using Units = __int128;
    static constexpr std::int64_t kScale = 1'000'000;
    Units micros = 0;

    constexpr Money() = default;
    /// Whole yuan, so that plain numbers can be written where money is meant.
    template <std::integral T> constexpr Money(T yuan) : micros(static_cast<Units>(yuan) * kScale) {}
    /// A binary fraction is never taken for money: parse the decimal text instead.
    Money(double) = delete;
    static constexpr Money fromMicros(Units m) {
        Money out;
        out.micros = m;
        return out;
    }
    /// A decimal text of at most six decimals ("2", "0.125", "-3.5"); anything else is no money.
    [[nodiscard]] static Result<Money> parse(std::string_view text);

    double toDouble() const { return static_cast<double>(micros) / kScale; }
    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money a, Money b) { return a.micros <=> b.micros; }
    friend constexpr Money operator+(Money a, Money b) { return fromMicros(a.micros + b.micros); }
    friend constexpr Money operator-(Money a, Money b) { return fromMicros(a.micros - b.micros); }
    friend constexpr Money operator*(Money a, std::int64_t m) { return fromMicros(a.micros * m); }
};

/// What "查询" takes from the input boxes.
struct BetPlanInputs {
    Money unitCost = 2;
    Money unitPrize = 160;
    std::int64_t startMultiple = 1;
    int periods = 15;
    Money rate = 10; ///< required profit rate in percent
};

/// The input boxes' texts checked as "查询" does: nothing empty, a non-zero numeric rate; besides,
/// positive money values, a whole positive number of periods and a whole starting multiple.
[[nodiscard]] Result<BetPlanInputs> parseBetPlanInputs(std::string_view unitCost, std::string_view unitPrize,
                                                       std::string_view startMultiple,
                                                       std::string_view periods, std::string_view rate);

/// One row of the plan table.
struct BetPlanRow {
    int period = 0;
    std::int64_t multiple = 0;
    Money cost;
    Money cumulative;
    Money prize;
    Money profit;
    std::string rateText; ///< whole percent and "%", e.g. "7900%"
    bool operator==(const BetPlanRow&) const = default;
};

/// `RoundRate`: the whole part toward zero, plus one when a positive value's first decimal is 5 or more.
std::int64_t RoundRate(double value);
/// `RoundRate` of profit / total × 100, computed exactly (total > 0).
std::int64_t RoundRate(Money profit, Money total);

/// Money in the shortest form of its two-decimal rounding (halves away from zero): 12.50 as 12.5.
std::string formatMoney(Money value);
/// The exact value in its shortest decimal form (0.125 stays 0.125).
std::string formatExact(Money value);

/// The plan table and whether planning ended early.
struct BetPlan {
    std::vector<BetPlanRow> rows;
    bool stopped = false; ///< by the stop flag or because the rate cannot be reached
    std::string message;  ///< "分析自动停止!" when the rate can never be reached
};

/// `PlanFrom`: appends rows for the periods from `firstPeriod` to the last, starting at `multiple` with
/// the cumulative cost so far. The multiple of each period is found directly, so a long plan is instant;
/// a period whose rate no multiple reaches ends planning with "分析自动停止!".
void PlanFrom(BetPlan& plan, const BetPlanInputs& inputs, int firstPeriod, std::int64_t multiple,
              Money cumulative, const std::atomic<bool>* stop = nullptr);

/// "查询": the whole plan from period 1.
BetPlan planBets(const BetPlanInputs& inputs, const std::atomic<bool>* stop = nullptr);

/// A double-click change: row `index` gets the multiple, its figures are recomputed (the rate rounded
/// half to even, "0%" when negative), the rows after it are dropped and planned again from it.
[[nodiscard]] Status rewriteBetPlanRow(BetPlan& plan, const BetPlanInputs& inputs, std::size_t index,
                                       std::int64_t multiple, const std::atomic<bool>* stop = nullptr);

/// The row's seven cells as the table shows them.
std::vector<std::string> betPlanCells(const BetPlanRow& row);

} // namespace p3::core
