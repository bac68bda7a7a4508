#include "app/Game.h"
#include "engine/Random.h"
#include "game/SaveFolders.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrell"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The game ends when its screens say so, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);

    const game::ProgramFolder folder(QCoreApplication::applicationDirPath());
    QApplication::setWindowIcon(QIcon(folder.path("\\vantrell.png")));
    game::prepareSaveFolders(folder);

    engine::ClockRandom random;
    ui::ScreenModel* screens = nullptr;
    ui::WindowDialogs dialogs([&screens] { return screens ? screens->dialogParent() : nullptr; });
    app::Game game(game::GameContext{folder, dialogs, random, false});
    screens = &game.screens();
    QObject::connect(screens, &ui::ScreenModel::programEnded, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    game.start();
    return QApplication::exec();
}
