// The one tolerance row of the editors, the shrink workspace and the set tool: its box turns the counts
// on, the counts are 0..100, and the row reports what it holds as the filter takes it.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "gui/widgets/tolerance_range.h"

using p3::gui::ToleranceRange;

class ToleranceRangeTest : public QObject {
    Q_OBJECT
    static ToleranceRange::Names names() {
        return {QStringLiteral("Z_RCuo"), QStringLiteral("Z_Err_Beg_m"), QStringLiteral("Z_Err_End_m")};
    }

private slots:
    void countsFollowTheBoxAndReadAsATotalTolerance() {
        QWidget page;
        auto* row =
            new ToleranceRange(QStringLiteral("总容错："), names(), ToleranceRange::FollowsBox, &page);
        QSignalSpy changed(row, &ToleranceRange::changed);
        auto* box = page.findChild<QCheckBox*>(QStringLiteral("Z_RCuo"));
        auto* begin = page.findChild<QSpinBox*>(QStringLiteral("Z_Err_Beg_m"));
        auto* end = page.findChild<QSpinBox*>(QStringLiteral("Z_Err_End_m"));
        QVERIFY(box && begin && end);
        QCOMPARE(box->text(), QStringLiteral("总容错："));
        QCOMPARE(row->findChild<QLabel*>()->text(), QStringLiteral("至"));
        QCOMPARE(begin->minimum(), 0);
        QCOMPARE(end->maximum(), 100);
        // Off: the counts wait, greyed, and the filter sees no tolerance.
        QVERIFY(!begin->isEnabled() && !end->isEnabled());
        QVERIFY(!row->total().enabled);

        box->setChecked(true);
        QVERIFY(begin->isEnabled() && end->isEnabled());
        begin->setValue(1);
        end->setValue(3);
        const p3::core::TotalTolerance total = row->total();
        QVERIFY(total.enabled);
        QCOMPARE(total.begin, 1);
        QCOMPARE(total.end, 3);
        // Every change is told once: the box, then each count.
        QCOMPARE(changed.count(), 3);
        box->setChecked(false);
        QVERIFY(!begin->isEnabled());
        QVERIFY(!row->total().enabled);
        QCOMPARE(row->total().end, 3);
    }

    void boldAndFocusOnlyWhenAsked() {
        QWidget page;
        auto* plain = new ToleranceRange(QStringLiteral("容错"), names(), {}, &page);
        auto* level = new ToleranceRange(
            QStringLiteral("本级容错："), names(),
            ToleranceRange::FollowsBox | ToleranceRange::BoldWhenOn | ToleranceRange::FocusWhenOn, &page);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.activateWindow();
        // Without FollowsBox the counts are editable whatever the box says (the set tool).
        QVERIFY(plain->beginBox()->isEnabled());
        plain->setOn(true);
        QVERIFY(!plain->box()->font().bold());

        level->setOn(true);
        QVERIFY(level->box()->font().bold());
        QTRY_VERIFY(level->beginBox()->hasFocus());
        level->setOn(false);
        QVERIFY(!level->box()->font().bold());
    }

    void partsHideAndDisableTogether() {
        QWidget page;
        auto* row =
            new ToleranceRange(QStringLiteral("本级容错："), names(), ToleranceRange::FollowsBox, &page);
        row->setPartsVisible(false);
        for (QWidget* part :
             {static_cast<QWidget*>(row->box()), static_cast<QWidget*>(row->beginBox()),
              static_cast<QWidget*>(row->endBox()), static_cast<QWidget*>(row->findChild<QLabel*>())})
            QVERIFY(part->isHidden());
        row->setPartsVisible(true);
        QVERIFY(!row->box()->isHidden());
        row->setPartsEnabled(false);
        QVERIFY(!row->box()->isEnabled());
        row->setPartsEnabled(true);
        QVERIFY(row->box()->isEnabled());
    }
};

QTEST_MAIN(ToleranceRangeTest)
#include "tolerance_range_test.moc"
