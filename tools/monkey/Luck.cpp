#include "Luck.h"

namespace monkey {

float valueForCard(int n) {
    // The middle of the card's share of 0..1; the two end cards have wider and narrower ones.
    if (n <= 1) return 1.0f / 52.0f;
    if (n >= 52) return static_cast<float>(51.75 / 52.0);
    return static_cast<float>(n / 52.0);
}

void Luck::beginStep(Step* step, bool playBack) {
    step_ = step;
    playBack_ = playBack;
    nextValue_ = 0;
    pastTape_ = 0;
}

void Luck::favour(const std::vector<int>& cardNumbers) {
    for (int n : cardNumbers)
        favoured_.push_back(valueForCard(n));
}

float Luck::next() {
    if (playBack_) {
        if (step_ && nextValue_ < step_->luck.size()) return step_->luck[nextValue_++];
        // Past the recorded values the deck is counted through from the ace of spades, so any
        // draw still ends with distinct cards.
        return valueForCard(pastTape_++ % 52 + 1);
    }
    float r;
    if (!favoured_.empty()) {
        r = favoured_.front();
        favoured_.pop_front();
    } else {
        // 24 random bits fill a float's mantissa exactly: 0 <= r < 1 always.
        r = static_cast<float>(rng_() >> 8) * 0x1p-24f;
    }
    if (step_) step_->luck.push_back(r);
    return r;
}

} // namespace monkey
