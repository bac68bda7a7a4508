#include "game/GameScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace game {

ui::Screen* makeNewGame(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::NewGame, ui::ScreenId::Start);
}

ui::Screen* makeContinueGame(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::ContinueGame, ui::ScreenId::Start);
}

} // namespace game
