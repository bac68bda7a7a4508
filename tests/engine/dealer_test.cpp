#include "engine/Hand.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <vector>

using engine::HandState;
using engine::Outcome;

namespace engine {
// Readable names in failure messages.
char* toString(Outcome outcome) {
    switch (outcome) {
    case Outcome::Win:
        return qstrdup("Win");
    case Outcome::Loss:
        return qstrdup("Loss");
    case Outcome::Draw:
        return qstrdup("Draw");
    case Outcome::NoDecision:
        return qstrdup("NoDecision");
    }
    return qstrdup("?");
}
} // namespace engine

namespace {

// A hand dealt from cards given by rank in draw order.
HandState dealtByRank(const QList<int>& ranks) {
    ScriptedRandom random;
    random.dealingRanks(std::vector<int>(ranks.begin(), ranks.end()));
    HandState hand;
    hand.clearTable();
    engine::DrawCards(hand, 12, random);
    engine::DealHand(hand);
    return hand;
}

QList<int> dealerRanks(const HandState& hand) {
    QList<int> ranks;
    for (std::int16_t rank : hand.DealerRanks)
        ranks.append(rank);
    return ranks;
}

} // namespace

class DealerTest : public QObject {
    Q_OBJECT

  private slots:
    void outcome_data();
    void outcome();
    void dealerPlays_data();
    void dealerPlays();
    void doubleDownWithFiveCards_data();
    void doubleDownWithFiveCards();
    void standOutsideADealtHandDrawsNothing();
};

void DealerTest::outcome_data() {
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("dealer");
    QTest::addColumn<Outcome>("expected");
    QTest::newRow("dealer bust, player low") << 12 << 25 << Outcome::Win;
    QTest::newRow("dealer bust, player 21") << 21 << 22 << Outcome::Win;
    QTest::newRow("higher total") << 19 << 18 << Outcome::Win;
    QTest::newRow("lower total") << 18 << 19 << Outcome::Loss;
    QTest::newRow("equal totals") << 17 << 17 << Outcome::Draw;
    QTest::newRow("21 against 21") << 21 << 21 << Outcome::Draw;
    QTest::newRow("busted player, dealer busts higher") << 25 << 26 << Outcome::Loss;
    QTest::newRow("busted player, dealer busts equal") << 24 << 24 << Outcome::Draw;
    QTest::newRow("busted player, dealer lower") << 25 << 20 << Outcome::NoDecision;
    QTest::newRow("busted player, dealer busts lower") << 30 << 26 << Outcome::NoDecision;
}

void DealerTest::outcome() {
    QFETCH(int, player);
    QFETCH(int, dealer);
    QFETCH(Outcome, expected);
    QCOMPARE(
        engine::DecideOutcome(static_cast<std::int16_t>(player), static_cast<std::int16_t>(dealer)),
        expected);
}

void DealerTest::dealerPlays_data() {
    // Cards in draw order by rank: player, player, dealer's hole card, dealer's open card,
    // then the cards the dealer draws.
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("dealerTotal");
    QTest::addColumn<int>("playerTotal");
    QTest::addColumn<Outcome>("expected");
    QTest::newRow("ace + 7 stands on 18")
        << QList<int>{10, 8, 1, 7, 2} << 0 << 18 << 18 << Outcome::Draw;
    QTest::newRow("ace + king stands on 21")
        << QList<int>{10, 13, 1, 13, 2} << 0 << 21 << 20 << Outcome::Loss;
    QTest::newRow("10 + 7 draws") << QList<int>{10, 9, 10, 7, 5} << 1 << 22 << 19 << Outcome::Win;
    QTest::newRow("ace + 6 draws, ace stays high")
        << QList<int>{10, 8, 1, 6, 2} << 1 << 19 << 18 << Outcome::Loss;
    QTest::newRow("ace + ace draws, with a 9 draws again")
        << QList<int>{10, 9, 1, 1, 9, 7} << 2 << 18 << 19 << Outcome::Win;
    // Ace + 6 + ace is 8, not 18: both aces fall together, so the dealer draws once more.
    QTest::newRow("both aces drop at once on the dealer's side")
        << QList<int>{10, 7, 1, 6, 1, 10} << 2 << 18 << 17 << Outcome::Loss;
    QTest::newRow("five cards below 18 stop, player 15 wins")
        << QList<int>{10, 5, 2, 3, 2, 4, 3, 2} << 3 << 14 << 15 << Outcome::Win;
    QTest::newRow("five cards below 18 stop, player 14 draws")
        << QList<int>{10, 4, 2, 3, 2, 4, 3, 2} << 3 << 14 << 14 << Outcome::Draw;
    QTest::newRow("dealer bust wins for a low player")
        << QList<int>{2, 10, 10, 6, 13} << 1 << 26 << 12 << Outcome::Win;
    QTest::newRow("two-card 21 against a three-card 21")
        << QList<int>{1, 13, 10, 5, 6} << 1 << 21 << 21 << Outcome::Draw;
}

