#include "casino/CasinoScreens.h"

#include "casino/CasinoTable.h"

namespace casino {

ui::Screen* makeCasinoTable(ui::ScreenModel& screens, const game::GameContext& context) {
    return new CasinoTable(screens, context);
}

} // namespace casino
