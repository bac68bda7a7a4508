#include "Monkey.h"
#include "SaveFiles.h"
#include "app/Game.h"
#include "ui/ScreenModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The random player on the whole game: a short seeded run that must break no rule and must get
// somewhere (hands, transfers, prizes), replays that mean what they meant, and a planted fault
// that the checks find and the shortener boils down to the few steps that cause it.
class MonkeyTest : public QObject {
    Q_OBJECT

  private:
    static QString report(quint32 seed, const monkey::Result& result) {
        const monkey::Failure& f = *result.failure;
        QString text = QStringLiteral("seed %1 step %2: %3: %4\nshortest replay:\n")
                           .arg(seed)
                           .arg(f.step)
                           .arg(f.check, f.detail);
        for (const monkey::Step& step : monkey::shrink(result.steps, f.check, 30))
            text += QStringLiteral("  ") + monkey::toLine(step) + QLatin1Char('\n');
        return text;
    }

    monkey::Figures total_;

  private slots:
    void shortRun_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<qint64>("steps");
        QTest::newRow("seed 1") << quint32(1) << qint64(10000);
        QTest::newRow("seed 2") << quint32(2) << qint64(10000);
    }

    void shortRun() {
        QFETCH(quint32, seed);
        QFETCH(qint64, steps);
        QTemporaryDir dir;
        QVERIFY(monkey::prepareProgramFolder(dir.path()));
        monkey::Monkey player(dir.path());
        const monkey::Result result = player.play(seed, steps);
        qInfo("seed %u: %lld steps, %lld checks, %lld runs, %lld hands, %lld prizes, "
              "%lld transfers, %lld caps",
              seed, result.figures.steps, result.figures.checks, result.figures.runs,
              result.figures.hands, result.figures.prizes, result.figures.transfers,
              result.figures.caps);
        QVERIFY2(!result.failure, qPrintable(report(seed, result)));
        QCOMPARE(result.figures.steps, steps);
        total_.hands += result.figures.hands;
        total_.prizes += result.figures.prizes;
        total_.transfers += result.figures.transfers;
        total_.runs += result.figures.runs;
        total_.caps += result.figures.caps;
    }

    // A run that never leaves the main menu proves nothing: the short run must play hands at
    // both tables, move money at the bank up to its cap, win a tournament and end the program
    // and start it again.
    void shortRunGetsAround() {
        QVERIFY2(total_.hands >= 100, qPrintable(QString::number(total_.hands)));
        QVERIFY(total_.transfers >= 10);
        QVERIFY(total_.prizes >= 1);
        QVERIFY(total_.caps >= 1);
        QVERIFY(total_.runs >= 3);
    }

    void replayEndsWhereTheRunEnded() {
        QTemporaryDir first;
        QVERIFY(monkey::prepareProgramFolder(first.path()));
        monkey::Settings keep;
        keep.keepSteps = true;
        monkey::Monkey player(first.path(), keep);
        const monkey::Result run = player.play(7, 1500);
        QVERIFY(!run.failure);
        QCOMPARE(run.steps.size(), std::size_t{1500});
        const auto front = player.game()->screens().visibleScreen();

        // Through the text form, as a replay file carries the steps.
        std::vector<monkey::Step> steps;
        for (const monkey::Step& step : run.steps) {
            const auto back = monkey::fromLine(monkey::toLine(step));
            QVERIFY(back.has_value());
            steps.push_back(*back);
        }
        QTemporaryDir second;
        QVERIFY(monkey::prepareProgramFolder(second.path()));
        monkey::Monkey again(second.path());
        const monkey::Result replay = again.replay(steps);
        QVERIFY(!replay.failure);
        QCOMPARE(again.game()->screens().visibleScreen(), front);
        QCOMPARE(monkey::SaveFiles::read(second.path()).bytes,
                 monkey::SaveFiles::read(first.path()).bytes);
    }

    // A save file spoilt the moment the casino opens: the checks name the broken rule, and the
    // steps before it shrink to the handful that reach the casino.
    void plantedFaultIsFoundAndShortened() {
        monkey::Settings planted;
        planted.afterStep = [](app::Game& game, const QString& root) {
            if (!game.screens().isLoaded(ui::ScreenId::Test)) return;
            QFile file(root + QStringLiteral("/Files/TempFiles/CurrentMoney.txt"));
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write("abc\r\n");
        };
        QTemporaryDir dir;
        QVERIFY(monkey::prepareProgramFolder(dir.path()));
        monkey::Monkey player(dir.path(), planted);
        const monkey::Result result = player.play(3, 20000);
        QVERIFY(result.failure.has_value());
        QCOMPARE(result.failure->check, QStringLiteral("files"));
        QVERIFY(result.failure->detail.contains(QLatin1String("CurrentMoney.txt")));

        const auto shortest =
            monkey::shrink(result.steps, result.failure->check, 600, planted, 400);
        // New game, a slot (with a name typed), the casino picked, Go.
        QStringList steps;
        for (const monkey::Step& step : shortest)
            steps << monkey::describe(step);
        QVERIFY2(shortest.size() == 4, qPrintable(steps.join(QLatin1Char('\n'))));
        QVERIFY(monkey::isClickOn(shortest.back(), "Locations", "Go"));
        QTemporaryDir again;
        QVERIFY(monkey::prepareProgramFolder(again.path()));
        monkey::Monkey replayer(again.path(), planted);
        const monkey::Result replay = replayer.replay(shortest);
        QVERIFY(replay.failure.has_value());
        QCOMPARE(replay.failure->check, QStringLiteral("files"));
    }

    // The judge of save files, which every check of the disk leans on.
    void recordJudge_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("sound");
        QTest::newRow("100") << QByteArray("100\r\n") << false << true;
        QTest::newRow("0") << QByteArray("0\r\n") << false << true;
        QTest::newRow("-32768") << QByteArray("-32768\r\n") << false << true;
        QTest::newRow("32768") << QByteArray("32768\r\n") << false << false;
        QTest::newRow("leading zero") << QByteArray("0100\r\n") << false << false;
        QTest::newRow("minus zero") << QByteArray("-0\r\n") << false << false;
        QTest::newRow("no line end") << QByteArray("100") << false << false;
        QTest::newRow("bare LF") << QByteArray("100\n") << false << false;
        QTest::newRow("two records") << QByteArray("1\r\n2\r\n") << false << false;
        QTest::newRow("cut") << QByteArray("10\r") << false << false;
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("name") << QByteArray("\"Ann, Lee\"\r\n") << true << true;
        QTest::newRow("delivered marker") << QByteArray("(Nobody)\r\n") << true << true;
        QTest::newRow("Latin-1 name") << QByteArray("\"Zo\xeb\"\r\n") << true << true;
        QTest::newRow("inner quote") << QByteArray("\"A\"B\"\r\n") << true << false;
        QTest::newRow("unclosed") << QByteArray("\"Ann\r\n") << true << false;
        QTest::newRow("unquoted comma") << QByteArray("Ann, Lee\r\n") << true << false;
        QTest::newRow("tab") << QByteArray("\"A\tB\"\r\n") << true << false;
    }

    void recordJudge() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, text);
        QFETCH(bool, sound);
        QCOMPARE(!monkey::recordFault(bytes, text).has_value(), sound);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
