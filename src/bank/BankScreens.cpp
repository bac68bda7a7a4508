#include "bank/BankScreens.h"

#include "game/PlaceholderScreen.h"
#include "ui/ScreenModel.h"

namespace bank {

ui::Screen* makeBank(ui::ScreenModel& screens, const game::GameContext& context) {
    return new game::PlaceholderScreen(screens, context, ui::ScreenId::Bank, ui::ScreenId::Locations);
}

} // namespace bank
