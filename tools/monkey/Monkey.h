// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TestGame.h"
#include "bank/BankScreen.h"
#include "casino/CasinoTable.h"
#include "game/Records.h"
#include "game/SaveFolders.h"
#include "school/TournamentTable.h"

#include <QTest>
#include <random>

// The random player: the whole game in this process on the offscreen platform, in a program
// folder of its own, from the main menu. Each step clicks a usable control, moves the pointer,
// types into a text box, fires a pending timer or presses the window's close button, and boxes
// are answered at random; after every step it checks what a player or a save file would notice.
// The cards come from its own seeded generator: the game's source of luck is the monkey itself.
class Monkey final : engine::RandomSource {
    using Id = ui::ScreenId;
    using Casino = casino::CasinoTable::State;

  public:
    enum Figure { Steps, Checks, Runs, Hands, Transfers, Prizes };
    std::array<qint64, 6> figures{};
    QStringList recent;                        // the last steps, the one under way last
    std::function<void(app::Game&)> afterStep; // tests plant faults here
    // CurrentSlot, CurrentMoney and CurrentBank, then Name, Money and Bank of slots 1 to 3.
    using Records = std::array<int, 12>;

    static QString recordName(int i) {
        return i < 3 ? "TempFiles/Current" + QStringList{"Slot", "Money", "Bank"}[i] + ".txt"
                     : QString::asprintf("Slot%d/", i / 3) +
                           QStringList{"Name", "Money", "Bank"}[i % 3] + ".txt";
    }

    // The records' numbers, and what is wrong with them, one line each: every record must be one
    // line ending in CR LF that the game reads.
    static std::pair<Records, QStringList> readRecords(const QString& root) {
        Records v{};
        QStringList faults;
        for (int i = 0; i < 12; ++i) {
            QFile file(root + "/Files/" + recordName(i));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            const auto number = game::parseIntegerRecord(bytes, {});
            v[i] = number ? number.value() : 0;
            if (!(i >= 3 && i % 3 == 0 ? game::parseTextRecord(bytes, {}).ok() : number.ok()) ||
                !bytes.endsWith("\r\n") || bytes.count('\n') != 1)
                faults << recordName(i) + " holds " + bytes.left(40).toPercentEncoding();
        }
        return {v, faults};
    }

    Monkey(const QString& root, quint32 seed) : root_(root), rng_(seed) {
        // The folder as the game finds it; a fresh one gets a rich game saved long ago, so that
        // the caps and the edge of a 16-bit purse are met early.
        const QString tycoon = root + "/Files/Slot3/";
        const bool fresh = !QFile::exists(tycoon + "Name.txt");
        game::prepareSaveFolders(game::ProgramFolder(root));
        for (const auto& [file, value] : {std::pair{"Money.txt", 32600}, {"Bank.txt", 9990}})
            if (fresh) game::WriteIntegerRecord(tycoon + file, value);
        if (fresh) game::WriteTextRecord(tycoon + "Name.txt", "Tycoon");
        QFile::link(VANTRELL_GRAPHICS_DIR, root + "/Graphics");
        const Records v = readRecords(root).first;
        for (int slot = 1; slot <= 3; ++slot)
            bound_[slot] = std::max({9999, v[3 * slot + 1], v[3 * slot + 2]});
        // Boxes are answered at random as they open.
        dialogs_.whileOpen = [this] {
            for (; inputs_ < dialogs_.inputBoxes().size(); ++inputs_)
                dialogs_.answerInput(typedText());
            for (; questions_ < dialogs_.questions().size(); ++questions_)
                dialogs_.answerConfirm(rng_() % 2);
        };
    }

    // Plays `steps` steps; for the first step that breaks a rule, its number, the rules broken and
    // the steps up to it, or nothing.
    QString play(qint64 steps) {
        for (qint64 i = 0; i < steps; ++i) {
            recent << QString::number(++figures[Steps]) + ' ';
            if (recent.size() > 20) recent.removeFirst();
            const QString control = step();
            if (afterStep) afterStep(*game_);
            if (const QString failure = check(control); !failure.isEmpty())
                return QString::asprintf("step %lld: ", figures[Steps]) + failure +
                       "\nthe steps up to it:\n  " + recent.join("\n  ");
        }
        return {};
    }

