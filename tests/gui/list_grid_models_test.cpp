// The list grid models: what each column shows, flags set through setData by each list's own rule,
// rows added and removed, and the delegate flipping a flag on a click anywhere in its cell.
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "core/tools/set_tool.h"
#include "gui/editors/record_list_model.h"
#include "gui/shrink/shrink_list_models.h"
#include "gui/tools/set_list_model.h"
#include "gui/widgets/ball_cell_model.h"
#include "gui/widgets/list_grid_view.h"
#include "gui_fixture.h"

using namespace p3;
using gui::ListGridModel;

namespace {

QStringList headers(const QAbstractItemModel& model) {
    QStringList out;
    for (int c = 0; c < model.columnCount(); ++c)
        out << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

QVariant at(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole) {
    return model.index(row, column).data(role);
}

bool checked(const QAbstractItemModel& model, int row, int column) {
    return at(model, row, column, Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
}

core::ConditionLine conditionLine(const char* use, const char* keyword, const char* keep,
                                  const char* tolerant) {
    core::ConditionLine line;
    line.use = use;
    line.keyword = keyword;
    line.counts = "1|0|无设置";
    line.content = std::string(keyword) + "~5~1~0&";
    line.keep = keep;
    line.tolerant = tolerant;
    return line;
}

} // namespace

class ListGridModelsTest : public QObject {
    Q_OBJECT
private slots:
    void conditionListShowsAndFlipsByTheLinesRule() {
        core::ConditionList lines{conditionLine("1", "和值", "1", "0"), conditionLine("2", "跨度", "0", "1")};
        // The list is kept elsewhere (the workbench): flags reach it through the keeper's edit.
        int edits = 0;
        auto* model = gui::makeConditionListModel(
            lines,
            [&](const auto& change) {
                ++edits;
                change(lines);
            },
            this);
        QCOMPARE(headers(*model), (QStringList{"序号", "使用", "条件名", "条件数|容错数|本级容错", "保留",
                                               "容错", "条件内容"}));
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(at(*model, 1, 0).toString(), QStringLiteral("2"));
        QCOMPARE(at(*model, 1, 2).toString(), QStringLiteral("跨度"));
        QCOMPARE(at(*model, 0, 3).toString(), QStringLiteral("1|0|无设置"));
        QCOMPARE(at(*model, 0, 6).toString(), QStringLiteral("和值~5~1~0&"));
        // A flag cell shows a check box and no text; "2" reads as set, as the filter's toggle treats it.
        QVERIFY(at(*model, 0, 1).toString().isEmpty());
        QVERIFY(checked(*model, 1, 1));
        QVERIFY(!checked(*model, 1, 4) && checked(*model, 1, 5));
        QVERIFY(model->flags(model->index(0, 4)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model->flags(model->index(0, 2)) & Qt::ItemIsUserCheckable));
        QVERIFY(!(model->flags(model->index(0, 2)) & Qt::ItemIsEditable));

        QSignalSpy flipped(model, &ListGridModel::flagChanged);
        // "2" cleared flips to "0"; asking for what the flag already is changes nothing.
        QVERIFY(model->setData(model->index(1, 1), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(lines[1].use, std::string("0"));
        QVERIFY(model->setData(model->index(1, 1), false, ListGridModel::FlagRole));
        QCOMPARE(lines[1].use, std::string("0"));
        QVERIFY(model->setData(model->index(0, 4), false, ListGridModel::FlagRole));
        QCOMPARE(lines[0].keep, std::string("0"));
        QVERIFY(model->setData(model->index(0, 5), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(lines[0].tolerant, std::string("1"));
        QCOMPARE(flipped.count(), 3);
        QCOMPARE(edits, 3);
        QCOMPARE(flipped.at(1), (QVariantList{0, 4}));
        // Text cells are not set.
        QVERIFY(!model->setData(model->index(0, 2), QStringLiteral("x"), Qt::EditRole));
        QCOMPARE(lines[0].keyword, std::string("和值"));

        // A line kept verbatim (a row the program cannot read) keeps its flags.
        lines[0].verbatim = {"未知条件 kept as read"};
        QVERIFY(!model->setData(model->index(0, 1), false, ListGridModel::FlagRole));
        QCOMPARE(lines[0].use, std::string("1"));
        QCOMPARE(flipped.count(), 3);

        // The keeper changed the list itself: the same rows are shown anew in place (a view keeps
        // the rows chosen), a list of another length is a new list.
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        lines[1].keyword = "和值尾";
        model->reload();
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(at(*model, 1, 2).toString(), QStringLiteral("和值尾"));
        lines.push_back(conditionLine("1", "奇偶", "1", "0"));
        QCOMPARE(model->rowCount(), 2); // not told yet: the views still see two rows
        model->reload();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->rowCount(), 3);
        // A shared list's rows change only through its keeper.
        model->append(conditionLine("1", "大小", "1", "0"));
        model->eraseRows({0});
        QCOMPARE(lines.size(), std::size_t(3));
    }

    void listRowsAddedRemovedAndNumberedAnew() {
        std::vector<std::string> bets{"000", "111", "222", "333", "444"};
        auto* model = gui::makeBetListModel(bets, this);
        QCOMPARE(headers(*model), (QStringList{"序号", "投注号码"}));
        model->append("555");
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(at(*model, 5, 1).toString(), QStringLiteral("555"));
        // Rows named in any order, twice, or past the end.
        model->eraseRows({3, 0, 3, 9, -1});
        QCOMPARE(bets, (std::vector<std::string>{"111", "222", "444", "555"}));
        QCOMPARE(at(*model, 2, 0).toString(), QStringLiteral("3"));
        QCOMPARE(at(*model, 2, 1).toString(), QStringLiteral("444"));
        model->replace(0, "999");
        QCOMPARE(at(*model, 0, 1).toString(), QStringLiteral("999"));
        model->setList({});
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(bets.empty());
    }

    void intersectionAndStagingAreas() {
        std::vector<core::IntersectionEntry> entries(1);
        entries[0].name = "D3";
        entries[0].series = 3;
        entries[0].numbers = {"123", "456"};
        auto* model = gui::makeEntryListModel(entries, this);
        QCOMPARE(headers(*model),
                 (QStringList{"序号", "使用", "交集名称", "星轨参数", "注数", "保留", "容错"}));
        QCOMPARE(at(*model, 0, 2).toString(), QStringLiteral("D3"));
        QCOMPARE(at(*model, 0, 3).toString(), QStringLiteral("星轨3"));
        QCOMPARE(at(*model, 0, 4).toString(), QStringLiteral("2"));
        // A new entry is used, kept and not tolerant.
        QVERIFY(checked(*model, 0, 1) && checked(*model, 0, 5) && !checked(*model, 0, 6));
        QVERIFY(model->setData(model->index(0, 6), true, ListGridModel::FlagRole));
        QVERIFY(model->setData(model->index(0, 5), false, ListGridModel::FlagRole));
        QCOMPARE(entries[0].tolerant, std::string("1"));
        QCOMPARE(entries[0].keep, std::string("0"));
        QCOMPARE(entries[0].use, std::string("1"));

        std::vector<core::StagedList> staged(2);
        staged[1].name = "S1";
        staged[1].numbers = {"1", "2", "3"};
        auto* stagedModel = gui::makeStagedListModel(staged, this);
        QCOMPARE(headers(*stagedModel), (QStringList{"序号", "使用", "名称", "注数"}));
        QCOMPARE(at(*stagedModel, 1, 3).toString(), QStringLiteral("3"));
        QVERIFY(stagedModel->setData(stagedModel->index(1, 1), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(staged[1].use, std::string("0"));
        QCOMPARE(staged[0].use, std::string("1"));
    }

    void setListShowsFlagsAsDigits() {
        core::SetList sets;
        sets.add({"A", {"123", "456"}, true, true, false});
        sets.add({"B", {"456"}, true, true, false});
        gui::SetListModel model(sets);
        QCOMPARE(headers(model), (QStringList{"序号", "运算", "名称", "注数", "保留", "容错"}));
        QCOMPARE(at(model, 1, 0).toString(), QStringLiteral("2"));
        QCOMPARE(at(model, 0, 1).toString(), QStringLiteral("1"));
        QCOMPARE(at(model, 0, 5).toString(), QStringLiteral("0"));
        QCOMPARE(at(model, 0, 3).toString(), QStringLiteral("2"));
        // No check boxes here; every cell but the name is centred.
        QVERIFY(!at(model, 0, 4, Qt::CheckStateRole).isValid());
        QCOMPARE(at(model, 0, 4, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        QVERIFY(!at(model, 0, 2, Qt::TextAlignmentRole).isValid());
        QVERIFY(model.setData(model.index(1, 4), false, ListGridModel::FlagRole));
        QVERIFY(model.setData(model.index(0, 5), true, ListGridModel::FlagRole));
        QCOMPARE(at(model, 1, 4).toString(), QStringLiteral("0"));
        QVERIFY(!sets.sets()[1].keep && sets.sets()[0].tolerate && sets.sets()[0].keep);
        // Keep "0" on B: A without B.
        QCOMPARE(sets.intersect(std::nullopt).value(), (std::vector<std::string>{"123"}));
    }

    void recordRowsFlipTheUseFlagInsideTheValue() {
        std::vector<core::RecordState> rows{{true, "1^0123/456/789^23", true, false},
                                            {true, "0^5/6/7^3", false, true}};
        auto* position = gui::makeRecordListModel(rows, true, this);
        QCOMPARE(headers(*position), (QStringList{"序号", "使用", "内容", "正确位置", "保留", "容错"}));
        QCOMPARE(at(*position, 0, 2).toString(), QStringLiteral("0123/456/789"));
        QCOMPARE(at(*position, 1, 3).toString(), QStringLiteral("3"));
        QVERIFY(checked(*position, 0, 1) && !checked(*position, 1, 1));
        QVERIFY(position->setData(position->index(0, 1), false, ListGridModel::FlagRole));
        QCOMPARE(rows[0].value, std::string("0^0123/456/789^23"));
        QVERIFY(position->setData(position->index(1, 5), false, ListGridModel::FlagRole));
        QVERIFY(!rows[1].tolerant && !rows[1].keep);

        std::vector<core::RecordState> groups{{true, "1^0257^12^1", true, false}};
        auto* group = gui::makeRecordListModel(groups, false, this);
        QCOMPARE(headers(*group),
                 (QStringList{"序号", "使用", "号码组", "中出个数", "算1个", "保留", "容错"}));
        QCOMPARE(at(*group, 0, 4).toString(), QStringLiteral("1"));
        QVERIFY(group->setData(group->index(0, 5), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!groups[0].keep);
        QCOMPARE(groups[0].value, std::string("1^0257^12^1"));
    }

    void aClickAnywhereInAFlagCellFlipsIt() {
        std::vector<core::IntersectionEntry> entries(2);
        QWidget window;
        auto* model = gui::makeEntryListModel(entries, &window);
        QTableView& view = *gui::makeListGrid(&window, QStringLiteral("entries"), model);
        view.resize(500, 200);
        window.resize(500, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The far corner of the 容错 cell, away from the check box itself.
        const QRect tolerant = view.visualRect(model->index(1, 6));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, tolerant.bottomRight() - QPoint(2, 2));
        QCOMPARE(entries[1].tolerant, std::string("1"));
        QCOMPARE(entries[0].tolerant, std::string("0"));
        QCOMPARE(view.currentIndex().row(), 1);
        // A text cell is only chosen.
        test::clickCell(&view, 0, 2);
        QCOMPARE(entries[0].use, std::string("1"));
        QCOMPARE(view.currentIndex().row(), 0);
        // Pressed in one cell and let go in another is no click.
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, view.visualRect(model->index(0, 1)).center());
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {},
                            view.visualRect(model->index(0, 5)).center());
        QCOMPARE(entries[0].use, std::string("1"));
        QCOMPARE(entries[0].keep, std::string("1"));
        // The right button chooses but does not flip.
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.visualRect(model->index(0, 1)).center());
        QCOMPARE(entries[0].use, std::string("1"));
        test::clickCell(&view, 0, 1);
        QCOMPARE(entries[0].use, std::string("0"));
    }

    void ballCellsFlipOrPickThroughSetData() {
        // 18 values 15 a row, as the value grid of a kind whose values go up to 17.
        gui::BallCellModel many(15, 18, gui::BallCellModel::Choice::Many);
        QCOMPARE(many.rowCount(), 2);
        QCOMPARE(many.columnCount(), 15);
        QCOMPARE(many.valueAt(many.index(1, 1)), 16);
        QCOMPARE(many.indexOf(17), many.index(1, 2));
        QCOMPARE(at(many, 1, 2).toString(), QStringLiteral("N17"));
        // Cells past the last value are blank and cannot be chosen.
        QCOMPARE(many.valueAt(many.index(1, 3)), -1);
        QVERIFY(!at(many, 1, 3).isValid());
        QCOMPARE(many.flags(many.index(1, 3)), Qt::NoItemFlags);
        QVERIFY(!many.setData(many.index(1, 3), true, ListGridModel::FlagRole));

        QSignalSpy byUser(&many, &gui::BallCellModel::chosenByUser);
        many.setChosen(4, true); // the program's choice is not the user's
        QCOMPARE(byUser.count(), 0);
        QCOMPARE(at(many, 0, 4).toString(), QStringLiteral("Y4"));
        QVERIFY(many.setData(many.index(1, 0), true, ListGridModel::FlagRole));
        QVERIFY(many.setData(many.index(0, 4), false, ListGridModel::FlagRole));
        QCOMPARE(byUser.count(), 2);
        QCOMPARE(byUser.at(0), QVariantList{15});
        QCOMPARE(many.chosenValues(), std::vector<int>{15});
        many.setAllChosen(true);
        QCOMPARE(many.chosenValues().size(), std::size_t(18));

        gui::BallCellModel one(10, 10, gui::BallCellModel::Choice::One);
        QSignalSpy picked(&one, &gui::BallCellModel::chosenByUser);
        QVERIFY(one.setData(one.index(0, 3), true, ListGridModel::FlagRole));
        QVERIFY(one.setData(one.index(0, 5), true, ListGridModel::FlagRole));
        QCOMPARE(one.chosenValues(), std::vector<int>{5});
        // Picked again (the delegate asks for "not chosen" on a chosen cell): it stays picked and is told.
        QVERIFY(one.setData(one.index(0, 5), false, ListGridModel::FlagRole));
        QCOMPARE(one.chosenValues(), std::vector<int>{5});
        QCOMPARE(picked.count(), 3);
        QCOMPARE(one.cellName(5), QStringLiteral("Y5"));
        QCOMPARE(one.cellName(3), QStringLiteral("N3"));
    }
};

QTEST_MAIN(ListGridModelsTest)
#include "list_grid_models_test.moc"
