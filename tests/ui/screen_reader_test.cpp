// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// What a screen reader finds at the table after a deal: every shown control named for what it
// is and nothing empty read out; then what it is told of whole hands, as they are played.
#include "CasinoHelpers.h"
#include "ui/Language.h"

#include <QAccessible>
#include <QTest>

using namespace casino;

namespace {

// The tree under an object as "role: name" lines, without what a reader leaves out.
void walk(QAccessibleInterface* node, QStringList& out) {
    const QMap<QAccessible::Role, QString> roles = {{QAccessible::Graphic, "picture"},
                                                    {QAccessible::Button, "button"},
                                                    {QAccessible::StaticText, "text"}};
    for (int k = 0; k < node->childCount(); ++k) {
        QAccessibleInterface* child = node->child(k);
        if (child->state().invisible) continue;
        out << roles.value(child->role()) + ": " + child->text(QAccessible::Name);
        walk(child, out);
    }
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ui::useLanguage("en"); }

    void tableAfterADealtHand() {
        TestGame t;
        auto* table = sitDown(t, 500);
        dealCards(t, table, "100", {S(2), H(3), D(9), S(12), C(13)});
        QStringList tree;
        walk(QAccessible::queryAccessibleInterface(table), tree);
        QCOMPARE(tree, QStringList({"button: Double Down", "picture: Player", "picture: Dealer",
                                    "picture: deck", "button: Stand", "button: Hit",
                                    "text: Bet: $100", "text: Money: $400",
                                    "picture: Two of Spades", "picture: Three of Hearts",
                                    "picture: face-down card", "picture: Queen of Spades"}));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(table->cmdHit)->text(QAccessible::Description),
            "Hit (H)");
    }

    // What a blind player hears of whole hands at the casino, from arriving to the reset: what
    // each click did, in one go, and the cash when the display shows it. Moves: H hit, S stand,
    // D double down. A row named "German" is played in German: each card named in the German
    // order, the dealer's draws listed as German lists them.
    void heardAtTheCasino_data() {
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QStringList>("heard");
        const QString dealt = "You have Two of Spades and Three of Hearts: 5. The dealer shows "
                              "Queen of Spades. Bet $100, cash $400.";
        QTest::newRow("hit, stand, lose")
            << QList{S(2), H(3), D(9), S(12), C(13)} << "HS"
            << QStringList{dealt, "You draw King of Clubs: 15.",
                           "The dealer turns up Nine of Diamonds: 19. You lose.",
                           "The table is clear. Cash $400."};
        QTest::newRow("the dealer draws three and busts")
            << QList{S(10), H(8), D(2), C(3), H(10), C(2), D(10)} << "S"
            << QStringList{"You have Ten of Spades and Eight of Hearts: 18. The dealer shows "
                           "Three of Clubs. Bet $100, cash $400.",
                           "The dealer turns up Two of Diamonds and draws Ten of Hearts, Two of "
                           "Clubs and Ten of Diamonds: 27. You win.",
                           "The table is clear. Cash $600."};
        QTest::newRow("double down, bust")
            << QList{S(10), H(6), D(10), C(8), S(13)} << "D"
            << QStringList{"You have Ten of Spades and Six of Hearts: 16. The dealer shows Eight "
                           "of Clubs. Bet $100, cash $400.",
                           "You double down: bet $200, cash $300. You draw King of Spades: 26, "
                           "over 21. The dealer turns up Ten of Diamonds: 18. Busted.",
                           "The table is clear. Cash $300."};
        QTest::newRow("a sixth card")
            << QList{S(2), H(3), D(10), C(8), S(3), H(2), C(2), D(2)} << "HHHH"
            << QStringList{QString(dealt).replace("Queen of Spades", "Eight of Clubs"),
                           "You draw Three of Spades: 8.", "You draw Two of Hearts: 10.",
                           "You draw Two of Clubs: 12.",
                           "You draw Two of Diamonds, a sixth card: 14. You win.",
                           "The table is clear. Cash $600."};
        QTest::newRow("German: hit, stand, the dealer draws three")
            << QList{S(2), H(3), D(2), C(3), C(13), H(10), C(2), D(10)} << "HS"
            << QStringList{"Du hast Pik-Zwei und Herz-Drei: 5. Der Croupier zeigt Kreuz-Drei. "
                           "Einsatz 100 $, Bargeld 400 $.",
                           "Du bekommst Kreuz-König: 15.",
                           "Der Croupier deckt Karo-Zwei auf und zieht Herz-Zehn, Kreuz-Zwei und "
                           "Karo-Zehn: 27. Gewonnen.",
                           "Der Tisch ist abgeräumt. Bargeld 600 $."};
    }
    void heardAtTheCasino() {
        QFETCH(QList<int>, cards);
        QFETCH(QString, moves);
        QFETCH(QStringList, heard);
        const bool german = QByteArrayView(QTest::currentDataTag()).startsWith("German");
        ui::useLanguage(german ? "de" : "en");
        TestGame t;
        auto* table = sitDown(t, 500);
        QCOMPARE(t.heard(), QStringList{german ? "Bargeld 500 $." : "Cash $500."});
        t.heard().clear();
        dealCards(t, table, "100", cards);
        for (QChar move : moves)
            TestGame::click(move == 'H' ? table->cmdHit : move == 'S' ? table->cmdStand : table->cmdDD);
        TestGame::click(table->cmdReset);
        QCOMPARE(t.heard(), heard);
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
