// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Image.h"


#include <QMouseEvent>
#include <QPainter>

namespace ui {

Image::Image(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void Image::setPicture(const QString& path, const QString& spokenName) {
    picture_.load(path, devicePixelRatioF());
    if (!sizeFixed_ && !picture_.isNull()) resize(picture_.naturalSize());
    update();
    spokenName_ = spokenName;
}

void Image::clearPicture() {
    picture_.clear();
    spokenName_.clear();
    update();
}

void Image::setRect(int left, int top, int width, int height) {
    sizeFixed_ = true;
    setGeometry(left, top, width, height);
}

void Image::setFixedPictureSize(int width, int height) {
    sizeFixed_ = true;
    resize(width, height);
}

void Image::setPosition(int left, int top) {
    move(left, top);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(painter, rect());
}

void Image::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    event->accept();
}

} // namespace ui
