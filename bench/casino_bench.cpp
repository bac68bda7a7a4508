// How long the casino table takes from a click on Deal, Hit, Stand or Reset until the table is
// painted again, over many hands played with the game's own clock-seeded cards.
//
//   casino_bench [hands]     (QT_QPA_PLATFORM decides the window system; offscreen by default)

#include "app/Game.h"
#include "casino/CasinoTable.h"
#include "engine/Random.h"
#include "game/Records.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
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

// A press and a release in the middle of the control, as the player's mouse would send them.
void click(QWidget* control) {
    const QPointF at = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QApplication::sendEvent(control, &release);
}

struct Figures {
    std::vector<double> ms;
    void print(const char* action) {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        std::printf("  %-6s %6zu times    median %7.3f ms   worst %7.3f ms\n", action, ms.size(),
                    ms[ms.size() / 2], ms.back());
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
    QApplication application(argc, argv);
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
    auto timed = [&](const char* action, casino::CasinoTable* table, QWidget* control) {
        QElapsedTimer clock;
        clock.start();
        click(control);
        table->repaint();
        figures[action].ms.push_back(clock.nsecsElapsed() / 1e6);
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
        }
    }

    std::printf("casino table: click to table repainted, %d hands (platform %s)\n", hands,
                qgetenv("QT_QPA_PLATFORM").constData());
    for (const char* action : {"deal", "hit", "stand", "reset", "save"})
        figures[action].print(action);
    std::printf("  target: well within one 60 Hz frame (16.7 ms)\n");
    return 0;
}
