#include "support/SchoolHelpers.h"
#include "support/TestGame.h"

#include <QTest>
#include <memory>

using school::TournamentTable;
using tournament::card;
using ui::ScreenId;

namespace {

const char* const SlotMoneyFile = "\\Files\\Slot2\\Money.txt";

bool shows(const ui::Image* image, const char* gameName) {
    return image->picturePath().endsWith(QString::fromLatin1(gameName).replace('\\', '/'));
}

// The table as its load step leaves it: Start and Quit offered, nothing dealt, all counts zero.
void verifyReady(const TournamentTable* table) {
    QCOMPARE(table->state(), TournamentTable::State::Ready);
    QCOMPARE(table->roundNumber(), 0);
    QCOMPARE(table->roundPassed(), false);
    QCOMPARE(table->lblRounds->caption(), QString());
    for (const QWidget* shown : std::initializer_list<const QWidget*>{
             table->cmdStart, table->picQuit, table->imgDeck, table->imgPlayer, table->imgDealer,
             table->lblRounds})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{
             table->cmdHit, table->cmdStand, table->cmdContinue, table->picStatus})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (int k = 1; k <= 6; ++k) {
        QVERIFY(!table->PCard(k)->isVisible() && !table->DCard(k)->isVisible());
        QCOMPARE(table->hand().PlayerRanks(k) + table->hand().DealerRanks(k), 0);
    }
    QCOMPARE(table->hand().NextCard + table->hand().PlayerTotal + table->hand().DealerTotal, 0);
    QVERIFY(shows(table->imgDeck, "\\Graphics\\Back.GIF"));
}

} // namespace

class TournamentTest : public QObject {
    Q_OBJECT

    // One table in its opening state, for the checks that only look at it.
    std::unique_ptr<TestGame> game_;
    TournamentTable* shared_ = nullptr;

  private slots:
    void initTestCase() {
        game_ = std::make_unique<TestGame>();
        shared_ = tournament::enter(*game_);
        QVERIFY(shared_);
    }
    void cleanupTestCase() { game_.reset(); }

