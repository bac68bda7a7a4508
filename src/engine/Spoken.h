// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Hand.h"

#include <string>

namespace engine {

// What a player who cannot see the table hears of a hand, in the game's words; the counts are
// the hand's as the game counts it. Both tables say their own amounts and results after these.

// "You have Two of Spades and Three of Hearts: 5. The dealer shows Queen of Spades."
std::string SpokenDeal(const HandState& hand);

// "You draw Six of Clubs: 18.", "You draw King of Clubs: 25, over 21." A sixth card says so:
// "You draw Two of Hearts, a sixth card: 19."
std::string SpokenHit(const HandState& hand, const HitReport& hit);

// "The dealer turns up Nine of Diamonds and draws Four of Clubs and Five of Hearts: 28."
std::string SpokenStand(const HandState& hand, const StandReport& stand);

} // namespace engine
