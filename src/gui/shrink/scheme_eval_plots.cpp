#include "gui/shrink/scheme_eval_plots.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace p3::gui {
namespace {

QChartView* makeView(QWidget* parent, const QString& name) {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(170);
    return view;
}

/// A fresh chart with an x axis over the period positions and a y axis over [low, high].
QChart* freshChart(const QString& title, double periods, double low, double high, const QString& yTitle,
                   const QString& yFormat) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 2, 4, 2));
    auto* x = new QValueAxis;
    x->setRange(1, std::max(2.0, periods));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("第几期（评估范围内）"));
    auto* y = new QValueAxis;
    if (high <= low) high = low + 1;
    y->setRange(low, high);
    y->applyNiceNumbers();
    y->setLabelFormat(yFormat);
    y->setTitleText(yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    return chart;
}

void attach(QChart* chart, QAbstractSeries* series) {
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes())
        series->attachAxis(axis);
}

} // namespace

SchemeEvalPlots::SchemeEvalPlots(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_size = makeView(this, QStringLiteral("Pg_Plot_Size"));
    m_money = makeView(this, QStringLiteral("Pg_Plot_Money"));
    m_rate = makeView(this, QStringLiteral("Pg_Plot_Rate"));
    for (QChartView* v : {m_size, m_money, m_rate})
        layout->addWidget(v, 1);
    setReport(nullptr, {});
}

int SchemeEvalPlots::rollingWindow(std::size_t periods) {
    return static_cast<int>(std::clamp<std::size_t>(periods / 10, 10, 100));
}

void SchemeEvalPlots::setReport(const core::BacktestReport* report, const core::PrizeTable& prizes) {
    const std::size_t n = report ? report->periods.size() : 0;
    const int perBet = !report                                    ? 1
                       : report->betType == core::BetType::Group3 ? 3
                       : report->betType == core::BetType::Group6 ? 6
                                                                  : 1;
    const core::Money prize = !report                                    ? prizes.direct
                              : report->betType == core::BetType::Group3 ? prizes.group3
                              : report->betType == core::BetType::Group6 ? prizes.group6
                                                                         : prizes.direct;

    // List size with the hits marked.
    auto* sizes = new QLineSeries;
    sizes->setName(QStringLiteral("注数"));
    auto* hits = new QScatterSeries;
    hits->setName(QStringLiteral("中奖"));
    hits->setMarkerSize(7);
    hits->setColor(QColor(220, 40, 40));
    std::size_t largest = 1;
    // Cumulative net money and the rolling hit rate against the random chance.
    auto* money = new QLineSeries;
    money->setName(QStringLiteral("累计盈亏"));
    auto* rate = new QLineSeries;
    rate->setName(QStringLiteral("命中率"));
    auto* chance = new QLineSeries;
    chance->setName(QStringLiteral("随机选号"));
    const int window = rollingWindow(n);
    double net = 0, low = 0, high = 0, rateHigh = 0.01;
    double hitSum = 0, chanceSum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& p = report->periods[i];
        const double x = static_cast<double>(i + 1);
        sizes->append(x, static_cast<double>(p.count));
        if (p.survived) hits->append(x, static_cast<double>(p.count));
        largest = std::max(largest, p.count);
        net += (p.survived ? prize.toDouble() : 0) - prizes.price.toDouble() * static_cast<double>(p.count);
        money->append(x, net);
        low = std::min(low, net);
        high = std::max(high, net);
        hitSum += p.survived;
        chanceSum += static_cast<double>(p.count * static_cast<std::size_t>(perBet)) / core::kNumberCount;
        if (i >= static_cast<std::size_t>(window)) {
            const auto& old = report->periods[i - static_cast<std::size_t>(window)];
            hitSum -= old.survived;
            chanceSum -=
                static_cast<double>(old.count * static_cast<std::size_t>(perBet)) / core::kNumberCount;
        }
        if (i + 1 >= static_cast<std::size_t>(window)) {
            rate->append(x, hitSum / window);
            chance->append(x, chanceSum / window);
            rateHigh = std::max({rateHigh, hitSum / window, chanceSum / window});
        }
    }
    const double periods = static_cast<double>(n);

    const double smallest = report ? static_cast<double>(report->minSize) : 0;
    QChart* sizeChart =
        freshChart(QStringLiteral("每期注数（红点为中奖期）"), periods, smallest * 0.9,
                   static_cast<double>(largest) * 1.05, QStringLiteral("注"), QStringLiteral("%d"));
    attach(sizeChart, sizes);
    attach(sizeChart, hits);
    QChart* moneyChart =
        freshChart(QStringLiteral("累计盈亏（元）"), periods, low - (high - low) * 0.05 - 1,
                   high + (high - low) * 0.05 + 1, QStringLiteral("元"), QStringLiteral("%.0f"));
    attach(moneyChart, money);
    QChart* rateChart =
        freshChart(QStringLiteral("最近 %1 期命中率与随机选号").arg(window), periods, 0,
                   std::min(1.0, rateHigh * 1.15), QStringLiteral("命中率"), QStringLiteral("%.2f"));
    attach(rateChart, rate);
    attach(rateChart, chance);

    // The views own their charts: setting a new one deletes the old.
    for (auto [view, chart] :
         {std::pair{m_size, sizeChart}, std::pair{m_money, moneyChart}, std::pair{m_rate, rateChart}}) {
        QChart* old = view->chart();
        view->setChart(chart);
        delete old;
    }
}

} // namespace p3::gui
