// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "MenuArt.h"

#include "Backgrounds.h"
#include "Canvas.h"
#include "Cards.h"
#include "Lettering.h"
#include "Palette.h"

#include <QCoreApplication>
#include <QPainter>

namespace art {

void paintWallpaper(QImage& image, QPoint origin) {
    QPainter painter(&image);
    prepare(painter);
    painter.translate(-origin);
    const QRectF all(0, 0, 600, 400);
    painter.fillRect(all, vertical(all, colour::night, QColor(24, 6, 12)));
    painter.setPen(QPen(QColor(255, 200, 160, 9), 1));
    for (int k = -20; k < 30; ++k) {
        const qreal x = k * 32.0;
        painter.drawLine(QPointF(x, 0), QPointF(x + 400, 400));
        painter.drawLine(QPointF(x, 400), QPointF(x + 400, 0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 170, 76, 22));
    for (int row = 0; row <= 26; ++row) {
        for (int col = 0; col <= 38; ++col) {
            if ((row + col) % 2 == 0)
                painter.drawPath(suitShape(Suit::Diamonds, QPointF(col * 16.0, row * 16.0), 5));
        }
    }
}

QImage startBackground() {
    QImage image = canvas(600, 400, colour::night);
    paintWallpaper(image, QPoint(0, 0));
    QPainter painter(&image);
    prepare(painter);

    // A felt table rises at the bottom edge, under the four buttons.
    const QRectF table(-120, 268, 840, 330);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(table.adjusted(-6, -8, 6, 0));
    painter.setBrush(vertical(table, colour::woodLight, colour::woodDark));
    painter.drawEllipse(table);
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(table.adjusted(5, 5, -5, -5));
    painter.setPen(Qt::NoPen);
    QRadialGradient felt(QPointF(300, 420), 320);
    felt.setColorAt(0, QColor(22, 92, 54));
    felt.setColorAt(1, QColor(10, 54, 32));
    painter.setBrush(felt);
    painter.drawEllipse(table.adjusted(9, 9, -9, -9));
    return image;
}

namespace {

void chipStack(QPainter& painter, QPointF base, int count, const QColor& colour) {
    for (int i = 0; i < count; ++i) {
        const QPointF c = base - QPointF(0, i * 5.0);
        painter.setPen(QPen(colour.darker(170), 0.8));
        painter.setBrush(colour.darker(130));
        painter.drawEllipse(c + QPointF(0, 2), 16, 6.5);
        painter.setBrush(colour);
        painter.drawEllipse(c, 16, 6.5);
        painter.setPen(QPen(QColor(250, 244, 230), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, 12, 4.6);
    }
}

} // namespace

QImage logo(const QImage& ground) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    // The logo stands between the two upper corner cards, whose lower corners reach into its
    // rectangle: the plaque keeps clear of them.
    const QRectF plaque(22.5, 6.5, unitsOf(image).width() - 50, unitsOf(image).height() - 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(plaque.translated(0, 3), 16, 16);
    painter.setBrush(vertical(plaque, QColor(70, 16, 30), QColor(30, 6, 12)));
    painter.setPen(QPen(colour::goldDark, 1.5));
    painter.drawRoundedRect(plaque, 16, 16);
    painter.setPen(QPen(colour::gold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plaque.adjusted(5, 5, -5, -5), 12, 12);

    miniCard(painter, QPointF(58, 98), -14, Suit::Spades, 1);
    miniCard(painter, QPointF(86, 104), 10, Suit::Hearts, 13);
    chipStack(painter, QPointF(424, 132), 4, colour::burgundy);
    chipStack(painter, QPointF(398, 148), 2, QColor(30, 110, 66));
    chipStack(painter, QPointF(440, 152), 1, QColor(40, 40, 46));

    QFont title = font(64);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath word;
    word.addText(0, 0, title, QStringLiteral("Vantrell"));
    const QRectF bounds = word.boundingRect();
    word.translate(246 - bounds.center().x(), 110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawPath(word.translated(2, 3));
    const QRectF wb = word.boundingRect();
    QLinearGradient goldFill(wb.topLeft(), wb.bottomLeft());
    goldFill.setColorAt(0, QColor(255, 236, 170));
    goldFill.setColorAt(0.5, colour::gold);
    goldFill.setColorAt(1, QColor(170, 120, 40));
    painter.setPen(QPen(QColor(90, 50, 16), 1.5));
    painter.setBrush(goldFill);
    painter.drawPath(word);

    const QRectF sub(116, 124, 260, 24);
    painter.setPen(colour::cream);
    drawFitted(painter, sub, Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "Blackjack in a small town",
                                           "under the game's name on the main menu"),
               15, lettering(false, 2));
    painter.setPen(QPen(colour::goldDark, 1));
    painter.drawLine(QPointF(126, 155), QPointF(366, 155));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::gold);
    painter.drawPath(suitShape(Suit::Diamonds, QPointF(246, 155), 8));
    return image;
}

QImage slotFrame() {
    QImage image = canvas(408, 96, colour::wine);
    QPainter painter(&image);
    prepare(painter);
    const QColor inside(26, 10, 16);
    woodFrame(painter, QRectF(0, 0, 408, 96), 8, inside);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::goldDark);
    painter.drawPath(suitShape(Suit::Spades, QPointF(20, 48), 12));
    painter.drawPath(suitShape(Suit::Hearts, QPointF(388, 48), 12));
    return image;
}

} // namespace art

namespace art {

QImage desktopIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    prepare(painter);
    // Drawn on a 128-pixel grid and scaled, so every size is the same drawing, sharp at its own.
    painter.scale(size / 128.0, size / 128.0);
    const QRectF tile(4, 4, 120, 120);
    painter.setPen(QPen(colour::goldDark, 2));
    painter.setBrush(vertical(tile, QColor(150, 36, 58), colour::wine));
    painter.drawRoundedRect(tile, 22, 22);
    painter.setPen(QPen(colour::gold, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tile.adjusted(6, 6, -6, -6), 17, 17);
    miniCard(painter, QPointF(47, 62), -13, Suit::Hearts, 13, 0.84);
    miniCard(painter, QPointF(80, 66), 11, Suit::Spades, 1, 0.84);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
