// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Paths.h"

namespace ui {
class Dialogs;
class ScreenModel;
} // namespace ui
namespace engine {
class RandomSource;
}

namespace game {

// What every screen is handed when it is built: where the program lives, the modal boxes, the
// source of luck, and whether timers run by themselves (tests fire them by hand).
struct GameContext {
    ProgramFolder folder;
    ui::Dialogs& dialogs;
    engine::RandomSource& random;
    bool manualTimers = false;
};

} // namespace game
