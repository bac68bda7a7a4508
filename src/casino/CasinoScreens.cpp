// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "casino/CasinoScreens.h"

#include "casino/CasinoTable.h"

namespace casino {

ui::Screen* makeCasinoTable(ui::ScreenModel& screens, const game::GameContext& context) {
    return new CasinoTable(screens, context);
}

} // namespace casino
