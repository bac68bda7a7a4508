// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Hand.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace casino {

// The most cash a win leaves in hand; a draw's refund is not held to it.
inline constexpr int CashCap = 9999;
// Bets are typed with at most this many digits, so no bet passes 9999.
inline constexpr int BetDigits = 4;

// Why the deal turns a typed bet away, in the order the table tests them.
enum class BetRefusal {
    None,        // the bet is taken
    NoBet,       // nothing typed, or the box was cancelled
    NotDigits,   // a character other than 0..9
    TooLong,     // more than four characters, leading zeros included
    TooMuch,     // more than the cash in hand
    NotPositive, // 0 (or 0000)
};

struct BetCheck {
    BetRefusal refusal = BetRefusal::None;
    // The number typed, once the text has passed the digit and length tests; a bet refused for
    // its amount keeps it, so the table keeps it too.
    std::optional<std::int16_t> amount;
};

// Tests the text of the bet box against the cash in hand.
BetCheck checkBet(QStringView text, std::int16_t money);

// The message box a refusal shows; empty for an accepted bet.
QString refusalMessage(BetRefusal refusal);

// The cash in hand and the stake of the hand in play. The stake is taken out of the cash at the
// deal and paid back into it when the hand is settled. Sums are made in int and brought back by
// the game's own cap, so a large purse never wraps.
struct Purse {
    std::int16_t Money = 0;
    std::int16_t Bet = 0;

    // The deal: the stake leaves the cash.
    void takeStake(std::int16_t bet);
    // The double down is offered only while the cash left can cover the stake once more.
    bool canDoubleDown() const { return Money - Bet >= 0; }
    // The stake leaves the cash a second time and the bet doubles.
    void doubleDown();
    // A win pays twice the bet (cash then held to 9999), a draw returns it, a loss or no decision
    // keeps nothing; the bet is cleared either way.
    void settle(engine::Outcome outcome);
    // Between hands the cash never stays below 0.
    void clearForNextHand();
};

} // namespace casino
