// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"
#include "Cards.h"
#include "Palette.h"

#include <QPainter>

// The three card backs and the empty place where a card will lie.
namespace art {
namespace {

const QRectF field(4.5, 4.5, cardWidth - 9, cardHeight - 9);

void latticeBack(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::burgundy);
    painter.drawRoundedRect(field, 3, 3);
    painter.save();
    painter.setClipRect(field);
    const QColor line = mix(colour::burgundy, colour::goldLight, 0.35);
    painter.setPen(QPen(line, 1));
    for (int k = -20; k < 20; ++k) {
        const qreal x = field.left() + k * 8;
        painter.drawLine(QPointF(x, field.top()), QPointF(x + field.height(), field.bottom()));
        painter.drawLine(QPointF(x, field.bottom()), QPointF(x + field.height(), field.top()));
    }
    painter.restore();
    painter.setPen(QPen(colour::gold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);

    const QPointF centre(cardWidth / 2.0, cardHeight / 2.0);
    painter.setPen(QPen(colour::gold, 1.4));
    painter.setBrush(colour::burgundyDark);
    painter.drawEllipse(centre, 17, 22);
    painter.setPen(QPen(colour::goldDark, 0.8));
    painter.drawEllipse(centre, 14.5, 19.5);
    painter.setFont(font(24));
    shadowedText(painter, QRectF(centre.x() - 15, centre.y() - 16, 30, 30), Qt::AlignCenter,
                 QStringLiteral("V"), colour::goldLight, colour::wine);
}

void bones(QPainter& painter, QPointF at, qreal size, const QColor& colour) {
    painter.save();
    painter.translate(at);
    painter.setPen(QPen(colour, size * 0.18, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(colour);
    for (int turn = 0; turn < 2; ++turn) {
        painter.rotate(turn == 0 ? 45 : 90);
        painter.drawLine(QPointF(-size / 2, 0), QPointF(size / 2, 0));
        painter.setPen(Qt::NoPen);
        for (qreal end : {-size / 2, size / 2}) {
            painter.drawEllipse(QPointF(end, -size * 0.1), size * 0.12, size * 0.12);
            painter.drawEllipse(QPointF(end, size * 0.1), size * 0.12, size * 0.12);
        }
        painter.setPen(QPen(colour, size * 0.18, Qt::SolidLine, Qt::RoundCap));
    }
    painter.restore();
}

void deathBack(QPainter& painter) {
    const QColor bone(232, 226, 206);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(field, QColor(40, 36, 44), QColor(16, 14, 18)));
    painter.drawRoundedRect(field, 3, 3);
    painter.save();
    painter.setClipRect(field);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 6; ++col) {
            const QPointF at(field.left() + 6 + col * 13 + (row % 2) * 6.5,
                             field.top() + 6 + row * 13);
            bones(painter, at, 7, QColor(62, 58, 68));
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(150, 24, 36), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);

    const QPointF c(cardWidth / 2.0, cardHeight / 2.0 - 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 14, 18));
    painter.drawEllipse(c + QPointF(0, 4), 21, 24);
    bones(painter, c + QPointF(0, 14), 34, bone);
    painter.setPen(QPen(QColor(90, 84, 70), 0.8));
    painter.setBrush(bone);
    QPainterPath skull;
    skull.addEllipse(c, 13, 12);
    skull.addRoundedRect(QRectF(c.x() - 7.5, c.y() + 6, 15, 10), 3, 3);
    painter.drawPath(skull.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 20, 26));
    painter.drawEllipse(c + QPointF(-5, 1), 3.6, 4);
    painter.drawEllipse(c + QPointF(5, 1), 3.6, 4);
    painter.drawPolygon(QPolygonF({c + QPointF(0, 5), c + QPointF(-1.8, 9), c + QPointF(1.8, 9)}));
    painter.setPen(QPen(QColor(90, 84, 70), 0.9));
    for (qreal x : {-4.0, -1.3, 1.3, 4.0})
        painter.drawLine(c + QPointF(x, 11.5), c + QPointF(x, 15.5));
    painter.setPen(QPen(QColor(190, 30, 44), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c + QPointF(-5, 1), 1.2, 1.2);
    painter.drawEllipse(c + QPointF(5, 1), 1.2, 1.2);
}

void loveBack(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(field, QColor(240, 150, 174), QColor(206, 82, 116)));
    painter.drawRoundedRect(field, 3, 3);
    painter.save();
    painter.setClipRect(field);
    const QColor small(255, 214, 226);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 6; ++col) {
            const QPointF at(field.left() + 5 + col * 12 + (row % 2) * 6,
                             field.top() + 5 + row * 11);
            painter.setBrush(small);
            painter.drawPath(suitShape(Suit::Hearts, at, 5.5));
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);

    const QPointF c(cardWidth / 2.0, cardHeight / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 244));
    painter.drawPath(suitShape(Suit::Hearts, c, 38));
    painter.setBrush(QColor(196, 20, 60));
    painter.drawPath(suitShape(Suit::Hearts, c + QPointF(0, 0.6), 32));
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(c + QPointF(-7, -7), 3.2, 2.2);
}

} // namespace

void paintBack(QPainter& painter, BackDesign design) {
    painter.save();
    paintBlank(painter);
    switch (design) {
    case BackDesign::Lattice:
        latticeBack(painter);
        break;
    case BackDesign::Death:
        deathBack(painter);
        break;
    case BackDesign::Love:
        loveBack(painter);
        break;
    }
    painter.restore();
}

QImage backImage(BackDesign design, const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    paintBack(painter, design);
    return image;
}

QImage emptySlotImage(const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF place(2.5, 2.5, cardWidth - 5, cardHeight - 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 26));
    painter.drawRoundedRect(place, 5, 5);
    painter.setPen(QPen(mix(colour::felt, colour::cream, 0.22), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(place, 5, 5);
    return image;
}

} // namespace art
