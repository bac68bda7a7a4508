// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// The save files of the game in play damaged as a crash, a full disk or a hand edit leaves them,
// against every screen that reads or writes them. Each row walks the game's own order of reads
// and writes alongside: the first file that fails stops it, and then the player must have been
// told which file failed and what the game did, no file may hold anything but what the walk
// wrote before it, the other slots stay as they were, and a screen is still in front.
#include "Flows.h"
#include "SaveFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>

// The disk may refuse the last step of a save, the finished copy replacing the file.
static bool refuseReplace = false;
extern "C" int rename(const char* from, const char* to) noexcept {
    return refuseReplace ? (errno = EIO, -1) : renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace {

// The files of the game in play, in slot 2 ($500, $300 in the bank), by their letters.
const QString Letters = QStringLiteral("smbNMB");
const char* const Names[] = {"TempFiles/CurrentSlot.txt", "TempFiles/CurrentMoney.txt",
                             "TempFiles/CurrentBank.txt", "Slot2/Name.txt",
                             "Slot2/Money.txt",           "Slot2/Bank.txt"};

// Damages: the bytes left in the file, or gone, a folder in its place, or every write refused.
// "slot 0" is what sleeping leaves in CurrentSlot.txt, "slot 4" one past the last slot: no slot
// to save into.
const char* const Damages[] = {"missing",        "empty",  "abc",    "99999",  "two records",
                               "binary",         "slot 0", "slot 4", "folder", "full disk",
                               "replace refused"};
const QByteArray Bytes[] = {{},          "",           "abc\r\n",
                            "99999\r\n", "7\r\n7\r\n", QByteArray::fromHex("3500ff1b"),
                            "0\r\n",     "4\r\n"};
enum { Abc = 2, Out = 3, NoSlot = 6, Folder = 8, FullDisk = 9 }; // a name may be "abc" or "99999"

// Each screen's reads ("m?") and writes, which stop it when they fail ("m=510") or are tried
// anyway ("m!0"), and the screen in front when it is done, when a read failed and when a write
// failed: Locations, New game, Continue, Home, School, Bank, or none once the game has ended.
const struct {
    const char *name, *shown, *ops;
} Scenes[] = {{"new game", "LNN", "s=2 N=\"Dee\" M=100 B=0 m=100 b=0"},
              {"continue", "LCC", "s=2 N? M? B? m=500 b=300"},
              {"home", "HLL", "s? N? m? b?"},
              {"sleep", "---", "s!0 m!0 b!0"},
              {"casino", "LLL", "m? m=510 s? M=510"},
              {"casino hand", "LLL", "m=510 s? M=510"},
              {"bank", "LLB", "s? N? m? b? m=499 b=301 M=499 B=301"},
              {"bank leaving", "LLB", "m=499 b=301 M=499 B=301"},
              {"prize", "SSS", "m? m=700 s? M=700"}};

// The player's clicks; `damage` runs before the screen opens or, where a file is written while
// the screen is in use (sleep, casino hand, bank leaving, prize), just before that write.
void play(TestGame& t, int scene, int file, const std::function<void()>& damage) {
    if (scene != 3 && scene != 5 && scene < 7) damage();
    if (scene <= 1) {
        auto* chooser = slotScreen(t, scene == 0);
        QCOMPARE(chooser->lblSlot1Name->caption(), QStringLiteral("Name: Tester"));
        if (file >= 3 && file < 6) QVERIFY(chooser->lblSlot2Money->toolTip().contains(Names[file]));
        t.dialogs.answerInput(QStringLiteral("Dee"));
        return TestGame::click(chooser->frmSlot2);
    }
    if (scene == 4 || scene == 5) t.random.queue(0.1f); // the casino's deck back
    goTo(t, QList{0, 0, 1, 1, 3, 3, 2}[scene - 2]);
    if (scene == 3) {
        TestGame::click(t.screens().screenAs<town::HomeScreen>(ScreenId::Home)->imgSleep);
        auto* sleep = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
        damage();
        TestGame::click(sleep->optYes);
        TestGame::click(sleep->cmdSelect);
    } else if ((scene == 4 || scene == 5) && t.screens().isVisible(ScreenId::Test)) {
        auto* table = t.screens().screenAs<CasinoTable>(ScreenId::Test);
        dealCards(t, table, "10", {S(13), S(12), H(10), H(8)});
        if (scene == 5) damage();
        for (QWidget* button : {table->cmdStand, table->cmdReset, table->picQuit})
            TestGame::click(button);
    } else if ((scene == 6 || scene == 7) && t.screens().isVisible(ScreenId::Bank)) {
        auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
        QTest::keyClicks(bank->txtInput, QStringLiteral("1"));
        TestGame::click(bank->cmdDeposit);
        bank->tmrWait->fire();
        if (scene == 7) damage();
        TestGame::click(bank->imgQuit);
    } else if (scene == 8) {
        auto* table = tournament::enter(t);
        for (int round = 1; round <= 5; ++round)
            tournament::playHand(t, table, 'W');
        damage();
        TestGame::click(table->cmdContinue);
    }
}

} // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { signal(SIGXFSZ, SIG_IGN); }

    void everyScreenCopes_data() {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("file"); // -1: every file the scene writes
        QTest::addColumn<int>("damage");
        for (int s = 0; s < 9; ++s)
            for (int d = 0; d <= FullDisk + 1; ++d) {
                if (d >= FullDisk && s != 2)
                    QTest::addRow("%s, %s", Scenes[s].name, Damages[d]) << s << -1 << d;
                for (int f = 0; f < 6 && d < FullDisk; ++f)
                    if (QString(Scenes[s].ops).contains(Letters[f]) &&
                        (f != 3 || (d != Abc && d != Out)) && (d < NoSlot || d >= Folder || f == 0))
                        QTest::addRow("%s, %s %s", Scenes[s].name, Names[f], Damages[d])
                            << s << f << d;
            }
    }

    void everyScreenCopes() {
        QFETCH(int, scene);
        QFETCH(int, file);
        QFETCH(int, damage);
        TestGame t;
        for (int slot : {1, 3, 2}) // 2, in play, last
            t.setCurrentGame(slot, 250 * slot, 150 * slot);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        SaveFiles expected;
        play(t, scene, file, [&] {
            const rlimit none{0, unlimited.rlim_max};
            if (damage == FullDisk) setrlimit(RLIMIT_FSIZE, &none);
            refuseReplace = damage > FullDisk;
            const QString path = file < 0 ? QString() : t.folder() + "/Files/" + Names[file];
            QFile::remove(path);
            if (damage == Folder) QDir().mkdir(path);
            if (damage > 0 && damage < Folder)
                t.writeBytes(qPrintable(QStringLiteral("\\Files\\") + Names[file]), Bytes[damage]);
            expected = saveFiles(t);
        });
        setrlimit(RLIMIT_FSIZE, &unlimited);
        refuseReplace = false;

        // The walk: the files that fail, the record each write before them leaves, the screen.
        QList<int> failed;
        char shown = Scenes[scene].shown[0];
        for (const QString& op : QString(Scenes[scene].ops).split(' ')) {
            const int f = Letters.indexOf(op[0]);
            const bool read = op[1] == '?';
            if (read ? f == file : file < 0 || (f == file && damage == Folder)) {
                failed << f;
                shown = Scenes[scene].shown[read ? 1 : 2];
                if (op[1] == '!') continue;
                break;
            }
            if (!read) expected[Names[f]] = op.mid(2).toLatin1() + "\r\n";
        }
        QString files;
        QDebug(&files) << "on disk" << saveFiles(t) << "expected" << expected;
        QVERIFY2(saveFiles(t) == expected, qPrintable(files));
        const auto front = t.screens().visibleScreen();
        QCOMPARE(front ? "-NC-LH--S-B"[int(*front)] : '-', shown);
        QCOMPARE(t.screens().hasEnded(), shown == '-');

        // One message for each failed file, naming it and saying what became of the game.
        const QStringList alarms = t.dialogs.messages().filter(QStringLiteral("save file"));
        QCOMPARE(alarms.size(), failed.size());
        for (qsizetype i = 0; i < failed.size(); ++i)
            QVERIFY2(alarms[i].contains(Names[failed[i]]) && alarms[i].contains(". "),
                     qPrintable(alarms[i]));
        if (scene == 8)
            QCOMPARE(t.dialogs.messages().contains(QStringLiteral("Here's your $200.")),
                     failed.isEmpty());
    }
};

QTEST_MAIN(DamagedFilesTest)
#include "damaged_files_test.moc"
