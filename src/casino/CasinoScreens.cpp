#include "casino/CasinoScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace casino {

ui::Screen* makeCasinoTable(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Test, ui::ScreenId::Locations);
}

} // namespace casino
