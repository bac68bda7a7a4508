// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// What a player who cannot see the table hears of one hand in German: each card named in the
// German order, the dealer's draws listed as German lists them. (The English is heard at the
// tables, in screen_reader_test.)
#include "game/Speech.h"
#include "ui/Language.h"

#include <QTest>

class SpeechTest : public QObject {
    Q_OBJECT
  private slots:
    // The player holds two of spades and three of hearts and draws the king of clubs; the dealer
    // shows the queen of spades, turns up the nine of diamonds and draws three more.
    void oneHandInGerman() {
        ui::useLanguage("de");
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
        ui::useLanguage("en");
        QCOMPARE(said, QStringList({"Du hast Pik-Zwei und Herz-Drei: 5. Der Croupier zeigt "
                                    "Pik-Dame.",
                                    "Du bekommst Kreuz-König: 15.",
                                    "Der Croupier deckt Karo-Neun auf und zieht Kreuz-Zwei, "
                                    "Herz-Drei und Pik-Vier: 28."}));
    }
};

QTEST_MAIN(SpeechTest)
#include "speech_test.moc"
