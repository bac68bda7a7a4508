// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

namespace game {

// The main menu: four corner cards, the logo, and New Game, Continue, Instructions and Quit.
class StartScreen : public ui::Screen {
    Q_OBJECT
public:
    StartScreen(ui::ScreenModel& screens, const GameContext& context);
    bool load() override;

    ui::Image* picSpades;
    ui::Image* picHearts;
    ui::Image* picClovers;
    ui::Image* picDiamonds;
    ui::Image* picLogo;
    ui::ImageButton* picStart;
    ui::ImageButton* picContinue;
    ui::ImageButton* picInstruct;
    ui::ImageButton* picQuit;

private:
    const GameContext& context_;
};

} // namespace game
