#include "Controls.h"
#include "Monkey.h"
#include "Rules.h"
#include "app/Game.h"
#include "bank/BankScreen.h"
#include "casino/CasinoTable.h"
#include "school/TournamentTable.h"
#include "ui/Screen.h"
#include "ui/ScreenModel.h"

#include <QLineEdit>
#include <functional>

// How the random player chooses its next step: any usable control may be clicked, but the
// weights lean towards what moves a game on (into town, hands played to their end, the bank,
// tournaments won now and then), and away from what ends the program at once.
namespace monkey {

namespace {

using ui::ScreenId;

struct Lean {
    const char* screen;
    const char* control;
    double factor;
};

constexpr Lean Leanings[] = {
    {"Start", "Quit", 0.02},
    {"Start", "Instructions", 0.3},
    {"NewGame", "Main Menu", 0.1},
    {"ContinueGame", "Main Menu", 0.1},
    {"Instructions", "Main Menu", 0.5},
    {"Locations", "Go", 1.5},
    {"Home", "Sleep", 0.06},
    {"Home", "Back to town", 0.6},
    {"Test", "picQuit", 0.15},
    {"Test", "cmdReset", 2.0},
    {"Test", "cmdDeal", 1.5},
    {"School", "Quit", 0.25},
    {"School", "imgTour", 1.5},
    {"Tournament", "picQuit", 0.1},
    {"Bank", "Leave the bank", 0.12},
};

double baseWeight(Control::Kind kind) {
    switch (kind) {
    case Control::Kind::Button:
        return 10.0;
    case Control::Kind::Label:
        return 1.5;
    case Control::Kind::TextBox:
        return 1.0;
    default:
        return 0.3;
    }
}

// A player who stands on a good hand and hits a poor one, most of the time.
double handLean(int total, const QString& control) {
    const bool stand = control == QLatin1String("cmdStand");
    const bool hit = control == QLatin1String("cmdHit");
    if (!stand && !hit) return 1.0;
    if (total >= 17) return stand ? 2.5 : 0.15;
    return hit ? 1.2 : 0.4;
}

} // namespace

Step Monkey::makeUpStep() {
    Step step;
    step.action = Action::Restart;
    if (!game_ || game_->screens().hasEnded()) return step;
    ui::ScreenModel& screens = game_->screens();
    const auto front = screens.visibleScreen();
    if (!front) return step;
    ui::Screen* screen = screens.screen(*front);
    step.screen = QLatin1String(ui::screenName(*front));

    int playerTotal = 0;
    if (auto* table = qobject_cast<casino::CasinoTable*>(screen)) {
        playerTotal = rules::count(table->hand().PlayerRanks);
        answers_.cashAtHand = [table] { return int{table->money()}; };
    } else if (auto* tournament = qobject_cast<school::TournamentTable*>(screen)) {
        playerTotal = rules::count(tournament->hand().PlayerRanks);
    } else if (auto* bank = qobject_cast<bank::BankScreen*>(screen)) {
        const bool fromBank = std::bernoulli_distribution(0.5)(rng_);
        answers_.cashAtHand = [bank, fromBank] {
            return int{fromBank ? bank->BankBalance : bank->Money};
        };
    } else {
        answers_.cashAtHand = nullptr;
    }

    // A player types an amount before pressing a bank button, and clears a box full of text.
    QString typed;
    for (const Control& c : usableControls(screen))
        if (auto* box = qobject_cast<QLineEdit*>(c.widget)) typed = box->text();
    const bool orderReady = !typed.isEmpty();

    std::vector<double> weights;
    std::vector<std::function<void(Step&)>> fills;
    auto offer = [&](double weight, std::function<void(Step&)> fill) {
        weights.push_back(weight);
        fills.push_back(std::move(fill));
    };
    for (const Control& c : usableControls(screen)) {
        double weight = baseWeight(c.kind) * handLean(playerTotal, c.name);
        if (step.screen == QLatin1String("Bank") &&
            (c.name == QLatin1String("Deposit") || c.name == QLatin1String("Withdraw")))
            weight *= orderReady ? 1.0 : 0.15;
        for (const Lean& lean : Leanings)
            if (step.screen == QLatin1String(lean.screen) && c.name == QLatin1String(lean.control))
                weight *= lean.factor;
        const QString name = c.name;
        if (c.kind == Control::Kind::List) {
            for (int row = 0; row < c.rows; ++row)
                offer(5.0, [name, row](Step& s) {
                    s.control = name;
                    s.row = row;
                });
        } else {
            offer(weight, [name](Step& s) { s.control = name; });
        }
        if (c.kind == Control::Kind::TextBox)
            offer(orderReady ? 3.0 : 20.0, [this, name, orderReady](Step& s) {
                s.action = Action::Type;
                s.control = name;
                s.clearFirst = orderReady && std::bernoulli_distribution(0.8)(rng_);
                s.text = answers_.madeUpText(true);
            });
        const QPoint centre = c.widget->mapTo(screen, c.widget->rect().center());
        offer(0.4, [centre](Step& s) {
            s.action = Action::Move;
            s.point = centre;
        });
    }
    offer(2.0, [this, screen](Step& s) {
        s.action = Action::Move;
        s.point = QPoint(std::uniform_int_distribution<int>(0, screen->width() - 1)(rng_),
                         std::uniform_int_distribution<int>(0, screen->height() - 1)(rng_));
    });
    for (const PendingTimer& pending : pendingTimers(screen)) {
        const QString name = pending.name;
        offer(6.0, [name](Step& s) {
            s.action = Action::Fire;
            s.control = name;
        });
    }
    offer(0.12, [](Step& s) { s.action = Action::Close; });

    step.action = Action::Click;
    const auto chosen =
        std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(rng_);
    fills[chosen](step);
    // One click in ten comes twice before the game has handled the first.
    if (step.action == Action::Click && std::bernoulli_distribution(0.1)(rng_))
        step.action = Action::Double;

    // Now and then the dealer is kind: the player gets king and queen against ten and eight, so
    // a player who stands wins, and tournaments are won often enough to pay their prize.
    const bool deal = isClickOn(step, "Test", "cmdDeal");
    const bool round =
        isClickOn(step, "Tournament", "cmdStart") || isClickOn(step, "Tournament", "cmdContinue");
    if ((deal && std::bernoulli_distribution(0.2)(rng_)) ||
        (round && std::bernoulli_distribution(0.8)(rng_)))
        luck_.favour({card(0, 13), card(0, 12), card(1, 10), card(1, 8)});
    return step;
}

} // namespace monkey
