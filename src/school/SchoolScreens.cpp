// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "school/SchoolScreens.h"

#include "school/SchoolScreen.h"
#include "school/TournamentTable.h"

namespace school {

ui::Screen* makeSchool(ui::ScreenModel& screens, const game::GameContext& context) {
    return new SchoolScreen(screens, context);
}

ui::Screen* makeTournament(ui::ScreenModel& screens, const game::GameContext& context) {
    return new TournamentTable(screens, context);
}

} // namespace school
