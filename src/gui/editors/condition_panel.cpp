#include "gui/editors/condition_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "gui/editors/row_list_editor.h"
#include "gui/widgets/ball_grid.h"
#include "gui/widgets/text.h"

namespace p3::gui {
namespace {

void setBold(QAbstractButton* box, bool bold) {
    QFont font = box->font();
    font.setBold(bold);
    box->setFont(font);
}

/// A chosen radio button or box reads bold, as the ticked boxes do.
void boldWhenChecked(QAbstractButton* button) {
    setBold(button, button->isChecked());
    QObject::connect(button, &QAbstractButton::toggled, button, [button](bool on) { setBold(button, on); });
}

/// A press on the values of a record that is not in use yet puts it in use (its values are disabled until
/// then; the tooltip says so), so that a click on a ball or box is never simply swallowed.
class RecordWaker final : public QObject {
public:
    RecordWaker(QWidget* frame, QWidget* controls, QCheckBox* main)
        : QObject(frame), m_frame(frame), m_controls(controls), m_main(main) {
        frame->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || m_controls->isEnabled()) return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!m_controls->geometry().contains(at)) return false;
        m_main->setChecked(true);
        return true;
    }

private:
    QWidget* m_frame;
    QWidget* m_controls;
    QCheckBox* m_main;
};

bool hasWord(const std::string& words, const std::string& word) {
    for (const auto& w : core::splitPieces(words, ' '))
        if (w == word) return true;
    return false;
}

/// Opens the picker when the edit is clicked, so that the edit is never typed into.
class PickerOpener final : public QObject {
public:
    PickerOpener(QLineEdit* edit, std::function<void()> open) : QObject(edit), m_open(std::move(open)) {
        edit->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        const bool tabbedIn = event->type() == QEvent::FocusIn &&
                              (static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason ||
                               static_cast<QFocusEvent*>(event)->reason() == Qt::BacktabFocusReason);
        if ((event->type() == QEvent::MouseButtonPress || tabbedIn) && m_open) {
            m_open();
            return event->type() == QEvent::MouseButtonPress;
        }
        return false;
    }

private:
    std::function<void()> m_open;
};

// The indices of the 组选类型 boxes in the catalogue's option list.
enum GroupTypeBox { Triple, Pair, Connected, Unconnected, Six, Straight, Half, Mixed };

} // namespace

struct ConditionPanel::Record {
    const core::RecordSpec* spec = nullptr;
    QCheckBox* main = nullptr;
    QWidget* controls = nullptr;
    std::vector<QCheckBox*> options;
    QRadioButton* first = nullptr;
    QRadioButton* second = nullptr;
    BallGrid* grid = nullptr;
    QLineEdit* edit = nullptr;
    std::vector<QCheckBox*> counts;
    QRadioButton* once = nullptr;
    QComboBox* periods = nullptr;
    QRadioButton* keep = nullptr;
    QRadioButton* exclude = nullptr;
    QCheckBox* tolerant = nullptr;
};

ConditionPanel::~ConditionPanel() = default;

