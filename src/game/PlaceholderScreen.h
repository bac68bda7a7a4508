// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Screen.h"

namespace game {

// A place of the game that is not open yet: its name and a way back.
class PlaceholderScreen : public ui::Screen {
    Q_OBJECT
public:
    PlaceholderScreen(ui::ScreenModel& screens, const GameContext& context, ui::ScreenId id,
                      ui::ScreenId back);
    bool load() override;

private:
    const GameContext& context_;
    ui::ScreenId back_;
};

} // namespace game
