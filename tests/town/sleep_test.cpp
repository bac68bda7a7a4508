#include "TestGame.h"
#include "town/HomeScreen.h"
#include "town/SleepDialog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using town::HomeScreen;
using town::SleepDialog;
using ui::ScreenId;

namespace {

const char* const CurrentFiles[] = {"\\Files\\TempFiles\\CurrentSlot.txt",
                                    "\\Files\\TempFiles\\CurrentMoney.txt",
                                    "\\Files\\TempFiles\\CurrentBank.txt"};

// Every file under a folder with its bytes, to prove what was written and what was not.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(file.fileName(), file.readAll());
    }
    return files;
}

// A game in slot 2 with the town, the main menu and its pages loaded, asleep at home.
SleepDialog* askToSleep(TestGame& t) {
    t.setCurrentGame(2, 350, 1200, "Ann");
    t.start();
    // Each screen on the way is left as the game leaves it: hidden, still loaded.
    const ScreenId way[] = {ScreenId::Start, ScreenId::Instructions, ScreenId::Start,
                            ScreenId::Locations, ScreenId::Home};
    for (int step = 1; step < 5; ++step) {
        t.screens().show(way[step]);
        t.screens().hide(way[step - 1]);
    }
    TestGame::click(t.screens().screenAs<HomeScreen>(ScreenId::Home)->imgSleep);
    return t.screens().screenAs<SleepDialog>(ScreenId::frmQuit);
}

} // namespace

class SleepTest : public QObject {
    Q_OBJECT
private slots:
    void theQuestionOpensUnanswered() {
        TestGame t;
        SleepDialog* sleep = askToSleep(t);
        QVERIFY(sleep && sleep->isVisible());
        // The house waits hidden behind the question, and the game window with it.
        QVERIFY(t.screens().isLoaded(ScreenId::Home) && !t.screens().isVisible(ScreenId::Home));
        QVERIFY(!t.screens().window()->isVisible());
        QCOMPARE(sleep->size(), QSize(175, 168));
        QCOMPARE(sleep->windowTitle(), QStringLiteral("Vantrell"));
        QCOMPARE(sleep->fraQ->title(), QStringLiteral("Sleeping so soon?"));
        QCOMPARE(sleep->optYes->text(), QStringLiteral("Yes"));
        QCOMPARE(sleep->optNo->text(), QStringLiteral("No"));
        QCOMPARE(sleep->cmdSelect->text(), QStringLiteral("Select"));
        QVERIFY(sleep->optYes->y() < sleep->optNo->y());
        QVERIFY(!sleep->optYes->isChecked() && !sleep->optNo->isChecked());
        const QPoint offCentre =
            sleep->geometry().center() - t.screens().window()->geometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
        // Select takes the keyboard first, then Yes, then No.
        QCOMPARE(sleep->focusWidget(), sleep->cmdSelect);
        QList<QWidget*> order;
        for (QWidget* w = sleep->cmdSelect->nextInFocusChain(); w != sleep->cmdSelect;
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) order << w;
        QCOMPARE(order, (QList<QWidget*>{sleep->optYes, sleep->optNo}));
        TestGame::click(sleep->optYes);
        TestGame::click(sleep->optNo);
        QVERIFY(!sleep->optYes->isChecked() && sleep->optNo->isChecked());
    }

