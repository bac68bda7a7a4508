// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// A whole evening played with the keyboard alone, with the keys that must do nothing pressed
// along the way: a key never acts where its control is hidden or refused, or behind a box.
#include "Flows.h"

#include <QAccessible>

namespace {

// Plays a line of keys: "Down", "Alt+W" and the like are pressed, "type:30" types, "tab:Stats"
// presses Tab until that control has the keyboard, "wait" lets the bank's wait run out.
void play(TestGame& t, const QString& keys) {
    for (const QString& key : keys.split(' ')) {
        if (key.startsWith("type:")) {
            QTest::keyClicks(QApplication::focusWidget(), key.mid(5));
        } else if (key.startsWith("tab:")) {
            for (int k = 0; k < 6 && QApplication::focusWidget()->accessibleName() != key.mid(4); ++k)
                press(t, {Qt::Key_Tab});
        } else if (key == "wait") {
            auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
            for (ui::GameTimer* timer : {bank->tmrDots, bank->tmrStatus, bank->tmrWait})
                timer->fire();
            QCoreApplication::processEvents();
        } else {
            press(t, {QKeySequence(key)[0]});
        }
    }
}

ScreenId front(TestGame& t) {
    return t.screens().visibleScreen().value_or(ScreenId::Start);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void wholeEveningWithKeysOnly() {
        TestGame t;
        const auto saved = [&](int money, int bank) {
            QCOMPARE(savedInSlot(t, 3), QList({money, money, bank, bank}));
        };
        const QString name = QStringLiteral("Ann With A Fairly Long Name Indeed");
        t.start();
        t.dialogs.answerInput(name);
        press(t, {Qt::Key_N, Qt::Key_3});
        QCOMPARE(t.bytes("\\Files\\Slot3\\Name.txt"), "\"" + name.toLatin1() + "\"\r\n");

        // The town: Enter with nothing chosen asks.
        QCOMPARE(front(t), ScreenId::Locations);
        press(t, {Qt::Key_Return});
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose a location."});
        t.random.queue(0.1f);
        press(t, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(front(t), ScreenId::Test);
        auto* table = t.screens().screenAs<CasinoTable>(ScreenId::Test);

        // $60 of $100: D finds no double down offered, Esc no way out of a hand, and keys
        // pressed while the bet box is open act on nothing. Tab rings Hit, which Enter presses;
        // Space presses Stand: 20 against 18.
        t.random.dealing({S(10), H(5), D(10), C(8), S(5)});
        t.dialogs.answerInput(QStringLiteral("60"));
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            press(t, {Qt::Key_Return, Qt::Key_H, Qt::Key_S, Qt::Key_Escape});
        };
        press(t, {Qt::Key_Return, Qt::Key_D, Qt::Key_Escape, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), table->cmdHit);
        const QImage ringed = table->cmdHit->grab().toImage();
        press(t, {Qt::Key_Return, Qt::Key_Tab});
        QVERIFY(table->cmdHit->grab().toImage() != ringed);
        press(t, {Qt::Key_Space});
        QCOMPARE(shownControls(table), "cmdReset picStatus 12 cards");
        QCOMPARE(table->hand().NextCard, 6);
        QCOMPARE(t.dialogs.inputBoxes().size(), 2); // the name, then one bet
        saved(160, 0);
        press(t, {Qt::Key_H, Qt::Key_S, Qt::Key_D}); // the hand is over
        saved(160, 0);

        // Enter resets, Enter deals, D doubles $20 into 21 against 18.
        t.random.dealing({S(5), H(6), D(10), C(8), S(10)});
        t.dialogs.answerInput(QStringLiteral("20"));
        press(t, {Qt::Key_Return, Qt::Key_Return, Qt::Key_D});
        saved(200, 0);
        press(t, {Qt::Key_Return, Qt::Key_Escape});

        // The school by T, the tournament left by Esc before its first deal: its keys rest while
        // it is hidden behind the hall. After the deal Esc stays.
        press(t, {Qt::Key_Down, Qt::Key_Return});
        // Arriving shows no description: it comes with the pointer over the picture, or Tab.
        auto* school = t.screens().screenAs<school::SchoolScreen>(ScreenId::School);
        QCOMPARE(school->lblDesc->caption(), QString());
        for (int k = 0; k < 3 && QApplication::focusWidget() != school->imgTour; ++k)
            press(t, {Qt::Key_Tab});
        QVERIFY(school->lblDesc->caption().startsWith("Win 5 rounds"));
        press(t, {Qt::Key_T, Qt::Key_Escape});
        QCOMPARE(front(t), ScreenId::School);
        press(t, {Qt::Key_Return, Qt::Key_S, Qt::Key_T});
        auto* hall = t.screens().screenAs<school::TournamentTable>(ScreenId::Tournament);
        t.heard().clear();
        for (int round = 1; round <= 5; ++round) {
            t.random.dealingRanks({13, 12, 10, 8});
            press(t, {Qt::Key_Return, Qt::Key_Escape, Qt::Key_S});
            QCOMPARE(front(t), ScreenId::Tournament);
        }
        QCOMPARE(t.heard().mid(8), QStringList({"Round 5. You have King of Spades and Queen of "
                                               "Spades: 20. The dealer shows Eight of Spades.",
                                               "The dealer turns up Ten of Spades: 18. You win."}));
        QCOMPARE(hall->roundNumber(), 5);
        t.dialogs.takeMessages();
        press(t, {Qt::Key_Return});
        QCOMPARE(t.dialogs.takeMessages(), tournament::prizeMessages());
        saved(400, 0);

        // The bank, last in the list, where a second Down stays: the amount is typed at once,
        // Enter in its box does nothing, Alt+D deposits. The long name is cut on the display and
        // read whole.
        press(t, {Qt::Key_Escape, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
        QVERIFY(bank->lblMoney->text().section('\n', 0, 0).endsWith(QChar(0x2026)));
        QVERIFY(bank->lblMoney->toolTip().contains(name));
        QCOMPARE(QAccessible::queryAccessibleInterface(bank->lblMoney)->text(QAccessible::Name),
                 bank->lblMoney->caption());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("150"));
        press(t, {Qt::Key_Return});
        QCOMPARE(bank->txtInput->text(), "150");
        t.heard().clear();
        press(t, {Qt::AltModifier | Qt::Key_D});
        for (ui::GameTimer* timer : {bank->tmrDots, bank->tmrStatus, bank->tmrWait})
            timer->fire(); // the dots tick unheard
        QCOMPARE(t.heard(), QStringList({"Depositing money, please wait.",
                                       "Money: $250. Bank Account: $150."}));
        press(t, {Qt::Key_Escape});
        saved(250, 150);

        // Home, first in the list, where a fourth Up stays: Tab to Sleep, Space presses it; Y and
        // Enter end the game.
        press(t, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        auto* home = t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
        for (int k = 0; k < 5 && QApplication::focusWidget() != home->imgSleep; ++k)
            press(t, {Qt::Key_Tab});
        press(t, {Qt::Key_Space});
        QCOMPARE(front(t), ScreenId::frmQuit);
        press(t, {Qt::Key_Y, Qt::Key_Return});
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentSlot.txt"), 0);
        QCOMPARE(QStringList(t.dialogs.messages()) << QString::number(t.dialogs.unscripted()),
                 QStringList{"0"});
    }

    // What a blind player hears at each place but the tables, played from the main menu with
    // Ann's game in slot 1: each key's sentences once, as the display shows them. A sentence
    // ending in "*" is its beginning.
    void heardAroundTown_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("heard");
        const QString saved = " Slot 1: Ann, money $80, bank $40. Slot 2: empty. Slot 3: empty.";
        const QString town = "C 1 Down Down Down";
        const QStringList places = {"Go home to write in your diary, view your stats, and sleep.",
                                    "Go to the casino to bet money on Blackjack games.",
                                    "Go to your school to participate in special events."};
        QTest::newRow("slot screens")
            << "N Esc C" << QStringList{"Click on a slot to begin new game. Warning: Data will be "
                                        "overwritten." + saved,
                                        "Click on a slot to continue a saved game." + saved};
        QTest::newRow("instructions, turned on and back")
            << "I Right Right Left Esc"
            << QStringList{"Page 1 of 4. Welcome to Vantrell.*", "Page 2 of 4. The casino.*",
                           "Page 3 of 4.*", "Page 2 of 4. The casino.*"};
        QTest::newRow("the town, then the school by Tab")
            << town + " Return tab:Tournament"
            << QStringList{"Click on a slot to continue*"} + places + QStringList{"Win 5 rounds of Blackjack to recieve $200. (Note that Doubling "
                                 "Down is not allowed since you aren't wagering any money "
                                 "anyways.)"};
        QTest::newRow("bank: a withdrawal, a refusal, nonsense")
            << "C 1 B Return type:30 Alt+W wait type:500 Alt+D wait type:-5 Alt+D wait"
            << QStringList{"Click on a slot to continue*",
                           "Go to the bank to deposit and withdraw money.",
                           "Name: Ann. Money: $80. Bank Account: $40.",
                           "Withdrawing money, please wait.", "Money: $110. Bank Account: $10.",
                           "You do not have that much money to deposit.",
                           "Money: $110. Bank Account: $10.", "Invalid Input.",
                           "Money: $110. Bank Account: $10."};
        QTest::newRow("home's stats")
            << "C 1 H Return tab:Stats Space"
            << QStringList{"Click on a slot to continue*", places[0],
                           "Name: Ann. Money: $80. Bank: $40."};
    }
    void heardAroundTown() {
        QFETCH(QString, keys);
        QFETCH(QStringList, heard);
        TestGame t;
        t.setCurrentGame(1, 80, 40, "Ann");
        t.start();
        t.heard().clear();
        play(t, keys);
        QCOMPARE(t.heard().size(), heard.size());
        for (qsizetype k = 0; k < heard.size(); ++k)
            if (!heard[k].endsWith('*') || !t.heard()[k].startsWith(heard[k].chopped(1)))
                QCOMPARE(t.heard()[k], heard[k]);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
