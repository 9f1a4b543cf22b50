#include "core/shrink/backtest_tables.h"

#include <cmath>
#include <cstdio>

#include "core/io/settings.h"

namespace p3::core {
namespace {

namespace keys = settings_keys;

std::string decimals(double v, int places) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", places, v);
    return buf;
}

/// Three decimals; a lift below 1 is cut, not rounded, so that it never shows as 1.000 beside the mark.
std::string liftText(double lift) {
    return decimals(lift < 1 ? std::floor(lift * 1000) / 1000 : lift, 3);
}

std::string yuan(Money m) {
    return formatMoney(m) + " 元";
}

Money readMoney(const IniFile& ini, const TextSetting& setting, Money fallback) {
    const std::string text = ini.getString(setting.section, setting.key);
    if (text.empty()) return fallback;
    auto m = Money::parse(text);
    return m && m->micros >= 0 ? *m : fallback;
}

void writeMoney(IniFile& ini, const TextSetting& setting, Money money) {
    ini.setString(setting.section, setting.key, formatExact(money));
}

} // namespace

std::string percentText(double share) {
    return decimals(share * 100, 2) + "%";
}

std::string failedLinesText(const BacktestReport& report, const BacktestPeriod& period) {
    std::string out;
    for (int row : period.failedRows) {
        std::string name;
        for (const auto& line : report.lines)
            if (line.row == row) name = line.keyword;
        out += (out.empty() ? "" : ", ") + std::to_string(row) + " " + name;
    }
    return out;
}

TextTable backtestSummaryTable(const BacktestReport& report) {
    TextTable t{"汇总", {"项目", "数值"}, {}};
    const auto add = [&](std::string label, std::string value) {
        t.rows.push_back({std::move(label), std::move(value)});
    };
    add("评估期数", std::to_string(report.periods.size()));
    add("中奖期数", std::to_string(report.hits));
    add("命中率", percentText(report.hitRate));
    add("随机选号命中率", percentText(report.randomHitRate));
    add("命中率 ÷ 随机", decimals(report.ratio, 2));
    add("靠运气达到的机会 (p 值)", formatProbability(report.pValue));
    add("说明", describeHitOdds(report.pValue, report.hitRate, report.randomHitRate));
    add("平均注数", decimals(report.meanSize, 1));
    add("最少注数", std::to_string(report.minSize));
    add("最多注数", std::to_string(report.maxSize));
    add("投入", yuan(report.cost));
    add("奖金", yuan(report.returns));
    add("盈亏", yuan(report.net));
    add("回报率", percentText(returnRate(report)));
    return t;
}

TextTable backtestPeriodTable(const BacktestReport& report) {
    TextTable t{"每期", {"期号", "开奖号", "注数", "命中", "未通过的条件"}, {}};
    for (const auto& p : report.periods)
        t.rows.push_back({p.period, p.draw, std::to_string(p.count),
                          p.survived ? "中" : (p.inBase ? "" : "不在大底"), failedLinesText(report, p)});
    return t;
}

TextTable backtestLineTable(const BacktestReport& report) {
    TextTable t{"条件", {"序号", "条件", "保留率", "过滤率", "提升度", "独损中奖", "评价"}, {}};
    for (const auto& l : report.lines)
        t.rows.push_back({std::to_string(l.row), l.keyword, percentText(l.keepRate), percentText(l.cutRate),
                          liftText(l.lift), std::to_string(l.lostHits),
                          isWorseThanNothing(l) ? std::string(kWorseThanNothing) : std::string{}});
    return t;
}

PrizeTable readPrizeTable(const IniFile& ini) {
    const PrizeTable defaults;
    return {readMoney(ini, keys::kUnitPrice, defaults.price),
            readMoney(ini, keys::kDirectPrize, defaults.direct),
            readMoney(ini, keys::kGroup3Prize, defaults.group3),
            readMoney(ini, keys::kGroup6Prize, defaults.group6)};
}

void writePrizeTable(IniFile& ini, const PrizeTable& prizes) {
    writeMoney(ini, keys::kUnitPrice, prizes.price);
    writeMoney(ini, keys::kDirectPrize, prizes.direct);
    writeMoney(ini, keys::kGroup3Prize, prizes.group3);
    writeMoney(ini, keys::kGroup6Prize, prizes.group6);
}

} // namespace p3::core
