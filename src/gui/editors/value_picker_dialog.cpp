#include "gui/editors/value_picker_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/catalogue/condition_editor.h"
#include "gui/editors/picker_choice_model.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {

ValuePickerDialog::ValuePickerDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("TF_TjcanShu"));
    setWindowTitle(QStringLiteral("请选择"));
    m_model = new PickerChoiceModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("M_List"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setGridSize(QSize(52, 22));
    m_list->setMovement(QListView::Static);
    m_list->setModel(m_model);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { recount(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { recount(); });
    // A click anywhere on the choice toggles it once: a click on its box is toggled by the view's
    // delegate (before clicked), a click on the text by us. What the choice was at the press tells
    // them apart.
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index != m_pressedItem || m_model->isTicked(index.row()) != (m_pressedState == Qt::Checked))
            return;
        setTicked(index.row(), !m_model->isTicked(index.row()));
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
        m_pressedItem = m_list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (m_pressedItem.isValid())
            m_pressedState = m_model->isTicked(m_pressedItem.row()) ? Qt::Checked : Qt::Unchecked;
    }
    return QDialog::eventFilter(watched, event);
}

void ValuePickerDialog::SetupChoices(const core::PickerChoices& choices, const QString& currentText) {
    m_result.clear();
    m_pressedItem = QPersistentModelIndex();
    m_begin->clear();
    m_end->clear();
    auto ticks = core::SetupChoices(choices, currentText.toStdString());
    for (const auto& choice : ticks) {
        const QString text = QString::fromStdString(choice.text);
        m_begin->addItem(text);
        m_end->addItem(text);
    }
    m_model->setChoices(std::move(ticks));
    m_begin->setCurrentIndex(-1);
    m_end->setCurrentIndex(-1);
    recount();
}

void ValuePickerDialog::setTicked(int index, bool ticked) {
    m_model->setData(m_model->index(index), ticked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void ValuePickerDialog::chooseRange(int begin, int end) {
    m_model->tickRange(begin, end);
}

void ValuePickerDialog::tickAll(bool ticked) {
    chooseRange(ticked ? 0 : 1, ticked ? m_model->rowCount() - 1 : 0);
}

void ValuePickerDialog::invert() {
    m_model->invert();
}

void ValuePickerDialog::confirm() {
    const QStringList chosen = m_model->tickedTexts();
    if (chosen.isEmpty()) {
        m_prompter.information(this, QStringLiteral("请选择值!"));
        return;
    }
    m_result = chosen.join(' ');
    accept();
}

void ValuePickerDialog::recount() {
    m_count->setText(QStringLiteral("%1 条").arg(m_model->tickedCount()));
}

} // namespace p3::gui
