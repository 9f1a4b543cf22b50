// The list workbench pages of the shrink window: intersection area, staging area, draw numbers with
// their conversions, the track converter and the print hand-off.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/shrink/number_list.h"
#include "core/tools/print_layout.h"
#include "gui/shrink/intersection_name_dialog.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/print_dialog.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/tolerance_range.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

enum Page { ConditionPage, IntersectionPage, StagingPage, DrawPage };

QPushButton* linkButton(QWidget* parent, const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("color: rgb(0,0,160); text-decoration: underline;"));
    return b;
}

QTableWidgetItem* item(const QString& text) {
    auto* it = new QTableWidgetItem(text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return it;
}

QTableWidgetItem* flag(const std::string& value) {
    auto* it = item({});
    it->setData(Qt::CheckStateRole, value == "0" ? Qt::Unchecked : Qt::Checked);
    return it;
}

void setupView(QTableWidget* view, const QStringList& headers) {
    view->setColumnCount(static_cast<int>(headers.size()));
    view->setHorizontalHeaderLabels(headers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(20);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setStretchLastSection(true);
}

std::vector<int> selectedRows(QTableWidget* view) {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    return rows;
}

template <typename T> void eraseRows(std::vector<T>& list, const std::vector<int>& rows) {
    std::vector<bool> doomed(list.size(), false);
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(list.size())) doomed[static_cast<std::size_t>(row)] = true;
    std::vector<T> kept;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!doomed[i]) kept.push_back(std::move(list[i]));
    list = std::move(kept);
}

} // namespace

IntersectionNameDialog& ShrinkWindow::nameDialog() {
    if (!m_nameDialog) m_nameDialog = new IntersectionNameDialog(m_prompter, this);
    return *m_nameDialog;
}

QPlainTextEdit* ShrinkWindow::makeMemo(QWidget* parent, const QString& name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setFont(QFont(QStringLiteral("Monospace")));
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    // One menu per memo, kept with it, so that its entries follow the memo's text at all times.
    auto* menu = new QMenu(memo);
    menu->setObjectName(QStringLiteral("Memo_PopupMenu"));
    QAction* clear = menu->addAction(QStringLiteral("清空"));
    clear->setObjectName(QStringLiteral("N_MemoClear"));
    QAction* copy = menu->addAction(QStringLiteral("全部复制"));
    copy->setObjectName(QStringLiteral("N_MemoCopy"));
    const auto follow = [memo, clear, copy] {
        const bool empty = memo->toPlainText().trimmed().isEmpty();
        clear->setEnabled(!empty);
        copy->setEnabled(!empty);
    };
    follow();
    connect(memo, &QPlainTextEdit::textChanged, menu, follow);
    connect(clear, &QAction::triggered, memo, &QPlainTextEdit::clear);
    connect(copy, &QAction::triggered, this, [this, memo] {
        QApplication::clipboard()->setText(memo->toPlainText());
        m_prompter.information(this, QStringLiteral("已复制"));
    });
    connect(memo, &QWidget::customContextMenuRequested, menu,
            [memo, menu](const QPoint& at) { menu->popup(memo->viewport()->mapToGlobal(at)); });
    return memo;
}

QComboBox* ShrinkWindow::makeColumnBox(QWidget* parent, const QString& name, QPlainTextEdit* memo) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int c = 1; c <= 10; ++c)
        box->addItem(QString::number(c));
    box->setCurrentIndex(9);
    connect(box, &QComboBox::currentIndexChanged, this, [memo, box] {
        const auto numbers = core::ReadMemoNumbers(memo->toPlainText().toStdString());
        if (numbers.empty()) return;
        memo->setPlainText(q(core::LayoutNumbers(numbers, box->currentIndex() + 1)));
    });
    return box;
}

void ShrinkWindow::showMemo(QPlainTextEdit* memo, const std::vector<std::string>& numbers,
                            QComboBox* columns) {
    memo->setPlainText(q(core::LayoutNumbers(numbers, columns ? columns->currentIndex() + 1 : 10)));
}

QPlainTextEdit* ShrinkWindow::memo(int page) const {
    return page == IntersectionPage ? m_jjResult
           : page == StagingPage    ? m_zcMemo
           : page == DrawPage       ? m_kjMemo
                                    : nullptr;
}