ConditionPanel::ConditionPanel(const core::KindSpec& spec, PanelServices services, QWidget* parent)
    : QWidget(parent), m_spec(spec), m_services(std::move(services)) {
    setObjectName(toQString(spec.panel));
    auto* layout = new QVBoxLayout(this);
    if (!spec.hint.empty()) {
        auto* hint = new QLabel(toQString(spec.hint), this);
        hint->setObjectName(toQString(spec.panel + "_hint"));
        hint->setStyleSheet(QStringLiteral("color: rgb(0,0,160);"));
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    // 已出号码 shows its series selector inside its record; the reference kinds show it above, with the
    // code lists beside it.
    if (!spec.seriesSelector.empty() && !spec.drawnWindow) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("星轨参数："), this));
        m_series = new QComboBox(this);
        m_series->setObjectName(toQString(spec.seriesSelector));
        for (int k = 0; k <= core::kMaxSelectableSeries; ++k)
            m_series->addItem(toQString(core::seriesText(k)));
        row->addWidget(m_series);
        for (std::size_t i = 0; i < 3; ++i) {
            m_setLabels[i] = new QLabel(this);
            m_setLabels[i]->setObjectName(toQString(spec.panel + "_set" + std::to_string(i + 1)));
            m_setLabels[i]->setMinimumWidth(110);
            row->addWidget(m_setLabels[i]);
        }
        row->addStretch();
        layout->addLayout(row);
        connect(m_series, &QComboBox::currentIndexChanged, this, [this] { runSeriesPreset(); });
        showSets();
    }
    if (core::isRowListKind(spec.kind)) {
        m_rows = new RowListEditor(spec, m_services.balls, m_services.inform, this);
        connect(m_rows, &RowListEditor::rowsChanged, this, &ConditionPanel::countsChanged);
        layout->addWidget(m_rows);
    } else {
        for (std::size_t i = 0; i < spec.records.size(); ++i)
            buildRecord(static_cast<int>(i));
    }
    layout->addStretch();
}

void ConditionPanel::buildRecord(int index) {
    auto record = std::make_unique<Record>();
    Record& r = *record;
    r.spec = &m_spec.records[static_cast<std::size_t>(index)];
    const QString base =
        toQString(m_spec.panel) + QStringLiteral("_%1").arg(index + 1, 2, 10, QLatin1Char('0'));

    auto* frame = new QWidget(this);
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 2, 0, 2);
    r.main = new QCheckBox(toQString(r.spec->caption), frame);
    r.main->setObjectName(r.spec->boxName.empty() ? base : toQString(r.spec->boxName));
    r.main->setMinimumWidth(110);
    row->addWidget(r.main, 0, Qt::AlignTop);

    r.controls = new QWidget(frame);
    auto* controls = new QHBoxLayout(r.controls);
    controls->setContentsMargins(0, 0, 0, 0);
    QWidget* input = buildInput(r, r.controls);
    input->setObjectName(base + QStringLiteral("_in"));
    controls->addWidget(input, 1);
    auto* flags = new QVBoxLayout;
    auto* keepGroup = new QButtonGroup(r.controls);
    r.keep = new QRadioButton(QStringLiteral("保留"), r.controls);
    r.keep->setObjectName(base + QStringLiteral("_keep"));
    r.exclude = new QRadioButton(QStringLiteral("排除"), r.controls);
    r.exclude->setObjectName(base + QStringLiteral("_exclude"));
    keepGroup->addButton(r.keep);
    keepGroup->addButton(r.exclude);
    (r.spec->excludeByDefault ? r.exclude : r.keep)->setChecked(true);
    boldWhenChecked(r.keep);
    boldWhenChecked(r.exclude);
    r.tolerant = new QCheckBox(QStringLiteral("容错"), r.controls);
    r.tolerant->setObjectName(base + QStringLiteral("_err"));
    auto* flagRow = new QHBoxLayout;
    flagRow->addWidget(r.keep);
    flagRow->addWidget(r.exclude);
    flagRow->addWidget(r.tolerant);
    flags->addLayout(flagRow);
    flags->addStretch();
    controls->addLayout(flags);
    row->addWidget(r.controls, 1);

    connect(r.main, &QCheckBox::toggled, this, [this, &r] {
        enableRecord(r);
        emit countsChanged();
    });
    connect(r.tolerant, &QCheckBox::toggled, this, [this, &r](bool on) {
        setBold(r.tolerant, on);
        emit countsChanged();
    });
    // 群号 and 连号 have their one main box ticked from the start.
    r.main->setChecked(m_spec.fixedRecord);
    new RecordWaker(frame, r.controls, r.main);
    enableRecord(r);
    layout()->addWidget(frame);
    m_records.push_back(std::move(record));
}

