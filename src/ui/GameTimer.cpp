// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/GameTimer.h"

namespace ui {

GameTimer::GameTimer(QObject* parent, bool manual) : QObject(parent), manual_(manual) {
    connect(&timer_, &QTimer::timeout, this, &GameTimer::tick);
}

void GameTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    timer_.setInterval(milliseconds);
}

void GameTimer::start() {
    if (active_) return;
    active_ = true;
    elapsed_ = 0;
    if (!manual_) timer_.start();
}

void GameTimer::stop() {
    active_ = false;
    timer_.stop();
}

bool GameTimer::isActive() const {
    return active_;
}

void GameTimer::fire() {
    if (active_) emit tick();
}

void GameTimer::advance(int milliseconds) {
    for (; manual_ && active_ && milliseconds > 0; --milliseconds) {
        if (++elapsed_ < interval_) continue;
        elapsed_ = 0;
        emit tick();
    }
}

} // namespace ui
