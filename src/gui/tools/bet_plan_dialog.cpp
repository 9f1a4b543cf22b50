#include "gui/tools/bet_plan_dialog.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "core/export/bet_plan_xlsx.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/grid_fields.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {

namespace {

const QString kIdleCaption = QStringLiteral("投注方案");

QComboBox* choice(QWidget* parent, const char* name, const QStringList& items, const QString& initial) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->addItems(items);
    box->setCurrentText(initial);
    return box;
}

} // namespace

BetPlanDialog::BetPlanDialog(Workbench& bench)
    : QDialog(bench.window()), m_bench(bench), m_prompter(bench.prompter()) {
    setObjectName(QStringLiteral("TForm15"));
    setWindowTitle(kIdleCaption);
    setModal(true);
    m_opener = [](const QString& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };

    auto* root = new QVBoxLayout(this);
    auto* settings = new QGroupBox(QStringLiteral("倍投方案设置"), this);
    auto* grid = new QGridLayout(settings);
    m_cost = choice(settings, "Cmd_0", {"2", "4", "8", "12", "16", "24", "100", "200"}, QStringLiteral("2"));
    m_prize = choice(settings, "Cmd_1", {"160", "320", "1000"}, QStringLiteral("160"));
    m_start = choice(settings, "Bei", {"1", "2", "4", "6", "8", "10"}, QStringLiteral("1"));
    m_periods = new QLineEdit(QStringLiteral("15"), settings);
    m_periods->setObjectName(QStringLiteral("Cmd_2"));
    QStringList rates;
    for (int r = 10; r <= 100; r += 10)
        rates << QString::number(r);
    m_rate = choice(settings, "Bfb", rates, QStringLiteral("10"));
    addCaptionedField(grid, 0, 0, QStringLiteral("1.当期投入："), m_cost, 1, QStringLiteral("元"));
    addCaptionedField(grid, 0, 3, QStringLiteral("2.中奖奖金："), m_prize, 1, QStringLiteral("元"));
    addCaptionedField(grid, 1, 0, QStringLiteral("3. 起始倍数："), m_start);
    addCaptionedField(grid, 1, 3, QStringLiteral("4. 倍投期数："), m_periods);
    addCaptionedField(grid, 2, 0, QStringLiteral("5.中奖利润率>=："), m_rate, 1, QStringLiteral("%"));
    // The boxes keep their natural width; the free space goes to the right of the settings.
    for (QWidget* box : std::initializer_list<QWidget*>{m_cost, m_prize, m_start, m_periods, m_rate})
        box->setFixedWidth(90);
    grid->setColumnStretch(6, 1);
    root->addWidget(settings);

    auto* tableBox = new QGroupBox(QStringLiteral("显示方案信息  双击修改当期投入倍数"), this);
    auto* tableLayout = new QVBoxLayout(tableBox);
    m_table = new QTreeWidget(tableBox);
    m_table->setObjectName(QStringLiteral("Lv_gxr"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    QStringList captions;
    for (std::string_view c : core::kBetPlanCaptions)
        captions << toQString(c);
    m_table->setHeaderLabels(captions);
    m_table->header()->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < 7; ++c)
        m_table->setColumnWidth(c, 90);
    tableLayout->addWidget(m_table);
    root->addWidget(tableBox, 1);
    connect(m_table, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { changeRow(m_table->indexOfTopLevelItem(item)); });

    auto* buttons = new QHBoxLayout;
    auto* ok = makeButton(this, QStringLiteral("查询"), "OK");
    auto* excel = makeButton(this, QStringLiteral("将结果导入Excel 进行打印"), "Output_Excel");
    m_inf = makeButton(this, QStringLiteral("请稍候单击停止.."), "inf");
    m_inf->hide();
    m_close = makeButton(this, QStringLiteral("关闭"), "Close");
    buttons->addWidget(ok);
    buttons->addWidget(excel);
    buttons->addWidget(m_inf);
    buttons->addStretch();
    buttons->addWidget(m_close);
    root->addLayout(buttons);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &BetPlanDialog::OKClick);
    connect(excel, &QPushButton::clicked, this, &BetPlanDialog::Output_ExcelClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_inf, &QPushButton::clicked, this, [this] {
        m_stop = true;
        setWindowTitle(kIdleCaption);
        m_inf->hide();
    });
    resize(720, 560);
}

