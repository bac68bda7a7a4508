#include "TestGame.h"
#include "game/InstructionsScreen.h"
#include "game/StartScreen.h"

#include <QTest>

using game::InstructionsScreen;
using ui::ScreenId;

namespace {

InstructionsScreen* openFromMenu(TestGame& t) {
    t.start();
    TestGame::click(t.screens().screenAs<game::StartScreen>(ScreenId::Start)->picInstruct);
    return t.screens().screenAs<InstructionsScreen>(ScreenId::Instructions);
}

} // namespace

class InstructionsTest : public QObject {
    Q_OBJECT
private slots:
    void eachPageItsPictureCaptionAndArrows_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::newRow("first") << 1 << "/Graphics/Instructions1.GIF" << false << true;
        QTest::newRow("second") << 2 << "/Graphics/Instructions2.GIF" << true << true;
        QTest::newRow("third") << 3 << "/Graphics/Instructions3.GIF" << true << true;
        QTest::newRow("last") << 4 << "/Graphics/InstructionsFinal.GIF" << true << false;
    }
    void eachPageItsPictureCaptionAndArrows() {
        QFETCH(int, page);
        QFETCH(QString, picture);
        QFETCH(bool, back);
        QFETCH(bool, next);
        TestGame t;
        InstructionsScreen* pages = openFromMenu(t);
        // Reached forwards from the first page, then again backwards from the last.
        for (int from : {1, int(InstructionsScreen::PageCount)}) {
            while (pages->page() < from)
                TestGame::click(pages->imgNext);
            while (pages->page() > page)
                TestGame::click(pages->imgBack);
            while (pages->page() < page)
                TestGame::click(pages->imgNext);
            QCOMPARE(pages->page(), page);
            QCOMPARE(pages->lblPage->text(), QStringLiteral("Page %1").arg(page));
            QVERIFY(pages->picInstruct->picturePath().endsWith(picture));
            QVERIFY2(pages->picInstruct->hasPicture(), qPrintable(picture + " is missing"));
            QCOMPARE(pages->imgBack->isVisible(), back);
            QCOMPARE(pages->imgNext->isVisible(), next);
            // The page must leave the menu button, the caption and the arrows uncovered.
            for (QWidget* control : std::initializer_list<QWidget*>{pages->picMMenu, pages->lblPage,
                                                                    pages->imgBack, pages->imgNext})
                QVERIFY(!pages->picInstruct->geometry().intersects(control->geometry()));
            QVERIFY(pages->rect().contains(pages->picInstruct->geometry()));
        }
    }

    void aTurnPastEitherEndStays() {
        TestGame t;
        InstructionsScreen* pages = openFromMenu(t);
        pages->TurnPage(-1);
        QCOMPARE(pages->lblPage->text(), QStringLiteral("Page 1"));
        for (int i = 0; i < 5; ++i)
            pages->TurnPage(+1);
        QCOMPARE(pages->lblPage->text(), QStringLiteral("Page 4"));
        QVERIFY(pages->picInstruct->picturePath().endsWith("/Graphics/InstructionsFinal.GIF"));
    }

    void thePageReadLastIsKept() {
        TestGame t;
        InstructionsScreen* pages = openFromMenu(t);
        TestGame::click(pages->imgNext);
        TestGame::click(pages->imgNext);
        TestGame::click(pages->picMMenu);
        QCOMPARE(t.screens().visibleScreen(), std::optional(ScreenId::Start));
        QVERIFY(t.screens().isLoaded(ScreenId::Instructions));
        TestGame::click(t.screens().screenAs<game::StartScreen>(ScreenId::Start)->picInstruct);
        QCOMPARE(t.screens().screen(ScreenId::Instructions), pages);
        QCOMPARE(pages->lblPage->text(), QStringLiteral("Page 3"));
        QVERIFY(pages->imgBack->isVisible() && pages->imgNext->isVisible());
    }
};

QTEST_MAIN(InstructionsTest)
#include "instructions_test.moc"
