#include "gui/data/lottery_select_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/data/lottery_types.h"
#include "core/net/draw_source.h"
#include "gui/data/lottery_list_model.h"
#include "gui/widgets/dialog_buttons.h"
#include "gui/widgets/prompter.h"
#include "gui/widgets/text.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {
namespace {

using enum LotteryListModel::Column;

QStringList sourceKindNames() {
    QStringList names;
    for (core::SourceKind kind : core::allSourceKinds()) {
        const std::string_view name = core::sourceKindName(kind);
        names << toQString(name);
    }
    return names;
}

/// A dialog button that Enter in the fields does not press.
QPushButton* makeNonDefaultButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = makeButton(parent, QString::fromUtf8(caption), name);
    button->setAutoDefault(false);
    return button;
}

/// The selected lottery row of `list`, or none after telling the user `message`.
std::optional<int> selectedRow(const QTreeView* list, Workbench& bench, QWidget* parent,
                               std::string_view message = core::lottery_messages::kNothingSelected) {
    const QModelIndex current = list->currentIndex();
    if (current.isValid() && list->selectionModel()->isSelected(current.siblingAtColumn(NameColumn)))
        return current.row();
    bench.prompter().information(parent, toQString(message));
    return std::nullopt;
}

} // namespace

LotteryAddDialog::LotteryAddDialog(Workbench& bench, QStringList listedNames, QWidget* parent)
    : QDialog(parent), m_bench(bench), m_listed(std::move(listedNames)) {
    setObjectName(QStringLiteral("TF_Cpadd"));
    setWindowTitle(QStringLiteral("新增彩票"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Cp_Name"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("Cp_LeiBie"));
    m_kind->addItems({QStringLiteral("体彩"), QStringLiteral("福彩")});
    m_digits = new QComboBox(this);
    m_digits->setObjectName(QStringLiteral("Cp_hmGeshu"));
    m_digits->addItems({QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    // Where new draws come from; a new lottery asks the data server until the user chooses otherwise.
    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("Cp_Source"));
    m_source->addItems(sourceKindNames());
    auto* ok = makeNonDefaultButton(this, "Tou_Zhu_Btn", "确定");
    auto* cancel = makeNonDefaultButton(this, "bsSkinSpeedButton1", "取消");
    connect(ok, &QPushButton::clicked, this, &LotteryAddDialog::Tou_Zhu_BtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("彩票名称"), m_name);
    form->addRow(QStringLiteral("类别"), m_kind);
    form->addRow(QStringLiteral("号码个数"), m_digits);
    form->addRow(QStringLiteral("数据来源"), m_source);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtonRow({ok, cancel}));
}

void LotteryAddDialog::Tou_Zhu_BtnClick() {
    const QString name = m_name->text();
    if (name.isEmpty()) {
        m_bench.prompter().information(this, QString::fromUtf8(core::lottery_messages::kEmptyName.data(),
                                                               core::lottery_messages::kEmptyName.size()));
        return;
    }
    // A plain comparison with the names listed, as the list shows them.
    if (m_listed.contains(name)) {
        m_bench.prompter().information(this,
                                       QString::fromUtf8(core::lottery_messages::kDuplicateName.data(),
                                                         core::lottery_messages::kDuplicateName.size()));
        return;
    }
    if (!m_bench.database()) return;
    auto added = core::addLotteryType(*m_bench.database(), name.toStdString(),
                                      m_kind->currentText().toStdString(), m_digits->currentText().toInt());
    if (!added) {
        m_bench.prompter().information(this, QString::fromStdString(added.error().message));
        return;
    }
    const std::string source = m_source->currentText().toStdString();
    if (source != core::sourceKindName(core::SourceKind::Server)) {
        if (auto set = m_bench.database()->setLotterySource(added->name, source); !set) {
            m_bench.prompter().information(this, QString::fromStdString(set.error().message));
            return;
        }
    }
    m_added = *added;
    m_addedSource = m_source->currentText();
    accept();
}

LotterySelectDialog::LotterySelectDialog(Workbench& bench) : QDialog(bench.window()), m_bench(bench) {
    setObjectName(QStringLiteral("TF_SelectCP"));
    setWindowTitle(QStringLiteral("彩票选择"));
    m_model = new LotteryListModel(this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ListView_Tj"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    // Id and digit count ride along hidden for the confirm step.
    m_list->setColumnHidden(IdColumn, true);
    m_list->setColumnHidden(DigitsColumn, true);
    m_list->setColumnWidth(NumberColumn, 50);
    m_list->setColumnWidth(NameColumn, 140);
    connect(m_list, &QTreeView::doubleClicked, this, &LotterySelectDialog::Ret_okClick);

    auto* ok = makeNonDefaultButton(this, "Ret_ok", "确认");
    auto* add = makeNonDefaultButton(this, "Add_Btn", "新增");
    auto* del = makeNonDefaultButton(this, "Del_Btn", "删除");
    auto* source = makeNonDefaultButton(this, "Source_Btn", "数据来源");
    auto* close = makeNonDefaultButton(this, "Close_Frm", "取消");
    connect(source, &QPushButton::clicked, this, &LotterySelectDialog::Source_BtnClick);
    connect(ok, &QPushButton::clicked, this, &LotterySelectDialog::Ret_okClick);
    connect(add, &QPushButton::clicked, this, &LotterySelectDialog::Add_BtnClick);
    connect(del, &QPushButton::clicked, this, &LotterySelectDialog::Del_BtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {ok, add, del, source, close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(420, 300);
}

void LotterySelectDialog::prepare() {
    m_chosen.reset();
    m_model->setRows({});
    if (!m_bench.database()) return;
    auto listed = m_bench.database()->listLotteries();
    if (!listed) {
        m_bench.prompter().information(this, QString::fromStdString(listed.error().message));
        return;
    }
    std::vector<LotteryRow> rows;
    int current = -1;
    for (const auto& info : *listed) {
        auto source = m_bench.database()->lotterySource(info.id);
        if (info.name == m_bench.currentLottery().name) current = static_cast<int>(rows.size());
        rows.push_back({info, QString::fromStdString(source ? *source : std::string("server"))});
    }
    m_model->setRows(std::move(rows));
    if (current >= 0) m_list->setCurrentIndex(m_model->index(current, NumberColumn));
}

void LotterySelectDialog::Ret_okClick() {
    const auto row = selectedRow(m_list, m_bench, this, core::lottery_messages::kNoneToLoad);
    if (!row) return;
    m_chosen = m_model->rows()[static_cast<std::size_t>(*row)].info;
    accept();
}

void LotterySelectDialog::Add_BtnClick() {
    LotteryAddDialog dialog(m_bench, m_model->names(), this);
    m_bench.runDialog(dialog);
    if (dialog.added()) m_model->appendRow({*dialog.added(), dialog.addedSource()});
}

void LotterySelectDialog::Source_BtnClick() {
    const auto row = selectedRow(m_list, m_bench, this);
    if (!row) return;
    const LotteryRow& lottery = m_model->rows()[static_cast<std::size_t>(*row)];
    const QString name = QString::fromStdString(lottery.info.name);
    const QStringList kinds = sourceKindNames();
    const auto chosen = m_bench.prompter().chooseItem(
        this, QStringLiteral("数据来源"),
        QStringLiteral(
            "%1 的新数据从哪里下载:\nserver 数据服务器, cwl 福彩网站, sporttery 体彩网站, lines 开奖数据文件")
            .arg(name),
        kinds, std::max(0, static_cast<int>(kinds.indexOf(lottery.source))));
    if (!chosen || !m_bench.database()) return;
    if (auto set = m_bench.database()->setLotterySource(lottery.info.name, chosen->toStdString()); !set) {
        m_bench.prompter().information(this, QString::fromStdString(set.error().message));
        return;
    }
    m_model->setData(m_model->index(*row, SourceColumn), *chosen);
}

void LotterySelectDialog::Del_BtnClick() {
    const auto row = selectedRow(m_list, m_bench, this);
    if (!row) return;
    if (!m_bench.prompter().confirm(this, QString::fromUtf8(core::lottery_messages::kConfirmDelete.data(),
                                                            core::lottery_messages::kConfirmDelete.size())))
        return;
    const std::string name = m_model->rows()[static_cast<std::size_t>(*row)].info.name;
    if (auto deleted = core::deleteLotteryType(*m_bench.database(), name); !deleted) {
        m_bench.prompter().information(this, QString::fromStdString(deleted.error().message));
        return;
    }
    // The current lottery stays loaded even when it was the one deleted.
    m_model->removeRows(*row, 1);
}

} // namespace p3::gui
