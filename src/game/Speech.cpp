// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/Speech.h"

#include <QCoreApplication>

namespace game {

namespace {

// The suits by the names the game keeps them under; the clovers are what every player calls
// clubs.
QString suitWord(const std::string& suit) {
    if (suit == "Spades") return QCoreApplication::translate("Cards", "Spades", "suit");
    if (suit == "Hearts") return QCoreApplication::translate("Cards", "Hearts", "suit");
    if (suit == "Clovers") return QCoreApplication::translate("Cards", "Clubs", "suit");
    if (suit == "Diamonds") return QCoreApplication::translate("Cards", "Diamonds", "suit");
    return {};
}

QString rankWord(std::int16_t rank) {
    switch (rank) {
    case 1:
        return QCoreApplication::translate("Cards", "Ace", "rank");
    case 2:
        return QCoreApplication::translate("Cards", "Two", "rank");
    case 3:
        return QCoreApplication::translate("Cards", "Three", "rank");
    case 4:
        return QCoreApplication::translate("Cards", "Four", "rank");
    case 5:
        return QCoreApplication::translate("Cards", "Five", "rank");
    case 6:
        return QCoreApplication::translate("Cards", "Six", "rank");
    case 7:
        return QCoreApplication::translate("Cards", "Seven", "rank");
    case 8:
        return QCoreApplication::translate("Cards", "Eight", "rank");
    case 9:
        return QCoreApplication::translate("Cards", "Nine", "rank");
    case 10:
        return QCoreApplication::translate("Cards", "Ten", "rank");
    case 11:
        return QCoreApplication::translate("Cards", "Jack", "rank");
    case 12:
        return QCoreApplication::translate("Cards", "Queen", "rank");
    case 13:
        return QCoreApplication::translate("Cards", "King", "rank");
    default:
        return {};
    }
}

QString playerCard(const engine::HandState& hand, int slot) {
    return cardName(hand.PlayerSuits(slot), hand.PlayerRanks(slot));
}

QString dealerCard(const engine::HandState& hand, int slot) {
    return cardName(hand.DealerSuits(slot), hand.DealerRanks(slot));
}

} // namespace

QString cardName(const std::string& suit, std::int16_t rank) {
    const QString suitSaid = suitWord(suit);
    const QString rankSaid = rankWord(rank);
    if (suitSaid.isEmpty() || rankSaid.isEmpty()) return {};
    return QCoreApplication::translate("Cards", "%1 of %2", "a card: %1 its rank, %2 its suit")
        .arg(rankSaid, suitSaid);
}

QString faceDownName() {
    return QCoreApplication::translate("Cards", "face-down card", "the dealer's hidden card");
}

QString deckName() {
    return QCoreApplication::translate("Cards", "deck", "the pile the cards are drawn from");
}

QString resultName(engine::TableResult result) {
    switch (result) {
    case engine::TableResult::Win:
        return QCoreApplication::translate("Speech", "You win", "result of a hand");
    case engine::TableResult::Lose:
        return QCoreApplication::translate("Speech", "You lose", "result of a hand");
    case engine::TableResult::Draw:
        return QCoreApplication::translate("Speech", "Draw", "result of a hand");
    case engine::TableResult::Busted:
        return QCoreApplication::translate("Speech", "Busted", "result of a hand: over 21");
    }
    return {};
}

QString listed(const QStringList& items) {
    QString said = items.value(0);
    for (qsizetype k = 1; k < items.size(); ++k) {
        said = k + 1 == items.size()
                   ? QCoreApplication::translate("Speech", "%1 and %2",
                                                 "the last two of a list of cards")
                         .arg(said, items[k])
                   : QCoreApplication::translate("Speech", "%1, %2",
                                                 "a list of cards, before its last two")
                         .arg(said, items[k]);
    }
    return said;
}

QString spokenDeal(const engine::HandState& hand) {
    engine::Points points;
    std::int16_t total = 0;
    engine::CountHand(hand.PlayerRanks, points, total);
    return QCoreApplication::translate(
               "Speech", "You have %1: %2. The dealer shows %3.",
               "%1 the player's two cards, %2 their count, %3 the dealer's open card")
        .arg(listed({playerCard(hand, 1), playerCard(hand, 2)}), QString::number(total),
             dealerCard(hand, 2));
}

QString spokenHit(const engine::HandState& hand, const engine::HitReport& hit) {
    if (hit.slot == 0) return {};
    const QString card = playerCard(hand, hit.slot);
    const QString total = QString::number(hand.PlayerTotal);
    if (hit.sixthCard && hit.bust)
        return QCoreApplication::translate("Speech", "You draw %1, a sixth card: %2, over 21.",
                                           "%1 the card, %2 the count")
            .arg(card, total);
    if (hit.sixthCard)
        return QCoreApplication::translate("Speech", "You draw %1, a sixth card: %2.",
                                           "%1 the card, %2 the count")
            .arg(card, total);
    if (hit.bust)
        return QCoreApplication::translate("Speech", "You draw %1: %2, over 21.",
                                           "%1 the card, %2 the count")
            .arg(card, total);
    return QCoreApplication::translate("Speech", "You draw %1: %2.", "%1 the card, %2 the count")
        .arg(card, total);
}

QString spokenStand(const engine::HandState& hand, const engine::StandReport& stand) {
    QStringList drawn;
    const int firstDraw = hand.NextDealerSlot - stand.dealerDraws;
    for (int slot = firstDraw; slot < hand.NextDealerSlot; ++slot)
        drawn << dealerCard(hand, slot);
    const QString total = QString::number(hand.DealerTotal);
    if (drawn.isEmpty())
        return QCoreApplication::translate("Speech", "The dealer turns up %1: %2.",
                                           "%1 the hidden card, %2 the dealer's count")
            .arg(dealerCard(hand, 1), total);
    return QCoreApplication::translate(
               "Speech", "The dealer turns up %1 and draws %2: %3.",
               "%1 the hidden card, %2 the cards drawn, %3 the dealer's count")
        .arg(dealerCard(hand, 1), listed(drawn), total);
}

} // namespace game
