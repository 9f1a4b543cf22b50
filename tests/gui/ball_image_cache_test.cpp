// Ball pictures: drawn by name family, chosen and unchosen cells told apart, files of the home override.
#include <QImage>
#include <QTest>
#include <fstream>

#include "common/test_paths.h"
#include "gui/widgets/ball_image_cache.h"

using p3::gui::BallImageCache;
using p3::gui::ballLookOf;

class BallImageCacheTest : public QObject {
    Q_OBJECT
private slots:
    void namesGiveFamilyAndText() {
        QCOMPARE(ballLookOf(QStringLiteral("Y3")).text, QStringLiteral("3"));
        QCOMPARE(ballLookOf(QStringLiteral("N3")).text, QStringLiteral("3"));
        QVERIFY(ballLookOf(QStringLiteral("N3")).flat);
        QVERIFY(!ballLookOf(QStringLiteral("Y3")).flat);
        QCOMPARE(ballLookOf(QStringLiteral("BlueD_7")).text, QStringLiteral("7"));
        QCOMPARE(ballLookOf(QStringLiteral("LanSe_A")).text, QStringLiteral("A"));
        QCOMPARE(ballLookOf(QStringLiteral("qin_d")).text, QStringLiteral("d"));
        // Same family, same colour; different families, different colours.
        QCOMPARE(ballLookOf(QStringLiteral("BlueD_1")).colour, ballLookOf(QStringLiteral("BlueD_9")).colour);
        QVERIFY(ballLookOf(QStringLiteral("BlueD_1")).colour != ballLookOf(QStringLiteral("Y1")).colour);
        QVERIFY(ballLookOf(QStringLiteral("qin_d")).colour != ballLookOf(QStringLiteral("Y1")).colour);
        // A name outside the families still gets a ball with its last character.
        QCOMPARE(ballLookOf(QStringLiteral("Zzz9")).text, QStringLiteral("9"));
    }

    void chosenAndUnchosenCellsDiffer() {
        BallImageCache cache;
        const QImage chosen = cache.image(QStringLiteral("Y3"), 24).toImage();
        const QImage unchosen = cache.image(QStringLiteral("N3"), 24).toImage();
        QCOMPARE(chosen.size(), QSize(24, 24));
        QVERIFY(chosen != unchosen);
        // Compare the body colour near the rim, away from the text: red against pale.
        const QColor red = chosen.pixelColor(12, 20);
        const QColor pale = unchosen.pixelColor(12, 20);
        QVERIFY(red.red() > red.blue() + 60);
        QVERIFY(pale.lightness() > 180);
        // The corners stay transparent, so the ball sits on any cell background.
        QCOMPARE(chosen.pixelColor(0, 0).alpha(), 0);
        // Sizes are kept apart.
        QCOMPARE(cache.image(QStringLiteral("Y3"), 16).size(), QSize(16, 16));
    }

    void homeFilesOverrideTheDrawnBall() {
        p3::test::ScratchDir dir("balls");
        std::filesystem::create_directories(dir.path() / "Qiu" / "GuoLv");
        QImage green(10, 10, QImage::Format_RGB32);
        green.fill(QColor(0, 200, 0));
        QVERIFY(
            green.save(QString::fromStdString((dir.path() / "Qiu" / "GuoLv" / "Y3.bmp").string()), "BMP"));
        QImage blue(10, 10, QImage::Format_RGB32);
        blue.fill(QColor(0, 0, 200));
        QVERIFY(blue.save(QString::fromStdString((dir.path() / "Qiu" / "Y3.bmp").string()), "BMP"));
        QVERIFY(blue.save(QString::fromStdString((dir.path() / "Qiu" / "BlueD_7.bmp").string()), "BMP"));
        std::ofstream(dir.path() / "Qiu" / "N5.bmp") << "not a picture";

        BallImageCache cache;
        cache.fill(dir.path());
        QVERIFY(cache.hasFile(QStringLiteral("Y3")));
        QVERIFY(cache.hasFile(QStringLiteral("BlueD_7")));
        QVERIFY(!cache.hasFile(QStringLiteral("N5")));
        // The picker folder wins over Qiu/ for the same name.
        QCOMPARE(cache.image(QStringLiteral("Y3"), 20).toImage().pixelColor(10, 10), QColor(0, 200, 0));
        QCOMPARE(cache.image(QStringLiteral("BlueD_7"), 20).toImage().pixelColor(10, 10), QColor(0, 0, 200));
        // An unreadable file is skipped: the drawn ball stands in.
        QVERIFY(!cache.image(QStringLiteral("N5"), 20).isNull());
        // A file that appears after the scan is found when asked for.
        QVERIFY(!cache.hasFile(QStringLiteral("LanSe_A")));
        QVERIFY(green.save(QString::fromStdString((dir.path() / "Qiu" / "LanSe_B.bmp").string()), "BMP"));
        QCOMPARE(cache.image(QStringLiteral("LanSe_B"), 12).toImage().pixelColor(6, 6), QColor(0, 200, 0));
        // A missing folder is no error.
        BallImageCache empty;
        empty.fill(dir.path() / "nowhere");
        QCOMPARE(empty.fileCount(), 0);
    }
};

QTEST_MAIN(BallImageCacheTest)
#include "ball_image_cache_test.moc"