QString ShrinkWindow::pageCaption(int page) const {
    return page == IntersectionPage ? m_jjResultBox->title()
           : page == StagingPage    ? m_zcBox->title()
           : page == DrawPage       ? m_kjBox->title()
                                    : QString();
}

void ShrinkWindow::saveMemo(QPlainTextEdit* memo) {
    const QString chosen =
        m_prompter.saveFileName(this, QStringLiteral("另存为"), QStringLiteral("文本文件*.txt|*.txt"));
    if (chosen.isEmpty()) return;
    const auto file = core::numberFileName(std::filesystem::path(chosen.toStdString()));
    if (auto written = core::writeNumberTextFile(file, memo->toPlainText().toStdString()); !written)
        m_prompter.information(this, q(written.error().message));
}

// ---- Intersection area ----

QWidget* ShrinkWindow::buildIntersectionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* area = new QGroupBox(QStringLiteral("交集区"), page);
    auto* areaLayout = new QVBoxLayout(area);
    m_entryView = new QTableWidget(0, 0, area);
    m_entryView->setObjectName(QStringLiteral("Jiao_Ji_ListView"));
    setupView(m_entryView, {QStringLiteral("序号"), QStringLiteral("使用"), QStringLiteral("交集名称"),
                            QStringLiteral("星轨参数"), QStringLiteral("注数"), QStringLiteral("保留"),
                            QStringLiteral("容错")});
    for (int c : {0, 1, 5, 6})
        m_entryView->setColumnWidth(c, 40);
    m_entryView->horizontalHeader()->setStretchLastSection(false);
    m_entryView->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(m_entryView, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
        auto& e = m_entries[static_cast<std::size_t>(row)];
        if (column == 1)
            e.use = core::toggleFlag(e.use);
        else if (column == 5)
            e.keep = core::toggleFlag(e.keep);
        else if (column == 6)
            e.tolerant = core::toggleFlag(e.tolerant);
        else
            return;
        refreshEntries();
    });
    areaLayout->addWidget(m_entryView, 1);
    auto* controls = new QHBoxLayout;
    auto* open = linkButton(area, QStringLiteral("打开"), QStringLiteral("Label9"));
    auto* remove = linkButton(area, QStringLiteral("删除"), QStringLiteral("Label10"));
    auto* clear = linkButton(area, QStringLiteral("清空"), QStringLiteral("Label11"));
    connect(open, &QPushButton::clicked, this, &ShrinkWindow::openIntersectionFile);
    connect(remove, &QPushButton::clicked, this, [this] {
        eraseRows(m_entries, selectedRows(m_entryView));
        refreshEntries();
    });
    connect(clear, &QPushButton::clicked, this, [this] { setIntersectionEntries({}); });
    for (QPushButton* b : {open, remove, clear})
        controls->addWidget(b);
    controls->addStretch();
    m_jjTolerance = new ToleranceRange(QStringLiteral("总容错："),
                                       {QStringLiteral("Jiao_Ji_ErrCuo"), QStringLiteral("JJi_ECuo_BegValue"),
                                        QStringLiteral("JJi_ECuo_EndValue")},
                                       ToleranceRange::FollowsBox | ToleranceRange::FocusWhenOn, area);
    controls->addWidget(m_jjTolerance);
    auto* intersect = new QPushButton(QStringLiteral("交集"), area);
    intersect->setObjectName(QStringLiteral("JiaoJi_Btn"));
    connect(intersect, &QPushButton::clicked, this, &ShrinkWindow::JiaoJi_BtnClick);
    controls->addWidget(intersect);
    areaLayout->addLayout(controls);
    layout->addWidget(area, 1);

    m_jjResultBox = new QGroupBox(q(core::intersectionCaption(0)), page);
    auto* resultLayout = new QVBoxLayout(m_jjResultBox);
    m_jjResult = makeMemo(m_jjResultBox, QStringLiteral("Jiao_Ji_JieGuo"));
    resultLayout->addWidget(m_jjResult, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("列数："), m_jjResultBox));
    m_jjColumns = makeColumnBox(m_jjResultBox, QStringLiteral("JiaoJi_List"), m_jjResult);
    buttons->addWidget(m_jjColumns);
    buttons->addStretch();
    auto* filter = new QPushButton(QStringLiteral("结果过滤"), m_jjResultBox);
    filter->setObjectName(QStringLiteral("JiaoJi_GuoLV"));
    connect(filter, &QPushButton::clicked, this, &ShrinkWindow::resultToBetList);
    auto* stage = new QPushButton(QStringLiteral("转入暂存区"), m_jjResultBox);
    stage->setObjectName(QStringLiteral("AddJj_ZanCun"));
    connect(stage, &QPushButton::clicked, this, [this] {
        auto numbers = core::ReadMemoNumbers(m_jjResult->toPlainText().toStdString());
        if (numbers.empty()) {
            m_prompter.information(this, QStringLiteral("没有号码"));
            return;
        }
        stageNumbers(std::move(numbers), QStringLiteral("奖号大底%1").arg(m_staged.size() + 1));
    });
    auto* save = new QPushButton(QStringLiteral("另存为"), m_jjResultBox);
    save->setObjectName(QStringLiteral("Jiao_Ji_OutputTxt"));
    connect(save, &QPushButton::clicked, this, [this] { saveMemo(m_jjResult); });
    auto* print = new QPushButton(QStringLiteral("打印"), m_jjResultBox);
    print->setObjectName(QStringLiteral("bsSkinSpeedButton5"));
    connect(print, &QPushButton::clicked, this,
            [this] { printNumbers(core::ReadMemoNumbers(m_jjResult->toPlainText().toStdString())); });
    for (QPushButton* b : {filter, stage, save, print})
        buttons->addWidget(b);
    resultLayout->addLayout(buttons);
    layout->addWidget(m_jjResultBox, 1);
    return page;
}

