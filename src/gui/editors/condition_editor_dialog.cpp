#include "gui/editors/condition_editor_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/shrink/history_panel.h"
#include "gui/editors/condition_panel.h"
#include "gui/editors/value_picker_dialog.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/widgets/tolerance_range.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

// The one-series refusal has its own caption; every other refusal is a plain notice.
constexpr std::string_view kSeriesRefusalStart = "您的过滤条件区已经存在其它星轨参数";

} // namespace

ConditionEditorDialog::ConditionEditorDialog(core::EditorWindow which, Workbench& bench, QWidget* parent)
    : QDialog(parent), m_which(which), m_bench(bench) {
    const QString className = which == core::EditorWindow::Common ? QStringLiteral("TF_GuoL_FuZhu")
                              : which == core::EditorWindow::TenSubdivision
                                  ? QStringLiteral("TF_GuoL_FuZhu_2")
                                  : QStringLiteral("TF_GuoL_FuZhu_3");
    setObjectName(className);
    setWindowTitle(which == core::EditorWindow::Common ? QStringLiteral("过滤辅助窗体 常用参数") : className);

    m_stack = new QStackedWidget(this);
    PanelServices services;
    services.balls = &bench.balls();
    services.history = [&bench] {
        core::SeriesHistory h;
        h.draws = &bench.draws();
        h.table = &bench.trackTable();
        return h;
    };
    services.pick = [this](const core::PickerChoices& choices, const QString& text) {
        ValuePickerDialog& dialog = picker();
        dialog.SetupChoices(choices, text);
        return m_bench.runDialog(dialog) == QDialog::Accepted ? dialog.result() : QString();
    };
    services.inform = [this](const QString& text) { m_bench.prompter().information(this, text); };
    for (const auto& spec : core::conditionCatalogue()) {
        if (spec.editor != which) continue;
        auto* panel = new ConditionPanel(spec, services, m_stack);
        connect(panel, &ConditionPanel::countsChanged, this, &ConditionEditorDialog::UpdateConditionCount);
        auto* scroll = new QScrollArea(m_stack);
        scroll->setWidget(panel);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        m_stack->addWidget(scroll);
        m_panels[spec.kind] = panel;
        m_pages[spec.kind] = scroll;
    }

    m_level = new ToleranceRange(QStringLiteral("本级容错："),
                                 {QStringLiteral("Err_Check_Box"), QStringLiteral("JJi_ECuo_BegValue"),
                                  QStringLiteral("JJi_ECuo_EndValue")},
                                 ToleranceRange::FollowsBox | ToleranceRange::BoldWhenOn, this);
    connect(m_level, &ToleranceRange::toggled, this, [this] { UpdateConditionCount(); });
    m_add = new QPushButton(QStringLiteral("加入列表"), this);
    m_add->setObjectName(QStringLiteral("Btn_Add_Tj"));
    m_add->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("取消"), this);
    close->setObjectName(QStringLiteral("Btn_Close"));
    close->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &ConditionEditorDialog::Btn_Add_TjClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_level);
    bottom->addStretch();
    bottom->addWidget(m_add);
    bottom->addWidget(close);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("Sta_R"));
    status->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < 2; ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setObjectName(QStringLiteral("StatusBar1_%1").arg(i));
        m_status[i]->setMinimumWidth(120);
        status->addWidget(m_status[i]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack, 1);
    layout->addLayout(bottom);
    layout->addWidget(status);
    resize(860, 560);
}

void ConditionEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, as the editors always open.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

ValuePickerDialog& ConditionEditorDialog::picker() {
    if (!m_picker) m_picker = new ValuePickerDialog(m_bench.prompter(), this);
    return *m_picker;
}

ConditionPanel* ConditionEditorDialog::panel(core::ConditionKind kind) const {
    const auto found = m_panels.find(kind);
    return found == m_panels.end() ? nullptr : found->second;
}

