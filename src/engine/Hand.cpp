// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Hand.h"

namespace engine {

namespace {

constexpr int Blackjack = 21;
constexpr int DealerStandsOn = 18;

// Steps 1 to 3 of the count: court cards 10, every ace 11. Returns the sum.
int countAcesHigh(const Ranks& ranks, Points& points) {
    int total = 0;
    for (int slot = 1; slot <= HandSlots; ++slot) {
        std::int16_t value = ranks(slot);
        if (value >= 11 && value <= 13) value = 10;
        if (value == 1) value = 11;
        points(slot) = value;
        total += value;
    }
    return total;
}

bool inRange(int value, int first, int last) {
    return value >= first && value <= last;
}

} // namespace

void CountHand(const Ranks& ranks, Points& points, std::int16_t& total) {
    int sum = countAcesHigh(ranks, points);
    if (sum > Blackjack) {
        // All aces drop together: ace + ace + 9 is 11, never 21.
        sum = 0;
        for (std::int16_t& value : points) {
            if (value == 11) value = 1;
            sum += value;
        }
    }
    total = static_cast<std::int16_t>(sum);
}

std::int16_t CountWithoutAceRule(const Ranks& ranks) {
    Points scratch;
    return static_cast<std::int16_t>(countAcesHigh(ranks, scratch));
}

HitReport PlayerHit(HandState& hand) {
    HitReport report;
    if (!inRange(hand.NextPlayerSlot, 1, HandSlots) || !inRange(hand.NextCard, 1, DrawnCards))
        return report;

    report.slot = hand.NextPlayerSlot;
    report.card = hand.NextCard;
    report.sixthCard = hand.NextPlayerSlot == HandSlots;

    hand.PlayerSuits(report.slot) = hand.CardSuits(report.card);
    hand.PlayerRanks(report.slot) = hand.CardRanks(report.card);
    CountHand(hand.PlayerRanks, hand.PlayerPoints, hand.PlayerTotal);
    report.bust = hand.PlayerTotal > Blackjack;

    // The sixth card ends the player's turn and is not taken from the shared sequence: the
    // dealer's first draw after a double down is that same card.
    if (!report.sixthCard) {
        ++hand.NextCard;
        ++hand.NextPlayerSlot;
    }
    return report;
}

Outcome DecideOutcome(std::int16_t playerTotal, std::int16_t dealerTotal) {
    if (dealerTotal > Blackjack && playerTotal <= Blackjack) return Outcome::Win;
    if (playerTotal > dealerTotal && playerTotal <= Blackjack) return Outcome::Win;
    if (playerTotal < dealerTotal) return Outcome::Loss;
    if (playerTotal == dealerTotal) return Outcome::Draw;
    // Only a player busted by a double down gets here, with the dealer below that total.
    return Outcome::NoDecision;
}

StandReport Stand(HandState& hand) {
    StandReport report;
    for (;;) {
        // The first look counts aces at 11, so two dealt aces (22) make the dealer draw.
        hand.DealerTotal =
            static_cast<std::int16_t>(countAcesHigh(hand.DealerRanks, hand.DealerPoints));
        if (inRange(hand.DealerTotal, DealerStandsOn, Blackjack)) break;
        // The dealer never fills slot 6; outside a dealt hand there is nothing to draw, and the
        // hand keeps its full count.
        if (!inRange(hand.NextDealerSlot, 1, HandSlots - 1) ||
            !inRange(hand.NextCard, 1, DrawnCards)) {
            CountHand(hand.DealerRanks, hand.DealerPoints, hand.DealerTotal);
            break;
        }

        const int slot = hand.NextDealerSlot;
        if (report.dealerDraws == 0) report.firstDrawnCard = hand.NextCard;
        hand.DealerSuits(slot) = hand.CardSuits(hand.NextCard);
        hand.DealerRanks(slot) = hand.CardRanks(hand.NextCard);
        CountHand(hand.DealerRanks, hand.DealerPoints, hand.DealerTotal);
        ++report.dealerDraws;
        ++hand.NextDealerSlot;
        ++hand.NextCard;

        if (hand.DealerTotal >= DealerStandsOn || hand.NextDealerSlot == HandSlots) break;
    }

    CountHand(hand.PlayerRanks, hand.PlayerPoints, hand.PlayerTotal);
    report.outcome = DecideOutcome(hand.PlayerTotal, hand.DealerTotal);
    return report;
}

} // namespace engine
