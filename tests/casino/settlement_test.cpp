#include "casino/Settlement.h"

#include <QTest>

using casino::BetRefusal;
using casino::Purse;
using engine::Outcome;

Q_DECLARE_METATYPE(BetRefusal)
Q_DECLARE_METATYPE(Outcome)

// The money rules of the casino on their own: what a typed bet becomes, and what a hand leaves
// in hand, with the sums that pass 16 bits brought back by the cap rather than wrapped.
class SettlementTest : public QObject {
    Q_OBJECT
  private slots:
    void betText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("money");
        QTest::addColumn<BetRefusal>("refusal");
        QTest::addColumn<int>("amount"); // -1: the text never became a number

        QTest::newRow("empty") << "" << 100 << BetRefusal::NoBet << -1;
        QTest::newRow("half the cash") << "50" << 100 << BetRefusal::None << 50;
        QTest::newRow("all the cash") << "100" << 100 << BetRefusal::None << 100;
        QTest::newRow("leading zeros") << "0050" << 100 << BetRefusal::None << 50;
        QTest::newRow("five digits, zeros") << "00050" << 100 << BetRefusal::TooLong << -1;
        QTest::newRow("five digits") << "12345" << 20000 << BetRefusal::TooLong << -1;
        QTest::newRow("zero") << "0" << 100 << BetRefusal::NotPositive << 0;
        QTest::newRow("four zeros") << "0000" << 100 << BetRefusal::NotPositive << 0;
        QTest::newRow("leading blank") << " 50" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("trailing blank") << "50 " << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("decimal point") << "5.0" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("minus") << "-5" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("plus") << "+5" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("letter") << "5a" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("letters before length") << "abcdef" << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("arabic-indic digit")
            << QString(QChar(0x0665)) << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("fullwidth digit")
            << QString(QChar(0xFF15)) << 100 << BetRefusal::NotDigits << -1;
        QTest::newRow("more than the cash") << "9999" << 9998 << BetRefusal::TooMuch << 9999;
        QTest::newRow("no cash") << "5" << 0 << BetRefusal::TooMuch << 5;
        QTest::newRow("zero with no cash") << "0" << 0 << BetRefusal::NotPositive << 0;
        QTest::newRow("owing cash") << "0" << -5 << BetRefusal::TooMuch << 0;
        QTest::newRow("largest bet") << "9999" << 32767 << BetRefusal::None << 9999;
    }
    void betText() {
        QFETCH(QString, text);
        QFETCH(int, money);
        QFETCH(BetRefusal, refusal);
        QFETCH(int, amount);
        const casino::BetCheck check = casino::checkBet(text, static_cast<std::int16_t>(money));
        QCOMPARE(check.refusal, refusal);
        QCOMPARE(check.amount.has_value() ? int{*check.amount} : -1, amount);
    }

    void refusalMessages_data() {
        QTest::addColumn<BetRefusal>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << BetRefusal::None << QString();
        QTest::newRow("no bet") << BetRefusal::NoBet << "You haven't made a bet.";
        QTest::newRow("not digits") << BetRefusal::NotDigits << "Not a valid bet.";
        QTest::newRow("too long") << BetRefusal::TooLong << "Not a valid bet.";
        QTest::newRow("too much") << BetRefusal::TooMuch
                                  << "Sorry, you don't have that much money.";
        QTest::newRow("zero") << BetRefusal::NotPositive << "... Not valid.";
    }
    void refusalMessages() {
        QFETCH(BetRefusal, refusal);
        QFETCH(QString, message);
        QCOMPARE(casino::refusalMessage(refusal), message);
    }

    // One hand from the cash before the deal to the cash after the settlement.
    void hand_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("stake");
        QTest::addColumn<bool>("doubled");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("afterStake"); // cash the labels show during the hand
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("settled");

        QTest::newRow("win") << 500 << 100 << false << Outcome::Win << 400 << 100 << 600;
        QTest::newRow("draw") << 500 << 100 << false << Outcome::Draw << 400 << 100 << 500;
        QTest::newRow("loss") << 500 << 100 << false << Outcome::Loss << 400 << 100 << 400;
        QTest::newRow("no decision")
            << 500 << 100 << false << Outcome::NoDecision << 400 << 100 << 400;
        QTest::newRow("doubled win") << 500 << 100 << true << Outcome::Win << 300 << 200 << 700;
        QTest::newRow("doubled draw") << 500 << 100 << true << Outcome::Draw << 300 << 200 << 500;
        QTest::newRow("doubled loss") << 500 << 100 << true << Outcome::Loss << 300 << 200 << 300;
        QTest::newRow("doubled no decision")
            << 500 << 100 << true << Outcome::NoDecision << 300 << 200 << 300;
        QTest::newRow("all in, doubled from 50")
            << 100 << 50 << true << Outcome::Loss << 0 << 100 << 0;
        QTest::newRow("win at the cap")
            << 9999 << 9999 << false << Outcome::Win << 0 << 9999 << 9999;
        QTest::newRow("draw at the cap")
            << 9999 << 9999 << false << Outcome::Draw << 0 << 9999 << 9999;
        QTest::newRow("win above the cap")
            << 10149 << 100 << false << Outcome::Win << 10049 << 100 << 9999;
        QTest::newRow("draw above the cap")
            << 10149 << 100 << false << Outcome::Draw << 10049 << 100 << 10149;
        // Twice a doubled stake on top of a large purse passes 32767 before the cap.
        QTest::newRow("doubled win past 16 bits")
            << 20000 << 9999 << true << Outcome::Win << 2 << 19998 << 9999;
        QTest::newRow("doubled draw past 16 bits")
            << 20000 << 9999 << true << Outcome::Draw << 2 << 19998 << 20000;
        QTest::newRow("win from the largest purse")
            << 32767 << 9999 << false << Outcome::Win << 22768 << 9999 << 9999;
        QTest::newRow("draw from the largest purse")
            << 32767 << 9999 << false << Outcome::Draw << 22768 << 9999 << 32767;
    }
    void hand() {
        QFETCH(int, money);
        QFETCH(int, stake);
        QFETCH(bool, doubled);
        QFETCH(Outcome, outcome);
        QFETCH(int, afterStake);
        QFETCH(int, bet);
        QFETCH(int, settled);

        Purse purse{static_cast<std::int16_t>(money), 0};
        purse.takeStake(static_cast<std::int16_t>(stake));
        if (doubled) {
            QVERIFY(purse.canDoubleDown());
            purse.doubleDown();
        }
        QCOMPARE(int{purse.Money}, afterStake);
        QCOMPARE(int{purse.Bet}, bet);
        purse.settle(outcome);
        QCOMPARE(int{purse.Money}, settled);
        QCOMPARE(int{purse.Bet}, 0);
    }

    void doubleDownOffer_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("stake");
        QTest::addColumn<bool>("offered");
        QTest::newRow("half the cash") << 100 << 50 << true;
        QTest::newRow("just over half") << 100 << 51 << false;
        QTest::newRow("all the cash") << 100 << 100 << false;
        QTest::newRow("large purse") << 30000 << 9999 << true;
    }
    void doubleDownOffer() {
        QFETCH(int, money);
        QFETCH(int, stake);
        QFETCH(bool, offered);
        Purse purse{static_cast<std::int16_t>(money), 0};
        purse.takeStake(static_cast<std::int16_t>(stake));
        QCOMPARE(purse.canDoubleDown(), offered);
    }

    void nextHandNeverOwes() {
        Purse broke{-40, 7};
        broke.clearForNextHand();
        QCOMPARE(int{broke.Money}, 0);
        QCOMPARE(int{broke.Bet}, 0);
        Purse flush{250, 7};
        flush.clearForNextHand();
        QCOMPARE(int{flush.Money}, 250);
        QCOMPARE(int{flush.Bet}, 0);
    }
};

QTEST_GUILESS_MAIN(SettlementTest)
#include "settlement_test.moc"
