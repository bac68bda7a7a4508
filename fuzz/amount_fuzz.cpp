// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Any text typed into the bank's amount box, for any cash and balance (two bytes each) and either
// button (the fifth byte, even for a deposit): cash + balance stay whole; one to four digits worth
// $1 up to all the giving side holds go across, nothing else does, unless the machine cannot hold
// the result; the receiving side is held to $9999, the rest going back; never a crash.
#include "bank/Transfer.h"

#include <QRegularExpression>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::int16_t money = 0, balance = 0;
    std::memcpy(&money, data, 2);
    std::memcpy(&balance, data + 2, 2);
    const bool deposit = data[4] % 2 == 0;
    const auto text = QString::fromUtf8(QByteArrayView(data + 5, qsizetype(size) - 5));
    const int amount =
        QRegularExpression("\\A[0-9]{1,4}\\z").match(text).hasMatch() ? text.toInt() : -1;
    const auto order = bank::placeOrder(
        deposit ? bank::Direction::Deposit : bank::Direction::Withdraw, {money, balance}, text);
    const int giving = deposit ? money : balance, receiving = deposit ? balance : money;
    const int received = deposit ? order.after.BankBalance : order.after.Money;
    if (order.after.Money + order.after.BankBalance != money + balance ||
        (amount < 0 && received != receiving) ||
        (order.verdict != bank::Verdict::Unholdable &&
         order.moved != (amount >= 1 && amount <= giving)) ||
        (order.moved && received != std::min(receiving + amount, 9999)))
        __builtin_trap();
    return 0;
}
