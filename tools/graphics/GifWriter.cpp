// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "GifWriter.h"

#include <QFile>
#include <algorithm>
#include <gif_lib.h>
#include <vector>

namespace art {
namespace {

QString failure(const QString& path, int error) {
    return QStringLiteral("%1: %2").arg(path, QString::fromLatin1(GifErrorString(error)));
}

} // namespace

QString writeGif(const IndexedPicture& picture, const QString& path) {
    // A GIF colour table holds a power of two entries; unused ones stay black.
    const int bits = std::max(1, GifBitSize(int(picture.palette.size())));
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType{0, 0, 0});
    for (int i = 0; i < picture.palette.size(); ++i) {
        const QRgb c = picture.palette[i];
        colours[size_t(i)] =
            GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif) return failure(path, error);
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    bool ok = map && EGifPutScreenDesc(gif, picture.width, picture.height, bits, 0, map) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(size_t(picture.width));
    for (int y = 0; ok && y < picture.height; ++y) {
        const auto* from = picture.pixels.data() + size_t(y) * size_t(picture.width);
        std::copy(from, from + picture.width, row.begin());
        ok = EGifPutLine(gif, row.data(), picture.width) == GIF_OK;
    }
    const int lastError = gif->Error;
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    GifFreeMapObject(map);
    if (!ok) return failure(path, lastError);
    if (!closed) return failure(path, closeError);
    return {};
}

} // namespace art
