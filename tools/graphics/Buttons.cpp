// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Buttons.h"

#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "Suits.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace art {
namespace {

struct Shades {
    QColor top;
    QColor bottom;
    QColor rim;
    QColor inner;
    QColor text;
};

Shades shadesOf(Tone tone) {
    switch (tone) {
    case Tone::Burgundy:
        return {{180, 58, 80}, {104, 22, 40}, {44, 8, 18}, {230, 186, 110, 150}, colour::cream};
    case Tone::Green:
        return {{64, 150, 92}, {22, 88, 50}, {8, 40, 22}, {236, 206, 120, 170}, colour::goldLight};
    case Tone::Slate:
        return {{112, 132, 156}, {58, 74, 96}, {26, 34, 46}, {220, 228, 240, 130}, Qt::white};
    case Tone::Red:
        return {{236, 62, 48}, {160, 16, 20}, {70, 4, 8}, {255, 214, 120, 190}, Qt::white};
    case Tone::Brass:
        return {{232, 196, 112}, {160, 116, 44}, {88, 60, 20}, {255, 240, 190, 170}, colour::wine};
    }
    return {};
}

qreal radiusFor(const QRectF& rect) {
    return std::min(rect.height() * 0.26, 10.0);
}

// The label centred in the rectangle.
void paintLabel(QPainter& painter, const QRectF& rect, const Fitted& fitted, const Shades& s) {
    painter.setFont(fitted.font);
    const QColor shadow =
        s.text.lightness() > 128 ? QColor(30, 6, 12, 200) : QColor(255, 240, 200, 140);
    shadowedText(painter, rect, Qt::AlignCenter, fitted.text, s.text, shadow);
}

} // namespace

void paintButtonBody(QPainter& painter, const QRectF& rect, Tone tone) {
    const Shades s = shadesOf(tone);
    const qreal r = radiusFor(rect);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(rect.translated(0, 1), r, r);
    painter.setPen(QPen(s.rim, 1));
    painter.setBrush(vertical(rect, s.top, s.bottom));
    painter.drawRoundedRect(rect, r, r);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(s.inner, 1));
    const QRectF in = rect.adjusted(2, 2, -2, -2);
    painter.drawRoundedRect(in, std::max(r - 2, 1.0), std::max(r - 2, 1.0));
    // A soft sheen on the upper half.
    QLinearGradient sheen(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(in.adjusted(1, 1, -1, -in.height() / 2), r - 3, r - 3);
    painter.restore();
}

QImage button(const QImage& ground, const QString& label, qreal fontSize, Tone tone) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(0.5, 0.5, unitsOf(image).width() - 1, unitsOf(image).height() - 2);
    paintButtonBody(painter, body, tone);
    // A label of a given size keeps 4 units clear either side; one sized to fit, 6.
    const QSizeF room(body.width() - (fontSize > 0 ? 8 : 12), body.height() - 6);
    const qreal largest = fontSize > 0 ? fontSize : std::min(22.0, room.height() / 1.25);
    paintLabel(painter, body.adjusted(0, 0, 0, -1), fit(label, room, largest, lettering(), 2),
               shadesOf(tone));
    return image;
}

QImage arrowButton(const QImage& ground, bool forward) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(0.5, 0.5, unitsOf(image).width() - 1, unitsOf(image).height() - 2);
    paintButtonBody(painter, body, Tone::Burgundy);
    painter.translate(body.center());
    if (!forward) painter.scale(-1, 1);
    QPainterPath arrow;
    arrow.moveTo(12, 0);
    arrow.lineTo(1, -11);
    arrow.lineTo(1, -5);
    arrow.lineTo(-12, -5);
    arrow.lineTo(-12, 5);
    arrow.lineTo(1, 5);
    arrow.lineTo(1, 11);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 6, 12, 170));
    painter.drawPath(arrow.translated(0, 1));
    painter.setPen(QPen(colour::goldDark, 0.8));
    painter.setBrush(colour::cream);
    painter.drawPath(arrow);
    return image;
}

namespace {

void statsIcon(QPainter& painter, const QRectF& area) {
    const QRectF page(area.center().x() - 24, area.top() + 2, 48, area.height() - 4);
    painter.setPen(QPen(QColor(120, 96, 60), 1));
    painter.setBrush(colour::cream);
    painter.drawRoundedRect(page, 3, 3);
    painter.setPen(QPen(QColor(196, 182, 150), 1));
    for (qreal y = page.top() + 8; y < page.bottom() - 2; y += 7)
        painter.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
    const qreal base = page.bottom() - 5;
    const QColor bars[3] = {colour::feltLight, colour::gold, colour::suitRed};
    const qreal heights[3] = {14, 24, 32};
    painter.setPen(QPen(QColor(60, 40, 30), 0.8));
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(bars[i]);
        painter.drawRect(QRectF(page.left() + 8 + i * 12, base - heights[i], 8, heights[i]));
    }
    painter.setPen(QPen(colour::burgundy, 1.5));
    painter.drawLine(QPointF(page.left() + 4, base), QPointF(page.right() - 4, base));
}

