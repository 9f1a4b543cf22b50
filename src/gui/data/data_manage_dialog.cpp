#include "gui/data/data_manage_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/draw_import.h"
#include "core/net/online_update.h"
#include "gui/data/draw_add_dialog.h"
#include "gui/data/draw_rows_model.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

const QString kTextFilter = QStringLiteral("*.txt (*.txt)");

} // namespace

DataManageDialog::DataManageDialog(Workbench& bench) : QDialog(bench.window()), m_bench(bench) {
    setObjectName(QStringLiteral("TF_DataGL"));
    setWindowTitle(QStringLiteral("数据管理"));
    m_model = new DrawRowsModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("View_SG"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 80);
    connect(m_grid, &QTableView::doubleClicked, this, &DataManageDialog::bsSkinSpeedButton1Click);

    const Command<DataManageDialog> commands[] = {
        {"SpeedButton1", "新增", &DataManageDialog::SpeedButton1Click},
        {"Edit_Data_Sou", "插入一期", &DataManageDialog::Edit_Data_SouClick},
        {"bsSkinSpeedButton1", "修改", &DataManageDialog::bsSkinSpeedButton1Click},
        {"SpeedButton2", "删除", &DataManageDialog::SpeedButton2Click},
        {"bsSkinSpeedButton2", "清空", &DataManageDialog::bsSkinSpeedButton2Click},
        {"Save_File", "导出", &DataManageDialog::Save_FileClick},
        {"Open_File", "导入", &DataManageDialog::Open_FileClick},
        {"Update_Data", "网上更新", &DataManageDialog::Update_DataClick},
    };
    auto* buttons = new QVBoxLayout;
    for (const auto& command : commands) {
        QPushButton* button = makeCommandButton(this, this, command);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        m_commands.push_back(button);
    }
    buttons->addStretch();
    QPushButton* close = makeButton(this, QStringLiteral("关闭"), "SpeedButton3");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("Label_Count"));
    m_wait = new QLabel(QStringLiteral("请稍等......"), this);
    m_wait->setObjectName(QStringLiteral("Label_Wait"));
    m_wait->hide();
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    m_gauge->hide();
    // "网上更新" runs on a worker; this cancels it (closing the window does too).
    m_cancelUpdate = new QPushButton(QStringLiteral("取消"), this);
    m_cancelUpdate->setObjectName(QStringLiteral("Cancel_Update"));
    m_cancelUpdate->setAutoDefault(false);
    m_cancelUpdate->hide();
    connect(m_cancelUpdate, &QPushButton::clicked, this, [this] {
        if (m_update) m_update->cancel();
    });
    auto* status = new QHBoxLayout;
    status->addWidget(m_count);
    status->addWidget(m_wait);
    status->addWidget(m_gauge, 1);
    status->addWidget(m_cancelUpdate);

    auto* top = new QHBoxLayout;
    top->addWidget(m_grid, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(status);
    resize(340, 480);
}

DataManageDialog::~DataManageDialog() {
    stopUpdate();
}

void DataManageDialog::done(int result) {
    // Closing during a download abandons it; what it already stored is still taken over.
    stopUpdate();
    QDialog::done(result);
}

void DataManageDialog::stopUpdate() {
    if (!m_update) return;
    m_update->cancel();
    m_update->wait();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    m_update.reset();
}

bool DataManageDialog::updateRunning() const {
    return m_update != nullptr;
}

void DataManageDialog::setUpdating(bool updating) {
    for (QPushButton* button : m_commands)
        button->setEnabled(!updating);
    m_wait->setText(QStringLiteral("请稍等......"));
    m_wait->setVisible(updating);
    m_gauge->setRange(0, 0);
    m_gauge->setVisible(updating);
    m_cancelUpdate->setVisible(updating);
}

void DataManageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Scrolling before the first showing has no effect; the selected (last) row comes into view here.
    if (m_grid->currentIndex().isValid()) m_grid->scrollTo(m_grid->currentIndex());
}

