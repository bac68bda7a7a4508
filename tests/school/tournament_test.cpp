// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "school/SchoolScreen.h"
#include "support/CasinoHelpers.h"
#include "support/SchoolHelpers.h"

#include <QTest>

using school::TournamentTable;
using ui::ScreenId;

namespace {

const auto record = [](int value) { return QByteArray::number(value) + "\r\n"; };

// The table as its load step leaves it: Start and Quit offered, nothing dealt.
void verifyReady(const TournamentTable* table) {
    QCOMPARE(table->lblRounds->caption(), QString());
    QVERIFY(table->cmdStart->isVisible() && table->picQuit->isVisible());
    QVERIFY(!table->cmdContinue->isVisible() && !table->picStatus->isVisible());
}

} // namespace

// A whole tournament: the money in hand before, the hands (letters as in tournament::playHand),
// the round each deal shows, the money in hand after, and the prize message (none: no prize).
struct Run {
    int money;
    QString hands, rounds;
    int paidTo;
    QString prize;
};
Q_DECLARE_METATYPE(Run)

// The school's hall and its tournament: five unwagered rounds, a draw dealt again under the same
// number, a loss or a bust ending the run, the $200 prize paid into both money files.
class TournamentTest : public QObject {
    Q_OBJECT

  private slots:
    // The description follows the pointer: shown over the picture, kept over the label and the
    // quit picture, cleared over the bare hall. The hall is only hidden when left; its picture
    // opens the table, whose Quit is gone once the first hand is dealt.
    void hall() {
        TestGame t;
        auto* hall = t.open<school::SchoolScreen>(ScreenId::School);
        QVERIFY(hall);
        // The words are heard whole in the keyboard flow; here, where they are shown.
        const QPoint tour = hall->imgTour->geometry().center(), bare(300, 300);
        const QPoint label = hall->lblDesc->geometry().center();
        const QPoint quit = hall->imgQuit->geometry().center();
        const QPoint moves[] = {label, tour, label, quit, bare, quit, tour};
        const bool described[] = {false, true, true, true, false, false, true};
        for (int i = 0; i < 7; ++i) {
            TestGame::movePointer(hall, moves[i]);
            QCOMPARE(hall->lblDesc->caption().startsWith("Win 5 rounds"), described[i]);
        }
        TestGame::click(hall->imgQuit);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.open<school::SchoolScreen>(ScreenId::School), hall);
        QVERIFY(hall->lblDesc->caption().startsWith("Win 5 rounds"));
        auto* table = tournament::enter(t); // by a click on the picture
        QVERIFY(table);

        t.random.dealingRanks({2, 1, 12, 13});
        TestGame::click(table->cmdStart);
        QCOMPARE(casino::shownPicture(t, table->DCard(1)), "\\Graphics\\Back.GIF");
        QVERIFY(!table->picQuit->isVisible() && !table->cmdStart->isVisible());
        table->picQuit->click(); // a click that reaches the hidden picture anyway
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Tournament));
    }

    void tournaments_data() {
        QTest::addColumn<Run>("run");
        const QString paid = "Here's your $200.";
        QTest::newRow("five wins") << Run{100, "WWWWW", "12345", 300, paid};
        QTest::newRow("draw in round 5") << Run{100, "WWWWDW", "123455", 300, paid};
        QTest::newRow("loss in round 5") << Run{100, "WWWWL", "12345", 100, {}};
        QTest::newRow("bust in round 2") << Run{100, "WB", "12", 100, {}};
        QTest::newRow("sixth card passes round 5") << Run{100, "WWWW6", "12345", 300, paid};
        QTest::newRow("sixth card busts") << Run{100, "WX", "12", 100, {}};
        QTest::newRow("no cap at 9999") << Run{9949, "WWWWW", "12345", 10149, paid};
        QTest::newRow("in debt") << Run{-500, "WWWWW", "12345", -300, paid};
        QTest::newRow("just fits") << Run{32567, "WWWWW", "12345", 32767, paid};
        const QString capped = "Your purse can't hold more than $32767, so you receive $167.";
        QTest::newRow("capped near the top") << Run{32600, "WWWWW", "12345", 32767, capped};
    }
    void tournaments() {
        QFETCH(Run, run);
        const auto [money, hands, rounds, paidTo, prize] = run;
        TestGame t;
        t.setCurrentGame(1, money, 40);
        auto* table = tournament::enter(t);
        QVERIFY(table);
        verifyReady(table);
        for (qsizetype i = 0; i < hands.size(); ++i) {
            const char hand = hands[i].toLatin1();
            QStringList expected;
            if (i > 0) expected << "Alright, next round!";
            if (!tournament::toldAtEnd(hand).isEmpty()) expected << tournament::toldAtEnd(hand);
            QCOMPARE(tournament::playHand(t, table, hand), expected);
            QCOMPARE(table->lblRounds->caption(), QStringLiteral("Round #") + rounds[i]);
            QVERIFY(table->picStatus->isVisible());
            QCOMPARE(casino::shownPicture(t, table->picStatus), tournament::statusPicture(hand));
            QVERIFY(!table->cmdHit->isVisible() && !table->picQuit->isVisible());
            // A hand that ends on a hit never turns up the dealer's hole card.
            if (QStringLiteral("B6X").contains(hands[i]))
                QCOMPARE(casino::shownPicture(t, table->DCard(1)), "\\Graphics\\Back.GIF");
            QCOMPARE(t.bytes(game::CurrentMoneyFile), record(money)); // nothing paid in play
        }

        TestGame::click(table->cmdContinue);
        QStringList end = tournament::prizeMessages();
        end.replace(1, prize);
        QCOMPARE(t.dialogs.takeMessages(), prize.isEmpty() ? end.mid(2) : end);
        QCOMPARE(t.bytes(game::CurrentMoneyFile), record(paidTo));
        QCOMPARE(t.bytes("\\Files\\Slot1\\Money.txt"), record(paidTo));
        // Back in the hall, with the table loaded afresh behind it.
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::School));
        auto* fresh = tournament::enter(t);
        QVERIFY(fresh);
        verifyReady(fresh);
    }
};

QTEST_MAIN(TournamentTest)
#include "tournament_test.moc"
