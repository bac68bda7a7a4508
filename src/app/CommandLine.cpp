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
    const char* value; // what the help calls its value, nullptr for a switch
    const char* help;
};
constexpr QtOption QtOptions[] = {
    {"platform", QT_TRANSLATE_NOOP("CommandLine", "platformName[:options]"),
     QT_TRANSLATE_NOOP("CommandLine", "Window system plugin (xcb, wayland, offscreen …).")},
    {"platformpluginpath", QT_TRANSLATE_NOOP("CommandLine", "path"),
     QT_TRANSLATE_NOOP("CommandLine", "Where the window system plugins are.")},
    {"platformtheme", QT_TRANSLATE_NOOP("CommandLine", "theme"),
     QT_TRANSLATE_NOOP("CommandLine", "Platform theme.")},
    {"plugin", QT_TRANSLATE_NOOP("CommandLine", "plugin"),
     QT_TRANSLATE_NOOP("CommandLine", "An additional plugin to load.")},
    {"qwindowgeometry", QT_TRANSLATE_NOOP("CommandLine", "geometry"),
     QT_TRANSLATE_NOOP("CommandLine", "Window geometry, as 600x400+50+50.")},
    {"qwindowicon", QT_TRANSLATE_NOOP("CommandLine", "icon"),
     QT_TRANSLATE_NOOP("CommandLine", "Window icon.")},
    {"qwindowtitle", QT_TRANSLATE_NOOP("CommandLine", "title"),
     QT_TRANSLATE_NOOP("CommandLine", "Window title.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Lays the window out right to left.")},
    {"session", QT_TRANSLATE_NOOP("CommandLine", "session"),
     QT_TRANSLATE_NOOP("CommandLine", "Restores an earlier session.")},
    {"display", QT_TRANSLATE_NOOP("CommandLine", "display"),
     QT_TRANSLATE_NOOP("CommandLine", "X display, instead of $DISPLAY.")},
    {"name", QT_TRANSLATE_NOOP("CommandLine", "name"),
     QT_TRANSLATE_NOOP("CommandLine", "X instance name.")},
    {"geometry", QT_TRANSLATE_NOOP("CommandLine", "geometry"),
     QT_TRANSLATE_NOOP("CommandLine", "Same as -qwindowgeometry, on X.")},
    {"icon", QT_TRANSLATE_NOOP("CommandLine", "icon"),
     QT_TRANSLATE_NOOP("CommandLine", "Same as -qwindowicon, on X.")},
    {"title", QT_TRANSLATE_NOOP("CommandLine", "title"),
     QT_TRANSLATE_NOOP("CommandLine", "Same as -qwindowtitle, on X.")},
    {"visual", QT_TRANSLATE_NOOP("CommandLine", "id"),
     QT_TRANSLATE_NOOP("CommandLine", "X visual to use.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Never grabs the mouse.")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Grabs the mouse even in a debugger.")},
    {"style", QT_TRANSLATE_NOOP("CommandLine", "style"),
     QT_TRANSLATE_NOOP("CommandLine", "Widget style (fusion …).")},
    {"stylesheet", QT_TRANSLATE_NOOP("CommandLine", "styleSheet"),
     QT_TRANSLATE_NOOP("CommandLine", "Style sheet file.")},
    {"widgetcount", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Counts the widgets left at the end.")},
    {"testability", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Loads Qt's testability library.")},
};

QString words(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

// --help lists the game's own options; --help-all adds Qt's.
void addOptions(QCommandLineParser& parser, const QCommandLineOption& saves, bool listQt) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(saves);
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), words(qt.help),
                                  qt.value ? words(qt.value) : QString());
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
    // The value's name, as the option's words refer to it.
    const QString folderValue = words(QT_TRANSLATE_NOOP("CommandLine", "folder"));
    const QCommandLineOption saves(
        QStringLiteral("saves"),
        QCoreApplication::translate("CommandLine", "Keep the saves in <%1>, created and given "
                                                   "three empty slots if need be.")
            .arg(folderValue),
        folderValue);
    QCommandLineParser parser;
    // Read as long options, "-help-all" is "--help-all".
    addOptions(parser, saves,
               arguments.contains(QLatin1String("--help-all")) ||
                   arguments.contains(QLatin1String("-help-all")));
    parser.setApplicationDescription(
        (standard == game::ProgramFolder(programRoot).saveFolder()
             ? QCoreApplication::translate("CommandLine",
                                           "Vantrell: blackjack in a small town.\n\nThis copy "
                                           "keeps its saves in %1\n(beside the program: a "
                                           "portable copy). --saves chooses another folder.")
             : QCoreApplication::translate("CommandLine",
                                           "Vantrell: blackjack in a small town.\n\nThis copy "
                                           "keeps its saves in %1\n(the player's own data folder: "
                                           "an installed copy). --saves chooses another folder."))
            .arg(standard));

    Launch launch;
    if (!parser.parse(arguments)) {
        launch.exitStatus = 1;
        launch.console = QCoreApplication::translate("CommandLine",
                                                     "vantrell: %1\nTry 'vantrell --help'.\n")
                             .arg(parser.errorText());
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
        launch.console = QCoreApplication::translate("CommandLine",
                                                     "vantrell: %1\nTry 'vantrell --help'.\n")
                             .arg(QCoreApplication::translate(
                                 "CommandLine", "--saves needs the name of a folder"));
        return launch;
    }
    const QString problem = game::openSaveFolder(programRoot, folder);
    if (!problem.isEmpty()) {
        launch.exitStatus = 1;
        launch.console = QStringLiteral("vantrell: %1\n").arg(problem);
        launch.box = QCoreApplication::translate(
                         "CommandLine",
                         "Vantrell cannot keep its saves: %1.\n\nTo play, start it from a "
                         "terminal with --saves and a folder you may write in:\n"
                         "vantrell --saves ~/vantrell-saves")
                         .arg(problem);
        return launch;
    }
    launch.saveFolder = QDir(folder).absolutePath();
    return launch;
}

} // namespace app
