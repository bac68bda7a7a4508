// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// A whole evening of an impatient player, whose every click arrives twice before the game has
// run the first: a new game, four casino hands, the bank, the tournament, home, the window
// closed; then the next start, after a save cut short by a crash, and the same slot continued.
// No second click acts on a state the first has left: no second name asked, stake, card, payout,
// transfer, prize or slot chosen, no place opened twice.
#include "Flows.h"
#include "game/SaveFolders.h"

#include <QDir>

namespace {

// Two clicks, on a second control or the same one again, both queued before the game runs either.
void twice(QWidget* first, QWidget* second = nullptr) {
    for (QWidget* control : {first, second ? second : first})
        QMetaObject::invokeMethod(
            control, [control] { QTest::mouseClick(control, Qt::LeftButton); },
            Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class EveningTest : public QObject {
    Q_OBJECT
  private slots:
    void impatientEveningAndContinueNextTime() {
        TestGame t;
        const auto saved = [&](int money, int bank) {
            QCOMPARE(savedInSlot(t, 2), QList({money, money, bank, bank}));
        };
        // Every box answered once: a second box would be cancelled and counted.
        t.dialogs.answerInput(QStringLiteral("Ann"));
        twice(slotScreen(t, true)->frmSlot2);
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));
        saved(100, 0);

        t.random.queue(0.1f); // the casino's deck back, drawn once
        auto* town = t.screens().screenAs<town::LocationsScreen>(ScreenId::Locations);
        town->lstLocations->setCurrentRow(1);
        twice(town->imgGo);
        QCOMPARE(t.random.draws(), 1);
        auto* table = t.screens().screenAs<CasinoTable>(ScreenId::Test);
        const auto deal = [&](const char* bet, std::initializer_list<int> cards) {
            t.random.dealing(cards);
            t.dialogs.answerInput(QString::fromLatin1(bet));
        };
        // Deal clicked again behind its bet box; 20 against 17 + 2 paid once for two Stands.
        deal("40", {S(10), H(10), D(9), C(8), S(2)});
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            QTest::mouseClick(table->cmdDeal, Qt::LeftButton);
        };
        TestGame::click(table->cmdDeal);
        twice(table->cmdStand);
        saved(140, 0);
        // Two Deals, then two Hits: two cards, 14 against 18, $30 lost.
        TestGame::click(table->cmdReset);
        deal("30", {S(2), H(3), D(10), C(8), S(4), H(5)});
        twice(table->cmdDeal);
        twice(table->cmdHit);
        QCOMPARE(int(table->hand().NextCard), 7);
        TestGame::click(table->cmdStand);
        saved(110, 0);
        // Two Hits, the first into a bust: the loss is saved and no card follows.
        TestGame::click(table->cmdReset);
        deal("10", {S(10), H(6), D(10), C(8), S(9)});
        TestGame::click(table->cmdDeal);
        twice(table->cmdHit);
        QCOMPARE(int(table->hand().NextCard), 6);
        saved(100, 0);
        // Two Double Downs: 21 against 18 on $50 doubled once, paid once.
        TestGame::click(table->cmdReset);
        deal("50", {S(5), H(6), D(10), C(8), S(10)});
        TestGame::click(table->cmdDeal);
        twice(table->cmdDD);
        saved(200, 0);
        QCOMPARE(t.dialogs.inputBoxes().size(), 5);
        for (QWidget* button : {table->cmdReset, table->picQuit})
            TestGame::click(button);

        // $50 deposited by two clicks, then $20 withdrawn by a Withdraw and a Deposit: saved
        // once each, when the bank is left.
        goTo(t, 3);
        auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
        QTest::keyClicks(bank->txtInput, QStringLiteral("50"));
        twice(bank->cmdDeposit);
        bank->tmrWait->fire();
        QTest::keyClicks(bank->txtInput, QStringLiteral("20"));
        twice(bank->cmdWithdraw, bank->cmdDeposit);
        bank->tmrWait->fire();
        saved(200, 0);
        TestGame::click(bank->imgQuit);
        saved(170, 30);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{});

        // Five rounds won; the prize of $200 paid once for two clicks on Continue.
        auto* hall = tournament::enter(t);
        for (int round = 1; round <= 5; ++round)
            tournament::playHand(t, hall, 'W');
        twice(hall->cmdContinue);
        QCOMPARE(t.dialogs.takeMessages(), tournament::prizeMessages());
        saved(370, 30);

        goTo(t, 0);
        auto* home = t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
        twice(home->imgStats);
        QCOMPARE(home->lblMoney->caption() + home->lblBank->caption(), "Money: $370Bank: $30");
        t.screens().window()->close();
        QVERIFY(t.screens().hasEnded());

        // A crash at the last moment of a save left its finished copy beside the file, and an
        // empty slot's name is gone. The next start clears the copy, keeps everything else and
        // puts the missing file back whole.
        const QString files = t.folder() + "/Files/";
        for (const char* name :
             {"Slot2/Money.txt.Ab12Cd", "Slot2/Money.txt.bak", "Slot2/notes.txt"})
            QVERIFY(QFile(files + name).open(QIODevice::WriteOnly));
        QVERIFY(QFile::remove(files + "Slot3/Name.txt"));
        game::prepareSaveFolders(game::ProgramFolder(t.folder()));
        QCOMPARE(QDir(files + "Slot2").entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Bank.txt", "Money.txt", "Money.txt.bak", "Name.txt", "notes.txt"}));
        QCOMPARE(t.bytes("\\Files\\Slot3\\Name.txt"), QByteArray("\"(Nobody)\"\r\n"));

        // Slot 2 continued; a second click, on the empty slot 1, would say "No Data Found" in
        // the middle of town.
        t.writeInteger("\\Files\\TempFiles\\CurrentMoney.txt", 0);
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        app::Game next(game::GameContext{game::ProgramFolder(t.folder()), dialogs, random, true});
        next.start();
        TestGame::click(next.screens().screenAs<game::StartScreen>(ScreenId::Start)->picContinue);
        auto* chooser = next.screens().screenAs<game::SlotScreen>(ScreenId::ContinueGame);
        QCOMPARE(chooser->lblSlot2Money->caption(), "Money: $370     Bank: $30");
        twice(chooser->frmSlot2, chooser->frmSlot1);
        QCOMPARE(next.screens().visibleScreen(), std::optional(ScreenId::Locations));
        saved(370, 30);
        QCOMPARE(dialogs.messages() + t.dialogs.messages(), QStringList{});
    }
};

QTEST_MAIN(EveningTest)
#include "evening_test.moc"
