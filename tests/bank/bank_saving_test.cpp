#include "BankDriver.h"

#include <QDir>

using bank::BankScreen;
using ui::ScreenId;

namespace {

// The four files leaving writes, in their order.
const char* const SavedFiles[] = {
    "\\Files\\TempFiles\\CurrentMoney.txt",
    "\\Files\\TempFiles\\CurrentBank.txt",
    "\\Files\\Slot2\\Money.txt",
    "\\Files\\Slot2\\Bank.txt",
};

// A folder in place of a save file: the disk refuses to write it, as a full or locked one would.
void blockWriting(TestGame& t, const char* gameName) {
    QVERIFY(QFile::remove(t.path(gameName)));
    QVERIFY(QDir().mkdir(t.path(gameName)));
}

void unblockWriting(TestGame& t, const char* gameName) {
    QVERIFY(QDir().rmdir(t.path(gameName)));
}

} // namespace

// Leaving the bank, or closing the window in it, keeps every transfer in the current game and in
// the slot; a save that fails keeps the player, and the money, in the bank.
class BankSavingTest : public QObject {
    Q_OBJECT

  private slots:
    void leavingSavesBothFiguresAndReturnsToTheChooser() {
        TestGame t;
        BankDriver d(t);
        t.setCurrentGame(2, 500, 40);
        // In from the chooser, as Go leads there.
        QVERIFY(t.screens().show(ScreenId::Locations));
        QVERIFY(t.screens().show(ScreenId::Bank));
        t.screens().hide(ScreenId::Locations);
        d.bank = t.screens().screenAs<BankScreen>(ScreenId::Bank);
        QVERIFY(d.bank);
        d.deposit("120");
        d.waitEnds();
        d.withdraw("0010");
        d.waitEnds();
        TestGame::click(d.bank->imgQuit);
        QCOMPARE(t.bytes(SavedFiles[0]), QByteArray("390\r\n"));
        QCOMPARE(t.bytes(SavedFiles[1]), QByteArray("150\r\n"));
        QCOMPARE(t.bytes(SavedFiles[2]), QByteArray("390\r\n"));
        QCOMPARE(t.bytes(SavedFiles[3]), QByteArray("150\r\n"));
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::Locations));
        QVERIFY(!t.screens().isLoaded(ScreenId::Bank));
        // The other slots and the name are not the bank's to touch.
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Tester\"\r\n"));
        QCOMPARE(t.bytes("\\Files\\Slot1\\Money.txt"), t.bytes("\\Files\\Slot3\\Money.txt"));
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    // The transfer was made at the click; cutting the wait short by leaving keeps it.
    void leavingDuringTheWaitKeepsTheTransfer_data() {
        QTest::addColumn<bool>("deposit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("balance");
        QTest::newRow("deposit") << true << "300" << 200 << 340;
        QTest::newRow("withdrawal") << false << "40" << 540 << 0;
    }
    void leavingDuringTheWaitKeepsTheTransfer() {
        QFETCH(bool, deposit);
        QFETCH(QString, text);
        QFETCH(int, money);
        QFETCH(int, balance);
        TestGame t;
        BankDriver d(t);
        d.open(2, 500, 40);
        deposit ? d.deposit(text) : d.withdraw(text);
        QVERIFY(d.bank->tmrWait->isActive());
        QCOMPARE(d.display(), BankDriver::display("Tester", 500, 40));
        TestGame::click(d.bank->imgQuit);
        for (int file : {0, 2})
            QCOMPARE(t.integer(SavedFiles[file]), money);
        for (int file : {1, 3})
            QCOMPARE(t.integer(SavedFiles[file]), balance);
        QVERIFY(!t.screens().isLoaded(ScreenId::Bank));
        QVERIFY(t.screens().isVisible(ScreenId::Locations));
    }

    // Whichever file the disk refuses, the player is told which one and stays in the bank, ready
    // for orders, with the money as it was; the files before it were written, those after it not
    // yet. Leaving again, once the disk takes it, saves all four.
    void aFailedSaveKeepsThePlayerInTheBank_data() {
        QTest::addColumn<int>("failing");
        QTest::newRow("CurrentMoney.txt") << 0;
        QTest::newRow("CurrentBank.txt") << 1;
        QTest::newRow("slot Money.txt") << 2;
        QTest::newRow("slot Bank.txt") << 3;
    }
    void aFailedSaveKeepsThePlayerInTheBank() {
        QFETCH(int, failing);
        TestGame t;
        BankDriver d(t);
        d.open(2, 500, 40);
        d.deposit("100");
        blockWriting(t, SavedFiles[failing]);
        TestGame::click(d.bank->imgQuit);

        const QStringList told = t.dialogs.takeMessages();
        QCOMPARE(told.size(), 1);
        const QString file = QDir::toNativeSeparators(t.path(SavedFiles[failing]));
        QVERIFY2(told.front().contains(file) && told.front().contains("could not be written"),
                 qPrintable(told.front()));
        const int expected[] = {400, 140, 400, 140};
        const int before[] = {500, 40, 500, 40};
        for (int i = 0; i < 4; ++i) {
            if (i == failing) continue;
            QCOMPARE(t.integer(SavedFiles[i]), i < failing ? expected[i] : before[i]);
        }
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::Bank));
        QVERIFY(!t.screens().isLoaded(ScreenId::Locations));
        QCOMPARE(d.display(), BankDriver::display("Tester", 400, 140));
        QVERIFY(d.takesOrders());
        QVERIFY(!d.bank->tmrWait->isActive());

        // Still a working machine while the disk is being seen to.
        d.withdraw("50");
        d.waitEnds();
        unblockWriting(t, SavedFiles[failing]);
        TestGame::click(d.bank->imgQuit);
        QCOMPARE(t.dialogs.takeMessages(), QStringList());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(t.integer(SavedFiles[i]), i % 2 == 0 ? 450 : 90);
        QVERIFY(t.screens().isVisible(ScreenId::Locations));
        QVERIFY(!t.screens().isLoaded(ScreenId::Bank));
    }

    // A second leave (or the window's close button) while the failure is being told starts no
    // second save and no second message.
    void oneSaveAtATime() {
        TestGame t;
        BankDriver d(t);
        d.open(2, 500, 40);
        d.withdraw("40");
        blockWriting(t, SavedFiles[1]);
        int reentries = 0;
        t.dialogs.whileOpen = [&] {
            if (reentries++ > 0) return;
            QTest::mouseClick(d.bank->imgQuit, Qt::LeftButton);
            t.screens().closeButtonPressed(ScreenId::Bank);
            QTest::mouseClick(d.bank->cmdDeposit, Qt::LeftButton);
        };
        TestGame::click(d.bank->imgQuit);
        QCOMPARE(t.dialogs.takeMessages().size(), 1);
        QVERIFY(!t.screens().hasEnded());
        QVERIFY(t.screens().isVisible(ScreenId::Bank));
        QCOMPARE(d.display(), BankDriver::display("Tester", 540, 0));
    }

    // The window's close button saves exactly as leaving does before the game ends.
    void closingTheWindowSavesFirst() {
        TestGame t;
        BankDriver d(t);
        d.open(2, 500, 40);
        d.deposit("500");
        t.screens().closeButtonPressed(ScreenId::Bank);
        QVERIFY(t.screens().hasEnded());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(t.integer(SavedFiles[i]), i % 2 == 0 ? 0 : 540);
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    void closingTheWindowWithAFailedSaveStays() {
        TestGame t;
        BankDriver d(t);
        d.open(2, 500, 40);
        d.deposit("500");
        blockWriting(t, SavedFiles[3]);
        t.screens().closeButtonPressed(ScreenId::Bank);
        QCOMPARE(t.dialogs.takeMessages().size(), 1);
        QVERIFY(!t.screens().hasEnded());
        QVERIFY(t.screens().isVisible(ScreenId::Bank));
        unblockWriting(t, SavedFiles[3]);
        t.screens().closeButtonPressed(ScreenId::Bank);
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(t.integer(SavedFiles[3]), 540);
    }

    // A current game the bank cannot read keeps the player at the chooser, told which file.
    void unreadableGameKeepsThePlayerOut_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no slot in play")
            << QByteArray("\\Files\\TempFiles\\CurrentSlot.txt") << QByteArray("0\r\n");
        QTest::newRow("name missing") << QByteArray("\\Files\\Slot2\\Name.txt") << QByteArray();
        QTest::newRow("money damaged")
            << QByteArray("\\Files\\TempFiles\\CurrentMoney.txt") << QByteArray("lots\r\n");
        QTest::newRow("money beyond the machine")
            << QByteArray("\\Files\\TempFiles\\CurrentMoney.txt") << QByteArray("40000\r\n");
        QTest::newRow("balance empty")
            << QByteArray("\\Files\\TempFiles\\CurrentBank.txt") << QByteArray("");
    }
    void unreadableGameKeepsThePlayerOut() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, bytes);
        TestGame t;
        t.setCurrentGame(2, 500, 40);
        QVERIFY(t.screens().show(ScreenId::Locations));
        if (bytes.isNull())
            QVERIFY(QFile::remove(t.path(file.constData())));
        else
            t.writeBytes(file.constData(), bytes);
        QVERIFY(!t.screens().show(ScreenId::Bank));
        const QStringList told = t.dialogs.takeMessages();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.front().contains(QDir::toNativeSeparators(t.path(file.constData()))),
                 qPrintable(told.front()));
        QVERIFY(!t.screens().isLoaded(ScreenId::Bank));
        QVERIFY(t.screens().isVisible(ScreenId::Locations));
    }
};

QTEST_MAIN(BankSavingTest)
#include "bank_saving_test.moc"
