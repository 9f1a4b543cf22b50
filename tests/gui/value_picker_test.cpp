// The value-list picker TF_TjcanShu: a click on a choice's box or on its text toggles it exactly once.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTest>

#include "gui/editors/value_picker_dialog.h"
#include "gui/widgets/scripted_prompter.h"

using p3::gui::ValuePickerDialog;

namespace {

/// Where the list paints the check box of an item, asked of the list's own delegate and style.
class IndicatorProbe final : public QStyledItemDelegate {
public:
    QRect indicator(QListWidget* list, QListWidgetItem* item) {
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.rect = list->visualItemRect(item);
        option.decorationPosition = QStyleOptionViewItem::Top; // the list shows icons
        option.displayAlignment = Qt::AlignHCenter | Qt::AlignBottom;
        initStyleOption(&option, list->indexFromItem(item));
        return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    }
};

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
        QListWidget* list = picker.choices();
        QCOMPARE(list->count(), 10);
        auto* count = picker.findChild<QLabel*>(QStringLiteral("Label3"));

        IndicatorProbe probe;
        QListWidgetItem* third = list->item(3);
        const QRect box = probe.indicator(list, third);
        QVERIFY(box.isValid());
        QVERIFY(list->visualItemRect(third).contains(box.center()));
        // On the box: ticked, then unticked again by a second click, slow or quick (a double click).
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(third->checkState(), Qt::Checked);
        QCOMPARE(count->text(), QStringLiteral("1 条"));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(third->checkState(), Qt::Unchecked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(third->checkState(), Qt::Unchecked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);

        // On the text, away from the box: the same.
        QListWidgetItem* fifth = list->item(5);
        const QRect rect = list->visualItemRect(fifth);
        const QRect fifthBox = probe.indicator(list, fifth);
        QPoint onText(rect.right() - 3, rect.center().y());
        QVERIFY(!fifthBox.contains(onText));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
        QCOMPARE(fifth->checkState(), Qt::Checked);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
        QCOMPARE(fifth->checkState(), Qt::Unchecked);
        QCOMPARE(count->text(), QStringLiteral("0 条"));
    }
};

QTEST_MAIN(ValuePickerTest)
#include "value_picker_test.moc"
