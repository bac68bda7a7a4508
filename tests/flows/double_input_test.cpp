#include "CasinoHelpers.h"
#include "SchoolHelpers.h"
#include "TestGame.h"
#include "bank/BankScreen.h"
#include "game/ContinueGameScreen.h"
#include "game/NewGameScreen.h"
#include "game/StartScreen.h"
#include "town/HomeScreen.h"
#include "town/LocationsScreen.h"
#include "town/SleepDialog.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using casino::C;
using casino::CasinoTable;
using casino::D;
using casino::H;
using casino::S;
using ui::ScreenId;

namespace {

// One click as the window system queues it: press and release, waiting for the event loop.
void postClick(QWidget* control) {
    const QPointF at = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(at);
    QCoreApplication::postEvent(control,
                                new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(control,
                                new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// Two clicks that both arrive before the game has run a single handler or repainted.
void doubleClick(QWidget* first, QWidget* second = nullptr) {
    postClick(first);
    postClick(second ? second : first);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A click that was queued behind a box and reaches its control even though the box's handler
// has hidden it meanwhile.
void clickBehindTheBox(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

template <typename T>
T* fromMainMenu(TestGame& t, ui::ImageButton* game::StartScreen::*button, ScreenId id) {
    t.start();
    TestGame::click(t.screens().screenAs<game::StartScreen>(ScreenId::Start)->*button);
    return t.screens().screenAs<T>(id);
}

} // namespace

// Fast and repeated input: two clicks delivered before the game can repaint, or a click that
// slips in while a box of the first is open, never act twice on one state: no second stake, no
// second payout, no second transfer, no second prize, no screen opened twice.
class DoubleInputTest : public QObject {
    Q_OBJECT
  private slots:
    void casinoButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<int>("cash");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("nextCard");
        const int turn = static_cast<int>(CasinoTable::State::PlayersTurn);
        const int over = static_cast<int>(CasinoTable::State::HandOver);
        // $500 in hand and a bet of $100 each time; a second deal would take $100 more.
        QTest::newRow("deal") << "cmdDeal" << QList<int>{S(10), H(7), D(9), C(9)} << 400 << 500
                              << turn << 5;
        // Two hits are two cards, each drawn card dealt once.
        QTest::newRow("hit, hit") << "cmdHit" << QList<int>{S(2), H(3), D(10), C(7), S(4), H(5)}
                                  << 400 << 500 << turn << 7;
        // The first hit busts; the second takes no card and saves nothing more.
        QTest::newRow("hit into a bust")
            << "cmdHit" << QList<int>{S(10), H(6), D(10), C(8), S(9)} << 400 << 400 << over << 6;
        // 19 against 18 pays $200 once, not twice.
        QTest::newRow("stand") << "cmdStand" << QList<int>{S(10), H(9), D(10), C(8)} << 600 << 600
                               << over << 5;
        // 21 against 18 on $200: doubled once, paid once.
        QTest::newRow("double down")
            << "cmdDD" << QList<int>{S(5), H(6), D(10), C(8), S(10)} << 700 << 700 << over << 6;
    }

    void casinoButtons() {
        QFETCH(QString, button);
        QFETCH(QList<int>, cards);
        QFETCH(int, cash);
        QFETCH(int, saved);
        QFETCH(int, state);
        QFETCH(int, nextCard);
        TestGame t;
        auto* table = casino::sitDown(t, 500, 2);
        t.random.dealing(std::vector<int>(cards.begin(), cards.end()));
        t.dialogs.answerInput(QStringLiteral("100")).answerInput(QStringLiteral("100"));
        if (button == QLatin1String("cmdDeal")) {
            doubleClick(table->cmdDeal);
        } else {
            TestGame::click(table->cmdDeal);
            doubleClick(table->findChild<QWidget*>(button));
        }
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QCOMPARE(int(table->money()), cash);
        QCOMPARE(static_cast<int>(table->state()), state);
        QCOMPARE(int(table->hand().NextCard), nextCard);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), saved);
        QCOMPARE(t.integer("\\Files\\Slot2\\Money.txt"), saved);
    }

    void dealWhileItsBetBoxIsOpen() {
        TestGame t;
        auto* table = casino::sitDown(t, 500);
        t.random.dealing({S(10), H(7), D(9), C(9)});
        t.dialogs.answerInput(QStringLiteral("100")).answerInput(QStringLiteral("100"));
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            clickBehindTheBox(table->cmdDeal);
        };
        TestGame::click(table->cmdDeal);
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(int(table->money()), 400);
        QCOMPARE(int(table->bet()), 100);
    }

    void bankOrders_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("cash");
        QTest::addColumn<int>("balance");
        // $500 in hand, $100 in the bank, 50 typed once.
        QTest::newRow("deposit, deposit") << "Deposit"
                                          << "Deposit" << 450 << 150;
        QTest::newRow("withdraw, withdraw") << "Withdraw"
                                            << "Withdraw" << 550 << 50;
        QTest::newRow("deposit, withdraw") << "Deposit"
                                           << "Withdraw" << 450 << 150;
    }

