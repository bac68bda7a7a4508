#include "game/GameScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace game {

ui::Screen* makeInstructions(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Instructions, ui::ScreenId::Start);
}

} // namespace game
