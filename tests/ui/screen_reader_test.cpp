// What a screen reader finds at the table after a deal: every shown control named for what it
// is and nothing empty read out; then each new card and the hand's end as they come.
#include "CasinoHelpers.h"
#include "ui/Accessibility.h"

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
    void tableAfterADealtHand() {
        QStringList heard;
        ui::setAnnouncementListener([&](QWidget* control) {
            heard << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        });
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

        heard.clear();
        TestGame::click(table->cmdHit);
        TestGame::click(table->cmdStand);
        QCOMPARE(heard, QStringList({"King of Clubs", "Nine of Diamonds", "You lose"}));
        TestGame::click(table->cmdReset);
        QCOMPARE(heard.mid(3), QStringList({"Bet: $0"}));
        ui::setAnnouncementListener(nullptr);
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
