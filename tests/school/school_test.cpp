#include "school/SchoolScreen.h"
#include "support/TestGame.h"

#include <QTest>

using school::SchoolScreen;
using ui::ScreenId;

namespace {

// Where the pointer goes: over each control, and over the bare hall.
QPoint pointOver(const QString& place) {
    if (place == "imgTour") return {104, 128};
    if (place == "lblDesc") return {384, 172};
    if (place == "imgQuit") return {591, 7};
    return {300, 300};
}

} // namespace

class SchoolTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsPicturesAndNoDescription() {
        TestGame t;
        auto* hall = t.open<SchoolScreen>(ScreenId::School);
        QVERIFY(hall);
        QVERIFY(hall->backgroundPath().endsWith("/Graphics/SchoolBG.GIF"));
        QVERIFY(hall->imgTour->picturePath().endsWith("/Graphics/TournamentPic.GIF"));
        QVERIFY(hall->imgQuit->picturePath().endsWith("/Graphics/Quit.GIF"));
        QVERIFY(hall->imgTour->hasPicture() && hall->imgQuit->hasPicture());
        QCOMPARE(hall->imgTour->geometry(), QRect(64, 112, 81, 33));
        QCOMPARE(hall->lblDesc->geometry(), QRect(216, 128, 337, 89));
        QCOMPARE(hall->imgQuit->geometry(), QRect(584, 0, 15, 15));
        QVERIFY(hall->lblDesc->wordWrap());
        QCOMPARE(hall->lblDesc->caption(), QString());
        // Nothing is read or written by the hall.
        QCOMPARE(t.dialogs.messages(), QStringList());
    }

    void descriptionFollowsThePointer_data() {
        QTest::addColumn<QStringList>("moves");
        // After each move: D the description shows, . the label is empty.
        QTest::addColumn<QString>("after");
        QTest::newRow("picture shows it") << QStringList{"imgTour"} << "D";
        QTest::newRow("the hall clears it") << QStringList{"imgTour", "background"} << "D.";
        QTest::newRow("the label keeps it")
            << QStringList{"imgTour", "lblDesc", "background"} << "DD.";
        QTest::newRow("the quit picture keeps it")
            << QStringList{"imgTour", "imgQuit", "lblDesc", "imgTour"} << "DDDD";
        QTest::newRow("crossing controls shows nothing")
            << QStringList{"lblDesc", "imgQuit", "background"} << "...";
        QTest::newRow("back and forth")
            << QStringList{"background", "imgTour", "background", "imgTour"} << ".D.D";
    }
    void descriptionFollowsThePointer() {
        QFETCH(QStringList, moves);
        QFETCH(QString, after);
        TestGame t;
        auto* hall = t.open<SchoolScreen>(ScreenId::School);
        QVERIFY(hall);
        const QString description =
            QStringLiteral("Win 5 rounds of Blackjack to recieve $200.\n(Note that Doubling Down "
                           "is not allowed since you aren't wagering any money anyways.)");
        for (qsizetype i = 0; i < moves.size(); ++i) {
            TestGame::movePointer(hall, pointOver(moves[i]));
            const QString expected = after[i] == 'D' ? description : QString();
            QVERIFY2(hall->lblDesc->caption() == expected,
                     qPrintable(QStringLiteral("after move %1 over %2").arg(i + 1).arg(moves[i])));
        }
    }

    void tournamentPictureOpensTheTable() {
        TestGame t;
        auto* hall = t.open<SchoolScreen>(ScreenId::School);
        QVERIFY(hall);
        QVERIFY(!t.screens().isLoaded(ScreenId::Tournament));
        TestGame::click(hall->imgTour);
        QVERIFY(t.screens().isVisible(ScreenId::Tournament));
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::Tournament));
        // The hall is hidden, not closed: it keeps its state for the way back.
        QVERIFY(t.screens().isLoaded(ScreenId::School));
        QCOMPARE(t.screens().screen(ScreenId::School), hall);
    }

    void quitGoesToTownAndTheHallWaits() {
        TestGame t;
        auto* hall = t.open<SchoolScreen>(ScreenId::School);
        QVERIFY(hall);
        TestGame::movePointer(hall, pointOver("imgTour"));
        TestGame::click(hall->imgQuit);
        QCOMPARE(t.screens().visibleScreen(), std::optional<ScreenId>(ScreenId::Locations));
        QVERIFY(t.screens().isLoaded(ScreenId::School));
        // Coming back finds the hall as it was left, description included.
        QVERIFY(t.screens().show(ScreenId::School));
        QCOMPARE(t.screens().screen(ScreenId::School), hall);
        QCOMPARE(hall->lblDesc->caption(), SchoolScreen::tournamentDescription());
        TestGame::movePointer(hall, pointOver("background"));
        QCOMPARE(hall->lblDesc->caption(), QString());
    }
};

QTEST_MAIN(SchoolTest)
#include "school_test.moc"
