// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"
#include "Cards.h"
#include "Palette.h"

#include <QPainter>
#include <vector>

namespace art {
namespace {

constexpr qreal centreX = cardWidth / 2.0;
constexpr qreal leftX = centreX - 13.5;
constexpr qreal rightX = centreX + 13.5;
constexpr qreal topY = 18;
constexpr qreal bottomY = 82;
constexpr qreal pipHeight = 15;

QString rankMark(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

// The rank and a small suit in the top-left corner; drawn twice, the second time turned round.
void paintIndex(QPainter& painter, Suit suit, int rank) {
    const QString mark = rankMark(rank);
    QFont f = font(mark.size() > 1 ? 14 : 16, true, mark.size() > 1 ? QFont::Condensed : 100);
    if (mark.size() > 1) f.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    painter.setFont(f);
    painter.setPen(suitColour(suit));
    painter.drawText(QRectF(0, 2, 19, 18), Qt::AlignHCenter | Qt::AlignVCenter, mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(suitShape(suit, QPointF(9.5, 26.5), 10.5));
}

void paintPip(QPainter& painter, Suit suit, QPointF at, qreal height) {
    painter.save();
    painter.translate(at);
    // Pips below the middle face the other way, as on a real card.
    if (at.y() > cardHeight / 2.0 + 0.5) painter.rotate(180);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(suitShape(suit, QPointF(0, 0), height));
    painter.restore();
}

std::vector<QPointF> pipLayout(int rank) {
    const qreal third = (bottomY - topY) / 3.0;
    const qreal middle = cardHeight / 2.0;
    const std::vector<QPointF> sides4 = {
        {leftX, topY}, {rightX, topY}, {leftX, bottomY}, {rightX, bottomY}};
    std::vector<QPointF> pips;
    switch (rank) {
    case 2:
        return {{centreX, topY}, {centreX, bottomY}};
    case 3:
        return {{centreX, topY}, {centreX, middle}, {centreX, bottomY}};
    case 4:
        return sides4;
    case 5:
        pips = sides4;
        pips.push_back({centreX, middle});
        return pips;
    default:
        break;
    }
    if (rank <= 8) {
        pips = sides4;
        pips.push_back({leftX, middle});
        pips.push_back({rightX, middle});
        if (rank >= 7) pips.push_back({centreX, (topY + middle) / 2});
        if (rank == 8) pips.push_back({centreX, (middle + bottomY) / 2});
        return pips;
    }
    for (int row = 0; row < 4; ++row) {
        pips.push_back({leftX, topY + row * third});
        pips.push_back({rightX, topY + row * third});
    }
    if (rank == 9)
        pips.push_back({centreX, middle});
    else {
        pips.push_back({centreX, topY + third / 2});
        pips.push_back({centreX, bottomY - third / 2});
    }
    return pips;
}

void paintAce(QPainter& painter, Suit suit) {
    const QPointF centre(centreX, cardHeight / 2.0);
    if (suit == Suit::Spades) {
        // The ace of spades carries the house's mark: a gold ring around a larger pip.
        painter.setPen(QPen(colour::goldDark, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 25, 25);
        painter.setPen(QPen(colour::gold, 0.8));
        painter.drawEllipse(centre, 22.5, 22.5);
        paintPip(painter, suit, centre, 34);
        return;
    }
    paintPip(painter, suit, centre, 36);
}

} // namespace

QString rankWord(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("Ace");
    case 11:
        return QStringLiteral("Jack");
    case 12:
        return QStringLiteral("Queen");
    case 13:
        return QStringLiteral("King");
    default:
        return QString::number(rank);
    }
}

QString faceFileName(Suit suit, int rank) {
    const bool oddOne = suit == Suit::Spades && rank == 2;
    return suitName(suit) + QLatin1Char('/') + suitName(suit) + rankWord(rank) +
           (oddOne ? QStringLiteral(".Gif") : QStringLiteral(".GIF"));
}

void paintBlank(QPainter& painter) {
    painter.setPen(QPen(colour::cardEdge, 1));
    painter.setBrush(colour::cardWhite);
    painter.drawRoundedRect(QRectF(0.5, 0.5, cardWidth - 1, cardHeight - 1), 5.5, 5.5);
}

void paintFace(QPainter& painter, Suit suit, int rank) {
    painter.save();
    paintBlank(painter);
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(cardWidth, cardHeight);
            painter.rotate(180);
        }
        paintIndex(painter, suit, rank);
        painter.restore();
    }
    if (rank == 1)
        paintAce(painter, suit);
    else if (rank >= 11)
        paintCourt(painter, suit, rank);
    else {
        for (const QPointF& at : pipLayout(rank))
            paintPip(painter, suit, at, pipHeight);
    }
    painter.restore();
}

QImage faceImage(Suit suit, int rank, const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    paintFace(painter, suit, rank);
    return image;
}

void miniCard(QPainter& painter, QPointF centre, qreal angle, Suit suit, int rank, qreal scale,
              int shadowAlpha) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.scale(scale, scale);
    painter.translate(-cardWidth / 2.0, -cardHeight / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, shadowAlpha));
    painter.drawRoundedRect(QRectF(3, 4, cardWidth, cardHeight), 6, 6);
    paintFace(painter, suit, rank);
    painter.restore();
}

} // namespace art
