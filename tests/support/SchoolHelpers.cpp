#include "SchoolHelpers.h"

#include <QTest>
#include <vector>

namespace tournament {

namespace {

struct Hand {
    char name;
    std::vector<int> cards; // in draw order: the player's two, the hole card, the open card, ...
    int hits;               // the player stands after these unless the hand ended on a hit
    const char* told;
    const char* status;
};

const Hand& hand(char name) {
    static const std::vector<Hand> hands = {
        {'W',
         {card("Spades", 13), card("Spades", 12), card("Hearts", 10), card("Hearts", 8)},
         0,
         "Good job!",
         "\\Graphics\\Win.GIF"},
        {'D',
         {card("Spades", 13), card("Spades", 9), card("Hearts", 12), card("Hearts", 9)},
         0,
         "Well, it's a draw, let's do this round again.",
         "\\Graphics\\Draw.GIF"},
        {'L',
         {card("Spades", 10), card("Spades", 7), card("Hearts", 13), card("Hearts", 9)},
         0,
         "Sorry, but you lose.",
         "\\Graphics\\Lose.GIF"},
        {'B',
         {card("Spades", 13), card("Spades", 6), card("Hearts", 10), card("Hearts", 8),
          card("Clovers", 9)},
         1,
         "Sorry, but you lose.",
         "\\Graphics\\Busted.GIF"},
        {'6',
         {card("Spades", 2), card("Hearts", 2), card("Diamonds", 13), card("Clovers", 13),
          card("Clovers", 2), card("Diamonds", 2), card("Spades", 3), card("Hearts", 4)},
         4,
         "",
         "\\Graphics\\Win.GIF"},
        {'X',
         {card("Spades", 2), card("Hearts", 2), card("Diamonds", 13), card("Clovers", 13),
          card("Clovers", 3), card("Diamonds", 3), card("Spades", 4), card("Hearts", 13)},
         4,
         "Sorry, but you lose.",
         "\\Graphics\\Busted.GIF"},
    };
    for (const Hand& each : hands)
        if (each.name == name) return each;
    return hands.front();
}

} // namespace

int card(const char* suit, int rank) {
    return ScriptedRandom::cardNumber(suit, rank);
}

school::TournamentTable* enter(TestGame& t) {
    t.screens().show(ui::ScreenId::School);
    auto* hall = t.screens().screen(ui::ScreenId::School);
    auto* picture = hall ? hall->findChild<QWidget*>(QStringLiteral("imgTour")) : nullptr;
    if (!picture) return nullptr;
    TestGame::click(picture);
    return t.screens().screenAs<school::TournamentTable>(ui::ScreenId::Tournament);
}

QStringList playHand(TestGame& t, school::TournamentTable* table, char name) {
    const Hand& played = hand(name);
    for (int number : played.cards)
        t.random.dealing({number});
    t.dialogs.takeMessages();
    TestGame::click(table->cmdStart->isVisible() ? table->cmdStart : table->cmdContinue);
    for (int hit = 0; hit < played.hits; ++hit)
        TestGame::click(table->cmdHit);
    if (table->cmdStand->isVisible()) TestGame::click(table->cmdStand);
    return t.dialogs.takeMessages();
}

QString toldAtEnd(char name) {
    return QString::fromLatin1(hand(name).told);
}

const char* statusPicture(char name) {
    return hand(name).status;
}

QStringList prizeMessages() {
    return {QStringLiteral("You have passed all five rounds."), QStringLiteral("Here's your $200."),
            QStringLiteral("Looks like you're finished here."), QStringLiteral("See you around.")};
}

QStringList finishedMessages() {
    return {QStringLiteral("Looks like you're finished here."), QStringLiteral("See you around.")};
}

} // namespace tournament
