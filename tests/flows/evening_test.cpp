// A whole evening, as a player plays it: a new game, a few casino hands, back to town, the
// program closed, and the same slot continued at the next start with the money the last hand
// saved.
#include "CasinoHelpers.h"
#include "TestGame.h"
#include "engine/Random.h"
#include "game/ContinueGameScreen.h"
#include "game/NewGameScreen.h"
#include "game/StartScreen.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"

#include <QListWidget>
#include <QTest>

using casino::C;
using casino::D;
using casino::H;
using casino::S;
using ui::ScreenId;

namespace {

void goTo(ui::ScreenModel& screens, const QString& place) {
    auto* town = screens.screenAs<town::LocationsScreen>(ScreenId::Locations);
    QVERIFY(town && town->isVisible());
    const auto items = town->lstLocations->findItems(place, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    town->lstLocations->setCurrentItem(items.first());
    TestGame::click(town->imgGo);
}

} // namespace

class EveningTest : public QObject {
    Q_OBJECT
  private slots:
    void newGameCasinoHandsAndContinueNextTime() {
        TestGame t;
        t.start();
        t.dialogs.answerInput(QStringLiteral("Ann"));
        TestGame::click(t.screens().screenAs<game::StartScreen>(ScreenId::Start)->picStart);
        TestGame::click(t.screens().screenAs<game::NewGameScreen>(ScreenId::NewGame)->frmSlot2);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));

        // First hand: 20 against the dealer's 9 and 8, who draws a 2 and stands on 19.
        t.random.queue(0.1f);
        goTo(t.screens(), QStringLiteral("Casino"));
        auto* table = t.screens().screenAs<casino::CasinoTable>(ScreenId::Test);
        QVERIFY(table);
        casino::dealCards(t, table, QStringLiteral("40"), {S(10), H(10), D(9), C(8), S(2)});
        TestGame::click(table->cmdStand);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 140);
        QCOMPARE(t.integer("\\Files\\Slot2\\Money.txt"), 140);
        TestGame::click(table->cmdReset);

        // Second hand: 16 against 19, lost.
        casino::dealCards(t, table, QStringLiteral("30"), {S(9), H(7), D(10), C(9)});
        TestGame::click(table->cmdStand);
        TestGame::click(table->cmdReset);
        TestGame::click(table->picQuit);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 110);
        QCOMPARE(t.integer("\\Files\\Slot2\\Money.txt"), 110);
        QVERIFY(t.dialogs.messages().isEmpty());

        // Home sees what the casino saved.
        goTo(t.screens(), QStringLiteral("Home"));
        auto* home = t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
        TestGame::click(home->imgStats);
        QCOMPARE(home->lblMoney->text(), QStringLiteral("Money: $110"));
        QCOMPARE(home->lblBank->text(), QStringLiteral("Bank: $0"));

        // The window is closed in town: the program ends, and nothing is lost.
        t.screens().window()->close();
        QVERIFY(t.screens().hasEnded());

        // The next start, in the same program folder.
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        app::Game next(game::GameContext{game::ProgramFolder(t.folder()), dialogs, random, true});
        next.start();
        TestGame::click(next.screens().screenAs<game::StartScreen>(ScreenId::Start)->picContinue);
        auto* saved = next.screens().screenAs<game::ContinueGameScreen>(ScreenId::ContinueGame);
        QCOMPARE(saved->lblSlot2Name->text(), QStringLiteral("Name: Ann"));
        QCOMPARE(saved->lblSlot2Money->text(), QStringLiteral("Money: $110     Bank: $0"));
        TestGame::click(saved->lblSlot2Money);
        QCOMPARE(next.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentSlot.txt"), 2);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 110);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentBank.txt"), 0);
        QVERIFY(dialogs.messages().isEmpty());
    }
};

QTEST_MAIN(EveningTest)
#include "evening_test.moc"
