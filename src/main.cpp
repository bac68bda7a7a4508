// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"
#include "app/Game.h"
#include "engine/Random.h"
#include "game/SaveFolders.h"
#include "ui/Dialogs.h"
#include "ui/Language.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>
#include <QWidget>
#include <QWindow>
#include <unistd.h>
#include <vector>

namespace {

// The program folder, found through the program's real path as Qt's applicationDirPath() finds
// it, but before any application object exists: the command line is read without one, so that
// --help, --version and a bad --saves answer without a display, and the game makes only the one
// it plays in.
QString programRoot(const char* argv0) {
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.isEmpty() ? QString::fromLocal8Bit(argv0) : self).absolutePath();
}

// The window system Qt would choose, with offscreen as the last resort: a display that cannot be
// opened then ends the program with its message instead of Qt's abort. Takes any -platform out of
// Qt's options, as it is now part of the answer.
QByteArray platformOrOffscreen(QByteArrayList& qtArguments) {
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    const qsizetype named = qtArguments.indexOf("-platform");
    if (named >= 0 && named + 1 < qtArguments.size()) {
        chosen = qtArguments[named + 1];
        qtArguments.remove(named, 2);
    }
    if (chosen.isEmpty())
        chosen = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "wayland;xcb";
    return chosen + ";offscreen";
}

// Qt's options as the application object takes them: pointers into the list, ended by a null.
std::vector<char*> argvOf(QByteArrayList& qtArguments) {
    std::vector<char*> argv;
    for (QByteArray& argument : qtArguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return argv;
}

// A player who started the game from the desktop's menu sees no console: the trouble is shown in
// a box as well, but only on a window system that opened and that a person looks at. Anywhere
// else (a package check, a CI job) the box would wait for a click that never comes.
void showTroubleOutsideATerminal(const QString& text, QByteArrayList qtArguments) {
    if (text.isEmpty() || isatty(STDERR_FILENO)) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qtArguments.contains("-platform"))
        return;
    const QByteArray platform = platformOrOffscreen(qtArguments);
    qtArguments << "-platform" << platform;
    std::vector<char*> argv = argvOf(qtArguments);
    int argc = int(argv.size()) - 1;
    const QApplication application(argc, argv.data());
    ui::useLanguage(ui::desktopLanguage());
    const QString seen = QGuiApplication::platformName();
    if (seen == QLatin1String("offscreen") || seen.startsWith(QLatin1String("minimal"))) return;
    ui::WindowDialogs([] { return nullptr; }).message(text);
}

// Gives the game its window icon once the main menu has been painted: reading the icon, and
// looking up Qt's image plugins for it, held up the first paint by a few per cent of the start.
// The desktop shows the icon of the game's menu entry meanwhile.
class IconAfterFirstPaint : public QObject {
  public:
    explicit IconAfterFirstPaint(QString path) : path_(std::move(path)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt paints the window as it handles its first expose, before the queued call runs.
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { QApplication::setWindowIcon(QIcon(path_)); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QString path_;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vantrell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    const QString root = programRoot(argv[0]);
    app::Launch launch = app::readCommandLine(
        arguments, root, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (launch.exitStatus) {
        // The answer is given in the player's language, whose words need an application object:
        // one is made on this path only, and the command line read again with it. The first
        // reading stopped before any folder was opened, or at one that could not be, which is
        // simply tried once more.
        {
            int count = 1;
            char* name[] = {argv[0], nullptr};
            const QCoreApplication console(count, name);
            ui::useLanguage(ui::desktopLanguage());
            launch = app::readCommandLine(
                arguments, root, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        }
        QTextStream(*launch.exitStatus == 0 ? stdout : stderr) << launch.console;
        showTroubleOutsideATerminal(launch.box, launch.windowSystemArguments);
        return *launch.exitStatus;
    }

    std::vector<char*> qtArgv = argvOf(launch.windowSystemArguments);
    int qtArgc = int(qtArgv.size()) - 1;
    QApplication application(qtArgc, qtArgv.data());
    ui::useLanguage(ui::desktopLanguage());
    const game::ProgramFolder folder(root, launch.saveFolder);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrell.Vantrell"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The game ends when its screens say so, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    game::prepareSaveFolders(folder);

    engine::ClockRandom random;
    ui::ScreenModel* screens = nullptr;
    ui::WindowDialogs dialogs([&screens] { return screens ? screens->dialogParent() : nullptr; });
    app::Game game(game::GameContext{folder, dialogs, random, false});
    screens = &game.screens();
    QObject::connect(screens, &ui::ScreenModel::programEnded, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    game.start();
    IconAfterFirstPaint icon(folder.path("\\vantrell.png"));
    if (QWindow* shown = screens->window()->windowHandle()) shown->installEventFilter(&icon);
    return QApplication::exec();
}
