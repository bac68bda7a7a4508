// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Instructions.h"

#include "Buttons.h"
#include "Canvas.h"
#include "Cards.h"
#include "Lettering.h"
#include "Palette.h"
#include "game/InstructionText.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

// The four pages that teach the game: a gold title and short lines, each led by a suit, with
// the words a player will see on screen picked out in gold.
namespace art {
namespace {

QString toHtml(const QString& line) {
    QString html = line.toHtmlEscaped();
    static const QRegularExpression marked(QStringLiteral("\\*([^*]+)\\*"));
    html.replace(
        marked,
        QStringLiteral("<b><font color=\"%1\">\\1</font></b>").arg(colour::goldLight.name()));
    return html;
}

// Lays out one line of text in the width and returns its height; draws it when asked.
qreal textBlock(QPainter* painter, const QString& line, QPointF at, qreal width, qreal size) {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font(size, false));
    doc.setTextWidth(width);
    doc.setHtml(toHtml(line));
    if (painter) {
        painter->save();
        painter->translate(at);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, colour::cream);
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }
    return doc.size().height();
}

void illustrate(QPainter& painter, int page, const QRectF& area) {
    const QPointF c = area.center();
    painter.setFont(font(13));
    painter.setPen(colour::goldLight);
    if (page == 1) {
        miniCard(painter, c + QPointF(-22, -10), -12, Suit::Spades, 1, 0.62, 100);
        miniCard(painter, c + QPointF(22, -6), 10, Suit::Hearts, 12, 0.62, 100);
        drawFitted(painter, QRectF(area.left(), c.y() + 42, area.width(), 20), Qt::AlignCenter,
                   QCoreApplication::translate("Pictures", "$100 to start",
                                               "first instruction page, under two cards"),
                   13, lettering());
    } else if (page == 3) {
        for (int i = 0; i < 5; ++i) {
            const QPointF chip(area.left() + 14 + i * (area.width() - 28) / 4, c.y() - 34);
            painter.setPen(QPen(colour::goldDark, 1));
            painter.setBrush(i % 2 ? colour::burgundy : QColor(30, 110, 66));
            painter.drawEllipse(chip, 11, 11);
            painter.setPen(colour::cream);
            painter.setFont(font(11));
            painter.drawText(QRectF(chip.x() - 11, chip.y() - 11, 22, 22), Qt::AlignCenter,
                             QString::number(i + 1));
        }
        painter.setPen(colour::goldLight);
        drawFitted(painter, QRectF(area.left(), c.y() - 14, area.width(), 40), Qt::AlignCenter,
                   QCoreApplication::translate("Pictures", "$200", "tournament prize ticket"), 30,
                   lettering());
        painter.setPen(colour::cream);
        drawFitted(painter, QRectF(area.left(), c.y() + 24, area.width(), 20), Qt::AlignCenter,
                   QCoreApplication::translate("Pictures", "prize", "under the tournament's $200"),
                   12, lettering(false));
    }
}

// What each result means in the tournament, as three small badges.
void outcomes(QPainter& painter, qreal top) {
    const struct {
        Result result;
        const char* meaning;
    } rows[] = {{Result::Win, QT_TRANSLATE_NOOP("Pictures", "next round")},
                {Result::Draw, QT_TRANSLATE_NOOP("Pictures", "play it again")},
                {Result::Lose, QT_TRANSLATE_NOOP("Pictures", "tournament over")}};
    for (int i = 0; i < 3; ++i) {
        // A badge 64 wide, wider for a longer word, up to the room between its neighbours.
        const qreal middle = 72 + i * 114;
        const Fitted word =
            fit(resultWord(rows[i].result), QSizeF(96, 30), 14, lettering(), 1, condensed(), 12);
        const qreal width =
            std::max(64.0, QFontMetricsF(word.font).horizontalAdvance(word.text) + 12);
        const QRectF body(middle - width / 2, top, width, 30);
        paintButtonBody(painter, body, resultTone(rows[i].result));
        painter.setFont(word.font);
        shadowedText(painter, body, Qt::AlignCenter, word.text,
                     i == 0 ? colour::goldLight : colour::cream, QColor(0, 0, 0, 170));
        painter.setPen(colour::cream);
        drawFitted(painter, QRectF(middle - 52, body.bottom() + 4, 104, 16), Qt::AlignCenter,
                   QCoreApplication::translate("Pictures", rows[i].meaning), 11, lettering(false));
    }
}

} // namespace

