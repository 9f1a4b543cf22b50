#include "gui/charts/quick_locate_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "core/stats/quick_locate.h"

namespace p3::gui {

QuickLocateDialog::QuickLocateDialog(QTableView& table, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_table(table) {
    setObjectName(QStringLiteral("TF_LeiXinDWei"));
    setWindowTitle(QStringLiteral("快速定位"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Lei_Xin"));
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Lei_XinClick(m_list->row(item)); });
    resize(170, 420);
}

void QuickLocateDialog::fill(const QStringList& names, std::vector<std::size_t> valueRows) {
    m_list->clear();
    m_list->addItems(names);
    m_valueRows = std::move(valueRows);
}

void QuickLocateDialog::showBeside() {
    // Above every window while it is up, so that it stays in reach beside a full statistics table.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    raise();
    // Placed once shown, when the frame the window system gives it is known.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 900);
    // move() places the frame of a window.
    const QRect frame = frameGeometry();
    move(area.right() + 1 - frame.width(), area.top() + (area.height() - frame.height()) / 2);
}

void QuickLocateDialog::closeEvent(QCloseEvent* event) {
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    QDialog::closeEvent(event);
}

void QuickLocateDialog::Lei_XinClick(int line) {
    if (line < 0) return;
    const int row = core::quickLocateRow(m_valueRows, static_cast<std::size_t>(line));
    if (row < 0 || row >= m_table.model()->rowCount()) return;
    // The block's title becomes the top row (as far as the table can scroll) and is marked.
    const QModelIndex title = m_table.model()->index(row, 0);
    m_table.scrollTo(title, QAbstractItemView::PositionAtTop);
    m_table.setCurrentIndex(title);
}

} // namespace p3::gui
