#include "engine/Hand.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <vector>

using engine::HandState;

namespace {

engine::Ranks ranksOf(const QList<int>& cards) {
    engine::Ranks ranks;
    for (int slot = 1; slot <= cards.size(); ++slot)
        ranks(slot) = static_cast<std::int16_t>(cards.at(slot - 1));
    return ranks;
}

QList<int> pointsOf(const engine::Points& points) {
    QList<int> list;
    for (std::int16_t value : points)
        list.append(value);
    return list;
}

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

} // namespace

class HandTest : public QObject {
    Q_OBJECT

  private slots:
    void countsAHand_data();
    void countsAHand();
    void countsFromScratch();
    void firstLookKeepsAcesHigh_data();
    void firstLookKeepsAcesHigh();
    void hit_data();
    void hit();
    void hitOutsideADealtHandDoesNothing_data();
    void hitOutsideADealtHandDoesNothing();
};

void HandTest::countsAHand_data() {
    QTest::addColumn<QList<int>>("ranks");
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("points");
    QTest::newRow("ace + king is 21") << QList<int>{1, 13} << 21 << QList<int>{11, 10, 0, 0, 0, 0};
    QTest::newRow("ace + 9 is 20") << QList<int>{1, 9} << 20 << QList<int>{11, 9, 0, 0, 0, 0};
    QTest::newRow("10 + 5 + ace is 16")
        << QList<int>{10, 5, 1} << 16 << QList<int>{10, 5, 1, 0, 0, 0};
    QTest::newRow("ace + ace is 2, not 12")
        << QList<int>{1, 1} << 2 << QList<int>{1, 1, 0, 0, 0, 0};
    QTest::newRow("ace + ace + 9 is 11, not 21")
        << QList<int>{1, 1, 9} << 11 << QList<int>{1, 1, 9, 0, 0, 0};
    QTest::newRow("ace + 5 + 9 is 15") << QList<int>{1, 5, 9} << 15 << QList<int>{1, 5, 9, 0, 0, 0};
    QTest::newRow("ace + 7 stays soft 18")
        << QList<int>{1, 7} << 18 << QList<int>{11, 7, 0, 0, 0, 0};
    QTest::newRow("court cards count 10")
        << QList<int>{11, 12} << 20 << QList<int>{10, 10, 0, 0, 0, 0};
    QTest::newRow("king + queen + ace drops to 21")
        << QList<int>{13, 12, 1} << 21 << QList<int>{10, 10, 1, 0, 0, 0};
    QTest::newRow("aces at 1 can still bust")
        << QList<int>{13, 12, 1, 1} << 22 << QList<int>{10, 10, 1, 1, 0, 0};
    QTest::newRow("bust without aces")
        << QList<int>{10, 6, 13} << 26 << QList<int>{10, 6, 10, 0, 0, 0};
    QTest::newRow("five small cards make 21")
        << QList<int>{2, 3, 4, 5, 7} << 21 << QList<int>{2, 3, 4, 5, 7, 0};
    QTest::newRow("six cards, the ace in the last slot")
        << QList<int>{2, 2, 3, 3, 4, 1} << 15 << QList<int>{2, 2, 3, 3, 4, 1};
    QTest::newRow("empty slots count 0") << QList<int>{} << 0 << QList<int>{0, 0, 0, 0, 0, 0};
}

void HandTest::countsAHand() {
    QFETCH(QList<int>, ranks);
    QFETCH(int, total);
    QFETCH(QList<int>, points);
    engine::Points counted;
    std::int16_t sum = -1;
    engine::CountHand(ranksOf(ranks), counted, sum);
    QCOMPARE(sum, total);
    QCOMPARE(pointsOf(counted), points);
}

void HandTest::countsFromScratch() {
    // Points left from an earlier count must not leak into the next one.
    engine::Points points;
    points.fill(11);
    std::int16_t total = 99;
    engine::CountHand(ranksOf({1, 9}), points, total);
    QCOMPARE(total, 20);
    QCOMPARE(pointsOf(points), (QList<int>{11, 9, 0, 0, 0, 0}));
}

