// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// Everything reached from the main menu: the slot screens, the instruction pages and Quit.
#include "SaveFiles.h"
#include "game/InstructionsScreen.h"
#include "game/SlotScreen.h"
#include "game/StartScreen.h"

#include <QTest>

using ui::ScreenId;
class MainMenuTest : public QObject {
    Q_OBJECT
  private slots:
    // Each menu button leads there and back, one screen in front at a time. A screen only hidden
    // comes back as it was left (the instructions keep their page), a closed one is built afresh
    // (the new game screen reads the slots again); Quit closes them all and writes nothing.
    void menuLeadsEverywhereAndQuitWritesNothing() {
        TestGame t;
        t.setCurrentGame(3, 500, 40, "Ann");
        SaveFiles before = saveFiles(t);
        t.start();
        auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
        const auto go = [&t](QWidget* button, ScreenId to) {
            TestGame::click(button);
            if (t.screens().visibleScreen() != to)
                QTest::qFail(ui::screenName(to), __FILE__, __LINE__);
            return t.screens().screenAs<game::SlotScreen>(to);
        };
        auto* newGame = go(menu->picStart, ScreenId::NewGame);
        t.writeBytes("\\Files\\Slot1\\Name.txt", before["Slot1/Name.txt"] = "\"Cy\"\r\n");
        go(newGame->picMainMenu, ScreenId::Start);
        go(go(menu->picContinue, ScreenId::ContinueGame)->picMainMenu, ScreenId::Start);
        t.screens().close(ScreenId::NewGame);
        newGame = go(menu->picStart, ScreenId::NewGame);
        QCOMPARE(newGame->lblSlot1Name->caption(), QStringLiteral("Name: Cy"));
        QCOMPARE(newGame->lblSlot3Money->caption(), QStringLiteral("Money: $500     Bank: $40"));
        go(newGame->picMainMenu, ScreenId::Start);

        go(menu->picInstruct, ScreenId::Instructions);
        auto* pages = t.screens().screenAs<game::InstructionsScreen>(ScreenId::Instructions);
        // To the last page by its arrow and back to the first; a step beyond either end (whose
        // arrow is hidden) stays there.
        const QString turns = " >>>]<<<[>", seen = "1234432112";
        for (qsizetype i = 0; i < turns.size(); ++i) {
            if (turns[i] == '>' || turns[i] == '<')
                TestGame::click(turns[i] == '>' ? pages->imgNext : pages->imgBack);
            else if (turns[i] != ' ')
                pages->TurnPage(turns[i] == ']' ? +1 : -1);
            const int page = seen[i].digitValue();
            QCOMPARE(pages->lblPage->caption(), QStringLiteral("Page %1").arg(page));
            const QString picture = page < 4 ? QString::number(page) : QStringLiteral("Final");
            QVERIFY(pages->picInstruct->picturePath().endsWith("/Instructions" + picture + ".GIF"));
            QCOMPARE(pages->imgBack->isVisible(), page > 1);
            QCOMPARE(pages->imgNext->isVisible(), page < 4);
        }
        go(pages->picMMenu, ScreenId::Start);
        go(menu->picInstruct, ScreenId::Instructions);
        QCOMPARE(pages->lblPage->caption(), QStringLiteral("Page 2"));
        go(pages->picMMenu, ScreenId::Start);

        TestGame::click(menu->picQuit);
        QVERIFY(t.screens().hasEnded() && !t.screens().window()->isVisible());
        QCOMPARE(saveFiles(t), before);
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    // A slot chosen on the new game screen (the name typed) or on the continue screen (the
    // slot's name file as it is by the time of the click), and what the player is told.
    void slotChosen_data() {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");
        // Slot n's frame, name line and money line are controls 3n - 3, 3n - 2 and 3n - 1.
        const auto row = [](const char* name, ScreenId screen, int control, QString typed,
                            QString refusal = {}) {
            QTest::newRow(name) << screen << control << typed << refusal;
        };
        const ScreenId New = ScreenId::NewGame, Old = ScreenId::ContinueGame;
        const QString empty = "No Data Found";
        row("new, slot 1 frame, one blank", New, 0, " ");
        row("new, slot 2 name line, blanks and comma", New, 4, " Smith, John ");
        row("new, slot 3 money line, (Nobody)", New, 8, "(Nobody)");
        row("new, no name", New, 5, "", "No name has been entered.");
        row("new, double quote", New, 6, "Ann \"Ace\"",
            "That name can't be saved: a double quote can't be part of a name.");
        row("continue, slot 1 frame", Old, 0, "\"Player 1\"\r\n");
        row("continue, slot 2 name line", Old, 4, "\"Player 2\"\r\n");
        row("continue, slot 3 money line, other case", Old, 8, "\"(NOBODY)\"\r\n");
        row("continue, emptied as delivered", Old, 1, "(Nobody)\r\n", empty);
        row("continue, named (Nobody)", Old, 6, "\"(Nobody)\"\r\n", empty);
    }
    void slotChosen() {
        QFETCH(ScreenId, screen);
        QFETCH(int, control);
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        TestGame t;
        // Three saved games that differ in every file; slot 3 was played last.
        for (int n = 1; n <= 3; ++n)
            t.setCurrentGame(n, 111 * n, 1000 * n, QStringLiteral("Player %1").arg(n));
        auto* s = t.open<game::SlotScreen>(screen);
        QWidget* const controls[] = {s->frmSlot1, s->lblSlot1Name, s->lblSlot1Money,
                                     s->frmSlot2, s->lblSlot2Name, s->lblSlot2Money,
                                     s->frmSlot3, s->lblSlot3Name, s->lblSlot3Money};
        const int slot = control / 3 + 1;
        QWidget* const otherSlot = controls[slot % 3 * 3];
        const QByteArray n = QByteArray::number(slot), dir = "Slot" + n + "/";
        const bool newGame = screen == ScreenId::NewGame;
        t.dialogs.answerInput(name);
        if (!newGame) t.writeBytes(qPrintable("\\Files\\" + dir + "Name.txt"), name.toLatin1());
        SaveFiles expected = saveFiles(t);
        bool boxOpen = false;
        t.dialogs.whileOpen = [&] {
            if (std::exchange(boxOpen, true)) return;
            // The slot is noted before anything is asked or told; a click on another slot
            // meanwhile waits.
            QCOMPARE(t.bytes(game::CurrentSlotFile), n + "\r\n");
            TestGame::click(otherSlot);
        };
        TestGame::click(controls[control]);

        expected["TempFiles/CurrentSlot.txt"] = n + "\r\n";
        if (refusal.isEmpty() && newGame) {
            expected[dir + "Name.txt"] = '"' + name.toLatin1() + "\"\r\n";
            expected[dir + "Money.txt"] = expected["TempFiles/CurrentMoney.txt"] = "100\r\n";
            expected[dir + "Bank.txt"] = expected["TempFiles/CurrentBank.txt"] = "0\r\n";
        } else if (refusal.isEmpty()) {
            expected["TempFiles/CurrentMoney.txt"] = expected[dir + "Money.txt"];
            expected["TempFiles/CurrentBank.txt"] = expected[dir + "Bank.txt"];
        }
        QCOMPARE(saveFiles(t), expected);
        QCOMPARE(t.dialogs.inputBoxes().size(), newGame ? 1 : 0);
        QCOMPARE(t.dialogs.messages(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(t.screens().visibleScreen(),
                 std::optional(refusal.isEmpty() ? ScreenId::Locations : screen));
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
