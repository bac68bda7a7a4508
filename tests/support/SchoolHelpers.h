// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TestGame.h"
#include "school/TournamentTable.h"

#include <QStringList>

namespace tournament {

// Shows the school and enters the tournament from it by a click on its picture.
school::TournamentTable* enter(TestGame& t);

// Plays one hand named by a letter, dealt by Start or Continue, whichever is offered:
//   W won at the stand: king and queen against ten and eight
//   D drawn at the stand: 19 against 19
//   L lost at the stand: 17 against 19
//   B busted by a hit: king, six and nine
//   6 a sixth card that passes: five cards worth 11, then a four
//   X a sixth card that busts: five cards worth 14, then a king
// Returns the messages from the deal to the end of the hand.
QStringList playHand(TestGame& t, school::TournamentTable* table, char hand);
// The message that ends the hand (empty for a sixth card that passes), and its result picture.
QString toldAtEnd(char hand);
QString statusPicture(char hand);

// What the Continue after the fifth passed round says when the prize is paid in full.
QStringList prizeMessages();

} // namespace tournament
