// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Paths.h"

#include <QString>

namespace school {

inline constexpr int TournamentPrize = 200;
// The most a purse can hold: money is a signed 16-bit whole number in every file.
inline constexpr int LargestPurse = 32767;

// Pays the tournament's prize: the money in "CurrentMoney.txt" plus the prize, written back and
// then to the money file of the slot named by "CurrentSlot.txt". Returns what the player is told
// at that moment: "Here's your $200." when all went well, otherwise what was and was not paid,
// naming the file that failed.
QString PayPrize(const game::ProgramFolder& folder);

} // namespace school
