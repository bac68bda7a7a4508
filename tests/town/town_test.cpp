// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "SaveFiles.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"
#include "town/SleepDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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

} // namespace

class TownTest : public QObject {
    Q_OBJECT

  private slots:
    // A click beside the places, or a Ctrl+click on the chosen one, keeps the choice and Go goes
    // there. (The keyboard flow asks for a choice first; the flows take each place in turn.)
    void listKeepsItsChoice() {
        TestGame t;
        LocationsScreen* chooser = intoTown(t);
        QListWidget* list = chooser->lstLocations;
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
    // Sleep asks until answered: No goes back into the house as it was, writing nothing. (Yes,
    // which ends the game and resets the current-game files, is walked in the flows.)
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

        SaveFiles files = saveFiles(t);
        TestGame::click(home->imgSleep);
        auto* dialog = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
        // The question opens unanswered, in front of the house.
        QVERIFY(dialog && !t.screens().isVisible(ScreenId::Home));
        QVERIFY(!dialog->optYes->isChecked() && !dialog->optNo->isChecked());
        TestGame::click(dialog->cmdSelect);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose Yes or No."});
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::frmQuit));
        TestGame::click(dialog->optNo);
        TestGame::click(dialog->cmdSelect);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Home));
        QCOMPARE(t.screens().screenAs<HomeScreen>(ScreenId::Home), home);
        QVERIFY(homeMenu(home) && !t.screens().isLoaded(ScreenId::frmQuit));
        QCOMPARE(saveFiles(t), files);

        QCOMPARE(t.dialogs.messages(), QStringList());
    }
};

QTEST_MAIN(TownTest)
#include "town_test.moc"
