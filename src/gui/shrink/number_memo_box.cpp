#include "gui/shrink/number_memo_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/shrink/number_list.h"
#include "core/tools/print_layout.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {

NumberMemoBox::NumberMemoBox(const QString& title, const QString& memoName, const QString& columnsName,
                             Prompter& prompter, QWidget* parent)
    : QGroupBox(title, parent), m_memo(new QPlainTextEdit(this)), m_columns(nullptr), m_row(new QHBoxLayout) {
    auto* layout = new QVBoxLayout(this);
    m_memo->setObjectName(memoName);
    m_memo->setFont(QFont(QStringLiteral("Monospace")));
    buildMemoMenu(prompter);
    layout->addWidget(m_memo, 1);
    m_row->addWidget(new QLabel(QStringLiteral("列数："), this));
    m_columns = new QComboBox(this);
    m_columns->setObjectName(columnsName);
    for (int c = 1; c <= 10; ++c)
        m_columns->addItem(QString::number(c));
    m_columns->setCurrentIndex(9);
    connect(m_columns, &QComboBox::currentIndexChanged, this, [this] {
        const auto shown = numbers();
        if (!shown.empty()) showNumbers(shown);
    });
    m_row->addWidget(m_columns);
    m_row->addStretch();
    layout->addLayout(m_row);
}

void NumberMemoBox::buildMemoMenu(Prompter& prompter) {
    m_memo->setContextMenuPolicy(Qt::CustomContextMenu);
    // One menu per memo, kept with it, so that its entries follow the memo's text at all times.
    auto* menu = new QMenu(m_memo);
    menu->setObjectName(QStringLiteral("Memo_PopupMenu"));
    QAction* clear = menu->addAction(QStringLiteral("清空"));
    clear->setObjectName(QStringLiteral("N_MemoClear"));
    QAction* copy = menu->addAction(QStringLiteral("全部复制"));
    copy->setObjectName(QStringLiteral("N_MemoCopy"));
    const auto follow = [memo = m_memo, clear, copy] {
        const bool empty = memo->toPlainText().trimmed().isEmpty();
        clear->setEnabled(!empty);
        copy->setEnabled(!empty);
    };
    follow();
    connect(m_memo, &QPlainTextEdit::textChanged, menu, follow);
    connect(clear, &QAction::triggered, m_memo, &QPlainTextEdit::clear);
    connect(copy, &QAction::triggered, this, [this, &prompter] {
        QApplication::clipboard()->setText(m_memo->toPlainText());
        prompter.information(window(), QStringLiteral("已复制"));
    });
    connect(m_memo, &QWidget::customContextMenuRequested, menu,
            [memo = m_memo, menu](const QPoint& at) { menu->popup(memo->viewport()->mapToGlobal(at)); });
}

std::vector<std::string> NumberMemoBox::numbers() const {
    return core::ReadMemoNumbers(m_memo->toPlainText().toStdString());
}

void NumberMemoBox::showNumbers(const std::vector<std::string>& numbers, int columns) {
    const int perLine = columns > 0 ? columns : m_columns->currentIndex() + 1;
    m_memo->setPlainText(QString::fromStdString(core::LayoutNumbers(numbers, perLine)));
}

} // namespace p3::gui