QImage instructionPage(const QImage& ground, int page) {
    QImage image = ground;
    QPainter painter(&image);
    prepare(painter);
    const QRectF panel(1.5, 1.5, unitsOf(image).width() - 3, unitsOf(image).height() - 3);
    painter.setPen(QPen(colour::goldDark, 1.5));
    painter.setBrush(vertical(panel, QColor(56, 14, 28), QColor(28, 7, 13)));
    painter.drawRoundedRect(panel, 10, 10);
    painter.setPen(QPen(colour::gold, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 7, 7);

    const game::InstructionPage text = game::instructionPage(page);
    const QRectF titleBox(18, 10, 484, 28);
    const Fitted title = fit(text.title, titleBox.size(), 20, lettering(), 1);
    painter.setFont(title.font);
    shadowedText(painter, titleBox, Qt::AlignLeft | Qt::AlignVCenter, title.text, colour::goldLight,
                 QColor(0, 0, 0, 180));
    painter.setPen(QPen(colour::goldDark, 1));
    painter.drawLine(QPointF(18, 41.5), QPointF(502, 41.5));

    const bool pictured = page == 1 || page == 3;
    const qreal left = 34;
    const qreal width = (pictured ? 370 : 486) - left;
    // The writing ends above the inner gold line, leaving room for the results (page 3) or the
    // closing word (page 4). Where the lines would run further they are set closer together,
    // then smaller, down to the smallest size.
    const qreal end = page == 3 ? 198 : text.closing.isEmpty() ? 262 : 234;
    auto heightOf = [&text, width](qreal size, qreal gap) {
        qreal height = 0;
        for (const QString& line : text.lines)
            height += textBlock(nullptr, line, {}, width, size) + gap;
        return height;
    };
    qreal size = 12, gap = 8;
    while (49 + heightOf(size, gap) > end) {
        if (gap > 3) {
            gap = 3;
        } else if (size - 1 >= smallestText) {
            size -= 1;
        } else {
            reportMisfit(QStringLiteral("the lines of page %1, \"%2\", run %3 units past the "
                                        "page even at %4 px")
                             .arg(page)
                             .arg(text.title)
                             .arg(49 + heightOf(size, gap) - end)
                             .arg(smallestText));
            break;
        }
    }
    qreal y = 49;
    int i = 0;
    for (const QString& line : text.lines) {
        const Suit suit = allSuits[size_t(i++ % 4)];
        painter.setPen(Qt::NoPen);
        painter.setBrush(suitColour(suit) == colour::suitRed ? QColor(226, 70, 84) : colour::gold);
        painter.drawPath(suitShape(suit, QPointF(24, y + size * 0.62), 9));
        y += textBlock(&painter, line, QPointF(left, y), width, size) + gap;
    }
    if (!text.closing.isEmpty()) {
        const Fitted closing = fit(text.closing, QSizeF(484, 24), 18, lettering(), 1);
        painter.setFont(closing.font);
        shadowedText(painter, QRectF(0, y + 4, unitsOf(image).width(), 30),
                     Qt::AlignHCenter | Qt::AlignTop, closing.text, colour::goldLight,
                     QColor(0, 0, 0, 180));
    }
    if (pictured) illustrate(painter, page, QRectF(380, 50, 124, 200));
    if (page == 3) outcomes(painter, std::max(y + 14, 196.0));
    return image;
}

} // namespace art
