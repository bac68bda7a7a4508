// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "BankArt.h"

#include "Backgrounds.h"
#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "Scenery.h"

#include <QCoreApplication>
#include <QPainter>

// The bank hall: marble wall and pilasters, the bank's name in gold, a round vault door, a
// brass plate with the amount slot, and the counter along the bottom.
namespace art {
namespace {

const QColor marble(214, 206, 190);
const QColor marbleDark(176, 166, 148);
const QColor steel(150, 156, 166);

void hall(QPainter& painter) {
    const QRectF wall(0, 0, 600, 300);
    painter.fillRect(wall, vertical(wall, marble, marbleDark));
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int y = 96; y < 300; y += 34)
        painter.drawLine(QPointF(0, y), QPointF(600, y));
    for (qreal x : {0.0, 236.0, 404.0, 586.0}) {
        QLinearGradient column(QPointF(x, 0), QPointF(x + 14, 0));
        column.setColorAt(0, marble.lighter(108));
        column.setColorAt(1, marbleDark.darker(112));
        painter.fillRect(QRectF(x, 60, 14, 240), column);
    }
    const QRectF frieze(0, 18, 600, 40);
    painter.fillRect(frieze, vertical(frieze, colour::burgundy, colour::burgundyDark));
    painter.fillRect(QRectF(0, 18, 600, 2), colour::gold);
    painter.fillRect(QRectF(0, 56, 600, 2), colour::gold);
    const Fitted name = fit(
        QCoreApplication::translate("Pictures", "VANTRELL SAVINGS BANK", "over the bank's door"),
        QSizeF(560, frieze.height()), 20, lettering(true, 3), 1);
    painter.setFont(name.font);
    shadowedText(painter, frieze, Qt::AlignCenter, name.text, colour::goldLight,
                 QColor(0, 0, 0, 170));
    painter.fillRect(QRectF(0, 0, 600, 18), QColor(60, 52, 46));
}

void vault(QPainter& painter) {
    const QPointF c(496, 148);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawEllipse(c + QPointF(3, 4), 68, 68);
    QRadialGradient metal(c - QPointF(20, 20), 100);
    metal.setColorAt(0, steel.lighter(130));
    metal.setColorAt(1, steel.darker(150));
    painter.setPen(QPen(QColor(60, 62, 68), 2));
    painter.setBrush(metal);
    painter.drawEllipse(c, 68, 68);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(90, 94, 102), 3));
    painter.drawEllipse(c, 56, 56);
    painter.setPen(QPen(QColor(70, 72, 80), 1));
    for (int i = 0; i < 12; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(i * 30);
        painter.setBrush(QColor(200, 204, 210));
        painter.drawEllipse(QPointF(0, -62), 2.5, 2.5);
        painter.restore();
    }
    painter.setPen(QPen(colour::goldDark, 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(15 + i * 120);
        painter.drawLine(QPointF(0, 0), QPointF(0, -36));
        painter.restore();
    }
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(
        vertical(QRectF(c.x() - 14, c.y() - 14, 28, 28), colour::goldLight, colour::goldDark));
    painter.drawEllipse(c, 14, 14);
}

void amountPlate(QPainter& painter) {
    const QRectF plate(252, 148, 154, 68);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(plate.translated(2, 3), 6, 6);
    painter.setPen(QPen(colour::goldDark, 1.5));
    painter.setBrush(vertical(plate, QColor(232, 200, 126), QColor(184, 140, 62)));
    painter.drawRoundedRect(plate, 6, 6);
    painter.setPen(colour::wine);
    drawFitted(painter, QRectF(264, 158, 129, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Pictures", "Amount:", "above the bank's amount box"),
               13, lettering());
    painter.setPen(QPen(QColor(100, 70, 30), 1));
    painter.setBrush(QColor(60, 40, 20));
    painter.drawRect(QRectF(262.5, 182.5, 132, 22));
    for (const QPointF& screw :
         {QPointF(258, 154), QPointF(400, 154), QPointF(258, 210), QPointF(400, 210)}) {
        painter.setBrush(colour::goldDark);
        painter.drawEllipse(screw, 2, 2);
    }
}

void counter(QPainter& painter) {
    const QRectF top(0, 300, 600, 14);
    painter.fillRect(top, vertical(top, colour::woodLight, colour::wood));
    painter.fillRect(QRectF(0, 300, 600, 1), colour::gold);
    panelling(painter, QRectF(0, 314, 600, 86));
}

} // namespace

QImage bankBackground() {
    QImage image = canvas(600, 400, marble);
    QPainter painter(&image);
    prepare(painter);
    hall(painter);
    vault(painter);
    amountPlate(painter);
    counter(painter);
    return image;
}

QImage statusPad(const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(1.5, 1.5, 197, 196);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(body.translated(1, 2), 12, 12);
    painter.setPen(QPen(QColor(40, 42, 48), 1));
    painter.setBrush(vertical(body, QColor(120, 126, 136), QColor(62, 66, 74)));
    painter.drawRoundedRect(body, 12, 12);
    const Fitted title =
        fit(QCoreApplication::translate("Pictures", "ACCOUNT", "bank's status pad"),
            QSizeF(150, 20), 11, lettering(), 1);
    painter.setFont(title.font);
    shadowedText(painter, QRectF(14, 10, 150, 20), Qt::AlignLeft | Qt::AlignVCenter, title.text,
                 QColor(230, 232, 236), QColor(0, 0, 0, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 230, 90));
    painter.drawEllipse(QPointF(172, 20), 3.5, 3.5);
    painter.setBrush(QColor(110, 40, 30));
    painter.drawEllipse(QPointF(184, 20), 3.5, 3.5);
    // The screen, near-black so the green figures glow on it.
    const QRectF screen(9, 38, 182, 152);
    painter.setPen(QPen(QColor(20, 22, 26), 2));
    painter.setBrush(QColor(6, 14, 8));
    painter.drawRoundedRect(screen, 5, 5);
    painter.setPen(QPen(QColor(30, 70, 40), 1, Qt::DotLine));
    painter.drawLine(QPointF(18, 116.5), QPointF(182, 116.5));
    return image;
}

QImage buttonsPad(const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(1.5, 1.5, 147, 146);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(body.translated(1, 2), 10, 10);
    painter.setPen(QPen(colour::goldDark, 1.5));
    painter.setBrush(vertical(body, colour::wood, colour::woodDark));
    painter.drawRoundedRect(body, 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 20, 12));
    painter.drawRoundedRect(QRectF(14, 9, 122, 126), 6, 6);
    painter.setBrush(colour::goldDark);
    for (const QPointF& screw :
         {QPointF(8, 8), QPointF(142, 8), QPointF(8, 141), QPointF(142, 141)})
        painter.drawEllipse(screw, 2.2, 2.2);
    return image;
}

} // namespace art
