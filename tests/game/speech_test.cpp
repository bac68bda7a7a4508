// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// What a player who cannot see the table hears of one hand, in each language the game speaks.
#include "game/Speech.h"
#include "ui/Language.h"

#include <QTest>

class SpeechTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ui::useLanguage("en"); }

    // The player holds two of spades and three of hearts and draws the king of clubs; the dealer
    // shows the queen of spades, turns up the nine of diamonds and draws three more.
    void oneHand_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("English") << "en"
                                 << QStringList{"You have Two of Spades and Three of Hearts: 5. "
                                                "The dealer shows Queen of Spades.",
                                                "You draw King of Clubs: 15.",
                                                "The dealer turns up Nine of Diamonds and draws "
                                                "Two of Clubs, Three of Hearts and Four of "
                                                "Spades: 28."};
        QTest::newRow("German") << "de"
                                << QStringList{"Du hast Pik-Zwei und Herz-Drei: 5. Der Croupier "
                                               "zeigt Pik-Dame.",
                                               "Du bekommst Kreuz-König: 15.",
                                               "Der Croupier deckt Karo-Neun auf und zieht "
                                               "Kreuz-Zwei, Herz-Drei und Pik-Vier: 28."};
    }
    void oneHand() {
        QFETCH(QString, language);
        QFETCH(QStringList, heard);
        ui::useLanguage(language);
        engine::HandState hand;
        const auto place = [](engine::Suits& suits, engine::Ranks& ranks, int slot,
                              const char* suit, int rank) {
            suits(slot) = suit;
            ranks(slot) = static_cast<std::int16_t>(rank);
        };
        place(hand.PlayerSuits, hand.PlayerRanks, 1, "Spades", 2);
        place(hand.PlayerSuits, hand.PlayerRanks, 2, "Hearts", 3);
        place(hand.DealerSuits, hand.DealerRanks, 1, "Diamonds", 9);
        place(hand.DealerSuits, hand.DealerRanks, 2, "Spades", 12);
        QStringList said{game::spokenDeal(hand)};

        place(hand.PlayerSuits, hand.PlayerRanks, 3, "Clovers", 13);
        hand.PlayerTotal = 15;
        said << game::spokenHit(hand, engine::HitReport{.slot = 3, .card = 5});

        place(hand.DealerSuits, hand.DealerRanks, 3, "Clovers", 2);
        place(hand.DealerSuits, hand.DealerRanks, 4, "Hearts", 3);
        place(hand.DealerSuits, hand.DealerRanks, 5, "Spades", 4);
        hand.NextDealerSlot = 6;
        hand.DealerTotal = 28;
        said << game::spokenStand(hand, engine::StandReport{.dealerDraws = 3});
        QCOMPARE(said, heard);
    }
};

QTEST_MAIN(SpeechTest)
#include "speech_test.moc"