QWidget* ConditionPanel::buildInput(Record& r, QWidget* parent) {
    auto* box = new QWidget(parent);
    const core::RecordSpec& spec = *r.spec;
    const QString base =
        toQString(m_spec.panel) +
        QStringLiteral("_%1").arg(static_cast<int>(m_records.size()) + 1, 2, 10, QLatin1Char('0'));
    const auto addOptions = [&](QGridLayout* grid, const std::vector<std::string>& captions, int perRow) {
        for (std::size_t i = 0; i < captions.size(); ++i) {
            auto* option = new QCheckBox(toQString(captions[i]), box);
            option->setObjectName(base + QStringLiteral("_o%1").arg(i + 1));
            option->setChecked(hasWord(spec.defaultOptions, core::OptionToken(captions[i])) ||
                               hasWord(spec.defaultOptions, captions[i]));
            setBold(option, option->isChecked());
            connect(option, &QCheckBox::toggled, option, [option](bool on) { setBold(option, on); });
            grid->addWidget(option, static_cast<int>(i) / perRow, static_cast<int>(i) % perRow);
            r.options.push_back(option);
        }
    };
    switch (spec.input) {
    case core::RecordInput::Options:
    case core::RecordInput::GroupType: {
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(0, 0, 0, 0);
        const int perRow =
            spec.options.size() > 10 ? 9 : std::max<int>(1, static_cast<int>(spec.options.size()));
        const int columns = spec.input == core::RecordInput::GroupType ? 4 : perRow;
        addOptions(grid, spec.options, columns);
        if (spec.input == core::RecordInput::GroupType) {
            // One row per group type, its sub-options beside it: 豹子号 / 组三 带连号 不带连号 /
            // 组六 顺子 半顺 杂六, so that 组六 reads as a type of its own and not as an option of 组三.
            const std::array<std::pair<int, int>, 8> cells{
                {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {2, 3}}};
            for (std::size_t i = 0; i < r.options.size() && i < cells.size(); ++i) {
                grid->removeWidget(r.options[i]);
                grid->addWidget(r.options[i], cells[i].first, cells[i].second);
            }
        }
        // Few options stay together on the left instead of spreading over the row.
        grid->setColumnStretch(columns, 1);
        if (spec.input == core::RecordInput::GroupType) {
            const auto follow = [&r](int head, std::initializer_list<int> subs) {
                for (int sub : subs) {
                    r.options[static_cast<std::size_t>(sub)]->setEnabled(false);
                    connect(r.options[static_cast<std::size_t>(head)], &QCheckBox::toggled,
                            r.options[static_cast<std::size_t>(sub)], &QWidget::setEnabled);
                }
            };
            follow(Pair, {Connected, Unconnected});
            follow(Six, {Straight, Half, Mixed});
        }
        break;
    }
    case core::RecordInput::RadioPair: {
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        r.first = new QRadioButton(toQString(spec.options.at(0)), box);
        r.second = new QRadioButton(toQString(spec.options.at(1)), box);
        r.first->setObjectName(base + QStringLiteral("_o1"));
        r.second->setObjectName(base + QStringLiteral("_o2"));
        auto* group = new QButtonGroup(box);
        group->addButton(r.first);
        group->addButton(r.second);
        const bool firstChosen =
            spec.defaultOptions.empty() || spec.defaultOptions == core::OptionToken(spec.options[0]);
        (firstChosen ? r.first : r.second)->setChecked(true);
        boldWhenChecked(r.first);
        boldWhenChecked(r.second);
        row->addWidget(r.first);
        row->addWidget(r.second);
        row->addStretch();
        break;
    }
    case core::RecordInput::ValueGrid: {
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        r.grid = new BallGrid(m_services.balls, spec.gridMax > 9 ? 15 : 10, spec.gridMax + 1, box);
        r.grid->setObjectName(toQString(spec.gridName));
        row->addWidget(r.grid);
        auto* all = new QPushButton(QStringLiteral("全选"), box);
        auto* none = new QPushButton(QStringLiteral("全清"), box);
        all->setObjectName(toQString(spec.gridName) + QStringLiteral("_all"));
        none->setObjectName(toQString(spec.gridName) + QStringLiteral("_none"));
        for (QPushButton* b : {all, none}) {
            b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
            b->setAutoDefault(false);
            row->addWidget(b, 0, Qt::AlignTop);
        }
        connect(all, &QPushButton::clicked, r.grid, [g = r.grid] { g->setAllChosen(true); });
        connect(none, &QPushButton::clicked, r.grid, [g = r.grid] { g->setAllChosen(false); });
        if (spec.test == core::RecordTest(core::AttributeId::Sum)) {
            auto* presets = new QComboBox(box);
            presets->setObjectName(QStringLiteral("tmp_He_zhi"));
            presets->addItems({QStringLiteral("奇数"), QStringLiteral("偶数"), QStringLiteral("0路"),
                               QStringLiteral("1路"), QStringLiteral("2路")});
            presets->setPlaceholderText(QStringLiteral("快选"));
            presets->setToolTip(QStringLiteral("按奇偶或012路快速选择和值"));
            presets->setCurrentIndex(-1);
            connect(presets, &QComboBox::activated, r.grid, [g = r.grid, presets](int index) {
                g->setAllChosen(false);
                for (int v : core::sumPresetValues(presets->itemText(index).toStdString()))
                    g->setChosen(v, true);
                // The box is a command, not a state: it reads "快选" again, ready for the next choice.
                presets->setCurrentIndex(-1);
            });
            auto* label = new QLabel(QStringLiteral("快选："), box);
            label->setBuddy(presets);
            row->addWidget(label, 0, Qt::AlignTop);
            row->addWidget(presets, 0, Qt::AlignTop);
        }
        row->addStretch();
        break;
    }
    case core::RecordInput::PickerEdit:
    case core::RecordInput::CountList: {
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        r.edit = new QLineEdit(box);
        r.edit->setObjectName(base + QStringLiteral("_1"));
        r.edit->setReadOnly(true);
        r.edit->setMinimumWidth(160);
        r.edit->setPlaceholderText(QStringLiteral("点击选择"));
        r.edit->setCursor(Qt::PointingHandCursor);
        new PickerOpener(r.edit, [this, &r] {
            if (!m_services.pick) return;
            const QString chosen = m_services.pick(r.spec->picker, r.edit->text());
            if (!chosen.isEmpty()) r.edit->setText(chosen);
            r.main->setFocus();
        });
        row->addWidget(r.edit, 1);
        if (spec.input == core::RecordInput::CountList) {
            row->addWidget(new QLabel(QStringLiteral("出现个数："), box));
            for (std::size_t i = 0; i < spec.options.size(); ++i) {
                auto* count = new QCheckBox(toQString(spec.options[i]), box);
                count->setObjectName(base + QStringLiteral("_c%1").arg(i));
                count->setChecked(hasWord(spec.defaultOptions, spec.options[i]));
                boldWhenChecked(count);
                r.counts.push_back(count);
                row->addWidget(count);
            }
            r.once = new QRadioButton(QStringLiteral("重复数字算1个"), box);
            r.once->setObjectName(base + QStringLiteral("_once"));
            auto* many = new QRadioButton(QStringLiteral("重复数字算多个"), box);
            many->setObjectName(base + QStringLiteral("_many"));
            auto* group = new QButtonGroup(box);
            group->addButton(r.once);
            group->addButton(many);
            r.once->setChecked(true);
            boldWhenChecked(r.once);
            boldWhenChecked(many);
            row->addWidget(r.once);
            row->addWidget(many);
        }
        break;
    }
    case core::RecordInput::PeriodSeries: {
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("提示： 过滤近N期的开奖号码。"), box), 0, 0, 1, 4);
        grid->addWidget(new QLabel(QStringLiteral("期数："), box), 1, 0);
        r.periods = new QComboBox(box);
        r.periods->setObjectName(base + QStringLiteral("_1"));
        r.periods->setEditable(true);
        r.periods->setMinimumWidth(80);
        for (const auto& word : core::splitPieces(spec.picker.words, ' '))
            r.periods->addItem(toQString(word));
        r.periods->setCurrentIndex(-1);
        r.periods->setEditText({});
        grid->addWidget(r.periods, 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("星轨参数："), box), 1, 2);
        m_series = new QComboBox(box);
        m_series->setObjectName(toQString(m_spec.seriesSelector));
        for (int k = 0; k <= core::kMaxSelectableSeries; ++k)
            m_series->addItem(toQString(core::seriesText(k)));
        grid->addWidget(m_series, 1, 3);
        grid->setColumnStretch(4, 1);
        break;
    }
    case core::RecordInput::PositionRows:
    case core::RecordInput::GroupRows:
        break; // the row list editor stands in for the records
    }
    return box;
}

