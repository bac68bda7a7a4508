// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/SlotScreen.h"

#include <cstdint>

namespace game {

// Resumes the game saved in the slot the player picks, with its money and bank balance.
class ContinueGameScreen : public SlotScreen {
    Q_OBJECT
  public:
    ContinueGameScreen(ui::ScreenModel& screens, const GameContext& context);

    void LoadGame();

    ui::Label* lblMessage;
    QString PlayerName;
    std::int16_t Money = 0;
    std::int16_t BankBalance = 0;

  protected:
    void slotChosen() override { LoadGame(); }
};

} // namespace game
