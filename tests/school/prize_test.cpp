#include "support/SchoolHelpers.h"
#include "support/TestGame.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

namespace {

const char* const SlotMoneyFile = "\\Files\\Slot2\\Money.txt";

// Five won rounds and the Continue after them; returns what that Continue said.
QStringList winTournament(TestGame& t) {
    auto* table = tournament::enter(t);
    if (!table) return {QStringLiteral("no tournament table")};
    for (int round = 1; round <= 5; ++round)
        tournament::playHand(t, table, 'W');
    TestGame::click(table->cmdContinue);
    return t.dialogs.takeMessages();
}

QStringList endedWith(const QString& prizeMessage) {
    QStringList told = tournament::prizeMessages();
    told[1] = prizeMessage;
    return told;
}

} // namespace

class PrizeTest : public QObject {
    Q_OBJECT

  private slots:
    void prizeGoesIntoBothMoneyFiles_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("money");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("told");
        const QString paid = QStringLiteral("Here's your $200.");
        QTest::newRow("no cap at 9999") << 1 << 9949 << QByteArray("10149\r\n") << paid;
        QTest::newRow("in debt") << 3 << -500 << QByteArray("-300\r\n") << paid;
        QTest::newRow("just fits") << 2 << 32567 << QByteArray("32767\r\n") << paid;
        QTest::newRow("capped near the top")
            << 2 << 32600 << QByteArray("32767\r\n")
            << QStringLiteral("Your purse can't hold more than $32767, so you receive $167.");
        QTest::newRow("a full purse")
            << 2 << 32767 << QByteArray("32767\r\n")
            << QStringLiteral("Your purse can't hold more than $32767, so the $200 prize could not "
                              "be added.");
    }
    void prizeGoesIntoBothMoneyFiles() {
        QFETCH(int, slot);
        QFETCH(int, money);
        QFETCH(QByteArray, after);
        QFETCH(QString, told);
        TestGame t;
        t.setCurrentGame(slot, money, 0);
        const QByteArray slotMoney = "\\Files\\Slot" + QByteArray::number(slot) + "\\Money.txt";
        QCOMPARE(winTournament(t), endedWith(told));
        QCOMPARE(t.bytes(game::CurrentMoneyFile), after);
        QCOMPARE(t.bytes(slotMoney.constData()), after);
    }

    // A prize that did not reach the money file is never reported as paid; one that reached it
    // but not the slot says so. Either way the message names the file.
    void failedFilesAreReported_data() {
        QTest::addColumn<QByteArray>("money");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<bool>("slotFileBlocked");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QByteArray>("moneyAfter");
        const QString notPaid = QStringLiteral("The $200 prize could not be paid.");
        const QString notSaved = QStringLiteral("Here's your $200. It is in your cash for this "
                                                "game, but your save slot could not be updated.");
        QTest::newRow("money missing") << QByteArray() << QByteArray("2\r\n") << false
                                       << game::CurrentMoneyFile << notPaid << QByteArray();
        QTest::newRow("money damaged")
            << QByteArray("lots\r\n") << QByteArray("2\r\n") << false << game::CurrentMoneyFile
            << notPaid << QByteArray("lots\r\n");
        QTest::newRow("money out of range")
            << QByteArray("40000\r\n") << QByteArray("2\r\n") << false << game::CurrentMoneyFile
            << notPaid << QByteArray("40000\r\n");
        QTest::newRow("slot file blocked") << QByteArray("100\r\n") << QByteArray("2\r\n") << true
                                           << SlotMoneyFile << notSaved << QByteArray("300\r\n");
        QTest::newRow("slot number damaged")
            << QByteArray("100\r\n") << QByteArray("two\r\n") << false << game::CurrentSlotFile
            << notSaved << QByteArray("300\r\n");
        QTest::newRow("no slot in play")
            << QByteArray("100\r\n") << QByteArray("0\r\n") << false << game::CurrentSlotFile
            << notSaved << QByteArray("300\r\n");
    }
    void failedFilesAreReported() {
        QFETCH(QByteArray, money);
        QFETCH(QByteArray, slot);
        QFETCH(bool, slotFileBlocked);
        QFETCH(QString, named);
        QFETCH(QString, told);
        QFETCH(QByteArray, moneyAfter);
        TestGame t;
        t.setCurrentGame(2, 100, 0);
        t.writeBytes(game::CurrentSlotFile, slot);
        if (money.isEmpty())
            QVERIFY(QFile::remove(t.path(game::CurrentMoneyFile)));
        else
            t.writeBytes(game::CurrentMoneyFile, money);
        if (slotFileBlocked) {
            // A folder where the slot's money file should be: no write can replace it.
            QVERIFY(QFile::remove(t.path(SlotMoneyFile)));
            QVERIFY(QDir().mkdir(t.path(SlotMoneyFile)));
        }
        const QStringList messages = winTournament(t);
        QCOMPARE(messages.size(), 4);
        QCOMPARE(messages, endedWith(messages[1]));
        const QString& said = messages[1];
        QVERIFY2(said.contains(told), qPrintable(said));
        QVERIFY2(said.contains(QDir::toNativeSeparators(t.path(named.toLatin1().constData()))),
                 qPrintable(said));
        // Nothing is written over what could not be read, and the slot keeps its money.
        QCOMPARE(t.bytes(game::CurrentMoneyFile), moneyAfter);
        QCOMPARE(t.bytes(game::CurrentSlotFile), slot);
        if (!slotFileBlocked) QCOMPARE(t.bytes(SlotMoneyFile), QByteArray("100\r\n"));
    }

    void prizeNotPaidWhenTheMoneyCannotBeWritten() {
        if (::geteuid() == 0) QSKIP("a read-only folder does not stop the superuser");
        TestGame t;
        t.setCurrentGame(2, 100, 0);
        const QString folder = t.path("\\Files\\TempFiles");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const QStringList messages = winTournament(t);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(messages.size(), 4);
        QVERIFY2(messages[1].endsWith(QStringLiteral("The $200 prize could not be paid.")),
                 qPrintable(messages[1]));
        QCOMPARE(t.bytes(game::CurrentMoneyFile), QByteArray("100\r\n"));
        QCOMPARE(t.bytes(SlotMoneyFile), QByteArray("100\r\n"));
    }
};

QTEST_MAIN(PrizeTest)
#include "prize_test.moc"
