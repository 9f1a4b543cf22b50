#include "gui/charts/tu_biao_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/charts/chart_catalogue.h"
#include "core/charts/chart_session.h"
#include "core/charts/chart_tree.h"
#include "core/stats/statistic_kinds.h"
#include "core/stats/statistics_query.h"
#include "gui/charts/chart_grid_model.h"
#include "gui/charts/chart_view.h"
#include "gui/charts/fixed_chart_view.h"
#include "gui/charts/omission_model.h"
#include "gui/charts/quick_locate_dialog.h"
#include "gui/charts/start_page.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kLeafNameRole = Qt::UserRole + 1;

/// A tool button of `parent` with its object name and caption.
QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    return button;
}

/// A layout of `parent` whose pieces touch each other and the edges.
template <typename Layout> Layout* tightLayout(QWidget* parent) {
    auto* layout = new Layout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

TuBiaoWindow::TuBiaoWindow(Workbench& bench) : QDialog(bench.window()), m_bench(bench) {
    setObjectName(QStringLiteral("TF_TuBiao"));
    // Not modal: a chart stays in view beside the shrink workspace while conditions are built.
    setWindowModality(Qt::NonModal);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1200, 760);
    // The direct counts ship with the program; without the file they are counted over 000..999.
    auto ini = core::IniFile::load(bench.home() / std::string(core::kOmissionCountsFileName));
    if (ini && !ini->sections().empty())
        m_ini = std::move(*ini);
    else
        m_ini = core::makeDirectCountIni();
    buildWidgets();
}

TuBiaoWindow::~TuBiaoWindow() {
    detachGrids();
}

void TuBiaoWindow::buildWidgets() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(3);

    auto* bar = new QHBoxLayout;
    m_chartButton = makeToolButton(this, "btn_Tu_Biao", QStringLiteral("图表分析"));
    m_queryButton = makeToolButton(this, "btn_YiLou", QStringLiteral("遗漏查询"));
    auto* views = new QButtonGroup(this);
    for (QToolButton* button : {m_chartButton, m_queryButton}) {
        button->setCheckable(true);
        button->setMinimumWidth(90);
        views->addButton(button);
        bar->addWidget(button);
    }
    connect(m_chartButton, &QToolButton::clicked, this, [this] { btn_Tu_BiaoClick(true); });
    connect(m_queryButton, &QToolButton::clicked, this, [this] { btn_Tu_BiaoClick(false); });

    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("数据源:"), this));
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setObjectName(QStringLiteral("Label9"));
    m_sourceLabel->setStyleSheet(QStringLiteral("color: rgb(192,78,59); font-weight: bold;"));
    bar->addWidget(m_sourceLabel);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("近："), this));
    m_recent = new QComboBox(this);
    m_recent->setObjectName(QStringLiteral("Jin_Qshu"));
    for (auto choice : core::kJinQshuChoices)
        m_recent->addItem(toQString(choice));
    m_recent->setCurrentText(QStringLiteral("1000"));
    bar->addWidget(m_recent);
    bar->addWidget(new QLabel(QStringLiteral("期"), this));
    bar->addSpacing(8);
    bar->addWidget(new QLabel(QStringLiteral("统计范围:"), this));
    m_begin = new QComboBox(this);
    m_begin->setObjectName(QStringLiteral("TjFanWei_Beg"));
    m_end = new QComboBox(this);
    m_end->setObjectName(QStringLiteral("TjFanWei_End"));
    bar->addWidget(m_begin);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(m_end);
    connect(m_recent, &QComboBox::activated, this, [this](int) { Jin_QshuClick(m_recent->currentText()); });
    connect(m_begin, &QComboBox::activated, this,
            [this](int) { changeRange(m_begin->currentIndex(), m_end->currentIndex()); });
    connect(m_end, &QComboBox::activated, this,
            [this](int) { changeRange(m_begin->currentIndex(), m_end->currentIndex()); });
    bar->addStretch(1);
    auto* shrink = makeToolButton(this, "btn_SuoShui", QStringLiteral("星轨缩水"));
    connect(shrink, &QToolButton::clicked, this, [this] { btn_SuoShuiClick(); });
    bar->addWidget(shrink);
    auto* help = makeToolButton(this, "bsSkinSpeedButton3", QStringLiteral("软件帮助"));
    connect(help, &QToolButton::clicked, this, [this] { m_bench.showHelp(); });
    auto* close = makeToolButton(this, "bsSkinSpeedButton4", QStringLiteral("关闭"));
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    bar->addWidget(help);
    bar->addWidget(close);
    bar->addSpacing(20);
    layout->addLayout(bar);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildChartPage());
    m_pages->addWidget(buildQueryPage());
    layout->addWidget(m_pages, 1);

    auto* status = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setObjectName(QStringLiteral("StatusBar1_%1").arg(i));
        m_status[i]->setFrameShape(QFrame::StyledPanel);
        status->addWidget(m_status[i], i == 2 ? 2 : 1);
    }
    layout->addLayout(status);
    connect(this, &QDialog::finished, this, [this](int) { FormClose(); });
}

