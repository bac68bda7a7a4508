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

// The town at dusk seen from its main street: home, the school, the casino and the bank, with
// two dark sign boards where the chooser puts its list and its description.
namespace art {
namespace {

constexpr qreal kerb = 322;

void sky(QPainter& painter) {
    const QRectF all(0, 0, 600, kerb);
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, QColor(12, 16, 40));
    g.setColorAt(0.55, QColor(44, 30, 70));
    g.setColorAt(1, QColor(120, 60, 70));
    painter.fillRect(all, g);
    stars(painter, QRectF(0, 0, 600, 150), 70);
    painter.setPen(Qt::NoPen);
    QRadialGradient halo(QPointF(262, 56), 34);
    halo.setColorAt(0.4, QColor(255, 240, 200, 60));
    halo.setColorAt(1, QColor(255, 240, 200, 0));
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(262, 56), 34, 34);
    QPainterPath moon;
    moon.addEllipse(QPointF(262, 56), 17, 17);
    QPainterPath shade;
    shade.addEllipse(QPointF(270, 50), 14, 14);
    painter.setBrush(QColor(250, 236, 196));
    painter.drawPath(moon.subtracted(shade));
}

void street(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, kerb, 600, 16), QColor(112, 100, 92));
    painter.fillRect(QRectF(0, kerb + 14, 600, 2), QColor(70, 62, 58));
    const QRectF road(0, kerb + 16, 600, 400 - kerb - 16);
    painter.fillRect(road, vertical(road, QColor(46, 44, 52), QColor(30, 28, 34)));
    for (int x = 8; x < 600; x += 44)
        painter.fillRect(QRectF(x, 368, 24, 3), QColor(226, 210, 150));
}

void house(QPainter& painter) {
    const QRectF walls(16, 236, 96, kerb - 236);
    painter.setPen(QPen(QColor(60, 40, 28), 1));
    painter.setBrush(QColor(200, 168, 124));
    painter.drawRect(walls);
    painter.setBrush(QColor(110, 60, 40));
    painter.drawRect(QRectF(86, 196, 12, 28));
    painter.setBrush(colour::burgundy);
    painter.drawPolygon(QPolygonF({QPointF(8, 238), QPointF(64, 192), QPointF(120, 238)}));
    litWindow(painter, QRectF(26, 252, 22, 20));
    litWindow(painter, QRectF(80, 252, 22, 20));
    painter.setPen(QPen(QColor(60, 40, 28), 1));
    painter.setBrush(colour::wood);
    painter.drawRoundedRect(QRectF(54, 278, 20, kerb - 278), 2, 2);
    painter.setBrush(colour::gold);
    painter.drawEllipse(QPointF(70, 302), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::suitRed);
    painter.drawPath(suitShape(Suit::Hearts, QPointF(64, 288), 8));
}

void school(QPainter& painter) {
    painter.setPen(QPen(QColor(60, 24, 18), 1));
    painter.setBrush(QColor(150, 64, 48));
    painter.drawRect(QRectF(124, 232, 120, kerb - 232));
    painter.drawRect(QRectF(166, 194, 36, 40));
    painter.setBrush(QColor(70, 44, 40));
    painter.drawPolygon(QPolygonF({QPointF(160, 196), QPointF(184, 176), QPointF(208, 196)}));
    painter.drawPolygon(
        QPolygonF({QPointF(118, 234), QPointF(250, 234), QPointF(244, 224), QPointF(124, 224)}));
    painter.setBrush(colour::cream);
    painter.drawEllipse(QPointF(184, 214), 10, 10);
    painter.setPen(QPen(colour::ink, 1.4));
    painter.drawLine(QPointF(184, 214), QPointF(184, 207));
    painter.drawLine(QPointF(184, 214), QPointF(189, 216));
    for (int i = 0; i < 3; ++i)
        litWindow(painter, QRectF(134 + i * 38, 262, 24, 22));
    signBoard(painter, QRectF(140, 238, 88, 16),
              QCoreApplication::translate("Pictures", "VANTRELL", "sign over the school's door"),
              colour::cream, QColor(40, 30, 26));
    painter.setPen(QPen(QColor(60, 24, 18), 1));
    painter.setBrush(colour::woodDark);
    painter.drawRect(QRectF(174, 292, 20, kerb - 292));
}

