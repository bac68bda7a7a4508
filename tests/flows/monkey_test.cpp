// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Monkey.h"

// The random player on the whole game: short seeded runs that break no rule and get around.
class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void shortRuns() {
        std::array<qint64, 6> all{};
        for (quint32 seed : {1u, 2u}) {
            QTemporaryDir dir;
            Monkey monkey(dir.path(), seed);
            const QString failure = monkey.play(5000);
            QVERIFY2(failure.isEmpty(), qPrintable(QString::number(seed) + " " + failure));
            for (int i = 0; i < 6; ++i)
                all[i] += monkey.figures[i];
        }
        // A run that never gets past the main menu proves nothing.
        QVERIFY(all[Monkey::Runs] >= 3 && all[Monkey::Hands] >= 100);
        QVERIFY(all[Monkey::Transfers] >= 10 && all[Monkey::Prizes] >= 1);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
