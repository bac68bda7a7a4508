// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/Game.h"
#include "engine/Random.h"
#include "game/Records.h"
#include "game/SaveFolders.h"
#include "ui/Dialogs.h"
#include "ui/Language.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QWidget>
#include <QWindow>

#include <deque>

// Plays the real game offscreen with chosen cards and typed answers, and grabs its main screens
// as PNG files for the README: vantrell-screenshots <program folder> <output folder>.
namespace {

// The input box answers from a list; messages are only shown on the console.
class ScriptAnswers final : public ui::Dialogs {
public:
    std::deque<QString> typed;
    void message(const QString& text) override { QTextStream(stdout) << "  told: " << text << '\n'; }
    QString input(const QString&, const QString&) override {
        if (typed.empty()) return QString();
        const QString answer = typed.front();
        typed.pop_front();
        return answer;
    }
    bool confirm(const QString&) override { return false; }
};

// Deals the cards asked for, by number 1..52 in draw order, then counts on through the deck.
class ChosenCards final : public engine::RandomSource {
public:
    std::deque<float> values;
    // The middle of card n's share of the range; the first and last are narrower.
    static float valueFor(int n) { return n <= 1 ? 1.0f / 52 : n >= 52 ? 51.75f / 52 : float(n) / 52; }
    void deal(std::initializer_list<int> cards) {
        for (const int n : cards) values.push_back(valueFor(n));
    }
    void reseedFromClock() override {}
    float next() override {
        if (values.empty()) return valueFor(spare_++ % 52 + 1);
        const float r = values.front();
        values.pop_front();
        return r;
    }

private:
    int spare_ = 0;
};

int spades(int rank) { return rank; }
int hearts(int rank) { return 13 + rank; }
int clovers(int rank) { return 26 + rank; }
int diamonds(int rank) { return 39 + rank; }

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // In the desktop's language, as the game: LANGUAGE=de takes the German screenshots.
    ui::useLanguage(ui::desktopLanguage());
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: vantrell-screenshots <program folder> <output folder>\n";
        return 2;
    }
    const QString programRoot = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir saves;
    const QString problem = game::openSaveFolder(programRoot, saves.path());
    if (!saves.isValid() || !problem.isEmpty() || !QDir().mkpath(out.path())) {
        err << "cannot prepare the saves: " << problem << '\n';
        return 1;
    }
    const game::ProgramFolder folder(programRoot, saves.path());
    game::prepareSaveFolders(folder);

    ScriptAnswers answers;
    ChosenCards cards;
    app::Game game(game::GameContext{folder, answers, cards, true});
    ui::ScreenModel& screens = game.screens();
    int failures = 0;
    const auto grab = [&](const char* name) {
        QApplication::processEvents();
        const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!screens.window()->grab().save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            ++failures;
        } else {
            QTextStream(stdout) << path << '\n';
        }
    };
    const auto click = [&](ui::ScreenId id, const char* control) {
        QWidget* screen = screens.screen(id);
        QWidget* widget = screen ? screen->findChild<QWidget*>(QString::fromLatin1(control)) : nullptr;
        if (!widget || !widget->isVisible()) {
            err << "no " << control << " to click\n";
            ++failures;
            return;
        }
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    };

    game.start();
    grab("main-menu");
    screens.show(ui::ScreenId::Instructions);
    grab("instructions");
    screens.hide(ui::ScreenId::Instructions);

    // A game in play in slot 1, as the new game screen leaves it, with some money won.
    game::WriteTextRecord(game::SlotFilePath(folder, 1, QStringLiteral("Name.txt")),
                          QStringLiteral("Robin"));
    for (const QString& path : {game::SlotFilePath(folder, 1, QStringLiteral("Money.txt")),
                                folder.path(game::CurrentMoneyFile)})
        game::WriteIntegerRecord(path, 450);
    for (const QString& path : {game::SlotFilePath(folder, 1, QStringLiteral("Bank.txt")),
                                folder.path(game::CurrentBankFile)})
        game::WriteIntegerRecord(path, 1200);
    game::WriteIntegerRecord(folder.path(game::CurrentSlotFile), 1);
    screens.show(ui::ScreenId::Locations);
    // The window as the desktop hands it the keyboard: the list has it, and nothing is chosen.
    screens.window()->windowHandle()->requestActivate();
    QApplication::processEvents();
    grab("town-first-visit");
    if (auto* places = screens.screen(ui::ScreenId::Locations)->findChild<QListWidget*>()) {
        QTest::mouseClick(places->viewport(), Qt::LeftButton, Qt::NoModifier,
                          places->visualItemRect(places->item(1)).center()); // the casino
    }
    grab("town");

    // The casino: a bet of $50, a 9 and a 3, and one hit that brings a 7.
    cards.values.push_back(0.3f); // the deck's back
    screens.show(ui::ScreenId::Test);
    cards.deal({hearts(9), spades(3), clovers(12), diamonds(8), clovers(7)});
    answers.typed.push_back(QStringLiteral("50"));
    click(ui::ScreenId::Test, "cmdDeal");
    click(ui::ScreenId::Test, "cmdHit");
    grab("casino");
    QTest::keyClick(screens.window(), Qt::Key_Tab);
    QTest::keyClick(screens.window(), Qt::Key_Tab);
    grab("casino-keyboard");
    screens.close(ui::ScreenId::Test);

    screens.show(ui::ScreenId::Bank);
    grab("bank");
    screens.close(ui::ScreenId::Bank);

    // The school's tournament, in its first round: a king and a 6 against the dealer's 8.
    screens.show(ui::ScreenId::School);
    click(ui::ScreenId::School, "imgTour");
    cards.deal({spades(13), hearts(6), diamonds(10), clovers(8)});
    click(ui::ScreenId::Tournament, "cmdStart");
    grab("tournament");
    return failures == 0 ? 0 : 1;
}
