// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/OneBased.h"
#include "engine/Random.h"

#include <cstdint>
#include <string>

namespace engine {

inline constexpr int DrawnCards = 12; // cards drawn for every hand
inline constexpr int HandSlots = 6;   // card slots on each side of a table

using Ranks = OneBased<std::int16_t, HandSlots>;
using Points = OneBased<std::int16_t, HandSlots>;
using Suits = OneBased<std::string, HandSlots>;

// Suit name ("Spades", "Hearts", "Clovers", "Diamonds") and rank (1 ace .. 13 king) of card
// number 1..52.
struct CardIdentity {
    std::string suit;
    std::int16_t rank = 0;
};
CardIdentity IdentifyCard(std::int16_t number);

// The card number that a generator value r gives: r x 52 rounded half to even, 0 moved up to 1.
std::int16_t CardNumberFor(float r);

// The card and hand state that each table keeps for itself. Rank 0 marks an empty slot.
struct HandState {
    OneBased<std::int16_t, DrawnCards> CardNumbers;
    OneBased<std::string, DrawnCards> CardSuits;
    OneBased<std::int16_t, DrawnCards> CardRanks;
    Suits PlayerSuits;
    Ranks PlayerRanks;
    Suits DealerSuits;
    Ranks DealerRanks;
    Points PlayerPoints;
    Points DealerPoints;
    std::int16_t PlayerTotal = 0;
    std::int16_t DealerTotal = 0;
    std::int16_t NextPlayerSlot = 0;
    std::int16_t NextDealerSlot = 0;
    std::int16_t NextCard = 0;

    // What a table clears when it opens and between hands: ranks, points, totals and counters.
    // Card numbers and suits are left alone; the next deal overwrites them.
    void clearTable();
};

// Draws `count` (1..12) distinct cards into CardNumbers, CardSuits and CardRanks, re-seeding
// before every single draw and drawing a position again when it repeats an earlier card.
void DrawCards(HandState& hand, const std::int16_t& count, RandomSource& random);

// The deal: drawn cards 1 and 2 to player slots 1 and 2, card 3 face down to dealer slot 1,
// card 4 to dealer slot 2; the counters then point at slot 3 and drawn card 5.
void DealHand(HandState& hand);

// Picture paths, written as the game names them under its program folder.
inline constexpr const char* BackPicture = "\\Graphics\\Back.GIF";
inline constexpr const char* NonePicture = "\\Graphics\\None.GIF";

// The result a table lays on the felt when a hand ends, and its picture. What a player hears of
// it is the game's words, kept with the screens.
enum class TableResult { Win, Lose, Draw, Busted };
const char* ResultPicture(TableResult result);

// "\Graphics\Hearts\Hearts10.GIF" and so on; the two of spades is "\Graphics\Spades\Spades2.Gif".
// Empty when the suit or rank names no card.
std::string CardFacePath(const std::string& suit, std::int16_t rank);

// The casino's deck pile: 1 "\Graphics\Back.GIF", 2 "\Graphics\BackDeath.GIF",
// 3 "\Graphics\BackLove.GIF", chosen with weights 1/2, 1/3 and 1/6.
int ChooseDeckBack(RandomSource& random);
std::string DeckBackPicture(int choice);

} // namespace engine
