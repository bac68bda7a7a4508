#pragma once

#include "Answers.h"
#include "Checker.h"
#include "Luck.h"
#include "Step.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace app {
class Game;
}

namespace monkey {

// What one run of the random player came to.
struct Result {
    Figures figures;
    std::optional<Failure> failure;
    // Every step taken, up to and including a failing one (kept when asked for, or on failure).
    std::vector<Step> steps;
};

struct Settings {
    bool checking = true;   // check the rules after every step
    bool keepSteps = false; // keep the steps of a run that does not fail
    bool log = false;       // print every step and the boxes it opened
    // Called after every step; tests use it to plant a fault and watch the checks find it.
    std::function<void(app::Game&, const QString& root)> afterStep;
};

// The random player: the whole game in this process on the offscreen platform, from the main
// menu, in a program folder of its own. Each step is a click on a usable control, a pointer move,
// typing into a text box, a pending timer fired by hand or the window's close button; when the
// game ends, it is started again in the same folder, saves kept.
class Monkey {
  public:
    Monkey(const QString& root, Settings settings = {});
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Makes up `steps` steps from `seed`, stopping at the first rule broken.
    Result play(quint32 seed, qint64 steps);
    // Plays recorded steps again, stopping at the first rule broken.
    Result replay(const std::vector<Step>& steps);

    app::Game* game() { return game_.get(); }
    // Starts the program now rather than at the first step.
    void start() {
        if (!game_) startProgram();
    }
    // The steps of the run under way, the one in flight included: what a crash report prints.
    const std::vector<Step>& stepsSoFar() const { return current_.steps; }

  private:
    void startProgram();
    void stopProgram();
    Step makeUpStep();
    void perform(Step& step);
    bool runStep(Step& step, Result& result);

    QString root_;
    Settings settings_;
    std::mt19937 rng_;
    Answers answers_;
    Luck luck_;
    Checker checker_;
    std::unique_ptr<app::Game> game_;
    bool playingBack_ = false;
    Result current_;
};

// Fills `root` as the game is delivered where nothing is there yet: the save slots and the
// pictures beside them; a fresh folder gets two rich games in slots 2 and 3, saved earlier.
bool prepareProgramFolder(const QString& root);

// Shortens a failing list of steps by delta debugging: the shortest list found, within the time
// and the number of replays given, that still breaks the same rule when played from a fresh
// program folder.
std::vector<Step> shrink(const std::vector<Step>& steps, const QString& check, int seconds,
                         const Settings& settings = {}, int replays = 100000);

} // namespace monkey
