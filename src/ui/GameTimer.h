// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QTimer>

namespace ui {

// A repeating timer with the game's rule that starting a running timer keeps its count going
// (QTimer::start would begin the count again). A manual timer never runs by itself: tests fire
// its ticks by hand.
class GameTimer : public QObject {
    Q_OBJECT
public:
    GameTimer(QObject* parent, bool manual);

    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void start();
    void stop();
    bool isActive() const;

    // Delivers one tick now, as if the interval had passed; does nothing while stopped.
    void fire();
    // Lets time pass for a manual timer: it ticks whenever a whole interval has gone by since it
    // was started, so a test can tell a wait that ends early or late.
    void advance(int milliseconds);

signals:
    void tick();

private:
    int interval_ = 0;
    int elapsed_ = 0;
    bool manual_;
    bool active_ = false;
    QTimer timer_{this};
};

} // namespace ui
