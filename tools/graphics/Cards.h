// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Suits.h"

#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

// Playing cards, 75 x 100, drawn in card coordinates so they can also be drawn smaller.
namespace art {

inline constexpr int cardWidth = 75;
inline constexpr int cardHeight = 100;

enum class BackDesign { Lattice, Death, Love };

// "Ace", "2" .. "10", "Jack", "Queen", "King" for ranks 1 to 13.
QString rankWord(int rank);

// The file of a face under the graphics folder; the two of spades alone ends in ".Gif".
QString faceFileName(Suit suit, int rank);

void paintFace(QPainter& painter, Suit suit, int rank);
// A small card face laid on a picture at an angle, with its shadow: the logo, the icon and the
// instruction pages show cards this way.
void miniCard(QPainter& painter, QPointF centre, qreal angle, Suit suit, int rank,
              qreal scale = 0.6, int shadowAlpha = 90);
void paintBack(QPainter& painter, BackDesign design);
void paintCourt(QPainter& painter, Suit suit, int rank);

// The white card with its rounded corners and edge.
void paintBlank(QPainter& painter);

// A finished picture: the card drawn onto the ground it lies on.
QImage faceImage(Suit suit, int rank, const QImage& ground);
QImage backImage(BackDesign design, const QImage& ground);
QImage emptySlotImage(const QImage& ground);

} // namespace art
