// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TestGame.h"
#include "casino/CasinoTable.h"

#include <QList>
#include <QString>

// Shortcuts for sitting at the casino table with chosen cards.
//
//     TestGame t;
//     auto* table = casino::sitDown(t, 500);              // slot 1 in play, $500 in hand
//     casino::dealCards(t, table, "100", {S(10), H(7), D(9), C(9), S(4)});
//     TestGame::click(table->cmdStand);
namespace casino {

// Card numbers by suit and rank, for reading the dealt hands at a glance: the spades are 1 to 13,
// then come the hearts, the clovers and the diamonds.
inline constexpr auto S = [](int rank) { return rank; };
inline constexpr auto H = [](int rank) { return 13 + rank; };
inline constexpr auto C = [](int rank) { return 26 + rank; };
inline constexpr auto D = [](int rank) { return 39 + rank; };

// A hand that the player loses at the stand: 10 + 7 against the dealer's 9 + 10.
inline const QList<int> LosingHand = {S(10), H(7), D(9), C(10)};

// Writes a game in play in `slot` with `money` in hand and opens the table from the town, as
// the location chooser would. `deckBack` is the value the table draws for its deck pile.
CasinoTable* sitDown(TestGame& t, int money, int slot = 1, float deckBack = 0.1f);

// Types `bet` into the bet box and clicks Deal, with the cards in draw order: the player's two,
// the dealer's hole card and open card, then the hits and the dealer's draws as called for.
void dealCards(TestGame& t, CasinoTable* table, const QString& bet, const QList<int>& cards);

// The table's controls a player sees, in a fixed order, then how many card slots are on the felt:
// "cmdHit cmdStand cmdDD 12 cards".
QString shownControls(const CasinoTable* table);

// The picture shown in a control (an image or a picture button), by the game's own name
// ("\\Graphics\\Win.GIF"); empty when it has none.
QString gameName(const TestGame& t, QString path);
template <typename Control> QString shownPicture(const TestGame& t, const Control* control) {
    return control->hasPicture() ? gameName(t, control->picturePath()) : QString();
}

// The game name of a card's face, "\\Graphics\\Hearts\\Hearts10.GIF".
QString facePicture(int cardNumber);

} // namespace casino
