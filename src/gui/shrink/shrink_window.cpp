#include "gui/shrink/shrink_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_summary.h"
#include "core/shrink/compiled_filter.h"
#include "core/shrink/condition_file.h"
#include "core/shrink/number_list.h"
#include "gui/editors/condition_editor_dialog.h"
#include "gui/shrink/scheme_eval_window.h"
#include "gui/shrink/shrink_list_models.h"
#include "gui/widgets/ball_grid.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/list_grid_view.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/widgets/tolerance_range.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

std::string s(const QString& text) {
    return text.toStdString();
}

} // namespace

ShrinkWindow::ShrinkWindow(Workbench& bench)
    : QWidget(bench.window(), Qt::Window), m_bench(bench), m_prompter(bench.prompter()) {
    setObjectName(QStringLiteral("TF_ZuHaoSuoShui"));
    setWindowTitle(QStringLiteral("星轨缩水"));

    auto* middle = new QVBoxLayout;
    m_stepLabel = new QLabel(QStringLiteral("二：（过滤）"), this);
    m_stepLabel->setObjectName(QStringLiteral("Label6"));
    m_stepLabel->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(0,0,160);"));
    middle->addWidget(buildKindTabs());
    middle->addWidget(m_stepLabel);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("bsSkinPageControl2"));
    m_pages->addTab(buildConditionPage(), QStringLiteral("条件过滤"));
    m_pages->addTab(buildIntersectionPage(), QStringLiteral("直选大底交集"));
    m_pages->addTab(buildStagingPage(), QStringLiteral("奖号暂存区"));
    m_pages->addTab(buildDrawPage(), QStringLiteral("开奖号码"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        m_stepLabel->setText(page == 0 ? QStringLiteral("二：（过滤）") : m_pages->tabText(page));
    });
    middle->addWidget(m_pages, 1);

    auto* root = new QHBoxLayout(this);
    root->addWidget(buildPickArea());
    root->addLayout(middle, 1);
    root->addWidget(buildBetArea());
    resize(1180, 640);

    // The one condition list of the workbench ("~tmp_tj.ag" of the last run at first): every change,
    // from this window or another, is shown here.
    connect(&m_bench, &Workbench::conditionsChanged, this, &ShrinkWindow::refreshConditions);
    connect(&m_bench, &Workbench::shrinkWorkspaceRequested, this, &ShrinkWindow::showWorkspace);
    refreshConditions();
}

ShrinkWindow::~ShrinkWindow() = default;

void ShrinkWindow::showWorkspace() {
    show();
    raise();
    activateWindow();
}

core::SeriesHistory ShrinkWindow::history() const {
    core::SeriesHistory h;
    h.draws = &m_bench.draws();
    h.table = &m_bench.trackTable();
    return h;
}

void openOnStart(ShrinkWindow& shrink, const QString& what) {
    QTimer::singleShot(300, &shrink, [&shrink, what] {
        shrink.showWorkspace();
        if (what.startsWith(QStringLiteral("shrink:"))) shrink.pages()->setCurrentIndex(what.mid(7).toInt());
        if (what.startsWith(QStringLiteral("editor:"))) shrink.openKindEditor(what.mid(7).toInt());
        if (what.startsWith(QStringLiteral("scheme"))) {
            // "scheme" or "scheme:PAGE[:RANGE]": the evaluation window on a page, over a range choice.
            shrink.openSchemeEvaluation();
            const QStringList parts = what.split(QLatin1Char(':'));
            if (parts.size() > 1) shrink.schemeEvaluation()->pages()->setCurrentIndex(parts[1].toInt());
            if (parts.size() > 2) shrink.schemeEvaluation()->setRangeChoice(parts[2].toInt());
        }
    });
}

// ---- Step one ----

