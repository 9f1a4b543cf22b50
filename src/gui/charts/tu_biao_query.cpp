// The omission query view of the chart window: kind check boxes on five pages, the query, the statistics
// table with its column sort, and its full-screen showing.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/charts/chart_session.h"
#include "core/stats/quick_locate.h"
#include "core/stats/statistic_kinds.h"
#include "core/stats/statistics_query.h"
#include "gui/charts/omission_model.h"
#include "gui/charts/quick_locate_dialog.h"
#include "gui/charts/tu_biao_window.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {

namespace {

/// Widths of the fifteen statistics columns.
constexpr int kTableWidths[OmissionModel::kColumnCount] = {58, 62, 62, 62, 62, 62, 62, 62,
                                                           62, 62, 77, 94, 64, 64, 64};
constexpr int kBoxColumns = 6;

} // namespace

QWidget* TuBiaoWindow::buildQueryPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("P_YiLou"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    auto* top = new QHBoxLayout;
    m_kindPages = new QTabWidget(page);
    m_kindPages->setObjectName(QStringLiteral("PageCon_Tj_Cmd_1_01"));
    int pageNumber = 0;
    for (const core::StatisticPage& statPage : core::statisticPages()) {
        ++pageNumber;
        auto* tab = new QWidget(m_kindPages);
        auto* grid = new QGridLayout(tab);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(2);
        std::vector<QCheckBox*> boxes;
        int index = 0;
        for (std::uint8_t kind : statPage.kinds) {
            auto* box =
                new QCheckBox(toQString(core::kStatisticKindNames[static_cast<std::size_t>(kind - 1)]), tab);
            box->setObjectName(
                QStringLiteral("Tj_%1_%2").arg(pageNumber).arg(index + 1, 2, 10, QLatin1Char('0')));
            connect(box, &QCheckBox::toggled, this, [this, box] { Tj_1_01Click(box); });
            grid->addWidget(box, index / kBoxColumns, index % kBoxColumns);
            boxes.push_back(box);
            ++index;
        }
        grid->setRowStretch(grid->rowCount(), 1);
        m_kindPages->addTab(tab, toQString(statPage.caption));
        m_boxes.push_back(std::move(boxes));
    }
    m_kindPages->setFixedHeight(130);
    top->addWidget(m_kindPages, 1);

    auto* buttons = new QGridLayout;
    auto makeButton = [&](const char* name, const QString& text, int row, int column) {
        auto* button = new QPushButton(text, page);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button, row, column);
        return button;
    };
    QPushButton* all = makeButton("B_All_1", QStringLiteral("全选"), 0, 0);
    QPushButton* none = makeButton("B_All_2", QStringLiteral("全清"), 0, 1);
    QPushButton* run = makeButton("Exec_Tu", QStringLiteral("查询"), 1, 0);
    QPushButton* screen = makeButton("Btn_Screen", QStringLiteral("全屏查看遗漏列表"), 1, 1);
    QPushButton* find = makeButton("Btn_Find", QStringLiteral("快速定位"), 2, 0);
    find->setToolTip(QStringLiteral("快速定位"));
    connect(find, &QPushButton::clicked, this, [this] { Btn_FindClick(); });
    run->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(0,0,255);"));
    connect(all, &QPushButton::clicked, this, [this] { B_All_1Click(true); });
    connect(none, &QPushButton::clicked, this, [this] { B_All_1Click(false); });
    connect(run, &QPushButton::clicked, this, [this] { Exec_TuClick(); });
    connect(screen, &QPushButton::clicked, this, [this] { Btn_ScreenClick(); });
    m_gauge = new QProgressBar(page);
    m_gauge->setObjectName(QStringLiteral("P_Gauge"));
    m_gauge->setRange(0, 100);
    m_gauge->hide();
    buttons->addWidget(m_gauge, 3, 0, 1, 2);
    top->addLayout(buttons);
    layout->addLayout(top);

    m_sortHint =
        new QLabel(QStringLiteral("提示：点击各统计块的列标题可按该列排序，再点一次反向排序。"), page);
    m_sortHint->setObjectName(QStringLiteral("Grid_Hint"));
    m_sortHint->setStyleSheet(QStringLiteral("color: rgb(73,102,198);"));
    layout->addWidget(m_sortHint);

    m_table = new QTableView(page);
    m_table->setObjectName(QStringLiteral("Ms_Grid"));
    m_tableModel = new OmissionModel(this);
    m_table->setModel(m_tableModel);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(20);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setStyleSheet(
        QStringLiteral("QTableView { gridline-color: rgb(200,210,225); }"
                       "QTableView::item:selected { background: rgb(183,188,251); color: black; }"));
    for (int c = 0; c < OmissionModel::kColumnCount; ++c)
        m_table->setColumnWidth(c, kTableWidths[c]);
    // A hand over the header cells that sort their block.
    m_table->setMouseTracking(true);
    connect(m_table, &QTableView::entered, this, [this](const QModelIndex& index) {
        const bool sorts = m_session && m_session->query().isSortable(index.row(), index.column());
        m_table->viewport()->setCursor(sorts ? Qt::PointingHandCursor : Qt::ArrowCursor);
    });
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (m_tableModel->sortAt(index.row(), index.column())) m_table->viewport()->update();
    });
    layout->addWidget(m_table, 1);
    m_quickLocate = new QuickLocateDialog(*m_table, this);
    return page;
}

