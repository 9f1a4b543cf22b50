#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QThread>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "core/common/version.h"
#include "core/net/version_check.h"
#include "core/store/load_lottery.h"
#include "gui/app/digit_picker.h"
#include "gui/tools/bet_plan_dialog.h"
#include "gui/tools/set_tool_window.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui/widgets/grid_delegate.h"
#include "gui/widgets/prompter.h"

namespace p3::gui {
namespace fs = std::filesystem;
namespace {

constexpr int kCellSize = 20;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

/// The grid font: 宋体 where it is installed, else a CJK font that is.
QFont gridFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(12);
    return font;
}

} // namespace

MainWindow::MainWindow(fs::path home, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_bench(std::move(home), prompter), m_prompter(prompter), m_home(m_bench.home()) {
    m_bench.setWindow(this);
    setObjectName(QStringLiteral("TF_Main"));
    setWindowTitle(QStringLiteral("pick3bench 星轨分析"));
    buildWidgets();
    buildCommands();
    buildUpdateNotice();
    // The version check asks the update server of the settings; it reads them itself, on its thread.
    m_versionFetcher = [home = m_home, cancel = m_cancel]() -> std::string {
        auto settings = core::Settings::open(home);
        core::HttpOptions http;
        http.cancel = cancel.get();
        return settings ? core::checkVersion(*settings, http).answer : std::string();
    };
    connect(&m_bench, &Workbench::lotteryChanged, this, &MainWindow::showLottery);
    connect(&m_bench, &Workbench::drawsChanged, this, [this] {
        showDrawCounts();
        BuildMainGrid();
    });
    connect(&m_bench, &Workbench::trackProgress, this, [this](int percent) { setGauge(percent * 8 / 10); });
    connect(&m_bench, &Workbench::fullScreenExited, m_fullScreenAction,
            [this] { m_fullScreenAction->setEnabled(true); });
    connect(this, &MainWindow::startupFinished, &m_bench, &Workbench::startupFinished);
    // Until a lottery is loaded the grid shows its empty frame.
    BuildMainGrid();
}

MainWindow::~MainWindow() {
    // A version check still running holds no pointer to this window, but the thread object must end
    // first; cancelled, the check and the downloads end within moments instead of at their time-outs.
    cancelBackgroundWork();
    if (m_versionThread) m_versionThread->wait();
    m_updaters.clear();
}

void MainWindow::cancelBackgroundWork() {
    m_cancel->store(true);
    for (auto& entry : m_updaters)
        entry.second->cancel();
}

void MainWindow::buildWidgets() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    m_title = new QLabel(central);
    m_title->setObjectName(QStringLiteral("Title_main"));
    m_title->hide();
    layout->addWidget(m_title);

    m_gridPanel = new QWidget(central);
    m_gridPanel->setObjectName(QStringLiteral("Panel_Grid"));
    auto* gridLayout = new QVBoxLayout(m_gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gridPanel, 1);

    m_model = new MainGridModel(this);
    m_grid = new FrozenHeaderTable(m_gridPanel);
    m_grid->setObjectName(QStringLiteral("M_Grid"));
    m_grid->setFont(gridFont());
    m_grid->headerView()->setFont(gridFont());
    m_grid->setModel(m_model);
    auto* delegate = new GridDelegate(
        {MainGridModel::KindRole, MainGridModel::ActivePartRole, MainGridModel::SpanRole},
        {MainGridModel::Prediction, MainGridModel::PredictionLabel, MainGridModel::GroupTitle},
        MainGridModel::ChartStrip, m_grid);
    m_grid->setItemDelegate(delegate);
    m_grid->headerView()->setItemDelegate(delegate);
    m_grid->setRowHeights(kCellSize);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < kGridColumns; ++column)
        m_grid->setColumnWidthBoth(column, column == 0 ? kPeriodColumnWidth : kCellSize);
    gridLayout->addWidget(m_grid);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { M_GridSelectCell(current); });
    // A click on the cell already selected opens the picker again after "关".
    connect(m_grid, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { M_GridSelectCell(index); });
    connect(m_grid, &FrozenHeaderTable::headerHovered, this, &MainWindow::M_GridHeaderHover);
    connect(m_grid, &FrozenHeaderTable::headerClicked, this, &MainWindow::M_GridHeaderClick);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &MainWindow::gridContextMenu);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { placePicker(); });
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placePicker(); });

    // The picker lives on the grid, so that it goes along when the grid is shown full screen.
    m_picker = new DigitPicker(&m_bench.balls(), m_grid);
    connect(m_picker, &DigitPicker::digitPicked, this, &MainWindow::pickPredictionDigit);
    connect(m_picker, &DigitPicker::clearRequested, this, &MainWindow::clearPredictionPosition);

    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[3] = {160, 200, 120};
    for (int panel = 0; panel < 3; ++panel) {
        m_panels[panel] = new QLabel(bar);
        m_panels[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        m_panels[panel]->setMinimumWidth(widths[panel]);
        bar->addWidget(m_panels[panel]);
    }
    m_gauge = new QProgressBar(bar);
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->setRange(0, 100);
    m_gauge->setMaximumWidth(200);
    m_gauge->hide();
    bar->addPermanentWidget(m_gauge);
    setStatusBar(bar);

    // Wide enough for all 36 columns without a horizontal scroll bar.
    resize(kPeriodColumnWidth + 35 * kCellSize + 40, 720);
}

