#pragma once

#include <QImage>

// The main menu's own pictures.
namespace art {

QImage logo(const QImage& ground);
QImage slotFrame();

// The desktop icon, 128 x 128 with a transparent surround.
QImage desktopIcon();

// Diamond wallpaper of the main menu, the slot screens and the instructions.
void paintWallpaper(QImage& image, QPoint origin);

} // namespace art
