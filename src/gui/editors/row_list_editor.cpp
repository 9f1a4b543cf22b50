#include "gui/editors/row_list_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/editors/record_list_model.h"
#include "gui/widgets/ball_grid.h"
#include "gui/widgets/list_grid_view.h"
#include "gui/widgets/text.h"

namespace p3::gui {
namespace {

std::string digitsOf(const BallGrid* grid) {
    std::string out;
    for (int v : grid->chosenValues())
        out += static_cast<char>('0' + v);
    return out;
}

void chooseDigits(BallGrid* grid, const std::string& digits) {
    grid->setAllChosen(false);
    for (char c : digits)
        if (c >= '0' && c <= '9') grid->setChosen(c - '0', true);
}

/// Two radio buttons of one choice, the first one chosen.
void pairUp(QObject* owner, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
}

} // namespace

RowListEditor::RowListEditor(const core::KindSpec& spec, const BallImageCache* balls,
                             std::function<void(const QString&)> inform, QWidget* parent)
    : QWidget(parent), m_positionList(spec.records.front().input == core::RecordInput::PositionRows),
      m_inform(std::move(inform)) {
    setObjectName(toQString(spec.panel) + QStringLiteral("_rows"));
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QGridLayout;
    const QString prefix = isPositionList() ? QStringLiteral("Tj_08_Grid_") : QStringLiteral("Tj_09_Grid_");
    const auto addGrid = [&](int index, const QString& label, int count, int row) {
        auto* g = new BallGrid(balls, count, count, this);
        g->setObjectName(prefix + QString::number(index + 1));
        m_grids[static_cast<std::size_t>(index)] = g;
        controls->addWidget(new QLabel(label, this), row, 0);
        controls->addWidget(g, row, 1);
        if (count == 10) {
            auto* all = new QPushButton(QStringLiteral("全选"), this);
            auto* none = new QPushButton(QStringLiteral("全清"), this);
            for (QPushButton* b : {all, none})
                b->setAutoDefault(false);
            connect(all, &QPushButton::clicked, g, [g] { g->setAllChosen(true); });
            connect(none, &QPushButton::clicked, g, [g] { g->setAllChosen(false); });
            controls->addWidget(all, row, 2);
            controls->addWidget(none, row, 3);
        }
    };
    auto* options = new QHBoxLayout;
    if (isPositionList()) {
        addGrid(0, QStringLiteral("百位："), 10, 0);
        addGrid(1, QStringLiteral("十位："), 10, 1);
        addGrid(2, QStringLiteral("个位："), 10, 2);
        for (int i = 0; i < 4; ++i) {
            m_counts[static_cast<std::size_t>(i)] =
                new QCheckBox(QStringLiteral("%1个位置正确").arg(i), this);
            m_counts[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Tj_08_Count_%1").arg(i));
            options->addWidget(m_counts[static_cast<std::size_t>(i)]);
        }
    } else {
        addGrid(0, QStringLiteral("号码组："), 10, 0);
        addGrid(1, QStringLiteral("中出个数："), 4, 1);
        m_once = new QRadioButton(QStringLiteral("重复数字算1个"), this);
        m_many = new QRadioButton(QStringLiteral("重复数字算多个"), this);
        pairUp(this, m_once, m_many);
        options->addWidget(m_once);
        options->addWidget(m_many);
    }
    m_keep = new QRadioButton(QStringLiteral("保留"), this);
    m_exclude = new QRadioButton(QStringLiteral("排除"), this);
    pairUp(this, m_keep, m_exclude);
    m_tolerant = new QCheckBox(QStringLiteral("容错"), this);
    options->addSpacing(12);
    options->addWidget(m_keep);
    options->addWidget(m_exclude);
    options->addWidget(m_tolerant);
    options->addStretch();
    layout->addLayout(controls);
    layout->addLayout(options);

    auto* buttons = new QHBoxLayout;
    const std::array<std::pair<const char*, void (RowListEditor::*)()>, 4> commands{
        {{"添加", &RowListEditor::addRow},
         {"修改", &RowListEditor::modifyRow},
         {"删除", &RowListEditor::deleteRows},
         {"清空", &RowListEditor::clearRows}}};
    const std::array<const char*, 4> names{"_Add", "_Modify", "_Delete", "_Clear"};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto* b = new QPushButton(QString::fromUtf8(commands[i].first), this);
        b->setObjectName(toQString(spec.panel) + QString::fromLatin1(names[i]));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, commands[i].second);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* group = new QGroupBox(QStringLiteral("已存在条件"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_model = makeRecordListModel(m_rows, isPositionList(), this);
    m_list = makeListGrid(
        group, isPositionList() ? QStringLiteral("Tj_08_Grid_4") : QStringLiteral("Tj_09_Grid_3"), m_model);
    m_list->horizontalHeader()->setDefaultSectionSize(56);
    m_list->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_list->setMinimumHeight(120);
    connect(m_model, &ListGridModel::flagChanged, this, &RowListEditor::rowsChanged);
    // A click on a row's text, or a row reached with the keyboard, brings the row into the controls.
    connect(m_list, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!m_model->isFlagColumn(index.column())) loadRow(index.row());
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.row() >= 0 && current.row() < static_cast<int>(m_rows.size()))
                    loadRow(current.row());
            });
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);
}

