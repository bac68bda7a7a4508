// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"
#include "app/Game.h"
#include "engine/Random.h"
#include "game/SaveFolders.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

#include <unistd.h>

#include <vector>

namespace {

// Reads the command line on the console, before any window exists, so that --help, --version
// and a bad --saves answer without a display.
app::Launch launchFromCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    const QCoreApplication console(argc, argv);
    return app::readCommandLine(arguments, QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// A player who started the game from the desktop's menu sees no console: the trouble is shown in
// a box as well, where a window system is there to show it.
void showTroubleOutsideATerminal(const QString& text, char* program) {
    if (text.isEmpty() || isatty(STDERR_FILENO)) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    int argc = 1;
    char* argv[] = {program, nullptr};
    const QApplication application(argc, argv);
    ui::WindowDialogs([] { return nullptr; }).message(text);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vantrell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
    app::Launch launch = launchFromCommandLine(argc, argv);
    if (launch.exitStatus) {
        QTextStream(*launch.exitStatus == 0 ? stdout : stderr) << launch.console;
        showTroubleOutsideATerminal(launch.box, argv[0]);
        return *launch.exitStatus;
    }

    std::vector<char*> qtArgv;
    for (QByteArray& argument : launch.windowSystemArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication application(qtArgc, qtArgv.data());
    const game::ProgramFolder folder(QCoreApplication::applicationDirPath(), launch.saveFolder);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrell.Vantrell"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The game ends when its screens say so, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
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