void TuBiaoWindow::Tj_1_01Click(QCheckBox* box) {
    QFont font = box->font();
    font.setBold(box->isChecked());
    box->setFont(font);
    for (std::size_t page = 0; page < m_boxes.size(); ++page) {
        const auto& boxes = m_boxes[page];
        if (std::find(boxes.begin(), boxes.end(), box) == boxes.end()) continue;
        const auto ticked =
            std::count_if(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isChecked(); });
        const QString caption = toQString(core::statisticPages()[page].caption);
        m_kindPages->setTabText(static_cast<int>(page), QStringLiteral("%1 (%2条)").arg(caption).arg(ticked));
    }
}

void TuBiaoWindow::B_All_1Click(bool tick) {
    const int page = m_kindPages->currentIndex();
    if (page < 0 || page >= static_cast<int>(m_boxes.size())) return;
    for (QCheckBox* box : m_boxes[static_cast<std::size_t>(page)])
        box->setChecked(tick);
}

void TuBiaoWindow::resetTable() {
    m_table->clearSpans();
    m_tableModel->setQuery(m_session ? &m_session->query() : nullptr);
    refillQuickLocate();
}

void TuBiaoWindow::refillQuickLocate() {
    QStringList names;
    std::vector<std::size_t> sizes;
    if (m_session) {
        for (const auto& name : core::quickLocateNames(m_session->query()))
            names << QString::fromStdString(name);
        sizes = core::quickLocateSizes(m_session->query());
    }
    m_quickLocate->fill(names, std::move(sizes));
}

void TuBiaoWindow::Btn_FindClick() {
    refillQuickLocate();
    m_quickLocate->showBeside();
}

void TuBiaoWindow::Exec_TuClick() {
    if (!m_session) return;
    std::vector<std::string> names;
    for (const auto& boxes : m_boxes)
        for (QCheckBox* box : boxes)
            if (box->isChecked()) names.push_back(box->text().toStdString());
    m_gauge->setValue(0);
    m_gauge->show();
    const auto status = m_session->query().query(names, [this](int percent) {
        m_gauge->setValue(percent);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_gauge->hide();
    m_table->clearSpans();
    m_tableModel->refresh();
    if (!status) {
        m_bench.prompter().information(this, QString::fromStdString(status.error().message));
        return;
    }
    using RowKind = core::OmissionQuery::RowKind;
    const core::OmissionQuery& query = m_session->query();
    for (const auto& record : query.displayed())
        if (query.rowKind(record->firstRow) == RowKind::Title)
            m_table->setSpan(record->firstRow, 0, 1, OmissionModel::kColumnCount);
    m_table->scrollToTop();
    refillQuickLocate();
}

void TuBiaoWindow::Btn_ScreenClick() {
    m_quickLocate->close();
    if (m_bench.fullScreenShown()) return;
    m_bench.showFullScreen(m_table);
}

} // namespace p3::gui
