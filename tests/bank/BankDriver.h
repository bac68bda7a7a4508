#pragma once

#include "bank/BankScreen.h"
#include "support/TestGame.h"

#include <QTest>

// Opens the bank on a game in play and works its machine as a player would: typing into the
// amount box, pressing the buttons, and letting seconds pass by firing the timers by hand.
struct BankDriver {
    explicit BankDriver(TestGame& game) : t(game) {}

    bank::BankScreen* open(int slot, int money, int balance, const QString& name = "Tester") {
        t.setCurrentGame(slot, money, balance, name);
        bank = t.open<bank::BankScreen>(ui::ScreenId::Bank);
        return bank;
    }

    void type(const QString& text) { QTest::keyClicks(bank->txtInput, text); }
    void deposit(const QString& text) {
        type(text);
        TestGame::click(bank->cmdDeposit);
    }
    void withdraw(const QString& text) {
        type(text);
        TestGame::click(bank->cmdWithdraw);
    }
    // One second of the machine: the dots move on, then the status line is redrawn.
    void second() {
        bank->tmrDots->fire();
        bank->tmrStatus->fire();
    }
    // The three seconds after an order are over.
    void waitEnds() { bank->tmrWait->fire(); }

    QString status() const { return bank->lblStatus->caption(); }
    QString display() const { return bank->lblMoney->caption(); }
    static QString display(const QString& name, int money, int balance) {
        return QStringLiteral("Name: %1\nMoney: $%2\nBank Account: $%3")
            .arg(name)
            .arg(money)
            .arg(balance);
    }
    bool takesOrders() const {
        return bank->txtInput->isEnabled() && bank->cmdDeposit->isEnabled() &&
               bank->cmdWithdraw->isEnabled();
    }
    bool resting() const {
        return !bank->txtInput->isEnabled() && !bank->cmdDeposit->isEnabled() &&
               !bank->cmdWithdraw->isEnabled();
    }

    TestGame& t;
    bank::BankScreen* bank = nullptr;
};
