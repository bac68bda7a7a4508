// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Cards.h"

#include <cstdint>

namespace engine {

// Counts a hand from scratch: court cards 10, aces 11, and once the sum passes 21 every ace of
// the hand drops to 1 at the same time.
void CountHand(const Ranks& ranks, Points& points, std::int16_t& total);

// The dealer's first look at a hand: aces at 11, no ace rule.
std::int16_t CountWithoutAceRule(const Ranks& ranks);

// What one hit did, for the table to show.
struct HitReport {
    int slot = 0;           // the player slot that took the card
    int card = 0;           // the drawn card it took (index into CardSuits / CardRanks)
    bool sixthCard = false; // the card went into slot 6: the player's turn is over
    bool bust = false;      // the player's total passed 21
};

// The player's hit: the next drawn card into the next player slot, the hand recounted. A card
// into slot 6 leaves both counters where they are.
HitReport PlayerHit(HandState& hand);

enum class Outcome { Win, Loss, Draw, NoDecision };

// Decides a stand between the player's and the dealer's totals; the first rule that holds wins:
// dealer bust with the player at 21 or less, higher player total up to 21, lower, equal.
Outcome DecideOutcome(std::int16_t playerTotal, std::int16_t dealerTotal);

// What the dealer did and how the stand ended.
struct StandReport {
    int dealerDraws = 0;    // cards the dealer drew, into slots 3, 4, ... in order
    int firstDrawnCard = 0; // the drawn card index of the dealer's first draw (0 when none)
    Outcome outcome = Outcome::NoDecision;
};

// The dealer plays (stands on 18 to 21 at the first look, draws while below 18, at most three
// cards into slots 3..5), then the player's hand is counted a last time and the result decided.
// Turning up the hole card and showing the result are the table's to do.
StandReport Stand(HandState& hand);

} // namespace engine