QWidget* ShrinkWindow::buildPickArea() {
    auto* box = new QGroupBox(QStringLiteral("一：（选号）"), this);
    auto* layout = new QVBoxLayout(box);
    const std::array<const char*, 3> labels{"百位：", "十位：", "个位："};
    const std::array<const char*, 3> grids{"Grid_B", "Grid_S", "Grid_G"};
    const std::array<const char*, 3> combos{"Bai_Box_Style", "Shi_Box_Style", "Ge_Box_Style"};
    for (std::size_t p = 0; p < 3; ++p) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QString::fromUtf8(labels[p]), box));
        auto* combo = new QComboBox(box);
        combo->setObjectName(QString::fromLatin1(combos[p]));
        combo->addItem(QStringLiteral("选号"));
        for (const auto& preset : core::digitPresets())
            combo->addItem(toQString(preset.name));
        connect(combo, &QComboBox::activated, this, [this, p, combo](int index) {
            applyPreset(static_cast<int>(p), combo->itemText(index));
            // The box is a command, not a state: it reads "选号" again, so the same preset can be chosen
            // again.
            combo->setCurrentIndex(0);
        });
        m_presets[p] = combo;
        row->addStretch();
        row->addWidget(combo);
        layout->addLayout(row);
        m_pick[p] = new BallGrid(&m_bench.balls(), 5, 10, box);
        m_pick[p]->setObjectName(QString::fromLatin1(grids[p]));
        m_pick[p]->setAllChosen(true);
        connect(m_pick[p], &BallGrid::toggled, this, &ShrinkWindow::schemeChanged);
        layout->addWidget(m_pick[p], 0, Qt::AlignHCenter);
    }
    auto* all = new QPushButton(QStringLiteral("全选"), box);
    all->setObjectName(QStringLiteral("B_All"));
    auto* none = new QPushButton(QStringLiteral("全清"), box);
    none->setObjectName(QStringLiteral("B_nulAll"));
    connect(all, &QPushButton::clicked, this, [this] {
        for (BallGrid* g : m_pick)
            g->setAllChosen(true);
        emit schemeChanged();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        for (BallGrid* g : m_pick)
            g->setAllChosen(false);
        emit schemeChanged();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    layout->addLayout(buttons);

    auto* typeBox = new QGroupBox(QStringLiteral("投注类型"), box);
    auto* typeLayout = new QVBoxLayout(typeBox);
    const std::array<const char*, 3> types{"组3直选", "组6直选", "所有组合"};
    auto* group = new QButtonGroup(typeBox);
    for (std::size_t i = 0; i < 3; ++i) {
        m_betTypes[i] = new QRadioButton(QString::fromUtf8(types[i]), typeBox);
        m_betTypes[i]->setObjectName(QStringLiteral("BetType_%1").arg(i + 1));
        group->addButton(m_betTypes[i]);
        typeLayout->addWidget(m_betTypes[i]);
        // The ticked choice is shown in bold.
        connect(m_betTypes[i], &QRadioButton::toggled, m_betTypes[i], [button = m_betTypes[i]](bool on) {
            QFont font = button->font();
            font.setBold(on);
            button->setFont(font);
        });
        connect(m_betTypes[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) emit schemeChanged();
        });
    }
    m_betTypes[2]->setChecked(true);
    layout->addWidget(typeBox);

    layout->addWidget(makeCommandButton(box, this, {"Tou_Zhu_Btn", "投注", &ShrinkWindow::Tou_Zhu_BtnClick}));
    layout->addStretch();
    return box;
}

core::PickGrid ShrinkWindow::pickState() const {
    core::PickGrid grid;
    for (std::size_t p = 0; p < 3; ++p)
        for (int digit : m_pick[p]->chosenValues())
            grid[p].set(static_cast<std::size_t>(digit));
    return grid;
}

void ShrinkWindow::applyPreset(int position, const QString& preset) {
    BallGrid* g = m_pick[static_cast<std::size_t>(position)];
    const auto now = pickState()[static_cast<std::size_t>(position)];
    const auto next = core::applyDigitPreset(s(preset), now);
    for (int digit = 0; digit < 10; ++digit)
        g->setChosen(digit, next.test(static_cast<std::size_t>(digit)));
    emit schemeChanged();
}

void ShrinkWindow::Tou_Zhu_BtnClick() {
    core::BetType type = core::BetType::All;
    if (m_betTypes[0]->isChecked()) type = core::BetType::Group3;
    if (m_betTypes[1]->isChecked()) type = core::BetType::Group6;
    auto base = core::BuildBaseList(pickState(), type);
    if (!base) {
        m_prompter.information(this, toQString(base.error().message));
        return;
    }
    setBetList(std::move(*base));
}

// ---- Step two ----

QWidget* ShrinkWindow::buildKindTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("bsSkinPageControl1"));
    std::vector<std::pair<std::string, QGridLayout*>> pages;
    for (const auto& spec : core::conditionCatalogue()) {
        auto found = std::ranges::find_if(pages, [&](const auto& p) { return p.first == spec.tab; });
        if (found == pages.end()) {
            auto* page = new QWidget(tabs);
            tabs->addTab(page, toQString(spec.tab));
            pages.emplace_back(spec.tab, new QGridLayout(page));
            found = pages.end() - 1;
        }
        QGridLayout* grid = found->second;
        // The button carries its panel's group and index: panel P_Cmd_2_01 is opened by Tj_Cmd_2_01.
        const std::string panel = spec.panel;
        const std::string name = "Tj_Cmd" + panel.substr(panel.find("_Cmd") + 4);
        auto* button = new QPushButton(toQString(spec.keyword), tabs);
        button->setObjectName(toQString(name));
        const int index = grid->count();
        grid->addWidget(button, index / 6, index % 6);
        connect(button, &QPushButton::clicked, this, [this, kind = spec.kind] { openKindEditor(kind); });
    }
    tabs->setMaximumHeight(110);
    return tabs;
}

