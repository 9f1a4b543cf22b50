#pragma once
/// The plots of the scheme evaluation: list size per period with the hits marked, the cumulative net
/// money, and the rolling hit rate against what random lists of the same sizes would hit.
#include <QWidget>

#include "core/shrink/backtest.h"

class QChartView;

namespace p3::gui {

class SchemeEvalPlots final : public QWidget {
    Q_OBJECT
public:
    explicit SchemeEvalPlots(QWidget* parent = nullptr);
    void setReport(const core::BacktestReport* report, const core::PrizeTable& prizes);

    /// Periods over which the rolling hit rate is taken.
    static int rollingWindow(std::size_t periods);

private:
    QChartView* m_size = nullptr;
    QChartView* m_money = nullptr;
    QChartView* m_rate = nullptr;
};

} // namespace p3::gui
