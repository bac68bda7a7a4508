// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace ui {

// A picture read from its GIF file when set, unless read before and unchanged since. Where the
// screen gives the control a size the picture is drawn into it; else the control takes its size.
// On a high-density screen (device pixel ratio above 1) the picture drawn at twice the size,
// "Name@2x.GIF" beside "Name.GIF", is read instead, unless it is older than its picture (the
// picture has been replaced since); without it the 1x picture is enlarged. A picture with words
// is read in the game's language where it is drawn in it.
class PictureSource {
  public:
    // Returns false when the file cannot be read; the picture is then blank. The ratio is that
    // of the screen the picture is meant for: the 2x file is read only when it is above 1.
    bool load(const QString& path, qreal ratio = 1.0);
    void clear();
    const QString& path() const { return path_; }
    bool isNull() const { return image_.isNull(); }
    // In device-independent pixels, whichever file was read.
    QSize naturalSize() const { return image_.deviceIndependentSize().toSize(); }
    // Reads the 2x picture first if the painter's device is denser than the picture read so far.
    void paint(QPainter& painter, const QRect& target);

  private:
    bool loadSharp();

    QString path_;
    QString file_; // the file read: the picture in the game's language where it has one
    QImage image_;
    bool sharpTried_ = false;
};

} // namespace ui
