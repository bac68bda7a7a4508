// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The main menu's own pictures.
namespace art {

QImage logo(const QImage& ground);
QImage slotFrame();

// The desktop icon, size x size (128 by default) with a transparent surround.
QImage desktopIcon(int size = 128);

// Diamond wallpaper of the main menu, the slot screens and the instructions.
void paintWallpaper(QImage& image, QPoint origin);

} // namespace art
