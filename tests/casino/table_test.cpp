// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "CasinoHelpers.h"

#include <QTest>

using namespace casino;
using ui::ScreenId;

// What the table looked like each time it was painted, with the cash saved at that moment.
class Frames : public QObject {
  public:
    Frames(const TestGame& t, CasinoTable* table) : t_(t), table_(table) {
        // Nothing is painted before the window system has put the window on screen.
        QVERIFY(QTest::qWaitForWindowExposed(table->window()));
        before = now();
        table->installEventFilter(this);
    }
    QString now() const {
        return shownPicture(t_, table_->picStatus) + ' ' + shownPicture(t_, table_->DCard(1)) +
               ' ' + shownControls(table_);
    }
    QString before;
    // Each new look of the table, with the cash saved when it was first painted; the table as it
    // was before the click left out.
    QStringList painted;

  private:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && now() != before) {
            before = now();
            painted << now() + " $" + t_.bytes(game::CurrentMoneyFile).trimmed();
        }
        return false;
    }
    const TestGame& t_;
    CasinoTable* table_;
};

// A whole hand: the cards in draw order, the moves, the cards the dealer draws, the result's
// picture and the cash saved, from the cash before and the bet.
struct Hand {
    QList<int> cards;
    QString moves;
    int draws;
    QString picture;
    int settled, money = 500, stake = 100;
};
Q_DECLARE_METATYPE(Hand)

