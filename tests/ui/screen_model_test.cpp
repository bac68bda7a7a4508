#include "ui/Screen.h"
#include "ui/ScreenModel.h"

#include <QSignalSpy>
#include <QTest>

using ui::ScreenId;

namespace {

// A screen that counts its load steps and keeps a value of its own.
class CountingScreen : public ui::Screen {
    Q_OBJECT
public:
    CountingScreen(ScreenId id, ui::ScreenModel& model, int& loads, bool opens = true,
                   Kind kind = Kind::Page)
        : ui::Screen(id, model, kind, kind == Kind::Page ? QSize(600, 400) : QSize(175, 168)),
          loads_(loads), opens_(opens) {}
    bool load() override {
        ++loads_;
        return opens_;
    }
    int remembered = 0;

private:
    int& loads_;
    bool opens_;
};

} // namespace

class ScreenModelTest : public QObject {
    Q_OBJECT

    struct Fixture {
        ui::ScreenModel model;
        int loads[ui::ScreenCount] = {};
        bool opens[ui::ScreenCount];
        Fixture() {
            std::fill(std::begin(opens), std::end(opens), true);
            for (int i = 0; i < ui::ScreenCount; ++i) {
                const auto id = ScreenId(i);
                const auto kind =
                    id == ScreenId::frmQuit ? ui::Screen::Kind::Dialog : ui::Screen::Kind::Page;
                model.registerScreen(id, [this, i, id, kind](ui::ScreenModel& m) {
                    return new CountingScreen(id, m, loads[i], opens[i], kind);
                });
            }
        }
        CountingScreen* get(ScreenId id) { return model.screenAs<CountingScreen>(id); }
    };

private slots:
    void showingLoadsOnceAndHidingKeepsState() {
        Fixture f;
        QVERIFY(f.model.show(ScreenId::Start));
        f.get(ScreenId::Start)->remembered = 7;
        f.model.hide(ScreenId::Start);
        QVERIFY(f.model.show(ScreenId::NewGame));
        f.model.hide(ScreenId::NewGame);
        QVERIFY(f.model.show(ScreenId::Start));
        f.model.load(ScreenId::Start);
        QCOMPARE(f.loads[int(ScreenId::Start)], 1);
        QCOMPARE(f.get(ScreenId::Start)->remembered, 7);
        QCOMPARE(f.model.visibleScreen(), std::optional(ScreenId::Start));
    }

    void closingDiscardsAndTheNextShowLoadsAfresh() {
        Fixture f;
        f.model.show(ScreenId::Start);
        f.model.show(ScreenId::Test);
        f.get(ScreenId::Test)->remembered = 3;
        f.model.close(ScreenId::Test);
        QVERIFY(!f.model.isLoaded(ScreenId::Test));
        f.model.show(ScreenId::Test);
        QCOMPARE(f.loads[int(ScreenId::Test)], 2);
        QCOMPARE(f.get(ScreenId::Test)->remembered, 0);
    }

    void oneScreenInFrontAndTheWindowFollows() {
        Fixture f;
        f.model.show(ScreenId::Locations);
        // The chooser shows the place before hiding itself.
        f.model.show(ScreenId::Bank);
        f.model.hide(ScreenId::Locations);
        QCOMPARE(f.model.visibleScreen(), std::optional(ScreenId::Bank));
        QVERIFY(f.model.window()->isVisible());
        // Hiding one screen and showing the next keeps the window where it is.
        f.model.hide(ScreenId::Bank);
        f.model.show(ScreenId::Locations);
        QCoreApplication::processEvents();
        QVERIFY(f.model.window()->isVisible());
        f.model.hide(ScreenId::Locations);
        QCOMPARE(f.model.visibleScreen(), std::nullopt);
        QTRY_VERIFY(!f.model.window()->isVisible());
        f.model.show(ScreenId::frmQuit);
        QCOMPARE(f.model.visibleScreen(), std::optional(ScreenId::frmQuit));
        QVERIFY(f.get(ScreenId::frmQuit)->isVisible());
        QVERIFY(f.get(ScreenId::frmQuit)->isWindow());
        QCOMPARE(f.get(ScreenId::frmQuit)->size(), QSize(175, 168));
    }

    void aScreenThatCannotOpenIsDiscardedAndTheCallerStays() {
        Fixture f;
        f.opens[int(ScreenId::Bank)] = false;
        f.model.show(ScreenId::Locations);
        QVERIFY(!f.model.show(ScreenId::Bank));
        QVERIFY(!f.model.isLoaded(ScreenId::Bank));
        QCOMPARE(f.model.visibleScreen(), std::optional(ScreenId::Locations));
    }

    void theProgramEndsWhenNoScreenIsLoaded() {
        Fixture f;
        QSignalSpy ended(&f.model, &ui::ScreenModel::programEnded);
        f.model.show(ScreenId::Start);
        f.model.load(ScreenId::Instructions);
        f.model.closeAll({ScreenId::frmQuit, ScreenId::Instructions, ScreenId::Start});
        QCOMPARE(ended.count(), 1);
        QVERIFY(f.model.hasEnded());
        QVERIFY(!f.model.show(ScreenId::Start));
    }

    void theCloseButtonAsksTheScreenInFront() {
        Fixture f;
        f.model.setClosingOrder({ScreenId::Bank, ScreenId::Start});
        f.model.show(ScreenId::Start);
        f.model.show(ScreenId::Bank);
        f.model.hide(ScreenId::Start);
        QSignalSpy ended(&f.model, &ui::ScreenModel::programEnded);
        f.model.window()->close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!f.model.window()->isVisible());
    }
};

QTEST_MAIN(ScreenModelTest)
#include "screen_model_test.moc"
