// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Scenery.h"

#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>
#include <cstdint>

namespace art {

void stars(QPainter& painter, const QRectF& area, int count) {
    // A fixed integer hash stands in for chance, so every run draws the same sky.
    uint32_t h = 2166136261u;
    auto next = [&h]() {
        h ^= h << 13;
        h ^= h >> 17;
        h ^= h << 5;
        return h;
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal x = area.left() + (next() % 10000) / 10000.0 * area.width();
        const qreal y = area.top() + (next() % 10000) / 10000.0 * area.height();
        const int bright = 120 + int(next() % 130);
        painter.setBrush(QColor(255, 246, 220, bright));
        painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
    }
    painter.restore();
}

void litWindow(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setPen(QPen(QColor(60, 40, 28), 1));
    painter.setBrush(vertical(rect, QColor(255, 226, 140), QColor(236, 170, 70)));
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(90, 60, 40), 1.2));
    painter.drawLine(QPointF(rect.center().x(), rect.top()),
                     QPointF(rect.center().x(), rect.bottom()));
    painter.drawLine(QPointF(rect.left(), rect.center().y()),
                     QPointF(rect.right(), rect.center().y()));
    painter.restore();
}

void signBoard(QPainter& painter, const QRectF& rect, const QString& text, const QColor& ink,
               const QColor& board) {
    painter.save();
    painter.setPen(QPen(colour::goldDark, 1));
    painter.setBrush(board);
    painter.drawRect(rect);
    const Fitted fitted = fit(text, QSizeF(rect.width() - 6, rect.height()),
                              std::min(rect.height() - 4, 14.0), lettering(), 1);
    painter.setFont(fitted.font);
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignCenter, fitted.text);
    painter.restore();
}

void tree(QPainter& painter, QPointF foot, qreal size) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 26));
    painter.drawRect(QRectF(foot.x() - 3, foot.y() - size * 0.7, 6, size * 0.7));
    const QColor leaves(26, 70, 44);
    painter.setBrush(leaves);
    painter.drawEllipse(QPointF(foot.x(), foot.y() - size), size * 0.45, size * 0.5);
    painter.setBrush(leaves.lighter(118));
    painter.drawEllipse(QPointF(foot.x() - size * 0.12, foot.y() - size * 1.1), size * 0.26,
                        size * 0.28);
    painter.restore();
}

void lamp(QPainter& painter, QPointF foot) {
    painter.save();
    painter.setPen(Qt::NoPen);
    QRadialGradient glow(foot - QPointF(0, 62), 26);
    glow.setColorAt(0, QColor(255, 220, 140, 110));
    glow.setColorAt(1, QColor(255, 220, 140, 0));
    painter.setBrush(glow);
    painter.drawEllipse(foot - QPointF(0, 62), 26, 26);
    painter.setBrush(QColor(24, 24, 30));
    painter.drawRect(QRectF(foot.x() - 1.5, foot.y() - 60, 3, 60));
    painter.drawRect(QRectF(foot.x() - 4, foot.y() - 4, 8, 4));
    painter.setBrush(QColor(255, 232, 170));
    painter.drawRoundedRect(QRectF(foot.x() - 4, foot.y() - 68, 8, 9), 2, 2);
    painter.setBrush(QColor(24, 24, 30));
    painter.drawPolygon(
        QPolygonF({foot + QPointF(-6, -68), foot + QPointF(6, -68), foot + QPointF(0, -73)}));
    painter.restore();
}

void hangingBoard(QPainter& painter, const QRectF& outer, const QColor& inside) {
    painter.save();
    painter.setPen(QPen(QColor(40, 36, 34), 2, Qt::DotLine));
    for (qreal x : {outer.left() + 24, outer.right() - 24})
        painter.drawLine(QPointF(x, 0), QPointF(x, outer.top()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRect(outer.translated(2, 3));
    woodFrame(painter, outer, 7, inside);
    painter.restore();
}

void floorBoards(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.fillRect(area, vertical(area, colour::woodLight, colour::wood));
    painter.setPen(QPen(colour::woodDark, 1));
    for (qreal y = area.top(); y < area.bottom(); y += 10)
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += 10, ++row) {
        for (qreal x = area.left() + (row % 3) * 37; x < area.right(); x += 110)
            painter.drawLine(QPointF(x, y), QPointF(x, y + 10));
    }
    painter.restore();
}

void panelling(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.fillRect(area, vertical(area, colour::wood, colour::woodDark));
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), 4), colour::woodLight);
    painter.setPen(QPen(QColor(40, 24, 12), 1));
    painter.setBrush(Qt::NoBrush);
    for (qreal x = area.left() + 10; x + 60 < area.right() + 10; x += 74)
        painter.drawRect(QRectF(x, area.top() + 12, 60, area.height() - 22));
    painter.restore();
}

} // namespace art