void ShrinkWindow::setIntersectionEntries(std::vector<core::IntersectionEntry> entries) {
    m_entries = std::move(entries);
    refreshEntries();
}

void ShrinkWindow::refreshEntries() {
    m_entryView->setRowCount(static_cast<int>(m_entries.size()));
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const auto& e = m_entries[i];
        const int row = static_cast<int>(i);
        m_entryView->setItem(row, 0, item(QString::number(row + 1)));
        m_entryView->setItem(row, 1, flag(e.use));
        m_entryView->setItem(row, 2, item(q(e.name)));
        m_entryView->setItem(row, 3, item(q(core::seriesText(e.series))));
        m_entryView->setItem(row, 4, item(QString::number(e.numbers.size())));
        m_entryView->setItem(row, 5, flag(e.keep));
        m_entryView->setItem(row, 6, flag(e.tolerant));
    }
}

void ShrinkWindow::addBetListToIntersection() {
    const auto proposal = core::proposeIntersectionEntry(conditions());
    IntersectionNameDialog& dialog = nameDialog();
    dialog.prepare(QStringLiteral("大底交集"), QStringLiteral("交集名称："), q(proposal.name),
                   proposal.series, true, m_bets.size());
    if (m_bench.runDialog(dialog) != QDialog::Accepted) return;
    core::IntersectionEntry entry;
    entry.name = dialog.name().toStdString();
    entry.series = dialog.series();
    entry.numbers = m_bets;
    m_entries.push_back(std::move(entry));
    refreshEntries();
    m_pages->setCurrentIndex(IntersectionPage);
}

std::optional<std::vector<std::string>> ShrinkWindow::askNumberFile() {
    const QString chosen =
        m_prompter.openFileName(this, QStringLiteral("打开"), QStringLiteral("*.txt|*.txt"));
    if (chosen.isEmpty()) return std::nullopt;
    auto numbers = core::readNumberTextFile(std::filesystem::path(chosen.toStdString()));
    if (!numbers) {
        m_prompter.information(this, q(numbers.error().message));
        return std::nullopt;
    }
    return std::move(*numbers);
}

void ShrinkWindow::openIntersectionFile() {
    auto numbers = askNumberFile();
    if (!numbers) return;
    IntersectionNameDialog& dialog = nameDialog();
    dialog.prepare(QStringLiteral("大底交集"), QStringLiteral("交集名称："),
                   QStringLiteral("交集%1").arg(m_entries.size() + 1), 0, true, numbers->size());
    if (m_bench.runDialog(dialog) != QDialog::Accepted) return;
    core::IntersectionEntry entry;
    entry.name = dialog.name().toStdString();
    entry.series = dialog.series();
    entry.numbers = std::move(*numbers);
    m_entries.push_back(std::move(entry));
    refreshEntries();
}

