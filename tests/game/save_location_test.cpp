#include "game/SaveFolders.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Where a copy of the game keeps its saves, and what it puts there before the first save.
class SaveLocationTest : public QObject {
    Q_OBJECT

    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
    }

  private slots:
    void savesBesideAPortableCopyElseInThePlayersFolder_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("portable") << true;
        QTest::newRow("installed") << false;
    }
    void savesBesideAPortableCopyElseInThePlayersFolder() {
        QFETCH(bool, writable);
        // /proc takes no new file from anyone, root included: an installed copy's folder.
        const QTemporaryDir dir;
        const QString program = writable ? dir.path() : QStringLiteral("/proc");
        const QString saves = game::defaultSaveFolder(program, "/home/p/data");
        QCOMPARE(game::ProgramFolder(program, saves).path("\\Files\\Slot2\\Money.txt"),
                 (writable ? dir.path() + "/Files" : "/home/p/data/Files") + "/Slot2/Money.txt");
    }

    void seedingCopiesOnlyMissingFilesByteForByte() {
        const QTemporaryDir dir;
        const QString delivered = VANTRELL_DELIVERED_FILES_DIR "/", saves = dir.path() + "/saves/";
        QVERIFY(QFile::link(delivered, dir.path() + "/Files") && QDir().mkpath(saves + "Slot2"));
        QFile played(saves + "Slot2/Money.txt");
        QVERIFY(played.open(QIODevice::WriteOnly) && played.write("750\r\n") == 5 && played.flush());
        QCOMPARE(game::openSaveFolder(dir.path(), saves), QString());
        for (const char* name : {"Slot1/Name.txt", "Slot2/Bank.txt", "TempFiles/CurrentSlot.txt"})
            QCOMPARE(bytes(saves + name), bytes(delivered + name));
        QCOMPARE(bytes(saves + "Slot2/Money.txt"), "750\r\n");
    }

    void savesFolderThatCannotBeMadeStopsTheProgramBeforeItWritesAnything() {
        const QTemporaryDir dir;
        QFile blocker(dir.path() + "/not-a-folder");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QProcess game;
        game.setEnvironment({"HOME=" + dir.path(), "XDG_DATA_HOME=" + dir.path() + "/data"});
        game.start(VANTRELL_GRAPHICS_DIR "/../vantrell", {"--saves", blocker.fileName() + "/saves"});
        QVERIFY(game.waitForFinished(30000));
        QVERIFY(game.exitCode() != 0 && game.readAllStandardError().contains("not-a-folder/saves"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"not-a-folder"});
    }
};

QTEST_GUILESS_MAIN(SaveLocationTest)
#include "save_location_test.moc"