class TableTest : public QObject {
    Q_OBJECT
  private slots:
    // The bet box, its refusals in their order, and what an accepted bet deals.
    void bets_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("doubleDown");
        auto row = [](const char* name, int money, const char* typed, const char* refusal,
                      bool doubleDown = false) {
            QTest::newRow(name) << money << QString(typed) << QString(refusal) << doubleDown;
        };
        const char* invalid = "Not a valid bet.";
        row("cancelled", 100, "", "You haven't made a bet.");
        row("five digits", 100, "00050", invalid);
        row("leading blank", 100, " 50", invalid);
        row("minus", 100, "-5", invalid);
        row("letter", 100, "5a", invalid);
        row("slash, next below 0", 100, "5/", invalid);
        row("colon, next above 9", 100, ":5", invalid);
        row("another script's digit", 100, "\u0665", invalid);
        row("more than the cash", 9998, "9999", "Sorry, you don't have that much money.");
        row("zero", 100, "0", "... Not valid.");
        row("half the cash", 100, "50", "", true);
        row("leading zeros", 100, "0050", "", true);
        row("a dollar short of doubling", 101, "51", "");
        row("all the cash", 100, "100", "");
        row("four digits", 9999, "9999", "");
    }
    void bets() {
        QFETCH(int, money);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(bool, doubleDown);
        TestGame t;
        auto* table = sitDown(t, money, 1, 0.9f);
        QCOMPARE(shownPicture(t, table->imgDeck), "\\Graphics\\BackLove.GIF");
        dealCards(t, table, typed, {S(1), H(13), D(5), C(6)});
        QCOMPARE(t.dialogs.messages(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
        QCOMPARE(t.bytes(game::CurrentMoneyFile),
                 QByteArray::number(money) + "\r\n"); // the deal saves nothing
        if (!refusal.isEmpty()) {
            QCOMPARE(shownControls(table), "cmdDeal picQuit");
            QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(money));
            QCOMPARE(table->lblBet->caption(), QString());
            return;
        }
        const int bet = typed.toInt();
        QCOMPARE(shownControls(table),
                 doubleDown ? "cmdHit cmdStand cmdDD 12 cards" : "cmdHit cmdStand 12 cards");
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(money - bet));
        QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $%1").arg(bet));
        // The hole card shows the plain back whatever the pile shows.
        QCOMPARE(shownPicture(t, table->DCard(1)), "\\Graphics\\Back.GIF");
    }

    // Whole hands in slot 2. Moves: H hit, S stand, D double down. The cards are in draw order:
    // the player's two, the dealer's hole card and open card, then as called for.
    void hands_data() {
        QTest::addColumn<Hand>("hand");
        auto row = [](const char* name, Hand hand) { QTest::newRow(name) << hand; };
        const QList<int> win = {S(10), H(9), D(10), C(8)}, draw = {S(10), H(9), D(10), C(9)};
        const QList<int> five = {S(2), H(2), D(10), C(8), S(3), H(3), C(2)};
        row("dealer busts", {{S(10), H(8), D(6), C(10), S(9)}, "S", 1, "Win", 600});
        row("higher total", {win, "S", 0, "Win", 600});
        row("lower total", {LosingHand, "S", 0, "Lose", 400});
        row("equal totals", {draw, "S", 0, "Draw", 500});
        row("bust on a hit", {{S(10), H(6), D(10), C(8), S(13)}, "H", 0, "Busted", 400});
        row("doubled win", {{S(5), H(6), D(10), C(8), S(10)}, "D", 0, "Win", 700});
        row("doubled draw", {{S(5), H(6), D(10), C(9), S(8)}, "D", 0, "Draw", 500});
        row("doubled loss", {{S(5), H(6), D(10), C(9), S(2)}, "D", 0, "Lose", 300});
        row("doubled after a hit", {{S(2), H(3), D(10), C(8), S(4), H(9)}, "HD", 0, "Draw", 500});
        row("doubled bust, dealer lower",
            {{S(10), H(6), D(10), C(8), S(13)}, "D", 0, "Busted", 300});
        row("doubled bust, dealer 25",
            {{S(10), H(2), D(10), C(6), S(13), H(9)}, "D", 1, "Lose", 300});
        row("doubled with all the cash",
            {{S(5), H(6), D(10), C(9), S(2)}, "D", 0, "Lose", 0, 100, 50});
        row("sixth card", {five + QList{D(2)}, "HHHH", 0, "Win", 600});
        row("sixth card busts", {five + QList{D(13)}, "HHHH", 0, "Busted", 400});
        row("sixth card doubled, paid once", {five + QList{D(5)}, "HHHD", 0, "Lose", 300});
        row("sixth card doubled, drawn by both",
            {{S(2), H(2), D(10), C(7), S(3), H(3), C(2), D(5)}, "HHHD", 1, "Win", 700});
        row("sixth card capped", {five + QList{D(2)}, "HHHH", 0, "Win", 9999, 9999, 9999});
        row("win capped", {win, "S", 0, "Win", 9999, 9999, 9999});
        row("draw at the cap", {draw, "S", 0, "Draw", 9999, 9999, 9999});
        row("win from above the cap", {win, "S", 0, "Win", 9999, 10149});
        row("one dollar left", {LosingHand, "S", 0, "Lose", 1, 11, 10});
        row("draw to the top of the purse", {draw, "S", 0, "Draw", 32767, 32767, 9999});
    }
    void hands() {
        QFETCH(Hand, hand);
        const auto& [cards, moves, draws, picture, settled, money, stake] = hand;
        TestGame t;
        auto* table = sitDown(t, money, 2);
        dealCards(t, table, QString::number(stake), cards);
        std::optional<Frames> frames;
        for (qsizetype k = 0; k < moves.size(); ++k) {
            if (k == moves.size() - 1) frames.emplace(t, table);
            TestGame::click(moves[k] == 'H'   ? table->cmdHit
                            : moves[k] == 'S' ? table->cmdStand
                                              : table->cmdDD);
        }
        // The click that ends the hand shows all its steps at once, in one frame, then saves. (The
        // button pressed and released is painted first, over the table as it was.)
        QCOMPARE(frames->painted, QStringList{frames->now() + " $" + QString::number(money)});

        QCOMPARE(shownPicture(t, table->picStatus), "\\Graphics\\" + picture + ".GIF");
        QCOMPARE(shownControls(table), "cmdReset picStatus 12 cards");
        QCOMPARE(t.bytes(game::CurrentMoneyFile), QByteArray::number(settled) + "\r\n");
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), QByteArray::number(settled) + "\r\n");
        QCOMPARE(t.dialogs.messages(), QStringList{});
        // Faces where they fell: the player holds drawn cards 1, 2, 5...; the hole card is turned
        // up when the dealer plays, whose draws follow the player's (a sixth card goes to both).
        const int hits = int(moves.count('H') + moves.count('D'));
        for (int k = 1; k <= 2 + hits; ++k)
            QCOMPARE(shownPicture(t, table->PCard(k)), facePicture(cards[k <= 2 ? k - 1 : k + 1]));
        QCOMPARE(shownPicture(t, table->DCard(1)),
                 moves.endsWith('H') ? "\\Graphics\\Back.GIF" : facePicture(cards[2]));
        for (int k = 2; k <= 6; ++k)
            QCOMPARE(shownPicture(t, table->DCard(k)),
                     k == 2          ? facePicture(cards[3])
                     : k < 3 + draws ? facePicture(cards[std::min(hits, 3) + k + 1])
                                     : QString());
        // The labels keep the deal's (or double down's) amounts until the reset.
        const int staked = moves.contains('D') ? 2 * stake : stake;
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(money - staked));
        QCOMPARE(table->lblBet->caption(), QStringLiteral("Bet: $%1").arg(staked));
        if (settled == 0) return; // the reset sends the player away: see turnedAway

        TestGame::click(table->cmdReset);
        QCOMPARE(shownControls(table), "cmdDeal picQuit");
        QCOMPARE(table->lblMoney->caption(), QStringLiteral("Money: $%1").arg(settled));
        QCOMPARE(table->lblBet->caption(), "Bet: $0");
        // Any cash keeps the player at the table, and a bet of $1 is taken on a cleared table.
        dealCards(t, table, "1", LosingHand);
        QCOMPARE(shownControls(table).left(15), "cmdHit cmdStand");
        QCOMPARE(shownPicture(t, table->PCard(3)), "\\Graphics\\None.GIF");
        QCOMPARE(shownPicture(t, table->DCard(6)), "\\Graphics\\None.GIF");
    }

    // Turned away without cash. Moves: D deal with a bet of 10, S stand, H hit, R reset, P the
    // pointer over the bare felt, 5 and 0 bets refused.
    void turnedAway_data() {
        QTest::addColumn<int>("money");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QStringList>("messages");
        const QStringList noMoney = {"Sorry, but you have no money on you.",
                                     "Please come back when you have money."};
        const QStringList ranOut = {"Oh, looks like you ran out of money!",
                                    "Better luck next time."};
        QTest::newRow("arriving without cash") << 0 << "P" << noMoney;
        QTest::newRow("last dollar lost at the stand") << 10 << "DSP" << noMoney;
        QTest::newRow("last dollar lost, reset") << 10 << "DSR" << ranOut;
        QTest::newRow("busted: the bet on the table") << 10 << "DHPR" << ranOut;
        QTest::newRow("a refused bet on the table")
            << 0 << "5P0P"
            << QStringList{"Sorry, you don't have that much money.", "... Not valid."} + noMoney;
    }
    void turnedAway() {
        QFETCH(int, money);
        QFETCH(QString, moves);
        QFETCH(QStringList, messages);
        TestGame t;
        auto* table = sitDown(t, money);
        for (QChar move : moves)
            if (move == 'D')
                dealCards(t, table, "10", QList<int>(LosingHand) + QList{H(9)});
            else if (move.isDigit()) // a bet refused before any card is drawn
                dealCards(t, table, move, {});
            else if (move == 'P')
                TestGame::movePointer(table, {530, 190}); // where the hidden Hit button lies
            else
                TestGame::click(move == 'S'   ? table->cmdStand
                                : move == 'H' ? table->cmdHit
                                              : table->cmdReset);
        QCOMPARE(t.dialogs.messages(), messages);
        QCoreApplication::processEvents();
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }

    // One visit: clicks made while the bet box is open wait for it; each hand saves the current
    // game's file and the slot that CurrentSlot.txt names at that moment (a slot file naming no
    // slot is walked in damaged_files_test); leaving and coming back starts from the saved cash;
    // the window's close button during a hand asks first, and the stake stays lost when the
    // player goes.
    void aVisit() {
        TestGame t;
        auto* table = sitDown(t, 100, 2);
        bool once = true;
        t.dialogs.whileOpen = [&] {
            if (!std::exchange(once, false)) return;
            table->cmdDeal->click();
            t.screens().closeButtonPressed(ScreenId::Test);
        };
        dealCards(t, table, "40", LosingHand);
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        t.dialogs.answerConfirm(false);
        t.screens().closeButtonPressed(ScreenId::Test);
        QCOMPARE(t.dialogs.questions(),
                 QStringList{"Leave the table now? Your bet of $40 is lost."});
        QVERIFY(!t.screens().hasEnded());
        TestGame::click(table->cmdStand);
        QCOMPARE(t.bytes(game::CurrentMoneyFile), "60\r\n");
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), "60\r\n");

        t.writeInteger(game::CurrentSlotFile, 3);
        TestGame::click(table->cmdReset);
        dealCards(t, table, "10", LosingHand);
        TestGame::click(table->cmdStand);
        QCOMPARE(t.bytes("\\Files\\Slot3\\Money.txt"), "50\r\n");
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), "60\r\n");

        TestGame::click(table->cmdReset);
        TestGame::click(table->picQuit);
        QCoreApplication::processEvents();
        QVERIFY(!t.screens().isLoaded(ScreenId::Test));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        table = t.open<CasinoTable>(ScreenId::Test);
        QCOMPARE(table->lblMoney->caption(), "Money: $50");
        dealCards(t, table, "15", LosingHand);
        t.dialogs.answerConfirm(true);
        t.screens().closeButtonPressed(ScreenId::Test);
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(t.bytes(game::CurrentMoneyFile), "35\r\n");
        QCOMPARE(t.bytes("\\Files\\Slot3\\Money.txt"), "35\r\n");
    }

    // Between hands the close button ends the game at once: nothing is at stake, nothing asked.
    void closingBetweenHands() {
        TestGame t;
        auto* table = sitDown(t, 100, 2);
        dealCards(t, table, "40", LosingHand);
        TestGame::click(table->cmdStand);
        t.screens().closeButtonPressed(ScreenId::Test);
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(t.dialogs.questions(), QStringList{});
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), "60\r\n");
    }
};

QTEST_MAIN(TableTest)
#include "table_test.moc"
