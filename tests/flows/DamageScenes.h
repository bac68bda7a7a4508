#pragma once

// Every screen that reads or writes a save file, driven through its widgets over a damaged disk,
// each walking the rules' own file sequence alongside to know what it must have done.

#include "DamagedDisk.h"
#include "bank/BankScreen.h"
#include "casino/CasinoTable.h"
#include "game/ContinueGameScreen.h"
#include "game/NewGameScreen.h"
#include "game/StartScreen.h"
#include "school/SchoolScreen.h"
#include "school/TournamentTable.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"
#include "town/SleepDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

namespace damage {

using ui::ScreenId;

enum class Scene { NewGame, Continue, Home, Sleep, Casino, CasinoHand, Bank, BankLeaving, Prize };
inline const char* sceneName(Scene scene) {
    static const char* const names[] = {"new game", "continue",     "home",
                                        "sleep",    "casino",       "casino hand",
                                        "bank",     "bank leaving", "prize"};
    return names[static_cast<int>(scene)];
}

// The screens that read or write a file, each with the damage before it opens or, for the
// moments a file is written while the screen is in use ("casino hand", "bank leaving", "sleep",
// "prize"), just before that write.
inline std::vector<Scene> scenesFor(int file) {
    using S = Scene;
    if (file == CurrentSlot)
        return {S::NewGame, S::Continue,   S::Home, S::Sleep,
                S::Casino,  S::CasinoHand, S::Bank, S::Prize};
    if (file == CurrentMoney)
        return {S::NewGame,    S::Continue, S::Home,        S::Sleep, S::Casino,
                S::CasinoHand, S::Bank,     S::BankLeaving, S::Prize};
    if (file == CurrentBank)
        return {S::NewGame, S::Continue, S::Home, S::Sleep, S::Bank, S::BankLeaving};
    switch ((file - 3) % 3) {
    case 0:
        return {S::NewGame, S::Continue, S::Home, S::Bank};
    case 1:
        return {S::NewGame, S::Continue, S::CasinoHand, S::BankLeaving, S::Prize};
    default:
        return {S::NewGame, S::Continue, S::BankLeaving};
    }
}

struct Play {
    TestGame& t;
    const Disk& disk;
    Walk& walk;
    int slot; // the slot in play, or chosen on a slot screen
    std::function<void()> damage;
};

// King and queen (20) against ten and eight (18): standing wins at either table.
inline void queueWin(ScriptedRandom& random) {
    random.dealing(
        {ScriptedRandom::cardNumber("Spades", 13), ScriptedRandom::cardNumber("Spades", 12),
         ScriptedRandom::cardNumber("Hearts", 10), ScriptedRandom::cardNumber("Hearts", 8)});
}

inline void expectScreen(TestGame& t, ScreenId id) {
    QCOMPARE(t.screens().visibleScreen(), std::optional(id));
}

// Picks a place on the town's list and clicks Go, as the player does.
inline void goTo(TestGame& t, const char* place) {
    auto* town = t.open<town::LocationsScreen>(ScreenId::Locations);
    QVERIFY(town);
    const auto items = town->lstLocations->findItems(QLatin1String(place), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(town->lstLocations->viewport(), Qt::LeftButton, {},
                      town->lstLocations->visualItemRect(items.front()).center());
    TestGame::click(town->imgGo);
}

// A slot's two lines show what its files hold, or say which of them failed.
inline void checkSlotLines(const Play& p, game::SlotScreen* screen) {
    ui::Label* const names[] = {screen->lblSlot1Name, screen->lblSlot2Name, screen->lblSlot3Name};
    ui::Label* const moneys[] = {screen->lblSlot1Money, screen->lblSlot2Money,
                                 screen->lblSlot3Money};
    for (int n = 1; n <= 3; ++n) {
        const FileState& name = p.disk[slotFile(n, Of::Name)];
        const FileState& money = p.disk[slotFile(n, Of::Money)];
        const FileState& bank = p.disk[slotFile(n, Of::Bank)];
        ui::Label* nameLine = names[n - 1];
        ui::Label* moneyLine = moneys[n - 1];
        if (name.name && money.number && bank.number) {
            QCOMPARE(nameLine->caption(), "Name: " + *name.name);
            QCOMPARE(
                moneyLine->caption(),
                QStringLiteral("Money: $%1     Bank: $%2").arg(*money.number).arg(*bank.number));
            continue;
        }
        const QString shown = nameLine->caption() + moneyLine->caption();
        const QString told = shown + nameLine->toolTip() + moneyLine->toolTip();
        QVERIFY2(shown.contains(QLatin1String(".txt")) || shown.contains(QLatin1String("files")),
                 qPrintable("slot " + QString::number(n) + " shows " + shown));
        for (Of which : {Of::Name, Of::Money, Of::Bank}) {
            const FileState& file = p.disk[slotFile(n, which)];
            if (!file.name && !file.number)
                QVERIFY2(told.contains(label(slotFile(n, which))), qPrintable(told));
        }
    }
}

inline game::SlotScreen* openSlots(Play& p, bool continuing) {
    p.damage();
    p.t.start();
    auto* start = p.t.screens().screenAs<game::StartScreen>(ScreenId::Start);
    TestGame::click(continuing ? start->picContinue : start->picStart);
    auto* screen = p.t.screens().screenAs<game::SlotScreen>(continuing ? ScreenId::ContinueGame
                                                                       : ScreenId::NewGame);
    if (screen) checkSlotLines(p, screen);
    return screen;
}

inline ui::ImageButton* frame(game::SlotScreen* screen, int slot) {
    ui::ImageButton* const frames[] = {screen->frmSlot1, screen->frmSlot2, screen->frmSlot3};
    return frames[slot - 1];
}

inline void newGame(Play& p) {
    game::SlotScreen* screen = openSlots(p, false);
    QVERIFY(screen);
    p.t.dialogs.answerInput(QStringLiteral("Dee"));
    TestGame::click(frame(screen, p.slot));
    Walk& w = p.walk;
    w.write(CurrentSlot, record(p.slot)) &&
        w.write(slotFile(p.slot, Of::Name), record(QStringLiteral("Dee"))) &&
        w.write(slotFile(p.slot, Of::Money), record(100)) &&
        w.write(slotFile(p.slot, Of::Bank), record(0)) && w.write(CurrentMoney, record(100)) &&
        w.write(CurrentBank, record(0));
    expectScreen(p.t, w.stopped() ? ScreenId::NewGame : ScreenId::Locations);
}

inline void continueGame(Play& p) {
    game::SlotScreen* screen = openSlots(p, true);
    QVERIFY(screen);
    TestGame::click(frame(screen, p.slot));
    Walk& w = p.walk;
    w.write(CurrentSlot, record(p.slot));
    w.name(slotFile(p.slot, Of::Name));
    const auto money = w.number(slotFile(p.slot, Of::Money));
    const auto bank = w.number(slotFile(p.slot, Of::Bank));
    if (money && bank) w.write(CurrentMoney, record(*money)) && w.write(CurrentBank, record(*bank));
    expectScreen(p.t, w.stopped() ? ScreenId::ContinueGame : ScreenId::Locations);
}

inline void home(Play& p) {
    p.damage();
    goTo(p.t, "Home");
    Walk& w = p.walk;
    const auto slot = w.number(CurrentSlot, 1, 3);
    const auto name = slot ? w.name(slotFile(*slot, Of::Name)) : std::nullopt;
    const auto money = w.number(CurrentMoney);
    const auto bank = w.number(CurrentBank);
    if (w.stopped()) return expectScreen(p.t, ScreenId::Locations);
    expectScreen(p.t, ScreenId::Home);
    auto* house = p.t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
    TestGame::click(house->imgStats);
    QCOMPARE(house->lblName->caption(), "Name: " + *name);
    QCOMPARE(house->lblMoney->caption(), "Money: $" + QString::number(*money));
    QCOMPARE(house->lblBank->caption(), "Bank: $" + QString::number(*bank));
}

inline void sleep(Play& p) {
    goTo(p.t, "Home");
    expectScreen(p.t, ScreenId::Home);
    p.damage();
    TestGame::click(p.t.screens().screenAs<town::HomeScreen>(ScreenId::Home)->imgSleep);
    auto* question = p.t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
    QVERIFY(question);
    TestGame::click(question->optYes);
    TestGame::click(question->cmdSelect);
    // Each hand-over file is reset on its own: one that refuses does not keep the others.
    for (int file : {CurrentSlot, CurrentMoney, CurrentBank})
        p.walk.writeAnyway(file, record(0));
    QVERIFY(p.t.screens().hasEnded());
}

inline void casino(Play& p, bool damageMidHand) {
    if (!damageMidHand) p.damage();
    Walk& w = p.walk;
    p.t.random.queue(0.1f);
    goTo(p.t, "Casino");
    const auto money = damageMidHand ? Saves[p.slot - 1].money : w.number(CurrentMoney);
    if (!money) return expectScreen(p.t, ScreenId::Locations);
    expectScreen(p.t, ScreenId::Test);
    auto* table = p.t.screens().screenAs<casino::CasinoTable>(ScreenId::Test);
    p.t.dialogs.answerInput(QStringLiteral("10"));
    if (*money < 10) {
        TestGame::click(table->cmdDeal);
        QCOMPARE(p.t.dialogs.messages().last(),
                 QStringLiteral("Sorry, you don't have that much money."));
    } else {
        queueWin(p.t.random);
        TestGame::click(table->cmdDeal);
        if (damageMidHand) p.damage();
        TestGame::click(table->cmdStand);
        const QByteArray won = record(*money + 10);
        if (w.write(CurrentMoney, won))
            if (const auto slot = w.number(CurrentSlot, 1, 3))
                w.write(slotFile(*slot, Of::Money), won);
        if (w.stopped())
            QVERIFY2(p.t.dialogs.messages().last().contains(QLatin1String("not saved")),
                     qPrintable(p.t.dialogs.messages().last()));
        TestGame::click(table->cmdReset);
    }
    TestGame::click(table->picQuit);
    expectScreen(p.t, ScreenId::Locations);
}

inline void bankVisit(Play& p, bool damageWhenLeaving) {
    if (!damageWhenLeaving) p.damage();
    goTo(p.t, "Bank");
    Walk& w = p.walk;
    const Save& save = Saves[p.slot - 1];
    QString name = QString::fromLatin1(save.name);
    int money = save.money;
    int balance = save.bank;
    if (!damageWhenLeaving) {
        const auto slot = w.number(CurrentSlot, 1, 3);
        const auto readName = slot ? w.name(slotFile(*slot, Of::Name)) : std::nullopt;
        const auto readMoney = w.number(CurrentMoney);
        const auto readBalance = w.number(CurrentBank);
        if (w.stopped()) return expectScreen(p.t, ScreenId::Locations);
        name = *readName;
        money = *readMoney;
        balance = *readBalance;
    }
    expectScreen(p.t, ScreenId::Bank);
    auto* bank = p.t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
    QCOMPARE(bank->lblMoney->caption(), QStringLiteral("Name: %1\nMoney: $%2\nBank Account: $%3")
                                            .arg(name)
                                            .arg(money)
                                            .arg(balance));
    QTest::keyClicks(bank->txtInput, QStringLiteral("1"));
    TestGame::click(bank->cmdDeposit);
    bank->tmrWait->fire();
    if (money >= 1) {
        --money;
        ++balance;
    }
    if (damageWhenLeaving) p.damage();
    TestGame::click(bank->imgQuit);
    w.write(CurrentMoney, record(money)) && w.write(CurrentBank, record(balance)) &&
        w.write(slotFile(p.slot, Of::Money), record(money)) &&
        w.write(slotFile(p.slot, Of::Bank), record(balance));
    expectScreen(p.t, w.stopped() ? ScreenId::Bank : ScreenId::Locations);
}

inline void prize(Play& p) {
    goTo(p.t, "Vantrell");
    expectScreen(p.t, ScreenId::School);
    TestGame::click(p.t.screens().screenAs<school::SchoolScreen>(ScreenId::School)->imgTour);
    auto* table = p.t.screens().screenAs<school::TournamentTable>(ScreenId::Tournament);
    QVERIFY(table);
    for (int round = 1; round <= 5; ++round) {
        queueWin(p.t.random);
        TestGame::click(table->cmdStart->isVisible() ? table->cmdStart : table->cmdContinue);
        TestGame::click(table->cmdStand);
    }
    p.damage();
    const qsizetype before = p.t.dialogs.messages().size();
    TestGame::click(table->cmdContinue);
    Walk& w = p.walk;
    if (const auto money = w.number(CurrentMoney)) {
        const QByteArray paid = record(*money + 200);
        if (w.write(CurrentMoney, paid))
            if (const auto slot = w.number(CurrentSlot, 1, 3))
                w.write(slotFile(*slot, Of::Money), paid);
    }
    // The plain thanks only when the prize is in both files.
    const QStringList said = p.t.dialogs.messages().mid(before);
    QCOMPARE(said.contains(QStringLiteral("Here's your $200.")), !w.stopped());
    expectScreen(p.t, ScreenId::School);
}

inline void play(Scene scene, Play& p) {
    switch (scene) {
    case Scene::NewGame:
        return newGame(p);
    case Scene::Continue:
        return continueGame(p);
    case Scene::Home:
        return home(p);
    case Scene::Sleep:
        return sleep(p);
    case Scene::Casino:
        return casino(p, false);
    case Scene::CasinoHand:
        return casino(p, true);
    case Scene::Bank:
        return bankVisit(p, false);
    case Scene::BankLeaving:
        return bankVisit(p, true);
    case Scene::Prize:
        return prize(p);
    }
}

} // namespace damage
