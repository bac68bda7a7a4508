// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// vantrell-killtest [kills] [seed]: kills the random player with SIGKILL at random moments while
// it plays in one program folder (1000 times unless told); after each kill every save record
// must be whole and readable, and a fresh start of the game must continue every saved slot.
#include "Monkey.h"
#include "game/SlotScreen.h"
#include "game/StartScreen.h"

#include <QApplication>
#include <QProcess>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int kills = application.arguments().value(1, "1000").toInt();
    std::mt19937 rng(application.arguments().value(2, "1").toUInt());
    QTemporaryDir dir;
    const game::ProgramFolder folder(dir.path());
    int failures = 0, continued = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(MONKEY_EXECUTABLE, {"--play", dir.path(), QString::number(rng())});
        const bool up = child.waitForReadyRead(30000) && !child.waitForFinished(20 + rng() % 300);
        child.kill();
        child.waitForFinished();
        QStringList faults = Monkey::readRecords(dir.path()).second;
        if (!up) faults << "the game stopped by itself: " + child.errorString();
        for (int slot = 1; slot <= 3 && faults.isEmpty(); ++slot) {
            // Each saved slot from a fresh start, as a player would come back to it.
            ScriptedDialogs dialogs;
            ScriptedRandom random;
            game::prepareSaveFolders(folder);
            app::Game game(game::GameContext{folder, dialogs, random, true});
            ui::ScreenModel& s = game.screens();
            game.start();
            TestGame::click(s.screenAs<game::StartScreen>(ui::ScreenId::Start)->picContinue);
            const auto* chooser = s.screenAs<game::SlotScreen>(ui::ScreenId::ContinueGame);
            if (chooser->savedSlots(slot).name == game::EmptySlotName) continue;
            TestGame::click(
                QList{chooser->frmSlot1, chooser->frmSlot2, chooser->frmSlot3}[slot - 1]);
            if (s.visibleScreen() != ui::ScreenId::Locations || !dialogs.messages().isEmpty())
                faults << "a saved slot does not continue: " + dialogs.messages().join(' ');
            continued += faults.isEmpty();
        }
        if (!faults.isEmpty())
            std::printf("FAILURE after kill %d: %s\n", kill, qPrintable(faults.join("; ")));
        failures += !faults.isEmpty();
    }
    std::printf("%d kills, %d saved slots continued, %d failures\n", kills, continued, failures);
    return failures == 0 ? 0 : 1;
}
