#include "TestGame.h"
#include "game/StartScreen.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

using ui::ScreenId;

namespace {

// Every save file with its bytes, to prove that nothing was written.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder + "/Files", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path, file.readAll());
    }
    return files;
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithEveryPictureInPlace() {
        TestGame t;
        t.start();
        auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
        QVERIFY(menu);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Start));
        QCOMPARE(t.screens().window()->windowTitle(), QStringLiteral("Vantrell"));
        QCOMPARE(t.screens().window()->size(), QSize(600, 400));
        const struct {
            QWidget* control;
            QPoint at;
            const char* picture;
        } expected[] = {
            {menu->picSpades, {0, 0}, "/Graphics/CardSpades.GIF"},
            {menu->picHearts, {520, 0}, "/Graphics/CardHearts.GIF"},
            {menu->picClovers, {0, 296}, "/Graphics/CardClovers.GIF"},
            {menu->picDiamonds, {528, 296}, "/Graphics/CardDiamonds.GIF"},
            {menu->picLogo, {56, 72}, "/Graphics/Logo.GIF"},
            {menu->picStart, {184, 280}, "/Graphics/Start.GIF"},
            {menu->picContinue, {352, 280}, "/Graphics/Continue.GIF"},
            {menu->picInstruct, {184, 336}, "/Graphics/InstructionsButton.GIF"},
            {menu->picQuit, {352, 336}, "/Graphics/QuitButton.GIF"},
        };
        for (const auto& e : expected) {
            QCOMPARE(e.control->pos(), e.at);
            QVERIFY(e.control->isVisible());
            const QString shown = qobject_cast<ui::Image*>(e.control)
                                      ? qobject_cast<ui::Image*>(e.control)->picturePath()
                                      : qobject_cast<ui::ImageButton*>(e.control)->picturePath();
            QVERIFY2(shown.endsWith(e.picture), qPrintable(shown));
        }
        QCOMPARE(menu->picSpades->size(), QSize(75, 100));
        QVERIFY(menu->backgroundPath().endsWith("/Graphics/StartBackground.GIF"));
        QVERIFY(menu->picStart->hasPicture());
    }

    void quitClosesEveryScreenAndWritesNothing() {
        TestGame t;
        const auto before = snapshot(t.folder());
        t.start();
        auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
        TestGame::click(menu->picInstruct);
        t.screens().hide(ScreenId::Instructions);
        t.screens().show(ScreenId::Start);
        TestGame::click(menu->picQuit);
        QVERIFY(t.screens().hasEnded());
        for (int i = 0; i < ui::ScreenCount; ++i) QVERIFY(!t.screens().isLoaded(ScreenId(i)));
        QCOMPARE(snapshot(t.folder()), before);
        QVERIFY(t.dialogs.messages().isEmpty());
    }

    void menuButtonsLeadOnAndScreensAreKeptWhenHidden() {
        TestGame t;
        t.start();
        auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
        TestGame::click(menu->picStart);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::NewGame));
        QVERIFY(!menu->isVisible());
        ui::Screen* newGame = t.screens().screen(ScreenId::NewGame);
        t.screens().hide(ScreenId::NewGame);
        t.screens().show(ScreenId::Start);
        TestGame::click(menu->picContinue);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::ContinueGame));
        t.screens().hide(ScreenId::ContinueGame);
        t.screens().show(ScreenId::Start);
        TestGame::click(menu->picStart);
        QCOMPARE(t.screens().screen(ScreenId::NewGame), newGame);
    }

    void closingTheWindowOnTheMenuEndsTheProgram() {
        TestGame t;
        const auto before = snapshot(t.folder());
        t.start();
        t.screens().window()->close();
        QVERIFY(t.screens().hasEnded());
        QCOMPARE(snapshot(t.folder()), before);
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
