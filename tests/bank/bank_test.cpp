// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "bank/BankScreen.h"
#include "support/TestGame.h"

#include <QDir>
#include <QTest>

using bank::BankScreen;
using ui::ScreenId;

namespace {

// The four files leaving the bank writes, in their order, for a game in the last slot.
const char* const Saved[] = {game::CurrentMoneyFile, game::CurrentBankFile,
                             "\\Files\\Slot3\\Money.txt", "\\Files\\Slot3\\Bank.txt"};

QString account(int money, int balance) {
    return QStringLiteral("Name: Ng, Al\nMoney: $%1\nBank Account: $%2").arg(money).arg(balance);
}

BankScreen* enterBank(TestGame& t, int slot, int money, int balance) {
    t.setCurrentGame(slot, money, balance, "Ng, Al");
    return t.open<BankScreen>(ScreenId::Bank);
}

void place(BankScreen* bank, bool deposit, const QString& amount) {
    QTest::keyClicks(bank->txtInput, amount);
    TestGame::click(deposit ? bank->cmdDeposit : bank->cmdWithdraw);
}

} // namespace

// One order: the figures before, the amount typed, the figures after, and the fixed answer on
// the status line (none for a transfer in full, which shows its progress with the dots).
struct Order {
    bool deposit;
    int money, balance;
    QString amount;
    int moneyAfter, balanceAfter;
    QString said;
};
Q_DECLARE_METATYPE(Order)

// The machine as a player works it: an amount typed, Deposit or Withdraw pressed, the status
// display answering, three seconds of waiting (its clock moved on by hand), and leaving.
class BankTest : public QObject {
    Q_OBJECT