  private:
    // The casino and the bank as they stood.
    struct Seen {
        const void *casino = nullptr, *bank = nullptr;
        Casino state = Casino::Betting;
        int money = 0, bet = 0, bankMoney = 0, bankBalance = 0;
    };

    void reseedFromClock() override {}
    float next() override { return luck_.scriptUsedUp() ? (rng_() >> 8) * 0x1p-24f : luck_.next(); }

    // Court cards 10, aces 11 until the hand passes 21, then every ace 1.
    static int count(const engine::Ranks& ranks) {
        int total = 0, aces = 0;
        for (int rank : ranks)
            total += rank == 1 ? 11 : std::min(rank, 10), aces += rank == 1;
        return total > 21 ? total - 10 * aces : total;
    }

    // Bets, amounts and names, good and bad: half of them a number from 0 to 149.
    QString typedText() {
        static const QStringList odd =
            QString("|0|1|10|50|100|0050|9999|10000|-5|1.5|abc|Ann|A, B|Say "
                    "\"hi\"|Zo\u00eb|\u20ac5|(Nobody)|Dee-Dee Smith-Jones")
                .split('|');
        const QString text = rng_() % 2 ? QString::number(rng_() % 150) : odd[rng_() % odd.size()];
        recent.last() += " \"" + text.left(20) + '"';
        return text;
    }

    Seen look() {
        Seen seen; // an ended game has closed every screen
        if (const auto* t = game_->screens().screenAs<casino::CasinoTable>(Id::Test))
            seen.casino = t, seen.state = t->state(), seen.money = t->money(), seen.bet = t->bet();
        if (const auto* b = game_->screens().screenAs<bank::BankScreen>(Id::Bank))
            seen.bank = b, seen.bankMoney = b->Money, seen.bankBalance = b->BankBalance;
        return seen;
    }

    // One step of the player; the name of the control it clicked, if any.
    QString step() {
        QString& done = recent.last();
        if (!game_ || game_->screens().hasEnded()) { // the game starts again in the same folder
            done += "start the program";
            game::prepareSaveFolders(game::ProgramFolder(root_));
            game_ = std::make_unique<app::Game>(
                game::GameContext{game::ProgramFolder(root_), dialogs_, *this, true});
            game_->start();
            ++figures[Runs];
            return {};
        }
        const Id front = game_->screens().visibleScreen().value();
        ui::Screen* screen = game_->screens().screen(front);
        done += ui::screenName(front) + QStringLiteral(": ");

        // A player leaves rarely, and mostly stands rather than hits.
        const QString rare = "|Quit|Sleep|picQuit|imgQuit|Back to town|Leave the "
                             "bank|cmdHit|imgTour|Stats|Home menu|";
        QList<QWidget*> controls; // buttons, labels, text boxes and the insides of lists
        std::vector<double> weights;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            const QString name = w->objectName().isEmpty() ? w->accessibleName() : w->objectName();
            if (!w->isVisibleTo(screen) || !w->isEnabled() ||
                !(w->inherits("QAbstractButton") || w->inherits("QLabel") ||
                  w->inherits("QLineEdit") || name == "qt_scrollarea_viewport"))
                continue;
            controls << w;
            weights.push_back(rare.contains('|' + name + '|') || w->inherits("QLabel") ? 0.1 : 1);
        }
        QList<ui::GameTimer*> timers;
        for (ui::GameTimer* timer : screen->findChildren<ui::GameTimer*>())
            if (timer->isActive()) timers << timer;

