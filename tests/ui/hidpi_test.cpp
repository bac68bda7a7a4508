// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/PictureStore.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// On a high-density screen a picture is painted from its "@2x" file, in the same place and at
// the same size as its 1x file; without that file the 1x picture is enlarged instead. A picture
// file replaced since it was read (green) is read again.
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
        // The 1x picture replaced since its sharp copy was drawn: the new picture, enlarged.
        QTest::newRow("2x screen, 1x file newer") << 2.0 << true << QColor(Qt::green);
        // Replaced by another of the same size, its time set back as a copy keeps it.
        QTest::newRow("1x file replaced, time kept") << 1.0 << false << QColor(Qt::green);
    }
    void picturesFollowTheScreensDensity() {
        QFETCH(qreal, ratio);
        QFETCH(bool, sharpFileThere);
        QFETCH(QColor, seen);
        QTemporaryDir dir;
        const QString path = dir.filePath("Back.bmp");
        QImage one(4, 3, QImage::Format_RGB32), two(8, 6, QImage::Format_RGB32);
        one.fill(Qt::red);
        two.fill(Qt::blue);
        QVERIFY(one.save(path));
        if (sharpFileThere) QVERIFY(two.save(dir.filePath("Back@2x.bmp")));
        if (seen == Qt::green) {
            const auto setTime = [&path](const QDateTime& time) {
                QFile file(path);
                return file.open(QIODevice::ReadWrite) &&
                       file.setFileTime(time, QFileDevice::FileModificationTime);
            };
            const QDateTime written = QFileInfo(path).lastModified();
            ui::PictureSource before; // read once before it is replaced
            QVERIFY(setTime(written) && (sharpFileThere || before.load(path, ratio)));
            one.fill(Qt::green);
            QVERIFY(one.save(path) && setTime(sharpFileThere ? written.addSecs(60) : written));
        }
        ui::PictureSource picture;
        QVERIFY(picture.load(path, ratio));
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
};

QTEST_MAIN(HidpiTest)
#include "hidpi_test.moc"