QWidget* ShrinkWindow::buildConditionPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("[过滤条件列表]  鼠标右键有操作菜单"), page));
    m_conditionModel = makeConditionListModel(
        m_bench.conditions(), [this](const auto& change) { m_bench.editConditions(change); }, this);
    m_conditionsView = makeListGrid(page, QStringLiteral("ListView_Tj"), m_conditionModel);
    m_conditionsView->horizontalHeader()->setHighlightSections(false);
    m_conditionsView->setColumnHidden(ColContent, true);
    const std::array<int, ColContent> widths{40, 40, 90, 150, 40, 40};
    for (int c = 0; c < ColContent; ++c)
        m_conditionsView->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    m_conditionsView->horizontalHeader()->setSectionResizeMode(ColCounts, QHeaderView::Stretch);
    m_conditionsView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_conditionsView, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!m_conditionModel->isFlagColumn(index.column())) modifyCurrentCondition();
    });
    layout->addWidget(m_conditionsView, 1);

    m_conditionMenu = new QMenu(this);
    m_conditionMenu->setObjectName(QStringLiteral("ListView_Tj_PopupMenu"));
    // The popup menu's commands, each an action named for the scripts that drive the window.
    const auto menuCommand = [this](const char* caption, const char* name, auto slot) {
        QAction* a = m_conditionMenu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    const auto bulk = [this, menuCommand](const char* caption, const char* name, core::FlagColumn column,
                                          const char* value) {
        menuCommand(caption, name, [this, column, value] {
            m_bench.editConditions(
                [&](core::ConditionList& lines) { core::setAllFlags(lines, column, value); });
        });
    };
    bulk("全部使用", "N_AllUse", core::FlagColumn::Use, "1");
    bulk("全部不使用", "N_NoUse", core::FlagColumn::Use, "0");
    bulk("全部容错", "N_AllTolerant", core::FlagColumn::Tolerant, "1");
    bulk("全部不容错", "N_NoTolerant", core::FlagColumn::Tolerant, "0");
    m_conditionMenu->addSeparator();
    menuCommand("删除当前行", "N_DeleteRow", [this] {
        const std::vector<int> doomed = selectedRows(m_conditionsView);
        m_bench.editConditions([&](core::ConditionList& lines) { eraseListRows(lines, doomed); });
    });
    menuCommand("删除所有行", "N_DeleteAll", [this] { setConditions({}); });
    m_conditionMenu->addSeparator();
    menuCommand("修改当前条件", "N_Modify", [this] { modifyCurrentCondition(); });
    m_conditionMenu->addSeparator();
    menuCommand("另存为当前方案", "N25", [this] { saveConditionFile(); });
    menuCommand("导入已存方案", "N26", [this] { openConditionFile(); });
    m_conditionMenu->addSeparator();
    menuCommand("方案评估", "N_FangAnPingGu", [this] { openSchemeEvaluation(); });
    connect(m_conditionsView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_conditionMenu->popup(m_conditionsView->viewport()->mapToGlobal(at));
    });

    auto* bottom = new QHBoxLayout;
    auto* command = new QToolButton(page);
    command->setObjectName(QStringLiteral("Tj_Command_Btn"));
    command->setText(QStringLiteral("命令"));
    command->setMenu(m_conditionMenu);
    command->setPopupMode(QToolButton::InstantPopup);
    bottom->addWidget(command);
    bottom->addStretch();
    m_total = new ToleranceRange(
        QStringLiteral("总容错："),
        {QStringLiteral("Z_RCuo"), QStringLiteral("Z_Err_Beg_m"), QStringLiteral("Z_Err_End_m")},
        ToleranceRange::FollowsBox, page);
    connect(m_total, &ToleranceRange::changed, this, &ShrinkWindow::schemeChanged);
    bottom->addWidget(m_total);
    bottom->addWidget(makeCommandButton(page, this, {"Guo_Lv_Btn", "过滤", &ShrinkWindow::Guo_Lv_BtnClick}));
    bottom->addWidget(
        makeCommandButton(page, this,
                          {"FangAn_PingGu_Btn", "方案评估", &ShrinkWindow::openSchemeEvaluation,
                           "用历史开奖检验当前的条件方案：每期能否保住中奖号、投入与回报、每个条件的得失"}));
    layout->addLayout(bottom);
    return page;
}

