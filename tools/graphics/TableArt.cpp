// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Backgrounds.h"
#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "Suits.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

// The card table: plain felt under every card and button, the house rules printed in a gentle
// arc where neither table layout puts anything, and a padded rail along the bottom edge.
namespace art {
namespace {

constexpr qreal arcCentreX = 326;
constexpr qreal arcRadius = 900;
// Half the length of the printed line above the table's words.
constexpr qreal arcHalfWidth = 138;

// The arc bows toward the player, like the printing on a real table.
QPointF onArc(qreal lowest, qreal dx) {
    const qreal cy = lowest - arcRadius;
    return {arcCentreX + dx, cy + std::sqrt(arcRadius * arcRadius - dx * dx)};
}

void arcText(QPainter& painter, const QString& text, qreal lowestBaseline, const QColor& colour) {
    // The words keep within the printed arc line above them.
    const Fitted fitted = fit(text, QSizeF(2 * arcHalfWidth, 20), 12, lettering(true, 2.2), 1);
    const QFont& f = fitted.font;
    painter.setFont(f);
    painter.setPen(colour);
    const QFontMetricsF metrics(f);
    const qreal total = metrics.horizontalAdvance(text);
    qreal x = -total / 2;
    for (const QChar ch : text) {
        const qreal w = metrics.horizontalAdvance(ch);
        const qreal mid = x + w / 2;
        const QPointF at = onArc(lowestBaseline, mid);
        painter.save();
        painter.translate(at);
        painter.rotate(std::asin(-mid / arcRadius) * 180 / 3.14159265358979);
        painter.drawText(QPointF(-w / 2, 0), QString(ch));
        painter.restore();
        x += w;
    }
}

void arcLine(QPainter& painter, qreal lowest, qreal halfWidth, const QColor& colour) {
    QPainterPath path;
    path.moveTo(onArc(lowest, -halfWidth));
    for (qreal dx = -halfWidth + 4; dx <= halfWidth; dx += 4)
        path.lineTo(onArc(lowest, dx));
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace

QImage tableBackground() {
    QImage image = canvas(600, 400, colour::felt);
    paintFelt(image, QPoint(0, 0));
    QPainter painter(&image);
    prepare(painter);

    const QColor print = mix(colour::felt, colour::goldLight, 0.5);
    arcLine(painter, 299, arcHalfWidth, mix(colour::felt, colour::gold, 0.55));
    arcText(painter,
            QCoreApplication::translate("Pictures", "DEALER STANDS ON 18", "printed on the table"),
            316, print);
    arcText(painter,
            QCoreApplication::translate("Pictures", "WINS PAY EVEN MONEY", "printed on the table"),
            333, print);

    // The house's name printed on the cloth between the dealer's and the player's rows, left of
    // where the result of a hand appears.
    const QColor faint = mix(colour::felt, colour::cream, 0.2);
    QFont name = font(17);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(name);
    painter.setPen(faint);
    painter.drawText(QRectF(16, 124, 200, 24), Qt::AlignCenter, QStringLiteral("VANTRELL"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(faint);
    int i = 0;
    for (Suit suit : allSuits)
        painter.drawPath(suitShape(suit, QPointF(80 + 24 * i++, 157), 9));

    // The padded leather rail at the player's edge of the table.
    const QRectF rail(-2, 389, 604, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRect(rail.translated(0, -2));
    painter.setBrush(vertical(rail, colour::burgundyLight, colour::burgundyDark));
    painter.drawRoundedRect(rail, 5, 5);
    painter.fillRect(QRectF(0, 389, 600, 1), colour::goldDark);
    return image;
}

} // namespace art
