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
#include "gui/shrink/number_memo_box.h"
#include "gui/shrink/shrink_list_models.h"
#include "gui/shrink/shrink_window.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/list_grid_view.h"
#include "gui/widgets/print_dialog.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/widgets/tolerance_range.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

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

/// A list of the workbench pages in its group box, over a row of the "打开 / 删除 / 清空" links.
struct ListArea {
    QGroupBox* box;
    QTableView* view;
    /// The row of the links, for what the page puts after them.
    QHBoxLayout* links;
};

/// Builds a list area on `page`: the list named `viewName` over `model`, then the links named by
/// `linkNames`: 打开 runs `open`, 删除 drops the selected rows, 清空 all of them.
template <typename Row>
ListArea makeListArea(QWidget* page, const QString& title, const QString& viewName,
                      VectorListModel<Row>* model, const QStringList& linkNames,
                      const std::function<void()>& open) {
    auto* box = new QGroupBox(title, page);
    auto* layout = new QVBoxLayout(box);
    QTableView* view = makePageList(box, viewName, model);
    layout->addWidget(view, 1);
    auto* links = new QHBoxLayout;
    auto* openLink = linkButton(box, QStringLiteral("打开"), linkNames[0]);
    auto* remove = linkButton(box, QStringLiteral("删除"), linkNames[1]);
    auto* clear = linkButton(box, QStringLiteral("清空"), linkNames[2]);
    QObject::connect(openLink, &QPushButton::clicked, box, open);
    QObject::connect(remove, &QPushButton::clicked, box,
                     [view, model] { model->eraseRows(selectedRows(view)); });
    QObject::connect(clear, &QPushButton::clicked, box, [model] { model->setList({}); });
    for (QPushButton* b : {openLink, remove, clear})
        links->addWidget(b);
    links->addStretch();
    layout->addLayout(links);
    return {box, view, links};
}

} // namespace

IntersectionNameDialog& ShrinkWindow::nameDialog() {
    if (!m_nameDialog) m_nameDialog = new IntersectionNameDialog(m_prompter, this);
    return *m_nameDialog;
}

QPlainTextEdit* ShrinkWindow::memo(int page) const {
    NumberMemoBox* box = numberBox(page);
    return box ? box->memo() : nullptr;
}

QString ShrinkWindow::pageCaption(int page) const {
    NumberMemoBox* box = numberBox(page);
    return box ? box->title() : QString();
}

NumberMemoBox* ShrinkWindow::numberBox(int page) const {
    return page == IntersectionPage ? m_jjResultBox
           : page == StagingPage    ? m_zcBox
           : page == DrawPage       ? m_kjBox
                                    : nullptr;
}

void ShrinkWindow::saveMemo(QPlainTextEdit* memo) {
    const QString chosen =
        m_prompter.saveFileName(this, QStringLiteral("另存为"), QStringLiteral("文本文件*.txt|*.txt"));
    if (chosen.isEmpty()) return;
    const auto file = core::numberFileName(std::filesystem::path(chosen.toStdString()));
    if (auto written = core::writeNumberTextFile(file, memo->toPlainText().toStdString()); !written)
        m_prompter.information(this, toQString(written.error().message));
}

void ShrinkWindow::addResultCommands(NumberMemoBox* box, const QStringList& names, QPushButton* afterFilter) {
    auto* filter = new QPushButton(QStringLiteral("结果过滤"), box);
    connect(filter, &QPushButton::clicked, this, &ShrinkWindow::resultToBetList);
    auto* save = new QPushButton(QStringLiteral("另存为"), box);
    connect(save, &QPushButton::clicked, this, [this, box] { saveMemo(box->memo()); });
    auto* print = new QPushButton(QStringLiteral("打印"), box);
    connect(print, &QPushButton::clicked, this, [this, box] { printNumbers(box->numbers()); });
    filter->setObjectName(names[0]);
    save->setObjectName(names[1]);
    print->setObjectName(names[2]);
    for (QPushButton* b : {filter, afterFilter, save, print})
        if (b) box->buttonRow()->addWidget(b);
    // The keyboard reaches the buttons in the order they stand.
    if (afterFilter) QWidget::setTabOrder(filter, afterFilter);
}

// ---- Intersection area ----

