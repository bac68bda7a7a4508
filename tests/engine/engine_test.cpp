// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Hand.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace engine;

namespace {

// A hand drawn and dealt from cards given by rank in draw order: the player's two, the dealer's
// hole card and open card, then the cards as they are called for.
HandState dealt(const QList<int>& ranks) {
    ScriptedRandom random;
    random.dealingRanks(std::vector<int>(ranks.begin(), ranks.end()));
    HandState hand;
    hand.clearTable();
    DrawCards(hand, 12, random);
    DealHand(hand);
    return hand;
}

QString name(Outcome outcome) {
    return QStringList{"Win", "Loss", "Draw", "None"}.at(static_cast<int>(outcome));
}

} // namespace

// A hand by rank in draw order, the player's hits, then the totals, the dealer's draws between
// them, and the outcome of the stand.
struct Hand {
    QList<int> cards;
    int hits, player, draws, dealer;
    QString outcome;
};
Q_DECLARE_METATYPE(Hand)

class EngineTest : public QObject {
    Q_OBJECT
  private slots:
    // What a generator value r shows. A drawn card: r x 52 rounded half to even, 0 joining the
    // ace of spades. The deck pile: r x 3 the same way, so its backs come 1/2, 1/3 and 1/6.
    void pictures_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QString>("picture");
        auto row = [](const char* name, float r, int factor, const char* picture) {
            QTest::newRow(name) << r << factor << QString("\\Graphics\\") + picture;
        };
        auto card = [&](int number, const char* picture) {
            row(picture, ScriptedRandom::valueForCard(number), 52, picture);
        };
        row("0", 0.0f, 52, "Spades\\SpadesAce.GIF");
        row("x52 below 1.5", 0.0288f, 52, "Spades\\SpadesAce.GIF");
        row("x52 above 1.5", 0.0289f, 52, "Spades\\Spades2.Gif");
        row("6.5 to even", 0.125f, 52, "Spades\\Spades6.GIF");
        row("19.5 to even", 0.375f, 52, "Hearts\\Hearts7.GIF");
        row("32.5 to even", 0.625f, 52, "Clovers\\Clovers6.GIF");
        row("45.5 to even", 0.875f, 52, "Diamonds\\Diamonds7.GIF");
        row("x52 below 51.5", 0.9903f, 52, "Diamonds\\DiamondsQueen.GIF");
        row("x52 above 51.5", 0.9904f, 52, "Diamonds\\DiamondsKing.GIF");
        row("largest r", std::nextafter(1.0f, 0.0f), 52, "Diamonds\\DiamondsKing.GIF");
        card(13, "Spades\\SpadesKing.GIF");
        card(14, "Hearts\\HeartsAce.GIF");
        card(26, "Hearts\\HeartsKing.GIF");
        card(27, "Clovers\\CloversAce.GIF");
        card(40, "Diamonds\\DiamondsAce.GIF");
        row("back at 0", 0.0f, 3, "Back.GIF");
        row("x3 below 1.5", 0.4999f, 3, "Back.GIF");
        row("x3 exactly 1.5", 0.5f, 3, "BackDeath.GIF");
        row("x3 below 2.5", 0.8333f, 3, "BackDeath.GIF");
        row("x3 above 2.5", 0.8334f, 3, "BackLove.GIF");
        row("largest r, back", std::nextafter(1.0f, 0.0f), 3, "BackLove.GIF");
    }
    void pictures() {
        QFETCH(float, r);
        QFETCH(int, factor);
        QFETCH(QString, picture);
        ScriptedRandom random;
        random.queue(r);
        const CardIdentity card = IdentifyCard(CardNumberFor(r));
        QCOMPARE(QString::fromStdString(factor == 52 ? CardFacePath(card.suit, card.rank)
                                                     : DeckBackPicture(ChooseDeckBack(random))),
                 picture);
        QCOMPARE(random.drawsWithoutReseed(), 0);
    }

    // Twelve distinct cards, each drawn after a re-seed: a card that repeats any earlier one is
    // drawn again in its place.
    void drawRedrawsRepeats() {
        ScriptedRandom random;
        random.dealing({5, 5, 9, 10, 11, 5, 12, 13, 14, 15, 16, 17, 9, 18, 19});
        HandState hand;
        DrawCards(hand, 12, random);
        QCOMPARE(QList<int>(hand.CardNumbers.begin(), hand.CardNumbers.end()),
                 (QList<int>{5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
        QCOMPARE(random.draws(), 15);
        QCOMPARE(random.drawsWithoutReseed(), 0);
    }

    // Whole hands by rank in draw order: the player hits, then the dealer plays (drawing below
    // 18 with aces high at the first look, at most three cards) and the stand is decided.
    void hand_data() {
        QTest::addColumn<Hand>("hand");
        auto row = [](const char* name, Hand hand) { QTest::newRow(name) << hand; };
        row("ace + 7 stands", {{12, 8, 1, 7}, 0, 18, 0, 18, "Draw"});
        row("ace + king stands", {{11, 13, 1, 13}, 0, 20, 0, 21, "Loss"});
        row("10 + 7 draws and busts", {{10, 9, 10, 7, 5}, 0, 19, 1, 22, "Win"});
        row("ace + 6 draws", {{10, 8, 1, 6, 2}, 0, 18, 1, 19, "Loss"});
        row("ace + ace draws, 11 draws", {{10, 9, 1, 1, 9, 7}, 0, 19, 2, 18, "Win"});
        row("ace + 6 + ace: both drop", {{10, 7, 1, 6, 1, 10}, 0, 17, 2, 18, "Loss"});
        row("five cards stop at 14", {{10, 5, 2, 3, 2, 4, 3, 2}, 0, 15, 3, 14, "Win"});
        row("dealer bust beats 12", {{2, 10, 10, 6, 13}, 0, 12, 1, 26, "Win"});
        row("two-card 21, three-card 21", {{1, 13, 10, 5, 6}, 0, 21, 1, 21, "Draw"});
        row("ace + ace: both drop", {{1, 1, 10, 8}, 0, 2, 0, 18, "Loss"});
        row("hit to 21 goes on", {{5, 6, 9, 9, 10}, 1, 21, 0, 18, "Win"});
        row("king + queen + ace + ace", {{13, 12, 10, 8, 1, 1}, 2, 22, 0, 18, "None"});
        row("ace + ace + 9", {{1, 1, 10, 8, 9}, 1, 11, 0, 18, "Loss"});
        row("bust, dealer busts equal", {{10, 2, 10, 6, 13, 6}, 1, 22, 1, 22, "Draw"});
        row("bust, dealer busts lower", {{10, 6, 10, 6, 13, 6}, 1, 26, 1, 22, "None"});
        row("sixth card, the dealer's too", {{2, 3, 10, 6, 2, 3, 4, 5}, 4, 19, 1, 21, "Loss"});
        row("sixth card busts", {{2, 3, 10, 6, 5, 4, 6, 13}, 4, 30, 1, 26, "None"});
    }
    void hand() {
        QFETCH(Hand, hand);
        const auto& [cards, hits, player, draws, dealer, outcome] = hand;
        HandState state = dealt(cards);
        for (int hit = 1; hit <= hits; ++hit) {
            const HitReport report = PlayerHit(state);
            QCOMPARE(state.PlayerRanks(2 + hit), cards[3 + hit]);
            QCOMPARE(report.bust, hit == hits && player > 21);
            QCOMPARE(report.sixthCard, hit == 4);
        }
        // The sixth card moves neither counter; every other card moves both.
        QCOMPARE(state.NextPlayerSlot, std::min(3 + hits, 6));
        QCOMPARE(state.NextCard, 5 + std::min(hits, 3));
        const StandReport report = Stand(state);
        QCOMPARE(state.PlayerTotal, player);
        QCOMPARE(report.dealerDraws, draws);
        QCOMPARE(state.DealerTotal, dealer);
        QCOMPARE(name(report.outcome), outcome);
        // The dealer's draws follow the player's cards in the one shared sequence.
        const int first = 4 + std::min(hits, 3);
        for (int slot = 1; slot <= 6; ++slot)
            QCOMPARE(state.DealerRanks(slot), slot <= 2           ? cards[slot + 1]
                                              : slot <= 2 + draws ? cards[first + slot - 3]
                                                                  : 0);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "engine_test.moc"
