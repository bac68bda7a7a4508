// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/SlotScreen.h"

namespace game {

// Starts a fresh game in the slot the player picks: asks a name, then $100 in hand and $0 in
// the bank. Whatever the slot held is overwritten; the instruction line warns of it.
class NewGameScreen : public SlotScreen {
    Q_OBJECT
  public:
    NewGameScreen(ui::ScreenModel& screens, const GameContext& context);

    void AskName();
    void CreateGame();

    ui::Label* lblWarning;
    QString PlayerName;
    bool NameEntered = false;

  protected:
    void slotChosen() override { CreateGame(); }
};

} // namespace game
