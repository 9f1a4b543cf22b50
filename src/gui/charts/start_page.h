#pragma once
/// The start page of the chart view, shown until a chart is chosen: the newest draw of the data source as
/// balls with its main attributes, and the draws before it.
#include <QWidget>
#include <span>

#include "core/history/draw_list.h"

class QLabel;

namespace p3::gui {

class BallImageCache;

class StartPage final : public QWidget {
    Q_OBJECT
public:
    StartPage(BallImageCache& balls, QWidget* parent = nullptr);

    /// Fills the page for the draws of a data source ("开奖号码" or "星轨k") of a lottery, oldest first.
    void setContent(const QString& lotteryName, const QString& sourceName, std::span<const core::Draw> draws);
    /// The attribute texts shown, "name：value" one a line (what a user reads off the page).
    QString attributeText() const;

private:
    BallImageCache& m_balls;
    QLabel* m_heading;
    QLabel* m_ballRow;
    QLabel* m_attributes;
    QLabel* m_recent;
    QString m_attributeText;
};

} // namespace p3::gui