QWidget* TuBiaoWindow::buildChartPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("P_TuBiao"));
    auto* layout = tightLayout<QHBoxLayout>(page);

    m_treeSplitter = new QSplitter(Qt::Horizontal, page);
    m_tree = new QTreeWidget(m_treeSplitter);
    m_tree->setObjectName(QStringLiteral("M_view"));
    m_tree->setHeaderHidden(true);
    m_tree->setIndentation(26);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { M_viewChange(item); });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        // Keyboard moves choose as clicks do; a click already chose its item.
        if (item && QApplication::mouseButtons() == Qt::NoButton) M_viewChange(item);
    });

    auto* right = new QWidget(m_treeSplitter);
    auto* rightLayout = tightLayout<QHBoxLayout>(right);
    m_treeButton = makeToolButton(right, "bsSkinSpeedButton1", QStringLiteral("<"));
    m_treeButton->setFixedWidth(12);
    m_treeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(m_treeButton, &QToolButton::clicked, this, [this] { bsSkinSpeedButton1Click(); });
    rightLayout->addWidget(m_treeButton);

    auto* helpSplitter = new QSplitter(Qt::Vertical, right);
    m_chartArea = new QStackedWidget(helpSplitter);
    m_pictureArea = new QScrollArea(m_chartArea);
    m_pictureArea->setObjectName(QStringLiteral("Img_Piction"));
    m_picture = new QLabel;
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pictureArea->setWidget(m_picture);
    m_pictureArea->setWidgetResizable(true);
    m_chartArea->addWidget(m_pictureArea);
    m_fixedChart = new FixedChartView(m_bench.balls(), m_bench.prompter(), m_chartArea);
    m_chartArea->addWidget(m_fixedChart);
    m_startPage = new StartPage(m_bench.balls(), m_chartArea);
    m_chartArea->addWidget(m_startPage);
    m_mainGrid = new ChartView(m_bench.balls(), m_chartArea);
    m_mainGrid->setObjectName(QStringLiteral("M_Grid"));
    m_biasGrid = new ChartView(m_bench.balls(), m_chartArea);
    m_biasGrid->setObjectName(QStringLiteral("PianTai_Fx_Grid"));
    m_slantGrid = new ChartView(m_bench.balls(), m_chartArea);
    m_slantGrid->setObjectName(QStringLiteral("Xie_Line_Grid"));
    for (ChartView* view : {m_mainGrid, m_biasGrid, m_slantGrid})
        m_chartArea->addWidget(view);
    m_slantHint = new QLabel(m_slantGrid->viewport());
    m_slantHint->setObjectName(QStringLiteral("Xie_Line_hint"));
    m_slantHint->setStyleSheet(QStringLiteral(
        "background: rgb(255,255,225); border: 1px solid rgb(120,120,120); padding: 1px 4px;"));
    m_slantHint->hide();
    connect(m_slantGrid, &ChartView::hintChanged, this, [this](const QString& hint, const QRect& cell) {
        if (hint.isEmpty()) {
            m_slantHint->hide();
            return;
        }
        m_slantHint->setText(hint);
        m_slantHint->adjustSize();
        m_slantHint->move(cell.center().x() - m_slantHint->width() / 2, cell.top() + 18);
        m_slantHint->show();
        m_slantHint->raise();
    });

    auto* helpPanel = new QWidget(helpSplitter);
    auto* helpLayout = tightLayout<QVBoxLayout>(helpPanel);
    m_helpButton = makeToolButton(helpPanel, "bsSkinSpeedButton2", QStringLiteral("▼ 图表说明"));
    m_helpButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_helpButton->setFixedHeight(14);
    connect(m_helpButton, &QToolButton::clicked, this, [this] { bsSkinSpeedButton2Click(); });
    m_helpList = new QListWidget(helpPanel);
    m_helpList->setObjectName(QStringLiteral("Tj_Help_file"));
    m_helpList->setFocusPolicy(Qt::NoFocus);
    helpLayout->addWidget(m_helpButton);
    helpLayout->addWidget(m_helpList);
    helpSplitter->addWidget(m_chartArea);
    helpSplitter->addWidget(helpPanel);
    helpSplitter->setStretchFactor(0, 1);
    helpSplitter->setSizes({600, 110});
    connect(helpSplitter, &QSplitter::splitterMoved, this, [this, helpSplitter] {
        // The help list keeps at least 100 pixels while it is shown.
        const QList<int> sizes = helpSplitter->sizes();
        if (m_helpList->isVisible() && sizes.value(1) < 100)
            helpSplitter->setSizes({sizes.value(0) + sizes.value(1) - 100, 100});
    });
    rightLayout->addWidget(helpSplitter, 1);

    m_treeSplitter->addWidget(m_tree);
    m_treeSplitter->addWidget(right);
    m_treeSplitter->setStretchFactor(1, 1);
    m_treeSplitter->setSizes({200, 1000});
    connect(m_treeSplitter, &QSplitter::splitterMoved, this, [this] {
        // The tree keeps at least 100 pixels while it is shown.
        const QList<int> sizes = m_treeSplitter->sizes();
        if (m_tree->isVisible() && sizes.value(0) < 100)
            m_treeSplitter->setSizes({100, sizes.value(0) + sizes.value(1) - 100});
    });
    layout->addWidget(m_treeSplitter);
    return page;
}