const core::ConditionList& ShrinkWindow::conditions() const {
    return m_bench.conditions();
}

void ShrinkWindow::setConditions(core::ConditionList lines) {
    m_bench.setConditions(std::move(lines));
}

void ShrinkWindow::refreshConditions() {
    const int selected = m_conditionsView->currentIndex().row();
    m_conditionModel->reload();
    // The row the user stood on stays chosen while the list reaches it.
    if (selected >= 0 && selected < m_conditionModel->rowCount()) m_conditionsView->selectRow(selected);
    emit schemeChanged();
}

core::BetType ShrinkWindow::betType() const {
    if (m_betTypes[0]->isChecked()) return core::BetType::Group3;
    if (m_betTypes[1]->isChecked()) return core::BetType::Group6;
    return core::BetType::All;
}

core::TotalTolerance ShrinkWindow::totalTolerance() const {
    return m_total->total();
}

void ShrinkWindow::selectConditionRow(int row) {
    if (row < 1 || row > m_conditionModel->rowCount()) return;
    m_pages->setCurrentIndex(0);
    m_conditionsView->selectRow(row - 1);
    m_conditionsView->scrollTo(m_conditionModel->index(row - 1, 0));
}

void ShrinkWindow::openSchemeEvaluation() {
    if (!m_schemeEval) m_schemeEval = new SchemeEvalWindow(m_bench, *this);
    m_schemeEval->showAndRun();
}

ConditionEditorDialog& ShrinkWindow::editor(int which) {
    auto& slot = m_editors[static_cast<std::size_t>(which - 1)];
    if (!slot) slot = new ConditionEditorDialog(static_cast<core::EditorWindow>(which), m_bench, this);
    return *slot;
}

void ShrinkWindow::openKindEditor(core::ConditionKind kind) {
    const core::KindSpec* spec = core::kindSpec(kind);
    if (!spec) return;
    auto line = editor(static_cast<int>(spec->editor)).addLine(kind, conditions());
    if (!line) return;
    m_bench.editConditions([&](core::ConditionList& lines) { lines.push_back(std::move(*line)); });
    m_conditionsView->selectRow(static_cast<int>(conditions().size()) - 1);
}

void ShrinkWindow::modifyCurrentCondition() {
    const int row = m_conditionsView->currentIndex().row();
    if (row < 0 || row >= static_cast<int>(conditions().size())) return;
    const core::KindSpec* spec =
        core::kindSpec(core::KindOfKeyword(conditions()[static_cast<std::size_t>(row)].keyword));
    if (!spec) return;
    auto line = editor(static_cast<int>(spec->editor)).modifyLine(row, conditions());
    if (!line) return;
    m_bench.editConditions(
        [&](core::ConditionList& lines) { lines[static_cast<std::size_t>(row)] = std::move(*line); });
}

void ShrinkWindow::Guo_Lv_BtnClick() {
    auto result = core::FilterBetList(m_bets, conditions(), totalTolerance(), history());
    if (!result) {
        m_prompter.information(this, toQString(result.error().message));
        return;
    }
    setBetList(std::move(result->kept));
    if (!result->unknownRows.empty()) {
        QStringList rows;
        for (int row : result->unknownRows)
            rows << QString::number(row);
        m_prompter.information(
            this, QStringLiteral("条件序号 %1 的条件名无法识别，未参与过滤").arg(rows.join(' ')));
    }
}

void ShrinkWindow::saveConditionFile() {
    const QString chosen = m_prompter.saveFileName(this, QStringLiteral("另存为当前方案"),
                                                   QStringLiteral("文本文件*.txt|*.txt"));
    if (chosen.isEmpty()) return;
    const auto file = core::conditionFileName(std::filesystem::path(s(chosen)));
    if (auto written = core::writeConditionFile(file, conditions()); !written)
        m_prompter.information(this, toQString(written.error().message));
}

void ShrinkWindow::openConditionFile() {
    const QString chosen =
        m_prompter.openFileName(this, QStringLiteral("导入已存方案"), QStringLiteral("*.ag"));
    if (!chosen.isEmpty()) loadConditionFile(chosen);
}

bool ShrinkWindow::loadConditionFile(const QString& chosen) {
    auto read = core::readConditionFileChecked(std::filesystem::path(s(chosen)));
    if (!read) {
        m_prompter.information(this, toQString(read.error().message));
        return false;
    }
    setConditions(std::move(read->lines));
    // The rows it cannot use stay in the list, unused by the filter and saved back as they were.
    if (!read->issues.empty())
        m_prompter.information(this, toQString(core::conditionIssuesText(read->issues)));
    return true;
}

