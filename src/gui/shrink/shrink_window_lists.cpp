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
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/shrink/number_list.h"
#include "core/tools/print_layout.h"
#include "gui/shrink/intersection_name_dialog.h"
#include "gui/shrink/shrink_list_models.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/list_grid_view.h"
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

/// A list of the workbench pages: its model in the list delegate, the last column stretched.
QTableView* makePageList(QWidget* parent, const QString& name, ListGridModel* model) {
    QTableView* view = makeListGrid(parent, name, model);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

/// The "打开 / 删除 / 清空" links under a list of the workbench pages, named by `names`: 打开 runs `open`,
/// 删除 drops the selected rows, 清空 all of them. The row is returned for what follows the links.
template <typename Row>
QHBoxLayout* addListLinks(QWidget* area, QTableView* view, VectorListModel<Row>* model,
                          const QStringList& names, const std::function<void()>& open) {
    auto* links = new QHBoxLayout;
    auto* openLink = linkButton(area, QStringLiteral("打开"), names[0]);
    auto* remove = linkButton(area, QStringLiteral("删除"), names[1]);
    auto* clear = linkButton(area, QStringLiteral("清空"), names[2]);
    QObject::connect(openLink, &QPushButton::clicked, area, open);
    QObject::connect(remove, &QPushButton::clicked, area,
                     [view, model] { model->eraseRows(selectedRows(view)); });
    QObject::connect(clear, &QPushButton::clicked, area, [model] { model->setList({}); });
    for (QPushButton* b : {openLink, remove, clear})
        links->addWidget(b);
    links->addStretch();
    return links;
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

QHBoxLayout* ShrinkWindow::fillMemoBox(QGroupBox* box, const QString& memoName, const QString& columnsName,
                                       QPlainTextEdit*& memo, QComboBox*& columns) {
    auto* layout = new QVBoxLayout(box);
    memo = makeMemo(box, memoName);
    layout->addWidget(memo, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("列数："), box));
    columns = makeColumnBox(box, columnsName, memo);
    row->addWidget(columns);
    row->addStretch();
    layout->addLayout(row);
    return row;
}

void ShrinkWindow::addResultCommands(QHBoxLayout* row, QGroupBox* box, QPlainTextEdit* memo,
                                     const QStringList& names, QPushButton* afterFilter) {
    auto* filter = new QPushButton(QStringLiteral("结果过滤"), box);
    connect(filter, &QPushButton::clicked, this, &ShrinkWindow::resultToBetList);
    auto* save = new QPushButton(QStringLiteral("另存为"), box);
    connect(save, &QPushButton::clicked, this, [this, memo] { saveMemo(memo); });
    auto* print = new QPushButton(QStringLiteral("打印"), box);
    connect(print, &QPushButton::clicked, this,
            [this, memo] { printNumbers(core::ReadMemoNumbers(memo->toPlainText().toStdString())); });
    filter->setObjectName(names[0]);
    save->setObjectName(names[1]);
    print->setObjectName(names[2]);
    for (QPushButton* b : {filter, afterFilter, save, print})
        if (b) row->addWidget(b);
    // The keyboard reaches the buttons in the order they stand.
    if (afterFilter) QWidget::setTabOrder(filter, afterFilter);
}

// ---- Intersection area ----

QWidget* ShrinkWindow::buildIntersectionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* area = new QGroupBox(QStringLiteral("交集区"), page);
    auto* areaLayout = new QVBoxLayout(area);
    m_entryModel = makeEntryListModel(m_entries, this);
    m_entryView = makePageList(area, QStringLiteral("Jiao_Ji_ListView"), m_entryModel);
    for (int c : {0, 1, 5, 6})
        m_entryView->setColumnWidth(c, 40);
    m_entryView->horizontalHeader()->setStretchLastSection(false);
    m_entryView->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    areaLayout->addWidget(m_entryView, 1);
    QHBoxLayout* controls =
        addListLinks(area, m_entryView, m_entryModel,
                     {QStringLiteral("Label9"), QStringLiteral("Label10"), QStringLiteral("Label11")},
                     [this] { openIntersectionFile(); });
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
    QHBoxLayout* buttons = fillMemoBox(m_jjResultBox, QStringLiteral("Jiao_Ji_JieGuo"),
                                       QStringLiteral("JiaoJi_List"), m_jjResult, m_jjColumns);
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
    addResultCommands(buttons, m_jjResultBox, m_jjResult,
                      {QStringLiteral("JiaoJi_GuoLV"), QStringLiteral("Jiao_Ji_OutputTxt"),
                       QStringLiteral("bsSkinSpeedButton5")},
                      stage);
    layout->addWidget(m_jjResultBox, 1);
    return page;
}

void ShrinkWindow::setIntersectionEntries(std::vector<core::IntersectionEntry> entries) {
    m_entryModel->setList(std::move(entries));
}