        QString control;
        const unsigned roll = rng_() % 100;
        if (!timers.isEmpty() && roll < 30) {
            done += "fire a timer";
            timers[rng_() % timers.size()]->fire();
        } else if (roll >= 95 || controls.isEmpty()) {
            done += "move the pointer";
            TestGame::movePointer(screen, QPoint(rng_() % 600, rng_() % 400));
        } else if (roll == 94) {
            done += "close the window";
            screen->window()->close();
        } else if (QWidget* w = controls[std::discrete_distribution<int>(weights.begin(),
                                                                         weights.end())(rng_)];
                   w->inherits("QLineEdit")) {
            done += "type into " + w->accessibleName();
            if (rng_() % 2) static_cast<QLineEdit*>(w)->clear();
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, typedText(), Qt::NoModifier);
        } else {
            control = w->objectName().isEmpty() ? w->accessibleName() : w->objectName();
            done += "click " + control + " (" + w->metaObject()->className() + ')';
            // Now and then king and queen against ten and eight, so tournaments get won.
            if (QStringList{"cmdStart", "cmdContinue", "cmdDeal"}.contains(control) && rng_() % 2)
                luck_.dealing({13, 12, 23, 21});
            QTest::mouseClick(w, Qt::LeftButton, {},
                              QPoint(rng_() % w->width(), rng_() % w->height()));
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return control;
    }

    QString check(const QString& control) {
        QStringList broken;
        const auto expect = [&](bool holds, const QString& rule) {
            ++figures[Checks];
            if (!holds) broken << rule;
        };
        const QStringList messages = dialogs_.takeMessages();
        if (!messages.isEmpty()) recent.last() += " -> \"" + messages.join("\" \"") + '"';
        const Seen before = std::exchange(last_, look()), &now = last_;
        const auto [v, faults] = readRecords(root_);
        expect(faults.isEmpty(), faults.join("; "));
        int shown = 0;
        for (int id = 0; id < ui::ScreenCount; ++id)
            shown += game_->screens().isVisible(static_cast<Id>(id));
        expect(shown == !game_->screens().hasEnded(), QString::number(shown) + " screens visible");

        // Money stays within the caps and the prizes paid.
        if (messages.contains("You have passed all five rounds."))
            ++figures[Prizes], bound_[std::clamp(v[0], 0, 3)] += 200;
        for (int i : {1, 2, 4, 5, 7, 8, 10, 11})
            expect(v[i] >= 0 && v[i] <= bound_[i / 3], recordName(i) + " uncapped");

        // The casino pays what the cards shown give.
        if (now.casino && now.casino == before.casino) {
            int expected = before.money;
            if (before.state == Casino::Betting && now.state == Casino::PlayersTurn) {
                ++figures[Hands];
                expected = before.money - now.bet;
            } else if (before.state == Casino::PlayersTurn && now.state == Casino::HandOver) {
                const auto& hand = static_cast<const casino::CasinoTable*>(now.casino)->hand();
                const int player = count(hand.PlayerRanks), dealer = count(hand.DealerRanks);
                const bool doubled = control == "cmdDD", stood = doubled || control == "cmdStand";
                const int held = before.money + before.bet, stake = before.bet * (1 + doubled);
                // A hit ends the hand by a bust, or by a sixth card without one, which wins. A win
                // pays twice the stake, leaving at most $9999; a draw on a stand gives it back.
                const bool win = (stood ? dealer > 21 || player > dealer : true) && player <= 21;
                expected = win ? std::min(held + stake, 9999)
                               : held - (!stood || player != dealer) * stake;
            }
            expect(now.money == expected,
                   QString::asprintf("$%d where the cards give $%d", now.money, expected));
        }

        // The bank keeps cash + balance whole, what a cap refuses going back.
        if (now.bank && now.bank == before.bank) {
            expect(now.bankMoney + now.bankBalance == before.bankMoney + before.bankBalance,
                   "the bank made money");
            figures[Transfers] += now.bankMoney != before.bankMoney;
        }
        return broken.join("; ");
    }

    QString root_;
    std::mt19937 rng_;
    ScriptedRandom luck_; // dealt before the generator: a kind dealer now and then
    ScriptedDialogs dialogs_;
    std::unique_ptr<app::Game> game_;
    Seen last_;
    qsizetype inputs_ = 0, questions_ = 0;
    // The most each slot's money and balance may reach by the caps and the prizes paid. The
    // current game's copies are held to the 16-bit range only: a new game names its slot before
    // the name is taken.
    std::array<int, 4> bound_{32767};
};
