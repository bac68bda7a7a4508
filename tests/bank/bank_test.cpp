#include "BankDriver.h"

#include <QApplication>
#include <QFontMetrics>

using bank::BankScreen;

// The machine as a player sees it: the green display, the amount box, the two buttons and the
// three-second wait after every order.
class BankTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheCurrentGame() {
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(2, 500, 20, "Ann, of Vantrell");
        QVERIFY(bank);
        QVERIFY(t.screens().isVisible(ui::ScreenId::Bank));
        QCOMPARE(d.display(), BankDriver::display("Ann, of Vantrell", 500, 20));
        QCOMPARE(d.status(), QString());
        QVERIFY(d.takesOrders());
        QVERIFY(bank->tmrDots->isActive());
        QVERIFY(bank->tmrStatus->isActive());
        QVERIFY(!bank->tmrWait->isActive());
        QCOMPARE(bank->tmrDots->interval(), 1000);
        QCOMPARE(bank->tmrStatus->interval(), 1000);
        QCOMPARE(bank->tmrWait->interval(), 3000);
        QCOMPARE(bank->lblMoney->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(bank->lblStatus->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    void everyControlAtItsPlace() {
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, 100, 0);
        QVERIFY(bank->backgroundPath().endsWith("Graphics/BankBG.GIF"));
        QCOMPARE(bank->fraStatus->geometry(), QRect(24, 96, 200, 200));
        QCOMPARE(bank->lblMoney->geometry(), QRect(40, 144, 169, 49));
        QCOMPARE(bank->lblStatus->geometry(), QRect(40, 232, 169, 49));
        QCOMPARE(bank->txtInput->geometry(), QRect(264, 184, 129, 19));
        QCOMPARE(bank->fraOptions->geometry(), QRect(424, 224, 150, 150));
        QCOMPARE(bank->cmdDeposit->pos(), QPoint(448, 240));
        QCOMPARE(bank->cmdWithdraw->pos(), QPoint(448, 304));
        QCOMPARE(bank->imgQuit->pos(), QPoint(584, 0));
        QVERIFY(bank->fraStatus->picturePath().endsWith("Graphics/StatusPad.GIF"));
        QVERIFY(bank->fraOptions->picturePath().endsWith("Graphics/ButtonsPad.GIF"));
        QVERIFY(bank->cmdDeposit->picturePath().endsWith("Graphics/DepositButton.GIF"));
        QVERIFY(bank->cmdWithdraw->picturePath().endsWith("Graphics/WithdrawButton.GIF"));
        QVERIFY(bank->imgQuit->picturePath().endsWith("Graphics/Quit.GIF"));
        // The green labels lie on the pad, not under it.
        QCOMPARE(bank->childAt(QPoint(100, 160)), bank->lblMoney);
        QCOMPARE(bank->childAt(QPoint(100, 250)), bank->lblStatus);
    }

    void statusAwaitsOrdersWithDots() {
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, 100, 0);
        bank->tmrStatus->fire();
        QCOMPARE(d.status(), QString("Awaiting order"));
        const QStringList seconds = {"Awaiting order.", "Awaiting order..", "Awaiting order...",
                                     "Awaiting order.", "Awaiting order.."};
        for (const QString& expected : seconds) {
            d.second();
            QCOMPARE(d.status(), expected);
        }
    }

