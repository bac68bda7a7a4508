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

// Inside the player's house: striped wallpaper, a sampler on the wall, a lamp and a plant, and
// one large dark cabinet panel where the stats and the two choices appear.
namespace art {
namespace {

void wallpaper(QPainter& painter) {
    const QRectF wall(0, 0, 600, 312);
    painter.fillRect(wall, vertical(wall, QColor(104, 34, 46), QColor(72, 20, 32)));
    for (int x = 0; x < 600; x += 24) {
        painter.fillRect(QRectF(x, 0, 12, 312), QColor(0, 0, 0, 22));
        painter.fillRect(QRectF(x + 17.5, 0, 1, 312), QColor(214, 170, 76, 46));
    }
}

void sampler(QPainter& painter) {
    const QRectF frame(206, 10, 188, 58);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRect(frame.translated(2, 3));
    woodFrame(painter, frame, 6, QColor(240, 228, 200));
    painter.setPen(colour::burgundy);
    // Within the frame's rim, clear of the row of hearts.
    const Fitted motto = fit(QCoreApplication::translate("Pictures", "Home Sweet Home",
                                                         "embroidered sampler on the wall at home"),
                             QSizeF(frame.width() - 16, frame.height() - 16), 16, lettering(), 1);
    painter.setFont(motto.font);
    painter.drawText(frame.adjusted(0, 0, 0, -4), Qt::AlignCenter, motto.text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::suitRed);
    for (int i = 0; i < 9; ++i)
        painter.drawPath(suitShape(Suit::Hearts, QPointF(222 + i * 19.5, 57), 5));
}

void floorLamp(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(32, 120), 70);
    glow.setColorAt(0, QColor(255, 214, 140, 90));
    glow.setColorAt(1, QColor(255, 214, 140, 0));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(32, 120), 70, 70);
    painter.setBrush(QColor(40, 28, 20));
    painter.drawRect(QRectF(30, 120, 4, 240));
    painter.drawEllipse(QPointF(32, 362), 16, 5);
    QPolygonF shade({QPointF(16, 128), QPointF(48, 128), QPointF(40, 96), QPointF(24, 96)});
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(vertical(shade.boundingRect(), QColor(250, 226, 170), QColor(226, 180, 100)));
    painter.drawPolygon(shade);
}

void plant(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    const QColor leaf(40, 110, 60);
    for (int i = 0; i < 7; ++i) {
        painter.save();
        painter.translate(574, 318);
        painter.rotate(-60 + i * 20);
        painter.setBrush(i % 2 ? leaf : leaf.darker(125));
        painter.drawEllipse(QPointF(0, -26), 7, 26);
        painter.restore();
    }
    QPolygonF pot({QPointF(556, 318), QPointF(592, 318), QPointF(586, 356), QPointF(562, 356)});
    painter.setPen(QPen(QColor(80, 36, 20), 1));
    painter.setBrush(vertical(pot.boundingRect(), QColor(190, 96, 60), QColor(140, 64, 40)));
    painter.drawPolygon(pot);
}

void rug(QPainter& painter) {
    const QRectF r(150, 350, 300, 46);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::burgundyDark);
    painter.drawEllipse(r);
    painter.setBrush(colour::burgundy);
    painter.drawEllipse(r.adjusted(8, 5, -8, -5));
    painter.setPen(QPen(colour::gold, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(r.adjusted(18, 10, -18, -10));
}

} // namespace

QImage homeBackground() {
    QImage image = canvas(600, 400, colour::night);
    QPainter painter(&image);
    prepare(painter);
    wallpaper(painter);
    panelling(painter, QRectF(0, 312, 600, 40));
    floorBoards(painter, QRectF(0, 352, 600, 48));
    rug(painter);
    floorLamp(painter);
    plant(painter);
    sampler(painter);

    // The stats panel; its inside is the main menu's ground, as the same button lies on both.
    const QRectF cabinet(60, 80, 488, 226);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawRect(cabinet.translated(3, 4));
    woodFrame(painter, cabinet, 10, colour::night);
    return image;
}

} // namespace art
