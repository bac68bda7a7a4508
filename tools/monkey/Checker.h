#pragma once

#include "SaveFiles.h"
#include "Step.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace app {
class Game;
}
namespace bank {
class BankScreen;
}
namespace casino {
class CasinoTable;
}
namespace school {
class TournamentTable;
}

namespace monkey {

struct Failure {
    qint64 step = 0;
    QString check;  // which rule broke, the same for every replay of the fault
    QString detail; // what was seen
};

// How far the random player got: the figures a run prints.
struct Figures {
    qint64 steps = 0;
    qint64 checks = 0;
    qint64 runs = 0;      // starts of the program
    qint64 hands = 0;     // hands dealt at either table
    qint64 prizes = 0;    // tournament prizes paid
    qint64 transfers = 0; // bank orders that moved money
    qint64 caps = 0;      // transfers and casino wins held to $9999
    qint64 boxes = 0;     // message boxes answered
};

// The rules that hold after every step of the random player, checked against what the game shows
// and what lies on disk. The checker keeps what it must remember between steps: how the tables,
// the bank and the files stood before, and how many prizes each slot has been paid.
class Checker {
  public:
    explicit Checker(QString root);

    // What the game looks like before a step.
    void observe(app::Game* game);
    // Checks the game after the step; the first rule broken, if any.
    std::optional<Failure> check(app::Game* game, const Step& step, const QStringList& messages);

    Figures& figures() { return figures_; }

  private:
    // The tables and the bank as they stood: the screens are named by address only, since a
    // screen closed during the step is gone by the time it is checked.
    struct Tables {
        casino::CasinoTable* casino = nullptr;
        const void* casinoId = nullptr;
        int casinoState = -1;
        int money = 0, bet = 0;
        school::TournamentTable* tournament = nullptr;
        const void* tournamentId = nullptr;
        int tournamentState = -1;
        int tournamentRound = 0;
        bank::BankScreen* bank = nullptr;
        const void* bankId = nullptr;
        int bankSlot = 0;
        int bankMoney = 0, bankBalance = 0;
        bool bankReady = false;
    };
    Tables tablesOf(app::Game* game) const;

    void readFiles();
    void expect(bool holds, const char* check, const QString& detail);
    void checkWindow(app::Game* game);
    void checkFiles();
    void checkShownNumbers(app::Game* game);
    void checkMoneyBounds(const Tables& now);
    void checkCasino(const Tables& now, const Step& step);
    void checkCards(const Tables& now);
    void checkBank(const Tables& now, const Step& step);
    void checkCaptions(const Tables& now);
    void checkPrize(const QStringList& messages);
    void checkTownFiles(app::Game* game);
    void checkEnding(app::Game* game);
    void checkSlotChoice(app::Game* game);
    int bound(int slot) const;
    std::optional<int> file(int index) const { return files_.number(index); }

    QString root_;
    std::unique_ptr<SaveFolderWatch> watch_;
    Figures figures_;
    std::optional<Failure> failure_;
    // Before the step.
    int frontBefore_ = -1;
    bool endedBefore_ = false;
    Tables before_;
    SaveFiles filesBefore_;
    bool haveFiles_ = false;
    // After it.
    SaveFiles files_;
    int front_ = -1;
    std::array<int, 4> prizes_{}; // by slot 1..3
};

} // namespace monkey
