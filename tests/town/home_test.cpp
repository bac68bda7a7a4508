#include "TestGame.h"
#include "town/HomeScreen.h"

#include <QFile>
#include <QFontMetrics>
#include <QTest>

using town::HomeScreen;
using ui::ScreenId;

namespace {

// Into the house the way Go on the town's list does: the house first, then town hides.
HomeScreen* enterHome(TestGame& t) {
    t.screens().show(ScreenId::Locations);
    if (!t.screens().show(ScreenId::Home)) return nullptr;
    t.screens().hide(ScreenId::Locations);
    return t.screens().screenAs<HomeScreen>(ScreenId::Home);
}

QStringList statsShown(HomeScreen* home) {
    return {home->lblName->text(), home->lblMoney->text(), home->lblBank->text()};
}

bool menuView(HomeScreen* home) {
    return home->imgStats->isVisible() && home->imgSleep->isVisible() &&
           home->imgQuit->isVisible() && !home->imgMainMenu->isVisible() &&
           !home->lblName->isVisible() && !home->lblMoney->isVisible() &&
           !home->lblBank->isVisible();
}

} // namespace

class HomeTest : public QObject {
    Q_OBJECT
private slots:
    void statsShowTheSavedGame_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("money");
        QTest::addColumn<int>("bank");
        QTest::newRow("a new game") << 1 << "Ann" << 100 << 0;
        QTest::newRow("both at the cap") << 3 << "Bartholomew Quincy" << 9999 << 9999;
        QTest::newRow("broke, comma in the name") << 2 << "Smith, John" << 0 << 0;
        QTest::newRow("name that looks like markup") << 2 << "<b>Zoe</b>" << 7 << 12;
    }
    void statsShowTheSavedGame() {
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(int, money);
        QFETCH(int, bank);
        TestGame t;
        t.setCurrentGame(slot, money, bank, name);
        HomeScreen* home = enterHome(t);
        QVERIFY(home && menuView(home));
        TestGame::click(home->imgStats);
        QCOMPARE(statsShown(home),
                 (QStringList{"Name: " + name, "Money: $" + QString::number(money),
                              "Bank: $" + QString::number(bank)}));
        for (ui::Label* label : {home->lblName, home->lblMoney, home->lblBank}) {
            QVERIFY(label->isVisible());
            QCOMPARE(label->font().pointSize(), 16);
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text() + " is cut off"));
        }
        QVERIFY(!home->imgStats->isVisible() && home->imgMainMenu->isVisible());
        QVERIFY(t.dialogs.messages().isEmpty());
    }

    void backFromStatsIsTheHomeMenuNotTheMainMenu() {
        TestGame t;
        t.setCurrentGame(2, 40, 60, "Ann");
        HomeScreen* home = enterHome(t);
        TestGame::click(home->imgStats);
        const QStringList first = statsShown(home);
        // A change on disk while inside is not seen: the house shows what it read on entry.
        t.writeInteger("\\Files\\TempFiles\\CurrentMoney.txt", 999);
        TestGame::click(home->imgMainMenu);
        QVERIFY(menuView(home));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Home));
        QVERIFY(!t.screens().isLoaded(ScreenId::Start));
        TestGame::click(home->imgStats);
        QCOMPARE(statsShown(home), first);
    }

    void everyVisitReadsTheGameAfresh() {
        TestGame t;
        t.setCurrentGame(2, 100, 0, "Ann");
        TestGame::click(enterHome(t)->imgQuit);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QVERIFY(!t.screens().isLoaded(ScreenId::Home));
        // The casino saves a won hand, then the bank is left with part of it deposited.
        t.writeInteger("\\Files\\TempFiles\\CurrentMoney.txt", 150);
        t.writeInteger("\\Files\\Slot2\\Money.txt", 150);
        t.writeInteger("\\Files\\TempFiles\\CurrentMoney.txt", 30);
        t.writeInteger("\\Files\\TempFiles\\CurrentBank.txt", 120);
        HomeScreen* home = enterHome(t);
        QVERIFY(menuView(home));
        TestGame::click(home->imgStats);
        QCOMPARE(statsShown(home), (QStringList{"Name: Ann", "Money: $30", "Bank: $120"}));
    }

    void aDamagedFileKeepsThePlayerInTown_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // null: the file is missing
        QTest::newRow("no current slot") << "\\Files\\TempFiles\\CurrentSlot.txt" << QByteArray();
        QTest::newRow("slot 0, as sleeping leaves it")
            << "\\Files\\TempFiles\\CurrentSlot.txt" << QByteArray("0\r\n");
        QTest::newRow("slot 4") << "\\Files\\TempFiles\\CurrentSlot.txt" << QByteArray("4\r\n");
        QTest::newRow("no name") << "\\Files\\Slot2\\Name.txt" << QByteArray();
        QTest::newRow("money not a number")
            << "\\Files\\TempFiles\\CurrentMoney.txt" << QByteArray("lots\r\n");
        QTest::newRow("bank beyond 16 bits")
            << "\\Files\\TempFiles\\CurrentBank.txt" << QByteArray("40000\r\n");
    }
    void aDamagedFileKeepsThePlayerInTown() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        TestGame t;
        t.setCurrentGame(2, 100, 0);
        const QByteArray name = file.toLatin1();
        if (bytes.isNull())
            QVERIFY(QFile::remove(t.path(name.constData())));
        else
            t.writeBytes(name.constData(), bytes);
        QVERIFY(!enterHome(t));
        QCOMPARE(t.dialogs.messages().size(), 1);
        QString shortName = file.section('\\', -2);
        QVERIFY2(t.dialogs.messages().first().contains(shortName.replace('\\', '/')),
                 qPrintable(t.dialogs.messages().first()));
        QVERIFY(!t.screens().isLoaded(ScreenId::Home));
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }
};

QTEST_MAIN(HomeTest)
#include "home_test.moc"
