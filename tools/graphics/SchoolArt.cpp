// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Backgrounds.h"
#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "Scenery.h"
#include "Suits.h"

#include <QCoreApplication>
#include <QPainter>

// The school hall: a cork notice board where the tournament is pinned up, a large blackboard
// for its description, a clock, a pennant and two desks.
namespace art {
namespace {

const QColor chalk(236, 234, 222);

void wall(QPainter& painter) {
    const QRectF upper(0, 0, 600, 292);
    painter.fillRect(upper, vertical(upper, QColor(92, 110, 96), QColor(70, 86, 74)));
    painter.fillRect(QRectF(0, 72, 600, 3), QColor(0, 0, 0, 40));
    panelling(painter, QRectF(0, 292, 600, 64));
    floorBoards(painter, QRectF(0, 356, 600, 44));
}

void pennant(QPainter& painter) {
    QPolygonF flag({QPointF(236, 10), QPointF(464, 10), QPointF(350, 54)});
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(vertical(flag.boundingRect(), colour::burgundyLight, colour::burgundy));
    painter.drawPolygon(flag);
    // The pennant narrows downwards: the words keep to its wider upper part.
    const Fitted name =
        fit(QCoreApplication::translate("Pictures", "VANTRELL SCHOOL", "the school's pennant"),
            QSizeF(170, 20), 15, lettering(), 1);
    painter.setFont(name.font);
    shadowedText(painter, QRectF(236, 11, 228, 20), Qt::AlignCenter, name.text, colour::goldLight,
                 QColor(0, 0, 0, 160));
}

void clock(QPainter& painter) {
    const QPointF c(548, 46);
    painter.setPen(QPen(colour::woodDark, 3));
    painter.setBrush(colour::cream);
    painter.drawEllipse(c, 22, 22);
    painter.setPen(QPen(colour::ink, 1));
    for (int h = 0; h < 12; ++h) {
        painter.save();
        painter.translate(c);
        painter.rotate(h * 30);
        painter.drawLine(QPointF(0, -17), QPointF(0, -14));
        painter.restore();
    }
    painter.setPen(QPen(colour::ink, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c, c + QPointF(0, -13));
    painter.drawLine(c, c + QPointF(8, 5));
}

void noticeBoard(QPainter& painter) {
    const QRectF board(40, 84, 130, 150);
    woodFrame(painter, board, 6, QColor(178, 134, 84));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 108, 64, 90));
    for (int i = 0; i < 60; ++i) {
        const qreal x = board.left() + 10 + (i * 37) % 110;
        const qreal y = board.top() + 10 + (i * 53) % 130;
        painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    // A paper notice above the tournament button and a prize ticket below it.
    const QRectF note(56, 92, 98, 16);
    painter.setBrush(colour::cream);
    painter.drawRect(note);
    painter.setPen(colour::burgundy);
    drawFitted(painter, note.adjusted(2, 0, -2, 0), Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "SCHOOL EVENT",
                                           "notice above the tournament button"),
               9, lettering());
    const QRectF ticket(54, 154, 102, 70);
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(QColor(250, 242, 220));
    painter.drawRect(ticket);
    painter.setPen(colour::ink);
    const QRectF inside = ticket.adjusted(3, 0, -3, 0);
    drawFitted(painter, QRectF(inside.left(), ticket.top() + 4, inside.width(), 14),
               Qt::AlignHCenter | Qt::AlignTop,
               QCoreApplication::translate("Pictures", "5 rounds", "tournament prize ticket"), 10,
               lettering());
    painter.setPen(colour::feltDark);
    drawFitted(painter, QRectF(inside.left(), ticket.top() + 18, inside.width(), 24),
               Qt::AlignHCenter | Qt::AlignTop,
               QCoreApplication::translate("Pictures", "$200", "tournament prize ticket"), 18,
               lettering());
    painter.setPen(colour::ink);
    drawFitted(
        painter, QRectF(inside.left(), ticket.top() + 42, inside.width(), 26),
        Qt::AlignHCenter | Qt::AlignTop,
        QCoreApplication::translate("Pictures", "prize, no wager", "tournament prize ticket"), 9,
        lettering(false), 2);
    painter.setPen(Qt::NoPen);
    for (const QPointF& pin : {QPointF(105, 94), QPointF(105, 157)}) {
        painter.setBrush(colour::suitRed);
        painter.drawEllipse(pin, 3, 3);
    }
}

void blackboard(QPainter& painter) {
    const QRectF board(196, 90, 384, 166);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRect(board.translated(3, 4));
    woodFrame(painter, board, 8, QColor(30, 48, 40));
    // Wiped chalk haze, kept clear of where the description is written.
    painter.setBrush(QColor(255, 255, 255, 10));
    painter.drawEllipse(QRectF(230, 218, 160, 30));
    painter.drawEllipse(QRectF(440, 100, 120, 24));
    painter.setPen(chalk);
    drawFitted(painter, QRectF(216, 102, 337, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Pictures", "Today: the tournament",
                                           "chalked on the school's blackboard"),
               13, lettering());
    painter.setPen(QPen(chalk, 1.2));
    painter.drawLine(QPointF(216, 124), QPointF(392, 124));
    drawFitted(painter, QRectF(360, 226, 190, 20), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("Pictures", "A + K = 21",
                                           "chalked on the blackboard: ace and king make 21"),
               12, lettering(false));
    painter.setPen(Qt::NoPen);
    painter.setBrush(chalk);
    int i = 0;
    for (Suit suit : allSuits)
        painter.drawPath(suitShape(suit, QPointF(226 + 18 * i++, 236), 10));
    // Chalk tray with two sticks.
    painter.setBrush(colour::woodDark);
    painter.drawRect(QRectF(206, 256, 364, 6));
    painter.setBrush(chalk);
    painter.drawRoundedRect(QRectF(470, 252, 18, 4), 2, 2);
    painter.drawRoundedRect(QRectF(500, 252, 12, 4), 2, 2);
}

void desk(QPainter& painter, qreal x) {
    painter.setPen(QPen(QColor(40, 24, 12), 1));
    painter.setBrush(vertical(QRectF(x, 318, 150, 12), colour::woodLight, colour::wood));
    painter.drawRect(QRectF(x, 318, 150, 12));
    painter.setBrush(colour::woodDark);
    painter.drawRect(QRectF(x + 8, 330, 8, 50));
    painter.drawRect(QRectF(x + 134, 330, 8, 50));
    painter.setBrush(QColor(40, 40, 46));
    painter.drawRect(QRectF(x + 50, 330, 50, 26));
}

} // namespace

QImage schoolBackground() {
    QImage image = canvas(600, 400, colour::night);
    QPainter painter(&image);
    prepare(painter);
    wall(painter);
    pennant(painter);
    clock(painter);
    noticeBoard(painter);
    blackboard(painter);
    desk(painter, 70);
    desk(painter, 380);
    return image;
}

} // namespace art
