// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Paths.h"

namespace game {

// Puts back what a first run needs and a player may have deleted: the save folders, empty
// slots holding "(Nobody)", and current-game files. Never touches a file that exists; removes
// only the temporary copies that a save interrupted by a crash may have left behind.
void prepareSaveFolders(const ProgramFolder& folder);

// Where this copy keeps its saves unless told otherwise: beside the program in Files/ when the
// player may write in the program folder (a portable copy), else <dataFolder>/Files; always the
// latter for an installed copy, one whose folder is the installation's (lib/games/vantrell).
QString defaultSaveFolder(const QString& programRoot, const QString& dataFolder);

// Makes saveFolder ready to hold the saves: creates it, makes sure the player may write in it,
// and seeds it from the delivered Files/ of the program folder, copying only the files it lacks,
// byte for byte. Returns what went wrong, or an empty text; a folder that cannot be created or
// written in gets nothing.
QString openSaveFolder(const QString& programRoot, const QString& saveFolder);

} // namespace game
