// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QList>
#include <cstdint>
#include <vector>

namespace art {

// A picture brought down to at most 256 colours, ready for a GIF.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;         // sorted by value, so the same picture always gives the same file
    std::vector<uint8_t> pixels; // one palette index a pixel, row by row
};

enum class Dither { None, FloydSteinberg };

// Pictures with 256 colours or fewer keep them exactly. Larger ones keep their big flat areas
// exactly (so grounds shared by several pictures still match) and share the rest by median cut.
IndexedPicture quantise(const QImage& image, Dither dither);

} // namespace art
