// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Any bytes in a number file: an error, or the one line's number, in range and with its digits
// as written, whose record reads back the same; never a crash, never a wrapped value.
#include "game/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArrayView(data, qsizetype(size)).toByteArray();
    const auto read = game::parseIntegerRecord(bytes, "Money.txt");
    // The digits are compared wide: -32768 has no 16-bit opposite.
    const QByteArray digits = read ? QByteArray::number(qAbs(int{read.value()})) : QByteArray();
    if (read && (!bytes.contains(digits) || bytes.count('\n') > 1 ||
                 game::parseIntegerRecord(game::integerRecordBytes(read.value()), {}).value() !=
                     read.value()))
        __builtin_trap();
    return 0;
}
