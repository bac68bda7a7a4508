// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Cards.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace engine {

namespace {

constexpr std::array<std::string_view, 4> SuitNames = {"Spades", "Hearts", "Clovers", "Diamonds"};
constexpr int RanksPerSuit = 13;
constexpr int DeckSize = 52;

bool knownSuit(const std::string& suit) {
    for (std::string_view name : SuitNames)
        if (suit == name) return true;
    return false;
}

std::string rankWord(std::int16_t rank) {
    switch (rank) {
    case 1:
        return "Ace";
    case 11:
        return "Jack";
    case 12:
        return "Queen";
    case 13:
        return "King";
    default:
        return std::to_string(rank);
    }
}

} // namespace

CardIdentity IdentifyCard(std::int16_t number) {
    CardIdentity card;
    for (int suit = 0; suit < static_cast<int>(SuitNames.size()); ++suit) {
        const int first = suit * RanksPerSuit + 1;
        if (number >= first && number < first + RanksPerSuit) {
            card.suit = SuitNames[static_cast<std::size_t>(suit)];
            card.rank = static_cast<std::int16_t>(number - first + 1);
        }
    }
    return card;
}

std::int16_t CardNumberFor(float r) {
    // Widening to double keeps r x 52 exact, so the exact halves really are halves.
    std::int16_t number = RoundHalfEven(static_cast<double>(r) * DeckSize);
    // Values that round to 0 belong to the ace of spades; a value outside 0..1 (never produced
    // by a generator) is kept to the deck rather than naming a card that does not exist.
    if (number < 1) number = 1;
    if (number > DeckSize) number = DeckSize;
    return number;
}

void HandState::clearTable() {
    PlayerPoints.fill(0);
    DealerPoints.fill(0);
    PlayerRanks.fill(0);
    DealerRanks.fill(0);
    NextPlayerSlot = 0;
    NextDealerSlot = 0;
    NextCard = 0;
    CardRanks.fill(0);
    PlayerTotal = 0;
    DealerTotal = 0;
}

void DrawCards(HandState& hand, const std::int16_t& count, RandomSource& random) {
    // The arrays hold twelve cards; any other count is a caller's mistake and draws nothing.
    if (count < 1 || count > DrawnCards) return;

    int i = 0;
    bool duplicate = false;
    do {
        ++i;
        random.reseedFromClock();
        hand.CardNumbers(i) = CardNumberFor(random.next());
        for (int earlier = 1; earlier < i; ++earlier)
            if (hand.CardNumbers(earlier) == hand.CardNumbers(i)) duplicate = true;
        // A repeat is drawn again at the same position on the next pass.
        if (duplicate) --i;
        duplicate = false;
    } while (i != count);

    for (int k = 1; k <= count; ++k) {
        const CardIdentity card = IdentifyCard(hand.CardNumbers(k));
        hand.CardSuits(k) = card.suit;
        hand.CardRanks(k) = card.rank;
    }
}

void DealHand(HandState& hand) {
    for (int slot = 1; slot <= 2; ++slot) {
        hand.PlayerSuits(slot) = hand.CardSuits(slot);
        hand.PlayerRanks(slot) = hand.CardRanks(slot);
    }
    // Card 3 is the dealer's hole card, card 4 the one shown.
    for (int slot = 1; slot <= 2; ++slot) {
        hand.DealerSuits(slot) = hand.CardSuits(slot + 2);
        hand.DealerRanks(slot) = hand.CardRanks(slot + 2);
    }
    hand.NextPlayerSlot = 3;
    hand.NextDealerSlot = 3;
    hand.NextCard = 5;
}

std::string CardFacePath(const std::string& suit, std::int16_t rank) {
    if (!knownSuit(suit) || rank < 1 || rank > RanksPerSuit) return {};
    // The one face file whose extension is written in another case.
    if (suit == "Spades" && rank == 2) return "\\Graphics\\Spades\\Spades2.Gif";
    return "\\Graphics\\" + suit + "\\" + suit + rankWord(rank) + ".GIF";
}

const char* ResultPicture(TableResult result) {
    switch (result) {
    case TableResult::Win:
        return "\\Graphics\\Win.GIF";
    case TableResult::Lose:
        return "\\Graphics\\Lose.GIF";
    case TableResult::Draw:
        return "\\Graphics\\Draw.GIF";
    case TableResult::Busted:
        return "\\Graphics\\Busted.GIF";
    }
    return "";
}

int ChooseDeckBack(RandomSource& random) {
    random.reseedFromClock();
    const int choice = RoundHalfEven(static_cast<double>(random.next()) * 3);
    // 0 joins the first back, which is why the plain back comes up half of the time.
    return std::clamp(choice, 1, 3);
}

std::string DeckBackPicture(int choice) {
    switch (choice) {
    case 1:
        return BackPicture;
    case 2:
        return "\\Graphics\\BackDeath.GIF";
    case 3:
        return "\\Graphics\\BackLove.GIF";
    default:
        return {};
    }
}

} // namespace engine
