// The condition panels as a new user meets them: captions that say what a button does, chosen radios in
// bold, the 组选类型 tree laid out by type, hint lines, preset boxes that read as commands again after a
// choice, and values of a record not yet in use that answer a click instead of swallowing it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/catalogue/condition_catalogue.h"
#include "gui/editors/condition_panel.h"
#include "gui/widgets/ball_grid.h"

using p3::gui::ConditionPanel;

namespace {

std::unique_ptr<ConditionPanel> panelOf(int kind) {
    auto panel = std::make_unique<ConditionPanel>(*p3::core::kindSpec(kind), p3::gui::PanelServices{});
    panel->resize(900, 500);
    panel->show();
    return panel;
}

template <typename T> T* child(QWidget& w, const QString& name) {
    T* found = w.findChild<T*>(name);
    if (!found) qFatal("no child %s", qPrintable(name));
    return found;
}

} // namespace

class ConditionPanelTest : public QObject {
    Q_OBJECT
private slots:
    void sumPanelCaptionsAndPresetBox() {
        auto panel = panelOf(6);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        auto* all = child<QPushButton>(*panel, QStringLiteral("Tj_06_Grid_1_all"));
        auto* none = child<QPushButton>(*panel, QStringLiteral("Tj_06_Grid_1_none"));
        QCOMPARE(all->text(), QStringLiteral("全选"));
        QCOMPARE(none->text(), QStringLiteral("全清"));
        // The whole caption shows.
        QVERIFY(all->width() >= all->fontMetrics().horizontalAdvance(all->text()));
        auto* presets = child<QComboBox>(*panel, QStringLiteral("tmp_He_zhi"));
        bool labelled = false;
        for (QLabel* label : panel->findChildren<QLabel*>())
            if (label->buddy() == presets && !label->text().isEmpty()) labelled = true;
        QVERIFY(labelled);
        QCOMPARE(presets->placeholderText(), QStringLiteral("快选"));
        panel->mainBox(0)->setChecked(true);
        emit presets->activated(0); // 奇数
        QCOMPARE(panel->valueGrid(0)->chosenValues(),
                 (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27}));
        QCOMPARE(presets->currentIndex(), -1); // ready for the next choice
    }

    void chosenRadiosAreBold() {
        auto panel = panelOf(6);
        auto* keep = child<QRadioButton>(*panel, QStringLiteral("PCTj_Cmd_1_06_01_keep"));
        auto* exclude = child<QRadioButton>(*panel, QStringLiteral("PCTj_Cmd_1_06_01_exclude"));
        panel->mainBox(0)->setChecked(true);
        QVERIFY(keep->isChecked());
        QVERIFY(keep->font().bold());
        QVERIFY(!exclude->font().bold());
        exclude->click();
        QVERIFY(exclude->font().bold());
        QVERIFY(!keep->font().bold());
        // The count lists' repeat radios too.
        auto twoPosition = panelOf(19);
        auto* once = child<QRadioButton>(*twoPosition, QStringLiteral("P_Cmd_3_01_04_once"));
        auto* many = child<QRadioButton>(*twoPosition, QStringLiteral("P_Cmd_3_01_04_many"));
        QVERIFY(once->font().bold());
        twoPosition->mainBox(3)->setChecked(true);
        many->click();
        QVERIFY(many->font().bold() && !once->font().bold());
    }

    void groupTypesStandOnRowsOfTheirOwn() {
        auto panel = panelOf(1);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        const auto boxes = panel->optionBoxes(0);
        QCOMPARE(boxes.size(), std::size_t(8));
        auto rowOf = [&](int i) {
            return boxes[static_cast<std::size_t>(i)]->mapTo(panel.get(), QPoint(0, 0)).y();
        };
        auto columnOf = [&](int i) {
            return boxes[static_cast<std::size_t>(i)]->mapTo(panel.get(), QPoint(0, 0)).x();
        };
        // 豹子号 / 组三 带连号 不带连号 / 组六 顺子 半顺 杂六
        QVERIFY(rowOf(0) < rowOf(1));
        QCOMPARE(rowOf(2), rowOf(1));
        QCOMPARE(rowOf(3), rowOf(1));
        QVERIFY(rowOf(4) > rowOf(1));
        for (int sub : {5, 6, 7})
            QCOMPARE(rowOf(sub), rowOf(4));
        // The two types start their rows in the same column, their options to the right.
        QCOMPARE(columnOf(4), columnOf(1));
        QCOMPARE(columnOf(0), columnOf(1));
        QVERIFY(columnOf(5) > columnOf(4));
    }

    void hintsOfKinds21And24() {
        auto pairs = panelOf(21);
        QCOMPARE(child<QLabel>(*pairs, QStringLiteral("P_Cmd_3_03_hint"))->text(),
                 QStringLiteral("提示：只要号码的任意位合中含有一个组合在其中，便符合条件"));
        auto two = panelOf(24);
        QCOMPARE(child<QLabel>(*two, QStringLiteral("PCTj_Cmd_1_10_hint"))->text(),
                 QStringLiteral("提示：只要号码的任意一组二码组合在限定范围内就符合条件。"));
    }

    void aClickOnValuesNotInUseTakesTheRecordIntoUse() {
        auto panel = panelOf(7);
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        p3::gui::BallGrid* grid = panel->valueGrid(1);
        QVERIFY(!panel->mainBox(1)->isChecked());
        QVERIFY(!grid->isEnabled());
        // A cue says why the values do not answer yet.
        QString cue;
        for (QWidget* w = grid; w && w != panel.get() && cue.isEmpty(); w = w->parentWidget())
            cue = w->toolTip();
        QVERIFY(cue.contains(panel->mainBox(1)->text()));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(4).center());
        QVERIFY(panel->mainBox(1)->isChecked());
        QVERIFY(grid->isEnabled());
        // Now in use, a click chooses the value.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(4).center());
        QVERIFY(grid->isChosen(4));
        // The other records stay as they were.
        QVERIFY(!panel->mainBox(0)->isChecked());
    }
};

QTEST_MAIN(ConditionPanelTest)
#include "condition_panel_test.moc"
