// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Screen.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace town {

// "Sleeping so soon?": Yes ends the game (the slot already holds everything the player owns),
// No goes back into the house.
class SleepDialog : public ui::Screen {
    Q_OBJECT
public:
    SleepDialog(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;
    // The window's own close button answers No.
    bool closeRequested() override;

    QGroupBox* fraQ;
    QRadioButton* optYes;
    QRadioButton* optNo;
    QPushButton* cmdSelect;

private:
    void select();
    void endGame();
    void backHome();

    const game::GameContext& context_;
    // Set while an answer is being carried out, so a second press cannot run it again.
    bool answering_ = false;
};

} // namespace town