std::optional<core::IntersectionEntry> ShrinkWindow::nameNumbers(std::vector<std::string> numbers,
                                                                 const QString& caption, const QString& label,
                                                                 const QString& name, int series,
                                                                 bool seriesEnabled) {
    IntersectionNameDialog& dialog = nameDialog();
    dialog.prepare(caption, label, name, series, seriesEnabled, numbers.size());
    if (m_bench.runDialog(dialog) != QDialog::Accepted) return std::nullopt;
    core::IntersectionEntry entry;
    entry.name = dialog.name().toStdString();
    entry.series = dialog.series();
    entry.numbers = std::move(numbers);
    return entry;
}

void ShrinkWindow::addBetListToIntersection() {
    const auto proposal = core::proposeIntersectionEntry(conditions());
    auto entry = nameNumbers(m_bets, QStringLiteral("大底交集"), QStringLiteral("交集名称："),
                             q(proposal.name), proposal.series, true);
    if (!entry) return;
    m_entryModel->append(std::move(*entry));
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
    auto entry = nameNumbers(std::move(*numbers), QStringLiteral("大底交集"), QStringLiteral("交集名称："),
                             QStringLiteral("交集%1").arg(m_entries.size() + 1), 0, true);
    if (entry) m_entryModel->append(std::move(*entry));
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
    m_stagedModel = makeStagedListModel(m_staged, this);
    m_stagedView = makePageList(area, QStringLiteral("Zan_Cun_Listview"), m_stagedModel);
    m_stagedView->setColumnWidth(0, 40);
    m_stagedView->setColumnWidth(1, 40);
    const auto showStaged = [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_staged.size())) return;
        const auto& staged = m_staged[static_cast<std::size_t>(row)];
        m_zcBox->setTitle(QStringLiteral("暂存号码 (共:%1注)").arg(staged.numbers.size()));
        showMemo(m_zcMemo, staged.numbers, m_zcColumns);
    };
    connect(m_stagedView, &QTableView::clicked, this,
            [showStaged](const QModelIndex& index) { showStaged(index.row()); });
    // A row reached with the keyboard shows its numbers as a clicked one does.
    connect(m_stagedView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [showStaged](const QModelIndex& current) { showStaged(current.row()); });
    areaLayout->addWidget(m_stagedView, 1);
    QHBoxLayout* controls =
        addListLinks(area, m_stagedView, m_stagedModel,
                     {QStringLiteral("Label15"), QStringLiteral("Label17"), QStringLiteral("Label18")},
                     [this] { openStagedFile(); });
    auto* transfer = makeButton(area, QStringLiteral("转入交集区"), "Jiang_Hao_ZhuanCun");
    connect(transfer, &QPushButton::clicked, this, &ShrinkWindow::stagedToIntersection);
    controls->addWidget(transfer);
    areaLayout->addLayout(controls);
    layout->addWidget(area, 1);

    m_zcBox = new QGroupBox(QStringLiteral("暂存号码 (共:0注)"), page);
    addResultCommands(fillMemoBox(m_zcBox, QStringLiteral("Zan_C_Memo"), QStringLiteral("ZanCun_List"),
                                  m_zcMemo, m_zcColumns),
                      m_zcBox, m_zcMemo,
                      {QStringLiteral("bsSkinSpeedButton3"), QStringLiteral("ZanCun_OutputTxt"),
                       QStringLiteral("bsSkinSpeedButton6")},
                      nullptr);
    layout->addWidget(m_zcBox, 1);
    return page;
}

void ShrinkWindow::appendStaged(core::IntersectionEntry named) {
    core::StagedList staged;
    staged.name = std::move(named.name);
    staged.numbers = std::move(named.numbers);
    m_stagedModel->append(std::move(staged));
}

bool ShrinkWindow::stageNumbers(std::vector<std::string> numbers, const QString& proposedName) {
    auto named = nameNumbers(std::move(numbers), QStringLiteral("转入暂存区"), QStringLiteral("名称"),
                             proposedName, -1, false);
    if (!named) return false;
    appendStaged(std::move(*named));
    m_pages->setCurrentIndex(StagingPage);
    return true;
}

void ShrinkWindow::openStagedFile() {
    auto numbers = askNumberFile();
    if (!numbers) return;
    // A list read from a file is named in the intersection's own wording, its series shown but fixed.
    auto named = nameNumbers(std::move(*numbers), QStringLiteral("大底交集"), QStringLiteral("交集名称："),
                             QStringLiteral("奖号大底%1").arg(m_staged.size() + 1), 0, false);
    if (named) appendStaged(std::move(*named));
}

void ShrinkWindow::stagedToIntersection() {
    auto copied = core::stagedToIntersection(m_staged);
    if (copied.empty()) return;
    const std::size_t count = copied.size();
    for (auto& entry : copied)
        m_entryModel->append(std::move(entry));
    m_prompter.information(this, q(core::stagedTransferMessage(count)));
    m_pages->setCurrentIndex(IntersectionPage);
}

// ---- Draw numbers ----

QWidget* ShrinkWindow::buildDrawPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_kjBox = new QGroupBox(QStringLiteral("开奖号码"), page);
    QHBoxLayout* buttons = fillMemoBox(m_kjBox, QStringLiteral("Kjhm_Memo"), QStringLiteral("Kj_hm_List"),
                                       m_kjMemo, m_kjColumns);
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
