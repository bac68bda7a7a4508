// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// How long the deal's draw of twelve distinct cards takes with the real clock-seeded source,
// re-seeding before every draw and redrawing repeats.
#include "engine/Cards.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    using Clock = std::chrono::steady_clock;
    constexpr int Runs = 101;
    constexpr int CallsPerRun = 2000;

    engine::ClockRandom random;
    engine::HandState hand;
    const std::int16_t count = engine::DrawnCards;
    long checksum = 0;

    std::vector<double> nsPerCall;
    nsPerCall.reserve(Runs);
    for (int run = 0; run < Runs; ++run) {
        const auto start = Clock::now();
        for (int call = 0; call < CallsPerRun; ++call) {
            engine::DrawCards(hand, count, random);
            checksum += hand.CardNumbers(1);
        }
        const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
        nsPerCall.push_back(spent.count() / CallsPerRun);
    }
    std::sort(nsPerCall.begin(), nsPerCall.end());

    std::printf("DrawCards(12) with ClockRandom: median %.0f ns per call "
                "(fastest %.0f, slowest %.0f; %d runs of %d calls; checksum %ld)\n",
                nsPerCall[Runs / 2], nsPerCall.front(), nsPerCall.back(), Runs, CallsPerRun,
                checksum);
    return 0;
}
