#include "CasinoHelpers.h"

#include <QTest>

using casino::C;
using casino::D;
using casino::H;
using casino::S;
using State = casino::CasinoTable::State;

namespace {

const char* const SlotMoney = "\\Files\\Slot1\\Money.txt";
const QString Win = QStringLiteral("\\Graphics\\Win.GIF");
const QString Lose = QStringLiteral("\\Graphics\\Lose.GIF");
const QString Draw = QStringLiteral("\\Graphics\\Draw.GIF");
const QString Busted = QStringLiteral("\\Graphics\\Busted.GIF");

// Deals a scripted list of cards (QList, so a data row can carry it).
void deal(TestGame& t, casino::CasinoTable* table, int bet, const QList<int>& cards) {
    for (int card : cards)
        t.random.dealing({card});
    t.dialogs.answerInput(QString::number(bet));
    TestGame::click(table->cmdDeal);
}

} // namespace

// Whole hands through the real buttons: the dealer's rules, every outcome, the money table with
// and without the double down, the sixth card, and what each hand leaves in the save files.
class HandsTest : public QObject {
    Q_OBJECT
  private slots:
    void hands_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("stake");
        // Player's two, the dealer's hole card and open card, then the cards as called for.
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<int>("hits");       // clicks on Hit, the ending one included
        QTest::addColumn<QString>("ending"); // "stand", "double" or "hit"
        QTest::addColumn<int>("dealerDraws");
        QTest::addColumn<int>("dealerTotal");
        QTest::addColumn<int>("playerTotal");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("settled");
        QTest::addColumn<int>("betLeft");

        // Every row of the outcome table, at $500 with a stake of $100.
        QTest::newRow("dealer busts") << 500 << 100 << QList{S(10), H(8), D(6), C(10), S(9)} << 0
                                      << "stand" << 1 << 25 << 18 << Win << 600 << 0;
        QTest::newRow("higher total") << 500 << 100 << QList{S(10), H(9), D(10), C(8)} << 0
                                      << "stand" << 0 << 18 << 19 << Win << 600 << 0;
        QTest::newRow("lower total") << 500 << 100 << QList{S(10), H(7), D(9), C(10)} << 0
                                     << "stand" << 0 << 19 << 17 << Lose << 400 << 0;
        QTest::newRow("equal totals") << 500 << 100 << QList{S(10), H(9), D(9), C(12)} << 0
                                      << "stand" << 0 << 19 << 19 << Draw << 500 << 0;
        QTest::newRow("two-card 21 against three-card 21")
            << 500 << 100 << QList{S(1), H(13), D(10), C(5), S(6)} << 0 << "stand" << 1 << 21 << 21
            << Draw << 500 << 0;
        QTest::newRow("dealer busts, player on 12")
            << 500 << 100 << QList{S(10), H(2), D(10), C(6), S(8)} << 0 << "stand" << 1 << 24 << 12
            << Win << 600 << 0;

        // The dealer's rules.
        QTest::newRow("dealer ace + 7 stands") << 500 << 100 << QList{S(10), H(9), D(1), C(7)} << 0
                                               << "stand" << 0 << 18 << 19 << Win << 600 << 0;
        QTest::newRow("dealer 10 + 7 draws") << 500 << 100 << QList{S(10), H(9), D(10), C(7), S(2)}
                                             << 0 << "stand" << 1 << 19 << 19 << Draw << 500 << 0;
        QTest::newRow("dealer ace + 6 draws") << 500 << 100 << QList{S(10), H(9), D(1), C(6), H(2)}
                                              << 0 << "stand" << 1 << 19 << 19 << Draw << 500 << 0;
        QTest::newRow("dealer ace + ace draws, and again after a 9")
            << 500 << 100 << QList{S(10), S(9), D(1), C(1), H(9), H(7)} << 0 << "stand" << 2 << 18
            << 19 << Win << 600 << 0;
        QTest::newRow("dealer stops at five cards, player 15 wins")
            << 500 << 100 << QList{S(10), S(5), D(2), C(3), H(2), H(4), D(3)} << 0 << "stand" << 3
            << 14 << 15 << Win << 600 << 0;
        QTest::newRow("dealer stops at five cards, player 14 draws")
            << 500 << 100 << QList{S(10), S(4), D(2), C(3), H(2), H(4), D(3)} << 0 << "stand" << 3
            << 14 << 14 << Draw << 500 << 0;