void DealerTest::dealerPlays() {
    QFETCH(QList<int>, cards);
    QFETCH(int, draws);
    QFETCH(int, dealerTotal);
    QFETCH(int, playerTotal);
    QFETCH(Outcome, expected);
    HandState hand = dealtByRank(cards);

    const engine::StandReport report = engine::Stand(hand);

    QCOMPARE(report.dealerDraws, draws);
    QCOMPARE(report.firstDrawnCard, draws == 0 ? 0 : 5);
    QCOMPARE(hand.DealerTotal, dealerTotal);
    QCOMPARE(hand.PlayerTotal, playerTotal);
    QCOMPARE(report.outcome, expected);
    QCOMPARE(hand.NextDealerSlot, 3 + draws);
    QCOMPARE(hand.NextCard, 5 + draws);
    const QList<int> expectedRanks = cards.mid(2, 2 + draws) + QList<int>(4 - draws, 0);
    QCOMPARE(dealerRanks(hand), expectedRanks);
    for (int k = 1; k <= 2 + draws; ++k)
        QCOMPARE(hand.DealerSuits(k), hand.CardSuits(k + 2));
}

void DealerTest::doubleDownWithFiveCards_data() {
    // The player holds five cards; the double down's hit puts the next card into slot 6 and
    // leaves it in the shared sequence, so the dealer's first draw is that same card.
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<int>("playerTotal");
    QTest::addColumn<int>("dealerTotal");
    QTest::addColumn<bool>("bust");
    QTest::addColumn<Outcome>("expected");
    QTest::newRow("sixth card stands, dealer reaches 21")
        << QList<int>{2, 3, 10, 6, 2, 3, 4, 5} << 19 << 21 << false << Outcome::Loss;
    QTest::newRow("sixth card busts both sides")
        << QList<int>{2, 3, 10, 6, 5, 4, 6, 13} << 30 << 26 << true << Outcome::NoDecision;
}

void DealerTest::doubleDownWithFiveCards() {
    QFETCH(QList<int>, cards);
    QFETCH(int, playerTotal);
    QFETCH(int, dealerTotal);
    QFETCH(bool, bust);
    QFETCH(Outcome, expected);
    HandState hand = dealtByRank(cards);
    for (int hit = 0; hit < 3; ++hit)
        QVERIFY(!engine::PlayerHit(hand).bust);

    const engine::HitReport sixth = engine::PlayerHit(hand);
    const engine::StandReport stand = engine::Stand(hand);

    QVERIFY(sixth.sixthCard);
    QCOMPARE(sixth.bust, bust);
    QCOMPARE(stand.firstDrawnCard, sixth.card);
    QCOMPARE(hand.DealerRanks(3), hand.PlayerRanks(6));
    QCOMPARE(hand.DealerSuits(3), hand.PlayerSuits(6));
    QCOMPARE(stand.dealerDraws, 1);
    QCOMPARE(hand.PlayerTotal, playerTotal);
    QCOMPARE(hand.DealerTotal, dealerTotal);
    QCOMPARE(stand.outcome, expected);
}

void DealerTest::standOutsideADealtHandDrawsNothing() {
    HandState hand;
    hand.clearTable();
    const engine::StandReport report = engine::Stand(hand);
    QCOMPARE(report.dealerDraws, 0);
    QCOMPARE(report.outcome, Outcome::Draw);
    QCOMPARE(hand.DealerTotal, 0);
}

QTEST_APPLESS_MAIN(DealerTest)
#include "dealer_test.moc"
