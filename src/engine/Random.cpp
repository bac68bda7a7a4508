// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Random.h"

#include <chrono>
#include <cmath>

namespace engine {

namespace {

// splitmix64's finaliser: a bijection that spreads every input bit over the whole word, so
// neighbouring clock readings and neighbouring states give unrelated values.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::int64_t systemTimeOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

} // namespace

ClockRandom::ClockRandom() : ClockRandom(&systemTimeOfDay) {}

ClockRandom::ClockRandom(TimeOfDay clock)
    : clock_(clock != nullptr ? clock : &systemTimeOfDay), state_(0x6A09E667F3BCC908ULL) {
    reseedFromClock();
}

void ClockRandom::reseedFromClock() {
    // The clock is mixed into the running state rather than replacing it: the table re-seeds
    // before every draw, often many times within one tick, and must still get fresh cards.
    state_ = mix(state_ ^ static_cast<std::uint64_t>(clock_()));
}

float ClockRandom::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    // 24 bits fill a float's mantissa exactly, so the value stays strictly below 1.
    return static_cast<float>(mix(state_) >> 40) * 0x1p-24f;
}

std::int16_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    const double below = std::floor(value);
    const double fraction = value - below; // exact for values this small
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    return static_cast<std::int16_t>(rounded);
}

} // namespace engine
