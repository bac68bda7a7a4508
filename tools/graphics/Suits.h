// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <array>

namespace art {

// The club suit is called "Clovers" everywhere in the game.
enum class Suit { Spades, Hearts, Clovers, Diamonds };

inline constexpr std::array<Suit, 4> allSuits = {Suit::Spades, Suit::Hearts, Suit::Clovers,
                                                 Suit::Diamonds};

QString suitName(Suit suit);
QColor suitColour(Suit suit);

// The suit's shape drawn as a vector path, centred on the point and the given height tall.
QPainterPath suitShape(Suit suit, QPointF centre, qreal height);

} // namespace art
