#include "gui/charts/fixed_chart_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "gui/widgets/ball_image_cache.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"

namespace p3::gui {

namespace {

constexpr int kBallSize = 22;
/// Cells longer than this are number lists: their column gets a fixed width and wraps.
constexpr int kListWidth = 330;

} // namespace

void FixedTableModel::setTable(core::FixedTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int FixedTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int FixedTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.header.size());
}

QVariant FixedTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto& row = m_table.rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return column < row.size() ? toQString(row[column]) : QString();
    case BallRole:
        return std::find(m_table.ballColumns.begin(), m_table.ballColumns.end(), index.column()) !=
               m_table.ballColumns.end();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FixedTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < columnCount()
               ? toQString(m_table.header[static_cast<std::size_t>(section)])
               : QVariant();
}

void FixedTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    if (!index.data(FixedTableModel::BallRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The key value on a ball, as the trend charts show their values.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);
    const QPixmap ball = m_balls.image(QStringLiteral("BlueD_") + index.data().toString(), kBallSize);
    const QRect target(option.rect.center().x() - kBallSize / 2, option.rect.center().y() - kBallSize / 2,
                       kBallSize, kBallSize);
    painter->drawPixmap(target, ball);
}

FixedChartView::FixedChartView(BallImageCache& balls, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("Fixed_Chart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Fixed_Chart_Title"));
    m_title->setStyleSheet(QStringLiteral("color: rgb(73,102,198); font-weight: bold; font-size: 14px;"));
    auto* copy = makeButton(this, QStringLiteral("复制"), "Fixed_Chart_Copy");
    auto* print = makeButton(this, QStringLiteral("打印"), "Fixed_Chart_Print");
    bar->addWidget(m_title);
    bar->addStretch(1);
    bar->addWidget(copy);
    bar->addWidget(print);
    layout->addLayout(bar);

    m_model = new FixedTableModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("Fixed_Chart_Grid"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new FixedTableDelegate(balls, m_view));
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setWordWrap(true);
    m_view->setAlternatingRowColors(true);
    m_view->setStyleSheet(QStringLiteral("QTableView { alternate-background-color: rgb(238,255,255); "
                                         "background: rgb(255,255,224); gridline-color: rgb(200,210,225); }"
                                         "QHeaderView::section { background: rgb(232,240,249); "
                                         "color: rgb(73,102,198); font-weight: bold; padding: 2px; }"));
    m_view->verticalHeader()->hide();
    layout->addWidget(m_view, 1);

    auto* copyAction = new QAction(QStringLiteral("复制"), m_view);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_view->addAction(copyAction);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyAction, &QAction::triggered, this, &FixedChartView::copyToClipboard);
    connect(copy, &QPushButton::clicked, this, &FixedChartView::copyToClipboard);
    connect(print, &QPushButton::clicked, this, &FixedChartView::print);
}

bool FixedChartView::showChart(const QString& name) {
    auto table = core::buildFixedChart(name.toStdString());
    if (!table) return false;
    m_model->setTable(std::move(*table));
    m_title->setText(name);
    layOut();
    return true;
}

QString FixedChartView::chartName() const {
    return toQString(m_model->table().name);
}

void FixedChartView::layOut() {
    const core::FixedTable& table = m_model->table();
    const QFontMetrics metrics(m_view->font());
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int widest = metrics.horizontalAdvance(toQString(table.header[static_cast<std::size_t>(c)])) + 16;
        for (const auto& row : table.rows)
            widest =
                std::max(widest, metrics.horizontalAdvance(toQString(row[static_cast<std::size_t>(c)])) + 12);
        const bool ball = m_model->index(0, c).data(FixedTableModel::BallRole).toBool();
        m_view->setColumnWidth(c, ball ? std::max(widest, kBallSize + 16) : std::min(widest, kListWidth));
    }
    m_view->resizeRowsToContents();
}

void FixedChartView::copyToClipboard() {
    const core::FixedTable& table = m_model->table();
    QString text;
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        text = toQString(core::toTsv(table));
    } else {
        // The selected cells by row, in column order, each row one line.
        std::map<int, std::map<int, QString>> rows;
        for (const QModelIndex& index : selected)
            rows[index.row()][index.column()] = index.data().toString();
        for (const auto& [row, cells] : rows) {
            QStringList fields;
            for (const auto& [column, cell] : cells)
                fields << cell;
            text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    QApplication::clipboard()->setText(text);
}

std::unique_ptr<QTextDocument> FixedChartView::document() const {
    const core::FixedTable& table = m_model->table();
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>")
                       .arg(toQString(table.name).toHtmlEscaped());
    for (const auto& title : table.header)
        html += QStringLiteral("<th>%1</th>").arg(toQString(title).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const auto& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const auto& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(toQString(cell).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(html);
    doc->setMetaInformation(QTextDocument::DocumentTitle, toQString(table.name));
    return doc;
}

void FixedChartView::print() {
    if (m_model->rowCount() == 0) return;
    auto doc = document();
    m_prompter.printDocument(this, *doc);
}

} // namespace p3::gui
