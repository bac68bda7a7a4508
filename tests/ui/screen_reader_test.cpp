// What a screen reader finds: every shown control of the table named for what it is, nothing
// empty read out, each new card and the hand's end announced, long names read whole.
#include "CasinoHelpers.h"
#include "bank/BankScreen.h"
#include "game/SlotScreen.h"
#include "game/StartScreen.h"
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QTest>

using namespace casino;
using ui::ScreenId;

namespace {

QString roleWord(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Graphic:
        return QStringLiteral("picture");
    case QAccessible::Button:
        return QStringLiteral("button");
    case QAccessible::StaticText:
        return QStringLiteral("text");
    default:
        return QString::number(role);
    }
}

// The tree under an object as "role: name" lines, without what a reader leaves out.
void walk(QAccessibleInterface* node, QStringList& out) {
    for (int k = 0; k < node->childCount(); ++k) {
        QAccessibleInterface* child = node->child(k);
        if (!child || child->state().invisible) continue;
        out << roleWord(child->role()) + QStringLiteral(": ") + child->text(QAccessible::Name);
        walk(child, out);
    }
}

QStringList heard;

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ui::setAnnouncementListener([](QWidget* control) {
            heard << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        });
    }

    void tableAfterADealtHand() {
        TestGame t;
        auto* table = sitDown(t, 500);
        dealCards(t, table, "100", {S(2), H(3), D(9), S(12), C(13)});
        QStringList tree;
        walk(QAccessible::queryAccessibleInterface(table), tree);
        QCOMPARE(tree, QStringList({"button: Double Down", "picture: Player",
                                    "picture: Dealer", "picture: deck", "button: Stand",
                                    "button: Hit", "text: Bet: $100", "text: Money: $400",
                                    "picture: Two of Spades", "picture: Three of Hearts",
                                    "picture: face-down card", "picture: Queen of Spades"}));

        QCOMPARE(QAccessible::queryAccessibleInterface(table->cmdHit)->text(QAccessible::Description),
                 "Hit (H)");

        // The hit card, the hole card turned, the result: each heard as it comes.
        heard.clear();
        TestGame::click(table->cmdHit);
        TestGame::click(table->cmdStand);
        QCOMPARE(heard, QStringList({"King of Clubs", "Nine of Diamonds", "You lose"}));
        heard.clear();
        TestGame::click(table->cmdReset);
        QVERIFY(heard.contains("Bet: $0"));
    }

    // A long name is cut with "…" where it meets the edge, read and shown whole in its tooltip,
    // and saved as typed.
    void longNamesElided() {
        const QString name = QStringLiteral("Ann With A Fairly Long Name Indeed");
        TestGame t;
        t.setCurrentGame(1, 100, 0, name);
        t.start();
        TestGame::click(t.screens().screenAs<game::StartScreen>(ScreenId::Start)->picContinue);
        auto* chooser = t.screens().screenAs<game::SlotScreen>(ScreenId::ContinueGame);
        auto* bank = t.open<bank::BankScreen>(ScreenId::Bank);
        for (ui::Label* label : {chooser->lblSlot1Name, bank->lblMoney}) {
            const QString firstLine = label->text().section(QLatin1Char('\n'), 0, 0);
            QVERIFY2(firstLine.endsWith(QChar(0x2026)), qPrintable(firstLine));
            QVERIFY(label->fontMetrics().horizontalAdvance(firstLine) <= label->width());
            QVERIFY(label->caption().contains(name));
            QCOMPARE(label->toolTip(), label->caption());
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                     label->caption());
        }
        QCOMPARE(chooser->lblSlot1Money->toolTip(), QString());
        QCOMPARE(t.bytes("\\Files\\Slot1\\Name.txt"), "\"" + name.toLatin1() + "\"\r\n");
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
