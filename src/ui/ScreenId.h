// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

namespace ui {

// The eleven screens of the game. Screens open each other by these names through the screen
// model, never by knowing each other's types.
enum class ScreenId {
    Start,
    NewGame,
    ContinueGame,
    Instructions,
    Locations,
    Home,
    frmQuit,
    Test,
    School,
    Tournament,
    Bank,
};

inline constexpr int ScreenCount = 11;

const char* screenName(ScreenId id);

} // namespace ui