void ShrinkWindow::JiaoJi_BtnClick() {
    auto result = core::Intersect(m_entries, m_jjTolerance->total(), m_bench.trackTable());
    if (!result) {
        m_prompter.information(this, q(result.error().message));
        return;
    }
    m_jjResultBox->setTitle(q(core::intersectionCaption(result->size())));
    showMemo(m_jjResult, *result, m_jjColumns);
}

// ---- Staging area ----

QWidget* ShrinkWindow::buildStagingPage() {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    auto* area = new QGroupBox(QStringLiteral("暂存区"), page);
    auto* areaLayout = new QVBoxLayout(area);
    m_stagedView = new QTableWidget(0, 0, area);
    m_stagedView->setObjectName(QStringLiteral("Zan_Cun_Listview"));
    setupView(m_stagedView, {QStringLiteral("序号"), QStringLiteral("使用"), QStringLiteral("名称"),
                             QStringLiteral("注数")});
    m_stagedView->setColumnWidth(0, 40);
    m_stagedView->setColumnWidth(1, 40);
    const auto showStaged = [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_staged.size())) return;
        const auto& staged = m_staged[static_cast<std::size_t>(row)];
        m_zcBox->setTitle(QStringLiteral("暂存号码 (共:%1注)").arg(staged.numbers.size()));
        showMemo(m_zcMemo, staged.numbers, m_zcColumns);
    };
    connect(m_stagedView, &QTableWidget::cellClicked, this, [this, showStaged](int row, int column) {
        if (row < 0 || row >= static_cast<int>(m_staged.size())) return;
        if (column == 1) {
            auto& staged = m_staged[static_cast<std::size_t>(row)];
            staged.use = core::toggleFlag(staged.use);
            refreshStaged();
        }
        showStaged(row);
    });
    // A row reached with the keyboard shows its numbers as a clicked one does.
    connect(m_stagedView, &QTableWidget::currentCellChanged, this,
            [showStaged](int row, int, int previousRow, int) {
                if (row != previousRow) showStaged(row);
            });
    areaLayout->addWidget(m_stagedView, 1);
    auto* controls = new QHBoxLayout;
    auto* open = linkButton(area, QStringLiteral("打开"), QStringLiteral("Label15"));
    auto* remove = linkButton(area, QStringLiteral("删除"), QStringLiteral("Label17"));
    auto* clear = linkButton(area, QStringLiteral("清空"), QStringLiteral("Label18"));
    connect(open, &QPushButton::clicked, this, &ShrinkWindow::openStagedFile);
    connect(remove, &QPushButton::clicked, this, [this] {
        eraseRows(m_staged, selectedRows(m_stagedView));
        refreshStaged();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_staged.clear();
        refreshStaged();
    });
    auto* transfer = new QPushButton(QStringLiteral("转入交集区"), area);
    transfer->setObjectName(QStringLiteral("Jiang_Hao_ZhuanCun"));
    connect(transfer, &QPushButton::clicked, this, &ShrinkWindow::stagedToIntersection);
    for (QPushButton* b : {open, remove, clear})
        controls->addWidget(b);
    controls->addStretch();
    controls->addWidget(transfer);
    areaLayout->addLayout(controls);
    layout->addWidget(area, 1);

    m_zcBox = new QGroupBox(QStringLiteral("暂存号码 (共:0注)"), page);
    auto* memoLayout = new QVBoxLayout(m_zcBox);
    m_zcMemo = makeMemo(m_zcBox, QStringLiteral("Zan_C_Memo"));
    memoLayout->addWidget(m_zcMemo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("列数："), m_zcBox));
    m_zcColumns = makeColumnBox(m_zcBox, QStringLiteral("ZanCun_List"), m_zcMemo);
    buttons->addWidget(m_zcColumns);
    buttons->addStretch();
    auto* filter = new QPushButton(QStringLiteral("结果过滤"), m_zcBox);
    filter->setObjectName(QStringLiteral("bsSkinSpeedButton3"));
    connect(filter, &QPushButton::clicked, this, &ShrinkWindow::resultToBetList);
    auto* save = new QPushButton(QStringLiteral("另存为"), m_zcBox);
    save->setObjectName(QStringLiteral("ZanCun_OutputTxt"));
    connect(save, &QPushButton::clicked, this, [this] { saveMemo(m_zcMemo); });
    auto* print = new QPushButton(QStringLiteral("打印"), m_zcBox);
    print->setObjectName(QStringLiteral("bsSkinSpeedButton6"));
    connect(print, &QPushButton::clicked, this,
            [this] { printNumbers(core::ReadMemoNumbers(m_zcMemo->toPlainText().toStdString())); });
    for (QPushButton* b : {filter, save, print})
        buttons->addWidget(b);
    memoLayout->addLayout(buttons);
    layout->addWidget(m_zcBox, 1);
    return page;
}

