#include "game/ContinueGameScreen.h"

#include "ui/Dialogs.h"

namespace game {

namespace {

// Reads one of the slot's files; a failure is told to the player, naming the file.
template <typename T> bool readOrRefuse(ui::Dialogs& dialogs, const RecordResult<T>& result) {
    if (result.ok()) return true;
    dialogs.message(result.error().message() + QStringLiteral(" This game can't be continued."));
    return false;
}

} // namespace

ContinueGameScreen::ContinueGameScreen(ui::ScreenModel& screens, const GameContext& context)
    : SlotScreen(ui::ScreenId::ContinueGame, screens, context,
                 QStringLiteral("Click on a slot to continue a saved game.")),
      lblMessage(instruction_) {}

void ContinueGameScreen::LoadGame() {
    const ProgramFolder& folder = context_.folder;
    // The name is read afresh: the labels show the slot as it was when the screen opened.
    const auto name = ReadTextRecord(SlotFilePath(folder, SlotNumber, "Name.txt"));
    if (!readOrRefuse(context_.dialogs, name)) return;
    PlayerName = name.value();
    if (PlayerName == QLatin1String(EmptySlotName)) {
        context_.dialogs.message(QStringLiteral("No Data Found"));
        return;
    }
    // Both records are read before either current-game file is written, so a damaged slot
    // leaves the current game as it was.
    const auto money = ReadIntegerRecord(SlotFilePath(folder, SlotNumber, "Money.txt"));
    if (!readOrRefuse(context_.dialogs, money)) return;
    const auto bank = ReadIntegerRecord(SlotFilePath(folder, SlotNumber, "Bank.txt"));
    if (!readOrRefuse(context_.dialogs, bank)) return;
    Money = money.value();
    BankBalance = bank.value();
    if (!saved(WriteIntegerRecord(folder.path(CurrentMoneyFile), Money))) return;
    if (!saved(WriteIntegerRecord(folder.path(CurrentBankFile), BankBalance))) return;
    enterTown();
}

} // namespace game
