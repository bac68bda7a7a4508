// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

// The player's ways through the game, for the whole-game tests: the main menu to a slot screen,
// a place in town.
#include "CasinoHelpers.h"
#include "SchoolHelpers.h"
#include "bank/BankScreen.h"
#include "school/SchoolScreen.h"
#include "game/SlotScreen.h"
#include "game/StartScreen.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"
#include "town/SleepDialog.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

using namespace casino;
using ui::ScreenId;

// New Game (or Continue Game) on the main menu, and the slot screen it opens.
inline game::SlotScreen* slotScreen(TestGame& t, bool fresh) {
    t.start();
    auto* start = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
    TestGame::click(fresh ? start->picStart : start->picContinue);
    return t.screens().screenAs<game::SlotScreen>(fresh ? ScreenId::NewGame
                                                        : ScreenId::ContinueGame);
}

// Cash twice and balance twice, as saved in the current game and in the slot.
inline QList<int> savedInSlot(TestGame& t, int slot) {
    const auto file = [&](const char* name) {
        return t.integer(qPrintable(QStringLiteral("\\Files\\Slot%1\\%2").arg(slot).arg(name)));
    };
    return {t.integer(game::CurrentMoneyFile), file("Money.txt"), t.integer(game::CurrentBankFile),
            file("Bank.txt")};
}

// A place picked on the town's list and Go: 0 Home, 1 Casino, 2 Vantrell, 3 Bank.
inline void goTo(TestGame& t, int place) {
    auto* town = t.open<town::LocationsScreen>(ScreenId::Locations);
    town->lstLocations->setCurrentRow(place);
    TestGame::click(town->imgGo);
}

// Keys as the player presses them, to whatever has the keyboard in the window in front; the
// desktop hands the keyboard to the window in front, the sleep dialog included.
inline void press(TestGame& t, std::initializer_list<QKeyCombination> keys) {
    for (QKeyCombination key : keys) {
        QWidget* window = t.screens().screen(*t.screens().visibleScreen())->window();
        if (QApplication::activeWindow() != window) {
            window->windowHandle()->requestActivate();
            QTRY_COMPARE(QApplication::activeWindow(), window);
        }
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, key.key(), key.keyboardModifiers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
