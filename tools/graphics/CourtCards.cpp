// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"
#include "Cards.h"
#include "Palette.h"

#include <QPainter>
#include <cmath>

// Jack, queen and king: a framed, double-ended figure in the traditional way, one half drawn
// and then turned round for the other.
namespace art {
namespace {

const QRectF frame(18.5, 7.5, 38, 85);
constexpr qreal middle = cardHeight / 2.0;
constexpr qreal cx = cardWidth / 2.0;

const QColor skin(243, 210, 176);
const QColor outline(59, 42, 34);
const QColor royalBlue(43, 74, 154);
const QColor navy(30, 40, 74);
const QColor ermine(250, 248, 240);

struct Dress {
    QColor robe;
    QColor panel;
    QColor hair;
};

Dress dressFor(Suit suit, int rank) {
    const bool red = suitColour(suit) == colour::suitRed;
    const QColor robe = red ? colour::suitRed : navy;
    const QColor panel = red ? royalBlue : colour::suitRed;
    const QColor hair = rank == 13   ? QColor(232, 226, 214)
                        : rank == 12 ? QColor(176, 122, 42)
                                     : QColor(92, 58, 30);
    return {robe, panel, hair};
}

void fill(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal pen = 0.7) {
    painter.setPen(QPen(outline, pen));
    painter.setBrush(colour);
    painter.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

void paintRobe(QPainter& painter, const Dress& dress) {
    // Broad shoulders narrowing to a belted waist at the card's middle.
    QPainterPath robe;
    robe.moveTo(cx - 9.5, middle);
    robe.lineTo(22.5, 40);
    robe.cubicTo(22.5, 35, 27, 32, 32, 31.5);
    robe.lineTo(43, 31.5);
    robe.cubicTo(48, 32, 52.5, 35, 52.5, 40);
    robe.lineTo(cx + 9.5, middle);
    robe.closeSubpath();
    fill(painter, robe, dress.robe);
    fill(painter, polygon({{33.5, 31.5}, {41.5, 31.5}, {cx + 4, middle}, {cx - 4, middle}}),
         dress.panel);
    painter.setPen(QPen(colour::gold, 1));
    painter.drawLine(QPointF(cx, 36), QPointF(cx, middle));
    fill(painter, rounded(QRectF(27.5, 46.8, 20, 3.2), 0.8), colour::gold, 0.5);
    for (int side : {-1, 1}) {
        QPainterPath sleeve;
        sleeve.moveTo(cx + side * 14.8, 38.5);
        sleeve.lineTo(cx + side * 10, 35.5);
        sleeve.lineTo(cx + side * 5.5, 44);
        sleeve.lineTo(cx + side * 9, 46.5);
        sleeve.closeSubpath();
        fill(painter, sleeve, dress.panel, 0.6);
    }
    // Ermine collar.
    QPainterPath collar;
    collar.moveTo(29, 33);
    collar.quadTo(cx, 39, 46, 33);
    collar.quadTo(cx, 29.5, 29, 33);
    fill(painter, collar, ermine, 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::suitBlack);
    for (qreal x : {32.0, cx, 43.0})
        painter.drawEllipse(QPointF(x, 33.6), 0.6, 0.6);
}

void paintHands(QPainter& painter) {
    painter.setPen(QPen(outline, 0.6));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(30.5, 45.2), 2.1, 2.1);
    painter.drawEllipse(QPointF(44.5, 45.2), 2.1, 2.1);
}

void paintHead(QPainter& painter, const Dress& dress, int rank) {
    const QPointF head(cx, 24);
    if (rank == 12) fill(painter, rounded(QRectF(29, 16, 17, 17.5), 8), dress.hair, 0.6);
    if (rank == 11) fill(painter, rounded(QRectF(31, 17.5, 13, 11.5), 5), dress.hair, 0.6);
    painter.setPen(QPen(outline, 0.7));
    painter.setBrush(skin);
    painter.drawRect(QRectF(35.5, 28, 4, 4));
    painter.drawEllipse(head, 5.8, 6.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(35.3, 23.5), 0.8, 0.8);
    painter.drawEllipse(QPointF(39.7, 23.5), 0.8, 0.8);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(31.8, 25);
        beard.cubicTo(32, 32, 35, 35.5, cx, 36.5);
        beard.cubicTo(40, 35.5, 43, 32, 43.2, 25);
        beard.cubicTo(41, 28.5, 34, 28.5, 31.8, 25);
        fill(painter, beard, dress.hair, 0.6);
    } else {
        painter.setPen(QPen(colour::suitRed, 0.9));
        painter.drawLine(QPointF(36.2, 27.2), QPointF(38.8, 27.2));
    }
}

void paintHeadwear(QPainter& painter, const Dress& dress, int rank) {
    if (rank == 13) {
        fill(painter,
             polygon({{31.8, 19.5},
                      {31.2, 11.5},
                      {34.4, 15.2},
                      {cx, 9.5},
                      {40.6, 15.2},
                      {43.8, 11.5},
                      {43.2, 19.5}}),
             colour::gold, 0.6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dress.panel);
        painter.drawEllipse(QPointF(cx, 17), 1.2, 1.2);
        painter.setBrush(colour::suitRed);
        for (const QPointF& tip : {QPointF(31.2, 11.5), QPointF(43.8, 11.5), QPointF(cx, 9.5)})
            painter.drawEllipse(tip, 0.9, 0.9);
    } else if (rank == 12) {
        QPainterPath tiara;
        tiara.moveTo(32.5, 19.5);
        tiara.lineTo(32.5, 16.5);
        tiara.quadTo(34.5, 12.5, cx, 15.2);
        tiara.quadTo(40.5, 12.5, 42.5, 16.5);
        tiara.lineTo(42.5, 19.5);
        tiara.closeSubpath();
        fill(painter, tiara, colour::gold, 0.6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dress.panel);
        painter.drawEllipse(QPointF(cx, 13.6), 1.4, 1.4);
    } else {
        fill(painter, rounded(QRectF(30, 14.5, 16, 6), 2.8), dress.panel, 0.6);
        QPainterPath feather;
        feather.moveTo(43, 16);
        feather.quadTo(49, 13, 51.5, 7.5);
        feather.quadTo(47.5, 11, 42, 14.5);
        feather.closeSubpath();
        fill(painter, feather, colour::gold, 0.5);
    }
}

// What each figure holds: the king a sword, the queen a flower, the jack a halberd.
void paintEmblem(QPainter& painter, const Dress& dress, int rank) {
    const QColor steel(200, 204, 212);
    if (rank == 13) {
        fill(painter, polygon({{29.6, 44}, {29.6, 13}, {30.5, 10.5}, {31.4, 13}, {31.4, 44}}),
             steel, 0.5);
        fill(painter, rounded(QRectF(26.5, 40.5, 8, 2), 0.8), colour::gold, 0.5);
    } else if (rank == 12) {
        painter.setPen(QPen(QColor(40, 120, 60), 1));
        painter.drawLine(QPointF(44.5, 45), QPointF(48.5, 30));
        painter.setPen(QPen(outline, 0.5));
        painter.setBrush(dress.panel);
        for (int petal = 0; petal < 5; ++petal) {
            const qreal a = petal * 72 * 3.14159265 / 180.0;
            painter.drawEllipse(QPointF(49 + 2.2 * std::sin(a), 28.5 - 2.2 * std::cos(a)), 1.6,
                                1.6);
        }
        painter.setBrush(colour::gold);
        painter.drawEllipse(QPointF(49, 28.5), 1.3, 1.3);
    } else {
        fill(painter, rounded(QRectF(29.7, 13, 1.6, 37), 0.6), colour::wood, 0.4);
        QPainterPath blade;
        blade.moveTo(29.7, 14);
        blade.quadTo(24.5, 16, 25, 21.5);
        blade.lineTo(29.7, 20);
        blade.closeSubpath();
        blade.addPolygon(QPolygonF({QPointF(30.5, 8), QPointF(31.6, 13.5), QPointF(29.4, 13.5)}));
        fill(painter, blade, steel, 0.5);
    }
}

void paintHalf(QPainter& painter, Suit suit, int rank) {
    const Dress dress = dressFor(suit, rank);
    paintRobe(painter, dress);
    paintHead(painter, dress, rank);
    paintEmblem(painter, dress, rank);
    paintHands(painter);
    paintHeadwear(painter, dress, rank);

    // The suit and the figure's letter in the frame's upper corners.
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(suitShape(suit, QPointF(frame.left() + 4.5, frame.top() + 5), 6.5));
    painter.setFont(font(8.5));
    painter.setPen(suitColour(suit));
    painter.drawText(QRectF(frame.right() - 9, frame.top() + 0.5, 8, 9), Qt::AlignCenter,
                     rank == 11   ? QStringLiteral("J")
                     : rank == 12 ? QStringLiteral("Q")
                                  : QStringLiteral("K"));
}

} // namespace

void paintCourt(QPainter& painter, Suit suit, int rank) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(251, 244, 226));
    painter.drawRect(frame);
    const QRectF upper(frame.left(), frame.top(), frame.width(), middle - frame.top());
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(cardWidth, cardHeight);
            painter.rotate(180);
        }
        painter.setClipRect(upper);
        paintHalf(painter, suit, rank);
        painter.restore();
    }
    painter.setPen(QPen(colour::gold, 1));
    painter.drawLine(QPointF(frame.left(), middle), QPointF(frame.right(), middle));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(suitColour(suit), 1));
    painter.drawRect(frame);
    painter.restore();
}

} // namespace art
