// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "TestGame.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"
#include "town/SleepDialog.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

using town::HomeScreen;
using town::LocationsScreen;
using ui::ScreenId;

namespace {

void pick(LocationsScreen* chooser, int row) {
    QListWidget* list = chooser->lstLocations;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

QString chosen(LocationsScreen* chooser) {
    const auto selected = chooser->lstLocations->selectedItems();
    return selected.size() == 1 ? selected[0]->text() : QString();
}

// The chooser on its first visit, with slot 1 in play and the main menu behind.
LocationsScreen* intoTown(TestGame& t) {
    t.setCurrentGame(1, 150, 40, "Smith, John");
    t.start();
    t.screens().show(ScreenId::Locations);
    t.screens().hide(ScreenId::Start);
    return t.screens().screenAs<LocationsScreen>(ScreenId::Locations);
}

HomeScreen* goHome(TestGame& t, LocationsScreen* chooser) {
    pick(chooser, 0);
    TestGame::click(chooser->imgGo);
    return t.screens().screenAs<HomeScreen>(ScreenId::Home);
}

QStringList stats(const HomeScreen* home) {
    return {home->lblName->caption(), home->lblMoney->caption(), home->lblBank->caption()};
}

bool homeMenu(const HomeScreen* home) {
    return home->imgStats->isVisible() && home->imgSleep->isVisible() &&
           home->imgQuit->isVisible() && !home->imgMainMenu->isVisible() &&
           !home->lblName->isVisible() && !home->lblMoney->isVisible() &&
           !home->lblBank->isVisible();
}

// The current game's files and those of slot 3.
QList<QByteArray> saveFiles(const TestGame& t) {
    QList<QByteArray> all;
    for (const char* file :
         {game::CurrentSlotFile, game::CurrentMoneyFile, game::CurrentBankFile,
          "\\Files\\Slot3\\Name.txt", "\\Files\\Slot3\\Money.txt", "\\Files\\Slot3\\Bank.txt"})
        all << t.bytes(file);
    return all;
}

} // namespace

class TownTest : public QObject {
    Q_OBJECT

  private slots:
    // Nothing is chosen at first and Go asks for a choice; choosing only describes the place;
    // Go opens it; coming back by the place's own quit control finds the choice as it was.
    void chooser() {
        TestGame t;
        LocationsScreen* chooser = intoTown(t);
        QVERIFY(chooser);
        QCOMPARE(chosen(chooser) + chooser->lblLocation->caption(), QString());
        TestGame::click(chooser->imgGo);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose a location."});
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        const QStringList items = {"Home", "Casino", "Vantrell", "Bank"};
        const ScreenId places[] = {ScreenId::Home, ScreenId::Test, ScreenId::School,
                                   ScreenId::Bank};
        const QStringList words = {"Go home to write in your diary, view your stats, and sleep.",
                                   "Go to the casino to bet money on Blackjack games.",
                                   "Go to your school to participate in special events.",
                                   "Go to the bank to deposit and withdraw money."};
        for (int row = 0; row < 4; ++row) {
            pick(chooser, row);
            QCOMPARE(chooser->lblLocation->caption(), words[row]);
            QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
            TestGame::click(chooser->imgGo);
            QCOMPARE(t.screens().visibleScreen(), std::optional(places[row]));
            // Every place has its small quit picture in the top right corner.
            TestGame::click(t.screens().screen(places[row])->childAt(590, 6));
            QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
            QCOMPARE(t.screens().screenAs<LocationsScreen>(ScreenId::Locations), chooser);
            QCOMPARE(chosen(chooser), items[row]);
            QCOMPARE(chooser->lblLocation->caption(), words[row]);
        }
    }

    // On its first visit the list takes the keyboard without marking a row as current; a click
    // beside the places, or a Ctrl+click on the chosen one, keeps the choice and Go goes there.
    void listKeepsItsChoice() {
        TestGame t;
        LocationsScreen* chooser = intoTown(t);
        QListWidget* list = chooser->lstLocations;
        chooser->window()->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QVERIFY(!list->currentIndex().isValid());
        pick(chooser, 1);
        const QPoint blank(list->viewport()->width() / 2, list->viewport()->height() - 3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, blank);
        QCOMPARE(chosen(chooser), "Casino");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(chosen(chooser), "Casino");
        t.random.queue(0.1f);
        TestGame::click(chooser->imgGo);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Test));
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    // Home shows the figures it read on entry, and each visit reads the current game afresh.
    // Sleep asks until answered: No goes back into the house as it was; Yes closes every screen
    // and resets the three current-game files, the slot keeping the game.
    void homeAndSleep() {
        TestGame t;
        LocationsScreen* chooser = intoTown(t);
        HomeScreen* home = goHome(t, chooser);
        QVERIFY(home && homeMenu(home));
        TestGame::click(home->imgStats);
        const QStringList first = {"Name: Smith, John", "Money: $150", "Bank: $40"};
        QCOMPARE(stats(home), first);
        QVERIFY(home->lblName->isVisible() && !home->imgStats->isVisible());
        // Meanwhile the game in play becomes one in the last slot, with other figures.
        t.setCurrentGame(3, 30, 120, "Jones, Ann");
        TestGame::click(home->imgMainMenu);
        QVERIFY(homeMenu(home));
        TestGame::click(home->imgStats);
        QCOMPARE(stats(home), first);
        TestGame::click(home->imgMainMenu);
        TestGame::click(home->imgQuit);
        home = goHome(t, chooser);
        QVERIFY(home && homeMenu(home));
        TestGame::click(home->imgStats);
        QCOMPARE(stats(home), (QStringList{"Name: Jones, Ann", "Money: $30", "Bank: $120"}));
        TestGame::click(home->imgMainMenu);

        QList<QByteArray> files = saveFiles(t);
        const auto ask = [&]() -> town::SleepDialog* { // the question opens unanswered
            TestGame::click(home->imgSleep);
            auto* asked = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
            const bool open = asked && !t.screens().isVisible(ScreenId::Home);
            return open && !asked->optYes->isChecked() && !asked->optNo->isChecked() ? asked
                                                                                     : nullptr;
        };
        town::SleepDialog* dialog = ask();
        QVERIFY(dialog);
        TestGame::click(dialog->cmdSelect);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose Yes or No."});
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::frmQuit));
        TestGame::click(dialog->optNo);
        TestGame::click(dialog->cmdSelect);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Home));
        QCOMPARE(t.screens().screenAs<HomeScreen>(ScreenId::Home), home);
        QVERIFY(homeMenu(home) && !t.screens().isLoaded(ScreenId::frmQuit));
        QCOMPARE(saveFiles(t), files);

        QVERIFY(dialog = ask());
        TestGame::click(dialog->optYes);
        TestGame::click(dialog->cmdSelect);
        for (int i = 0; i < 3; ++i)
            files[i] = "0\r\n";
        QCOMPARE(saveFiles(t), files);
        QVERIFY(t.screens().hasEnded());
        for (int id = 0; id < ui::ScreenCount; ++id)
            QVERIFY(!t.screens().isLoaded(ScreenId(id)));
        QCOMPARE(t.dialogs.messages(), QStringList());
    }
};

QTEST_MAIN(TownTest)
#include "town_test.moc"
