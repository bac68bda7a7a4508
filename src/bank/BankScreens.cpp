// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "bank/BankScreens.h"

#include "bank/BankScreen.h"

namespace bank {

ui::Screen* makeBank(ui::ScreenModel& screens, const game::GameContext& context) {
    return new BankScreen(screens, context);
}

} // namespace bank
