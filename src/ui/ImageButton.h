// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/PictureStore.h"

#include <QAbstractButton>
#include <QString>

namespace ui {

// A picture that a player clicks: a real button, so it takes focus, reacts to Space and to Enter
// while it has the keyboard, and carries an accessible name. Its ring shows only while focused.
class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    ImageButton(QWidget* parent, const QString& accessibleName);

    void setPicture(const QString& path);
    QString picturePath() const { return picture_.path(); }
    bool hasPicture() const { return !picture_.isNull(); }

    void setRect(int left, int top, int width, int height);
    void setPosition(int left, int top);

    QSize sizeHint() const override;

  signals:
    void pointerMoved();
    // The player moved the keyboard here with Tab (or Shift+Tab).
    void focusEntered();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    PictureSource picture_;
    bool sizeFixed_ = false;
};

} // namespace ui
