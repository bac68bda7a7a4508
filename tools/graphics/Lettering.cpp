// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Lettering.h"

#include "Canvas.h"

#include <QFontMetricsF>
#include <QPainter>

namespace art {
namespace {

QStringList& misfits() {
    static QStringList found;
    return found;
}

// The words broken at spaces into at most `most` lines no wider than `width`, filling each line
// as far as it goes; empty where a word alone is too wide or more lines would be needed.
QStringList broken(const QString& words, const QFontMetricsF& metrics, qreal width, int most) {
    QStringList lines;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width) {
            lines.last() = longer;
            continue;
        }
        if (metrics.horizontalAdvance(word) > width || lines.size() == most) return {};
        lines << word;
    }
    return lines;
}

Fitted tryFit(const QString& words, const QSizeF& box, qreal largest, const FontAt& fontAt,
              int lines) {
    for (qreal size = largest; size >= smallestText; size -= 1) {
        const QFont f = fontAt(size);
        const QFontMetricsF metrics(f);
        if (metrics.horizontalAdvance(words) <= box.width() && metrics.height() <= box.height())
            return {f, words};
        if (lines < 2) continue;
        const QStringList laid = broken(words, metrics, box.width(), lines);
        if (!laid.isEmpty() && laid.size() * metrics.lineSpacing() <= box.height())
            return {f, laid.join(QLatin1Char('\n'))};
    }
    return {fontAt(smallestText), words, false};
}

Fitted reported(const Fitted& fitted, const QString& words, const QSizeF& box) {
    if (!fitted.fits)
        reportMisfit(QStringLiteral("\"%1\" does not fit %2 x %3 units even at %4 px")
                         .arg(words)
                         .arg(box.width())
                         .arg(box.height())
                         .arg(smallestText));
    return fitted;
}

} // namespace

FontAt condensed(bool bold) {
    return [bold](qreal size) { return font(size, bold, QFont::Condensed); };
}

FontAt lettering(bool bold, qreal letterSpacing) {
    return [bold, letterSpacing](qreal size) {
        QFont f = font(size, bold);
        if (letterSpacing != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
        return f;
    };
}

Fitted fit(const QString& words, const QSizeF& box, qreal largest, const FontAt& fontAt,
           int lines) {
    return reported(tryFit(words, box, largest, fontAt, lines), words, box);
}

Fitted fit(const QString& words, const QSizeF& box, qreal largest, const FontAt& fontAt, int lines,
           const FontAt& narrower, qreal comfortable) {
    Fitted fitted = tryFit(words, box, largest, fontAt, lines);
    if (!fitted.fits || fitted.font.pixelSize() < comfortable) {
        const Fitted narrow = tryFit(words, box, largest, narrower, lines);
        if (narrow.fits && (!fitted.fits || narrow.font.pixelSize() > fitted.font.pixelSize()))
            fitted = narrow;
    }
    return reported(fitted, words, box);
}

void drawFitted(QPainter& painter, const QRectF& rect, int flags, const QString& words,
                qreal largest, const FontAt& fontAt, int lines) {
    const Fitted fitted = fit(words, rect.size(), largest, fontAt, lines);
    painter.setFont(fitted.font);
    painter.drawText(rect, flags, fitted.text);
}

void reportMisfit(const QString& problem) {
    misfits() << problem;
}

QStringList takeMisfits() {
    QStringList found;
    found.swap(misfits());
    return found;
}

} // namespace art
