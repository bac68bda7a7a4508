#include "ui/Picture.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// On a high-density screen a picture is painted from its "@2x" file, in the same place and at
// the same size as its 1x file; without that file the 1x picture is enlarged instead.
class HidpiTest : public QObject {
    Q_OBJECT
private slots:
    void picturesFollowTheScreensDensity_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("sharpFileThere");
        QTest::addColumn<QColor>("seen");
        QTest::newRow("1x screen keeps the 1x file") << 1.0 << true << QColor(Qt::red);
        QTest::newRow("2x screen takes the 2x file") << 2.0 << true << QColor(Qt::blue);
        QTest::newRow("2x screen, 2x file missing") << 2.0 << false << QColor(Qt::red);
    }
    void picturesFollowTheScreensDensity() {
        QFETCH(qreal, ratio);
        QFETCH(bool, sharpFileThere);
        QFETCH(QColor, seen);
        QTemporaryDir dir;
        QImage one(4, 3, QImage::Format_RGB32), two(8, 6, QImage::Format_RGB32);
        one.fill(Qt::red);
        two.fill(Qt::blue);
        QVERIFY(one.save(dir.filePath("Back.png")));
        if (sharpFileThere) QVERIFY(two.save(dir.filePath("Back@2x.png")));

        ui::PictureSource picture;
        QVERIFY(picture.load(dir.filePath("Back.png"), ratio));
        QCOMPARE(picture.naturalSize(), QSize(4, 3));
        QImage screen(QSize(4, 3) * ratio, QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        {
            QPainter painter(&screen);
            picture.paint(painter, QRect(0, 0, 4, 3));
        }
        QCOMPARE(screen.pixelColor(0, 0), seen);
        QCOMPARE(screen.pixelColor(screen.width() - 1, screen.height() - 1), seen);
    }

    // Pictures read ahead on a thread of their own are the ones shown, whichever thread comes
    // to each first.
    void picturesReadAhead() {
        QTemporaryDir dir;
        QStringList paths;
        for (int k = 0; k < 8; ++k) {
            QImage image(10 + k, 10, QImage::Format_RGB32);
            image.fill(QColor(30 * k, 0, 0));
            paths << dir.filePath(QStringLiteral("P%1.png").arg(k));
            QVERIFY(image.save(paths.last()));
        }
        ui::readPicturesAhead(paths);
        for (int k : {7, 0, 3, 1, 2, 4, 6, 5}) {
            ui::PictureSource picture;
            QVERIFY(picture.load(paths[k]));
            QCOMPARE(picture.naturalSize(), QSize(10 + k, 10));
        }
    }
};

QTEST_MAIN(HidpiTest)
#include "hidpi_test.moc"