void TuBiaoWindow::openFor(const ChartRequest& request) {
    if (!OpenForSource(request.title, request.lotteryName)) return;
    btn_Tu_BiaoClick(request.view != HeaderPart::Omission);
    if (!m_firstShowing.isEmpty()) {
        const QString what = std::exchange(m_firstShowing, QString());
        if (what == QStringLiteral("遗漏查询")) {
            btn_Tu_BiaoClick(false);
            B_All_1Click(true);
            Exec_TuClick();
        } else {
            chooseChart(what);
        }
    }
    // The charts are wide: the window covers the main window it belongs to.
    if (!isVisible()) {
        QSize size = m_bench.window()->size().expandedTo(QSize(1200, 760));
        if (const QScreen* screen = m_bench.window()->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        setGeometry(QRect(m_bench.window()->geometry().topLeft(), size));
    }
    m_bench.showWindow(*this);
}

void TuBiaoWindow::btn_SuoShuiClick() {
    m_bench.openShrinkWorkspace();
    auto* shrink =
        m_bench.window()->findChild<QWidget*>(QStringLiteral("TF_ZuHaoSuoShui"), Qt::FindDirectChildrenOnly);
    if (!shrink || !shrink->isVisible()) return;
    // Side by side: the shrink workspace at the right edge of the screen, this window beside it.
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const int shrinkWidth = std::clamp(area.width() / 2, shrink->minimumSizeHint().width(), area.width());
    const int chartWidth = std::max(area.width() - shrinkWidth, minimumSizeHint().width());
    setGeometry(area.left(), area.top(), chartWidth, area.height());
    shrink->setGeometry(area.right() + 1 - shrinkWidth, area.top(), shrinkWidth,
                        std::min(shrink->height(), area.height()));
    shrink->raise();
    shrink->activateWindow();
}

TuBiaoWindow* installChartWindow(Workbench& bench, const QString& startWith) {
    auto* window = new TuBiaoWindow(bench);
    QObject::connect(&bench, &Workbench::chartRequested, window,
                     [window](const ChartRequest& request) { window->openFor(request); });
    const qsizetype colon = startWith.indexOf(QLatin1Char(':'));
    if (colon > 0) {
        QObject::connect(&bench, &Workbench::startupFinished, window,
                         [&bench, window, startWith, colon](bool going) {
                             if (!going) return;
                             ChartRequest request;
                             request.title = startWith.left(colon);
                             request.lotteryName = QString::fromStdString(bench.currentLottery().name);
                             window->setFirstShowing(startWith.mid(colon + 1));
                             QTimer::singleShot(0, window, [window, request] { window->openFor(request); });
                         });
    }
    return window;
}

bool TuBiaoWindow::OpenForSource(const QString& sourceName, const QString& lotteryName) {
    FormClose();
    auto draws = core::sourceDraws(m_bench.draws(), m_bench.trackTable(), sourceName.toStdString());
    if (!draws) {
        m_bench.prompter().information(m_bench.window(), fromStd(draws.error().message));
        return false;
    }
    // A track block has no value for the first draws of the history; those rows carry no number.
    std::erase_if(*draws, [](const core::Draw& draw) { return draw.digits.size() < 3; });
    if (draws->empty()) {
        m_bench.prompter().information(m_bench.window(), QStringLiteral("当前彩票没有开奖数据!"));
        return false;
    }
    m_session = std::make_unique<core::ChartSession>(std::move(*draws), m_ini);
    if (auto* db = m_bench.database())
        if (auto help = db->chartHelp()) m_help = std::move(*help);

    m_sourceLabel->setText(sourceName);
    m_begin->clear();
    m_end->clear();
    QStringList periods;
    periods.reserve(static_cast<qsizetype>(m_session->draws().size()));
    for (const auto& draw : m_session->draws())
        periods << fromStd(draw.period);
    m_begin->addItems(periods);
    m_end->addItems(periods);
    m_recent->setCurrentText(QStringLiteral("1000"));
    syncRangeLists();

    const auto& newest = m_session->draws().back();
    m_status[0]->setText(lotteryName);
    m_status[1]->setText(QStringLiteral("第%1期 %2").arg(fromStd(newest.period), fromStd(newest.digits)));
    m_status[2]->setText(QStringLiteral("共:%1期 当前统计：%2期")
                             .arg(m_session->draws().size())
                             .arg(m_session->range().size()));
    fillTree(m_bench.digitCount());
    resetTable();
    return true;
}

void TuBiaoWindow::fillTree(int digitCount) {
    m_tree->clear();
    QIcon groupIcon;
    groupIcon.addPixmap(style()->standardPixmap(QStyle::SP_DirClosedIcon), QIcon::Normal, QIcon::Off);
    groupIcon.addPixmap(style()->standardPixmap(QStyle::SP_DirOpenIcon), QIcon::Normal, QIcon::On);
    const QIcon leafIcon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    for (const auto& group : core::chartTree(digitCount)) {
        auto* node =
            new QTreeWidgetItem(m_tree, {QString::fromUtf8(group.name.data(), qsizetype(group.name.size()))});
        QFont bold = node->font(0);
        bold.setBold(true);
        node->setFont(0, bold);
        node->setIcon(0, groupIcon);
        for (const auto& leaf : group.leaves) {
            const QString name = toQString(leaf.name);
            auto* item = new QTreeWidgetItem(node, {name});
            item->setData(0, kLeafNameRole, name);
            item->setIcon(0, leafIcon);
        }
    }
}

void TuBiaoWindow::btn_Tu_BiaoClick(bool chartView) {
    m_chartButton->setChecked(chartView);
    m_queryButton->setChecked(!chartView);
    m_pages->setCurrentIndex(chartView ? 0 : 1);
    setWindowTitle(chartView ? QStringLiteral("『星河阁』图表分析") : QStringLiteral("『星河阁』遗漏查询"));
    if (!chartView) {
        m_sortHint->raise();
        return;
    }
    if (m_session && m_session->currentName().empty()) {
        // No chart yet: the first group opens and the start picture fills the chart area.
        if (QTreeWidgetItem* first = m_tree->topLevelItem(0)) {
            first->setExpanded(true);
            m_tree->blockSignals(true);
            m_tree->setCurrentItem(first);
            m_tree->blockSignals(false);
        }
        // The start picture of the home, when there is one, else the start page drawn from the draws.
        if (!showPicture(QStringLiteral("Image/tubiao.JPG"))) showStartPage();
    }
}

void TuBiaoWindow::showStartPage() {
    detachGrids();
    if (m_session) m_startPage->setContent(m_status[0]->text(), m_sourceLabel->text(), m_session->draws());
    m_chartArea->setCurrentWidget(m_startPage);
}

FixedChartView* TuBiaoWindow::shownFixedChart() const {
    return m_chartArea->currentWidget() == m_fixedChart ? m_fixedChart : nullptr;
}

StartPage* TuBiaoWindow::shownStartPage() const {
    return m_chartArea->currentWidget() == m_startPage ? m_startPage : nullptr;
}

bool TuBiaoWindow::chartViewShown() const {
    return m_pages->currentIndex() == 0;
}

void TuBiaoWindow::M_viewChange(QTreeWidgetItem* item) {
    if (!m_session || !item || item->childCount() > 0) return;
    const QString name = item->data(0, kLeafNameRole).toString();
    if (name.isEmpty()) return;
    chooseChart(name);
}

void TuBiaoWindow::chooseChart(const QString& leafName) {
    if (!m_session) return;
    detachGrids();
    QElapsedTimer clock;
    clock.start();
    m_session->ShowChart(leafName.toStdString());
    showCurrentChart();
    m_lastChartMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const auto found = m_tree->findItems(leafName, Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty() && m_tree->currentItem() != found.front()) {
        m_tree->blockSignals(true);
        m_tree->setCurrentItem(found.front());
        m_tree->blockSignals(false);
    }
    m_helpList->clear();
    for (const auto& line : core::chartHelpLines(m_help, leafName.toStdString()))
        m_helpList->addItem(fromStd(line));
}

QString TuBiaoWindow::helpText() const {
    QStringList lines;
    for (int i = 0; i < m_helpList->count(); ++i)
        lines << m_helpList->item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

void TuBiaoWindow::detachGrids() {
    // The session rebuilds its grid in place: no view may paint it meanwhile.
    for (ChartView* view : {m_mainGrid, m_biasGrid, m_slantGrid})
        if (view) view->chartModel()->setGrid(nullptr);
}

ChartView* TuBiaoWindow::shownView() const {
    auto* view = qobject_cast<ChartView*>(m_chartArea->currentWidget());
    return view && view->chartModel()->grid() ? view : nullptr;
}

void TuBiaoWindow::showCurrentChart() {
    const int kind = m_session->currentKind();
    core::ChartGrid* grid = m_session->currentGrid();
    if (kind == core::kPictureKind || !grid) {
        // A fixed chart: a picture of that name in the home wins, else its table is drawn from the numbers.
        if (showPicture(fromStd(m_session->picture()))) return;
        m_chartArea->setCurrentWidget(m_fixedChart->showChart(fromStd(m_session->currentName()))
                                          ? static_cast<QWidget*>(m_fixedChart)
                                          : m_pictureArea);
        return;
    }
    m_picture->clear();
    m_slantHint->hide();
    const core::ChartForm form = core::chartForm(kind);
    ChartView* view = form == core::ChartForm::Bias    ? m_biasGrid
                      : form == core::ChartForm::Slant ? m_slantGrid
                                                       : m_mainGrid;
    view->chartModel()->setGrid(grid);
    view->gridChanged();
    m_chartArea->setCurrentWidget(view);
    m_helpButton->show();
}

bool TuBiaoWindow::showPicture(const QString& relativePath) {
    detachGrids();
    const QString file = QString::fromStdString((m_bench.home() / relativePath.toStdString()).string());
    QPixmap picture(file);
    m_picture->setPixmap(picture);
    if (picture.isNull()) {
        m_picture->clear();
        return false;
    }
    m_chartArea->setCurrentWidget(m_pictureArea);
    return true;
}

void TuBiaoWindow::syncRangeLists() {
    if (!m_session) return;
    m_begin->setCurrentIndex(static_cast<int>(m_session->range().begin()));
    m_end->setCurrentIndex(static_cast<int>(m_session->range().end()));
}

void TuBiaoWindow::Jin_QshuClick(const QString& choice) {
    if (!m_session) return;
    m_recent->setCurrentText(choice);
    detachGrids();
    afterRangeChange(m_session->chooseRecent(choice.toStdString()));
}

void TuBiaoWindow::changeRange(int beginItem, int endItem) {
    if (!m_session || beginItem < 0 || endItem < 0) return;
    detachGrids();
    afterRangeChange(
        m_session->changeRange(static_cast<std::size_t>(beginItem), static_cast<std::size_t>(endItem)));
}

void TuBiaoWindow::afterRangeChange(const core::Status& status) {
    syncRangeLists();
    if (!status) {
        // The range refused is said; the chart shown before stays.
        m_bench.prompter().information(this, fromStd(status.error().message));
        if (!m_session->currentName().empty() && m_session->currentKind() != core::kPictureKind)
            showCurrentChart();
        return;
    }
    rangeChanged();
}

void TuBiaoWindow::rangeChanged() {
    m_status[2]->setText(fromStd(m_session->statusText()));
    resetTable();
    if (!m_session->currentName().empty()) {
        QElapsedTimer clock;
        clock.start();
        showCurrentChart();
        m_lastChartMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
}

void TuBiaoWindow::bsSkinSpeedButton1Click() {
    if (m_treeButton->text() == QStringLiteral("<")) {
        m_tree->hide();
        m_treeButton->setText(QStringLiteral(">"));
        return;
    }
    m_tree->show();
    const QList<int> sizes = m_treeSplitter->sizes();
    if (sizes.value(0) <= 20) m_treeSplitter->setSizes({200, std::max(100, sizes.value(1) - 200)});
    m_treeButton->setText(QStringLiteral("<"));
}

void TuBiaoWindow::bsSkinSpeedButton2Click() {
    const bool show = !m_helpList->isVisible();
    m_helpList->setVisible(show);
    m_helpButton->setText(show ? QStringLiteral("▼ 图表说明") : QStringLiteral("▲ 图表说明"));
}

void TuBiaoWindow::FormClose() {
    detachGrids();
    m_quickLocate->close();
    m_tableModel->setQuery(nullptr);
    m_session.reset();
    m_help.clear();
    m_picture->clear();
    m_helpList->clear();
    m_slantHint->hide();
}

} // namespace p3::gui