    void declining_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("No") << "No";
        QTest::newRow("Yes, then No after all") << "YesNo";
        QTest::newRow("the dialog's close button") << "close";
    }
    void declining() {
        QFETCH(QString, how);
        TestGame t;
        SleepDialog* sleep = askToSleep(t);
        auto* home = t.screens().screenAs<HomeScreen>(ScreenId::Home);
        const auto before = snapshot(t.folder());
        if (how == "close") {
            sleep->close();
        } else {
            if (how == "YesNo") TestGame::click(sleep->optYes);
            TestGame::click(sleep->optNo);
            TestGame::click(sleep->cmdSelect);
        }
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Home));
        QCOMPARE(t.screens().screen(ScreenId::Home), home);
        QVERIFY(!t.screens().isLoaded(ScreenId::frmQuit));
        QVERIFY(t.screens().window()->isVisible() && !t.screens().hasEnded());
        QCOMPARE(home->view(), HomeScreen::View::HomeMenu);
        TestGame::click(home->imgStats);
        QCOMPARE(home->lblMoney->text(), QStringLiteral("Money: $350"));
        QCOMPARE(snapshot(t.folder()), before);
        QVERIFY(t.dialogs.messages().isEmpty());
    }

    void selectWithoutAnAnswerKeepsAsking() {
        TestGame t;
        SleepDialog* sleep = askToSleep(t);
        const auto before = snapshot(t.folder());
        // An impatient second press while the reminder is up changes nothing.
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            TestGame::click(sleep->cmdSelect);
        };
        TestGame::click(sleep->cmdSelect);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose Yes or No."});
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::frmQuit));
        QVERIFY(t.screens().isLoaded(ScreenId::Home) && !t.screens().hasEnded());
        QCOMPARE(snapshot(t.folder()), before);
    }

    void yesEndsTheGameAndTheSlotKeepsIt() {
        TestGame t;
        SleepDialog* sleep = askToSleep(t);
        QSignalSpy ended(&t.screens(), &ui::ScreenModel::programEnded);
        const auto slotFiles = snapshot(t.folder() + "/Files/Slot2");
        TestGame::click(sleep->optYes);
        TestGame::click(sleep->cmdSelect);
        QCOMPARE(ended.size(), 1);
        for (int i = 0; i < ui::ScreenCount; ++i)
            QVERIFY(!t.screens().isLoaded(ScreenId(i)));
        for (const char* file : CurrentFiles)
            QCOMPARE(t.bytes(file), QByteArray("0\r\n"));
        QCOMPARE(snapshot(t.folder() + "/Files/Slot2"), slotFiles);
        QVERIFY(t.dialogs.messages().isEmpty());

        // The next run opens on the main menu; continuing slot 2 copies it into the current
        // files, and the house then shows the game as it was left.
        ScriptedDialogs dialogs;
        ScriptedRandom random;
        app::Game next(game::GameContext{game::ProgramFolder(t.folder()), dialogs, random, true});
        next.start();
        QCOMPARE(next.screens().visibleScreen(), std::optional(ScreenId::Start));
        t.writeInteger(CurrentFiles[0], 2);
        t.writeInteger(CurrentFiles[1], std::int16_t(t.integer("\\Files\\Slot2\\Money.txt")));
        t.writeInteger(CurrentFiles[2], std::int16_t(t.integer("\\Files\\Slot2\\Bank.txt")));
        QVERIFY(next.screens().show(ScreenId::Home));
        auto* home = next.screens().screenAs<HomeScreen>(ScreenId::Home);
        TestGame::click(home->imgStats);
        QCOMPARE(home->lblName->text() + home->lblMoney->text() + home->lblBank->text(),
                 QStringLiteral("Name: AnnMoney: $350Bank: $1200"));
    }

    void yesStillEndsWhenAFileRefusesTheReset() {
        TestGame t;
        SleepDialog* sleep = askToSleep(t);
        QSignalSpy ended(&t.screens(), &ui::ScreenModel::programEnded);
        const auto slotFiles = snapshot(t.folder() + "/Files/Slot2");
        const QString money = t.path(CurrentFiles[1]);
        QVERIFY(QFile::remove(money) && QDir().mkdir(money));
        t.dialogs.whileOpen = [&] {
            t.dialogs.whileOpen = nullptr;
            TestGame::click(sleep->cmdSelect);
        };
        TestGame::click(sleep->optYes);
        TestGame::click(sleep->cmdSelect);
        const QStringList messages = t.dialogs.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains("CurrentMoney.txt"), qPrintable(messages.first()));
        QCOMPARE(t.bytes(CurrentFiles[0]), QByteArray("0\r\n"));
        QCOMPARE(t.bytes(CurrentFiles[2]), QByteArray("0\r\n"));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(snapshot(t.folder() + "/Files/Slot2"), slotFiles);
    }
};

QTEST_MAIN(SleepTest)
#include "sleep_test.moc"
