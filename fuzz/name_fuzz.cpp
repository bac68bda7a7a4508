// Any name typed for a new game: it is refused with a message, or taken exactly as typed and
// saved as a record that reads back the very same name; never a crash, never a changed name.
#include "game/PlayerName.h"
#include "game/Records.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

// The first byte chooses how the rest was typed: UTF-8, one byte a character, or UTF-16.
QString typedName(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    switch (data[0] % 3) {
    case 0:
        return QString::fromUtf8(text, length);
    case 1:
        return QString::fromLatin1(text, length);
    default: {
        QString utf16;
        for (qsizetype i = 0; i + 1 < length; i += 2)
            utf16.append(QChar(static_cast<char16_t>(static_cast<std::uint8_t>(text[i]) |
                                                     static_cast<std::uint8_t>(text[i + 1]) << 8)));
        return utf16;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QString name = typedName(data, size);
    const QString refusal = game::nameRefusal(name);
    if (!refusal.isEmpty()) {
        require(name.isEmpty() || !game::unstorableTextReason(name).isEmpty());
        return 0;
    }
    require(!name.isEmpty() && game::unstorableTextReason(name).isEmpty());
    const QByteArray bytes = game::textRecordBytes(name);
    require(bytes.endsWith("\r\n") && bytes.count('\n') == 1);
    const auto again = game::parseTextRecord(bytes, QStringLiteral("Name.txt"));
    require(again.ok() && again.value() == name);
    return 0;
}