// ---- Step three ----

QWidget* ShrinkWindow::buildBetArea() {
    auto* box = new QGroupBox(QStringLiteral("三：（投注结果）"), this);
    auto* layout = new QVBoxLayout(box);
    m_betModel = makeBetListModel(m_bets, this);
    m_betView = makeListGrid(box, QStringLiteral("TZ_List"), m_betModel);
    m_betView->horizontalHeader()->setHighlightSections(false);
    m_betView->setColumnWidth(0, 50);
    m_betView->horizontalHeader()->setStretchLastSection(true);
    m_betView->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("Tou_zhuJG_PopupMenu"));
    QAction* addNumber = menu->addAction(QStringLiteral("新增号码"));
    addNumber->setObjectName(QStringLiteral("N_AddBet"));
    connect(addNumber, &QAction::triggered, this, &ShrinkWindow::addBetNumber);
    QAction* deleteNumbers = menu->addAction(QStringLiteral("删除号码"));
    deleteNumbers->setObjectName(QStringLiteral("N_DeleteBet"));
    connect(deleteNumbers, &QAction::triggered, this, &ShrinkWindow::deleteBetNumbers);
    connect(m_betView, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_betView->viewport()->mapToGlobal(at)); });
    layout->addWidget(m_betView, 1);
    m_count = new QLabel(QStringLiteral("共：0注"), box);
    m_count->setObjectName(QStringLiteral("Label8"));
    layout->addWidget(m_count);

    const Command<ShrinkWindow> commands[] = {
        {"Tou_zhu_Cmd_D0", "加入交集区", &ShrinkWindow::addBetListToIntersection,
         "将当前的投注结果加入交集列表区"},
        {"bsSkinSpeedButton1", "生成开奖号码", &ShrinkWindow::showTrackConverter,
         "将星轨条件过滤的结果生成开奖号码"},
        {"Tou_zhu_Cmd_01", "另存为", &ShrinkWindow::saveBetList},
        {"Tou_zhu_Cmd_02", "打开", &ShrinkWindow::openBetList},
        {"Tou_zhu_Cmd_05", "清空", &ShrinkWindow::clearBetList},
        {"Tou_zhu_Cmd_06", "打印", &ShrinkWindow::printBetList},
    };
    auto* grid = new QGridLayout;
    int index = 0;
    for (const auto& command : commands) {
        grid->addWidget(makeCommandButton(box, this, command), index / 2, index % 2);
        ++index;
    }
    layout->addLayout(grid);
    box->setFixedWidth(200);
    return box;
}

void ShrinkWindow::setBetList(std::vector<std::string> numbers) {
    m_betModel->setList(std::move(numbers));
    m_count->setText(toQString(core::betCountLabel(m_bets.size())));
}

QString ShrinkWindow::countLabel() const {
    return m_count->text();
}

void ShrinkWindow::saveBetList() {
    const QString chosen =
        m_prompter.saveFileName(this, QStringLiteral("另存为"), QStringLiteral("*.txt|*.txt"));
    if (chosen.isEmpty()) return;
    const auto file = core::numberFileName(std::filesystem::path(s(chosen)));
    if (auto written = core::writeNumberTextFile(file, core::formatBetListText(m_bets)); !written)
        m_prompter.information(this, toQString(written.error().message));
}

void ShrinkWindow::openBetList() {
    const QString chosen =
        m_prompter.openFileName(this, QStringLiteral("打开"), QStringLiteral("*.txt|*.txt"));
    if (chosen.isEmpty()) return;
    auto read = core::readNumberTextFile(std::filesystem::path(s(chosen)));
    if (!read) {
        m_prompter.information(this, toQString(read.error().message));
        return;
    }
    setBetList(std::move(*read));
}

void ShrinkWindow::addBetNumber() {
    auto answer = m_prompter.inputText(this, QStringLiteral("提示"), QStringLiteral("请输入投注号码"));
    if (!answer) return;
    auto number = core::parseNewBetNumber(s(*answer));
    if (!number) {
        m_prompter.information(this, toQString(number.error().message));
        return;
    }
    m_betModel->append(std::move(*number));
    m_count->setText(toQString(core::betCountLabel(m_bets.size())));
}

void ShrinkWindow::deleteBetNumbers() {
    m_betModel->eraseRows(selectedRows(m_betView));
    m_count->setText(toQString(core::betCountLabel(m_bets.size())));
}

} // namespace p3::gui
