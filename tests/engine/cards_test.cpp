#include "engine/Cards.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <set>
#include <string>

using engine::HandState;

class CardsTest : public QObject {
    Q_OBJECT

  private slots:
    void identity_data();
    void identity();
    void facePicture_data();
    void facePicture();
    void everyCardHasItsOwnFace();
    void dealOrder();
    void clearingTheTableKeepsTheDrawnCards();
};

void CardsTest::identity_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("suit");
    QTest::addColumn<int>("rank");
    QTest::newRow("1 ace of spades") << 1 << "Spades" << 1;
    QTest::newRow("13 king of spades") << 13 << "Spades" << 13;
    QTest::newRow("14 ace of hearts") << 14 << "Hearts" << 1;
    QTest::newRow("26 king of hearts") << 26 << "Hearts" << 13;
    QTest::newRow("27 ace of clovers") << 27 << "Clovers" << 1;
    QTest::newRow("39 king of clovers") << 39 << "Clovers" << 13;
    QTest::newRow("40 ace of diamonds") << 40 << "Diamonds" << 1;
    QTest::newRow("52 king of diamonds") << 52 << "Diamonds" << 13;
    QTest::newRow("0 is no card") << 0 << "" << 0;
    QTest::newRow("53 is no card") << 53 << "" << 0;
    QTest::newRow("-1 is no card") << -1 << "" << 0;
}

void CardsTest::identity() {
    QFETCH(int, number);
    QFETCH(QString, suit);
    QFETCH(int, rank);
    const engine::CardIdentity card = engine::IdentifyCard(static_cast<std::int16_t>(number));
    QCOMPARE(QString::fromStdString(card.suit), suit);
    QCOMPARE(card.rank, rank);
}

void CardsTest::facePicture_data() {
    QTest::addColumn<QString>("suit");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("path");
    QTest::newRow("two of spades keeps its odd extension")
        << "Spades" << 2 << "\\Graphics\\Spades\\Spades2.Gif";
    QTest::newRow("ace of spades") << "Spades" << 1 << "\\Graphics\\Spades\\SpadesAce.GIF";
    QTest::newRow("three of spades") << "Spades" << 3 << "\\Graphics\\Spades\\Spades3.GIF";
    QTest::newRow("two of hearts") << "Hearts" << 2 << "\\Graphics\\Hearts\\Hearts2.GIF";
    QTest::newRow("ten of hearts") << "Hearts" << 10 << "\\Graphics\\Hearts\\Hearts10.GIF";
    QTest::newRow("jack of clovers") << "Clovers" << 11 << "\\Graphics\\Clovers\\CloversJack.GIF";
    QTest::newRow("queen of clovers") << "Clovers" << 12 << "\\Graphics\\Clovers\\CloversQueen.GIF";
    QTest::newRow("king of diamonds")
        << "Diamonds" << 13 << "\\Graphics\\Diamonds\\DiamondsKing.GIF";
    QTest::newRow("clubs is not a suit of this deck") << "Clubs" << 5 << "";
    QTest::newRow("suit names are exact") << "spades" << 5 << "";
    QTest::newRow("no suit") << "" << 1 << "";
    QTest::newRow("empty slot rank") << "Hearts" << 0 << "";
    QTest::newRow("rank past the king") << "Hearts" << 14 << "";
}

void CardsTest::facePicture() {
    QFETCH(QString, suit);
    QFETCH(int, rank);
    QFETCH(QString, path);
    const std::string face =
        engine::CardFacePath(suit.toStdString(), static_cast<std::int16_t>(rank));
    QCOMPARE(QString::fromStdString(face), path);
}

void CardsTest::everyCardHasItsOwnFace() {
    std::set<std::string> faces;
    int oddExtensions = 0;
    for (std::int16_t number = 1; number <= 52; ++number) {
        const engine::CardIdentity card = engine::IdentifyCard(number);
        const std::string face = engine::CardFacePath(card.suit, card.rank);
        QVERIFY(face.starts_with("\\Graphics\\" + card.suit + "\\" + card.suit));
        oddExtensions += face.ends_with(".GIF") ? 0 : 1;
        faces.insert(face);
    }
    QCOMPARE(faces.size(), std::size_t{52});
    QCOMPARE(oddExtensions, 1);
}

void CardsTest::dealOrder() {
    const int aceOfHearts = ScriptedRandom::cardNumber("Hearts", 1);
    const int kingOfClovers = ScriptedRandom::cardNumber("Clovers", 13);
    const int twoOfSpades = ScriptedRandom::cardNumber("Spades", 2);
    const int sevenOfDiamonds = ScriptedRandom::cardNumber("Diamonds", 7);
    ScriptedRandom random;
    random.dealing(
        {aceOfHearts, kingOfClovers, twoOfSpades, sevenOfDiamonds, 30, 31, 32, 33, 34, 35, 36, 37});
    HandState hand;
    hand.clearTable();
    engine::DrawCards(hand, 12, random);
    engine::DealHand(hand);

    QCOMPARE(hand.PlayerSuits(1), std::string("Hearts"));
    QCOMPARE(hand.PlayerRanks(1), 1);
    QCOMPARE(hand.PlayerSuits(2), std::string("Clovers"));
    QCOMPARE(hand.PlayerRanks(2), 13);
    // The hole card already has its rank although the table shows its back.
    QCOMPARE(hand.DealerSuits(1), std::string("Spades"));
    QCOMPARE(hand.DealerRanks(1), 2);
    QCOMPARE(hand.DealerSuits(2), std::string("Diamonds"));
    QCOMPARE(hand.DealerRanks(2), 7);
    for (int slot = 3; slot <= engine::HandSlots; ++slot) {
        QCOMPARE(hand.PlayerRanks(slot), 0);
        QCOMPARE(hand.DealerRanks(slot), 0);
    }
    QCOMPARE(hand.NextPlayerSlot, 3);
    QCOMPARE(hand.NextDealerSlot, 3);
    QCOMPARE(hand.NextCard, 5);
    QCOMPARE(hand.CardNumbers(5), 30);
}

void CardsTest::clearingTheTableKeepsTheDrawnCards() {
    ScriptedRandom random;
    random.dealing({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    HandState hand;
    engine::DrawCards(hand, 12, random);
    engine::DealHand(hand);
    hand.PlayerPoints.fill(9);
    hand.DealerPoints.fill(9);
    hand.PlayerTotal = 19;
    hand.DealerTotal = 20;

    hand.clearTable();

    for (int slot = 1; slot <= engine::HandSlots; ++slot) {
        QCOMPARE(hand.PlayerRanks(slot), 0);
        QCOMPARE(hand.DealerRanks(slot), 0);
        QCOMPARE(hand.PlayerPoints(slot), 0);
        QCOMPARE(hand.DealerPoints(slot), 0);
    }
    for (int k = 1; k <= engine::DrawnCards; ++k) {
        QCOMPARE(hand.CardRanks(k), 0);
        QCOMPARE(hand.CardNumbers(k), k);
        QCOMPARE(hand.CardSuits(k), std::string("Spades"));
    }
    QCOMPARE(hand.PlayerSuits(1), std::string("Spades"));
    QCOMPARE(hand.PlayerTotal, 0);
    QCOMPARE(hand.DealerTotal, 0);
    QCOMPARE(hand.NextPlayerSlot, 0);
    QCOMPARE(hand.NextDealerSlot, 0);
    QCOMPARE(hand.NextCard, 0);
}

QTEST_APPLESS_MAIN(CardsTest)
#include "cards_test.moc"
