#include "gui/widgets/tolerance_range.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace p3::gui {

ToleranceRange::ToleranceRange(const QString& caption, const Names& names, Options options, QWidget* parent)
    : QWidget(parent), m_box(new QCheckBox(caption, this)), m_begin(new QSpinBox(this)),
      m_to(new QLabel(QStringLiteral("至"), this)), m_end(new QSpinBox(this)) {
    m_box->setObjectName(names.box);
    m_begin->setObjectName(names.begin);
    m_end->setObjectName(names.end);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : std::initializer_list<QWidget*>{m_box, m_begin, m_to, m_end})
        layout->addWidget(part);
    for (QSpinBox* spin : {m_begin, m_end}) {
        spin->setRange(0, 100);
        if (options.testFlag(FollowsBox)) spin->setEnabled(false);
        connect(spin, &QSpinBox::valueChanged, this, &ToleranceRange::changed);
    }
    connect(m_box, &QCheckBox::toggled, this, [this, options](bool on) {
        if (options.testFlag(FollowsBox)) {
            m_begin->setEnabled(on);
            m_end->setEnabled(on);
        }
        if (options.testFlag(BoldWhenOn)) {
            QFont font = m_box->font();
            font.setBold(on);
            m_box->setFont(font);
        }
        if (on && options.testFlag(FocusWhenOn)) m_begin->setFocus();
        emit toggled(on);
        emit changed();
    });
}

bool ToleranceRange::isOn() const {
    return m_box->isChecked();
}

int ToleranceRange::begin() const {
    return m_begin->value();
}

int ToleranceRange::end() const {
    return m_end->value();
}

void ToleranceRange::setOn(bool on) {
    m_box->setChecked(on);
}

void ToleranceRange::setRange(int begin, int end) {
    m_begin->setValue(begin);
    m_end->setValue(end);
}

void ToleranceRange::setPartsVisible(bool visible) {
    for (QWidget* part : std::initializer_list<QWidget*>{m_box, m_begin, m_to, m_end})
        part->setVisible(visible);
}

void ToleranceRange::setPartsEnabled(bool enabled) {
    for (QWidget* part : std::initializer_list<QWidget*>{m_box, m_begin, m_end})
        part->setEnabled(enabled);
}

} // namespace p3::gui
