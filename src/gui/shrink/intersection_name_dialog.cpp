#include "gui/shrink/intersection_name_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/catalogue/condition_line.h"
#include "core/shrink/workbench.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {

IntersectionNameDialog::IntersectionNameDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("TF_Jiaoji_Frm"));
    setWindowTitle(QStringLiteral("大底交集"));
    m_nameLabel = new QLabel(QStringLiteral("交集名称："), this);
    m_nameBox = new QComboBox(this);
    m_nameBox->setObjectName(QStringLiteral("Jiao_Ji_Name"));
    m_nameBox->setEditable(true);
    // Wide enough for the longer names a user types ("奖号大底12 星轨3 第二轮").
    m_nameBox->setMinimumContentsLength(18);
    m_nameBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const auto& choice : core::intersectionNameChoices())
        m_nameBox->addItem(QString::fromStdString(choice));
    m_seriesLabel = new QLabel(QStringLiteral("星轨参数："), this);
    m_series = new QComboBox(this);
    m_series->setObjectName(QStringLiteral("Jiao_Ji_LeiBie"));
    for (int k = 0; k <= core::kMaxSelectableSeries; ++k)
        m_series->addItem(QString::fromStdString(core::seriesText(k)));
    // Choosing series k proposes the k-th name (星轨3 → D3).
    connect(m_series, &QComboBox::activated, this,
            [this](int k) { m_nameBox->setEditText(m_nameBox->itemText(k)); });
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("zhu_shu_value"));
    auto* ok = makeButton(this, QStringLiteral("确定"), "Tou_Zhu_Btn");
    auto* cancel = makeButton(this, QStringLiteral("取消"), "Btn_Cancel");
    connect(ok, &QPushButton::clicked, this, &IntersectionNameDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_nameLabel, 0, 0);
    grid->addWidget(m_nameBox, 0, 1);
    grid->addWidget(m_seriesLabel, 1, 0);
    grid->addWidget(m_series, 1, 1);
    grid->addWidget(m_count, 2, 0, 1, 2);
    grid->addLayout(makeButtonRow({ok, cancel}), 3, 0, 1, 2);
}

void IntersectionNameDialog::prepare(const QString& caption, const QString& nameLabel, const QString& name,
                                     int series, bool seriesEnabled, std::size_t count) {
    setWindowTitle(caption);
    m_nameLabel->setText(nameLabel);
    m_nameBox->setEditText(name);
    m_seriesLabel->setVisible(series >= 0);
    m_series->setVisible(series >= 0);
    m_series->setEnabled(seriesEnabled);
    m_series->setCurrentIndex(std::max(series, 0));
    m_count->setText(QStringLiteral("共: %1 注").arg(count));
    m_name.clear();
    setResult(QDialog::Rejected);
}

bool IntersectionNameDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) m_nameBox->setFocus();
    return QDialog::event(event);
}

int IntersectionNameDialog::series() const {
    return m_series->currentIndex();
}

void IntersectionNameDialog::confirm() {
    const QString name = m_nameBox->currentText().trimmed();
    if (name.isEmpty()) {
        m_prompter.information(this, QStringLiteral("请输入 交集名称"));
        return;
    }
    // A series the track table does not provide would block every intersection later: refuse it here.
    if (!m_series->isHidden() && m_series->currentIndex() > core::kMaxUsableSeries) {
        m_prompter.information(
            this, QString::fromUtf8(core::kUnsupportedSeriesMessage.data(),
                                    static_cast<qsizetype>(core::kUnsupportedSeriesMessage.size())));
        return;
    }
    m_name = name;
    accept();
}

} // namespace p3::gui
