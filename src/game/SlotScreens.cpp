// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/ContinueGameScreen.h"
#include "game/GameScreens.h"
#include "game/NewGameScreen.h"

namespace game {

ui::Screen* makeNewGame(ui::ScreenModel& screens, const game::GameContext& context) {
    return new NewGameScreen(screens, context);
}

ui::Screen* makeContinueGame(ui::ScreenModel& screens, const game::GameContext& context) {
    return new ContinueGameScreen(screens, context);
}

} // namespace game
