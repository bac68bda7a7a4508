// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/ScreenModel.h"

namespace app {

// The whole game: every screen registered with the screen model, all sharing one context. The
// program and the tests build the game the same way and differ only in what they hand in.
class Game {
public:
    explicit Game(game::GameContext context);

    // Shows the main menu.
    void start();

    ui::ScreenModel& screens() { return screens_; }
    const game::GameContext& context() const { return context_; }

private:
    game::GameContext context_;
    ui::ScreenModel screens_;
};

} // namespace app
