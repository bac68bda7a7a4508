// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace bank {

// Neither the cash in hand after a withdrawal nor the account after a deposit may pass this.
inline constexpr int Cap = 9999;

enum class Direction { Deposit, Withdraw };

// What the machine answers to one order.
enum class Verdict {
    InvalidInput, // empty, or anything but the digits 0 to 9
    TooLong,      // more than four digits: more than the machine takes
    Zero,         // an amount of nothing
    NotEnough,    // more than the giving side holds
    Moved,        // carried out in full
    Capped,       // the receiving side reached $9999 and the rest went back
    Unholdable,   // the result would not fit the machine's figures: refused, nothing moved
};

struct Account {
    std::int16_t Money = 0;
    std::int16_t BankBalance = 0;
};

struct Order {
    Verdict verdict = Verdict::InvalidInput;
    // The amount went across (the cap may have sent part of it back); the machine then shows the
    // pending transfer until the wait is over.
    bool moved = false;
    int Amount = 0; // 0..9999 when the text was a number the machine takes
    Account after;
};

// The amount check of the machine: at least one character, and every one a digit 0 to 9.
bool isAmountText(QStringView AmountText);

// Carries out one deposit or withdrawal on the account, or says why not. A cap is applied even
// when nothing moved, as long as the amount was a number of at most four digits.
Order placeOrder(Direction direction, Account before, QStringView AmountText);

// The fixed status line for a verdict; empty for Moved, which shows the pending transfer instead.
QString statusMessage(Direction direction, Verdict verdict);

// The status line while a transfer is pending, before the dots.
QString pendingText(Direction direction);

} // namespace bank
