#include "TestGame.h"
#include "town/LocationsScreen.h"
#include "ui/Screen.h"

#include <QListWidget>
#include <QTest>

using ui::ScreenId;

namespace {

void clickItem(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

// A place that notes whether the chooser was still in front while it opened, and may refuse.
class ProbePlace : public ui::Screen {
  public:
    ProbePlace(ui::ScreenModel& model, ScreenId id, bool opens, bool* chooserShown)
        : ui::Screen(id, model), opens_(opens), chooserShown_(chooserShown) {}
    bool load() override {
        *chooserShown_ = screens().isVisible(ScreenId::Locations);
        return opens_;
    }

  private:
    bool opens_;
    bool* chooserShown_;
};

} // namespace

class LocationsTest : public QObject {
    Q_OBJECT
  private slots:
    void firstVisitHasNothingChosen() {
        TestGame t;
        t.setCurrentGame(1, 100, 0);
        auto* l = t.open<town::LocationsScreen>(ScreenId::Locations);
        QVERIFY(l->backgroundPath().endsWith("/Graphics/LocationsBG.GIF"));
        QCOMPARE(l->lblCaption->caption(), QStringLiteral("Choose your location:"));
        QCOMPARE(l->lblCaption->geometry(), QRect(16, 8, 177, 25));
        QCOMPARE(l->lstLocations->geometry(), QRect(16, 40, 177, 121));
        QCOMPARE(l->lblLocation->geometry(), QRect(328, 48, 225, 113));
        QCOMPARE(l->imgGo->pos(), QPoint(472, 280));
        QVERIFY(l->imgGo->picturePath().endsWith("/Graphics/GoButton.GIF"));
        for (ui::Label* label : {l->lblCaption, l->lblLocation})
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QStringList items;
        for (int i = 0; i < l->lstLocations->count(); ++i)
            items << l->lstLocations->item(i)->text();
        QCOMPARE(items, (QStringList{"Home", "Casino", "Vantrell", "Bank"}));
        QVERIFY(l->lstLocations->selectedItems().isEmpty());
        QCOMPARE(l->lblLocation->caption(), QString());

        TestGame::click(l->imgGo);
        QCOMPARE(t.dialogs.takeMessages(), QStringList{"Please choose a location."});
        QVERIFY(!l->LocationChosen);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
    }

    void goOpensThePlaceChosenAndTheChoiceStays_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<ScreenId>("place");
        QTest::addColumn<QString>("description");
        QTest::newRow("Home") << 0 << ScreenId::Home
                              << "Go home to write in your diary, view your stats, and sleep.";
        QTest::newRow("Casino") << 1 << ScreenId::Test
                                << "Go to the casino to bet money on Blackjack games.";
        QTest::newRow("Vantrell") << 2 << ScreenId::School
                                  << "Go to your school to participate in special events.";
        QTest::newRow("Bank") << 3 << ScreenId::Bank
                              << "Go to the bank to deposit and withdraw money.";
    }
    void goOpensThePlaceChosenAndTheChoiceStays() {
        QFETCH(int, row);
        QFETCH(ScreenId, place);
        QFETCH(QString, description);
        TestGame t;
        t.setCurrentGame(2, 150, 40, "Ann");
        auto* l = t.open<town::LocationsScreen>(ScreenId::Locations);
        clickItem(l->lstLocations, (row + 1) % 4); // another place first: only its words change
        clickItem(l->lstLocations, row);
        QCOMPARE(l->lblLocation->caption(), description);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Locations));
        QVERIFY(!t.screens().isLoaded(place));

        for (int visit = 1; visit <= 2; ++visit) {
            TestGame::click(l->imgGo);
            QVERIFY(l->LocationChosen);
            QVERIFY(t.screens().isVisible(place));
            QVERIFY(!t.screens().isVisible(ScreenId::Locations));
            QVERIFY(t.screens().isLoaded(ScreenId::Locations));
            // Back in town as every place comes back.
            t.screens().show(ScreenId::Locations);
            t.screens().close(place);
            QCOMPARE(t.screens().screenAs<town::LocationsScreen>(ScreenId::Locations), l);
            QCOMPARE(l->lstLocations->selectedItems().size(), 1);
            QCOMPARE(l->lstLocations->row(l->lstLocations->selectedItems()[0]), row);
            QCOMPARE(l->lblLocation->caption(), description);
        }
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    void placeIsShownBeforeTheChooserHidesAndMayRefuse_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("place opens") << true;
        QTest::newRow("place refuses") << false;
    }
    void placeIsShownBeforeTheChooserHidesAndMayRefuse() {
        QFETCH(bool, opens);
        TestGame t;
        bool chooserShown = false;
        t.screens().registerScreen(ScreenId::Bank, [&](ui::ScreenModel& model) {
            return new ProbePlace(model, ScreenId::Bank, opens, &chooserShown);
        });
        auto* l = t.open<town::LocationsScreen>(ScreenId::Locations);
        clickItem(l->lstLocations, 3);
        TestGame::click(l->imgGo);
        QVERIFY(chooserShown);
        QCOMPARE(l->LocationChosen, opens);
        QCOMPARE(t.screens().visibleScreen(),
                 std::optional(opens ? ScreenId::Bank : ScreenId::Locations));
    }
};

QTEST_MAIN(LocationsTest)
#include "locations_test.moc"
