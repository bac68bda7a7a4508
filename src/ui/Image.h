// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/PictureStore.h"

#include <QString>
#include <QWidget>

namespace ui {

// A picture that only decorates, or reports the pointer passing over it.
class Image : public QWidget {
    Q_OBJECT
  public:
    explicit Image(QWidget* parent);

    // The spoken name is what a screen reader says of the picture ("Ace of Spades", "You win");
    // a picture without one is left out, as an empty card slot is.
    void setPicture(const QString& path, const QString& spokenName = QString());
    void clearPicture();
    QString picturePath() const { return picture_.path(); }
    bool hasPicture() const { return !picture_.isNull(); }
    const QString& spokenName() const { return spokenName_; }

    // Fixes the control's rectangle; the picture is drawn into it from now on.
    void setRect(int left, int top, int width, int height);
    void setFixedPictureSize(int width, int height);
    // Places the control; it keeps the size of its picture unless a size was fixed.
    void setPosition(int left, int top);

  signals:
    void pointerMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    PictureSource picture_;
    QString spokenName_;
    bool sizeFixed_ = false;
};

} // namespace ui
