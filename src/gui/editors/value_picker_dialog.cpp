#include "gui/editors/value_picker_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/catalogue/condition_editor.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {

ValuePickerDialog::ValuePickerDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("TF_TjcanShu"));
    setWindowTitle(QStringLiteral("请选择"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("M_List"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setGridSize(QSize(52, 22));
    m_list->setMovement(QListView::Static);
    connect(m_list, &QListWidget::itemChanged, this, [this] { recount(); });
    // A click anywhere on the choice toggles it once: a click on its box is toggled by the list itself
    // (before itemClicked), a click on the text by us. What the choice was at the press tells them apart.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item != m_pressedItem || item->checkState() != m_pressedState) return;
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    m_begin = new QComboBox(this);
    m_begin->setObjectName(QStringLiteral("box_Beg_M"));
    m_end = new QComboBox(this);
    m_end->setObjectName(QStringLiteral("box_End_m"));
    for (QComboBox* box : {m_begin, m_end})
        connect(box, &QComboBox::activated, this, [this] {
            if (m_begin->currentIndex() >= 0 && m_end->currentIndex() >= 0)
                chooseRange(m_begin->currentIndex(), m_end->currentIndex());
        });
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("范围："), this));
    range->addWidget(m_begin);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(m_end);
    range->addStretch();
    m_count = new QLabel(QStringLiteral("0 条"), this);
    m_count->setObjectName(QStringLiteral("Label3"));
    range->addWidget(m_count);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button("全选", "Btn_All"), &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(button("全不选", "Btn_None"), &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(button("反选", "Btn_Invert"), &QPushButton::clicked, this, &ValuePickerDialog::invert);
    buttons->addStretch();
    connect(button("确定", "Btn_Ok"), &QPushButton::clicked, this, &ValuePickerDialog::confirm);
    connect(button("取消", "Btn_Cancel"), &QPushButton::clicked, this, [this] {
        m_result.clear();
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(600, 330);
}

bool ValuePickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        m_pressedItem = m_list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (m_pressedItem) m_pressedState = m_pressedItem->checkState();
    }
    return QDialog::eventFilter(watched, event);
}

void ValuePickerDialog::SetupChoices(const core::PickerChoices& choices, const QString& currentText) {
    m_result.clear();
    const QSignalBlocker block(m_list);
    m_pressedItem = nullptr;
    m_list->clear();
    m_begin->clear();
    m_end->clear();
    for (const auto& choice : core::SetupChoices(choices, currentText.toStdString())) {
        const QString text = QString::fromStdString(choice.text);
        auto* item = new QListWidgetItem(text, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(choice.ticked ? Qt::Checked : Qt::Unchecked);
        m_begin->addItem(text);
        m_end->addItem(text);
    }
    m_begin->setCurrentIndex(-1);
    m_end->setCurrentIndex(-1);
    recount();
}

void ValuePickerDialog::setTicked(int index, bool ticked) {
    if (QListWidgetItem* item = m_list->item(index))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void ValuePickerDialog::chooseRange(int begin, int end) {
    const QSignalBlocker block(m_list);
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setCheckState(i >= begin && i <= end ? Qt::Checked : Qt::Unchecked);
    recount();
}

void ValuePickerDialog::tickAll(bool ticked) {
    chooseRange(ticked ? 0 : 1, ticked ? m_list->count() - 1 : 0);
}

void ValuePickerDialog::invert() {
    const QSignalBlocker block(m_list);
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    recount();
}

void ValuePickerDialog::confirm() {
    QStringList chosen;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) chosen << m_list->item(i)->text();
    if (chosen.isEmpty()) {
        m_prompter.information(this, QStringLiteral("请选择值!"));
        return;
    }
    m_result = chosen.join(' ');
    accept();
}

void ValuePickerDialog::recount() {
    int ticked = 0;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) ++ticked;
    m_count->setText(QStringLiteral("%1 条").arg(ticked));
}

} // namespace p3::gui
