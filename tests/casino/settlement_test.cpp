#include "casino/Settlement.h"

#include <QTest>

using engine::Outcome;

Q_DECLARE_METATYPE(Outcome)

// The purse on its own: one hand from the cash before the deal to the cash after the
// settlement, with sums past 16 bits brought back by the cap rather than wrapped.
class SettlementTest : public QObject {
    Q_OBJECT
  private slots:
    void hand_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("stake");
        QTest::addColumn<bool>("doubled");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("settled");

        QTest::newRow("win") << 500 << 100 << false << Outcome::Win << 600;
        QTest::newRow("draw") << 500 << 100 << false << Outcome::Draw << 500;
        QTest::newRow("loss") << 500 << 100 << false << Outcome::Loss << 400;
        QTest::newRow("no decision") << 500 << 100 << false << Outcome::NoDecision << 400;
        QTest::newRow("doubled win") << 500 << 100 << true << Outcome::Win << 700;
        QTest::newRow("doubled draw") << 500 << 100 << true << Outcome::Draw << 500;
        QTest::newRow("doubled no decision") << 500 << 100 << true << Outcome::NoDecision << 300;
        QTest::newRow("win held to the cap") << 9999 << 9999 << false << Outcome::Win << 9999;
        QTest::newRow("win above the cap comes down")
            << 10149 << 100 << false << Outcome::Win << 9999;
        QTest::newRow("draw above the cap restores")
            << 10149 << 100 << false << Outcome::Draw << 10149;
        QTest::newRow("doubled win past 16 bits") << 20000 << 9999 << true << Outcome::Win << 9999;
        QTest::newRow("doubled draw past 16 bits")
            << 20000 << 9999 << true << Outcome::Draw << 20000;
        QTest::newRow("largest purse, win") << 32767 << 9999 << false << Outcome::Win << 9999;
        QTest::newRow("largest purse, draw") << 32767 << 9999 << false << Outcome::Draw << 32767;
    }
    void hand() {
        QFETCH(int, money);
        QFETCH(int, stake);
        QFETCH(bool, doubled);
        QFETCH(Outcome, outcome);
        QFETCH(int, settled);

        casino::Purse purse{static_cast<std::int16_t>(money), 0};
        purse.takeStake(static_cast<std::int16_t>(stake));
        QCOMPARE(int{purse.Money}, money - stake);
        if (doubled) {
            QVERIFY(purse.canDoubleDown());
            purse.doubleDown();
            QCOMPARE(int{purse.Money}, money - 2 * stake);
            QCOMPARE(int{purse.Bet}, 2 * stake);
        }
        purse.settle(outcome);
        QCOMPARE(int{purse.Money}, settled);
        QCOMPARE(int{purse.Bet}, 0);
    }

    void theNextHandNeverStartsOwing() {
        casino::Purse broke{-40, 7};
        broke.clearForNextHand();
        QCOMPARE(int{broke.Money}, 0);
        QCOMPARE(int{broke.Bet}, 0);
    }
};

QTEST_APPLESS_MAIN(SettlementTest)
#include "settlement_test.moc"
