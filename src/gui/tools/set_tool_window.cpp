#include "gui/tools/set_tool_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "core/tools/print_layout.h"
#include "core/tools/set_tool.h"
#include "gui/tools/set_list_model.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/list_grid_view.h"
#include "gui/widgets/print_dialog.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/widgets/tolerance_range.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {

namespace {

std::filesystem::path toPath(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

} // namespace

SetToolWindow::SetToolWindow(Workbench& bench)
    : QWidget(bench.window(), Qt::Window), m_bench(bench), m_prompter(bench.prompter()),
      m_sets(std::make_unique<core::SetList>()) {
    setObjectName(QStringLiteral("TF_Jhentool"));
    setWindowTitle(QStringLiteral("集合统计"));
    buildUi();
    setIntersectionMode(true);
    resize(900, 600);
}

SetToolWindow::~SetToolWindow() = default;

void SetToolWindow::buildUi() {
    auto* root = new QHBoxLayout(this);

    // Left: the set list and how sets come into it.
    auto* left = new QVBoxLayout;
    root->addLayout(left, 3);

    auto* listBox = new QGroupBox(QStringLiteral("集合列表"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    m_model = new SetListModel(*m_sets, this);
    m_list = makeListGrid(listBox, QStringLiteral("Jiao_Ji_ListView"), m_model, 0);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->horizontalHeader()->setSectionResizeMode(SetListModel::Name, QHeaderView::Stretch);
    for (int c : {SetListModel::Serial, SetListModel::TakePart, SetListModel::Count, SetListModel::Keep,
                  SetListModel::Tolerate})
        m_list->setColumnWidth(c, c == SetListModel::Count ? 60 : 44);
    listLayout->addWidget(m_list);

    auto* listButtons = new QHBoxLayout;
    const Command<SetToolWindow> listCommands[] = {
        {"Btn_Add", "添加", &SetToolWindow::Btn_AddClick, "添加 直选大底记录"},
        {"Btn_Del", "删除", &SetToolWindow::Btn_DelClick},
        {"Btn_Clear", "清空", &SetToolWindow::Btn_ClearClick},
        {"Btn_Open", "打开", &SetToolWindow::Btn_OpenClick},
        {"Btn_Save", "保存", &SetToolWindow::Btn_SaveClick},
    };
    for (const auto& command : listCommands)
        listButtons->addWidget(makeCommandButton(listBox, this, command));
    listLayout->addLayout(listButtons);
    left->addWidget(listBox, 3);

    auto* typedBox = new QGroupBox(QStringLiteral("输入号码"), this);
    auto* typedLayout = new QGridLayout(typedBox);
    m_typed = new QPlainTextEdit(typedBox);
    m_typed->setObjectName(QStringLiteral("Hm_PanelValue"));
    typedLayout->addWidget(m_typed, 0, 0, 1, 4);
    typedLayout->addWidget(new QLabel(QStringLiteral("集合名称："), typedBox), 1, 0);
    m_typedName = new QLineEdit(typedBox);
    m_typedName->setObjectName(QStringLiteral("Jiao_ji_Add_Txt"));
    typedLayout->addWidget(m_typedName, 1, 1);
    auto* addTyped =
        makeCommandButton(typedBox, this, {"Btn_Add_Jihe", "添加", &SetToolWindow::Btn_Add_JiheClick});
    auto* clearTyped = makeButton(typedBox, QStringLiteral("清空"), "Btn_Clear_Jihe");
    typedLayout->addWidget(addTyped, 1, 2);
    typedLayout->addWidget(clearTyped, 1, 3);
    left->addWidget(typedBox, 2);
    connect(clearTyped, &QPushButton::clicked, m_typed, &QPlainTextEdit::clear);

    // Right: the operation, the search and the result.
    auto* right = new QVBoxLayout;
    root->addLayout(right, 2);

    auto* opBox = new QGroupBox(QStringLiteral("运算"), this);
    auto* opLayout = new QGridLayout(opBox);
    m_intersection = new QRadioButton(QStringLiteral("交集"), opBox);
    m_intersection->setObjectName(QStringLiteral("Jiao_ji_1"));
    m_union = new QRadioButton(QStringLiteral("并集"), opBox);
    m_union->setObjectName(QStringLiteral("Jiao_ji_2"));
    m_intersection->setChecked(true);
    auto* run = makeCommandButton(opBox, this, {"Btn_YongSuan", "运算", &SetToolWindow::Btn_YongSuanClick});
    opLayout->addWidget(m_intersection, 0, 0);
    opLayout->addWidget(m_union, 0, 1);
    opLayout->addWidget(run, 0, 2, 1, 2);
    m_tolerance = new ToleranceRange(QStringLiteral("容错"),
                                     {QStringLiteral("Jiao_Ji_ErrCuo"), QStringLiteral("JJi_ECuo_BegValue"),
                                      QStringLiteral("JJi_ECuo_EndValue")},
                                     {}, opBox);
    opLayout->addWidget(m_tolerance, 1, 0, 1, 4);
    right->addWidget(opBox);
    connect(m_intersection, &QRadioButton::toggled, this, &SetToolWindow::setIntersectionMode);

    auto* findBox = new QGroupBox(QStringLiteral("号码查询"), this);
    auto* findLayout = new QGridLayout(findBox);
    m_findNumber = new QLineEdit(findBox);
    m_findNumber->setObjectName(QStringLiteral("Find_Hm"));
    auto* find = makeCommandButton(
        findBox, this, {"Btn_Find", "查询", &SetToolWindow::Btn_FindClick, "查询号码在集合列表中出现的位置"});
    m_findResult = new QPlainTextEdit(findBox);
    m_findResult->setObjectName(QStringLiteral("Find_JieGuo"));
    m_findResult->setReadOnly(true);
    m_findResult->setMaximumHeight(110);
    findLayout->addWidget(m_findNumber, 0, 0);
    findLayout->addWidget(find, 0, 1);
    findLayout->addWidget(m_findResult, 1, 0, 1, 2);
    right->addWidget(findBox);
    connect(m_findNumber, &QLineEdit::returnPressed, this, &SetToolWindow::Btn_FindClick);

    m_resultBox = new QGroupBox(toQString(core::setResultCaption(0)), this);
    auto* resultLayout = new QGridLayout(m_resultBox);
    m_resultMemo = new QPlainTextEdit(m_resultBox);
    m_resultMemo->setObjectName(QStringLiteral("Jiao_Ji_JieGuo"));
    m_perLine = new QComboBox(m_resultBox);
    m_perLine->setObjectName(QStringLiteral("JiaoJi_List"));
    for (int k : {1, 5, 10, 15, 20, 25, 30})
        m_perLine->addItem(QString::number(k), k);
    m_perLine->setCurrentIndex(2);
    auto* saveResult =
        makeCommandButton(m_resultBox, this, {"JG_Save", "保存", &SetToolWindow::JG_SaveClick});
    auto* printResult =
        makeCommandButton(m_resultBox, this, {"JG_Print", "打印", &SetToolWindow::JG_PrintClick});
    resultLayout->addWidget(m_resultMemo, 0, 0, 1, 4);
    resultLayout->addWidget(new QLabel(QStringLiteral("每行"), m_resultBox), 1, 0);
    resultLayout->addWidget(m_perLine, 1, 1);
    resultLayout->addWidget(saveResult, 1, 2);
    resultLayout->addWidget(printResult, 1, 3);
    right->addWidget(m_resultBox, 1);
    connect(m_perLine, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_result.empty()) showResult(m_result);
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int row = selectedRow(); row >= 0)
            showResult(m_sets->sets()[static_cast<std::size_t>(row)].numbers);
    });
}

