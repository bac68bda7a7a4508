// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// How long the casino table takes from a click on Deal, Hit, Stand, Double Down or Reset until the
// table is painted again, over many hands played with the game's own clock-seeded cards; then the
// same for the tournament's Start, Hit, Stand and Continue. A table that paints within its click
// handler (before it saves) is answered when that paint ends; otherwise when the repaint that
// follows the click ends. "handled" is the whole click, the save included.
//
//   casino_bench [hands]     (QT_QPA_PLATFORM decides the window system; offscreen by default)

#include "app/Game.h"
#include "casino/CasinoTable.h"
#include "engine/Random.h"
#include "game/Records.h"
#include "school/TournamentTable.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Bets ten dollars every time and lets every message pass.
class SteadyPlayer final : public ui::Dialogs {
  public:
    void message(const QString&) override { ++messages; }
    QString input(const QString&, const QString&) override { return QStringLiteral("10"); }
    bool confirm(const QString&) override { return false; }
    int messages = 0;
};

// A press or a release in the middle of the control, as the player's mouse would send it.
void mouse(QWidget* control, bool press) {
    const QPointF at = QRectF(control->rect()).center();
    QMouseEvent event(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at,
                      control->mapToGlobal(at), Qt::LeftButton,
                      press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

// Notes when the first paint of the watched screen after a click has ended: the screen's own
// paint comes first, its controls follow, and the next paint of the screen starts a new round.
class PaintClock : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const bool painting =
            event->type() == QEvent::Paint && watched && receiver->isWidgetType() &&
            (receiver == watched || watched->isAncestorOf(static_cast<QWidget*>(receiver)));
        if (painting && receiver == watched) ++rounds;
        const bool done = QApplication::notify(receiver, event);
        if (painting && rounds == 1) paintedAt = clock.nsecsElapsed() / 1e6;
        return done;
    }
    QWidget* watched = nullptr;
    QElapsedTimer clock;
    int rounds = 0;
    double paintedAt = 0;
};

struct Figures {
    std::vector<double> ms, handled;
    void print(const char* action) {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        std::sort(handled.begin(), handled.end());
        std::printf(
            "  %-8s %6zu times    median %7.3f ms   worst %7.3f ms    handled: median %7.3f "
            "worst %7.3f ms\n",
            action, ms.size(), ms[ms.size() / 2], ms.back(), handled[handled.size() / 2],
            handled.back());
    }
};

// One in-game folder in a temporary place, so no player's save is touched.
bool prepareFolder(const QTemporaryDir& dir) {
    for (const char* sub : {"TempFiles", "Slot1", "Slot2", "Slot3"})
        if (!QDir().mkpath(dir.path() + "/Files/" + sub)) return false;
    return QFile::link(QStringLiteral(VANTRELL_PROGRAM_DIR "/Graphics"), dir.path() + "/Graphics");
}

