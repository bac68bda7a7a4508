// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// A whole evening played with the keyboard alone, with the keys that must do nothing pressed
// along the way: a key never acts where its control is hidden or refused, or behind a box.
#include "Flows.h"

#include <QAccessible>
#include <QApplication>
#include <QWindow>

namespace {

// Keys as the player presses them, to whatever has the keyboard in the window in front.
void press(TestGame& t, std::initializer_list<int> keys, Qt::KeyboardModifiers modifiers = {}) {
    for (int key : keys) {
        QWidget* window = t.screens().screen(*t.screens().visibleScreen())->window();
        // The desktop hands the keyboard to the window in front, the sleep dialog included.
        if (QApplication::activeWindow() != window) {
            window->windowHandle()->requestActivate();
            QTRY_COMPARE(QApplication::activeWindow(), window);
        }
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key(key), modifiers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        t.heard.clear();
        for (int round = 1; round <= 5; ++round) {
            t.random.dealingRanks({13, 12, 10, 8});
            press(t, {Qt::Key_Return, Qt::Key_Escape, Qt::Key_S});
            QCOMPARE(front(t), ScreenId::Tournament);
        }
        QCOMPARE(t.heard.mid(12), QStringList({"Round 5. You have King of Spades and Queen of "
                                                "Spades: 20. The dealer shows Eight of Spades.",
                                                "The dealer turns up Ten of Spades: 18.",
                                                "You win."}));
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
        t.heard.clear();
        press(t, {Qt::Key_D}, Qt::AltModifier);
        for (ui::GameTimer* timer : {bank->tmrDots, bank->tmrStatus, bank->tmrWait})
            timer->fire(); // the dots tick unheard
        press(t, {Qt::Key_Escape});
        saved(250, 150);
        QCOMPARE(t.heard, QStringList({"Depositing money, please wait.",
                                       "Money: $250. Bank Account: $150."}));

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
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
