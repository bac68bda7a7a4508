// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

namespace ui {

// Reads a picture as the game's own GIF files are written, one image filling the whole picture
// without a transparent colour, through giflib: Qt's GIF reader takes several times as long, and
// the main menu alone shows ten pictures at start. Gives the picture Qt would give (in
// Format_RGB32), or a null image for any file it does not take on, which Qt's reader then reads.
QImage readOwnGif(const QString& path);

} // namespace ui