    // Every answer but a transfer in full stays fixed for the whole wait, over the ticks of the
    // status line; the display keeps the old figures until the wait is over; then the machine is
    // ready again and its next second says so.
    void answersStayForTheWait_data() {
        QTest::addColumn<bool>("deposit");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("balance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("moneyAfter");
        QTest::addColumn<int>("balanceAfter");
        const QString invalid = "Invalid Input";
        const QString noCash = "You do not have that much money to deposit.";
        const QString noBalance = "You do not have that much money to withdraw.";
        const QString fooling = "Please do not fool around with the machines like that.";
        QTest::newRow("1.5") << true << 100 << 0 << "1.5" << invalid << 100 << 0;
        QTest::newRow("00012 deposit") << true << 100 << 0 << "00012" << noCash << 100 << 0;
        QTest::newRow("00012 withdraw") << false << 0 << 100 << "00012" << noBalance << 0 << 100;
        QTest::newRow("0") << true << 100 << 0 << "0" << fooling << 100 << 0;
        QTest::newRow("more than the balance") << false << 0 << 50 << "51" << noBalance << 0 << 50;
        QTest::newRow("capped deposit")
            << true << 20 << 9990 << "20"
            << "Depositing money, however, your bank account cannot hold more than $9999." << 11
            << 9999;
        QTest::newRow("capped withdrawal")
            << false << 9990 << 50 << "50"
            << "Withdrawing money, however, you cannot hold more than $9999." << 9999 << 41;
        QTest::newRow("figures the machine cannot hold")
            << true << 32767 << 32767 << "1"
            << "The machine cannot hold that much money. Order refused." << 32767 << 32767;
    }
    void answersStayForTheWait() {
        QFETCH(bool, deposit);
        QFETCH(int, money);
        QFETCH(int, balance);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, moneyAfter);
        QFETCH(int, balanceAfter);
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, money, balance);
        d.second();
        deposit ? d.deposit(text) : d.withdraw(text);
        QCOMPARE(d.status(), message);
        QCOMPARE(bank->txtInput->text(), QString());
        QVERIFY(d.resting());
        for (int s = 0; s < 3; ++s) {
            d.second();
            QCOMPARE(d.status(), message);
            QCOMPARE(d.display(), BankDriver::display("Tester", money, balance));
        }
        d.waitEnds();
        QCOMPARE(d.display(), BankDriver::display("Tester", moneyAfter, balanceAfter));
        QVERIFY(d.takesOrders());
        QVERIFY(!bank->tmrWait->isActive());
        QCOMPARE(d.status(), message);
        d.second();
        QVERIFY2(d.status().startsWith("Awaiting order."), qPrintable(d.status()));
    }

    // A transfer in full shows its progress with the dots, and the figures change only when the
    // wait is over.
    void transfersShowProgress_data() {
        QTest::addColumn<bool>("deposit");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("balance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("moneyAfter");
        QTest::addColumn<int>("balanceAfter");
        QTest::newRow("0012 deposited") << true << 100 << 0 << "0012" << 88 << 12;
        QTest::newRow("0012 withdrawn") << false << 0 << 100 << "0012" << 12 << 88;
        QTest::newRow("all the cash deposited") << true << 100 << 5 << "100" << 0 << 105;
        QTest::newRow("up to exactly 9999") << false << 9000 << 999 << "999" << 9999 << 0;
    }
    void transfersShowProgress() {
        QFETCH(bool, deposit);
        QFETCH(int, money);
        QFETCH(int, balance);
        QFETCH(QString, text);
        QFETCH(int, moneyAfter);
        QFETCH(int, balanceAfter);
        TestGame t;
        BankDriver d(t);
        d.open(3, money, balance);
        d.second();
        d.second();
        QCOMPARE(d.status(), QString("Awaiting order.."));
        deposit ? d.deposit(text) : d.withdraw(text);
        QVERIFY(d.resting());
        // The status line follows at its next tick.
        QCOMPARE(d.status(), QString("Awaiting order.."));
        const QString pending =
            deposit ? "Depositing money, please wait" : "Withdrawing money, please wait";
        d.second();
        QCOMPARE(d.status(), pending + "...");
        d.second();
        QCOMPARE(d.status(), pending + ".");
        QCOMPARE(d.display(), BankDriver::display("Tester", money, balance));
        d.waitEnds();
        QCOMPARE(d.display(), BankDriver::display("Tester", moneyAfter, balanceAfter));
        QVERIFY(d.takesOrders());
        d.second();
        QCOMPARE(d.status(), QString("Awaiting order.."));
    }

    void buttonsRestDuringTheWait() {
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, 100, 0);
        d.deposit("10");
        // Clicks and typing while the machine rests change nothing.
        QTest::mouseClick(bank->cmdDeposit, Qt::LeftButton);
        QTest::mouseClick(bank->cmdWithdraw, Qt::LeftButton);
        QTest::keyClicks(bank->txtInput, "50");
        QCOMPARE(bank->txtInput->text(), QString());
        d.waitEnds();
        QCOMPARE(d.display(), BankDriver::display("Tester", 90, 10));
        QVERIFY(!bank->tmrWait->isActive());
    }

    // A player at the keyboard types, presses Deposit with Space, and types the next amount
    // after the wait; no key of the wait reaches the leave button.
    void theKeyboardStaysOnTheMachine() {
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, 100, 0);
        QApplication::setActiveWindow(bank->window());
        bank->txtInput->setFocus();
        QVERIFY(bank->txtInput->hasFocus());
        QTest::keyClicks(bank->txtInput, "40");
        QTest::keyClick(bank->txtInput, Qt::Key_Tab);
        QVERIFY(bank->cmdDeposit->hasFocus());
        QTest::keyClick(bank->cmdDeposit, Qt::Key_Space);
        QVERIFY(!bank->imgQuit->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(t.screens().isVisible(ui::ScreenId::Bank));
        d.waitEnds();
        QVERIFY(bank->txtInput->hasFocus());
        QCOMPARE(d.display(), BankDriver::display("Tester", 60, 40));
    }

    // Every message of the machine, and the display at its widest, fit the green labels.
    void everyTextFitsTheDisplay_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("capped deposit")
            << "Depositing money, however, your bank account cannot hold more than $9999.";
        QTest::newRow("capped withdrawal")
            << "Withdrawing money, however, you cannot hold more than $9999.";
        QTest::newRow("fooling") << "Please do not fool around with the machines like that.";
        QTest::newRow("unholdable") << "The machine cannot hold that much money. Order refused.";
    }
    void everyTextFitsTheDisplay() {
        QFETCH(QString, text);
        TestGame t;
        BankDriver d(t);
        BankScreen* bank = d.open(1, -32768, -32768);
        const QFontMetrics status(bank->lblStatus->font());
        const QRect used =
            status.boundingRect(QRect(0, 0, 169, 1000), Qt::TextWordWrap | Qt::AlignLeft, text);
        QVERIFY2(used.height() <= 49, qPrintable(QString::number(used.height())));
        const QFontMetrics account(bank->lblMoney->font());
        const QRect figures = account.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft,
                                                   BankDriver::display("Tester", -32768, -32768));
        QVERIFY(figures.width() <= 169);
        QVERIFY(figures.height() <= 49);
    }
};

QTEST_MAIN(BankTest)
#include "bank_test.moc"
