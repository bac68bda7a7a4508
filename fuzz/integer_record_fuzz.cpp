// Any bytes in a number file: the reader either gives a number in range that writes back to a
// record reading the same, or an error; never a crash, never a wrapped value.
#include "game/Records.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = game::parseIntegerRecord(bytes, QStringLiteral("Money.txt"));
    if (!read.ok()) {
        if (read.error().message().isEmpty()) std::abort();
        return 0;
    }
    const auto again = game::parseIntegerRecord(game::integerRecordBytes(read.value()), {});
    if (!again.ok() || again.value() != read.value()) std::abort();
    return 0;
}
