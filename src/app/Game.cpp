// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "app/Game.h"

#include "bank/BankScreens.h"
#include "casino/CasinoScreens.h"
#include "game/GameScreens.h"
#include "school/SchoolScreens.h"
#include "town/TownScreens.h"

namespace app {

using ui::ScreenId;

Game::Game(game::GameContext context) : context_(std::move(context)) {
    const struct {
        ScreenId id;
        ui::Screen* (*make)(ui::ScreenModel&, const game::GameContext&);
    } screens[] = {
        {ScreenId::Start, game::makeStart},
        {ScreenId::NewGame, game::makeNewGame},
        {ScreenId::ContinueGame, game::makeContinueGame},
        {ScreenId::Instructions, game::makeInstructions},
        {ScreenId::Locations, town::makeLocations},
        {ScreenId::Home, town::makeHome},
        {ScreenId::frmQuit, town::makeSleepDialog},
        {ScreenId::Test, casino::makeCasinoTable},
        {ScreenId::School, school::makeSchool},
        {ScreenId::Tournament, school::makeTournament},
        {ScreenId::Bank, bank::makeBank},
    };
    for (const auto& screen : screens) {
        auto make = screen.make;
        screens_.registerScreen(screen.id, [this, make](ui::ScreenModel& model) {
            return make(model, context_);
        });
    }
    // The window's close button ends the game as the main menu's Quit does, once the screen in
    // front has had its say.
    screens_.setClosingOrder({ScreenId::frmQuit, ScreenId::Instructions, ScreenId::Test,
                              ScreenId::NewGame, ScreenId::ContinueGame, ScreenId::Locations,
                              ScreenId::Home, ScreenId::School, ScreenId::Tournament,
                              ScreenId::Bank, ScreenId::Start});
}

void Game::start() { screens_.show(ScreenId::Start); }

} // namespace app
