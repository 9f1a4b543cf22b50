// The main window's commands: lottery choice, data management, direct add, the calculator, and the
// background update with its notice.
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "core/data/draw_editor.h"
#include "core/data/lottery_types.h"
#include "core/io/program_lookup.h"
#include "core/store/load_lottery.h"
#include "gui/app/main_window.h"
#include "gui/data/data_manage_dialog.h"
#include "gui/data/draw_add_dialog.h"
#include "gui/data/lottery_select_dialog.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"

namespace p3::gui {

void MainWindow::bsSkinSpeedButton3Click() {
    m_bench.openShrinkWorkspace();
}

void MainWindow::bsSkinSpeedButton1Click() {
    if (!m_selectDialog) m_selectDialog = new LotterySelectDialog(m_bench);
    m_selectDialog->prepare();
    m_bench.runDialog(*m_selectDialog);
    if (const auto& chosen = m_selectDialog->chosen()) {
        const core::LotteryInfo info = *chosen;
        m_selectDialog->prepare();
        if (LoadLottery(QString::fromStdString(info.name), info)) startBackgroundUpdate();
    }
}

void MainWindow::bsSkinSpeedButton2Click() {
    if (m_bench.refuseEditsOfMissingLottery()) return;
    if (!m_dataDialog) m_dataDialog = new DataManageDialog(m_bench);
    m_dataDialog->prepare();
    m_bench.runDialog(*m_dataDialog);
    if (m_dataDialog->DataChanged()) m_bench.setDraws(m_dataDialog->rows());
}

void MainWindow::bsSkinSpeedButton4Click() {
    if (m_bench.refuseEditsOfMissingLottery()) return;
    const auto info = m_bench.currentLotteryInfo();
    if (!info || !m_bench.database()) return;
    core::DrawDatabase& db = *m_bench.database();
    core::DrawList draws = m_bench.draws();
    DrawAddDialog dialog(
        core::DrawEditMode::Add,
        [&db, info](const std::string& period, const std::string& digits) {
            return core::storeNewDraw(db, *info, period, digits);
        },
        m_prompter, this);
    dialog.setDirect(true);
    dialog.setEntry(draws.empty() ? QString()
                                  : QString::fromStdString(core::NextPeriodText(draws.back().period)));
    dialog.setOnSaved([&draws](const std::string& period, const std::string& digits) {
        draws.push_back(core::Draw{period, digits});
    });
    m_bench.runDialog(dialog);
    if (dialog.savedCount() > 0) m_bench.setDraws(std::move(draws));
}

bool MainWindow::startCalculator() {
    const char* path = std::getenv("PATH");
    if (const auto calculator = core::findCalculator(path ? path : ""))
        return m_bench.startProgram(QString::fromStdString(calculator->string()), {});
    QStringList names;
    for (auto name : core::kCalculatorPrograms)
        names << toQString(name);
    m_prompter.information(
        this, QStringLiteral("没有找到计算器程序（已查找 %1）").arg(names.join(QStringLiteral("、"))));
    return false;
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
    // How many draws came and which: "3 期新数据: 2026247–2026249".
    m_noticeCount = new QLabel(m_notice);
    m_noticeCount->setObjectName(QStringLiteral("Label_Count"));
    m_noticeCount->setAlignment(Qt::AlignCenter);
    auto* close = new QLabel(QStringLiteral("<a href=\"close\">关闭</a>"), m_notice);
    close->setObjectName(QStringLiteral("Label_Close"));
    close->setAlignment(Qt::AlignRight);
    connect(close, &QLabel::linkActivated, m_notice, &QWidget::hide);
    auto* layout = new QVBoxLayout(m_notice);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(m_noticeCount);
    layout->addWidget(close);
    m_notice->setFixedSize(240, 120);
    m_notice->hide();

    // While a background update runs, the status bar shows how far it has come and offers a cancel.
    m_updateGauge = new QProgressBar(statusBar());
    m_updateGauge->setObjectName(QStringLiteral("Update_Gauge"));
    m_updateGauge->setRange(0, 0);
    m_updateGauge->setMaximumWidth(180);
    m_updateGauge->setTextVisible(true);
    m_updateGauge->hide();
    m_updateCancel = new QToolButton(statusBar());
    m_updateCancel->setObjectName(QStringLiteral("Cancel_Update"));
    m_updateCancel->setText(QStringLiteral("取消更新"));
    m_updateCancel->hide();
    connect(m_updateCancel, &QToolButton::clicked, this, [this] {
        for (auto& entry : m_updaters)
            entry.second->cancel();
    });
    // A busy gauge shows no text of its own: the progress is said beside it.
    auto* progressText = new QLabel(statusBar());
    progressText->setObjectName(QStringLiteral("Update_Text"));
    progressText->hide();
    statusBar()->addPermanentWidget(progressText);
    statusBar()->addPermanentWidget(m_updateGauge);
    statusBar()->addPermanentWidget(m_updateCancel);

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
    const auto info = m_bench.currentLotteryInfo();
    if (!info || !m_bench.database() || !m_bench.settings() || m_closed) return;
    // A lottery whose source has no address set is simply not updated: the automatic update is quiet.
    auto source = core::sourceFor(*m_bench.database(), *m_bench.settings(), *info);
    if (!source) return;
    core::UpdateRequest request;
    request.databaseFile = m_bench.database()->file();
    request.home = m_home;
    request.source = *source;
    request.lottery = *info;
    request.attempts = 3;
    core::applySettings(request, *m_bench.settings());
    const int id = m_nextUpdater++;
    // Progress and the result come on the worker thread and are posted on to this window's thread.
    request.progress = [this, id](const core::UpdateProgress& progress) {
        QMetaObject::invokeMethod(
            this, [this, id, progress] { autoUpdateProgress(id, progress); }, Qt::QueuedConnection);
    };
    auto updater = std::make_unique<core::AutoUpdater>(
        std::move(request), [this, id](const core::Result<core::UpdateReport>& result) {
            QMetaObject::invokeMethod(
                this, [this, id, result] { autoUpdateDone(id, result); }, Qt::QueuedConnection);
        });
    m_updaters.emplace_back(id, std::move(updater));
    showUpdateProgress(QStringLiteral("正在更新数据..."));
}

void MainWindow::showUpdateProgress(const QString& text) {
    const bool running = !m_updaters.empty();
    m_updateGauge->setFormat(text);
    m_updateGauge->setVisible(running);
    if (auto* progressText = statusBar()->findChild<QLabel*>(QStringLiteral("Update_Text"))) {
        progressText->setText(text);
        progressText->setVisible(running);
    }
    m_updateCancel->setVisible(running);
}

void MainWindow::waitForBackgroundUpdates() {
    for (auto& entry : m_updaters)
        entry.second->wait();
}

void MainWindow::autoUpdateProgress(int, const core::UpdateProgress& progress) {
    showUpdateProgress(QStringLiteral("正在更新: 第%1页, %2 期").arg(progress.page).arg(progress.draws));
}

void MainWindow::autoUpdateDone(int updater, const core::Result<core::UpdateReport>& result) {
    std::erase_if(m_updaters, [updater](const auto& entry) { return entry.first == updater; });
    showUpdateProgress(QString());
    if (m_closed) return;
    // Failures are quiet: the status bar keeps the reason as a tool tip for the curious.
    statusBar()->setToolTip(result ? QString() : QString::fromStdString(result.error().message));
    if (!result || result->added.empty()) return;
    m_noticeCount->setText(QString::fromStdString(core::newDrawsText(result->added)));
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
    m_bench.loadLottery(m_bench.currentLottery().name, m_bench.currentLotteryInfo());
}

} // namespace p3::gui
