// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"

#include "Palette.h"

#include <QPainter>

namespace art {

namespace {
int pixelsPerUnit = 1;
} // namespace

int scale() {
    return pixelsPerUnit;
}

void setScale(int pixels) {
    pixelsPerUnit = pixels;
}

QSize unitsOf(const QImage& image) {
    return image.size() / scale();
}

QImage canvas(int width, int height, const QColor& ground) {
    QImage image(width * scale(), height * scale(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale());
    image.fill(ground);
    return image;
}

QImage groundOf(const QImage& background, const QRect& place) {
    QImage ground = background.copy(QRect(place.topLeft() * scale(), place.size() * scale()))
                        .convertToFormat(QImage::Format_RGB32);
    ground.setDevicePixelRatio(scale());
    return ground;
}

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QFont font(qreal pixelSize, bool bold, int stretch) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setStretch(stretch);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QLinearGradient vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPainterPath rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void shadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                  const QColor& fill, const QColor& shadow) {
    painter.setPen(shadow);
    painter.drawText(rect.translated(0, 1), flags, text);
    painter.setPen(fill);
    painter.drawText(rect, flags, text);
}

QColor feltAt(int x, int y) {
    static constexpr int twill[4] = {3, 1, -1, -2};
    const int d = twill[(x + y) & 3] + (((x - y) & 3) == 0 ? -1 : 0);
    const QColor& f = colour::felt;
    return QColor(f.red() + d, f.green() + d, f.blue() + d);
}

void paintFelt(QImage& image, QPoint origin) {
    // The weave keeps its size in units at every scale, so the cloth looks the same at 2x.
    const int s = scale();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = feltAt(origin.x() + x / s, origin.y() + y / s).rgb();
    }
}

void woodFrame(QPainter& painter, const QRectF& outer, qreal rim, const QColor& inside) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(outer, colour::woodLight, colour::woodDark));
    painter.drawRect(outer);
    painter.setBrush(QColor(20, 12, 8));
    painter.drawRect(outer.adjusted(rim - 3, rim - 3, 3 - rim, 3 - rim));
    painter.setBrush(colour::gold);
    painter.drawRect(outer.adjusted(rim - 2, rim - 2, 2 - rim, 2 - rim));
    painter.setBrush(inside);
    painter.drawRect(outer.adjusted(rim, rim, -rim, -rim));
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

} // namespace art
