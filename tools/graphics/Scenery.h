// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Bits of scenery shared by the places of the town.
namespace art {

// A fixed scatter of small stars.
void stars(QPainter& painter, const QRectF& area, int count);

void litWindow(QPainter& painter, const QRectF& rect);
void signBoard(QPainter& painter, const QRectF& rect, const QString& text, const QColor& ink,
               const QColor& board);
void tree(QPainter& painter, QPointF foot, qreal size);
void lamp(QPainter& painter, QPointF foot);

// A dark board in a wooden frame hanging from two chains off the top edge.
void hangingBoard(QPainter& painter, const QRectF& outer, const QColor& inside);

// Wooden floor boards and a skirting of wood panels.
void floorBoards(QPainter& painter, const QRectF& area);
void panelling(QPainter& painter, const QRectF& area);

} // namespace art
