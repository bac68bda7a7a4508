// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <cstdint>

namespace town {

// The player's house: Stats shows the name, cash and bank balance read when the house was
// entered; Sleep asks whether to end the game; the small quit picture goes back to town.
class HomeScreen : public ui::Screen {
    Q_OBJECT
public:
    enum class View { HomeMenu, Stats };

    HomeScreen(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;

    View view() const { return view_; }

    ui::ImageButton* imgStats;
    ui::ImageButton* imgSleep;
    ui::ImageButton* imgQuit;
    ui::ImageButton* imgMainMenu;
    ui::Label* lblName;
    ui::Label* lblMoney;
    ui::Label* lblBank;

private:
    bool readCurrentGame();
    void showView(View view);
    void showStats();
    void backToHomeMenu();
    void goToSleep();
    void leaveForTown();

    const game::GameContext& context_;
    View view_ = View::HomeMenu;

    std::int16_t SlotNumber = 0;
    std::int16_t Money = 0;
    QString PlayerName;
    std::int16_t BankBalance = 0;
};

} // namespace town
