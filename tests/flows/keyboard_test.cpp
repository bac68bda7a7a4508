// A whole evening played with the keyboard alone, with the keys that must do nothing pressed
// along the way: a key never acts where its control is hidden, refused or behind a box.
#include "Flows.h"
#include "school/SchoolScreen.h"

#include <QApplication>
#include <QWindow>

namespace {

// A key as the player presses it, to whatever has the keyboard in the window in front.
void press(TestGame& t, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto front = t.screens().visibleScreen();
    QVERIFY(front);
    QWidget* window = t.screens().screen(*front)->window();
    // The desktop hands the keyboard to the window in front, the sleep dialog included.
    if (QApplication::activeWindow() != window) {
        window->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void presses(TestGame& t, std::initializer_list<int> keys) {
    for (int key : keys)
        press(t, key);
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
        const auto saved = [&](int money, int bank) { // in the current game and in slot 2
            QCOMPARE(QList({t.integer("\\Files\\TempFiles\\CurrentMoney.txt"),
                            t.integer("\\Files\\Slot2\\Money.txt"),
                            t.integer("\\Files\\TempFiles\\CurrentBank.txt"),
                            t.integer("\\Files\\Slot2\\Bank.txt")}),
                     QList({money, money, bank, bank}));
        };
        t.start();
        press(t, Qt::Key_N);
        t.dialogs.answerInput(QStringLiteral("Ann"));
        press(t, Qt::Key_2);
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));

        // The town: Enter with nothing chosen asks.
        QCOMPARE(front(t), ScreenId::Locations);
        auto* town = t.screens().screenAs<town::LocationsScreen>(ScreenId::Locations);
        press(t, Qt::Key_Return);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose a location."});
        t.random.queue(0.1f);
        presses(t, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(front(t), ScreenId::Test);
        auto* table = t.screens().screenAs<CasinoTable>(ScreenId::Test);

        // $60 of $100: no double down is offered, so D does nothing, and Esc does not leave a
        // hand. Keys pressed while the bet box is open wait behind it and act on nothing.
        t.random.dealing({S(10), H(5), D(10), C(8), S(5)});
        t.dialogs.answerInput(QStringLiteral("60"));
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            presses(t, {Qt::Key_Return, Qt::Key_H, Qt::Key_S, Qt::Key_Escape});
        };
        press(t, Qt::Key_Return);
        QCOMPARE(t.dialogs.inputBoxes().size(), 2); // the name, then one bet
        presses(t, {Qt::Key_D, Qt::Key_Escape, Qt::Key_H, Qt::Key_S});
        QCOMPARE(shownControls(table), "cmdReset picStatus 12 cards"); // 20 against 18
        QCOMPARE(table->hand().NextCard, 6);
        saved(160, 0);
        presses(t, {Qt::Key_H, Qt::Key_S, Qt::Key_D}); // the hand is over
        saved(160, 0);

        // Enter resets, Enter deals, D doubles $20 into 21 against 18.
        t.random.dealing({S(5), H(6), D(10), C(8), S(10)});
        t.dialogs.answerInput(QStringLiteral("20"));
        presses(t, {Qt::Key_Return, Qt::Key_Return, Qt::Key_D});
        saved(200, 0);
        presses(t, {Qt::Key_Return, Qt::Key_Escape});

        // The school by T, the tournament left by Esc before its first deal: its keys rest while
        // it is hidden behind the hall. After the deal Esc stays.
        QCOMPARE(front(t), ScreenId::Locations);
        presses(t, {Qt::Key_Down, Qt::Key_Return, Qt::Key_T, Qt::Key_Escape});
        QCOMPARE(front(t), ScreenId::School);
        presses(t, {Qt::Key_Return, Qt::Key_S, Qt::Key_T});
        QCOMPARE(front(t), ScreenId::Tournament);
        auto* hall = t.screens().screenAs<school::TournamentTable>(ScreenId::Tournament);
        for (int round = 1; round <= 5; ++round) {
            t.random.dealingRanks({13, 12, 10, 8});
            presses(t, {Qt::Key_Return, Qt::Key_Escape, Qt::Key_S});
            QCOMPARE(front(t), ScreenId::Tournament);
        }
        QCOMPARE(hall->roundNumber(), 5);
        t.dialogs.takeMessages();
        press(t, Qt::Key_Return);
        QCOMPARE(t.dialogs.takeMessages(), tournament::prizeMessages());
        saved(400, 0);
        press(t, Qt::Key_Escape);

        // The bank: the amount is typed at once, Enter in its box does nothing, Alt+D deposits.
        presses(t, {Qt::Key_Down, Qt::Key_Return});
        auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
        QCOMPARE(QApplication::focusWidget(), bank->txtInput);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("150"));
        press(t, Qt::Key_Return);
        QVERIFY(bank->isReady());
        QCOMPARE(bank->txtInput->text(), "150");
        press(t, Qt::Key_D, Qt::AltModifier);
        bank->tmrWait->fire();
        press(t, Qt::Key_Escape);
        saved(250, 150);

        // Home: Tab to Sleep, Space presses it; Y and Enter end the game.
        QCOMPARE(town->lstLocations->currentRow(), 3);
        presses(t, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        QCOMPARE(front(t), ScreenId::Home);
        auto* home = t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
        for (int k = 0; k < 5 && QApplication::focusWidget() != home->imgSleep; ++k)
            press(t, Qt::Key_Tab);
        press(t, Qt::Key_Space);
        QCOMPARE(front(t), ScreenId::frmQuit);
        presses(t, {Qt::Key_Y, Qt::Key_Return});
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentSlot.txt"), 0);
        QCOMPARE(t.integer("\\Files\\Slot2\\Bank.txt"), 150);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QCOMPARE(t.dialogs.unscripted(), 0);
    }

    // Tab visits the shown controls row by row; Space and Enter press the one with the ring,
    // which no control wears when a screen comes to the front.
    void tabOrderAndFocusRing() {
        TestGame t;
        auto* table = sitDown(t, 500);
        QCOMPARE(table->window()->focusWidget(), table);
        t.random.dealing({S(10), H(5), D(9), C(8), S(3), H(2)});
        t.dialogs.answerInput(QStringLiteral("100"));
        press(t, Qt::Key_Return);
        QStringList visited;
        for (int k = 0; k < 4; ++k) {
            press(t, Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"cmdHit", "cmdStand", "cmdDD", "cmdHit"}));
        const QImage ringed = table->cmdHit->grab().toImage();
        press(t, Qt::Key_Return);
        QCOMPARE(table->hand().NextCard, 6);
        press(t, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table->cmdStand);
        QVERIFY(table->cmdHit->grab().toImage() != ringed);
        press(t, Qt::Key_Space);
        QCOMPARE(shownControls(table), "cmdReset picStatus 12 cards");
        QCOMPARE(table->cmdReset->toolTip(), "Reset (Enter)");
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