void ConditionPanel::enableRecord(Record& r) {
    const bool on = r.main->isChecked();
    r.controls->setEnabled(on);
    setBold(r.main, on);
    // The cue for values that do not answer yet: they wait for the record's box (a click on them ticks it).
    r.controls->setToolTip(on ? QString()
                              : QStringLiteral("勾选「%1」后设置；点击此处即勾选").arg(r.main->text()));
}

QString ConditionPanel::recordValue(const Record& r) const {
    const core::RecordSpec& spec = *r.spec;
    std::vector<bool> ticked;
    for (QCheckBox* option : r.options)
        ticked.push_back(option->isChecked());
    switch (spec.input) {
    case core::RecordInput::Options:
        return toQString(core::CollectOptions(spec, ticked));
    case core::RecordInput::GroupType:
        return toQString(core::groupTypeValue(ticked[Triple], ticked[Pair], ticked[Connected],
                                              ticked[Unconnected], ticked[Six], ticked[Straight],
                                              ticked[Half], ticked[Mixed]));
    case core::RecordInput::RadioPair:
        return toQString(
            core::OptionToken((r.first->isChecked() ? r.first : r.second)->text().toStdString()));
    case core::RecordInput::ValueGrid: {
        QString out;
        for (int v : r.grid->chosenValues())
            out += QString::number(v) + QLatin1Char(' ');
        return out;
    }
    case core::RecordInput::PickerEdit:
        return r.edit->text();
    case core::RecordInput::CountList: {
        QString counts;
        for (QCheckBox* count : r.counts)
            if (count->isChecked()) counts += count->text() + QLatin1Char(' ');
        return r.edit->text() + QLatin1Char('^') + counts + QLatin1Char('^') +
               (r.once->isChecked() ? QLatin1Char('1') : QLatin1Char('0'));
    }
    case core::RecordInput::PeriodSeries:
        return r.periods->currentText().trimmed();
    case core::RecordInput::PositionRows:
    case core::RecordInput::GroupRows:
        break;
    }
    return {};
}