ConditionPanel* ConditionEditorDialog::currentPanel() const {
    return panel(m_kind);
}

QString ConditionEditorDialog::statusText(int index) const {
    return m_status[static_cast<std::size_t>(index)]->text();
}

void ConditionEditorDialog::setLevelVisible(bool visible) {
    m_level->setPartsVisible(visible);
}

void ConditionEditorDialog::SelectKind(core::ConditionKind kind) {
    ConditionPanel* p = panel(kind);
    if (!p) return;
    m_kind = kind;
    m_stack->setCurrentWidget(m_pages.at(kind));
    setLevelVisible(p->spec().levelTolerance);
    p->runSeriesPreset();
    // The window takes the size of the kind's panel, within the screen.
    const QSize hint = p->sizeHint();
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::clamp(hint.width() + 40, 560, screenArea.width() - 40),
           std::clamp(hint.height() + 110, 200, screenArea.height() - 60));
    UpdateConditionCount();
}

void ConditionEditorDialog::UpdateConditionCount() {
    ConditionPanel* p = currentPanel();
    if (!p) return;
    const auto count = core::UpdateConditionCount(p->state());
    m_status[0]->setText(QStringLiteral("条件: %1条").arg(count.conditions));
    m_status[1]->setText(QStringLiteral("容错: %1个").arg(count.tolerant));
}

std::optional<core::ConditionLine> ConditionEditorDialog::addLine(core::ConditionKind kind,
                                                                  const core::ConditionList& list) {
    const core::KindSpec* spec = core::kindSpec(kind);
    if (!spec || !panel(kind)) return std::nullopt;
    setWindowTitle(toQString(spec->keyword));
    SelectKind(kind);
    m_add->setText(QStringLiteral("加入列表"));
    m_list = &list;
    m_modifyRow = -1;
    m_result.reset();
    m_bench.runDialog(*this);
    m_list = nullptr;
    return std::exchange(m_result, std::nullopt);
}

std::optional<core::ConditionLine> ConditionEditorDialog::modifyLine(int row,
                                                                     const core::ConditionList& list) {
    if (row < 0 || row >= static_cast<int>(list.size())) return std::nullopt;
    const core::ConditionLine& line = list[static_cast<std::size_t>(row)];
    const core::ConditionKind kind = core::KindOfKeyword(line.keyword);
    ConditionPanel* p = panel(kind);
    if (!p) return std::nullopt;
    setWindowTitle(toQString(line.keyword));
    SelectKind(kind);
    core::SeriesHistory history;
    history.draws = &m_bench.draws();
    history.table = &m_bench.trackTable();
    const core::PanelState state = core::LoadPanelState(line, history);
    p->setState(state);
    if (p->spec().levelTolerance) {
        m_level->setOn(state.levelTolerance);
        if (state.levelTolerance) m_level->setRange(state.levelBegin, state.levelEnd);
    }
    UpdateConditionCount();
    m_add->setText(QStringLiteral("保存修改"));
    m_list = &list;
    m_modifyRow = row;
    m_result.reset();
    m_bench.runDialog(*this);
    m_list = nullptr;
    return std::exchange(m_result, std::nullopt);
}

void ConditionEditorDialog::Btn_Add_TjClick() {
    ConditionPanel* p = currentPanel();
    if (!p || !m_list) return;
    core::PanelState state = p->state();
    state.levelTolerance = p->spec().levelTolerance && m_level->isOn();
    state.levelBegin = m_level->begin();
    state.levelEnd = m_level->end();
    auto line = core::BuildConditionLine(state, *m_list, m_modifyRow);
    if (!line) {
        const std::string& message = line.error().message;
        m_bench.prompter().information(this, toQString(message),
                                       message.starts_with(kSeriesRefusalStart)
                                           ? QStringLiteral("条件区不允许有不同的星轨参数")
                                           : kPromptCaption);
        return;
    }
    m_result = std::move(*line);
    accept();
}

} // namespace p3::gui