QWidget* ShrinkWindow::buildIntersectionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_entryModel = makeEntryListModel(m_entries, this);
    const ListArea area =
        makeListArea(page, QStringLiteral("交集区"), QStringLiteral("Jiao_Ji_ListView"), m_entryModel,
                     {QStringLiteral("Label9"), QStringLiteral("Label10"), QStringLiteral("Label11")},
                     [this] { openIntersectionFile(); });
    m_entryView = area.view;
    for (int c : {0, 1, 5, 6})
        m_entryView->setColumnWidth(c, 40);
    m_entryView->horizontalHeader()->setStretchLastSection(false);
    m_entryView->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_jjTolerance = new ToleranceRange(QStringLiteral("总容错："),
                                       {QStringLiteral("Jiao_Ji_ErrCuo"), QStringLiteral("JJi_ECuo_BegValue"),
                                        QStringLiteral("JJi_ECuo_EndValue")},
                                       ToleranceRange::FollowsBox | ToleranceRange::FocusWhenOn, area.box);
    area.links->addWidget(m_jjTolerance);
    auto* intersect = makeButton(area.box, QStringLiteral("交集"), "JiaoJi_Btn");
    connect(intersect, &QPushButton::clicked, this, &ShrinkWindow::JiaoJi_BtnClick);
    area.links->addWidget(intersect);
    layout->addWidget(area.box, 1);

    m_jjResultBox =
        new NumberMemoBox(toQString(core::intersectionCaption(0)), QStringLiteral("Jiao_Ji_JieGuo"),
                          QStringLiteral("JiaoJi_List"), m_prompter, page);
    auto* stage = new QPushButton(QStringLiteral("转入暂存区"), m_jjResultBox);
    stage->setObjectName(QStringLiteral("AddJj_ZanCun"));
    connect(stage, &QPushButton::clicked, this, [this] {
        auto numbers = m_jjResultBox->numbers();
        if (numbers.empty()) {
            m_prompter.information(this, QStringLiteral("没有号码"));
            return;
        }
        stageNumbers(std::move(numbers), QStringLiteral("奖号大底%1").arg(m_staged.size() + 1));
    });
    addResultCommands(m_jjResultBox,
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
                             toQString(proposal.name), proposal.series, true);
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
        m_prompter.information(this, toQString(numbers.error().message));
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
        m_prompter.information(this, toQString(result.error().message));
        return;
    }
    m_jjResultBox->setTitle(toQString(core::intersectionCaption(result->size())));
    m_jjResultBox->showNumbers(*result);
}

// ---- Staging area ----

QWidget* ShrinkWindow::buildStagingPage() {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    m_stagedModel = makeStagedListModel(m_staged, this);
    const ListArea area =
        makeListArea(page, QStringLiteral("暂存区"), QStringLiteral("Zan_Cun_Listview"), m_stagedModel,
                     {QStringLiteral("Label15"), QStringLiteral("Label17"), QStringLiteral("Label18")},
                     [this] { openStagedFile(); });
    m_stagedView = area.view;
    m_stagedView->setColumnWidth(0, 40);
    m_stagedView->setColumnWidth(1, 40);
    const auto showStaged = [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_staged.size())) return;
        const auto& staged = m_staged[static_cast<std::size_t>(row)];
        m_zcBox->setTitle(QStringLiteral("暂存号码 (共:%1注)").arg(staged.numbers.size()));
        m_zcBox->showNumbers(staged.numbers);
    };
    connect(m_stagedView, &QTableView::clicked, this,
            [showStaged](const QModelIndex& index) { showStaged(index.row()); });
    // A row reached with the keyboard shows its numbers as a clicked one does.
    connect(m_stagedView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [showStaged](const QModelIndex& current) { showStaged(current.row()); });
    auto* transfer = makeButton(area.box, QStringLiteral("转入交集区"), "Jiang_Hao_ZhuanCun");
    connect(transfer, &QPushButton::clicked, this, &ShrinkWindow::stagedToIntersection);
    area.links->addWidget(transfer);
    layout->addWidget(area.box, 1);

    m_zcBox = new NumberMemoBox(QStringLiteral("暂存号码 (共:0注)"), QStringLiteral("Zan_C_Memo"),
                                QStringLiteral("ZanCun_List"), m_prompter, page);
    addResultCommands(m_zcBox,
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
    m_prompter.information(this, toQString(core::stagedTransferMessage(count)));
    m_pages->setCurrentIndex(IntersectionPage);
}

// ---- Draw numbers ----

QWidget* ShrinkWindow::buildDrawPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_kjBox = new NumberMemoBox(QStringLiteral("开奖号码"), QStringLiteral("Kjhm_Memo"),
                                QStringLiteral("Kj_hm_List"), m_prompter, page);
    QHBoxLayout* buttons = m_kjBox->buttonRow();
    auto* stage = new QPushButton(QStringLiteral("转入暂存区"), m_kjBox);
    stage->setObjectName(QStringLiteral("Add_ZanCun"));
    connect(stage, &QPushButton::clicked, this, [this] {
        auto numbers = m_kjBox->numbers();
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
            [this] { saveMemo(m_kjBox->memo()); });
    connect(menu->addAction(QStringLiteral("打印")), &QAction::triggered, this,
            [this] { printNumbers(m_kjBox->numbers()); });
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
    const auto tokens = m_kjBox->numbers();
    const auto numbers = groupToDirect ? core::groupToDirect(tokens) : core::directToGroup(tokens);
    m_kjBox->setTitle(toQString(core::drawNumbersCaption(numbers.size())));
    m_kjBox->showNumbers(numbers);
}

void ShrinkWindow::trackConvert(core::SeriesIndex series) {
    auto key = core::seriesKey(m_bench.trackTable(), series);
    if (!key) {
        m_prompter.information(this, toQString(key.error().message));
        return;
    }
    const auto numbers = core::TrackConvert(m_bets, *key);
    m_kjBox->setTitle(toQString(core::drawNumbersCaption(numbers.size())));
    // The converter's output comes ten to a line, whatever the column box says.
    m_kjBox->showNumbers(numbers, 10);
    m_pages->setCurrentIndex(DrawPage);
}

void ShrinkWindow::showTrackConverter() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TF_XGuiConvert"));
    dialog.setWindowTitle(QStringLiteral("生成开奖号码"));
    auto* series = new QComboBox(&dialog);
    series->setObjectName(QStringLiteral("Jiao_Ji_LeiBie"));
    for (int k = 0; k <= core::kMaxSelectableSeries; ++k)
        series->addItem(toQString(core::seriesText(k)));
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
