// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

namespace ui {
class Screen;
class ScreenModel;
} // namespace ui
namespace game {
struct GameContext;
}

namespace game {

// How each screen of this part of the game is built; the screen model calls these.
ui::Screen* makeStart(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeNewGame(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeContinueGame(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeInstructions(ui::ScreenModel& screens, const game::GameContext& context);

} // namespace game
