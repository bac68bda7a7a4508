// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "SchoolHelpers.h"

#include "school/SchoolScreen.h"

#include <string_view>
#include <vector>

namespace tournament {

namespace {

struct Hand {
    std::vector<int> ranks; // in draw order: the player's two, the hole card, the open card, ...
    int hits;               // the player stands after these unless the hand ended on a hit
    const char* told;
    const char* status;
};

const Hand& hand(char name) {
    const char* lost = "Sorry, but you lose.";
    static const Hand hands[] = {
        {{13, 12, 10, 8}, 0, "Good job!", "Win"},
        {{13, 9, 12, 9}, 0, "Well, it's a draw, let's do this round again.", "Draw"},
        {{10, 7, 13, 9}, 0, lost, "Lose"},
        {{13, 6, 10, 8, 9}, 1, lost, "Busted"},
        {{2, 2, 13, 13, 2, 2, 3, 4}, 4, "", "Win"},
        {{2, 2, 13, 13, 3, 3, 4, 13}, 4, lost, "Busted"},
    };
    return hands[std::string_view("WDLB6X").find(name)];
}

} // namespace

school::TournamentTable* enter(TestGame& t) {
    auto* hall = t.open<school::SchoolScreen>(ui::ScreenId::School);
    if (!hall) return nullptr;
    TestGame::click(hall->imgTour);
    return t.screens().screenAs<school::TournamentTable>(ui::ScreenId::Tournament);
}

QStringList playHand(TestGame& t, school::TournamentTable* table, char name) {
    const Hand& played = hand(name);
    t.random.dealingRanks(played.ranks);
    t.dialogs.takeMessages();
    TestGame::click(table->cmdStart->isVisible() ? table->cmdStart : table->cmdContinue);
    for (int hit = 0; hit < played.hits && table->cmdHit->isVisible(); ++hit)
        TestGame::click(table->cmdHit);
    if (table->cmdStand->isVisible()) TestGame::click(table->cmdStand);
    return t.dialogs.takeMessages();
}

QString toldAtEnd(char name) {
    return QString::fromLatin1(hand(name).told);
}

QString statusPicture(char name) {
    return QStringLiteral("\\Graphics\\%1.GIF").arg(QLatin1String(hand(name).status));
}

QStringList prizeMessages() {
    return {QStringLiteral("You have passed all five rounds."), QStringLiteral("Here's your $200."),
            QStringLiteral("Looks like you're finished here."), QStringLiteral("See you around.")};
}

} // namespace tournament