void ConditionPanel::showValue(Record& r, const std::string& value) {
    const core::RecordSpec& spec = *r.spec;
    switch (spec.input) {
    case core::RecordInput::Options: {
        const auto marks = core::MarkOptions(spec, value);
        for (std::size_t i = 0; i < r.options.size(); ++i)
            r.options[i]->setChecked(marks[i]);
        break;
    }
    case core::RecordInput::GroupType: {
        const auto has = [&](const char* word) { return value.find(word) != std::string::npos; };
        const bool connected = has("组三_连"), unconnected = has("组三_不连");
        const bool straight = has("顺子"), half = has("半顺"), mixed = has("杂六");
        r.options[Triple]->setChecked(has("豹子号"));
        r.options[Pair]->setChecked(connected || unconnected);
        r.options[Six]->setChecked(straight || half || mixed);
        if (connected || unconnected) {
            r.options[Connected]->setChecked(connected);
            r.options[Unconnected]->setChecked(unconnected);
        }
        if (straight || half || mixed) {
            r.options[Straight]->setChecked(straight);
            r.options[Half]->setChecked(half);
            r.options[Mixed]->setChecked(mixed);
        }
        break;
    }
    case core::RecordInput::RadioPair:
        (value.find(core::OptionToken(spec.options[0])) != std::string::npos ? r.first : r.second)
            ->setChecked(true);
        break;
    case core::RecordInput::ValueGrid: {
        r.grid->setAllChosen(false);
        for (const auto& piece : core::splitPieces(value, ' '))
            for (int v = 0; v < r.grid->valueCount(); ++v)
                if (piece == std::to_string(v)) r.grid->setChosen(v, true);
        break;
    }
    case core::RecordInput::PickerEdit:
        r.edit->setText(toQString(value));
        break;
    case core::RecordInput::CountList: {
        const auto parts = core::splitKeepEmpty(value, '^');
        r.edit->setText(toQString(parts[0]));
        const std::string counts = parts.size() > 1 ? parts[1] : std::string();
        for (QCheckBox* count : r.counts)
            count->setChecked(counts.find(count->text().toStdString()) != std::string::npos);
        const bool once = parts.size() > 2 && parts[2] == "1";
        r.once->setChecked(once);
        if (!once)
            for (auto* radio : r.once->parentWidget()->findChildren<QRadioButton*>())
                if (radio != r.once) radio->setChecked(true);
        break;
    }
    case core::RecordInput::PeriodSeries:
        r.periods->setEditText(toQString(value));
        break;
    case core::RecordInput::PositionRows:
    case core::RecordInput::GroupRows:
        break;
    }
}

