// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

bool isEnterKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

ImageButton::ImageButton(QWidget* parent, const QString& accessibleName) : QAbstractButton(parent) {
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    // Tab brings the keyboard here, a click does not: a mouse player never sees the ring.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void ImageButton::setPicture(const QString& path) {
    picture_.load(path, devicePixelRatioF());
    if (!sizeFixed_ && !picture_.isNull()) resize(picture_.naturalSize());
    update();
}

void ImageButton::setRect(int left, int top, int width, int height) {
    sizeFixed_ = true;
    setGeometry(left, top, width, height);
}

void ImageButton::setPosition(int left, int top) {
    move(left, top);
}

bool ImageButton::event(QEvent* event) {
    // Enter belongs to the focused button before any key of its screen.
    if (event->type() == QEvent::ShortcutOverride && isEnterKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractButton::event(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event)) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::hideEvent(QHideEvent* event) {
    // A button that goes away with the keyboard hands it to its screen, whose keys then work,
    // rather than keeping it hidden or passing its ring to a neighbour the player did not pick.
    if (window()->focusWidget() == this && parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
    QAbstractButton::hideEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    // Only the player's own Tab counts: the window system hands the keyboard around too, as a
    // new screen comes to the front.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit focusEntered();
}

QSize ImageButton::sizeHint() const {
    return picture_.isNull() ? QSize(80, 32) : picture_.naturalSize();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture_.isNull()) {
        // Without its picture the button still shows what it does, so the game stays playable.
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter.fillPath(shape, QColor(110, 24, 36));
        painter.setPen(QColor(240, 228, 200));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, accessibleName());
    } else {
        picture_.paint(painter, rect());
    }
    if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 60));
    if (!isEnabled()) painter.fillRect(rect(), QColor(40, 40, 40, 110));
    if (hasFocus()) {
        // Gold on a dark edge, so the ring reads on the felt, the wood and the night sky alike.
        // The small crosses get a finer ring, so that their cross still shows through.
        const qreal gold = qMin(width(), height()) < 30 ? 1.5 : 3;
        const QRectF ring = QRectF(rect()).adjusted(gold - 0.5, gold - 0.5, 0.5 - gold, 0.5 - gold);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 236, 170, 36));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(20, 12, 8), gold + 2));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
        painter.setPen(QPen(QColor(255, 214, 80), gold));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

} // namespace ui