const core::DrawList& DataManageDialog::rows() const {
    return m_editor ? m_editor->rows() : m_empty;
}

QString DataManageDialog::countText() const {
    return m_count->text();
}

void DataManageDialog::prepare() {
    m_model->setRows(nullptr);
    m_editor.reset();
    if (auto info = m_bench.currentLotteryInfo(); info && m_bench.database())
        m_editor = std::make_unique<core::DrawEditor>(*m_bench.database(), *info, m_bench.draws());
    m_model->setRows(m_editor ? &m_editor->rows() : &m_empty);
    // As wide as the main grid's period column, and never so narrow that a period is cut off.
    const int needed = m_grid->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12;
    m_grid->setColumnWidth(0, std::max(kPeriodColumnWidth, needed));
    refresh(static_cast<int>(rows().size()) - 1);
}

void DataManageDialog::refresh(int selectRow) {
    m_model->refresh();
    m_count->setText(QString::fromStdString(m_editor ? m_editor->countText() : std::string("共: 0 期")));
    selectGridRow(selectRow);
}

void DataManageDialog::selectGridRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->scrollTo(m_model->index(row, 0));
}

std::optional<std::size_t> DataManageDialog::selectedDraw() const {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || !m_grid->selectionModel()->isSelected(current)) return std::nullopt;
    const int draw = m_model->drawIndexOf(current.row());
    if (draw < 0) return std::nullopt;
    return static_cast<std::size_t>(draw);
}

void DataManageDialog::showMessage(const std::string& text) {
    m_bench.prompter().information(this, QString::fromStdString(text));
}

void DataManageDialog::SpeedButton1Click() {
    if (!m_editor) return;
    core::DrawEditor& editor = *m_editor;
    DrawAddDialog dialog(
        core::DrawEditMode::Add,
        [&editor](const std::string& p, const std::string& d) { return editor.add(p, d); },
        m_bench.prompter(), this);
    dialog.setEntry(QString::fromStdString(editor.proposedAddPeriod()));
    dialog.setOnSaved(
        [this](const std::string&, const std::string&) { refresh(static_cast<int>(rows().size()) - 1); });
    m_bench.runDialog(dialog);
}

void DataManageDialog::Edit_Data_SouClick() {
    const auto draw = selectedDraw();
    if (!m_editor || !draw) return;
    core::DrawEditor& editor = *m_editor;
    const std::size_t at = *draw;
    // The empty row shows where the draw goes while the editor is open.
    m_model->setPendingRow(static_cast<int>(at));
    selectGridRow(static_cast<int>(at));
    DrawAddDialog dialog(
        core::DrawEditMode::Insert,
        [&editor, at](const std::string& p, const std::string& d) { return editor.insertBefore(at, p, d); },
        m_bench.prompter(), this);
    dialog.setEntry(QString::fromStdString(editor.proposedInsertPeriod(at)));
    m_bench.runDialog(dialog);
    m_model->setPendingRow(-1);
    refresh(static_cast<int>(at));
}

void DataManageDialog::bsSkinSpeedButton1Click() {
    const auto draw = selectedDraw();
    if (!m_editor || !draw) return;
    core::DrawEditor& editor = *m_editor;
    const std::size_t at = *draw;
    DrawAddDialog dialog(
        core::DrawEditMode::Modify,
        [&editor, at](const std::string&, const std::string& d) { return editor.modify(at, d); },
        m_bench.prompter(), this);
    const core::Draw& shown = editor.rows()[at];
    dialog.setEntry(QString::fromStdString(shown.period), QString::fromStdString(shown.digits));
    m_bench.runDialog(dialog);
    refresh(static_cast<int>(at));
}

void DataManageDialog::SpeedButton2Click() {
    const auto draw = selectedDraw();
    if (!m_editor || !draw) return;
    if (auto removed = m_editor->remove(*draw); !removed) {
        showMessage(removed.error().message);
        return;
    }
    refresh(std::min(static_cast<int>(*draw), static_cast<int>(rows().size()) - 1));
}