void sleepIcon(QPainter& painter, const QRectF& area) {
    const QPointF c(area.center().x() - 8, area.center().y());
    QPainterPath moon;
    moon.addEllipse(c, 20, 20);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(9, -7), 17, 17);
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(vertical(area, colour::goldLight, colour::gold));
    painter.drawPath(moon.subtracted(bite));
    painter.setFont(font(13));
    painter.setPen(colour::cream);
    painter.drawText(QPointF(c.x() + 14, c.y() + 2), QStringLiteral("Z"));
    painter.setFont(font(10));
    painter.drawText(QPointF(c.x() + 25, c.y() - 7), QStringLiteral("z"));
    painter.setFont(font(8));
    painter.drawText(QPointF(c.x() + 33, c.y() - 14), QStringLiteral("z"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::goldLight);
    for (const QPointF& star : {QPointF(-26, -14), QPointF(-21, 16), QPointF(30, 14)})
        painter.drawPath(suitShape(Suit::Diamonds, c + star, 5));
}

} // namespace

QImage iconButton(const QImage& ground, const QString& label, Icon icon) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(0.5, 0.5, unitsOf(image).width() - 1, unitsOf(image).height() - 2);
    paintButtonBody(painter, body, Tone::Burgundy);
    const QRectF art(body.left() + 8, body.top() + 7, body.width() - 16, body.height() - 37);
    if (icon == Icon::Stats)
        statsIcon(painter, art);
    else
        sleepIcon(painter, art);
    const QRectF place(body.left(), body.bottom() - 29, body.width(), 26);
    paintLabel(painter, place,
               fit(label, QSizeF(place.width() - 12, place.height()), 18, lettering(), 1),
               shadesOf(Tone::Burgundy));
    return image;
}

QImage quitBox(int size) {
    QImage image = canvas(size, size, shadesOf(Tone::Burgundy).rim);
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(1, 1, size - 2, size - 2);
    painter.fillRect(body, vertical(body, QColor(176, 50, 72), QColor(110, 22, 40)));
    const qreal m = size * 0.3;
    painter.setPen(QPen(colour::cream, size / 8.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(m, m), QPointF(size - m, size - m));
    painter.drawLine(QPointF(size - m, m), QPointF(m, size - m));
    return image;
}

namespace {

const struct {
    Tone tone;
    const char* word;
} looks[] = {{Tone::Green, QT_TRANSLATE_NOOP("Button", "Win")},
             {Tone::Burgundy, QT_TRANSLATE_NOOP("Button", "Lose")},
             {Tone::Slate, QT_TRANSLATE_NOOP("Button", "Draw")},
             {Tone::Red, QT_TRANSLATE_NOOP("Button", "Busted")}};

} // namespace

Tone resultTone(Result result) {
    return looks[int(result)].tone;
}

QString resultWord(Result result) {
    return QCoreApplication::translate("Button", looks[int(result)].word).toUpper();
}

QImage badge(const QImage& ground, Result result) {
    const auto& look = looks[int(result)];
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF body(1.5, 1.5, unitsOf(image).width() - 3, unitsOf(image).height() - 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(body.adjusted(-1, 0, 1, 2), 9, 9);
    painter.setPen(QPen(result == Result::Win ? colour::gold : colour::cream, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 9, 9);
    paintButtonBody(painter, body.adjusted(1.5, 1.5, -1.5, -1.5), look.tone);
    // A long word is set narrower rather than small.
    paintLabel(painter, body,
               fit(resultWord(result), QSizeF(body.width() - 14, body.height()), 26, lettering(), 1,
                   condensed(), 16),
               shadesOf(look.tone));
    return image;
}

QImage heading(const QImage& ground, const QString& words, qreal fontSize, bool centred) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QSize units = unitsOf(image);
    // A centred heading keeps room for the diamond either side of it.
    const QSizeF room(units.width() - (centred ? 42 : 4), units.height());
    const Fitted fitted = fit(words, room, fontSize, lettering(), 1);
    const QString& text = fitted.text;
    painter.setFont(fitted.font);
    const QRectF box(centred ? 0 : 3, 0, units.width() - (centred ? 0 : 3), units.height());
    const int flags = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    shadowedText(painter, box, flags, text, colour::goldLight, QColor(10, 4, 6, 200));
    if (centred) {
        const qreal half = QFontMetricsF(painter.font()).horizontalAdvance(text) / 2;
        const qreal mid = units.height() / 2.0 + 1;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour::gold);
        for (int side : {-1, 1}) {
            const qreal x = units.width() / 2.0 + side * (half + 12);
            painter.drawPath(suitShape(Suit::Diamonds, QPointF(x, mid), 9));
            painter.fillRect(QRectF(std::min(x + side * 7, x + side * 22), mid - 0.5, 15, 1.2),
                             colour::gold);
        }
    }
    return image;
}

} // namespace art