void HandTest::firstLookKeepsAcesHigh_data() {
    QTest::addColumn<QList<int>>("ranks");
    QTest::addColumn<int>("total");
    QTest::newRow("ace + ace is 22") << QList<int>{1, 1} << 22;
    QTest::newRow("ace + 6 is 17") << QList<int>{1, 6} << 17;
    QTest::newRow("ace + ace + 9 is 31") << QList<int>{1, 1, 9} << 31;
    QTest::newRow("king + 7 is 17") << QList<int>{13, 7} << 17;
}

void HandTest::firstLookKeepsAcesHigh() {
    QFETCH(QList<int>, ranks);
    QFETCH(int, total);
    QCOMPARE(engine::CountWithoutAceRule(ranksOf(ranks)), total);
}

void HandTest::hit_data() {
    // Cards in draw order by rank: player, player, hole, dealer up, then the hits.
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("total");
    QTest::addColumn<bool>("bust");
    QTest::addColumn<bool>("sixthCard");
    QTest::addColumn<int>("nextSlot");
    QTest::addColumn<int>("nextCard");
    QTest::newRow("21 does not end the hand")
        << QList<int>{5, 6, 9, 9, 10} << 1 << 21 << false << false << 4 << 6;
    QTest::newRow("bust in slot 3 still moves the counters")
        << QList<int>{13, 12, 9, 9, 5} << 1 << 25 << true << false << 4 << 6;
    QTest::newRow("bust in slot 5 still moves the counters")
        << QList<int>{2, 3, 9, 9, 4, 5, 13} << 3 << 24 << true << false << 6 << 8;
    QTest::newRow("hit after 21, ace drops")
        << QList<int>{1, 13, 9, 9, 1} << 1 << 12 << false << false << 4 << 6;
    QTest::newRow("sixth card leaves the counters")
        << QList<int>{2, 2, 9, 9, 2, 2, 3, 4} << 4 << 15 << false << true << 6 << 8;
    QTest::newRow("sixth card busting")
        << QList<int>{2, 3, 9, 9, 2, 4, 10, 13} << 4 << 31 << true << true << 6 << 8;
}

void HandTest::hit() {
    QFETCH(QList<int>, cards);
    QFETCH(int, hits);
    QFETCH(int, total);
    QFETCH(bool, bust);
    QFETCH(bool, sixthCard);
    QFETCH(int, nextSlot);
    QFETCH(int, nextCard);
    HandState hand = dealtByRank(cards);

    engine::HitReport report;
    for (int hit = 1; hit <= hits; ++hit) {
        report = engine::PlayerHit(hand);
        QCOMPARE(report.slot, 2 + hit);
        QCOMPARE(report.card, 4 + hit);
        QCOMPARE(hand.PlayerRanks(report.slot), hand.CardRanks(report.card));
        QCOMPARE(hand.PlayerSuits(report.slot), hand.CardSuits(report.card));
    }
    QCOMPARE(hand.PlayerTotal, total);
    QCOMPARE(report.bust, bust);
    QCOMPARE(report.sixthCard, sixthCard);
    QCOMPARE(hand.NextPlayerSlot, nextSlot);
    QCOMPARE(hand.NextCard, nextCard);
    // The dealer's side is not the hit's business.
    QCOMPARE(hand.NextDealerSlot, 3);
    QCOMPARE(hand.DealerTotal, 0);
}

void HandTest::hitOutsideADealtHandDoesNothing_data() {
    QTest::addColumn<int>("nextSlot");
    QTest::addColumn<int>("nextCard");
    QTest::newRow("cleared table") << 0 << 0;
    QTest::newRow("slot past the table") << 7 << 5;
    QTest::newRow("no drawn card left") << 4 << 13;
}

void HandTest::hitOutsideADealtHandDoesNothing() {
    QFETCH(int, nextSlot);
    QFETCH(int, nextCard);
    HandState hand = dealtByRank({10, 6, 9, 9});
    hand.NextPlayerSlot = static_cast<std::int16_t>(nextSlot);
    hand.NextCard = static_cast<std::int16_t>(nextCard);
    const HandState before = hand;

    const engine::HitReport report = engine::PlayerHit(hand);

    QCOMPARE(report.slot, 0);
    QVERIFY(!report.bust);
    QVERIFY(hand.PlayerRanks == before.PlayerRanks);
    QCOMPARE(hand.NextPlayerSlot, before.NextPlayerSlot);
    QCOMPARE(hand.NextCard, before.NextCard);
}

QTEST_APPLESS_MAIN(HandTest)
#include "hand_test.moc"
