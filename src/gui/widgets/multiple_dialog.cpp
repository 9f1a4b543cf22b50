#include "gui/widgets/multiple_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace p3::gui {

MultipleDialog::MultipleDialog(const QString& title, const QString& label, const QStringList& choices,
                               QWidget* parent)
    : QDialog(parent), m_box(new QComboBox(this)) {
    setObjectName(QStringLiteral("TF_Form1"));
    setWindowTitle(title);
    m_box->setObjectName(QStringLiteral("Bei_s"));
    m_box->setEditable(true);
    m_box->addItems(choices);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    // Only digits are typed in: a key that is no digit is dropped, so "5a0" leaves "50".
    m_box->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_box));
    m_box->setMinimumWidth(120);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Btn_Ok"));
    auto* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, this));
    row->addWidget(m_box, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFocusProxy(m_box);
}

QString MultipleDialog::value() const {
    return m_box->currentText().trimmed();
}

void MultipleDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    // Centred on the screen of its parent (or the primary one), wherever the parent window stands.
    QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    if (on) move(on->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    m_box->setFocus();
    m_box->lineEdit()->selectAll();
}

} // namespace p3::gui
