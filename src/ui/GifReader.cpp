// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/GifReader.h"

#include <QFile>
#include <array>
#include <cstdint>

namespace ui {

namespace {

// The LZW codes of one image, unpacked straight into pixels of the colour table's colours.
bool unpack(const QByteArray& data, int minimumCodeSize, const std::array<QRgb, 256>& colours,
            int colourCount, QRgb* out, qsizetype count) {
    if (minimumCodeSize < 2 || minimumCodeSize > 8) return false;
    constexpr int MaxCodes = 4096;
    std::array<uint16_t, MaxCodes> prefix{}, length{};
    std::array<uchar, MaxCodes> first{};
    std::array<QRgb, MaxCodes> suffix{};
    const int clear = 1 << minimumCodeSize, end = clear + 1;
    for (int c = 0; c < clear; ++c) {
        suffix[c] = colours[c];
        first[c] = uchar(c);
        length[c] = 1;
    }
    int codeSize = minimumCodeSize + 1, next = end + 1, previous = -1;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype totalBits = data.size() * 8;
    qsizetype bit = 0, written = 0;
    while (bit + codeSize <= totalBits) {
        uint32_t window = 0;
        for (int k = 0; k < 3 && (bit >> 3) + k < data.size(); ++k)
            window |= uint32_t(bytes[(bit >> 3) + k]) << (8 * k);
        const int code = int((window >> (bit & 7)) & ((1u << codeSize) - 1));
        bit += codeSize;
        if (code == clear) {
            codeSize = minimumCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (code < clear && code >= colourCount) return false; // a colour the table lacks
        if (previous < 0) {
            if (code >= clear) return false; // the first code after a clear is a colour
        } else if (code > next || code == MaxCodes) {
            return false;
        } else if (next < MaxCodes) {
            // A code not yet in the table stands for the previous string and its first colour.
            prefix[next] = uint16_t(previous);
            suffix[next] = colours[first[code == next ? previous : code]];
            first[next] = first[previous];
            length[next] = uint16_t(length[previous] + 1);
            if (++next == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        const int stringLength = length[code];
        if (written + stringLength > count) return false;
        qsizetype at = written + stringLength - 1;
        for (int string = code; string >= clear; string = prefix[string])
            out[at--] = suffix[string];
        out[at] = colours[first[code]];
        written += stringLength;
        previous = code;
    }
    return written == count;
}

} // namespace

QImage readOwnGif(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray bytes = file.readAll();
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    auto word = [b](qsizetype at) { return int(b[at] | (b[at + 1] << 8)); };
    if (size < 13 || (!bytes.startsWith("GIF87a") && !bytes.startsWith("GIF89a"))) return QImage();
    const int width = word(6), height = word(8);
    qsizetype at = 13;
    std::array<QRgb, 256> colours{};
    int colourCount = 0;
    auto readTable = [&](int flags) {
        if (!(flags & 0x80)) return true;
        colourCount = 2 << (flags & 7);
        if (at + 3 * colourCount > size) return false;
        for (int k = 0; k < colourCount; ++k, at += 3)
            colours[k] = qRgb(b[at], b[at + 1], b[at + 2]);
        return true;
    };
    if (!readTable(b[10])) return QImage();
    // Extensions carry nothing the game's pictures need, unless one makes a colour transparent.
    while (at + 2 < size && b[at] == 0x21) {
        if (b[at + 1] == 0xF9 && at + 3 < size && (b[at + 3] & 1)) return QImage();
        at += 2;
        while (at < size && b[at])
            at += b[at] + 1;
        ++at;
    }
    if (at + 10 > size || b[at] != 0x2C) return QImage();
    const int flags = b[at + 9];
    if (word(at + 1) || word(at + 3) || word(at + 5) != width || word(at + 7) != height ||
        (flags & 0x40) || width <= 0 || height <= 0)
        return QImage();
    at += 10;
    if (!readTable(flags) || colourCount == 0 || at >= size) return QImage();
    const int minimumCodeSize = b[at++];
    QByteArray data;
    data.reserve(size - at); // one allocation, not one for each doubling
    while (at < size && b[at]) {
        if (at + 1 + b[at] > size) return QImage();
        data.append(bytes.constData() + at + 1, b[at]);
        at += b[at] + 1;
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull() || image.bytesPerLine() != width * qsizetype(sizeof(QRgb)) ||
        !unpack(data, minimumCodeSize, colours, colourCount, reinterpret_cast<QRgb*>(image.bits()),
                qsizetype(width) * height))
        return QImage();
    return image;
}

} // namespace ui
