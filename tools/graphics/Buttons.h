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

// A button with its label centred, at the font size given where it fits, else on two lines or
// smaller (see fit()). A font size of 0 picks the largest size up to 22 pixels that fits.
QImage button(const QImage& ground, const QString& label, qreal fontSize = 0,
              Tone tone = Tone::Burgundy);

QImage arrowButton(const QImage& ground, bool forward);

enum class Icon { Stats, Sleep };
QImage iconButton(const QImage& ground, const QString& label, Icon icon);

// The small square that leaves a place; full-bleed, so it fits any ground.
QImage quitBox(int size);

enum class Result { Win, Lose, Draw, Busted };
QImage badge(const QImage& ground, Result result);
// A result's colour and its word in capitals, "WIN", as the badge shows them.
Tone resultTone(Result result);
QString resultWord(Result result);

// Gold heading text, left-aligned or centred.
QImage heading(const QImage& ground, const QString& text, qreal fontSize, bool centred);

} // namespace art