void writeCash(const game::ProgramFolder& folder, std::int16_t cash) {
    game::WriteIntegerRecord(folder.path(game::CurrentSlotFile), 1);
    game::WriteIntegerRecord(folder.path(game::CurrentMoneyFile), cash);
    game::WriteIntegerRecord(game::SlotFilePath(folder, 1, QStringLiteral("Money.txt")), cash);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PaintClock application(argc, argv);
    const int hands = argc > 1 ? std::max(10, atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    if (!dir.isValid() || !prepareFolder(dir)) {
        std::fprintf(stderr, "no temporary program folder\n");
        return 1;
    }
    const game::ProgramFolder folder(dir.path());
    writeCash(folder, 9999);
    engine::ClockRandom random;
    SteadyPlayer player;
    app::Game game(game::GameContext{folder, player, random, false});
    game.screens().show(ui::ScreenId::Locations);

    std::map<std::string, Figures> figures;
    auto timed = [&](const char* action, QWidget* table, QWidget* control) {
        application.watched = table;
        application.clock.start();
        const QPointer<QWidget> stays(table);
        // The button paints its own pressed and released looks at once; the answer starts after.
        const auto answer =
            QObject::connect(qobject_cast<QAbstractButton*>(control), &QAbstractButton::released,
                             [&application] { application.rounds = 0; });
        mouse(control, true);
        mouse(control, false);
        QObject::disconnect(answer);
        const double handled = application.clock.nsecsElapsed() / 1e6;
        if (application.rounds == 0 && stays) table->repaint();
        if (application.rounds == 0) application.paintedAt = handled; // the table has gone
        figures[action].ms.push_back(application.paintedAt);
        figures[action].handled.push_back(std::max(handled, application.paintedAt));
        application.watched = nullptr;
    };

    for (int hand = 0; hand < hands; ++hand) {
        auto* table = game.screens().screenAs<casino::CasinoTable>(ui::ScreenId::Test);
        if (!table) {
            // Turned away or never seated: back at the table with a fresh purse.
            writeCash(folder, 9999);
            game.screens().show(ui::ScreenId::Test);
            table = game.screens().screenAs<casino::CasinoTable>(ui::ScreenId::Test);
            if (!table) return 1;
        }
        timed("deal", table, table->cmdDeal);
        // Every fifth hand doubles down where the purse allows it.
        if (hand % 5 == 2 && table->cmdDD->isVisible()) timed("double", table, table->cmdDD);
        // Hit below 15, as a cautious player would; every fourth hand goes on to the sixth card.
        while (table->state() == casino::CasinoTable::State::PlayersTurn &&
               (table->hand().PlayerTotal < 15 || hand % 4 == 0))
            timed("hit", table, table->cmdHit);
        if (table->state() == casino::CasinoTable::State::PlayersTurn)
            timed("stand", table, table->cmdStand);
        timed("reset", table, table->cmdReset);
        QCoreApplication::processEvents();
    }

    // The save alone (two atomic, synced file writes): the part of a bust or a stand that waits
    // on the disk rather than on the table.
    if (auto* table = game.screens().screenAs<casino::CasinoTable>(ui::ScreenId::Test)) {
        for (int k = 0; k < std::min(hands, 300); ++k) {
            QElapsedTimer clock;
            clock.start();
            table->SaveMoney();
            figures["save"].ms.push_back(clock.nsecsElapsed() / 1e6);
            figures["save"].handled.push_back(figures["save"].ms.back());
        }
    }

    // The tournament: Start, hits below 15, Stand, Continue, until the run ends; again and again.
    for (int hand = 0; hand < hands; ++hand) {
        auto* table = game.screens().screenAs<school::TournamentTable>(ui::ScreenId::Tournament);
        if (!table || !table->isVisible()) {
            game.screens().show(ui::ScreenId::Tournament);
            table = game.screens().screenAs<school::TournamentTable>(ui::ScreenId::Tournament);
            if (!table) return 1;
        }
        if (table->state() == school::TournamentTable::State::Ready)
            timed("t.start", table, table->cmdStart);
        while (table->state() == school::TournamentTable::State::InHand &&
               table->hand().PlayerTotal < 15)
            timed("t.hit", table, table->cmdHit);
        if (table->state() == school::TournamentTable::State::InHand)
            timed("t.stand", table, table->cmdStand);
        const bool prize = table->roundNumber() == 5 && table->roundPassed();
        timed(prize ? "t.prize" : "t.cont", table, table->cmdContinue);
        QCoreApplication::processEvents();
    }

    std::printf("click to table repainted, %d hands at each table (platform %s)\n", hands,
                qgetenv("QT_QPA_PLATFORM").constData());
    for (const char* action : {"deal", "hit", "stand", "double", "reset", "save", "t.start",
                               "t.hit", "t.stand", "t.cont", "t.prize"})
        figures[action].print(action);
    std::printf("  target: well within one 60 Hz frame (16.7 ms)\n");
    return 0;
}
