// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "bank/Transfer.h"

#include <QCoreApplication>
#include <limits>

namespace bank {

namespace {

constexpr qsizetype LongestAmount = 4;

bool fitsTheMachine(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

bool isAmountText(QStringView AmountText) {
    if (AmountText.isEmpty()) return false;
    for (QChar c : AmountText)
        if (c.unicode() < u'0' || c.unicode() > u'9') return false;
    return true;
}

Order placeOrder(Direction direction, Account before, QStringView AmountText) {
    Order order;
    order.after = before;
    if (!isAmountText(AmountText)) return order;
    if (AmountText.size() > LongestAmount) {
        order.verdict = Verdict::TooLong;
        return order;
    }
    for (QChar c : AmountText)
        order.Amount = order.Amount * 10 + (c.unicode() - u'0');

    // Figures arriving from the tables may lie far above the cap, so the sums are taken wide and
    // only a result that fits is kept.
    const bool deposit = direction == Direction::Deposit;
    int giving = deposit ? before.Money : before.BankBalance;
    int receiving = deposit ? before.BankBalance : before.Money;
    if (order.Amount == 0) {
        order.verdict = Verdict::Zero;
    } else if (giving - order.Amount < 0) {
        order.verdict = Verdict::NotEnough;
    } else {
        giving -= order.Amount;
        receiving += order.Amount;
        order.moved = true;
        order.verdict = Verdict::Moved;
    }
    // The receiving side is capped even when nothing moved: whatever it held above the cap goes
    // back to the giving side, whose own cap is not looked at.
    if (receiving > Cap) {
        giving += receiving - Cap;
        receiving = Cap;
        order.verdict = Verdict::Capped;
    }
    if (!fitsTheMachine(giving) || !fitsTheMachine(receiving)) {
        order.verdict = Verdict::Unholdable;
        order.moved = false;
        return order;
    }
    order.after.Money = static_cast<std::int16_t>(deposit ? giving : receiving);
    order.after.BankBalance = static_cast<std::int16_t>(deposit ? receiving : giving);
    return order;
}

QString statusMessage(Direction direction, Verdict verdict) {
    const bool deposit = direction == Direction::Deposit;
    switch (verdict) {
    case Verdict::InvalidInput:
        return QCoreApplication::translate("Bank", "Invalid Input");
    case Verdict::TooLong:
    case Verdict::NotEnough:
        return deposit ? QCoreApplication::translate("Bank",
                                                     "You do not have that much money to deposit.")
                       : QCoreApplication::translate(
                             "Bank", "You do not have that much money to withdraw.");
    case Verdict::Zero:
        return QCoreApplication::translate(
            "Bank", "Please do not fool around with the machines like that.");
    case Verdict::Moved:
        return QString();
    case Verdict::Capped:
        return (deposit
                    ? QCoreApplication::translate(
                          "Bank",
                          "Depositing money, however, your bank account cannot hold more than $%1.")
                    : QCoreApplication::translate(
                          "Bank", "Withdrawing money, however, you cannot hold more than $%1."))
            .arg(Cap);
    case Verdict::Unholdable:
        return QCoreApplication::translate(
            "Bank", "The machine cannot hold that much money. Order refused.");
    }
    return QString();
}

QString pendingText(Direction direction) {
    return direction == Direction::Deposit
               ? QCoreApplication::translate("Bank", "Depositing money, please wait",
                                             "followed by dots")
               : QCoreApplication::translate("Bank", "Withdrawing money, please wait",
                                             "followed by dots");
}

} // namespace bank