core::PanelState ConditionPanel::state() const {
    core::PanelState st;
    st.kind = m_spec.kind;
    if (m_rows) {
        st.records = m_rows->records();
    } else {
        for (const auto& r : m_records)
            st.records.push_back({r->main->isChecked(), recordValue(*r).toStdString(), r->keep->isChecked(),
                                  r->tolerant->isChecked()});
    }
    st.series = m_series ? m_series->currentIndex() : 0;
    st.sets = m_sets;
    return st;
}

void ConditionPanel::setState(const core::PanelState& st) {
    if (m_rows) {
        m_rows->setRecords(st.records);
    } else {
        for (std::size_t i = 0; i < m_records.size() && i < st.records.size(); ++i) {
            Record& r = *m_records[i];
            const auto& rs = st.records[i];
            r.main->setChecked(rs.ticked);
            if (!rs.ticked) continue;
            showValue(r, rs.value);
            (rs.keep ? r.keep : r.exclude)->setChecked(true);
            r.tolerant->setChecked(rs.tolerant);
        }
    }
    if (m_series) {
        const QSignalBlocker block(m_series);
        m_series->setCurrentIndex(st.series);
    }
    m_sets = st.sets;
    showSets();
    emit countsChanged();
}

void ConditionPanel::runSeriesPreset() {
    if (!m_series || !core::hasReferenceElement(m_spec.kind) || !m_services.history) return;
    auto made = core::SeriesPreset(m_spec.kind, m_services.history(), m_series->currentIndex());
    if (made && made->has_value()) {
        m_sets = **made;
        m_sets.series.reset();
    } else if (!made) {
        m_sets = {};
    }
    showSets();
}

void ConditionPanel::showSets() {
    if (!m_setLabels[0]) return;
    const std::array<const std::string*, 3> sets{&m_sets.set1, &m_sets.set2, &m_sets.set3};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string word = i < m_spec.classWords.size() ? m_spec.classWords[i] : std::string();
        m_setLabels[i]->setText(toQString(word) + QStringLiteral("码：") + toQString(*sets[i]));
    }
}

QCheckBox* ConditionPanel::mainBox(int record) const {
    return record >= 0 && record < static_cast<int>(m_records.size())
               ? m_records[static_cast<std::size_t>(record)]->main
               : nullptr;
}

BallGrid* ConditionPanel::valueGrid(int record) const {
    return record >= 0 && record < static_cast<int>(m_records.size())
               ? m_records[static_cast<std::size_t>(record)]->grid
               : nullptr;
}

std::vector<QCheckBox*> ConditionPanel::optionBoxes(int record) const {
    return record >= 0 && record < static_cast<int>(m_records.size())
               ? m_records[static_cast<std::size_t>(record)]->options
               : std::vector<QCheckBox*>{};
}

} // namespace p3::gui