void ShrinkWindow::refreshStaged() {
    m_stagedView->setRowCount(static_cast<int>(m_staged.size()));
    for (std::size_t i = 0; i < m_staged.size(); ++i) {
        const int row = static_cast<int>(i);
        m_stagedView->setItem(row, 0, item(QString::number(row + 1)));
        m_stagedView->setItem(row, 1, flag(m_staged[i].use));
        m_stagedView->setItem(row, 2, item(q(m_staged[i].name)));
        m_stagedView->setItem(row, 3, item(QString::number(m_staged[i].numbers.size())));
    }
}

bool ShrinkWindow::stageNumbers(std::vector<std::string> numbers, const QString& proposedName) {
    IntersectionNameDialog& dialog = nameDialog();
    dialog.prepare(QStringLiteral("转入暂存区"), QStringLiteral("名称"), proposedName, -1, false,
                   numbers.size());
    if (m_bench.runDialog(dialog) != QDialog::Accepted) return false;
    core::StagedList staged;
    staged.name = dialog.name().toStdString();
    staged.numbers = std::move(numbers);
    m_staged.push_back(std::move(staged));
    refreshStaged();
    m_pages->setCurrentIndex(StagingPage);
    return true;
}

void ShrinkWindow::openStagedFile() {
    auto numbers = askNumberFile();
    if (!numbers) return;
    IntersectionNameDialog& dialog = nameDialog();
    dialog.prepare(QStringLiteral("大底交集"), QStringLiteral("交集名称："),
                   QStringLiteral("奖号大底%1").arg(m_staged.size() + 1), 0, false, numbers->size());
    if (m_bench.runDialog(dialog) != QDialog::Accepted) return;
    core::StagedList staged;
    staged.name = dialog.name().toStdString();
    staged.numbers = std::move(*numbers);
    m_staged.push_back(std::move(staged));
    refreshStaged();
}

void ShrinkWindow::stagedToIntersection() {
    auto copied = core::stagedToIntersection(m_staged);
    if (copied.empty()) return;
    const std::size_t count = copied.size();
    for (auto& entry : copied)
        m_entries.push_back(std::move(entry));
    refreshEntries();
    m_prompter.information(this, q(core::stagedTransferMessage(count)));
    m_pages->setCurrentIndex(IntersectionPage);
}

// ---- Draw numbers ----