int SetToolWindow::selectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty()) return -1;
    const int row = rows.front().row();
    return static_cast<std::size_t>(row) < m_sets->sets().size() ? row : -1;
}

void SetToolWindow::message(std::string_view text) {
    m_prompter.information(this, toQString(text));
}

void SetToolWindow::refreshList() {
    const int row = m_list->selectionModel()->selectedRows().isEmpty()
                        ? -1
                        : m_list->selectionModel()->selectedRows().front().row();
    m_model->reload();
    // Choosing the row again is not a choice of the user's: the result memo keeps what it shows.
    const QSignalBlocker block(m_list->selectionModel());
    if (row >= 0 && row < m_model->rowCount()) m_list->selectRow(row);
}

void SetToolWindow::showResult(const std::vector<std::string>& numbers) {
    m_result = numbers;
    m_resultMemo->setPlainText(toQString(core::formatSetResult(numbers, m_perLine->currentData().toInt())));
    m_resultBox->setTitle(toQString(core::setResultCaption(numbers.size())));
}

void SetToolWindow::setIntersectionMode(bool intersection) {
    m_tolerance->setPartsEnabled(intersection);
    m_list->setColumnHidden(SetListModel::Keep, !intersection);
    m_list->setColumnHidden(SetListModel::Tolerate, !intersection);
}

