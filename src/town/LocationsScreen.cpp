#include "town/TownScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace town {

ui::Screen* makeLocations(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Locations, ui::ScreenId::Start);
}

} // namespace town
