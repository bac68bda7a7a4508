#pragma once

#include "game/Paths.h"

namespace game {

// Puts back what a first run needs and a player may have deleted: the save folders, empty
// slots holding "(Nobody)", and current-game files. Never touches a file that exists; removes
// only the temporary copies that a save interrupted by a crash may have left behind.
void prepareSaveFolders(const ProgramFolder& folder);

} // namespace game
