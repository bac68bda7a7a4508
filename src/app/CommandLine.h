// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// What the command line asks of the program: the game, with the folder its saves live in and
// the options meant for Qt's own window system, or an answer and an exit status without any
// window (--help, --version, a mistyped option, a save folder that cannot be used).
struct Launch {
    std::optional<int> exitStatus; // set when the program ends without playing
    QString console;               // what to print: on stdout for a status of 0, else on stderr
    // The same trouble for a player who started the game from the desktop's menu and will never
    // see the console.
    QString box;
    QString saveFolder;
    // Qt's standard options (-platform, -style, -reverse …) in the form Qt's application object
    // reads them, the program's name first; also for the box that shows the trouble.
    QByteArrayList windowSystemArguments;
};

// `arguments` as the program was started, its own path first. `dataFolder` is the player's data
// folder, where an installed copy keeps its saves. Opens the save folder, seeding a new one.
// Needs no application object: the program reads its command line before it makes one.
Launch readCommandLine(const QStringList& arguments, const QString& programRoot,
                       const QString& dataFolder);

} // namespace app
