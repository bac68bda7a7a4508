#include "CasinoHelpers.h"

#include <QFontMetrics>
#include <QTest>

using casino::C;
using casino::CasinoTable;
using casino::D;
using casino::H;
using casino::S;
using State = casino::CasinoTable::State;
using ui::ScreenId;

// Sitting down and betting: the table as it opens, the bet box with its refusals, the deal and
// the reset that clears the table for the next bet.
class TableTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithEveryControlAtItsPlace() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        QVERIFY(table);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Test));
        QCOMPARE(table->size(), QSize(600, 400));
        QVERIFY(table->backgroundPath().endsWith("/Graphics/Background.GIF"));

        const struct {
            const char* name;
            QRect rect;
            const char* picture;
        } controls[] = {
            {"cmdDD", {480, 280, 100, 50}, "\\Graphics\\DoubleDownButton.GIF"},
            {"imgPlayer", {0, 168, 81, 17}, "\\Graphics\\Player.GIF"},
            {"imgDealer", {0, 0, 81, 17}, "\\Graphics\\Dealer.GIF"},
            {"imgDeck", {464, 48, 75, 100}, "\\Graphics\\Back.GIF"},
            {"cmdReset", {488, 344, 81, 33}, "\\Graphics\\Reset.GIF"},
            {"cmdDeal", {488, 344, 81, 33}, "\\Graphics\\DealButton.GIF"},
            {"cmdStand", {480, 224, 100, 50}, "\\Graphics\\StandButton.GIF"},
            {"cmdHit", {480, 168, 100, 50}, "\\Graphics\\HitButton.GIF"},
            {"lblBet", {0, 360, 137, 25}, nullptr},
            {"lblMoney", {0, 312, 145, 41}, nullptr},
            {"picQuit", {584, 0, 17, 17}, "\\Graphics\\Quit.GIF"},
            {"picStatus", {232, 128, 100, 50}, ""},
            {"Label1", {0, 296, 161, 25}, nullptr},
            {"Label2", {0, 336, 273, 57}, nullptr},
            {"Label3", {232, 288, 57, 33}, nullptr},
            {"Label4", {312, 288, 81, 33}, nullptr},
        };
        for (const auto& c : controls) {
            auto* control = table->findChild<QWidget*>(c.name);
            QVERIFY2(control, c.name);
            QCOMPARE(control->geometry(), c.rect);
            if (!c.picture) continue;
            const QString shown =
                qobject_cast<ui::Image*>(control)
                    ? casino::shownPicture(t, qobject_cast<ui::Image*>(control))
                    : casino::shownPicture(t, qobject_cast<ui::ImageButton*>(control));
            QCOMPARE(shown, QString::fromLatin1(c.picture));
        }
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(table->PCard(k)->geometry(), QRect(72 * (k - 1), 184, 75, 100));
            QCOMPARE(table->DCard(k)->geometry(), QRect(72 * (k - 1), 16, 75, 100));
            // Blank until the first reset puts the empty-slot picture in.
            QVERIFY(!table->PCard(k)->hasPicture());
            QVERIFY(!table->DCard(k)->hasPicture());
        }
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
            QCOMPARE(table->findChild<ui::Label*>(name)->caption(), QString());

        QVERIFY2(casino::stateMismatch(table, State::Betting).isEmpty(),
                 qPrintable(casino::stateMismatch(table, State::Betting)));
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $500"));
        QCOMPARE(table->lblBet->caption(), QString());
        QCOMPARE(table->money(), std::int16_t(500));
        QCOMPARE(table->bet(), std::int16_t(0));
        QVERIFY(table->hand().PlayerRanks == engine::Ranks{});
        QCOMPARE(table->hand().NextCard, std::int16_t(0));
        QCOMPARE(t.random.draws(), 1);
        QCOMPARE(t.dialogs.messages(), QStringList{});
    }

    // The widest amounts the table can show are never cut off by their labels.
    void amountsFitTheirLabels() {
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        const struct {
            ui::Label* label;
            const char* widest;
        } amounts[] = {{table->lblMoney, "Money: $-32768"}, {table->lblBet, "Bet: $19998"}};
        for (const auto& a : amounts) {
            const QFontMetrics metrics(a.label->font());
            QVERIFY2(metrics.horizontalAdvance(a.widest) + a.label->indent() <= a.label->width(),
                     a.widest);
            QVERIFY(metrics.height() <= a.label->height());
        }
    }

    void deckBackIsChosenWithUnevenWeights_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("picture");
        QTest::newRow("zero joins the plain back") << 0.0f << "\\Graphics\\Back.GIF";
        QTest::newRow("just below the half") << 0.49f << "\\Graphics\\Back.GIF";
        QTest::newRow("exact half rounds to even") << 0.5f << "\\Graphics\\BackDeath.GIF";
        QTest::newRow("middle") << 0.7f << "\\Graphics\\BackDeath.GIF";
        QTest::newRow("five sixths rounds to 2") << float(2.5 / 3) << "\\Graphics\\BackDeath.GIF";
        QTest::newRow("top") << 0.9f << "\\Graphics\\BackLove.GIF";
    }
    void deckBackIsChosenWithUnevenWeights() {
        QFETCH(float, r);
        QFETCH(QString, picture);
        TestGame t;
        auto* table = casino::sitDown(t, 100, 1, r);
        QCOMPARE(casino::shownPicture(t, table->imgDeck), picture);
        QCOMPARE(t.random.reseeds(), 1);
        // Whatever the pile shows, the dealer's hidden card shows the plain back.
        casino::dealCards(t, table, "10", casino::LosingHand);
        QCOMPARE(casino::shownPicture(t, table->DCard(1)), QStringLiteral("\\Graphics\\Back.GIF"));
    }

    void refusedBets_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("betAfter");

        QTest::newRow("cancelled") << 100 << ""
                                   << "You haven't made a bet." << 0;
        QTest::newRow("five digits") << 100 << "00050"
                                     << "Not a valid bet." << 0;
        QTest::newRow("12345") << 20000 << "12345"
                               << "Not a valid bet." << 0;
        QTest::newRow("leading blank") << 100 << " 50"
                                       << "Not a valid bet." << 0;
        QTest::newRow("decimal") << 100 << "5.0"
                                 << "Not a valid bet." << 0;
        QTest::newRow("minus") << 100 << "-5"
                               << "Not a valid bet." << 0;
        QTest::newRow("plus") << 100 << "+5"
                              << "Not a valid bet." << 0;
        QTest::newRow("letter") << 100 << "5a"
                                << "Not a valid bet." << 0;
        QTest::newRow("arabic-indic digit")
            << 100 << QString(QChar(0x0665)) << "Not a valid bet." << 0;
        QTest::newRow("fullwidth digit")
            << 100 << QString(QChar(0xFF15)) << "Not a valid bet." << 0;
        QTest::newRow("long and not digits") << 100 << "5a5a5a"
                                             << "Not a valid bet." << 0;
        QTest::newRow("too much") << 9998 << "9999"
                                  << "Sorry, you don't have that much money." << 9999;
        QTest::newRow("zero") << 100 << "0"
                              << "... Not valid." << 0;
        QTest::newRow("four zeros") << 100 << "0000"
                                    << "... Not valid." << 0;
    }
    void refusedBets() {
        QFETCH(int, money);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, betAfter);
        TestGame t;
        auto* table = casino::sitDown(t, money);
        const QByteArray savedBefore = t.bytes(game::CurrentMoneyFile);
        t.dialogs.answerInput(typed);
        TestGame::click(table->cmdDeal);

        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(t.dialogs.inputBoxes()[0].prompt, QStringLiteral("How much will you be betting?"));
        QCOMPARE(t.dialogs.inputBoxes()[0].title, QStringLiteral("Place your bet!"));
        QCOMPARE(t.dialogs.takeMessages(), QStringList{message});
        QCOMPARE(table->betText(), typed);
        QVERIFY(!table->betValid());
        QCOMPARE(int{table->money()}, money);
        QCOMPARE(int{table->bet()}, betAfter);
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(money));
        QCOMPARE(table->lblBet->caption(), QString());
        QVERIFY(casino::stateMismatch(table, State::Betting).isEmpty());
        QCOMPARE(t.random.draws(), 1); // no cards drawn
        QCOMPARE(t.bytes(game::CurrentMoneyFile), savedBefore);
    }

    void acceptedBets_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("bet");
        QTest::addColumn<bool>("doubleDown");
        QTest::newRow("half") << 100 << "50" << 50 << 50 << true;
        QTest::newRow("just over half") << 100 << "51" << 49 << 51 << false;
        QTest::newRow("everything") << 100 << "100" << 0 << 100 << false;
        QTest::newRow("leading zeros") << 100 << "0050" << 50 << 50 << true;
        QTest::newRow("largest bet") << 9999 << "9999" << 0 << 9999 << false;
        QTest::newRow("large purse") << 30000 << "9999" << 20001 << 9999 << true;
    }
    void acceptedBets() {
        QFETCH(int, money);
        QFETCH(QString, typed);
        QFETCH(int, left);
        QFETCH(int, bet);
        QFETCH(bool, doubleDown);
        TestGame t;
        auto* table = casino::sitDown(t, money);
        const QByteArray savedBefore = t.bytes(game::CurrentMoneyFile);
        casino::dealCards(t, table, typed, {S(1), H(13), D(5), C(6)});

        QCOMPARE(t.dialogs.takeMessages(), QStringList{});
        QVERIFY(table->betValid());
        QCOMPARE(int{table->money()}, left);
        QCOMPARE(int{table->bet()}, bet);
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(left));
        QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $%1").arg(bet));
        const QString mismatch = casino::stateMismatch(table, State::PlayersTurn, doubleDown);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

        // Two cards up for the player, the hole card down and the dealer's second card up; a
        // two-card 21 is not announced.
        QCOMPARE(casino::shownPicture(t, table->PCard(1)), casino::facePicture(S(1)));
        QCOMPARE(casino::shownPicture(t, table->PCard(2)), casino::facePicture(H(13)));
        QCOMPARE(casino::shownPicture(t, table->DCard(1)), QStringLiteral("\\Graphics\\Back.GIF"));
        QCOMPARE(casino::shownPicture(t, table->DCard(2)), casino::facePicture(C(6)));
        QCOMPARE(table->hand().DealerRanks(1), std::int16_t(5));
        for (int k = 3; k <= 6; ++k)
            QVERIFY(!table->PCard(k)->hasPicture());
        QVERIFY(!table->picStatus->isVisibleTo(table));
        QCOMPARE(table->hand().NextCard, std::int16_t(5));
        QCOMPARE(table->hand().NextPlayerSlot, std::int16_t(3));
        QCOMPARE(table->hand().NextDealerSlot, std::int16_t(3));
        QVERIFY(t.random.scriptUsedUp());
        QCOMPARE(t.random.drawsWithoutReseed(), 0);
        // The stake is not saved at the deal.
        QCOMPARE(t.bytes(game::CurrentMoneyFile), savedBefore);
    }

    void aSecondClickWhileTheBetBoxIsOpenIsIgnored() {
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        t.dialogs.whileOpen = [&] {
            table->cmdDeal->click();
            // The window's close button waits until the box is answered.
            t.screens().closeButtonPressed(ScreenId::Test);
        };
        casino::dealCards(t, table, "10", casino::LosingHand);
        t.dialogs.whileOpen = nullptr;
        QVERIFY(!t.screens().hasEnded());
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(table->money(), std::int16_t(90));
        QCOMPARE(t.random.draws(), 13);
    }

    void resetClearsTheTableForTheNextBet() {
        TestGame t;
        auto* table = casino::sitDown(t, 100);
        casino::dealCards(t, table, "40", casino::LosingHand);
        TestGame::click(table->cmdStand);
        QCOMPARE(table->money(), std::int16_t(60));
        TestGame::click(table->cmdReset);

        QVERIFY2(casino::stateMismatch(table, State::Betting).isEmpty(),
                 qPrintable(casino::stateMismatch(table, State::Betting)));
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $60"));
        QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $0"));
        QVERIFY(table->hand().PlayerRanks == engine::Ranks{});
        QVERIFY(table->hand().DealerRanks == engine::Ranks{});
        QCOMPARE(table->hand().PlayerTotal, std::int16_t(0));
        QCOMPARE(table->hand().NextCard, std::int16_t(0));
        QVERIFY(!table->betValid());
        // The empty slots of the next hand show the empty-slot picture.
        casino::dealCards(t, table, "10", casino::LosingHand);
        for (int k = 3; k <= 6; ++k) {
            QCOMPARE(casino::shownPicture(t, table->PCard(k)),
                     QStringLiteral("\\Graphics\\None.GIF"));
            QCOMPARE(casino::shownPicture(t, table->DCard(k)),
                     QStringLiteral("\\Graphics\\None.GIF"));
        }
        QCOMPARE(t.dialogs.messages(), QStringList{});
    }

    void resetWithOneDollarLeftStays() {
        TestGame t;
        auto* table = casino::sitDown(t, 11);
        casino::dealCards(t, table, "10", casino::LosingHand);
        TestGame::click(table->cmdStand);
        TestGame::click(table->cmdReset);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QVERIFY(casino::stateMismatch(table, State::Betting).isEmpty());
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $1"));
        QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $0"));
    }
};

QTEST_MAIN(TableTest)
#include "table_test.moc"