void DataManageDialog::bsSkinSpeedButton2Click() {
    if (!m_editor || rows().empty()) return;
    if (auto cleared = m_editor->clear(); !cleared) showMessage(cleared.error().message);
    refresh(0);
}

void DataManageDialog::Save_FileClick() {
    const QString chosen = m_bench.prompter().saveFileName(this, QStringLiteral("导出"), kTextFilter);
    if (chosen.isEmpty()) return;
    if (auto written = core::exportDraws(rows(), chosen.toStdString()); !written)
        showMessage(written.error().message);
}

void DataManageDialog::Open_FileClick() {
    if (!m_editor) return;
    const QString chosen = m_bench.prompter().openFileName(this, QStringLiteral("导入"), kTextFilter);
    if (chosen.isEmpty()) return;
    if (!m_bench.prompter().confirm(this, QStringLiteral("本次导入将覆盖当前数据 确定吗?"))) return;
    // The file is checked whole before anything is written, then written in one transaction; the gauge
    // follows both. It is repainted at once: processing events inside the transaction could start other
    // work on the database.
    m_wait->show();
    m_gauge->show();
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const core::Progress progress = [this](int percent) {
        m_gauge->setValue(percent);
        m_gauge->repaint();
    };
    auto imported = core::ImportDraws(*m_bench.database(), m_editor->lottery(), rows(), chosen.toStdString(),
                                      core::ImportMode::Replace, progress);
    m_wait->hide();
    m_gauge->hide();
    if (!imported) {
        showMessage(imported.error().message);
        return;
    }
    m_editor->setRows(std::move(imported->rows), true);
    refresh(static_cast<int>(rows().size()) - 1);
}

void DataManageDialog::Update_DataClick() {
    if (!m_editor || m_update || !m_bench.database() || !m_bench.settings()) return;
    const core::LotteryInfo lottery = m_editor->lottery();
    auto source = core::sourceFor(*m_bench.database(), *m_bench.settings(), lottery);
    if (!source) {
        showMessage(source.error().message);
        return;
    }
    core::UpdateRequest request;
    request.databaseFile = m_bench.database()->file();
    request.home = m_bench.home();
    request.source = *source;
    request.lottery = lottery;
    core::applySettings(request, *m_bench.settings());
    // The download runs on a worker so that this window (and its 关闭) answers all the while.
    request.progress = [this](const core::UpdateProgress& progress) {
        QMetaObject::invokeMethod(
            this,
            [this, progress] {
                // A busy gauge shows no text of its own: the label beside it says how far the download is.
                m_wait->setText(
                    QStringLiteral("正在下载: 第%1页, %2 期").arg(progress.page).arg(progress.draws));
            },
            Qt::QueuedConnection);
    };
    m_update = std::make_unique<core::AutoUpdater>(
        std::move(request), [this](const core::Result<core::UpdateReport>& result) {
            QMetaObject::invokeMethod(
                this, [this, result] { updateFinished(result); }, Qt::QueuedConnection);
        });
    setUpdating(true);
}

void DataManageDialog::updateFinished(const core::Result<core::UpdateReport>& result) {
    const bool cancelled = m_update && m_update->cancelled();
    if (m_update) {
        m_update->wait();
        m_update.reset();
    }
    setUpdating(false);
    if (!result) {
        if (!cancelled) showMessage(result.error().message);
        return;
    }
    // The worker stored through a connection of its own; the grid shows the history as stored now.
    if (!result->added.empty() && m_editor) {
        const core::LotteryInfo lottery = m_editor->lottery();
        if (auto rows = m_bench.database()->loadDraws(lottery.kind, lottery.id)) {
            m_editor->setRows(std::move(*rows), true);
            refresh(static_cast<int>(this->rows().size()) - 1);
        }
    }
    if (!cancelled)
        showMessage(std::string(core::update_messages::kUpdated) + "\n" + core::newDrawsText(result->added));
}

} // namespace p3::gui
