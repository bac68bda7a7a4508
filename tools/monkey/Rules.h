#pragma once

#include <QString>
#include <algorithm>
#include <array>

// The game's rules once more, written apart from the game, so the random player can tell what a
// hand should have paid without asking the code it is checking.
namespace monkey::rules {

// A hand of six slots, 0 for an empty one: court cards 10, aces 11 until the sum passes 21,
// then every ace 1.
template <typename Ranks> int count(const Ranks& ranks) {
    int total = 0, aces = 0;
    for (int rank : ranks) {
        if (rank == 1) {
            total += 11;
            ++aces;
        } else {
            total += std::min(rank, 10);
        }
    }
    return total > 21 ? total - 10 * aces : total;
}

enum class Result { Win, Loss, Draw, None };

// The stand's verdict, first rule that holds.
inline Result decide(int player, int dealer) {
    if (dealer > 21 && player <= 21) return Result::Win;
    if (player > dealer && player <= 21) return Result::Win;
    if (player < dealer) return Result::Loss;
    if (player == dealer) return Result::Draw;
    return Result::None;
}

// The cash after a settled hand: a win pays twice the stake and leaves at most 9999 in hand, a
// draw gives the stake back, a loss keeps it.
inline int settle(int cash, int stake, Result result) {
    switch (result) {
    case Result::Win:
        return std::min(cash + 2 * stake, 9999);
    case Result::Draw:
        return cash + stake;
    default:
        return cash;
    }
}

// The picture of a card under the program folder: "Graphics/Hearts/Hearts10.GIF".
inline QString face(int number) {
    static const char* const suits[] = {"Spades", "Hearts", "Clovers", "Diamonds"};
    static const char* const words[] = {"",  "Ace", "2", "3",  "4",    "5",     "6",
                                        "7", "8",   "9", "10", "Jack", "Queen", "King"};
    const QString suit = QLatin1String(suits[(number - 1) / 13]);
    const int rank = (number - 1) % 13 + 1;
    const QString extension = number == 2 ? QStringLiteral(".Gif") : QStringLiteral(".GIF");
    return QStringLiteral("Graphics/") + suit + QLatin1Char('/') + suit +
           QLatin1String(words[rank]) + extension;
}

inline QString suitOf(int number) {
    static const char* const suits[] = {"Spades", "Hearts", "Clovers", "Diamonds"};
    return QLatin1String(suits[(number - 1) / 13]);
}
inline int rankOf(int number) {
    return (number - 1) % 13 + 1;
}

} // namespace monkey::rules
