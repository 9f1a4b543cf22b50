#include "gui/charts/start_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "core/attributes/get_fun_class.h"
#include "core/charts/fixed_charts.h"
#include "gui/widgets/ball_image_cache.h"
#include "gui/widgets/text.h"

namespace p3::gui {

namespace {

constexpr int kBigBall = 44;
constexpr std::size_t kRecentDraws = 10;

/// One of the page's side-by-side rich-text columns, read from its top left.
QLabel* columnLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

StartPage::StartPage(BallImageCache& balls, QWidget* parent) : QWidget(parent), m_balls(balls) {
    setObjectName(QStringLiteral("Start_Page"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(248, 251, 255));
    setPalette(pal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Start_Heading"));
    m_heading->setStyleSheet(QStringLiteral("color: rgb(22,77,137); font-size: 20px; font-weight: bold;"));
    m_ballRow = new QLabel(this);
    m_ballRow->setObjectName(QStringLiteral("Start_Balls"));
    auto* columns = new QHBoxLayout;
    m_attributes = columnLabel(this, "Start_Attributes");
    m_recent = columnLabel(this, "Start_Recent");
    columns->addWidget(m_attributes);
    columns->addSpacing(40);
    columns->addWidget(m_recent);
    columns->addStretch(1);
    auto* hint = new QLabel(
        QStringLiteral("从左边的图表目录中选择一个图表；“固定图表”是 000–999 全部号码的对照表。"), this);
    hint->setStyleSheet(QStringLiteral("color: rgb(102,102,102);"));
    layout->addWidget(m_heading);
    layout->addWidget(m_ballRow);
    layout->addLayout(columns);
    layout->addStretch(1);
    layout->addWidget(hint);
}

void StartPage::setContent(const QString& lotteryName, const QString& sourceName,
                           std::span<const core::Draw> draws) {
    m_attributeText.clear();
    if (draws.empty()) {
        m_heading->setText(QStringLiteral("%1 · %2：没有开奖数据").arg(lotteryName, sourceName));
        m_ballRow->clear();
        m_attributes->clear();
        m_recent->clear();
        return;
    }
    const core::Draw& newest = draws.back();
    m_heading->setText(
        QStringLiteral("%1 · %2 · 第%3期").arg(lotteryName, sourceName, toQString(newest.period)));

    const QString digits = toQString(newest.digits);
    QPixmap row(static_cast<int>(digits.size()) * (kBigBall + 8), kBigBall);
    row.fill(Qt::transparent);
    {
        QPainter painter(&row);
        for (qsizetype i = 0; i < digits.size(); ++i) {
            // The analysed digits red, the further positions of longer lotteries grey.
            const QString name = (i < 3 ? QStringLiteral("Y") : QStringLiteral("HuiSe_")) + digits[i];
            painter.drawPixmap(static_cast<int>(i) * (kBigBall + 8), 0, m_balls.image(name, kBigBall));
        }
    }
    m_ballRow->setPixmap(row);

    QString html = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"3\">");
    for (const auto& attribute : core::numberSummary(newest.digits.substr(0, 3))) {
        html +=
            QStringLiteral("<tr><td style=\"color:#496ac6; font-weight:bold;\">%1</td><td>%2</td></tr>")
                .arg(toQString(attribute.name).toHtmlEscaped(), toQString(attribute.value).toHtmlEscaped());
        m_attributeText +=
            toQString(attribute.name) + QStringLiteral("：") + toQString(attribute.value) + QLatin1Char('\n');
    }
    html += QStringLiteral("</table>");
    m_attributes->setText(html);

    QString recent =
        QStringLiteral("<b style=\"color:#164d89;\">最近%1期</b>"
                       "<table cellspacing=\"0\" cellpadding=\"3\">"
                       "<tr style=\"background:#e8f0f9;\"><th>期号</th><th>奖号</th><th>和值</th>"
                       "<th>跨度</th><th>组选类型</th></tr>")
            .arg(std::min(kRecentDraws, draws.size()));
    const std::size_t first = draws.size() > kRecentDraws ? draws.size() - kRecentDraws : 0;
    for (std::size_t i = draws.size(); i-- > first;) {
        const core::DigitArray d = core::toDigits(draws[i].digits.substr(0, 3));
        recent +=
            QStringLiteral("<tr><td>%1</td><td style=\"color:#333399;\"><b>%2</b></td><td>%3</td><td>%4</td>"
                           "<td>%5</td></tr>")
                .arg(toQString(draws[i].period), toQString(draws[i].digits))
                .arg(core::digitSum(d))
                .arg(core::digitSpan(d))
                .arg(toQString(std::string(core::Get_Fun_Class::GetGroupTypeText(d))));
    }
    recent += QStringLiteral("</table>");
    m_recent->setText(recent);
}

QString StartPage::attributeText() const {
    return m_attributeText;
}

} // namespace p3::gui
