#include "gui/data/draw_add_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/history/draw_list.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {
namespace {

QString captionOf(core::DrawEditMode mode) {
    switch (mode) {
    case core::DrawEditMode::Add:
        return QStringLiteral("新增");
    case core::DrawEditMode::Insert:
        return QStringLiteral("插入一期");
    case core::DrawEditMode::Modify:
        return QStringLiteral("修改");
    }
    return {};
}

} // namespace

DrawAddDialog::DrawAddDialog(core::DrawEditMode mode, Saver saver, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_saver(std::move(saver)), m_prompter(prompter) {
    setObjectName(QStringLiteral("TF_DataAdd"));
    setWindowTitle(captionOf(mode));
    m_period = new QLineEdit(this);
    m_period->setObjectName(QStringLiteral("Qhao"));
    m_digits = new QLineEdit(this);
    m_digits->setObjectName(QStringLiteral("K_Haom"));
    m_digits->setMaxLength(5);
    m_period->setEnabled(mode != core::DrawEditMode::Modify);
    auto* hint = new QLabel(QStringLiteral("格式: 1234   (输入后 直接按 Enter)"), this);
    hint->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));

    auto* ok = makeButton(this, QStringLiteral("确定"), "Btn_OK");
    auto* cancel = makeButton(this, QStringLiteral("取消"), "Btn_Cancel");
    // Enter in the fields moves on or saves; the buttons must not take Enter as a default press.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &DrawAddDialog::Btn_OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_period, &QLineEdit::returnPressed, this, [this] { m_digits->setFocus(); });
    connect(m_digits, &QLineEdit::returnPressed, this, &DrawAddDialog::Btn_OKClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("期号"), m_period);
    form->addRow(QStringLiteral("开奖号码"), m_digits);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(makeButtonRow({ok, cancel}));
    setFixedWidth(300);
}

void DrawAddDialog::setEntry(const QString& period, const QString& digits) {
    m_period->setText(period);
    m_digits->setText(digits);
    (m_period->isEnabled() && period.isEmpty() ? m_period : m_digits)->setFocus();
}

void DrawAddDialog::Btn_OKClick() {
    const std::string period = m_period->text().trimmed().toStdString();
    const std::string digits = m_digits->text().trimmed().toStdString();
    if (auto stored = m_saver(period, digits); !stored) {
        m_prompter.information(this, QString::fromStdString(stored.error().message));
        return;
    }
    ++m_saved;
    if (m_onSaved) m_onSaved(period, digits);
    if (m_mode == core::DrawEditMode::Add && !m_direct) {
        // "新增" stays open for the next period.
        m_period->setText(QString::fromStdString(core::NextPeriodText(period)));
        m_digits->clear();
        m_digits->setFocus();
        return;
    }
    accept();
}

} // namespace p3::gui
