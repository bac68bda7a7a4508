// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "town/HomeScreen.h"
#include "town/SleepDialog.h"
#include "town/TownScreens.h"

namespace town {

ui::Screen* makeHome(ui::ScreenModel& screens, const game::GameContext& context) {
    return new HomeScreen(screens, context);
}

ui::Screen* makeSleepDialog(ui::ScreenModel& screens, const game::GameContext& context) {
    return new SleepDialog(screens, context);
}

} // namespace town
