#include "TestGame.h"
#include "game/ContinueGameScreen.h"
#include "game/NewGameScreen.h"
#include "game/StartScreen.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using ui::ScreenId;
using Files = QMap<QString, QByteArray>;

namespace {

// Every save file under Files/ with its bytes, keyed like "Slot2/Money.txt".
Files saveFiles(const TestGame& t) {
    Files files;
    const QDir root(t.folder() + "/Files");
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(root.relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>");
    }
    return files;
}

void putFile(TestGame& t, const QString& name, const QByteArray& bytes) {
    QFile file(t.folder() + "/Files/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The next write of this file fails: a folder of the same name stands in its place.
void blockWrites(TestGame& t, const QString& name) {
    QVERIFY(QFile::remove(t.folder() + "/Files/" + name));
    QVERIFY(QDir().mkpath(t.folder() + "/Files/" + name));
}

// Three saved games that differ in every file.
void saveThreeGames(TestGame& t) {
    for (int n = 1; n <= 3; ++n) {
        const QString slot = QStringLiteral("Slot%1/").arg(n);
        putFile(t, slot + "Name.txt", "\"Player " + QByteArray::number(n) + "\"\r\n");
        putFile(t, slot + "Money.txt", QByteArray::number(n * 111) + "\r\n");
        putFile(t, slot + "Bank.txt", QByteArray::number(n * 1000) + "\r\n");
    }
}

template <typename T> T* openFromMenu(TestGame& t, ScreenId id) {
    if (!t.screens().isLoaded(ScreenId::Start)) t.start();
    auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
    TestGame::click(id == ScreenId::NewGame ? menu->picStart : menu->picContinue);
    return t.screens().screenAs<T>(id);
}

// Slot n's frame (part 0), name line (1) or money line (2).
QWidget* slotControl(game::SlotScreen* s, int slot, int part) {
    QWidget* controls[3][3] = {{s->frmSlot1, s->lblSlot1Name, s->lblSlot1Money},
                               {s->frmSlot2, s->lblSlot2Name, s->lblSlot2Money},
                               {s->frmSlot3, s->lblSlot3Name, s->lblSlot3Money}};
    return controls[slot - 1][part];
}

} // namespace

class SlotScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void bothScreensShowTheirControlsInPlace_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("new game") << ScreenId::NewGame
                                  << "Click on a slot to begin new game. Warning: Data will be "
                                     "overwritten.";
        QTest::newRow("continue") << ScreenId::ContinueGame
                                  << "Click on a slot to continue a saved game.";
    }
    void bothScreensShowTheirControlsInPlace() {
        QFETCH(ScreenId, id);
        QFETCH(QString, instruction);
        TestGame t;
        auto* s = openFromMenu<game::SlotScreen>(t, id);
        QCOMPARE(t.screens().visibleScreen(), std::optional(id));
        auto* line = id == ScreenId::NewGame
                         ? static_cast<game::NewGameScreen*>(s)->lblWarning
                         : static_cast<game::ContinueGameScreen*>(s)->lblMessage;
        QCOMPARE(line->caption(), instruction);
        QCOMPARE(line->geometry(), QRect(8, 48, 529, 17));
        QVERIFY(s->backgroundPath().endsWith("/Graphics/StartBackground.GIF"));
        QCOMPARE(s->imgSlot->pos(), QPoint(248, 8));
        QVERIFY(s->imgSlot->picturePath().endsWith("/Graphics/Slots.GIF"));
        QCOMPARE(s->picMainMenu->pos(), QPoint(488, 8));
        QVERIFY(s->picMainMenu->picturePath().endsWith("/Graphics/MainMenuButton.GIF"));
        for (int n = 1; n <= 3; ++n) {
            const int top = 72 + (n - 1) * 104;
            auto* frame = static_cast<ui::ImageButton*>(slotControl(s, n, 0));
            QCOMPARE(frame->pos(), QPoint(96, top));
            QVERIFY(frame->picturePath().endsWith("/Graphics/SlotFrame.GIF"));
            for (int part : {1, 2}) {
                auto* label = static_cast<ui::Label*>(slotControl(s, n, part));
                QCOMPARE(label->geometry(), QRect(128, top + 16 + (part - 1) * 32, 313, 33));
                QCOMPARE(label->font().pointSize(), 14);
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            }
        }
    }

