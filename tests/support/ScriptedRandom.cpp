// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "support/ScriptedRandom.h"

#include <array>

float ScriptedRandom::valueForCard(int n) {
    // The middle of each card's width; the ace of spades and the king of diamonds have wider
    // and narrower ones at the ends of the range.
    if (n <= 1) return 1.0f / 52.0f;
    if (n >= 52) return static_cast<float>(51.75 / 52.0);
    return static_cast<float>(n / 52.0);
}

ScriptedRandom& ScriptedRandom::dealing(const std::vector<int>& cardNumbers) {
    for (int n : cardNumbers)
        script_.push_back(valueForCard(n));
    return *this;
}

ScriptedRandom& ScriptedRandom::dealingRanks(const std::vector<int>& ranks) {
    std::array<int, 14> timesDealt{};
    for (int rank : ranks) {
        const int suit = timesDealt.at(static_cast<std::size_t>(rank))++;
        script_.push_back(valueForCard(suit * 13 + rank));
    }
    return *this;
}

ScriptedRandom& ScriptedRandom::queue(float r) {
    script_.push_back(r);
    return *this;
}

void ScriptedRandom::reseedFromClock() {
    reseededSinceDraw_ = true;
}

float ScriptedRandom::next() {
    if (!reseededSinceDraw_) ++drawsWithoutReseed_;
    reseededSinceDraw_ = false;
    ++draws_;
    if (!script_.empty()) {
        const float r = script_.front();
        script_.pop_front();
        return r;
    }
    const int card = valuesPastScript_ % 52 + 1;
    ++valuesPastScript_;
    return valueForCard(card);
}
