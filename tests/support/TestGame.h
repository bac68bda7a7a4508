// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "app/Game.h"
#include "game/Paths.h"
#include "ui/ScreenModel.h"

#include <QByteArray>
#include <QStringList>
#include <QPoint>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

class QWidget;

// A file's bytes, or "(missing)" when it cannot be read.
QByteArray fileBytes(const QString& path);

// The whole game in a temporary program folder: the delivered empty slots, the generated
// pictures, scripted dialogs, chosen cards and timers that only tick when a test fires them.
//
//     TestGame t;
//     t.setCurrentGame(2, 500, 0);                 // slot 2 in play with $500 in hand
//     t.random.queue(0.1f).dealing({1, 13, 40, 7}); // deck back, then the cards
//     t.dialogs.answerInput("100");
//     auto* table = t.open<casino::CasinoTable>(ui::ScreenId::Test);
class TestGame {
  public:
    TestGame();
    ~TestGame();

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    // Every sentence the screen reader has been told so far, in order, as the accessibility
    // layer passed it on; one said while its screen was hidden starts with "(unseen) ".
    QStringList& heard();

    ui::ScreenModel& screens() { return game_->screens(); }
    QString folder() const { return dir_.path(); }
    QString path(const char* gameName) const;

    // Save files, by the game's own names ("\\Files\\Slot2\\Money.txt").
    void writeBytes(const char* gameName, const QByteArray& bytes);
    QByteArray bytes(const char* gameName) const;
    void writeInteger(const char* gameName, std::int16_t value);
    int integer(const char* gameName) const; // the record's value; fails the test if unreadable
    // Writes the three current-game files and the slot's money and bank as a game in play.
    void setCurrentGame(int slot, int money, int bank, const QString& name = "Tester");

    // Shows a screen through the screen model, as the game would, and returns it.
    template <typename T> T* open(ui::ScreenId id) {
        screens().show(id);
        return screens().screenAs<T>(id);
    }
    // Starts on the main menu.
    void start() { game_->start(); }

    // A left click on a control, delivered as the player's mouse would.
    static void click(QWidget* control);
    // Pointer movement to a point of a screen, delivered to whatever lies there.
    static void movePointer(QWidget* screen, QPoint at);

  private:
    QTemporaryDir dir_;
    std::unique_ptr<app::Game> game_;
};
