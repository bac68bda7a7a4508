#include "app/Game.h"
#include "engine/Random.h"
#include "game/SaveFolders.h"
#include "game/StartScreen.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

#include <variant>

namespace {

struct Folders {
    QString program;
    QString saves;
};

// Reads the command line on the console, before any window exists, so that --help, --version
// and a bad --saves answer without a display. Returns the folders, or an exit status.
std::variant<Folders, int> foldersFromCommandLine(int& argc, char* argv[]) {
    QCoreApplication console(argc, argv);
    const QString programRoot = QCoreApplication::applicationDirPath();
    const QString standard = game::defaultSaveFolder(
        programRoot, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vantrell: blackjack in a small town.\n\nThis copy keeps its saves in %1\n"
                       "(%2). --saves chooses another folder.")
            .arg(standard, standard == game::ProgramFolder(programRoot).saveFolder()
                               ? QStringLiteral("beside the program: a portable copy")
                               : QStringLiteral("the player's own data folder: an installed copy")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption saves(QStringLiteral("saves"),
                                   QStringLiteral("Keep the saves in <folder>, created and given "
                                                  "three empty slots if need be."),
                                   QStringLiteral("folder"));
    parser.addOption(saves);
    parser.process(console); // --help, --version and unknown options end here

    const QString folder = parser.isSet(saves) ? parser.value(saves) : standard;
    const QString problem = game::openSaveFolder(programRoot, folder);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "vantrell: " << problem << '\n';
        return 1;
    }
    return Folders{programRoot, QDir(folder).absolutePath()};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vantrell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
    const auto folders = foldersFromCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&folders)) return *status;
    const game::ProgramFolder folder(std::get<Folders>(folders).program,
                                     std::get<Folders>(folders).saves);

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrell.Vantrell"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The game ends when its screens say so, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(folder.path("\\vantrell.png")));
    // The menu's pictures are read on a second thread while this one builds the window.
    game::StartScreen::readAhead(folder);
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
