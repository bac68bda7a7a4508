// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/NewGameScreen.h"

#include "game/PlayerName.h"
#include "ui/Dialogs.h"

namespace game {

namespace {

constexpr std::int16_t NewGameMoney = 100;
constexpr std::int16_t NewGameBank = 0;

} // namespace

NewGameScreen::NewGameScreen(ui::ScreenModel& screens, const GameContext& context)
    : SlotScreen(ui::ScreenId::NewGame, screens, context,
                 tr("Click on a slot to begin new game. Warning: Data will be overwritten.")),
      lblWarning(instruction_) {}

void NewGameScreen::AskName() {
    PlayerName = context_.dialogs.input(tr("What is your name?"), tr("Enter name."));
    const QString refusal = nameRefusal(PlayerName);
    NameEntered = refusal.isEmpty();
    if (!NameEntered) context_.dialogs.message(refusal);
}

void NewGameScreen::CreateGame() {
    AskName();
    if (!NameEntered) return;
    const ProgramFolder& folder = context_.folder;
    // The first file that fails stops the game from starting: the town would otherwise read
    // money that was never written.
    const QString notStarted = tr("The new game could not be started.");
    if (!saved(WriteTextRecord(SlotFilePath(folder, SlotNumber, "Name.txt"), PlayerName),
               notStarted))
        return;
    if (!saved(WriteIntegerRecord(SlotFilePath(folder, SlotNumber, "Money.txt"), NewGameMoney),
               notStarted))
        return;
    if (!saved(WriteIntegerRecord(SlotFilePath(folder, SlotNumber, "Bank.txt"), NewGameBank),
               notStarted))
        return;
    if (!saved(WriteIntegerRecord(folder.path(CurrentMoneyFile), NewGameMoney), notStarted)) return;
    if (!saved(WriteIntegerRecord(folder.path(CurrentBankFile), NewGameBank), notStarted)) return;
    enterTown();
}

} // namespace game
