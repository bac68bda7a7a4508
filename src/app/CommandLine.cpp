// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "game/Paths.h"
#include "game/SaveFolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace app {

namespace {

// The options every Qt program takes, which Qt's application object reads for itself.
struct QtOption {
    const char* name;
    const char* value; // nullptr for a switch
    const char* help;
};
constexpr QtOption QtOptions[] = {
    {"platform", "platformName[:options]", "Window system plugin (xcb, wayland, offscreen …)."},
    {"platformpluginpath", "path", "Where the window system plugins are."},
    {"platformtheme", "theme", "Platform theme."},
    {"plugin", "plugin", "An additional plugin to load."},
    {"qwindowgeometry", "geometry", "Window geometry, as 600x400+50+50."},
    {"qwindowicon", "icon", "Window icon."},
    {"qwindowtitle", "title", "Window title."},
    {"reverse", nullptr, "Lays the window out right to left."},
    {"session", "session", "Restores an earlier session."},
    {"display", "display", "X display, instead of $DISPLAY."},
    {"name", "name", "X instance name."},
    {"geometry", "geometry", "Same as -qwindowgeometry, on X."},
    {"icon", "icon", "Same as -qwindowicon, on X."},
    {"title", "title", "Same as -qwindowtitle, on X."},
    {"visual", "id", "X visual to use."},
    {"nograb", nullptr, "Never grabs the mouse."},
    {"dograb", nullptr, "Grabs the mouse even in a debugger."},
    {"style", "style", "Widget style (fusion …)."},
    {"stylesheet", "styleSheet", "Style sheet file."},
    {"widgetcount", nullptr, "Counts the widgets left at the end."},
    {"testability", nullptr, "Loads Qt's testability library."},
};

// --help lists the game's own options; --help-all adds Qt's.
void addOptions(QCommandLineParser& parser, const QCommandLineOption& saves, bool listQt) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(saves);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromUtf8(qt.help),
                                  QString::fromLatin1(qt.value ? qt.value : ""));
        if (!listQt) option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt reads "-platform offscreen" and "--platform offscreen" but not "--platform=offscreen":
// every option is handed on in the first form.
QByteArrayList qtArguments(const QCommandLineParser& parser, const QString& program) {
    QByteArrayList arguments{program.toLocal8Bit()};
    for (const QtOption& qt : QtOptions) {
        const QString name = QString::fromLatin1(qt.name);
        if (!parser.isSet(name)) continue;
        const QByteArray dashed = QByteArray("-") + qt.name;
        if (!qt.value) {
            arguments << dashed;
            continue;
        }
        for (const QString& value : parser.values(name))
            arguments << dashed << value.toLocal8Bit();
    }
    return arguments;
}

} // namespace

Launch readCommandLine(const QStringList& arguments, const QString& programRoot,
                       const QString& dataFolder) {
    const QString standard = game::defaultSaveFolder(programRoot, dataFolder);
    const QCommandLineOption saves(QStringLiteral("saves"),
                                   QStringLiteral("Keep the saves in <folder>, created and given "
                                                  "three empty slots if need be."),
                                   QStringLiteral("folder"));
    QCommandLineParser parser;
    // Read as long options, "-help-all" is "--help-all".
    addOptions(parser, saves,
               arguments.contains(QLatin1String("--help-all")) ||
                   arguments.contains(QLatin1String("-help-all")));
    parser.setApplicationDescription(
        QStringLiteral("Vantrell: blackjack in a small town.\n\nThis copy keeps its saves in %1\n"
                       "(%2). --saves chooses another folder.")
            .arg(standard,
                 standard == game::ProgramFolder(programRoot).saveFolder()
                     ? QStringLiteral("beside the program: a portable copy")
                     : QStringLiteral("the player's own data folder: an installed copy")));

    Launch launch;
    if (!parser.parse(arguments)) {
        launch.exitStatus = 1;
        launch.console =
            QStringLiteral("vantrell: %1\nTry 'vantrell --help'.\n").arg(parser.errorText());
        return launch;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        launch.exitStatus = 0;
        // Read before any application object exists, which is where Qt takes the program's name.
        launch.console =
            parser.helpText().replace(QStringLiteral("<executable_name>"), arguments.value(0));
        return launch;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        launch.exitStatus = 0;
        launch.console = QCoreApplication::applicationName() + QLatin1Char(' ') +
                         QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return launch;
    }

    launch.windowSystemArguments = qtArguments(parser, arguments.value(0));
    const QString folder = parser.isSet(saves) ? parser.value(saves) : standard;
    // An empty name is no folder: read as the current one, it would fill whatever folder the
    // game happened to be started from.
    if (folder.isEmpty()) {
        launch.exitStatus = 1;
        launch.console = QStringLiteral("vantrell: --saves needs the name of a folder\n"
                                        "Try 'vantrell --help'.\n");
        return launch;
    }
    const QString problem = game::openSaveFolder(programRoot, folder);
    if (!problem.isEmpty()) {
        launch.exitStatus = 1;
        launch.console = QStringLiteral("vantrell: %1\n").arg(problem);
        launch.box =
            QStringLiteral("Vantrell cannot keep its saves: %1.\n\nTo play, start it from a "
                           "terminal with --saves and a folder you may write in:\n"
                           "vantrell --saves ~/vantrell-saves")
                .arg(problem);
        return launch;
    }
    launch.saveFolder = QDir(folder).absolutePath();
    return launch;
}

} // namespace app
