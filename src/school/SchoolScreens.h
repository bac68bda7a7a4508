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

namespace school {

// How each screen of this part of the game is built; the screen model calls these.
ui::Screen* makeSchool(ui::ScreenModel& screens, const game::GameContext& context);
ui::Screen* makeTournament(ui::ScreenModel& screens, const game::GameContext& context);

} // namespace school
