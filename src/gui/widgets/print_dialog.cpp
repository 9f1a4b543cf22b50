#include "gui/widgets/print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/grid_fields.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {

PrintDialog::PrintDialog(std::filesystem::path home, Prompter& prompter, std::function<void()> startProgram,
                         QWidget* parent)
    : QDialog(parent), m_home(std::move(home)), m_prompter(prompter),
      m_startProgram(std::move(startProgram)) {
    setObjectName(QStringLiteral("TF_print"));
    setWindowTitle(QStringLiteral("数据打印"));
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("Cmd_txt_01"));
    for (std::string_view s : core::kPrintSeparators)
        m_separator->addItem(s == " " ? QStringLiteral("空格")
                                      : QString::fromUtf8(s.data(), qsizetype(s.size())),
                             QString::fromUtf8(s.data(), qsizetype(s.size())));
    m_separator->setCurrentIndex(1);
    m_columns = new QComboBox(this);
    m_columns->setObjectName(QStringLiteral("Cmd_txt_02"));
    for (int c = 1; c <= 10; ++c)
        m_columns->addItem(QString::number(c), c);
    m_columns->setCurrentIndex(5);
    m_interval = new QComboBox(this);
    m_interval->setObjectName(QStringLiteral("Cmd_txt_03"));
    for (int i : core::kPrintBlankIntervals)
        m_interval->addItem(QString::number(i), i);
    m_sequence = new QCheckBox(QStringLiteral("标记序号"), this);
    m_sequence->setObjectName(QStringLiteral("Xu_hao"));
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Print_Title"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("zhu_shu"));
    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("Print_Preview"));
    m_preview->setReadOnly(true);
    m_preview->setFont(QFont(QStringLiteral("Monospace")));
    for (QComboBox* box : {m_separator, m_columns, m_interval})
        connect(box, &QComboBox::currentIndexChanged, this, &PrintDialog::preview);
    connect(m_sequence, &QCheckBox::toggled, this, &PrintDialog::preview);

    auto* print = makeButton(this, QStringLiteral("打印"), "bsSkinSpeedButton2");
    auto* cancel = makeButton(this, QStringLiteral("取消"), "Btn_Cancel");
    connect(print, &QPushButton::clicked, this, &PrintDialog::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    addCaptionedField(grid, 0, 0, QStringLiteral("标题"), m_title, 5);
    addCaptionedField(grid, 1, 0, QStringLiteral("号码分隔符"), m_separator);
    addCaptionedField(grid, 1, 2, QStringLiteral("列数"), m_columns);
    addCaptionedField(grid, 1, 4, QStringLiteral("空行间隔"), m_interval);
    grid->addWidget(m_sequence, 2, 0, 1, 2);
    addCaptionedField(grid, 2, 2, QStringLiteral("打印注数："), m_count, 3);
    grid->addWidget(m_preview, 3, 0, 1, 6);
    grid->addLayout(makeButtonRow({print, cancel}), 4, 0, 1, 6);
    resize(620, 420);
}

core::PrintLayout PrintDialog::layout() const {
    core::PrintLayout layout;
    layout.separator = m_separator->currentData().toString().toStdString();
    layout.columns = m_columns->currentData().toInt();
    layout.blankInterval = m_interval->currentData().toInt();
    layout.sequence = m_sequence->isChecked();
    return layout;
}

void PrintDialog::setNumbers(std::vector<std::string> numbers, const QString& title) {
    m_numbers = std::move(numbers);
    m_title->setText(title);
    m_count->setText(QString::fromStdString(core::printCountLabel(m_numbers.size())));
    preview();
}

void PrintDialog::preview() {
    QStringList lines;
    for (const auto& line : core::buildPrintLines(m_numbers, layout()))
        lines << QString::fromStdString(line);
    m_preview->setPlainText(lines.join(QLatin1Char('\n')));
}

void PrintDialog::print() {
    auto written = core::writePrintHandoff(m_home, m_numbers, layout(), m_title->text().toStdString());
    if (!written) {
        m_prompter.information(this, QString::fromStdString(written.error().message));
        return;
    }
    if (m_startProgram) m_startProgram();
    accept();
}

} // namespace p3::gui