        // Busting on a hit keeps the stake on the table until the reset.
        QTest::newRow("bust on a hit") << 500 << 100 << QList{S(10), H(6), D(10), C(8), S(13)} << 1
                                       << "hit" << 0 << 0 << 26 << Busted << 400 << 100;
        QTest::newRow("hit to 21 then stand") << 500 << 100 << QList{S(10), H(5), D(10), C(8), S(6)}
                                              << 1 << "stand" << 0 << 18 << 21 << Win << 600 << 0;

        // The double down: the stake taken again, one hit, then the stand.
        QTest::newRow("doubled win") << 500 << 100 << QList{S(5), H(6), D(10), C(8), S(10)} << 1
                                     << "double" << 0 << 18 << 21 << Win << 700 << 0;
        QTest::newRow("doubled draw") << 500 << 100 << QList{S(5), H(6), D(10), C(9), S(8)} << 1
                                      << "double" << 0 << 19 << 19 << Draw << 500 << 0;
        QTest::newRow("doubled loss") << 500 << 100 << QList{S(5), H(6), D(10), C(9), S(2)} << 1
                                      << "double" << 0 << 19 << 13 << Lose << 300 << 0;
        QTest::newRow("doubled after a hit")
            << 500 << 100 << QList{S(2), H(3), D(10), C(8), S(4), H(9)} << 2 << "double" << 0 << 18
            << 18 << Draw << 500 << 0;
        QTest::newRow("doubled into a bust, dealer lower: no decision")
            << 500 << 100 << QList{S(10), H(6), D(10), C(8), S(13)} << 1 << "double" << 0 << 18
            << 26 << Busted << 300 << 0;
        QTest::newRow("doubled into a bust, dealer busts higher")
            << 500 << 100 << QList{S(10), H(2), D(10), C(6), S(13), H(9)} << 1 << "double" << 1
            << 25 << 22 << Lose << 300 << 0;
        QTest::newRow("doubled into a bust, dealer equal")
            << 500 << 100 << QList{S(10), H(2), D(10), C(6), S(13), H(6)} << 1 << "double" << 1
            << 22 << 22 << Draw << 500 << 0;
        QTest::newRow("doubled from 50 of 100") << 100 << 50 << QList{S(5), H(6), D(10), C(9), S(2)}
                                                << 1 << "double" << 0 << 19 << 13 << Lose << 0 << 0;

        // The sixth card: a win paid at once when reached by Hit, nothing when it busts.
        QTest::newRow("sixth card by a hit wins")
            << 500 << 100 << QList{S(2), H(2), D(10), C(8), S(3), H(3), C(2), D(2)} << 4 << "hit"
            << 0 << 0 << 14 << Win << 600 << 0;
        QTest::newRow("sixth card by a hit busts")
            << 500 << 100 << QList{S(2), H(2), D(10), C(8), S(3), H(3), C(4), D(13)} << 4 << "hit"
            << 0 << 0 << 24 << Busted << 400 << 100;
        // Doubled with five cards held: the stand settles the hand, once.
        QTest::newRow("sixth card doubled, dealer higher")
            << 500 << 100 << QList{S(2), H(2), D(10), C(8), S(3), H(3), C(2), D(5)} << 4 << "double"
            << 0 << 18 << 17 << Lose << 300 << 0;
        QTest::newRow("sixth card doubled, dealer draws the same card and busts")
            << 500 << 100 << QList{S(2), H(2), D(10), C(7), S(3), H(3), C(2), D(5)} << 4 << "double"
            << 1 << 22 << 17 << Win << 700 << 0;
        QTest::newRow("sixth card doubled busts, dealer lower")
            << 500 << 100 << QList{S(2), H(2), D(10), C(8), S(3), H(3), C(4), D(13)} << 4
            << "double" << 0 << 18 << 24 << Busted << 300 << 0;

