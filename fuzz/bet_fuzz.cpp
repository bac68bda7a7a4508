// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Any text typed into the casino's bet box against any cash in hand (the first two bytes): one
// to four digits worth $1 up to all the cash are taken, and nothing else, always with a message.
#include "casino/Settlement.h"

#include <QRegularExpression>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    std::int16_t money = 0;
    std::memcpy(&money, data, 2);
    const auto text = QString::fromUtf8(QByteArrayView(data + 2, qsizetype(size) - 2));
    const int bet =
        QRegularExpression("\\A[0-9]{1,4}\\z").match(text).hasMatch() ? text.toInt() : 0;
    const casino::BetCheck check = casino::checkBet(text, money);
    const bool taken = check.refusal == casino::BetRefusal::None;
    if (taken != (bet >= 1 && bet <= money) || (taken && *check.amount != bet) ||
        casino::refusalMessage(check.refusal).isEmpty() != taken)
        __builtin_trap();
    return 0;
}