void MainWindow::buildCommands() {
    auto* bar = addToolBar(QStringLiteral("命令"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const Command<MainWindow> commands[] = {
        {"bsSkinSpeedButton1", "选择彩票", &MainWindow::bsSkinSpeedButton1Click},
        {"bsSkinSpeedButton2", "数据管理", &MainWindow::bsSkinSpeedButton2Click},
        {"bsSkinSpeedButton4", "新增奖号", &MainWindow::bsSkinSpeedButton4Click},
        {"bsSkinSpeedButton3", "星轨缩水", &MainWindow::bsSkinSpeedButton3Click},
    };
    for (const auto& command : commands)
        addCommandAction(bar, this, command);
    bar->addSeparator();
    QAction* exit = bar->addAction(QStringLiteral("退出    "));
    exit->setObjectName(QStringLiteral("bsSkinSpeedButton5"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* system = menuBar()->addMenu(QStringLiteral("系统"));
    QAction* quit = system->addAction(QStringLiteral("退出系统"));
    quit->setObjectName(QStringLiteral("N16"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("工具"));
    QAction* setTool = tools->addAction(QStringLiteral("集合统计"));
    setTool->setObjectName(QStringLiteral("N1"));
    connect(setTool, &QAction::triggered, this, [this] { showSetTool(m_bench); });
    QAction* betPlan = tools->addAction(QStringLiteral("倍投计算"));
    betPlan->setObjectName(QStringLiteral("N2"));
    connect(betPlan, &QAction::triggered, this, [this] { runBetPlan(m_bench); });
    QAction* calc = tools->addAction(QStringLiteral("计算器"));
    calc->setObjectName(QStringLiteral("N19"));
    connect(calc, &QAction::triggered, this, [this] { startCalculator(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    QAction* helpFile = help->addAction(QStringLiteral("软件帮助"));
    helpFile->setObjectName(QStringLiteral("N9"));
    // F1 opens the manual from every window of the workbench.
    helpFile->setShortcut(QKeySequence::HelpContents);
    helpFile->setShortcutContext(Qt::ApplicationShortcut);
    connect(helpFile, &QAction::triggered, this, [this] { m_bench.showHelp(); });
    QAction* about = help->addAction(QStringLiteral("关于"));
    about->setObjectName(QStringLiteral("N_About"));
    connect(about, &QAction::triggered, this,
            [this] { m_prompter.information(this, aboutText(), QStringLiteral("关于")); });

    m_fullScreenAction = new QAction(QStringLiteral("全屏显示"), this);
    m_fullScreenAction->setObjectName(QStringLiteral("N17"));
    connect(m_fullScreenAction, &QAction::triggered, this, [this] { ShowFullScreen(m_grid); });
}

QString MainWindow::aboutText() {
    return QStringLiteral(
               "pick3bench 星轨缩水工作台\n版本 %1\n\n三位数彩票的开奖历史、星轨表、走势图、遗漏统计与缩水。")
        .arg(QString::fromUtf8(core::kProgramVersion.data(),
                               static_cast<qsizetype>(core::kProgramVersion.size())));
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? m_panels[panel]->text() : QString();
}

void MainWindow::setStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < 3) m_panels[panel]->setText(text);
}

// ---- Start-up ----

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void MainWindow::FormShow() {
    m_shown = true;
    m_bench.openSettings();
    const QString titlePicture = QString::fromStdString((m_home / "Skin" / "Title_main.bmp").string());
    if (QFileInfo::exists(titlePicture)) {
        m_title->setPixmap(QPixmap(titlePicture));
        m_title->setVisible(!m_title->pixmap().isNull());
    }
    m_bench.tellConditionFileIssues();
    m_bench.balls().fill(m_home);
    m_bench.openDatabase();
    const std::string remembered = m_bench.settings()
                                       ? m_bench.settings()->currentLottery()
                                       : std::string(core::settings_keys::kLotteryName.fallback);
    LoadLottery(fromStd(remembered));
    runVersionCheck();
}

void MainWindow::runVersionCheck() {
    if (!m_versionFetcher) {
        finishStartup({});
        return;
    }
    // The request may take up to its time-out; the window stays responsive meanwhile.
    auto answer = std::make_shared<std::string>();
    QThread* thread = QThread::create([fetcher = m_versionFetcher, answer] { *answer = fetcher(); });
    // Owned by the window, so that a check cut short by the shut-down is freed with it.
    thread->setParent(this);
    m_versionThread = thread;
    connect(thread, &QThread::finished, this, [this, answer, thread] {
        thread->deleteLater();
        finishStartup(*answer);
    });
    thread->start();
}

void MainWindow::finishStartup(const std::string& serverVersion) {
    // A window closed during the check starts nothing more.
    if (m_closed) return;
    const std::string installed =
        m_bench.settings() ? m_bench.settings()->text(core::settings_keys::kVersion) : std::string();
    if (core::isNewVersion(serverVersion, installed)) {
        m_prompter.information(this,
                               QString::fromUtf8(core::kNewVersionMessage.data(),
                                                 static_cast<qsizetype>(core::kNewVersionMessage.size())));
        startHomeProgram(QStringLiteral("Update"));
        if (m_splash) m_splash->close();
        m_startupDone = true;
        emit startupFinished(false);
        close();
        return;
    }
    startHomeProgram(QStringLiteral("Ad"));
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
    }
    m_startupDone = true;
    startBackgroundUpdate();
    emit startupFinished(true);
}

bool MainWindow::startHomeProgram(const QString& name) {
    const QString path = QString::fromStdString((m_home / name.toStdString()).string());
    const QFileInfo info(path);
    // A missing program or file is skipped silently, like a missing picture.
    if (!info.exists()) return false;
    if (info.isExecutable() && info.isFile() && !name.contains(QLatin1Char('.')))
        return QProcess::startDetached(path, {}, QString::fromStdString(m_home.string()));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// ---- The lottery and the grid ----

bool MainWindow::LoadLottery(const QString& name, const std::optional<core::LotteryInfo>& known) {
    return m_bench.loadLottery(name.toStdString(), known);
}

void MainWindow::showLottery() {
    const QString name = fromStd(m_bench.currentLottery().name);
    setStatusText(0, name);
    setWindowTitle(QStringLiteral("pick3bench 星轨分析 - %1").arg(name));
}

void MainWindow::showDrawCounts() {
    const auto texts = core::lotteryStatusTexts(m_bench.currentLottery().name, m_bench.draws());
    setStatusText(1, fromStd(texts[1]));
    setStatusText(2, fromStd(texts[2]));
}

void MainWindow::BuildMainGrid() {
    closePicker();
    m_prediction.clear();
    // The workbench has built the track table (the gauge's first 80 percent); the grid follows.
    const core::DrawList& draws = m_bench.draws();
    const bool gauge = draws.size() >= kGaugeDraws;
    m_model->rebuild(&draws, &m_bench.trackTable(), &m_prediction, m_bench.digitCount());
    if (gauge) setGauge(90);
    m_grid->setFrozenRows(kHeaderRows);
    resetSpans();
    if (gauge) {
        setGauge(100);
        setGauge(-1);
    }
    const int n = static_cast<int>(draws.size());
    if (n > 0) {
        const QModelIndex last = m_model->index(kHeaderRows + n - 1, 0);
        m_grid->selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect);
    }
    m_grid->scrollToBottom();
}

void MainWindow::setGauge(int percent) {
    if (percent < 0) {
        m_gauge->hide();
        return;
    }
    if (!m_gauge->isVisible()) {
        m_gauge->show();
        // Lay the status bar out now: the work runs on without the event loop.
        QCoreApplication::sendPostedEvents(statusBar(), QEvent::LayoutRequest);
    }
    m_gauge->setValue(std::clamp(percent, 0, 100));
    // Painted at once; processing events here could start other work in the middle of this one.
    m_gauge->repaint();
}

void MainWindow::resetSpans() {
    const int n = static_cast<int>(m_bench.draws().size());
    QTableView* header = m_grid->headerView();
    header->clearSpans();
    m_grid->clearSpans();
    header->setSpan(0, 0, kHeaderRows, 1);
    m_grid->setSpan(n + 4, 0, 2, 1);
    for (int group = 0; group < kGroupCount; ++group) {
        const int first = group * 5 + 1;
        header->setSpan(0, first, 1, 5);
        header->setSpan(1, first, 1, 5);
        m_grid->setSpan(n + 5, first, 1, 5);
    }
}

std::optional<std::pair<int, int>> MainWindow::selectedPredictionCell() const {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || m_bench.draws().empty() || current.row() != m_model->predictionRow())
        return std::nullopt;
    const int block = groupOfColumn(current.column());
    if (block < 1) return std::nullopt;
    return std::make_pair(block, positionOfColumn(current.column()));
}

void MainWindow::M_GridSelectCell(const QModelIndex&) {
    const auto cell = selectedPredictionCell();
    if (!cell || cell->second > m_bench.currentLottery().digitCount) {
        closePicker();
        return;
    }
    m_picker->setMarked(m_prediction.cell(cell->first, cell->second - 1));
    m_pickerParked = false;
    m_picker->show();
    m_picker->raise();
    placePicker();
}

void MainWindow::closePicker() {
    m_pickerParked = false;
    m_picker->hide();
}

void MainWindow::placePicker() {
    if (!m_picker->isVisible() && !m_pickerParked) return;
    const QRect inViewport = m_grid->visualRect(m_grid->currentIndex());
    // The picker belongs to its cell: while the cell is scrolled out of view the picker waits hidden,
    // and comes back beside the cell when it is in view again.
    if (!m_grid->viewport()->rect().contains(inViewport)) {
        m_pickerParked = true;
        m_picker->hide();
        return;
    }
    if (m_pickerParked) {
        m_pickerParked = false;
        m_picker->show();
        m_picker->raise();
    }
    const QRect cell = inViewport.translated(m_grid->viewport()->pos());
    const QSize size = m_picker->sizeHint();
    // Centred on the cell's left edge plus 10 pixels, 6 pixels below it (the picker lives on the grid,
    // so the offset is from the grid in the window and full screen alike); above it when the grid has
    // no room below, and always inside the grid.
    int x = cell.left() + 10 - size.width() / 2;
    int y = cell.top() + cell.height() + 6;
    if (y + size.height() > m_grid->height()) y = cell.top() - 6 - size.height();
    x = std::clamp(x, 0, std::max(0, m_grid->width() - size.width()));
    y = std::clamp(y, 0, std::max(0, m_grid->height() - size.height()));
    m_picker->setGeometry(QRect(QPoint(x, y), size));
}

void MainWindow::pickPredictionDigit(int digit) {
    const auto cell = selectedPredictionCell();
    if (!cell || digit < 0 || digit > 9) return;
    m_picker->setMarked(digit);
    m_prediction.PropagatePrediction(m_bench.trackTable(), cell->first, cell->second - 1, digit);
    m_model->predictionChanged(cell->second - 1);
}

void MainWindow::clearPredictionPosition() {
    const auto cell = selectedPredictionCell();
    if (!cell) return;
    m_picker->setMarked(-1);
    m_prediction.clearPosition(cell->second - 1);
    m_model->predictionChanged(cell->second - 1);
}

void MainWindow::M_GridHeaderHover(int row, int column) {
    const HeaderPart part = row == 0 ? headerPartOfColumn(column) : HeaderPart::None;
    m_model->setActiveHeader(groupOfColumn(column), part);
    m_grid->headerView()->viewport()->setCursor(part == HeaderPart::None ? Qt::ArrowCursor
                                                                         : Qt::PointingHandCursor);
}

void MainWindow::M_GridHeaderClick(int row, int column) {
    const HeaderPart part = row == 0 ? headerPartOfColumn(column) : HeaderPart::None;
    if (part == HeaderPart::None) return;
    if (fullScreenShown()) {
        m_prompter.information(this, QStringLiteral("请退出全屏后 再调用!"));
        return;
    }
    const int group = groupOfColumn(column);
    ChartRequest request;
    request.title = group == 0 ? QStringLiteral("开奖号码") : QStringLiteral("星轨%1").arg(group);
    request.firstColumn = group * 5 + 1;
    request.lotteryName = fromStd(m_bench.currentLottery().name);
    request.view = part;
    m_bench.requestChart(request);
}

void MainWindow::gridContextMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(m_fullScreenAction);
    m_fullScreenAction->setEnabled(!fullScreenShown());
    // The grid reports the position in its viewport, which sits below the fixed header rows.
    menu.exec(m_grid->viewport()->mapToGlobal(at));
}

// ---- Full screen ----

void MainWindow::ShowFullScreen(QWidget* control) {
    if (fullScreenShown() || !control) return;
    // Where the grid stood: a grid scrolled to its end (the newest draws, the prediction row and the
    // footer) stays at its end in the larger screen and back in the window.
    QScrollBar* rows = m_grid->verticalScrollBar();
    const bool atEnd = rows->value() >= rows->maximum();
    const int scrolled = rows->value();
    m_bench.showFullScreen(control);
    m_fullScreenAction->setEnabled(false);
    if (control == m_grid && atEnd) m_grid->scrollToBottom();
    connect(
        &m_bench, &Workbench::fullScreenExited, this,
        [this, atEnd, scrolled] {
            const bool pickerOpen = !m_picker->isHidden();
            for (QWidget* level : {static_cast<QWidget*>(this), centralWidget(), m_gridPanel})
                if (QLayout* layout = level->layout()) layout->activate();
            if (atEnd)
                m_grid->scrollToBottom();
            else
                m_grid->verticalScrollBar()->setValue(scrolled);
            // A picker opened in full screen stays in view with its cell: the prediction row is at the end,
            // so the end is shown whole (the last draws, the prediction row and the footer).
            if (pickerOpen &&
                !m_grid->viewport()->rect().contains(m_grid->visualRect(m_grid->currentIndex())))
                m_grid->scrollToBottom();
            placePicker();
        },
        Qt::SingleShotConnection);
    placePicker();
}

// ---- Shut-down ----

void MainWindow::closeEvent(QCloseEvent* event) {
    m_bench.exitFullScreen();
    cancelBackgroundWork();
    m_bench.saveConditions();
    m_closed = true;
    m_bench.close();
    event->accept();
}

} // namespace p3::gui