        // The cap on a win, and a purse above it.
        QTest::newRow("9999 on 9999, win capped")
            << 9999 << 9999 << QList{S(10), H(9), D(10), C(8)} << 0 << "stand" << 0 << 18 << 19
            << Win << 9999 << 0;
        QTest::newRow("9999 on 9999, draw") << 9999 << 9999 << QList{S(10), H(9), D(10), C(9)} << 0
                                            << "stand" << 0 << 19 << 19 << Draw << 9999 << 0;
        QTest::newRow("above 9999, win comes down to the cap")
            << 10149 << 100 << QList{S(10), H(9), D(10), C(8)} << 0 << "stand" << 0 << 18 << 19
            << Win << 9999 << 0;
        QTest::newRow("above 9999, draw restores")
            << 10149 << 100 << QList{S(10), H(9), D(10), C(9)} << 0 << "stand" << 0 << 19 << 19
            << Draw << 10149 << 0;
        QTest::newRow("doubled win past 16 bits")
            << 20000 << 9999 << QList{S(5), H(6), D(10), C(8), S(10)} << 1 << "double" << 0 << 18
            << 21 << Win << 9999 << 0;
        QTest::newRow("doubled draw past 16 bits")
            << 20000 << 9999 << QList{S(5), H(6), D(10), C(9), S(8)} << 1 << "double" << 0 << 19
            << 19 << Draw << 20000 << 0;
        QTest::newRow("sixth card win from the largest purse")
            << 32767 << 9999 << QList{S(2), H(2), D(10), C(8), S(3), H(3), C(2), D(2)} << 4 << "hit"
            << 0 << 0 << 14 << Win << 9999 << 0;
    }

    void hands() {
        QFETCH(int, money);
        QFETCH(int, stake);
        QFETCH(QList<int>, cards);
        QFETCH(int, hits);
        QFETCH(QString, ending);
        QFETCH(int, dealerDraws);
        QFETCH(int, dealerTotal);
        QFETCH(int, playerTotal);
        QFETCH(QString, picture);
        QFETCH(int, settled);
        QFETCH(int, betLeft);

        TestGame t;
        auto* table = casino::sitDown(t, money);
        deal(t, table, stake, cards);
        const int clickedHits = ending == "double" ? hits - 1 : hits;
        for (int k = 0; k < clickedHits; ++k)
            TestGame::click(table->cmdHit);
        const bool doubled = ending == "double";
        if (doubled) {
            QVERIFY(table->cmdDD->isVisible());
            TestGame::click(table->cmdDD);
        } else if (ending == "stand") {
            TestGame::click(table->cmdStand);
        }

        QCOMPARE(casino::shownPicture(t, table->picStatus), picture);
        const QString mismatch = casino::stateMismatch(table, State::HandOver);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QCOMPARE(int{table->money()}, settled);
        QCOMPARE(int{table->bet()}, betLeft);
        QCOMPARE(int{table->hand().PlayerTotal}, playerTotal);
        QCOMPARE(t.integer(game::CurrentMoneyFile), settled);
        QCOMPARE(t.integer(SlotMoney), settled);
        QCOMPARE(t.dialogs.messages(), QStringList{});

        // The player's cards face up where they fell; the sixth card is not taken from the
        // dealer's sequence, so a doubled five-card hand hands it on to the dealer.
        const int playerCards = 2 + hits;
        for (int k = 1; k <= playerCards; ++k) {
            const int drawn = k <= 2 ? k : k + 2;
            QCOMPARE(casino::shownPicture(t, table->PCard(k)),
                     casino::facePicture(cards[drawn - 1]));
        }
        const bool dealerPlayed = ending != "hit";
        if (dealerPlayed) {
            QCOMPARE(int{table->hand().DealerTotal}, dealerTotal);
            QCOMPARE(casino::shownPicture(t, table->DCard(1)), casino::facePicture(cards[2]));
            // The sixth card does not move the sequence on: the dealer draws it again.
            const int firstDraw = 5 + std::min(hits, 3);
            for (int k = 0; k < dealerDraws; ++k)
                QCOMPARE(casino::shownPicture(t, table->DCard(3 + k)),
                         casino::facePicture(cards[firstDraw - 1 + k]));
            QVERIFY(!table->DCard(3 + dealerDraws)->hasPicture());
        } else {
            QCOMPARE(casino::shownPicture(t, table->DCard(1)),
                     QStringLiteral("\\Graphics\\Back.GIF"));
            QVERIFY(!table->DCard(3)->hasPicture());
        }
        QVERIFY(!table->DCard(6)->hasPicture());

        // The labels keep the deal's (or double down's) values until the reset.
        const int afterStake = money - stake * (doubled ? 2 : 1);
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(afterStake));
        QCOMPARE(table->lblBet->caption(),
                 QStringLiteral("Bet: $%1").arg(stake * (doubled ? 2 : 1)));
        TestGame::click(table->cmdReset);
        if (settled > 0) {
            QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(settled));
            QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $0"));
        }
    }

    // A hit that neither busts nor fills the sixth slot leaves the hand going, the double down
    // still offered, and a total of 21 is no end in itself.
    void hitsThatDoNotEndTheHand() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        deal(t, table, 100, {S(10), H(5), D(10), C(8), S(6), H(1)});
        TestGame::click(table->cmdHit);
        QCOMPARE(table->hand().PlayerTotal, std::int16_t(21));
        QVERIFY(casino::stateMismatch(table, State::PlayersTurn).isEmpty());
        TestGame::click(table->cmdHit);
        QCOMPARE(table->hand().PlayerTotal, std::int16_t(22));
        QCOMPARE(table->state(), State::HandOver);
        // Both counters moved on after a bust at slot 4.
        QCOMPARE(table->hand().NextPlayerSlot, std::int16_t(5));
        QCOMPARE(table->hand().NextCard, std::int16_t(7));
    }

    void aceRuleDropsEveryAceAtOnce() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        deal(t, table, 100, {S(1), H(1), D(10), C(8), C(9)});
        QCOMPARE(table->hand().PlayerTotal, std::int16_t(0)); // the deal counts nothing
        TestGame::click(table->cmdHit);
        QCOMPARE(table->hand().PlayerTotal, std::int16_t(11));
        QCOMPARE(table->state(), State::PlayersTurn);
    }

    void theSixthCardLeavesTheCountersAlone() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        deal(t, table, 100, {S(2), H(2), D(10), C(8), S(3), H(3), C(2), D(2)});
        for (int k = 0; k < 4; ++k)
            TestGame::click(table->cmdHit);
        QCOMPARE(table->hand().NextPlayerSlot, std::int16_t(6));
        QCOMPARE(table->hand().NextCard, std::int16_t(8));
        // Paid once: nothing in the hand-over state can pay or save again.
        for (ui::ImageButton* button : {table->cmdHit, table->cmdStand, table->cmdDD})
            button->click();
        QCOMPARE(table->money(), std::int16_t(600));
        QCOMPARE(t.integer(game::CurrentMoneyFile), 600);
    }

    // A second click delivered while the save's message box is open changes nothing.
    void aClickQueuedBehindAMessageIsIgnored() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        t.writeBytes("\\Files\\TempFiles\\CurrentSlot.txt", "?\r\n");
        deal(t, table, 100, {S(10), H(9), D(10), C(8)});
        t.dialogs.whileOpen = [&] {
            table->cmdStand->click();
            table->cmdReset->click();
        };
        TestGame::click(table->cmdStand);
        t.dialogs.whileOpen = nullptr;
        QCOMPARE(t.dialogs.takeMessages().size(), 1);
        QCOMPARE(table->money(), std::int16_t(600));
        QCOMPARE(table->state(), State::HandOver);
    }
};

QTEST_MAIN(HandsTest)
#include "hands_test.moc"
