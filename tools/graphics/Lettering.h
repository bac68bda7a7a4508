// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QRectF;

// Words on pictures come in every language the game speaks, so each label is laid into its place
// rather than drawn at a fixed size: at the size the art asks for where it fits on one line, else
// broken at its spaces, else a little smaller, down to the smallest size still easy to read.
namespace art {

// No word on a picture is drawn smaller than this at 1x.
inline constexpr qreal smallestText = 9;

// The font of a label at a pixel size: bold or not, with its letter spacing.
using FontAt = std::function<QFont(qreal pixelSize)>;
FontAt lettering(bool bold = true, qreal letterSpacing = 0);
// The same, narrower (DejaVu Sans Condensed), for a long word in a short place.
FontAt condensed(bool bold = true);

struct Fitted {
    QFont font;
    QString text; // the lines, joined by line feeds
    bool fits = true;
};

// The largest size, from `largest` down to smallestText, at which the words fit the box: on one
// line, or (where `lines` allows more) broken at spaces. Words that cannot fit even at the
// smallest size are reported (see takeMisfits()) and laid out at that size all the same.
Fitted fit(const QString& words, const QSizeF& box, qreal largest, const FontAt& fontAt,
           int lines = 3);
// The same, but where the words would come out smaller than `comfortable` they are set in the
// narrower font instead, if that lets them be larger.
Fitted fit(const QString& words, const QSizeF& box, qreal largest, const FontAt& fontAt, int lines,
           const FontAt& narrower, qreal comfortable);

// Fits the words into the rectangle and draws them there with the painter's pen.
void drawFitted(QPainter& painter, const QRectF& rect, int flags, const QString& words,
                qreal largest, const FontAt& fontAt, int lines = 1);

// The words found too long since the last call, each with the room it had; the generator names
// the picture they were meant for and fails, so a translator learns of it at build time.
void reportMisfit(const QString& problem);
QStringList takeMisfits();

} // namespace art
