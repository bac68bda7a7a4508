// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Small drawing helpers shared by every picture.
namespace art {

// Every picture is drawn twice: at 1x, and at 2x for high-density screens. The drawing code
// works in 1x units throughout; a canvas of the current scale maps each unit onto scale x scale
// pixels, so lines, curves and text come out sharp rather than enlarged.
int scale();
void setScale(int pixelsPerUnit);
// A picture's size in 1x units.
QSize unitsOf(const QImage& image);

QImage canvas(int width, int height, const QColor& ground);

// The part of a finished background that a smaller picture will cover on screen: every picture
// is drawn onto the very ground it is shown on, so its soft edges blend in. The place is in units.
QImage groundOf(const QImage& background, const QRect& place);

// Antialiasing on, as every picture wants.
void prepare(QPainter& painter);

QFont font(qreal pixelSize, bool bold = true, int stretch = QFont::Unstretched);

QColor mix(const QColor& a, const QColor& b, qreal t);
QLinearGradient vertical(const QRectF& rect, const QColor& top, const QColor& bottom);
QPainterPath rounded(const QRectF& rect, qreal radius);

// Text with a soft dark drop shadow one pixel below it.
void shadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                  const QColor& fill, const QColor& shadow);

// The felt's fine twill, repeating every four pixels so that a picture placed anywhere on the
// table at a position divisible by four matches the cloth under it.
QColor feltAt(int x, int y);
void paintFelt(QImage& image, QPoint origin);

// A framed board: dark wood rim with a gold bead, a flat inside.
void woodFrame(QPainter& painter, const QRectF& outer, qreal rim, const QColor& inside);

} // namespace art
