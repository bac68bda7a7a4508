// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Spoken.h"

#include <vector>

namespace engine {

namespace {

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& items) {
    std::string said;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) said += k + 1 == items.size() ? " and " : ", ";
        said += items[k];
    }
    return said;
}

std::string playerCard(const HandState& hand, int slot) {
    return CardName(hand.PlayerSuits(slot), hand.PlayerRanks(slot));
}

std::string dealerCard(const HandState& hand, int slot) {
    return CardName(hand.DealerSuits(slot), hand.DealerRanks(slot));
}

} // namespace

std::string SpokenDeal(const HandState& hand) {
    Points points;
    std::int16_t total = 0;
    CountHand(hand.PlayerRanks, points, total);
    return "You have " + listed({playerCard(hand, 1), playerCard(hand, 2)}) + ": " +
           std::to_string(total) + ". The dealer shows " + dealerCard(hand, 2) + ".";
}

std::string SpokenHit(const HandState& hand, const HitReport& hit) {
    if (hit.slot == 0) return {};
    return "You draw " + playerCard(hand, hit.slot) + (hit.sixthCard ? ", a sixth card: " : ": ") +
           std::to_string(hand.PlayerTotal) + (hit.bust ? ", over 21." : ".");
}

std::string SpokenStand(const HandState& hand, const StandReport& stand) {
    std::vector<std::string> drawn;
    const int firstDraw = hand.NextDealerSlot - stand.dealerDraws;
    for (int slot = firstDraw; slot < hand.NextDealerSlot; ++slot)
        drawn.push_back(dealerCard(hand, slot));
    return "The dealer turns up " + dealerCard(hand, 1) +
           (drawn.empty() ? "" : " and draws " + listed(drawn)) + ": " +
           std::to_string(hand.DealerTotal) + ".";
}

} // namespace engine
