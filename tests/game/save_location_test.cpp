// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"
#include "game/SaveFolders.h"
#include "support/TestGame.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Where a copy of the game keeps its saves, and what it puts there before the first save.
class SaveLocationTest : public QObject {
    Q_OBJECT

    // A run's folder, where "@" in the arguments leads, with a plain file where a save folder
    // cannot be made.
    static bool inFolder(const QTemporaryDir& dir, QStringList& arguments) {
        for (QString& argument : arguments)
            argument.replace('@', dir.path());
        return QFile(dir.path() + "/file").open(QIODevice::WriteOnly);
    }

  private slots:
    void savesBesideAPortableCopyElseInThePlayersFolder_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("portable");
        QTest::newRow("portable") << "@" << true;
        // /proc takes no new file from anyone, root included.
        QTest::newRow("installed, not the player's to write") << "/proc" << false;
        // Root may write in the package's folder, whose Files/ an upgrade replaces.
        QTest::newRow("installed, root playing") << "@/usr/lib/games/vantrell" << false;
    }
    void savesBesideAPortableCopyElseInThePlayersFolder() {
        QFETCH(QString, program);
        QFETCH(bool, portable);
        const QTemporaryDir dir;
        program.replace('@', dir.path());
        QVERIFY(QDir().mkpath(program));
        const QString saves = game::defaultSaveFolder(program, "/home/p/data");
        QCOMPARE(game::ProgramFolder(program, saves).path("\\Files\\Slot2\\Money.txt"),
                 (portable ? program + "/Files" : "/home/p/data/Files") + "/Slot2/Money.txt");
    }

    void seedingCopiesOnlyMissingFilesByteForByte() {
        const QTemporaryDir dir;
        const QString delivered = VANTRELL_DELIVERED_FILES_DIR "/", saves = dir.path() + "/saves/";
        QVERIFY(QFile::link(delivered, dir.path() + "/Files") && QDir().mkpath(saves + "Slot2"));
        QFile played(saves + "Slot2/Money.txt");
        QVERIFY(played.open(QIODevice::WriteOnly) && played.write("750\r\n") == 5 && played.flush());
        QCOMPARE(game::openSaveFolder(dir.path(), saves), QString());
        for (const char* name : {"Slot1/Name.txt", "Slot2/Bank.txt", "TempFiles/CurrentSlot.txt"})
            QCOMPARE(fileBytes(saves + name), fileBytes(delivered + name));
        QCOMPARE(fileBytes(saves + "Slot2/Money.txt"), "750\r\n");
    }

    // What the command line asks for: Qt's own options are handed on to Qt in the form it reads,
    // the game's answered without a window. Status -1: the game starts.
    void commandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("forQt");
        auto row = [](const char* name, QStringList arguments, int status, const char* said,
                      const char* forQt = "") {
            QTest::newRow(name) << arguments << status << QString(said) << QString(forQt);
        };
        row("none", {}, -1, "", "vantrell");
        row("Qt's options", {"-platform", "offscreen", "-style", "fusion", "-reverse"}, -1, "",
            "vantrell -platform offscreen -reverse -style fusion");
        row("Qt's options with = and --", {"--platform=offscreen", "-style=fusion", "--title", "T"},
            -1, "", "vantrell -platform offscreen -title T -style fusion");
        row("a folder of one's own", {"--saves", "@/mine"}, -1, "", "vantrell");
        row("help", {"-h"}, 0, "--saves <folder>");
        row("help with Qt's options", {"--help-all"}, 0, "--platform <platformName[:options]>");
        row("version", {"--version", "-platform", "offscreen"}, 0, "Vantrell 1.0\n");
        row("a mistyped option", {"--save", "@/x"}, 1, "vantrell: Unknown option 'save'.");
        row("a short option run together", {"-plat"}, 1, "Unknown option 'plat'.");
        row("no folder named", {"--saves"}, 1, "Missing value after '--saves'.");
        row("a folder that cannot be made", {"--saves", "@/file/saves", "-reverse"}, 1,
            "vantrell: cannot create the save folder @/file/saves\n", "vantrell -reverse");
    }
    void commandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, forQt);
        const QTemporaryDir dir;
        QVERIFY(inFolder(dir, arguments));
        QCoreApplication::setApplicationName("Vantrell");
        QCoreApplication::setApplicationVersion("1.0");
        const app::Launch launch =
            app::readCommandLine(QStringList{"vantrell"} + arguments, dir.path(), dir.path());
        QCOMPARE(launch.exitStatus.value_or(-1), status);
        QVERIFY2(launch.console.contains(said.replace('@', dir.path())), qPrintable(launch.console));
        QCOMPARE(QString(launch.windowSystemArguments.join(' ')), forQt);
        // Started from the desktop's menu, the player sees the trouble and what to do about it.
        QCOMPARE(launch.box.contains(dir.path() + "/file/saves") &&
                     launch.box.contains("--saves"),
                 said.contains("cannot"));
        if (status == -1)
            QCOMPARE(launch.saveFolder,
                     dir.path() + (arguments.contains("--saves") ? "/mine" : "/Files"));
    }

    // The program as a player, a package check or a CI job starts it, without a terminal. None
    // of them waits: the trouble goes to the console, and nothing is written. Status -1: the game
    // has made its window, the moment it drops the leftover copy of an interrupted save.
    void asAProcess_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QStringList unusable{"--saves", "@/file/saves"};
        QTest::newRow("offscreen") << unusable << QStringList{"QT_QPA_PLATFORM=offscreen"} << 1
                                   << "cannot create the save folder @/file/saves";
        QTest::newRow("a display that cannot be opened")
            << unusable << QStringList{"DISPLAY=/nonexistent:0"} << 1 << "cannot create";
        QTest::newRow("an empty folder name") << QStringList{"--saves", ""} << QStringList{} << 1
                                              << "--saves needs the name of a folder";
        QTest::newRow("-help-all") << QStringList{"-help-all"} << QStringList{} << 0
                                   << "Usage: " VANTRELL_GRAPHICS_DIR "/../vantrell [options]";
        // The answer comes in the desktop's language.
        QTest::newRow("help, in German")
            << QStringList{"--help"} << QStringList{"LANGUAGE=de"} << 0 << "--saves <Ordner>";
        QTest::newRow("a mistyped option, in German")
            << QStringList{"--save", "x"} << QStringList{"LANGUAGE=de"} << 1
            << "„vantrell --help“ liefert weitere Informationen.";
        QTest::newRow("-platform offscreen, no display")
            << QStringList{"-platform", "offscreen", "--saves", "@/saves"} << QStringList{} << -1
            << "";
    }
    void asAProcess() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QString, said);
        const QTemporaryDir dir;
        QVERIFY(inFolder(dir, arguments));
        const QString leftover = dir.path() + "/saves/Slot1/Money.txt.Ab12Cd";
        QVERIFY(QDir().mkpath(dir.path() + "/saves/Slot1") &&
                QFile(leftover).open(QIODevice::WriteOnly));
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QProcess game;
        game.setWorkingDirectory(dir.path());
        game.setEnvironment(
            QStringList{"HOME=" + dir.path(), "XDG_DATA_HOME=" + dir.path() + "/data"} +
            environment);
        game.start(VANTRELL_GRAPHICS_DIR "/../vantrell", arguments);
        if (status == -1) {
            QTRY_VERIFY_WITH_TIMEOUT(
                !QFile::exists(leftover) || game.state() == QProcess::NotRunning, 30000);
            QVERIFY2(game.state() == QProcess::Running, game.readAllStandardError());
            game.kill();
        }
        QVERIFY(game.waitForFinished(30000));
        if (status == -1) return;
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), status);
        QVERIFY(QString(game.readAll() + game.readAllStandardError())
                    .contains(said.replace('@', dir.path())));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    // Where a window system opened, a player without a terminal sees the trouble in a box, laid
    // out as Qt's options say: with -reverse its OK button is on the left, where this clicks.
    void troubleInABoxWhereAWindowSystemOpened() {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("Xvfb and xdotool are not installed (scripts/install-deps test)");
        QProcess x;
        x.start("Xvfb", {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        QVERIFY(x.waitForReadyRead(30000));
        const QStringList environment{"DISPLAY=:" + x.readAllStandardOutput().trimmed()};
        const auto xdotool = [&](const QStringList& arguments) {
            QProcess tool;
            tool.setEnvironment(environment);
            tool.start("xdotool", arguments);
            tool.waitForFinished(30000);
            return QString(tool.readAllStandardOutput().trimmed());
        };
        QProcess game;
        game.setEnvironment(environment);
        game.start(VANTRELL_GRAPHICS_DIR "/../vantrell", {"-reverse", "--saves", "/proc/x"});
        const QString box = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Vantrell$"});
        QVERIFY(!box.isEmpty()); // the box, waiting for its click
        const int height = xdotool({"getwindowgeometry", "--shell", box})
                               .section("HEIGHT=", 1)
                               .section('\n', 0, 0)
                               .toInt();
        xdotool({"mousemove", "--window", box, "50", QString::number(height - 23), "click", "1"});
        QVERIFY(game.waitForFinished(30000));
        QCOMPARE(game.exitCode(), 1);
        x.terminate();
        x.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(SaveLocationTest)
#include "save_location_test.moc"
