// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "casino/Settlement.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace casino {

namespace {

// Every sum the table makes stays inside 16 bits by its own rules; should a damaged purse ever
// push one past them, it is held at the edge, never wrapped round to the other sign.
std::int16_t stored(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace

BetCheck checkBet(QStringView text, std::int16_t money) {
    BetCheck check;
    if (text.isEmpty()) {
        check.refusal = BetRefusal::NoBet;
        return check;
    }
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9') {
            check.refusal = BetRefusal::NotDigits;
            return check;
        }
    }
    if (text.size() > BetDigits) {
        check.refusal = BetRefusal::TooLong;
        return check;
    }
    int amount = 0;
    for (QChar c : text)
        amount = amount * 10 + (c.unicode() - u'0');
    check.amount = static_cast<std::int16_t>(amount);
    if (amount > money)
        check.refusal = BetRefusal::TooMuch;
    else if (amount < 1)
        check.refusal = BetRefusal::NotPositive;
    return check;
}

QString refusalMessage(BetRefusal refusal) {
    switch (refusal) {
    case BetRefusal::None:
        return {};
    case BetRefusal::NoBet:
        return QCoreApplication::translate("Casino", "You haven't made a bet.");
    case BetRefusal::NotDigits:
    case BetRefusal::TooLong:
        return QCoreApplication::translate("Casino", "Not a valid bet.");
    case BetRefusal::TooMuch:
        return QCoreApplication::translate("Casino", "Sorry, you don't have that much money.");
    case BetRefusal::NotPositive:
        return QCoreApplication::translate("Casino", "... Not valid.");
    }
    return {};
}

void Purse::takeStake(std::int16_t bet) {
    Bet = bet;
    Money = stored(int{Money} - int{Bet});
}

void Purse::doubleDown() {
    Money = stored(int{Money} - int{Bet});
    Bet = stored(int{Bet} * 2);
}

void Purse::settle(engine::Outcome outcome) {
    switch (outcome) {
    case engine::Outcome::Win:
        Money = stored(std::min(int{Money} + 2 * int{Bet}, CashCap));
        break;
    case engine::Outcome::Draw:
        Money = stored(int{Money} + int{Bet});
        break;
    case engine::Outcome::Loss:
    case engine::Outcome::NoDecision:
        break;
    }
    Bet = 0;
}

void Purse::clearForNextHand() {
    if (Money <= 0) Money = 0;
    Bet = 0;
}

} // namespace casino
