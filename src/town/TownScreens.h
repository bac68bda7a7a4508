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

namespace town {

// How each screen of this part of the game is built; the screen model calls these.
ui::Screen* makeLocations(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeHome(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeSleepDialog(ui::ScreenModel& screens, const game::GameContext& context);

} // namespace town
