#include "TestGame.h"
#include "game/SaveFolders.h"

#include <QDir>
#include <QFile>
#include <QTest>

// What a save cut short by a crash leaves for the next start: the record files hold their old or
// new record, and a finished temporary copy may lie beside one ("Money.txt.Ab12Cd"). The next
// start removes such copies and nothing else, and puts back a missing file whole.
class InterruptedSaveTest : public QObject {
    Q_OBJECT

    static void place(TestGame& t, const QString& relative, const QByteArray& bytes) {
        QFile file(t.folder() + QLatin1Char('/') + relative);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

  private slots:
    void leftoverCopies_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("slot money copy") << "Files/Slot1/Money.txt.Ab12Cd" << true;
        QTest::newRow("slot bank copy") << "Files/Slot2/Bank.txt.ZfoEaJ" << true;
        QTest::newRow("name copy") << "Files/Slot3/Name.txt.QQ00qq" << true;
        QTest::newRow("current money copy") << "Files/TempFiles/CurrentMoney.txt.x9Y8z7" << true;
        QTest::newRow("a player's notes") << "Files/Slot1/notes.txt" << false;
        QTest::newRow("a shorter suffix") << "Files/Slot1/Money.txt.bak" << false;
        QTest::newRow("a longer suffix") << "Files/Slot1/Money.txt.Ab12Cd7" << false;
        QTest::newRow("not a save file's name") << "Files/Slot1/Diary.txt.Ab12Cd" << false;
    }

    void leftoverCopies() {
        QFETCH(QString, file);
        QFETCH(bool, dropped);
        TestGame t;
        t.setCurrentGame(2, 640, 75, "Ann");
        const QByteArray money = t.bytes("\\Files\\Slot2\\Money.txt");
        place(t, file, "640\r\n");
        game::prepareSaveFolders(game::ProgramFolder(t.folder()));
        QCOMPARE(QFile::exists(t.folder() + QLatin1Char('/') + file), !dropped);
        // The saves themselves are as they were.
        QCOMPARE(t.bytes("\\Files\\Slot2\\Money.txt"), money);
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentBank.txt"), 75);
    }

    void aMissingFileComesBackWhole() {
        TestGame t;
        QVERIFY(QFile::remove(t.path("\\Files\\Slot3\\Name.txt")));
        QVERIFY(QFile::remove(t.path("\\Files\\TempFiles\\CurrentMoney.txt")));
        game::prepareSaveFolders(game::ProgramFolder(t.folder()));
        QCOMPARE(t.bytes("\\Files\\Slot3\\Name.txt"), QByteArray("\"(Nobody)\"\r\n"));
        QCOMPARE(t.bytes("\\Files\\TempFiles\\CurrentMoney.txt"), QByteArray("0\r\n"));
        // Nothing but the save files is left in the folders.
        QCOMPARE(QDir(t.path("\\Files\\Slot3")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"Bank.txt", "Money.txt", "Name.txt"}));
    }
};

QTEST_MAIN(InterruptedSaveTest)
#include "interrupted_save_test.moc"
