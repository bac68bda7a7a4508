#pragma once

#include <QString>
#include <QStringList>
#include <random>

namespace monkey {

struct KillFigures {
    int kills = 0;
    int killsAfterSaving = 0; // kills of a game that had written to its saves in that run
    int leftoverCopies = 0;   // kills that left an interrupted save's temporary copy behind
    int filesChecked = 0;
    int slotsContinued = 0;
    int failures = 0;
};

// Starts the random player in a child process on one program folder, kills it with SIGKILL at a
// random moment, then looks at what it left: every save file one whole record, and a fresh start
// of the game reaching the main menu and continuing every slot that holds a game.
class KillHarness {
  public:
    KillHarness(QString root, QString monkeyProgram, quint32 seed);

    // One child started and killed; the faults found afterwards (empty when all is well).
    QStringList killOnce(int index);
    const KillFigures& figures() const { return figures_; }

    // The save files: one whole, well-formed record each.
    QStringList checkFiles();
    // A fresh start of the game: the main menu, then Continue on each slot that holds a game;
    // nothing but the save files is left among them afterwards.
    QStringList startAfresh();

  private:
    QString root_;
    QString program_;
    std::mt19937 rng_;
    KillFigures figures_;
};

} // namespace monkey
