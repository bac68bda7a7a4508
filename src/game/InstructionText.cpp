// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/InstructionText.h"

namespace game {

InstructionPage instructionPage(int page) {
    switch (page) {
    case 1:
        return {
            QStringLiteral("Welcome to Vantrell"),
            {QStringLiteral("*New Game* starts a game in one of three save slots. You are asked "
                            "your name and begin with *$100* in hand and *$0* in the bank. A new "
                            "game overwrites the slot you pick."),
             QStringLiteral("*Continue* picks up a saved slot where you left it."),
             QStringLiteral("The game saves itself: after every casino hand, when the tournament "
                            "pays, and when you leave the bank."),
             QStringLiteral("The town has four places: *Home*, *Casino*, *Vantrell* (your "
                            "school) and *Bank*. Pick one in the list and press *Go*.")},
            {}};
    case 2:
        return {QStringLiteral("The casino"),
                {QStringLiteral("Press *Deal* and type a bet in whole dollars: 1 to 9999, and no "
                                "more than you hold."),
                 QStringLiteral("You get two cards face up; the dealer gets one face down and one "
                                "face up."),
                 QStringLiteral("*Hit* takes a card. *Stand* ends your turn. *Double Down* doubles "
                                "the bet, takes exactly one card and stands."),
                 QStringLiteral("Cards 2 to 10 count their value; J, Q and K count 10. Aces count "
                                "11, but when a hand passes 21 all its aces count 1 at once."),
                 QStringLiteral("Over 21 you bust and lose. Six cards without busting win."),
                 QStringLiteral("The dealer draws to 18 (stands on 18 or more) and holds at most "
                                "five cards."),
                 QStringLiteral("A win pays even money: your bet comes back twice. A draw returns "
                                "the bet. Cash in hand after a win is capped at $9999."),
                 QStringLiteral("Press *Reset* for the next hand; leave with the small *X* between "
                                "hands.")},
                {}};
    case 3:
        return {QStringLiteral("The school tournament"),
                {QStringLiteral("Choose *Vantrell* in town and enter the *Tournament*."),
                 QStringLiteral("Five rounds, no wager, no double down: *Start* deals, "
                                "*Continue* goes on."),
                 QStringLiteral("A win or six cards pass a round, a draw replays it, a loss or a "
                                "bust ends it."),
                 QStringLiteral("Once dealt, you stay until the tournament ends."),
                 QStringLiteral("Five wins pay *$200* in cash, even above $9999.")},
                {}};
    default:
        return {QStringLiteral("The bank and home"),
                {QStringLiteral("The *Bank* keeps your money: type an amount and press *Deposit* "
                                "or *Withdraw*."),
                 QStringLiteral("Neither your cash nor your account can hold more than $9999; any "
                                "excess goes back."),
                 QStringLiteral("Wait three seconds between orders."),
                 QStringLiteral("*Home* shows your name, cash and bank balance."),
                 QStringLiteral("There is no way back from town to the main menu: *Sleep*, "
                                "answered *Yes*, ends the game; your slot keeps everything for "
                                "next time.")},
                QStringLiteral("Good luck!")};
    }
}

QString spokenInstructionPage(int page) {
    const InstructionPage text = instructionPage(page);
    QString said = text.title + QLatin1Char('.');
    for (const QString& line : text.lines)
        said += QLatin1Char(' ') + line;
    if (!text.closing.isEmpty()) said += QLatin1Char(' ') + text.closing;
    return said.remove(QLatin1Char('*'));
}

} // namespace game