    void controlsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        for (int k = 1; k <= 6; ++k) {
            const int left = 8 + 80 * (k - 1);
            QTest::addRow("PCard(%d)", k)
                << QStringLiteral("PCard(%1)").arg(k) << QRect(left, 184, 75, 100);
            QTest::addRow("DCard(%d)", k)
                << QStringLiteral("DCard(%1)").arg(k) << QRect(left, 16, 75, 100);
        }
        QTest::newRow("imgDealer") << "imgDealer" << QRect(0, 0, 81, 17);
        QTest::newRow("imgPlayer") << "imgPlayer" << QRect(0, 168, 81, 17);
        QTest::newRow("imgDeck") << "imgDeck" << QRect(504, 104, 75, 100);
        QTest::newRow("picStatus") << "picStatus" << QRect(232, 128, 100, 50);
        QTest::newRow("lblRounds") << "lblRounds" << QRect(0, 304, 177, 33);
        QTest::newRow("cmdHit") << "cmdHit" << QRect(288, 344, 81, 33);
        QTest::newRow("cmdStand") << "cmdStand" << QRect(392, 344, 81, 33);
        QTest::newRow("cmdStart") << "cmdStart" << QRect(488, 344, 81, 33);
        QTest::newRow("cmdContinue") << "cmdContinue" << QRect(488, 280, 81, 33);
        QTest::newRow("picQuit") << "picQuit" << QRect(584, 0, 17, 17);
    }
    void controlsStandAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto* control = shared_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
    }

    void startDealsRoundOne() {
        TestGame t;
        auto* table = tournament::enter(t);
        QVERIFY(table);
        verifyReady(table);
        t.random.dealing(
            {card("Spades", 2), card("Hearts", 1), card("Clovers", 12), card("Diamonds", 13)});
        TestGame::click(table->cmdStart);
        QCOMPARE(table->lblRounds->caption(), QStringLiteral("Round #1"));
        QVERIFY(!table->picQuit->isVisible() && !table->cmdStart->isVisible());
        QVERIFY(table->cmdHit->isVisible() && table->cmdStand->isVisible());
        QVERIFY(shows(table->PCard(1), "\\Graphics\\Spades\\Spades2.Gif"));
        QVERIFY(shows(table->PCard(2), "\\Graphics\\Hearts\\HeartsAce.GIF"));
        // The hole card shows its back although the table knows its rank.
        QVERIFY(shows(table->DCard(1), "\\Graphics\\Back.GIF"));
        QCOMPARE(table->hand().DealerRanks(1), 12);
        QVERIFY(shows(table->DCard(2), "\\Graphics\\Diamonds\\DiamondsKing.GIF"));
        for (int k = 1; k <= 6; ++k)
            QVERIFY(table->PCard(k)->isVisible() && table->DCard(k)->isVisible());
        // Before the first Continue of a load the empty slots have no picture at all.
        QVERIFY(!table->PCard(3)->hasPicture());
        QCOMPARE(t.random.drawsWithoutReseed(), 0);
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    // Whole tournaments, hand by hand (letters as in tournament::playHand), with the round
    // number each deal shows.
    void runs_data() {
        QTest::addColumn<QString>("hands");
        QTest::addColumn<QString>("rounds");
        QTest::addColumn<bool>("paid");
        QTest::newRow("five wins") << "WWWWW"
                                   << "12345" << true;
        QTest::newRow("draw in round 1") << "DWWWWW"
                                         << "112345" << true;
        QTest::newRow("draw in round 3") << "WWDWWW"
                                         << "123345" << true;
        QTest::newRow("draw in round 5") << "WWWWDW"
                                         << "123455" << true;
        QTest::newRow("loss in round 1") << "L"
                                         << "1" << false;
        QTest::newRow("loss in round 5") << "WWWWL"
                                         << "12345" << false;
        QTest::newRow("bust in round 2") << "WB"
                                         << "12" << false;
        QTest::newRow("bust in round 5") << "WWWWB"
                                         << "12345" << false;
        QTest::newRow("sixth card passes") << "6WWWW"
                                           << "12345" << true;
        QTest::newRow("sixth card passes round 5") << "WWWW6"
                                                   << "12345" << true;
        QTest::newRow("sixth card busts") << "WX"
                                          << "12" << false;
    }
    void runs() {
        QFETCH(QString, hands);
        QFETCH(QString, rounds);
        QFETCH(bool, paid);
        TestGame t;
        t.setCurrentGame(2, 100, 40);
        const QByteArray otherSlots =
            t.bytes("\\Files\\Slot1\\Money.txt") + t.bytes("\\Files\\Slot3\\Money.txt");
        auto* table = tournament::enter(t);
        QVERIFY(table);
        for (qsizetype i = 0; i < hands.size(); ++i) {
            const char hand = hands[i].toLatin1();
            QStringList expected;
            if (i > 0) expected << QStringLiteral("Alright, next round!");
            if (!tournament::toldAtEnd(hand).isEmpty()) expected << tournament::toldAtEnd(hand);
            QCOMPARE(tournament::playHand(t, table, hand), expected);
            QCOMPARE(table->lblRounds->caption(), QStringLiteral("Round #%1").arg(rounds[i]));
            const bool drawn = hand == 'D';
            QCOMPARE(table->roundNumber(), rounds[i].digitValue() - (drawn ? 1 : 0));
            QCOMPARE(table->roundPassed(), QStringLiteral("WD6").contains(hands[i]));
            QVERIFY(shows(table->picStatus, tournament::statusPicture(hand)));
            QVERIFY(table->picStatus->isVisible() && table->cmdContinue->isVisible());
            QVERIFY(!table->cmdHit->isVisible() && !table->cmdStand->isVisible());
            QVERIFY(!table->picQuit->isVisible());
            // A hand that ends on a hit never turns up the dealer's hole card.
            if (QStringLiteral("B6X").contains(hands[i]))
                QVERIFY(shows(table->DCard(1), "\\Graphics\\Back.GIF"));
            // Nothing is paid or saved during play.
            QCOMPARE(t.bytes(game::CurrentMoneyFile), QByteArray("100\r\n"));
        }

        TestGame::click(table->cmdContinue);
        QCOMPARE(t.dialogs.takeMessages(),
                 paid ? tournament::prizeMessages() : tournament::finishedMessages());
        const QByteArray money = paid ? "300\r\n" : "100\r\n";
        QCOMPARE(t.bytes(game::CurrentMoneyFile), money);
        QCOMPARE(t.bytes(SlotMoneyFile), money);
        QCOMPARE(t.bytes("\\Files\\Slot1\\Money.txt") + t.bytes("\\Files\\Slot3\\Money.txt"),
                 otherSlots);
        QCOMPARE(t.bytes("\\Files\\TempFiles\\CurrentBank.txt"), QByteArray("40\r\n"));

        // Back in the hall, with a table loaded afresh behind it.
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::School));
        auto* fresh = t.screens().screenAs<TournamentTable>(ScreenId::Tournament);
        QVERIFY(fresh && fresh != table);
        QCOMPARE(tournament::enter(t), fresh);
        verifyReady(fresh);
    }

    void dealerDrawsShowAndTheHoleCardTurnsUpLast() {
        TestGame t;
        auto* table = tournament::enter(t);
        QVERIFY(table);
        // Ten and three draw a two, a two and a three, left to right: 20 beats the player's 19.
        t.random.dealing({card("Spades", 10), card("Spades", 9), card("Hearts", 10),
                          card("Hearts", 3), card("Clovers", 2), card("Diamonds", 2),
                          card("Clovers", 3)});
        TestGame::click(table->cmdStart);
        TestGame::click(table->cmdStand);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{tournament::toldAtEnd('L')});
        QVERIFY(shows(table->DCard(1), "\\Graphics\\Hearts\\Hearts10.GIF"));
        QVERIFY(shows(table->DCard(3), "\\Graphics\\Clovers\\Clovers2.GIF"));
        QVERIFY(shows(table->DCard(4), "\\Graphics\\Diamonds\\Diamonds2.GIF"));
        QVERIFY(shows(table->DCard(5), "\\Graphics\\Clovers\\Clovers3.GIF"));
        QVERIFY(!table->DCard(6)->hasPicture());
        QCOMPARE(table->hand().DealerTotal, 20);
    }

    void quitBeforeTheFirstDealKeepsTheTable() {
        TestGame t;
        auto* table = tournament::enter(t);
        QVERIFY(table);
        TestGame::click(table->picQuit);
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::School));
        // The same table, not loaded again.
        QCOMPARE(t.screens().screenAs<TournamentTable>(ScreenId::Tournament), table);
        QCOMPARE(tournament::enter(t), table);
        verifyReady(table);
        QCOMPARE(t.random.draws(), 0);

        // Once dealt, a click that reaches the hidden Quit anyway does nothing.
        tournament::playHand(t, table, 'W');
        table->picQuit->click();
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::Tournament));
    }

    void clicksWhileAMessageIsOpenAreIgnored() {
        TestGame t;
        auto* table = tournament::enter(t);
        QVERIFY(table);
        bool continueShownDuringMessage = false;
        t.dialogs.whileOpen = [&] {
            continueShownDuringMessage =
                continueShownDuringMessage || table->cmdContinue->isVisible();
            table->cmdStand->click();
            table->cmdHit->click();
            table->cmdContinue->click();
        };
        // Continue appears only once "Good job!" has been answered; a second Continue while
        // "Alright, next round!" is open deals nothing more.
        QCOMPARE(tournament::playHand(t, table, 'W'), QStringList{QStringLiteral("Good job!")});
        QCOMPARE(
            tournament::playHand(t, table, 'W'),
            (QStringList{QStringLiteral("Alright, next round!"), QStringLiteral("Good job!")}));
        QVERIFY(!continueShownDuringMessage);
        // After a Continue the slots without a card show the empty-slot picture.
        QVERIFY(shows(table->PCard(3), "\\Graphics\\None.GIF"));
        QVERIFY(shows(table->DCard(6), "\\Graphics\\None.GIF"));
        QCOMPARE(table->roundNumber(), 2);
        QCOMPARE(table->lblRounds->caption(), QStringLiteral("Round #2"));
    }
};

QTEST_MAIN(TournamentTest)
#include "tournament_test.moc"
