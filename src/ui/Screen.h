// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/PictureStore.h"
#include "ui/ScreenId.h"

#include <QWidget>
#include <initializer_list>

class QAbstractButton;

namespace ui {

class ScreenModel;

// One screen of the game: a fixed 600 x 400 page of the game window (or, for the sleep dialog,
// a small window of its own) with a background picture and its controls.
class Screen : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Page, Dialog };

    Screen(ScreenId id, ScreenModel& model, Kind kind = Kind::Page, QSize size = {600, 400});

    ScreenId id() const { return id_; }
    Kind kind() const { return kind_; }
    ScreenModel& screens() const { return model_; }

    // The load step, run once per load. Returns false when the screen cannot open; it has then
    // told the player why, and the screen model discards it.
    virtual bool load() = 0;

    // The window's own close button was pressed while this screen was in front. Returning true
    // ends the program the way the main menu's Quit does; a screen that must first save or ask
    // does so here, and returns false to stay.
    virtual bool closeRequested() { return true; }

    void setBackground(const QString& path);
    QString backgroundPath() const { return background_.path(); }

    // A key of the screen ("H", "Esc", "Alt+D", "Enter" for both Enter keys): it clicks the first
    // of the controls that is shown and enabled, so it obeys whatever the click obeys. It acts
    // only while the screen is in front in the active window, never behind a message box, and a
    // key held down acts once. Each control's tooltip names its key: "Hit (H)".
    void bindKey(const QString& key, std::initializer_list<QAbstractButton*> controls);

    // The screen has come to the front: Tab visits its controls in reading order, row by row,
    // and the keyboard goes to startingFocus(), or to the screen itself, to no control.
    void cameToFront();

signals:
    // The pointer moved over the screen itself, outside every visible control.
    void backgroundPointerMoved();

protected:
    // The control that takes the keyboard when the screen comes to the front.
    virtual QWidget* startingFocus() const { return nullptr; }
    // What a screen reader hears as the screen comes to the front, after its name: what a
    // sighted player takes in at a glance (the cash on the table, the page of the rules).
    virtual QString spokenOnArrival() const { return {}; }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    ScreenId id_;
    Kind kind_;
    ScreenModel& model_;
    PictureSource background_;
};

} // namespace ui
