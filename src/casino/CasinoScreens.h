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

namespace casino {

// How each screen of this part of the game is built; the screen model calls these.
ui::Screen* makeCasinoTable(ui::ScreenModel& screens, const game::GameContext& context);

} // namespace casino
