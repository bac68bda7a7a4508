// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// The one family of buttons, badges and small headings, each drawn onto its ground.
namespace art {

enum class Tone { Burgundy, Green, Slate, Red, Brass };

void paintButtonBody(QPainter& painter, const QRectF& rect, Tone tone);

// A button with its label centred; a label with a line feed takes two lines. A font size of 0
// picks the largest size up to 22 pixels that fits.
QImage button(const QImage& ground, const QString& label, qreal fontSize = 0,
              Tone tone = Tone::Burgundy);

QImage arrowButton(const QImage& ground, bool forward);

enum class Icon { Stats, Sleep };
QImage iconButton(const QImage& ground, const QString& label, Icon icon);

// The small square that leaves a place; full-bleed, so it fits any ground.
QImage quitBox(int size);

enum class Result { Win, Lose, Draw, Busted };
QImage badge(const QImage& ground, Result result);

// Gold heading text, left-aligned or centred.
QImage heading(const QImage& ground, const QString& text, qreal fontSize, bool centred);

} // namespace art