void SetToolWindow::Btn_AddClick() {
    const QString file =
        m_prompter.openFileName(this, QStringLiteral("添加"), QStringLiteral("文本文件(*.txt)|*.txt"));
    if (file.isEmpty()) return;
    if (auto added = m_sets->addFromFile(toPath(file)); !added) {
        message(added.error().message);
        return;
    }
    refreshList();
}

void SetToolWindow::Btn_Add_JiheClick() {
    const std::string name = m_typedName->text().trimmed().toStdString();
    if (auto added = m_sets->addTyped(name, m_typed->toPlainText().toStdString()); !added) {
        message(added.error().message);
        return;
    }
    refreshList();
}

void SetToolWindow::Btn_DelClick() {
    const int row = selectedRow();
    if (row < 0) return;
    m_sets->remove(static_cast<std::size_t>(row));
    refreshList();
}

void SetToolWindow::Btn_ClearClick() {
    m_sets->clear();
    refreshList();
}

void SetToolWindow::Btn_OpenClick() {
    const QString file =
        m_prompter.openFileName(this, QStringLiteral("打开"), QStringLiteral("保存集合列表 *.SGL|*.SGL"));
    if (!file.isEmpty()) loadSetFile(file);
}

bool SetToolWindow::loadSetFile(const QString& file) {
    auto loaded = core::SetList::load(toPath(file));
    if (!loaded) {
        message(loaded.error().message);
        return false;
    }
    *m_sets = std::move(*loaded);
    refreshList();
    return true;
}

void SetToolWindow::Btn_SaveClick() {
    if (m_sets->empty()) {
        message(core::set_messages::kNothingToSave);
        return;
    }
    const QString file =
        m_prompter.saveFileName(this, QStringLiteral("保存"), QStringLiteral("保存集合列表 *.SGL|*.SGL"));
    if (file.isEmpty()) return;
    if (auto saved = m_sets->save(toPath(file)); !saved) message(saved.error().message);
}

void SetToolWindow::Btn_YongSuanClick() {
    core::Result<std::vector<std::string>> result;
    if (m_intersection->isChecked()) {
        std::optional<core::SetTolerance> tolerance;
        if (m_tolerance->isOn()) tolerance = core::SetTolerance{m_tolerance->begin(), m_tolerance->end()};
        result = m_sets->intersect(tolerance);
    } else {
        result = m_sets->unite();
    }
    if (!result) {
        message(result.error().message);
        return;
    }
    showResult(*result);
}

void SetToolWindow::Btn_FindClick() {
    auto text = m_sets->findText(m_findNumber->text().trimmed().toStdString());
    if (!text) {
        message(text.error().message);
        return;
    }
    m_findResult->setPlainText(toQString(*text));
}

void SetToolWindow::JG_SaveClick() {
    const QString file =
        m_prompter.saveFileName(this, QStringLiteral("保存"), QStringLiteral("保存交集结果 *.txt|*.txt"));
    if (file.isEmpty()) return;
    if (auto saved = core::saveSetResult(m_resultMemo->toPlainText().toStdString(), toPath(file)); !saved)
        message(saved.error().message);
}

void SetToolWindow::JG_PrintClick() {
    m_bench.printNumbers(core::printableNumbers(m_resultMemo->toPlainText().toStdString()), m_printDialog,
                         this);
}

SetToolWindow& showSetTool(Workbench& bench) {
    auto* tool =
        bench.window()->findChild<SetToolWindow*>(QStringLiteral("TF_Jhentool"), Qt::FindDirectChildrenOnly);
    if (!tool) tool = new SetToolWindow(bench);
    tool->show();
    tool->raise();
    tool->activateWindow();
    return *tool;
}

} // namespace p3::gui
