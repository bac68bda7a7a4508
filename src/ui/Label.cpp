// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Label.h"


#include <QMouseEvent>
#include <algorithm>

namespace ui {

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void Label::setRect(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    showCaption();
}

void Label::setElided(bool elided) {
    elided_ = elided;
    showCaption();
}

void Label::showCaption() {
    if (!elided_) {
        setText(caption_);
    } else {
        showCut();
    }
}

void Label::showCut() {
    const int width = contentsRect().width() - 2 * std::max(indent(), 0) - 2 * margin();
    QStringList lines = caption_.split(QLatin1Char('\n'));
    bool cut = false;
    for (QString& line : lines) {
        const QString shown = fontMetrics().elidedText(line, Qt::ElideRight, width);
        cut = cut || shown != line;
        line = shown;
    }
    setText(lines.join(QLatin1Char('\n')));
    // Only a tooltip of its own is replaced: a screen may have put its own there.
    if (cut) {
        setToolTip(caption_);
        tipIsCaption_ = true;
    } else if (tipIsCaption_) {
        setToolTip(QString());
        tipIsCaption_ = false;
    }
}

void Label::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (elided_) showCaption();
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (elided_ && event->type() == QEvent::FontChange) showCaption();
}

void Label::setFontSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void Label::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    // Taking the press makes the release, and so the click, come back to this label.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