    // Slot 2's files as found, and its two lines on both screens.
    void slotLinesShowWhatTheFilesHold_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("money");
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<QString>("nameLine");
        QTest::addColumn<QString>("moneyLine");
        const QByteArray none = "<none>";
        QTest::newRow("delivered empty slot") << QByteArray("(Nobody)\r\n") << QByteArray("0\r\n")
                                              << QByteArray("0\r\n") << "Name: (Nobody)"
                                              << "Money: $0     Bank: $0";
        QTest::newRow("saved game, blanks and comma kept")
            << QByteArray("\" Smith, John \"\r\n") << QByteArray("-5\r\n")
            << QByteArray("32767\r\n") << "Name:  Smith, John "
            << "Money: $-5     Bank: $32767";
        QTest::newRow("money not a number") << QByteArray("\"Ann\"\r\n") << QByteArray("lots\r\n")
                                            << QByteArray("0\r\n") << "Name: (save damaged)"
                                            << "Money.txt is damaged";
        QTest::newRow("name missing")
            << none << QByteArray("1\r\n") << QByteArray("0\r\n") << "Name: (save damaged)"
            << "Name.txt is missing";
        QTest::newRow("bank too large") << QByteArray("\"Ann\"\r\n") << QByteArray("1\r\n")
                                        << QByteArray("40000\r\n") << "Name: (save damaged)"
                                        << "Bank.txt is out of range";
        QTest::newRow("slot emptied out") << none << none << none << "Name: (save damaged)"
                                          << "Its save files are missing";
    }
    void slotLinesShowWhatTheFilesHold() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, money);
        QFETCH(QByteArray, bank);
        QFETCH(QString, nameLine);
        QFETCH(QString, moneyLine);
        TestGame t;
        const QList<std::pair<QString, QByteArray>> files = {
            {"Slot2/Name.txt", name}, {"Slot2/Money.txt", money}, {"Slot2/Bank.txt", bank}};
        for (const auto& [file, bytes] : files) {
            if (bytes == "<none>")
                QVERIFY(QFile::remove(t.folder() + "/Files/" + file));
            else
                putFile(t, file, bytes);
        }
        for (ScreenId id : {ScreenId::NewGame, ScreenId::ContinueGame}) {
            auto* s = t.open<game::SlotScreen>(id);
            QCOMPARE(s->lblSlot2Name->caption(), nameLine);
            QCOMPARE(s->lblSlot2Money->caption(), moneyLine);
            QCOMPARE(s->lblSlot1Name->caption(), QStringLiteral("Name: (Nobody)"));
            t.screens().hide(id);
        }
        QVERIFY(t.dialogs.messages().isEmpty());
    }

    // Each of the nine controls of a slot, each with a name the game must keep as typed.
    void newGameFillsTheChosenSlot_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("name");
        QTest::newRow("1 frame") << 1 << 0 << "Ann";
        QTest::newRow("1 name line, comma") << 1 << 1 << "Smith, John";
        QTest::newRow("1 money line, blanks kept") << 1 << 2 << "  Ann  ";
        QTest::newRow("2 frame, only blanks") << 2 << 0 << "   ";
        QTest::newRow("2 name line, Latin-1") << 2 << 1 << QString::fromUtf8("Zoë Ångström");
        QTest::newRow("2 money line, markup") << 2 << 2 << "<b>Ann</b>";
        QTest::newRow("3 frame, long") << 3 << 0 << QString(120, QLatin1Char('x'));
        QTest::newRow("3 name line, marker case") << 3 << 1 << "(nobody)";
        QTest::newRow("3 money line, marker") << 3 << 2 << "(Nobody)";
    }
    void newGameFillsTheChosenSlot() {
        QFETCH(int, slot);
        QFETCH(int, part);
        QFETCH(QString, name);
        TestGame t;
        saveThreeGames(t);
        putFile(t, "Slot2/Money.txt", "damaged\r\n"); // a damaged slot may be overwritten
        Files expected = saveFiles(t);
        auto* s = openFromMenu<game::NewGameScreen>(t, ScreenId::NewGame);
        t.dialogs.answerInput(name);
        TestGame::click(slotControl(s, slot, part));

        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(t.dialogs.inputBoxes()[0].prompt, QStringLiteral("What is your name?"));
        QCOMPARE(t.dialogs.inputBoxes()[0].title, QStringLiteral("Enter name."));
        QCOMPARE(t.dialogs.messages(), QStringList());
        const QString dir = QStringLiteral("Slot%1/").arg(slot);
        expected["TempFiles/CurrentSlot.txt"] = QByteArray::number(slot) + "\r\n";
        expected[dir + "Name.txt"] = '"' + name.toLatin1() + "\"\r\n";
        expected[dir + "Money.txt"] = "100\r\n";
        expected[dir + "Bank.txt"] = "0\r\n";
        expected["TempFiles/CurrentMoney.txt"] = "100\r\n";
        expected["TempFiles/CurrentBank.txt"] = "0\r\n";
        QCOMPARE(saveFiles(t), expected);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QVERIFY(t.screens().isLoaded(ScreenId::NewGame));

        // Next evening (the town has no way back): the continue screen reads the name back
        // whole, and refuses only the exact empty-slot marker.
        t.screens().hide(ScreenId::Locations);
        t.screens().show(ScreenId::Start);
        auto* c = openFromMenu<game::ContinueGameScreen>(t, ScreenId::ContinueGame);
        QCOMPARE(slotControl(c, slot, 1)->property("text").toString(), "Name: " + name);
        TestGame::click(slotControl(c, slot, 0));
        const bool marker = name == QLatin1String("(Nobody)");
        QCOMPARE(t.dialogs.messages(), marker ? QStringList{"No Data Found"} : QStringList());
        QCOMPARE(t.screens().visibleScreen(),
                 std::optional(marker ? ScreenId::ContinueGame : ScreenId::Locations));
    }

    void nameThatCannotBeKeptWritesOnlyTheSlotNumber_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << QStringList() << "No name has been entered.";
        QTest::newRow("empty") << QStringList{""} << "No name has been entered.";
        QTest::newRow("double quote")
            << QStringList{"Ann \"Ace\" Lee"}
            << "That name can't be saved: a double quote can't be part of a name.";
        QTest::newRow("tab") << QStringList{"Ann\tLee"}
                             << "That name can't be saved: a control character can't be part of "
                                "a name.";
        QTest::newRow("beyond Latin-1")
            << QStringList{QString::fromUtf8("Ann €")}
            << QString::fromUtf8("That name can't be saved: the character \"€\" can't be part of "
                                 "a name.");
    }
    void nameThatCannotBeKeptWritesOnlyTheSlotNumber() {
        QFETCH(QStringList, answers);
        QFETCH(QString, message);
        TestGame t;
        saveThreeGames(t);
        Files expected = saveFiles(t);
        auto* s = openFromMenu<game::NewGameScreen>(t, ScreenId::NewGame);
        for (const QString& answer : answers)
            t.dialogs.answerInput(answer);
        TestGame::click(s->lblSlot2Money);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{message});
        QVERIFY(!s->NameEntered);
        expected["TempFiles/CurrentSlot.txt"] = "2\r\n";
        QCOMPARE(saveFiles(t), expected);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::NewGame));
        QVERIFY(!t.screens().isLoaded(ScreenId::Locations));
        // The player may simply try again.
        t.dialogs.answerInput("Ann");
        TestGame::click(s->frmSlot2);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QCOMPARE(t.bytes("\\Files\\Slot2\\Name.txt"), QByteArray("\"Ann\"\r\n"));
    }

    // Continuing slot n: the slot's files as found, and what the player is told.
    void continueCopiesOnlyAGoodSlot_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");
        const QString dataFound = "No Data Found";
        const QString damaged = "This game can't be continued.";
        QTest::newRow("1 frame") << 1 << 0 << "" << QByteArray() << "";
        QTest::newRow("1 name line") << 1 << 1 << "" << QByteArray() << "";
        QTest::newRow("1 money line, marker")
            << 1 << 2 << "Name.txt" << QByteArray("\"(Nobody)\"\r\n") << dataFound;
        QTest::newRow("2 frame, unquoted marker")
            << 2 << 0 << "Name.txt" << QByteArray("(Nobody)\r\n") << dataFound;
        QTest::newRow("2 name line, other case")
            << 2 << 1 << "Name.txt" << QByteArray("\"(NOBODY)\"\r\n") << "";
        QTest::newRow("2 money line, name missing")
            << 2 << 2 << "Name.txt" << QByteArray("<none>") << damaged;
        QTest::newRow("3 frame, money damaged")
            << 3 << 0 << "Money.txt" << QByteArray("1e3\r\n") << damaged;
        QTest::newRow("3 name line, bank empty")
            << 3 << 1 << "Bank.txt" << QByteArray("") << damaged;
        QTest::newRow("3 money line, negative money")
            << 3 << 2 << "Money.txt" << QByteArray("-40\r\n") << "";
    }
    void continueCopiesOnlyAGoodSlot() {
        QFETCH(int, slot);
        QFETCH(int, part);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        TestGame t;
        saveThreeGames(t);
        const QString dir = QStringLiteral("Slot%1/").arg(slot);
        if (bytes == "<none>")
            QVERIFY(QFile::remove(t.folder() + "/Files/" + dir + file));
        else if (!file.isEmpty())
            putFile(t, dir + file, bytes);
        Files expected = saveFiles(t);
        auto* s = openFromMenu<game::ContinueGameScreen>(t, ScreenId::ContinueGame);
        TestGame::click(slotControl(s, slot, part));

        expected["TempFiles/CurrentSlot.txt"] = QByteArray::number(slot) + "\r\n";
        if (refusal.isEmpty()) {
            QCOMPARE(t.dialogs.messages(), QStringList());
            expected["TempFiles/CurrentMoney.txt"] = expected[dir + "Money.txt"];
            expected["TempFiles/CurrentBank.txt"] = expected[dir + "Bank.txt"];
            QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        } else {
            QCOMPARE(t.dialogs.messages().size(), 1);
            const QString told = t.dialogs.messages()[0];
            QVERIFY2(told.endsWith(refusal), qPrintable(told));
            if (refusal != "No Data Found")
                QVERIFY2(told.contains(t.folder() + "/Files/" + dir + file), qPrintable(told));
            QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::ContinueGame));
        }
        QCOMPARE(saveFiles(t), expected);
    }

    // A file that cannot be written stops the way into town at once, naming the file.
    void failedWriteKeepsThePlayerOnTheSlotScreen_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QStringList>("writtenBefore");
        QTest::newRow("new, slot number")
            << ScreenId::NewGame << "TempFiles/CurrentSlot.txt" << QStringList();
        QTest::newRow("new, name")
            << ScreenId::NewGame << "Slot1/Name.txt" << QStringList{"TempFiles/CurrentSlot.txt"};
        QTest::newRow("new, bank")
            << ScreenId::NewGame << "Slot1/Bank.txt"
            << QStringList{"TempFiles/CurrentSlot.txt", "Slot1/Name.txt", "Slot1/Money.txt"};
        QTest::newRow("new, current bank")
            << ScreenId::NewGame << "TempFiles/CurrentBank.txt"
            << QStringList{"TempFiles/CurrentSlot.txt", "Slot1/Name.txt", "Slot1/Money.txt",
                           "Slot1/Bank.txt", "TempFiles/CurrentMoney.txt"};
        QTest::newRow("continue, slot number")
            << ScreenId::ContinueGame << "TempFiles/CurrentSlot.txt" << QStringList();
        QTest::newRow("continue, current money")
            << ScreenId::ContinueGame << "TempFiles/CurrentMoney.txt"
            << QStringList{"TempFiles/CurrentSlot.txt"};
        QTest::newRow("continue, current bank")
            << ScreenId::ContinueGame << "TempFiles/CurrentBank.txt"
            << QStringList{"TempFiles/CurrentSlot.txt", "TempFiles/CurrentMoney.txt"};
    }
    void failedWriteKeepsThePlayerOnTheSlotScreen() {
        QFETCH(ScreenId, id);
        QFETCH(QString, blocked);
        QFETCH(QStringList, writtenBefore);
        TestGame t;
        saveThreeGames(t);
        putFile(t, "TempFiles/CurrentMoney.txt", "7\r\n");
        blockWrites(t, blocked);
        const Files before = saveFiles(t);
        auto* s = openFromMenu<game::SlotScreen>(t, id);
        t.dialogs.answerInput("Ann");
        TestGame::click(s->frmSlot1);

        QCOMPARE(t.dialogs.messages().size(), 1);
        QVERIFY2(t.dialogs.messages()[0].contains(t.folder() + "/Files/" + blocked),
                 qPrintable(t.dialogs.messages()[0]));
        const bool asked = id == ScreenId::NewGame && !writtenBefore.isEmpty();
        QCOMPARE(t.dialogs.inputBoxes().size(), qsizetype(asked));
        QCOMPARE(t.screens().visibleScreen(), std::optional(id));
        const Files after = saveFiles(t);
        QCOMPARE(after.keys(), before.keys());
        for (const QString& file : before.keys())
            QVERIFY2((after[file] != before[file]) == writtenBefore.contains(file),
                     qPrintable(file));
    }

    void slotScreensAreLoadedOnceAndKeptWhenHidden() {
        TestGame t;
        auto* n = openFromMenu<game::NewGameScreen>(t, ScreenId::NewGame);
        putFile(t, "Slot1/Name.txt", "\"Ann\"\r\n");
        TestGame::click(n->picMainMenu);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Start));
        auto* c = openFromMenu<game::ContinueGameScreen>(t, ScreenId::ContinueGame);
        QCOMPARE(c->lblSlot1Name->caption(), QStringLiteral("Name: Ann"));
        putFile(t, "Slot1/Name.txt", "(Nobody)\r\n");
        TestGame::click(c->picMainMenu);
        QCOMPARE(openFromMenu<game::NewGameScreen>(t, ScreenId::NewGame), n);
        QCOMPARE(n->lblSlot1Name->caption(), QStringLiteral("Name: (Nobody)"));
        TestGame::click(n->picMainMenu);
        QCOMPARE(openFromMenu<game::ContinueGameScreen>(t, ScreenId::ContinueGame), c);
        QCOMPARE(c->lblSlot1Name->caption(), QStringLiteral("Name: Ann"));
        // The name is read again on the click, not taken from the line.
        TestGame::click(c->lblSlot1Name);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"No Data Found"});
    }

    void clickWhileABoxIsOpenIsIgnored() {
        TestGame t;
        saveThreeGames(t);
        auto* s = openFromMenu<game::NewGameScreen>(t, ScreenId::NewGame);
        int boxes = 0;
        t.dialogs.whileOpen = [&] {
            if (boxes++) return;
            TestGame::click(s->frmSlot3);
            TestGame::click(s->picMainMenu);
        };
        t.dialogs.answerInput("Ann");
        TestGame::click(s->frmSlot1);
        QCOMPARE(t.dialogs.inputBoxes().size(), 1);
        QCOMPARE(t.integer("\\Files\\TempFiles\\CurrentSlot.txt"), 1);
        QCOMPARE(t.bytes("\\Files\\Slot3\\Name.txt"), QByteArray("\"Player 3\"\r\n"));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }
};

QTEST_MAIN(SlotScreensTest)
#include "slot_screens_test.moc"
