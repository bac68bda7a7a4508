// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/ContinueGameScreen.h"

#include "game/Report.h"
#include "ui/Dialogs.h"

namespace game {

ContinueGameScreen::ContinueGameScreen(ui::ScreenModel& screens, const GameContext& context)
    : SlotScreen(ui::ScreenId::ContinueGame, screens, context,
                 tr("Click on a slot to continue a saved game.")),
      lblMessage(instruction_) {}

void ContinueGameScreen::LoadGame() {
    const ProgramFolder& folder = context_.folder;
    // Said after the file that failed, read or written alike.
    const QString refused = tr("This game can't be continued.");
    // The name is read afresh: the labels show the slot as it was when the screen opened.
    const auto name = ReadTextRecord(SlotFilePath(folder, SlotNumber, "Name.txt"));
    if (!reportIfFailed(context_.dialogs, name, refused)) return;
    PlayerName = name.value();
    if (PlayerName == QLatin1String(EmptySlotName)) {
        context_.dialogs.message(tr("No Data Found"));
        return;
    }
    // Both records are read before either current-game file is written, so a damaged slot
    // leaves the current game as it was.
    const auto money = ReadIntegerRecord(SlotFilePath(folder, SlotNumber, "Money.txt"));
    if (!reportIfFailed(context_.dialogs, money, refused)) return;
    const auto bank = ReadIntegerRecord(SlotFilePath(folder, SlotNumber, "Bank.txt"));
    if (!reportIfFailed(context_.dialogs, bank, refused)) return;
    Money = money.value();
    BankBalance = bank.value();
    if (!saved(WriteIntegerRecord(folder.path(CurrentMoneyFile), Money), refused)) return;
    if (!saved(WriteIntegerRecord(folder.path(CurrentBankFile), BankBalance), refused)) return;
    enterTown();
}

} // namespace game