void casino(QPainter& painter) {
    const QRectF front(256, 206, 124, kerb - 206);
    painter.setPen(QPen(QColor(30, 6, 12), 1));
    painter.setBrush(vertical(front, colour::burgundyLight, colour::burgundyDark));
    painter.drawRect(front);
    painter.setBrush(colour::goldDark);
    painter.drawRect(QRectF(250, 200, 136, 8));
    const QRectF sign(268, 214, 100, 26);
    painter.setBrush(colour::wine);
    painter.setPen(QPen(colour::gold, 1.5));
    painter.drawRoundedRect(sign, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::goldLight);
    for (int i = 0; i < 13; ++i) {
        painter.drawEllipse(QPointF(sign.left() + 4 + i * 7.6, sign.top() - 3), 1.6, 1.6);
        painter.drawEllipse(QPointF(sign.left() + 4 + i * 7.6, sign.bottom() + 3), 1.6, 1.6);
    }
    const Fitted name =
        fit(QCoreApplication::translate("Pictures", "CASINO", "sign over the casino's door"),
            QSizeF(sign.width() - 8, sign.height()), 14, lettering(), 1);
    painter.setFont(name.font);
    shadowedText(painter, sign, Qt::AlignCenter, name.text, colour::goldLight,
                 QColor(0, 0, 0, 200));
    const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clovers, Suit::Diamonds};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(i % 2 ? colour::suitRed : colour::cream);
        painter.drawPath(suitShape(suits[i], QPointF(274 + i * 29.5, 256), 12));
    }
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(QColor(250, 210, 120));
    painter.drawRect(QRectF(296, 272, 44, kerb - 272));
    painter.drawLine(QPointF(318, 272), QPointF(318, kerb));
    painter.setBrush(QColor(255, 226, 150, 140));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(262, 274, 26, 30));
    painter.drawRect(QRectF(348, 274, 26, 30));
}

void bank(QPainter& painter) {
    const QColor stone(196, 188, 170);
    const QColor edge(90, 84, 74);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(stone);
    painter.drawRect(QRectF(392, 240, 112, kerb - 240));
    painter.drawPolygon(QPolygonF({QPointF(386, 232), QPointF(448, 204), QPointF(510, 232)}));
    painter.setBrush(stone.darker(110));
    painter.drawRect(QRectF(386, 232, 124, 10));
    // The gable narrows upwards: the word keeps to its wider lower part.
    painter.setPen(QColor(70, 60, 50));
    drawFitted(painter, QRectF(406, 214, 84, 18), Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "BANK", "carved over the bank's door"), 10,
               lettering());
    painter.setPen(QPen(edge, 1));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 400 + i * 28;
        QLinearGradient column(QPointF(x, 0), QPointF(x + 10, 0));
        column.setColorAt(0, stone.lighter(112));
        column.setColorAt(1, stone.darker(118));
        painter.setBrush(column);
        painter.drawRect(QRectF(x, 246, 10, 64));
    }
    painter.setBrush(stone.darker(108));
    painter.drawRect(QRectF(388, 310, 120, 6));
    painter.drawRect(QRectF(384, 316, 128, 6));
}

void placed(QPainter& painter, qreal dx, void (*building)(QPainter&)) {
    painter.save();
    painter.translate(dx, 0);
    building(painter);
    painter.restore();
}

} // namespace

QImage townBackground() {
    QImage image = canvas(600, 400, colour::night);
    QPainter painter(&image);
    prepare(painter);
    sky(painter);
    tree(painter, QPointF(109, kerb), 34);
    tree(painter, QPointF(480, kerb), 46);
    placed(painter, -4, house);
    placed(painter, -8, school);
    placed(painter, -22, casino);
    placed(painter, -20, bank);
    street(painter);
    lamp(painter, QPointF(229, kerb + 10));
    lamp(painter, QPointF(364, kerb + 10));
    // Beside Go only trees: nothing there looks as if it could be clicked.
    tree(painter, QPointF(536, kerb), 76);
    tree(painter, QPointF(584, kerb), 58);

    // Boards hung on chains: the list and its caption on the left, the description on the right.
    hangingBoard(painter, QRectF(4, -6, 200, 172), QColor(26, 14, 18));
    hangingBoard(painter, QRectF(314, 34, 252, 140), QColor(26, 14, 18));
    return image;
}

} // namespace art
