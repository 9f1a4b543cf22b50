// Ball pictures: drawn by name family, chosen and unchosen cells told apart, files of the home override.
#include <QImage>
#include <QTest>
#include <fstream>

#include <QSet>
#include <set>

#include "common/test_paths.h"
#include "core/charts/chart_catalogue.h"
#include "core/history/draw_text_file.h"
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
        // Whole names mark a class and read as its word, never as the file-name stub.
        QCOMPARE(ballLookOf(QStringLiteral("qin_d")).text, QStringLiteral("大"));
        QCOMPARE(ballLookOf(QStringLiteral("qin_Dm")).text, QStringLiteral("奇"));
        QCOMPARE(ballLookOf(QStringLiteral("qin_S")).text, QStringLiteral("偶"));
        QCOMPARE(ballLookOf(QStringLiteral("Qin_Z")).text, QStringLiteral("质"));
        QCOMPARE(ballLookOf(QStringLiteral("Qin_fu")).text, QStringLiteral("复"));
        // A position difference reads as the difference of its cell.
        QCOMPARE(ballLookOf(QStringLiteral("qin_wz"), QStringLiteral("-3")).text, QStringLiteral("-3"));
        // Families whose names share a beginning stay apart.
        QCOMPARE(ballLookOf(QStringLiteral("B_GreenD_12")).family, QStringLiteral("B_GreenD_"));
        QCOMPARE(ballLookOf(QStringLiteral("B_GreenD_12")).text, QStringLiteral("12"));
        QCOMPARE(ballLookOf(QStringLiteral("Qinx_a")).family, QStringLiteral("Qinx_"));
        QCOMPARE(ballLookOf(QStringLiteral("Qin_a")).family, QStringLiteral("Qin_"));
        QCOMPARE(ballLookOf(QStringLiteral("Green_4")).family, QStringLiteral("Green_"));
        // Same family, same colour; different families, different colours.
        QCOMPARE(ballLookOf(QStringLiteral("BlueD_1")).colour, ballLookOf(QStringLiteral("BlueD_9")).colour);
        QVERIFY(ballLookOf(QStringLiteral("BlueD_1")).colour != ballLookOf(QStringLiteral("Y1")).colour);
        QVERIFY(ballLookOf(QStringLiteral("qin_d")).colour != ballLookOf(QStringLiteral("Y1")).colour);
        // A name outside the families still gets a ball with its last character.
        QCOMPARE(ballLookOf(QStringLiteral("Zzz9")).text, QStringLiteral("9"));
        QVERIFY(!ballLookOf(QStringLiteral("Zzz9")).known);
    }

    // The charts write a mark as the header of its column ("大", "7", "a"); the drawn ball must read the
    // same, for every ball the chart catalogue paints over real histories of three and five digits.
    void everyChartBallIsKnownAndReadsAsItsCell() {
        std::set<QString> families;
        int balls = 0;
        for (const char* file : {"fc3d.txt", "pl5.txt"}) {
            auto parsed = p3::core::readDrawTextFile(std::string(P3_SAMPLES_DIR) + "/" + file, 0);
            QVERIFY(parsed.has_value());
            p3::core::DrawList draws = parsed->draws;
            draws.erase(draws.begin(), draws.end() - 400);
            for (int kind = 1; kind <= 41; ++kind) {
                auto grid = p3::core::BuildChart(kind, draws);
                if (!grid) continue; // kinds that do not exist
                for (int row = 0; row < grid->rowCount(); ++row)
                    for (int column = 0; column < grid->columnCount(); ++column) {
                        std::string name = grid->ballImage(row, column);
                        if (name.empty()) continue;
                        QVERIFY(name.ends_with(".bmp"));
                        name.resize(name.size() - 4);
                        const QString ball = QString::fromStdString(name);
                        const QString text = QString::fromStdString(grid->text(row, column));
                        const auto look = ballLookOf(ball, text);
                        if (!look.known || look.text != text)
                            QFAIL(qPrintable(QStringLiteral("chart %1 ball %2 reads %3 for cell %4")
                                                 .arg(kind)
                                                 .arg(ball, look.text, text)));
                        families.insert(look.family);
                        ++balls;
                    }
            }
        }
        QVERIFY(balls > 10000);
        for (const char* family :
             {"Red_", "B_GreenD_", "Green_", "Qinx_", "qin_wz", "qin_Dm", "qin_S", "qin_d", "qin_x", "Qin_Z",
              "Qin_H", "Qin_fu", "qin_ge", "qin_zh", "BlueD_", "LanSe_"})
            QVERIFY2(families.count(QString::fromLatin1(family)), family);
    }

    // A digit drawn twice is promised red in the group chart; the families the issue found drifting
    // into arbitrary colours have colours of their own.
    void repeatedDigitsAreRedAndFamiliesKeepTheirColours() {
        const QColor red = ballLookOf(QStringLiteral("Red_3")).colour;
        QVERIFY(red.hue() <= 10 || red.hue() >= 350);
        QVERIFY(red.saturation() > 150);
        QCOMPARE(red, ballLookOf(QStringLiteral("Y3")).colour);
        const QColor darkGreen = ballLookOf(QStringLiteral("B_GreenD_3")).colour;
        const QColor green = ballLookOf(QStringLiteral("Green_3")).colour;
        QVERIFY(darkGreen.hue() > 90 && darkGreen.hue() < 150);
        QVERIFY(green.hue() > 80 && green.hue() < 150);
        QVERIFY(darkGreen != green);
        // The colour is the family's, whatever the value.
        QCOMPARE(ballLookOf(QStringLiteral("Qinx_a")).colour, ballLookOf(QStringLiteral("Qinx_J")).colour);
        QCOMPARE(ballLookOf(QStringLiteral("Green_0")).colour, ballLookOf(QStringLiteral("Green_3")).colour);
        // The drawn ball of a repeated digit is red in its body.
        const QImage ball = BallImageCache::drawBall(QStringLiteral("Red_5"), 24).toImage();
        const QColor body = ball.pixelColor(12, 20);
        QVERIFY(body.red() > body.blue() + 60 && body.red() > body.green() + 60);
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
