// The value-list picker TF_TjcanShu: a click on a choice's box or on its text toggles it exactly once.
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>

#include "gui/editors/picker_choice_model.h"
#include "gui/editors/value_picker_dialog.h"
#include "gui/widgets/scripted_prompter.h"

using p3::gui::PickerChoiceModel;
using p3::gui::ValuePickerDialog;

namespace {

/// Where the list paints the check box of an item, asked of the list's own delegate and style.
class IndicatorProbe final : public QStyledItemDelegate {
public:
    QRect indicator(QListView* list, const QModelIndex& item) {
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.rect = list->visualRect(item);
        option.decorationPosition = QStyleOptionViewItem::Top; // the list shows icons
        option.displayAlignment = Qt::AlignHCenter | Qt::AlignBottom;
        initStyleOption(&option, item);
        return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    }
};

Qt::CheckState stateOf(const QModelIndex& index) {
    return index.data(Qt::CheckStateRole).value<Qt::CheckState>();
}

} // namespace

class ValuePickerTest : public QObject {
    Q_OBJECT
private slots:
    void clicksOnBoxAndTextToggleOnce() {
        p3::gui::ScriptedPrompter prompter;
        ValuePickerDialog picker(prompter);
        p3::core::PickerChoices choices;
        choices.low = 0;
        choices.high = 9;
        picker.SetupChoices(choices, QString());
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QListView* list = picker.choices();
        QCOMPARE(list->model()->rowCount(), 10);
        auto* count = picker.findChild<QLabel*>(QStringLiteral("Label3"));

        IndicatorProbe probe;
        const QModelIndex third = list->model()->index(3, 0);
        const QRect box = probe.indicator(list, third);
        QVERIFY(box.isValid());
        QVERIFY(list->visualRect(third).contains(box.center()));
        // On the box: ticked, then unticked again by a second click, slow or quick (a double click).
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(stateOf(third), Qt::Checked);
        QCOMPARE(count->text(), QStringLiteral("1 条"));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(stateOf(third), Qt::Unchecked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(stateOf(third), Qt::Unchecked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);

        // On the text, away from the box: the same.
        const QModelIndex fifth = list->model()->index(5, 0);
        const QRect rect = list->visualRect(fifth);
        const QRect fifthBox = probe.indicator(list, fifth);
        QPoint onText(rect.right() - 3, rect.center().y());
        QVERIFY(!fifthBox.contains(onText));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
        QCOMPARE(stateOf(fifth), Qt::Checked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
        QCOMPARE(stateOf(fifth), Qt::Unchecked);
        QCOMPARE(count->text(), QStringLiteral("0 条"));
    }

    /// The buttons, the range boxes and the current text all go through the model's ticks.
    void ticksFromTextRangeAndButtons() {
        p3::gui::ScriptedPrompter prompter;
        ValuePickerDialog picker(prompter);
        p3::core::PickerChoices choices;
        choices.low = 0;
        choices.high = 9;
        picker.SetupChoices(choices, QStringLiteral("3 7"));
        PickerChoiceModel* model = picker.choiceModel();
        QCOMPARE(picker.choices()->model(), model);
        auto* count = picker.findChild<QLabel*>(QStringLiteral("Label3"));
        QCOMPARE(model->tickedTexts(), QStringList({"3", "7"}));
        QCOMPARE(count->text(), QStringLiteral("2 条"));

        picker.invert();
        QCOMPARE(model->tickedTexts(), QStringList({"0", "1", "2", "4", "5", "6", "8", "9"}));
        QCOMPARE(count->text(), QStringLiteral("8 条"));
        picker.chooseRange(2, 4);
        QCOMPARE(model->tickedTexts(), QStringList({"2", "3", "4"}));
        picker.chooseRange(4, 2); // backwards: nothing
        QCOMPARE(count->text(), QStringLiteral("0 条"));
        picker.findChild<QPushButton*>(QStringLiteral("Btn_All"))->click();
        QCOMPARE(model->tickedCount(), 10);
        picker.findChild<QPushButton*>(QStringLiteral("Btn_None"))->click();
        QCOMPARE(model->tickedCount(), 0);

        picker.findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->click();
        QCOMPARE(prompter.lastMessage(), QStringLiteral("请选择值!"));
        QVERIFY(picker.result().isEmpty());
        picker.setTicked(9, true);
        picker.setTicked(1, true);
        picker.findChild<QPushButton*>(QStringLiteral("Btn_Ok"))->click();
        QCOMPARE(picker.result(), QStringLiteral("1 9"));
    }

    /// The model changes a tick only through the check role and only when it differs.
    void modelChangesTicksOnlyByCheckRole() {
        PickerChoiceModel model;
        model.setChoices({{"01", false}, {"02", true}, {"03", false}});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(1).data().toString(), QStringLiteral("02"));
        QCOMPARE(stateOf(model.index(1)), Qt::Checked);
        QCOMPARE(model.flags(model.index(0)), Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);

        QVERIFY(!model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole)); // already ticked
        QVERIFY(!model.setData(model.index(0), QStringLiteral("x"), Qt::EditRole));
        QVERIFY(!model.setData(model.index(3), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.setData(model.index(2), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), model.index(2));
        QCOMPARE(model.tickedTexts(), QStringList({"02", "03"}));
        QVERIFY(model.setData(model.index(1), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(model.tickedCount(), 1);
        QVERIFY(!model.isTicked(-1));
        QVERIFY(!model.isTicked(3));
    }
};

QTEST_MAIN(ValuePickerTest)
#include "value_picker_test.moc"
