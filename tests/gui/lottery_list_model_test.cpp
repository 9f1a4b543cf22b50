// The lottery list of TF_SelectCP as a model: its columns, numbering after a removal, and the source
// column as the one cell that changes.
#include <QSignalSpy>
#include <QTest>

#include "gui/data/lottery_list_model.h"

using p3::gui::LotteryListModel;
using p3::gui::LotteryRow;

namespace {

LotteryRow row(const char* name, const char* kind, std::int64_t id, int digits, const char* source) {
    return {p3::core::LotteryInfo{name, kind, id, digits}, QString::fromLatin1(source)};
}

QString text(const LotteryListModel& model, int r, int c) {
    return model.index(r, c).data().toString();
}

} // namespace

class LotteryListModelTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryColumnAndNumbersFromOne() {
        LotteryListModel model;
        model.setRows({row("3D", "福彩", 1, 3, "cwl"), row("P3", "体彩", 1, 3, "server")});
        model.appendRow(row("Star", "福彩", 7, 4, "lines"));
        QCOMPARE(model.columnCount(), 6);
        const QStringList headers{"序号", "彩票名称", "类别", "唯1标识码", "号码个数", "数据来源"};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers[c]);
        QCOMPARE(text(model, 0, 0), QStringLiteral("1"));
        QCOMPARE(text(model, 2, 0), QStringLiteral("3"));
        const QStringList third{"3", "Star", "福彩", "7", "4", "lines"};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(text(model, 2, c), third[c]);
        QCOMPARE(model.names(), QStringList({"3D", "P3", "Star"}));
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsSelectable);
    }

    void removalRenumbersTheRowsBelow() {
        LotteryListModel model;
        model.setRows({row("A", "体彩", 1, 3, "server"), row("B", "体彩", 2, 3, "server"),
                       row("C", "体彩", 3, 3, "server")});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.removeRows(0, 1));
        QCOMPARE(model.names(), QStringList({"B", "C"}));
        QCOMPARE(text(model, 0, 0), QStringLiteral("1"));
        QCOMPARE(text(model, 1, 0), QStringLiteral("2"));
        QCOMPARE(changed.count(), 1); // the numbers below were redrawn
        QVERIFY(!model.removeRows(2, 1));
        QVERIFY(!model.removeRows(-1, 1));
        model.appendRow(row("D", "福彩", 4, 5, "lines"));
        QCOMPARE(text(model, 2, 0), QStringLiteral("3")); // never a second "2"
    }

    void onlyTheSourceChanges() {
        LotteryListModel model;
        model.setRows({row("A", "体彩", 1, 3, "server")});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("Z")));
        QVERIFY(!model.setData(model.index(0, 5), QStringLiteral("server"))); // what it has
        QVERIFY(!model.setData(model.index(0, 5), QString()));
        QVERIFY(!model.setData(model.index(0, 5), QStringLiteral("cwl"), Qt::CheckStateRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.setData(model.index(0, 5), QStringLiteral("sporttery")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(text(model, 0, 5), QStringLiteral("sporttery"));
        QCOMPARE(text(model, 0, 1), QStringLiteral("A"));
        QCOMPARE(model.rows()[0].info.name, std::string("A"));
    }
};

QTEST_MAIN(LotteryListModelTest)
#include "lottery_list_model_test.moc"
