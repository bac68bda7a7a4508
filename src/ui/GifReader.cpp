// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/GifReader.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>

namespace ui {

namespace {

struct Source {
    const QByteArray& bytes;
    qsizetype at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* into, int wanted) {
    auto* source = static_cast<Source*>(gif->UserData);
    const auto count = int(std::min<qsizetype>(wanted, source->bytes.size() - source->at));
    std::memcpy(into, source->bytes.constData() + source->at, std::size_t(count));
    source->at += count;
    return count;
}

} // namespace

QImage readOwnGif(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray bytes = file.readAll();
    Source source{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFromMemory, &error);
    if (!gif) return QImage();
    const auto closed = qScopeGuard([gif] { DGifCloseFile(gif, nullptr); });
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) return QImage();

    const SavedImage& frame = gif->SavedImages[0];
    const GifImageDesc& place = frame.ImageDesc;
    const ColorMapObject* colours = place.ColorMap ? place.ColorMap : gif->SColorMap;
    GraphicsControlBlock control{};
    const bool transparent = DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK &&
                             control.TransparentColor != NO_TRANSPARENT_COLOR;
    if (!colours || transparent || place.Left != 0 || place.Top != 0 ||
        place.Width != gif->SWidth || place.Height != gif->SHeight || place.Width <= 0 ||
        place.Height <= 0)
        return QImage();

    std::array<QRgb, 256> rgb{};
    for (int k = 0; k < std::min(colours->ColorCount, 256); ++k)
        rgb[k] = qRgb(colours->Colors[k].Red, colours->Colors[k].Green, colours->Colors[k].Blue);
    const qsizetype count = qsizetype(place.Width) * place.Height;
    const GifByteType* index = frame.RasterBits;
    // A colour the table lacks makes the file one for Qt's reader to judge.
    if (*std::max_element(index, index + count) >= colours->ColorCount) return QImage();
    QImage image(place.Width, place.Height, QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    for (int y = 0; y < place.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < place.Width; ++x)
            line[x] = rgb[*index++];
    }
    return image;
}

} // namespace ui