    void bankOrders() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, cash);
        QFETCH(int, balance);
        TestGame t;
        t.setCurrentGame(3, 500, 100);
        auto* bank = t.open<bank::BankScreen>(ScreenId::Bank);
        QTest::keyClicks(bank->txtInput, QStringLiteral("50"));
        auto button = [&](const QString& name) {
            return name == QLatin1String("Deposit") ? bank->cmdDeposit : bank->cmdWithdraw;
        };
        doubleClick(button(first), button(second));
        QCOMPARE(int(bank->Money), cash);
        QCOMPARE(int(bank->BankBalance), balance);
        // The wait ends, the bank is left: one transfer saved.
        bank->tmrWait->fire();
        TestGame::click(bank->imgQuit);
        QCOMPARE(t.integer("\\Files\\Slot3\\Money.txt"), cash);
        QCOMPARE(t.integer("\\Files\\Slot3\\Bank.txt"), balance);
        QCOMPARE(t.dialogs.messages(), QStringList{});
    }

    void go_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("place");
        QTest::newRow("Home") << 0 << static_cast<int>(ScreenId::Home);
        QTest::newRow("Casino") << 1 << static_cast<int>(ScreenId::Test);
        QTest::newRow("Vantrell") << 2 << static_cast<int>(ScreenId::School);
        QTest::newRow("Bank") << 3 << static_cast<int>(ScreenId::Bank);
    }

    void go() {
        QFETCH(int, row);
        QFETCH(int, place);
        TestGame t;
        t.setCurrentGame(1, 300, 0);
        auto* town = t.open<town::LocationsScreen>(ScreenId::Locations);
        town->lstLocations->setCurrentRow(row);
        doubleClick(town->imgGo);
        QCOMPARE(t.screens().visibleScreen(), std::optional(static_cast<ScreenId>(place)));
        QVERIFY(!t.screens().isVisible(ScreenId::Locations));
        QCOMPARE(t.dialogs.messages(), QStringList{});
        // The casino draws its deck back once for every time it opens.
        if (place == static_cast<int>(ScreenId::Test)) QCOMPARE(t.random.draws(), 1);
    }

    void select_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void select() {
        QFETCH(bool, yes);
        TestGame t;
        t.setCurrentGame(2, 350, 1200, "Ann");
        t.screens().show(ScreenId::Locations);
        auto* home = t.open<town::HomeScreen>(ScreenId::Home);
        t.screens().hide(ScreenId::Locations);
        TestGame::click(home->imgSleep);
        auto* sleep = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
        QVERIFY(sleep);
        TestGame::click(yes ? sleep->optYes : sleep->optNo);
        doubleClick(sleep->cmdSelect);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QVERIFY(!t.screens().isLoaded(ScreenId::frmQuit));
        QCOMPARE(t.screens().hasEnded(), yes);
        if (yes) {
            QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 0);
        } else {
            QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Home));
        }
        QCOMPARE(t.integer("\\Files\\Slot2\\Money.txt"), 350);
    }

    void selectWithoutAnAnswerWhileItsMessageIsOpen() {
        TestGame t;
        t.setCurrentGame(2, 350, 1200, "Ann");
        t.screens().show(ScreenId::Locations);
        auto* home = t.open<town::HomeScreen>(ScreenId::Home);
        TestGame::click(home->imgSleep);
        auto* sleep = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
        t.dialogs.whileOpen = [&] { clickBehindTheBox(sleep->cmdSelect); };
        TestGame::click(sleep->cmdSelect);
        QCOMPARE(t.dialogs.messages(), QStringList{QStringLiteral("Please choose Yes or No.")});
        QVERIFY(sleep->isVisible());
    }

    void tournamentContinue_data() {
        QTest::addColumn<bool>("behindTheBox");
        QTest::newRow("two clicks queued") << false;
        QTest::newRow("a click while the prize is announced") << true;
    }

    void tournamentContinue() {
        QFETCH(bool, behindTheBox);
        TestGame t;
        t.setCurrentGame(1, 100, 0);
        auto* table = tournament::enter(t);
        QVERIFY(table);
        for (int round = 1; round <= 5; ++round)
            tournament::playHand(t, table, 'W');
        t.dialogs.takeMessages();
        if (behindTheBox) {
            t.dialogs.whileOpen = [&] {
                t.dialogs.whileOpen = nullptr;
                clickBehindTheBox(table->cmdContinue);
            };
            TestGame::click(table->cmdContinue);
        } else {
            doubleClick(table->cmdContinue);
        }
        QCOMPARE(t.dialogs.messages(), tournament::prizeMessages());
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 300);
        QCOMPARE(t.integer("\\Files\\Slot1\\Money.txt"), 300);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::School));
    }

    void newGameSlot() {
        TestGame t;
        auto* screen =
            fromMainMenu<game::NewGameScreen>(t, &game::StartScreen::picStart, ScreenId::NewGame);
        QVERIFY(screen);
        t.dialogs.answerInput(QStringLiteral("Ann")).answerInput(QStringLiteral("Bob"));
        doubleClick(screen->frmSlot2);
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }

    void continueSlot() {
        TestGame t;
        t.setCurrentGame(3, 420, 80, "Cy");
        t.writeInteger("\\Files\\TempFiles\\CurrentSlot.txt", 0);
        auto* screen = fromMainMenu<game::ContinueGameScreen>(t, &game::StartScreen::picContinue,
                                                              ScreenId::ContinueGame);
        QVERIFY(screen);
        // The second click, on an empty slot, would answer "No Data Found" in the middle of town.
        doubleClick(screen->lblSlot3Name, screen->frmSlot1);
        QCOMPARE(t.dialogs.messages(), QStringList{});
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentSlot.txt"), 3);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentMoney.txt"), 420);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }
};

QTEST_MAIN(DoubleInputTest)
#include "double_input_test.moc"
