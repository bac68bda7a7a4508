// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace game {

// Why a name typed for a new game cannot start it, as the message the player is shown; empty
// when the name is taken exactly as typed (blanks, commas and "(Nobody)" included).
QString nameRefusal(const QString& PlayerName);

} // namespace game
