#pragma once

#include "Step.h"
#include "engine/Random.h"

#include <deque>
#include <random>
#include <vector>

namespace monkey {

// The game's source of luck under the random player: seeded, never the clock. Every value drawn
// is written into the step being made up, and handed out again when the step is played back.
// Values queued with favour() come first, so the player is dealt a good hand now and then.
class Luck final : public engine::RandomSource {
  public:
    explicit Luck(std::mt19937& rng) : rng_(rng) {}

    void beginStep(Step* step, bool playBack);
    void favour(const std::vector<int>& cardNumbers);
    void forgetFavours() { favoured_.clear(); }

    void reseedFromClock() override {}
    float next() override;

  private:
    std::mt19937& rng_;
    Step* step_ = nullptr;
    bool playBack_ = false;
    std::size_t nextValue_ = 0;
    int pastTape_ = 0;
    std::deque<float> favoured_;
};

// The value that the draw turns into card number n (1..52).
float valueForCard(int n);
// Card number 1..52 of suit 0..3 (spades, hearts, clovers, diamonds) and rank 1..13.
inline int card(int suit, int rank) {
    return suit * 13 + rank;
}

} // namespace monkey
