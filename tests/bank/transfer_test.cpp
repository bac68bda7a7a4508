#include "bank/Transfer.h"

#include <QTest>
#include <limits>

using bank::Direction;
using bank::Verdict;

Q_DECLARE_METATYPE(bank::Direction)
Q_DECLARE_METATYPE(bank::Verdict)

namespace {

constexpr Direction In = Direction::Deposit;
constexpr Direction Out = Direction::Withdraw;

bank::Account account(int money, int balance) {
    return bank::Account{std::int16_t(money), std::int16_t(balance)};
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

  private slots:
    void orders_data() {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("balance");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<int>("moneyAfter");
        QTest::addColumn<int>("balanceAfter");

        // The machine takes digits only.
        QTest::newRow("empty") << In << 100 << 0 << "" << Verdict::InvalidInput << 100 << 0;
        QTest::newRow("leading blank")
            << In << 100 << 0 << " 12" << Verdict::InvalidInput << 100 << 0;
        QTest::newRow("trailing blank")
            << Out << 0 << 100 << "12 " << Verdict::InvalidInput << 0 << 100;
        QTest::newRow("plus sign") << In << 100 << 0 << "+12" << Verdict::InvalidInput << 100 << 0;
        QTest::newRow("minus sign")
            << Out << 0 << 100 << "-12" << Verdict::InvalidInput << 0 << 100;
        QTest::newRow("decimal point")
            << In << 100 << 0 << "1.5" << Verdict::InvalidInput << 100 << 0;
        QTest::newRow("thousands comma")
            << In << 5000 << 0 << "1,000" << Verdict::InvalidInput << 5000 << 0;
        QTest::newRow("letter") << In << 100 << 0 << "12a" << Verdict::InvalidInput << 100 << 0;
        QTest::newRow("other script's digits")
            << In << 100 << 0 << QString::fromUtf8("\u0661\u0662") << Verdict::InvalidInput << 100
            << 0;

        // Five characters are too many even when the number is small; four are fine.
        QTest::newRow("00012 deposit") << In << 100 << 0 << "00012" << Verdict::TooLong << 100 << 0;
        QTest::newRow("00012 withdraw")
            << Out << 0 << 100 << "00012" << Verdict::TooLong << 0 << 100;
        QTest::newRow("0012 deposit") << In << 100 << 0 << "0012" << Verdict::Moved << 88 << 12;
        QTest::newRow("0012 withdraw") << Out << 0 << 100 << "0012" << Verdict::Moved << 12 << 88;
        QTest::newRow("99999") << In << 9999 << 0 << "99999" << Verdict::TooLong << 9999 << 0;

        QTest::newRow("0") << In << 100 << 0 << "0" << Verdict::Zero << 100 << 0;
        QTest::newRow("00") << Out << 100 << 50 << "00" << Verdict::Zero << 100 << 50;
        QTest::newRow("0000") << In << 100 << 0 << "0000" << Verdict::Zero << 100 << 0;

        QTest::newRow("deposit more than cash")
            << In << 100 << 0 << "101" << Verdict::NotEnough << 100 << 0;
        QTest::newRow("withdraw more than balance")
            << Out << 0 << 50 << "51" << Verdict::NotEnough << 0 << 50;
        QTest::newRow("deposit all the cash")
            << In << 100 << 7 << "100" << Verdict::Moved << 0 << 107;
        QTest::newRow("withdraw all the balance")
            << Out << 3 << 250 << "250" << Verdict::Moved << 253 << 0;
        QTest::newRow("deposit to exactly 9999")
            << In << 20 << 9989 << "10" << Verdict::Moved << 10 << 9999;

        // The caps carry the transfer out up to $9999 and give the rest back.
        QTest::newRow("capped deposit")
            << In << 20 << 9990 << "20" << Verdict::Capped << 11 << 9999;
        QTest::newRow("capped withdrawal")
            << Out << 9990 << 50 << "50" << Verdict::Capped << 9999 << 41;
        QTest::newRow("full pockets give the whole withdrawal back")
            << Out << 9999 << 9999 << "9999" << Verdict::Capped << 9999 << 9999;
        QTest::newRow("cap gives back to a side above its own cap")
            << In << 12000 << 9990 << "20" << Verdict::Capped << 11991 << 9999;

        // Cash arriving above the cap (a tournament prize) is capped by any numeric withdrawal.
        QTest::newRow("prize cash, withdraw 0")
            << Out << 10199 << 0 << "0" << Verdict::Capped << 9999 << 200;
        QTest::newRow("prize cash, withdraw too much")
            << Out << 10199 << 0 << "5" << Verdict::Capped << 9999 << 200;
        QTest::newRow("prize cash, too many digits")
            << Out << 10199 << 0 << "00005" << Verdict::TooLong << 10199 << 0;
        QTest::newRow("balance above the cap, deposit")
            << In << 0 << 15000 << "0" << Verdict::Capped << 5001 << 9999;

        // Where the rules would leave the machine's range, nothing moves.
        QTest::newRow("both full, deposit 1")
            << In << 32767 << 32767 << "1" << Verdict::Unholdable << 32767 << 32767;
        QTest::newRow("both full, withdraw 9999")
            << Out << 32767 << 32767 << "9999" << Verdict::Unholdable << 32767 << 32767;
        QTest::newRow("cap would overfill the account")
            << Out << 30000 << 20000 << "0" << Verdict::Unholdable << 30000 << 20000;
        QTest::newRow("cap that still fits")
            << Out << 30000 << 2000 << "0" << Verdict::Capped << 9999 << 22001;
        QTest::newRow("debt in hand") << In << -5 << 0 << "1" << Verdict::NotEnough << -5 << 0;
    }
    void orders() {
        QFETCH(Direction, direction);
        QFETCH(int, money);
        QFETCH(int, balance);
        QFETCH(QString, text);
        QFETCH(Verdict, verdict);
        QFETCH(int, moneyAfter);
        QFETCH(int, balanceAfter);
        const bank::Order order = bank::placeOrder(direction, account(money, balance), text);
        QCOMPARE(order.verdict, verdict);
        QCOMPARE(int(order.after.Money), moneyAfter);
        QCOMPARE(int(order.after.BankBalance), balanceAfter);
    }

    // Whatever the figures and the amount, a transfer never makes or loses a dollar, never leaves
    // the machine's range, and leaves the receiving side at most $9999.
    void noDollarIsMadeOrLost() {
        const int figures[] = {std::numeric_limits<std::int16_t>::min(),
                               -1,
                               0,
                               1,
                               100,
                               9990,
                               9999,
                               10000,
                               10199,
                               20000,
                               std::numeric_limits<std::int16_t>::max()};
        const char* amounts[] = {"0", "1", "20", "50", "0012", "9999"};
        for (Direction direction : {In, Out}) {
            for (int money : figures) {
                for (int balance : figures) {
                    for (const char* amount : amounts) {
                        const auto before = account(money, balance);
                        const auto order =
                            bank::placeOrder(direction, before, QString::fromLatin1(amount));
                        const QByteArray what =
                            QByteArray(direction == In ? "deposit " : "withdraw ") + amount +
                            " from " + QByteArray::number(money) + "/" +
                            QByteArray::number(balance);
                        QVERIFY2(order.after.Money + order.after.BankBalance == money + balance,
                                 what);
                        if (order.verdict == Verdict::Unholdable) {
                            QVERIFY2(order.after.Money == money &&
                                         order.after.BankBalance == balance,
                                     what);
                            continue;
                        }
                        const int receiving =
                            direction == In ? order.after.BankBalance : order.after.Money;
                        QVERIFY2(receiving <= bank::Cap, what);
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TransferTest)
#include "transfer_test.moc"
