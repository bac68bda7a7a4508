#include "town/TownScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace town {

ui::Screen* makeHome(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Home, ui::ScreenId::Locations);
}

ui::Screen* makeSleepDialog(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::frmQuit, ui::ScreenId::Home);
}

} // namespace town
