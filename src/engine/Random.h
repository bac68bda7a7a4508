// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace engine {

// Where the tables get their luck. The game's own source re-seeds from the time of day before
// every draw; tests hand in a source that returns the values they choose.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Brings the current time of day into the sequence. Calling it again while the clock has not
    // moved must not restart the sequence.
    virtual void reseedFromClock() = 0;
    // The next value r, 0 <= r < 1.
    virtual float next() = 0;
};

// The real source: the time of day mixed into a running state, so that re-seeding many times
// within one clock tick still yields fresh values.
class ClockRandom final : public RandomSource {
  public:
    // The time of day in nanoseconds; a test may hand in a clock that stands still.
    using TimeOfDay = std::int64_t (*)();

    ClockRandom();
    explicit ClockRandom(TimeOfDay clock);
    void reseedFromClock() override;
    float next() override;

  private:
    TimeOfDay clock_;
    std::uint64_t state_;
};

// Rounds to the nearest whole number, an exact half going to the even neighbour
// (6.5 gives 6, 19.5 gives 20). Values beyond 16 bits give the nearest end of that range.
std::int16_t RoundHalfEven(double value);

} // namespace engine
