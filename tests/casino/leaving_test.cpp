#include "CasinoHelpers.h"

#include <QDir>
#include <QTest>

using casino::C;
using casino::CasinoTable;
using casino::D;
using casino::H;
using casino::S;
using State = casino::CasinoTable::State;
using ui::ScreenId;

// Getting up from the table: leaving, being turned away without money, the window's close
// button, and the save files each way leaves behind.
class LeavingTest : public QObject {
    Q_OBJECT
  private slots:
    void leavingBetweenHandsSavesNothing() {
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        const QByteArray saved = t.bytes(game::CurrentMoneyFile);
        TestGame::click(table->picQuit);
        QCoreApplication::processEvents();
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.bytes(game::CurrentMoneyFile), saved);
    }

    void turnedAway_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("messages");
        const QStringList noMoney = {"Sorry, but you have no money on you.",
                                     "Please come back when you have money."};
        const QStringList ranOut = {"Oh, looks like you ran out of money!",
                                    "Better luck next time."};
        QTest::newRow("arriving without cash") << 0 << "pointer" << noMoney;
        QTest::newRow("last dollar lost at the stand, pointer")
            << 10 << "stand, pointer" << noMoney;
        QTest::newRow("last dollar lost at the stand, reset") << 10 << "stand, reset" << ranOut;
        QTest::newRow("last dollar lost by a bust, reset") << 10 << "bust, reset" << ranOut;
    }
    void turnedAway() {
        QFETCH(int, money);
        QFETCH(QString, way);
        QFETCH(QStringList, messages);
        TestGame t;
        auto* table = casino::sitDown(t, money);
        // Where the hidden Hit button would be: only shown controls cover the felt.
        const QPoint felt(530, 190);
        if (way.startsWith("stand")) {
            casino::dealCards(t, table, "10", casino::LosingHand);
            TestGame::click(table->cmdStand);
        } else if (way.startsWith("bust")) {
            casino::dealCards(t, table, "10", {S(10), H(7), D(9), C(10), H(9)});
            TestGame::click(table->cmdHit);
            // The stake is still on the table, so the pointer check stays silent.
            TestGame::movePointer(table, felt);
            QCOMPARE(t.dialogs.messages(), QStringList{});
        }
        // Over a control, caption-less labels included, nothing happens.
        for (QPoint over : {QPoint(10, 300), QPoint(250, 300), QPoint(320, 300), QPoint(100, 380)})
            TestGame::movePointer(table, over);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QVERIFY(t.screens().isLoaded(ScreenId::Test));

        if (way.endsWith("reset"))
            TestGame::click(table->cmdReset);
        else
            TestGame::movePointer(table, felt);
        QCOMPARE(t.dialogs.takeMessages(), messages);
        QCoreApplication::processEvents();
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.integer(game::CurrentMoneyFile), 0);
    }

    // With no cash, a refused bet of 5 stays on the table and keeps the pointer check quiet
    // until a bet of 0 puts 0 back.
    void aRefusedBetKeepsThePointerCheckQuiet() {
        TestGame t;
        auto* table = casino::sitDown(t, 0);
        t.dialogs.answerInput("5");
        TestGame::click(table->cmdDeal);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Sorry, you don't have that much money."});
        QCOMPARE(table->bet(), std::int16_t(5));
        TestGame::movePointer(table, {400, 340});
        t.dialogs.answerInput("");
        TestGame::click(table->cmdDeal);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"You haven't made a bet."});
        TestGame::movePointer(table, {400, 340});
        QCOMPARE(t.dialogs.messages(), QStringList{});
        t.dialogs.answerInput("0");
        TestGame::click(table->cmdDeal);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"... Not valid."});
        TestGame::movePointer(table, {400, 340});
        QCOMPARE(t.dialogs.messages().size(), 2);
        QCoreApplication::processEvents();
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
    }

    void damagedCashKeepsThePlayerInTown_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a number") << QByteArray("lots\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("past 16 bits") << QByteArray("40000\r\n");
    }
    void damagedCashKeepsThePlayerInTown() {
        QFETCH(QByteArray, bytes);
        TestGame t;
        t.setCurrentGame(1, 100, 0);
        t.writeBytes(game::CurrentMoneyFile, bytes);
        t.screens().show(ScreenId::Locations);
        QVERIFY(!t.screens().show(ScreenId::Test));
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        const QStringList messages = t.dialogs.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("CurrentMoney.txt"), qPrintable(messages[0]));
        QCOMPARE(t.bytes(game::CurrentMoneyFile), bytes);
    }

    // The window's close button: between hands the program simply ends; during a hand it asks,
    // and the stake on the table stays lost when the player goes.
    void closingTheWindow_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<int>("saved");
        QTest::newRow("betting") << "betting" << false << true << 100;
        QTest::newRow("hand over") << "hand over" << false << true << 60;
        QTest::newRow("during a hand, yes") << "turn" << true << true << 60;
        QTest::newRow("during a hand, no") << "turn" << false << false << 100;
    }
    void closingTheWindow() {
        QFETCH(QString, when);
        QFETCH(bool, answer);
        QFETCH(bool, ended);
        QFETCH(int, saved);
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        if (when != "betting") casino::dealCards(t, table, "40", casino::LosingHand);
        if (when == "hand over") TestGame::click(table->cmdStand);
        t.dialogs.answerConfirm(answer);
        t.screens().closeButtonPressed(ScreenId::Test);
        QCoreApplication::processEvents();

        QCOMPARE(t.dialogs.questions(),
                 when == "turn" ? QStringList{"Leave the table now? Your bet of $40 is lost."}
                                : QStringList{});
        QCOMPARE(t.screens().hasEnded(), ended);
        QCOMPARE(t.integer(game::CurrentMoneyFile), saved);
        QCOMPARE(t.integer("\\Files\\Slot1\\Money.txt"), saved);
        if (!ended) {
            QVERIFY(casino::stateMismatch(table, State::PlayersTurn).isEmpty());
            TestGame::click(table->cmdStand);
            QCOMPARE(t.integer(game::CurrentMoneyFile), 60);
        }
    }

    // The cash goes to the current-game file first, then to the slot that "CurrentSlot.txt"
    // names at that moment.
    void savingFollowsTheCurrentSlot() {
        TestGame t;
        auto* table = casino::sitDown(t, 100, 2);
        casino::dealCards(t, table, "40", casino::LosingHand);
        TestGame::click(table->cmdStand);
        QCOMPARE(t.bytes(game::CurrentMoneyFile), QByteArray("60\r\n"));
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), QByteArray("60\r\n"));
        QCOMPARE(t.integer("\\Files\\Slot1\\Money.txt"), 0);

        t.writeInteger(game::CurrentSlotFile, 3);
        TestGame::click(table->cmdReset);
        casino::dealCards(t, table, "10", casino::LosingHand);
        TestGame::click(table->cmdStand);
        QCOMPARE(t.bytes("\\Files\\Slot3\\Money.txt"), QByteArray("50\r\n"));
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), QByteArray("60\r\n"));
        QCOMPARE(t.dialogs.messages(), QStringList{});
    }

    void aFailedSaveIsToldOnceAndPlayGoesOn_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("currentWritten");
        QTest::newRow("current file cannot be written") << "money"
                                                        << "CurrentMoney.txt" << false;
        QTest::newRow("slot file damaged") << "slot"
                                           << "CurrentSlot.txt" << true;
        QTest::newRow("slot out of range") << "slot 7"
                                           << "CurrentSlot.txt" << true;
        QTest::newRow("slot money cannot be written") << "slot money"
                                                      << "Money.txt" << true;
    }
    void aFailedSaveIsToldOnceAndPlayGoesOn() {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        QFETCH(bool, currentWritten);
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        // A folder where a file should be refuses every write to that name.
        if (damage == "money") {
            QFile::remove(t.path(game::CurrentMoneyFile));
            QDir().mkpath(t.path(game::CurrentMoneyFile));
        } else if (damage == "slot") {
            t.writeBytes(game::CurrentSlotFile, "two\r\n");
        } else if (damage == "slot 7") {
            t.writeInteger(game::CurrentSlotFile, 7);
        } else {
            QFile::remove(t.path("\\Files\\Slot1\\Money.txt"));
            QDir().mkpath(t.path("\\Files\\Slot1\\Money.txt"));
        }
        casino::dealCards(t, table, "40", casino::LosingHand);
        TestGame::click(table->cmdStand);

        const QStringList messages = t.dialogs.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(named) && messages[0].contains("$60"),
                 qPrintable(messages[0]));
        if (currentWritten) QCOMPARE(t.integer(game::CurrentMoneyFile), 60);
        if (damage != "slot money") QCOMPARE(t.integer("\\Files\\Slot1\\Money.txt"), 100);
        // The table goes on with the cash it holds.
        TestGame::click(table->cmdReset);
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $60"));
        QVERIFY(casino::stateMismatch(table, State::Betting).isEmpty());
    }
};

QTEST_MAIN(LeavingTest)
#include "leaving_test.moc"
