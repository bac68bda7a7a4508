// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Cards.h"
#include "engine/Hand.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace game {

// What a player who cannot see a table hears of it, in the player's language; both tables say
// the same of their cards. The counts are the hand's as the game counts it, and each table says
// its own amounts after these sentences.

// A card as a player says it: "Ace of Spades", "Ten of Hearts", "King of Clubs" (the clovers);
// in German "Pik-Ass". Empty when the suit or rank names no card.
QString cardName(const std::string& suit, std::int16_t rank);
// The dealer's hidden card and the pile the cards come from.
QString faceDownName();
QString deckName();
// The result picture as it is read out: "You win", "You lose", "Draw", "Busted".
QString resultName(engine::TableResult result);

// "A", "A and B", "A, B and C".
QString listed(const QStringList& items);

// "You have Two of Spades and Three of Hearts: 5. The dealer shows Queen of Spades."
QString spokenDeal(const engine::HandState& hand);

// "You draw Six of Clubs: 18.", "You draw King of Clubs: 25, over 21." A sixth card says so:
// "You draw Two of Hearts, a sixth card: 19." Empty when nothing was drawn.
QString spokenHit(const engine::HandState& hand, const engine::HitReport& hit);

// "The dealer turns up Nine of Diamonds and draws Four of Clubs and Five of Hearts: 28."
QString spokenStand(const engine::HandState& hand, const engine::StandReport& stand);

} // namespace game
