// The main window's commands: lottery choice, data management, direct add, and the background update
// with its notice.
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "core/data/draw_editor.h"
#include "core/data/lottery_types.h"
#include "core/store/load_lottery.h"
#include "gui/app/main_window.h"
#include "gui/app/prompter.h"
#include "gui/data/data_manage_dialog.h"
#include "gui/data/draw_add_dialog.h"
#include "gui/data/lottery_select_dialog.h"
#include "gui/widgets/frozen_header_table.h"

namespace p3::gui {

std::optional<core::LotteryInfo> MainWindow::currentLotteryInfo() const {
    if (m_lottery.kind.empty()) return std::nullopt;
    core::LotteryInfo info;
    info.name = m_lottery.name;
    info.kind = m_lottery.kind;
    const auto id = core::parsePeriod(m_lottery.id);
    if (!id) return std::nullopt;
    info.id = *id;
    info.digitCount = m_lottery.digitCount;
    return info;
}

bool MainWindow::refuseEditsOfMissingLottery() {
    const auto info = currentLotteryInfo();
    if (info && m_db) {
        auto stored = m_db->findLottery(info->name);
        if (stored && *stored && (*stored)->id == info->id && (*stored)->kind == info->kind) return false;
    }
    // A lottery deleted while shown (or never found) takes no draws: they would lie under an id that a
    // later lottery may be given.
    m_prompter.information(
        this, QString::fromUtf8(core::lottery_messages::kNoneToLoad.data(),
                                static_cast<qsizetype>(core::lottery_messages::kNoneToLoad.size())));
    return true;
}

int MainWindow::periodColumnWidth() const {
    return m_grid->columnWidth(0);
}

int MainWindow::runDialog(QDialog& dialog) {
    return m_dialogRunner ? m_dialogRunner(dialog) : dialog.exec();
}

void MainWindow::bsSkinSpeedButton3Click() {
    if (m_shrinkOpener) m_shrinkOpener();
}

void MainWindow::bsSkinSpeedButton1Click() {
    if (!m_selectDialog) m_selectDialog = new LotterySelectDialog(*this);
    m_selectDialog->prepare();
    runDialog(*m_selectDialog);
    if (const auto& chosen = m_selectDialog->chosen()) {
        const core::LotteryInfo info = *chosen;
        m_selectDialog->prepare();
        if (LoadLottery(QString::fromStdString(info.name), info)) startBackgroundUpdate();
    }
}

void MainWindow::bsSkinSpeedButton2Click() {
    if (refuseEditsOfMissingLottery()) return;
    if (!m_dataDialog) m_dataDialog = new DataManageDialog(*this);
    m_dataDialog->prepare();
    runDialog(*m_dataDialog);
    if (!m_dataDialog->DataChanged()) return;
    m_draws = m_dataDialog->rows();
    const auto texts = core::lotteryStatusTexts(m_lottery.name, m_draws);
    setStatusText(1, QString::fromStdString(texts[1]));
    setStatusText(2, QString::fromStdString(texts[2]));
    BuildMainGrid();
}

void MainWindow::bsSkinSpeedButton4Click() {
    if (refuseEditsOfMissingLottery()) return;
    const auto info = currentLotteryInfo();
    if (!info || !m_db) return;
    core::DrawDatabase& db = *m_db;
    DrawAddDialog dialog(
        core::DrawEditMode::Add,
        [&db, info](const std::string& period, const std::string& digits) {
            return core::storeNewDraw(db, *info, period, digits);
        },
        m_prompter, this);
    dialog.setDirect(true);
    dialog.setEntry(m_draws.empty() ? QString()
                                    : QString::fromStdString(core::NextPeriodText(m_draws.back().period)));
    dialog.setOnSaved([this](const std::string& period, const std::string& digits) {
        m_draws.push_back(core::Draw{period, digits});
    });
    runDialog(dialog);
    if (dialog.savedCount() == 0) return;
    BuildMainGrid();
    const core::Draw& added = m_draws.back();
    setStatusText(1, QStringLiteral("第%1期 %2")
                         .arg(QString::fromStdString(added.period), QString::fromStdString(added.digits)));
    setStatusText(2, QStringLiteral("共: %1 期").arg(m_draws.size()));
}

// ---- Background update ----

void MainWindow::buildUpdateNotice() {
    m_notice = new QFrame(this);
    m_notice->setObjectName(QStringLiteral("ShiShi_update_hint"));
    m_notice->setFrameShape(QFrame::Box);
    m_notice->setStyleSheet(QStringLiteral(
        "#ShiShi_update_hint { background: rgb(255,255,224); border: 1px solid rgb(22,77,137); }"));
    auto* title = new QLabel(QStringLiteral("自动更新提示"), m_notice);
    title->setObjectName(QStringLiteral("Label_Title"));
    title->setStyleSheet(QStringLiteral("color: rgb(22,77,137); font-weight: bold;"));
    auto* text = new QLabel(QStringLiteral("最新数据已更新"), m_notice);
    text->setObjectName(QStringLiteral("Label_Text"));
    text->setAlignment(Qt::AlignCenter);
    auto* close = new QLabel(QStringLiteral("<a href=\"close\">关闭</a>"), m_notice);
    close->setObjectName(QStringLiteral("Label_Close"));
    close->setAlignment(Qt::AlignRight);
    connect(close, &QLabel::linkActivated, m_notice, &QWidget::hide);
    auto* layout = new QVBoxLayout(m_notice);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(close);
    m_notice->setFixedSize(200, 100);
    m_notice->hide();

    m_updateTimer = new QTimer(this);
    m_updateTimer->setObjectName(QStringLiteral("Shi_Shi_Updata_Data"));
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(200);
    connect(m_updateTimer, &QTimer::timeout, this, &MainWindow::Shi_Shi_Updata_DataTimer);
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setObjectName(QStringLiteral("ShiShi_update_hint_Time"));
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(6000);
    connect(m_noticeTimer, &QTimer::timeout, m_notice, &QWidget::hide);
}

void MainWindow::startBackgroundUpdate() {
    const auto info = currentLotteryInfo();
    const std::string base = m_settings ? m_settings->dataUrl() : std::string();
    if (!info || !m_db || base.empty() || m_closed) return;
    core::AutoUpdateRequest request;
    request.databaseFile = m_db->file();
    request.home = m_home;
    request.url = core::drawFileUrl(base, info->name);
    request.lottery = *info;
    request.latestPeriod = core::latestStoredPeriod(m_draws);
    const int id = m_nextUpdater++;
    // The result comes on the worker thread and is posted on to this window's thread.
    auto updater = std::make_unique<core::AutoUpdater>(
        std::move(request), [this, id](const core::AutoUpdateResult& result) {
            QMetaObject::invokeMethod(
                this, [this, id, result] { autoUpdateDone(id, result); }, Qt::QueuedConnection);
        });
    m_updaters.emplace_back(id, std::move(updater));
}

void MainWindow::waitForBackgroundUpdates() {
    for (auto& entry : m_updaters)
        entry.second->wait();
}

void MainWindow::autoUpdateDone(int updater, const core::AutoUpdateResult& result) {
    std::erase_if(m_updaters, [updater](const auto& entry) { return entry.first == updater; });
    if (result.added.empty() || m_closed) return;
    m_updateTimer->start();
}

void MainWindow::Shi_Shi_Updata_DataTimer() {
    m_updateTimer->stop();
    // An open dialog (data management, the lottery choice, a message) works on the draws as they were;
    // the reload waits until it is closed, so that closing it cannot overwrite the downloaded draws.
    if (QApplication::activeModalWidget()) {
        m_updateTimer->start();
        return;
    }
    m_notice->move((width() - m_notice->width()) / 2, (height() - m_notice->height()) / 2);
    m_notice->show();
    m_notice->raise();
    m_noticeTimer->start();
    LoadLottery(QString::fromStdString(m_lottery.name), currentLotteryInfo());
}

} // namespace p3::gui