std::filesystem::path BetPlanDialog::exportFile() const {
    return m_bench.home() / "倍投计划表.xlsx";
}

void BetPlanDialog::OKClick() {
    auto inputs =
        core::parseBetPlanInputs(m_cost->currentText().toStdString(), m_prize->currentText().toStdString(),
                                 m_start->currentText().toStdString(), m_periods->text().toStdString(),
                                 m_rate->currentText().toStdString());
    if (!inputs) {
        m_prompter.information(this, toQString(inputs.error().message));
        if (inputs.error().message == core::betplan_messages::kEmptyInput) {
            if (m_cost->currentText().trimmed().isEmpty())
                m_cost->setFocus();
            else if (m_prize->currentText().trimmed().isEmpty())
                m_prize->setFocus();
            else
                m_periods->setFocus();
        }
        return;
    }
    m_inputs = *inputs;
    m_haveInputs = true;
    m_table->clear();
    setWindowTitle(QStringLiteral("正确处理如果时间过长请单击停止..."));
    m_close->hide();
    m_inf->show();
    m_stop = false;
    m_plan = core::planBets(m_inputs, &m_stop);
    planned();
}

void BetPlanDialog::changeRow(int row) {
    if (!m_haveInputs || row < 0 || static_cast<std::size_t>(row) >= m_plan.rows.size()) return;
    QStringList multiples;
    for (int m = 10; m <= 100; m += 10)
        multiples << QString::number(m);
    // Any whole multiple may be typed in; the ten choices are suggestions.
    const auto answer = m_prompter.chooseNumber(this, QStringLiteral("请输入倍数"),
                                                QStringLiteral("请输入倍数："), multiples);
    if (!answer) return;
    bool ok = false;
    const qlonglong multiple = answer->trimmed().toLongLong(&ok);
    if (!ok || multiple <= 0) return;
    // Unit cost and prize are taken from the boxes as they stand now.
    core::BetPlanInputs now = m_inputs;
    if (auto cost = core::Money::parse(m_cost->currentText().trimmed().toStdString()); cost && *cost > 0)
        now.unitCost = *cost;
    if (auto prize = core::Money::parse(m_prize->currentText().trimmed().toStdString()); prize && *prize > 0)
        now.unitPrize = *prize;
    setWindowTitle(QStringLiteral("正在分析请稍等一下"));
    m_inf->show();
    m_stop = false;
    if (auto done = core::rewriteBetPlanRow(m_plan, now, static_cast<std::size_t>(row), multiple, &m_stop);
        !done) {
        m_prompter.information(this, toQString(done.error().message));
    }
    m_inputs = now;
    planned();
}

void BetPlanDialog::planned() {
    showRows();
    setWindowTitle(kIdleCaption);
    m_inf->hide();
    m_close->show();
    if (!m_plan.message.empty()) m_prompter.information(this, toQString(m_plan.message));
}

void BetPlanDialog::showRows() {
    m_table->clear();
    const QColor loss(255, 220, 220);
    for (const core::BetPlanRow& row : m_plan.rows) {
        QStringList cells;
        for (const std::string& cell : core::betPlanCells(row))
            cells << QString::fromStdString(cell);
        auto* item = new QTreeWidgetItem(m_table, cells);
        for (int c = 0; c < 7; ++c) {
            item->setTextAlignment(c, Qt::AlignCenter);
            if (row.profit < core::Money(0)) item->setBackground(c, loss);
        }
    }
}

void BetPlanDialog::Output_ExcelClick() {
    const std::filesystem::path file = exportFile();
    if (auto written = core::writeBetPlanXlsx(m_plan, m_inputs, file); !written) {
        m_prompter.information(this, toQString(written.error().message));
        return;
    }
    if (!m_opener(QString::fromStdU16String(file.u16string())))
        m_prompter.information(this, toQString(core::betplan_messages::kNoSpreadsheet));
}

BetPlanDialog& runBetPlan(Workbench& bench) {
    auto* dialog =
        bench.window()->findChild<BetPlanDialog*>(QStringLiteral("TForm15"), Qt::FindDirectChildrenOnly);
    if (!dialog) dialog = new BetPlanDialog(bench);
    bench.runDialog(*dialog);
    return *dialog;
}

} // namespace p3::gui
