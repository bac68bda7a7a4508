// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Random.h"

#include <deque>
#include <vector>

// A random source whose values a test chooses, so a table deals exactly the cards it needs.
//
//     ScriptedRandom random;
//     random.dealing({1, 13, 40, 7, 10}); // ace and king of spades to the player, the ace of
//     engine::DrawCards(hand, 12, random); // diamonds face down, the seven of spades face up,
//     engine::DealHand(hand);              // and the ten of spades for the first hit
//
// Card numbers are in draw order: 1 and 2 go to the player, 3 is the dealer's hole card, 4 the
// dealer's open card, 5 onwards the hits and the dealer's draws as they are called for. Fewer
// than twelve numbers may be given: once the script runs out, the source counts on through the
// deck from the ace of spades, so the draw fills up with cards not dealt yet and always ends.
// dealingRanks({10, 6, 1, 7}) deals by rank alone: spades first, a rank that comes again in
// hearts, then clovers, then diamonds. queue() adds any raw value (the casino's deck back takes
// one).
class ScriptedRandom final : public engine::RandomSource {
  public:
    // A value r that the draw turns into card number n (1..52).
    static float valueForCard(int n);

    // Queues the values that draw these cards, in order.
    ScriptedRandom& dealing(const std::vector<int>& cardNumbers);
    // Queues cards by rank 1..13 (each rank at most four times), suits chosen as above.
    ScriptedRandom& dealingRanks(const std::vector<int>& ranks);
    ScriptedRandom& queue(float r);

    void reseedFromClock() override;
    float next() override;

    int draws() const { return draws_; }
    // Values taken without a re-seed since the value before: the game re-seeds every time.
    int drawsWithoutReseed() const { return drawsWithoutReseed_; }
    bool scriptUsedUp() const { return script_.empty(); }

  private:
    std::deque<float> script_;
    int draws_ = 0;
    int drawsWithoutReseed_ = 0;
    int valuesPastScript_ = 0;
    bool reseededSinceDraw_ = false;
};
