#include "school/SchoolScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace school {

ui::Screen* makeSchool(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::School, ui::ScreenId::Locations);
}

ui::Screen* makeTournament(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Tournament, ui::ScreenId::School);
}

} // namespace school