  private slots:
    void orders_data() {
        QTest::addColumn<Order>("order");
        const QString noCash = "You do not have that much money to deposit.";
        const QString noBalance = "You do not have that much money to withdraw.";
        const QString fooling = "Please do not fool around with the machines like that.";
        const QString bankFull =
            "Depositing money, however, your bank account cannot hold more than $9999.";
        const QString pocketsFull = "Withdrawing money, however, you cannot hold more than $9999.";
        const QString full = "The machine cannot hold that much money. Order refused.";
        const bool in = true, out = false;
        QTest::newRow("0012 deposited") << Order{in, 100, 0, "0012", 88, 12, {}};
        QTest::newRow("all the cash deposited") << Order{in, 100, 5, "100", 0, 105, {}};
        QTest::newRow("all the balance withdrawn") << Order{out, 3, 250, "250", 253, 0, {}};
        QTest::newRow("deposit up to exactly 9999") << Order{in, 20, 9989, "10", 10, 9999, {}};
        QTest::newRow("withdrawal up to exactly 9999") << Order{out, 9000, 999, "999", 9999, 0, {}};
        QTest::newRow("deposit to 10000") << Order{in, 20, 9990, "10", 11, 9999, bankFull};
        QTest::newRow("withdrawal to 10000") << Order{out, 9999, 1, "1", 9999, 1, pocketsFull};
        QTest::newRow("cash above the cap, 0") << Order{out, 10199, 0, "0", 9999, 200, pocketsFull};
        QTest::newRow("00012 deposit") << Order{in, 100, 0, "00012", 100, 0, noCash};
        QTest::newRow("0000") << Order{out, 100, 50, "0000", 100, 50, fooling};
        QTest::newRow("more than the cash") << Order{in, 100, 0, "101", 100, 0, noCash};
        QTest::newRow("more than the balance") << Order{out, 0, 50, "51", 0, 50, noBalance};
        QTest::newRow("empty") << Order{in, 100, 0, "", 100, 0, "Invalid Input"};
        QTest::newRow("decimal point") << Order{out, 0, 100, "1.5", 0, 100, "Invalid Input"};
        QTest::newRow("sign") << Order{out, 0, 100, "-12", 0, 100, "Invalid Input"};
        QTest::newRow("slash, next below 0") << Order{in, 100, 0, "1/", 100, 0, "Invalid Input"};
        QTest::newRow("colon, next above 9") << Order{out, 0, 100, ":1", 0, 100, "Invalid Input"};
        // Prizes and a hand-edited balance can hold more than the caps give back room for.
        QTest::newRow("give-back to $32767")
            << Order{out, 32767, 9999, "1", 9999, 32767, pocketsFull};
        QTest::newRow("give-back to $32768") << Order{out, 30000, 12767, "1", 30000, 12767, full};
    }
    void orders() {
        QFETCH(Order, order);
        const auto [deposit, money, balance, amount, moneyAfter, balanceAfter, said] = order;
        TestGame t;
        BankScreen* bank = enterBank(t, 1, money, balance);
        QVERIFY(bank);
        // The machine's clock in milliseconds since the bank opened, its timers moved on together.
        int now = 0;
        const auto seen = [&] {
            return QStringList{
                bank->lblStatus->caption(), bank->DotsText, bank->lblMoney->caption(),
                QString::number(bank->txtInput->isEnabled() + bank->cmdDeposit->isEnabled() +
                                bank->cmdWithdraw->isEnabled())};
        };
        // Nothing the player sees changes before the given moment; then the timers tick.
        const auto until = [&](int moment) {
            const QStringList before = seen();
            for (; now < moment; ++now) {
                if (now == moment - 1) QCOMPARE(seen(), before);
                for (ui::GameTimer* timer : {bank->tmrDots, bank->tmrStatus, bank->tmrWait})
                    timer->advance(1);
            }
        };
        const auto dots = [&] { return QString((now / 1000 - 1) % 3 + 1, QLatin1Char('.')); };
        until(1000);
        QCOMPARE(bank->lblStatus->caption(), QStringLiteral("Awaiting order."));
        until(2000);
        until(2500);
        place(bank, deposit, amount);
        // A fixed answer shows at once; a transfer in full waits for the status line's tick.
        QCOMPARE(bank->lblStatus->caption(),
                 said.isEmpty() ? QStringLiteral("Awaiting order..") : said);
        QVERIFY(bank->txtInput->text().isEmpty());
        QCOMPARE(seen().last(), "0");
        const QString pending =
            deposit ? "Depositing money, please wait" : "Withdrawing money, please wait";
        // The machine holds the player three seconds to the millisecond; the status line
        // changes only at its own ticks.
        for (int moment : {3000, 4000, 5000, 5500}) {
            until(moment);
            QCOMPARE(bank->lblStatus->caption(), said.isEmpty() ? pending + dots() : said);
            QCOMPARE(bank->lblMoney->caption(),
                     moment < 5500 ? account(money, balance) : account(moneyAfter, balanceAfter));
            QCOMPARE(seen().last(), moment < 5500 ? "0" : "3");
        }
        // The status line keeps its second; after a fixed answer it starts again from the end
        // of the wait.
        until(6000);
        if (!said.isEmpty()) until(6500);
        QCOMPARE(bank->lblStatus->caption(), QStringLiteral("Awaiting order..."));
    }

    // Leaving writes the four files, a transfer left during its wait kept; the window's close
    // button saves as leaving does, then the game ends. (Their order, and a file the disk
    // refuses, are walked in damaged_files_test.) A save that failed is tried again on leaving.
    void leavingSavesEverything() {
        for (bool closeButton : {false, true}) {
            TestGame t;
            BankScreen* bank = enterBank(t, 3, 500, 40);
            place(bank, true, "120");
            bank->tmrWait->fire();
            place(bank, false, "0010");
            const QString blocked = t.path(Saved[2]);
            QVERIFY(QFile::remove(blocked) && QDir().mkdir(blocked));
            TestGame::click(bank->imgQuit);
            QCOMPARE(t.dialogs.takeMessages().size(), 1);
            QVERIFY(QDir().rmdir(blocked));
            if (closeButton)
                t.screens().closeButtonPressed(ScreenId::Bank);
            else
                TestGame::click(bank->imgQuit);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(t.bytes(Saved[i]), QByteArray(i % 2 ? "150\r\n" : "390\r\n"));
            QCOMPARE(t.screens().hasEnded(), closeButton);
            QVERIFY(!t.screens().isLoaded(ScreenId::Bank));
        }
    }
};

QTEST_MAIN(BankTest)
#include "bank_test.moc"