std::optional<std::string> RowListEditor::controlsValue() {
    std::string counts;
    core::Result<std::string> value;
    if (isPositionList()) {
        for (int i = 0; i < 4; ++i)
            if (m_counts[static_cast<std::size_t>(i)]->isChecked()) counts += static_cast<char>('0' + i);
        value = core::positionRowValue(
            true, {digitsOf(m_grids[0]), digitsOf(m_grids[1]), digitsOf(m_grids[2])}, counts);
    } else {
        value = core::groupRowValue(true, digitsOf(m_grids[0]), digitsOf(m_grids[1]), m_once->isChecked());
    }
    if (!value) {
        if (m_inform) m_inform(QString::fromStdString(value.error().message));
        return std::nullopt;
    }
    return *value;
}

void RowListEditor::addRow() {
    auto value = controlsValue();
    if (!value) return;
    m_model->append({true, *value, m_keep->isChecked(), m_tolerant->isChecked()});
    emit rowsChanged();
}

void RowListEditor::modifyRow() {
    const int row = m_list->currentIndex().row();
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        if (m_inform) m_inform(QStringLiteral("您没有选择可以修改的条件"));
        return;
    }
    auto value = controlsValue();
    if (!value) return;
    // The row keeps its use flag; the rest comes from the controls.
    const std::string use = core::splitKeepEmpty(m_rows[static_cast<std::size_t>(row)].value, '^').front();
    m_model->replace(row, {true, use + value->substr(1), m_keep->isChecked(), m_tolerant->isChecked()});
    emit rowsChanged();
}

void RowListEditor::deleteRows() {
    m_model->eraseRows(selectedRows(m_list));
    emit rowsChanged();
}

void RowListEditor::clearRows() {
    m_rows.clear();
    refresh();
}

void RowListEditor::setRecords(std::vector<core::RecordState> rows) {
    m_rows = std::move(rows);
    refresh();
}

void RowListEditor::refresh() {
    m_model->reload();
    emit rowsChanged();
}

void RowListEditor::loadRow(int row) {
    const auto& r = m_rows[static_cast<std::size_t>(row)];
    const auto parts = core::splitKeepEmpty(r.value, '^');
    if (isPositionList()) {
        const auto sets = parts.size() > 1 ? core::splitKeepEmpty(parts[1], '/') : std::vector<std::string>{};
        for (std::size_t p = 0; p < 3; ++p)
            chooseDigits(m_grids[p], p < sets.size() ? sets[p] : std::string());
        const std::string counts = parts.size() > 2 ? parts[2] : std::string();
        for (int i = 0; i < 4; ++i)
            m_counts[static_cast<std::size_t>(i)]->setChecked(counts.find(static_cast<char>('0' + i)) !=
                                                              std::string::npos);
    } else {
        chooseDigits(m_grids[0], parts.size() > 1 ? parts[1] : std::string());
        chooseDigits(m_grids[1], parts.size() > 2 ? parts[2] : std::string());
        (parts.size() > 3 && parts[3] == "0" ? m_many : m_once)->setChecked(true);
    }
    (r.keep ? m_keep : m_exclude)->setChecked(true);
    m_tolerant->setChecked(r.tolerant);
}

} // namespace p3::gui
