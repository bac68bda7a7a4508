// Any bytes in a name file: the reader gives a text or an error. A text it gives either writes
// back to a record reading the same text, or is refused by the writer; never a crash.
#include "game/Records.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = game::parseTextRecord(bytes, QStringLiteral("Name.txt"));
    if (!read.ok()) {
        if (read.error().message().isEmpty()) std::abort();
        return 0;
    }
    if (!game::unstorableTextReason(read.value()).isEmpty()) return 0;
    const auto again = game::parseTextRecord(game::textRecordBytes(read.value()), {});
    if (!again.ok() || again.value() != read.value()) std::abort();
    return 0;
}
