// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Suits.h"

#include "Palette.h"

#include <QTransform>

namespace art {
namespace {

// Every shape is built one unit tall around the origin, then scaled.
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.14, 0.32, -0.55, 0.08, -0.55, -0.19);
    p.cubicTo(-0.55, -0.4, -0.4, -0.5, -0.27, -0.5);
    p.cubicTo(-0.13, -0.5, -0.04, -0.42, 0, -0.3);
    p.cubicTo(0.04, -0.42, 0.13, -0.5, 0.27, -0.5);
    p.cubicTo(0.4, -0.5, 0.55, -0.4, 0.55, -0.19);
    p.cubicTo(0.55, 0.08, 0.14, 0.32, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.4, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.4, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath stem() {
    QPainterPath p;
    p.moveTo(-0.075, 0.0);
    p.quadTo(-0.045, 0.38, -0.21, 0.5);
    p.lineTo(0.21, 0.5);
    p.quadTo(0.045, 0.38, 0.075, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    // An upturned heart, a little squat, on a flared stem.
    QTransform t;
    t.translate(0, -0.1);
    t.scale(1.0, -0.8);
    return t.map(heart()).united(stem());
}

QPainterPath clover() {
    // Three generous, overlapping leaves, so the shape holds together even when small.
    QPainterPath p = stem();
    const qreal r = 0.235;
    for (const QPointF& c : {QPointF(0, -0.255), QPointF(-0.255, 0.07), QPointF(0.255, 0.07)}) {
        QPainterPath leaf;
        leaf.addEllipse(c, r, r);
        p = p.united(leaf);
    }
    QPainterPath core;
    core.addEllipse(QPointF(0, -0.02), 0.16, 0.16);
    return p.united(core);
}

} // namespace

QString suitName(Suit suit) {
    switch (suit) {
    case Suit::Spades:
        return QStringLiteral("Spades");
    case Suit::Hearts:
        return QStringLiteral("Hearts");
    case Suit::Clovers:
        return QStringLiteral("Clovers");
    case Suit::Diamonds:
        return QStringLiteral("Diamonds");
    }
    return {};
}

QColor suitColour(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds ? colour::suitRed : colour::suitBlack;
}

QPainterPath suitShape(Suit suit, QPointF centre, qreal height) {
    QPainterPath unit;
    switch (suit) {
    case Suit::Spades:
        unit = spade();
        break;
    case Suit::Hearts:
        unit = heart();
        break;
    case Suit::Clovers:
        unit = clover();
        break;
    case Suit::Diamonds:
        unit = diamond();
        break;
    }
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    QPainterPath p = t.map(unit);
    p.setFillRule(Qt::WindingFill);
    return p;
}

} // namespace art
