// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Any bytes in a name file: an error, or the one line's text, which the writer refuses or writes
// back to a record reading the same; never a crash.
#include "game/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArrayView(data, qsizetype(size)).toByteArray();
    const auto read = game::parseTextRecord(bytes, "Name.txt");
    if (read &&
        (bytes.count('\n') > 1 ||
         (game::unstorableTextReason(read.value()).isEmpty() &&
          game::parseTextRecord(game::textRecordBytes(read.value()), {}).value() != read.value())))
        __builtin_trap();
    return 0;
}
