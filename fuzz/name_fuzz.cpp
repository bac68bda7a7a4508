// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Any name typed for a new game: refused with a message when empty or not storable, otherwise
// saved as one record that reads back the very same name.
#include "game/PlayerName.h"
#include "game/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto name = QString::fromUtf8(QByteArrayView(data, qsizetype(size)));
    const bool refused = !game::nameRefusal(name).isEmpty();
    const QByteArray bytes = game::textRecordBytes(name);
    if (refused != (name.isEmpty() || !game::unstorableTextReason(name).isEmpty()) ||
        (!refused && (bytes.count('\n') != 1 || game::parseTextRecord(bytes, {}).value() != name)))
        __builtin_trap();
    return 0;
}