QWidget* ShrinkWindow::buildDrawPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_kjBox = new QGroupBox(QStringLiteral("开奖号码"), page);
    auto* boxLayout = new QVBoxLayout(m_kjBox);
    m_kjMemo = makeMemo(m_kjBox, QStringLiteral("Kjhm_Memo"));
    boxLayout->addWidget(m_kjMemo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("列数："), m_kjBox));
    m_kjColumns = makeColumnBox(m_kjBox, QStringLiteral("Kj_hm_List"), m_kjMemo);
    buttons->addWidget(m_kjColumns);
    buttons->addStretch();
    auto* stage = new QPushButton(QStringLiteral("转入暂存区"), m_kjBox);
    stage->setObjectName(QStringLiteral("Add_ZanCun"));
    connect(stage, &QPushButton::clicked, this, [this] {
        auto numbers = core::ReadMemoNumbers(m_kjMemo->toPlainText().toStdString());
        if (!numbers.empty())
            stageNumbers(std::move(numbers), QStringLiteral("奖号大底%1").arg(m_staged.size() + 1));
    });
    buttons->addWidget(stage);
    auto* menuButton = new QToolButton(m_kjBox);
    menuButton->setObjectName(QStringLiteral("Kjhm_Result_Btn"));
    menuButton->setText(QStringLiteral("结果处理"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(menuButton);
    menu->setObjectName(QStringLiteral("Kjhm_PopupMenu"));
    connect(menu->addAction(QStringLiteral("另存为")), &QAction::triggered, this,
            [this] { saveMemo(m_kjMemo); });
    connect(menu->addAction(QStringLiteral("打印")), &QAction::triggered, this,
            [this] { printNumbers(core::ReadMemoNumbers(m_kjMemo->toPlainText().toStdString())); });
    connect(menu->addAction(QStringLiteral("结果过滤")), &QAction::triggered, this,
            &ShrinkWindow::resultToBetList);
    connect(menu->addAction(QStringLiteral("组变单")), &QAction::triggered, this,
            [this] { convertDrawNumbers(true); });
    connect(menu->addAction(QStringLiteral("单变组")), &QAction::triggered, this,
            [this] { convertDrawNumbers(false); });
    menuButton->setMenu(menu);
    buttons->addWidget(menuButton);
    boxLayout->addLayout(buttons);
    layout->addWidget(m_kjBox);
    return page;
}

void ShrinkWindow::convertDrawNumbers(bool groupToDirect) {
    const auto tokens = core::ReadMemoNumbers(m_kjMemo->toPlainText().toStdString());
    const auto numbers = groupToDirect ? core::groupToDirect(tokens) : core::directToGroup(tokens);
    m_kjBox->setTitle(q(core::drawNumbersCaption(numbers.size())));
    showMemo(m_kjMemo, numbers, m_kjColumns);
}

void ShrinkWindow::trackConvert(core::SeriesIndex series) {
    auto key = core::seriesKey(m_bench.trackTable(), series);
    if (!key) {
        m_prompter.information(this, q(key.error().message));
        return;
    }
    const auto numbers = core::TrackConvert(m_bets, *key);
    m_kjBox->setTitle(q(core::drawNumbersCaption(numbers.size())));
    showMemo(m_kjMemo, numbers, nullptr);
    m_pages->setCurrentIndex(DrawPage);
}

void ShrinkWindow::showTrackConverter() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TF_XGuiConvert"));
    dialog.setWindowTitle(QStringLiteral("生成开奖号码"));
    auto* series = new QComboBox(&dialog);
    series->setObjectName(QStringLiteral("Jiao_Ji_LeiBie"));
    for (int k = 0; k <= core::kMaxSelectableSeries; ++k)
        series->addItem(q(core::seriesText(k)));
    series->setCurrentIndex(std::max(core::proposeIntersectionEntry(conditions()).series, 0));
    auto* make = new QPushButton(QStringLiteral("生成"), &dialog);
    make->setObjectName(QStringLiteral("Guo_Lv_Btn"));
    auto* note = new QGroupBox(QStringLiteral("说明"), &dialog);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(
        new QLabel(QStringLiteral("生成开奖号码：系统根据星轨参数和星轨号码智能搜索到开"), note));
    noteLayout->addWidget(new QLabel(QStringLiteral("奖号码（生成的结果会自动显示在 开奖号码 区）"), note));
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("星轨参数："), &dialog), 0, 0);
    layout->addWidget(series, 0, 1);
    layout->addWidget(make, 0, 2);
    layout->addWidget(note, 1, 0, 1, 3);
    connect(make, &QPushButton::clicked, &dialog, [this, &dialog, series] {
        trackConvert(series->currentIndex());
        dialog.accept();
    });
    m_bench.runDialog(dialog);
}

// ---- Hand-offs ----

void ShrinkWindow::resultToBetList() {
    QPlainTextEdit* source = memo(m_pages->currentIndex());
    if (!source) return;
    auto tokens = core::memoTokens(source->toPlainText().toStdString());
    if (tokens.empty()) return;
    setBetList(std::move(tokens));
    m_prompter.information(this, QStringLiteral("已导入投注区"));
}

void ShrinkWindow::printNumbers(const std::vector<std::string>& numbers) {
    m_bench.printNumbers(numbers, m_printDialog, this);
}

} // namespace p3::gui
