// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/InstructionText.h"

#include <QCoreApplication>

namespace game {

InstructionPage instructionPage(int page) {
    switch (page) {
    case 1:
        return {QCoreApplication::translate("Instructions", "Welcome to Vantrell"),
                {QCoreApplication::translate(
                     "Instructions",
                     "*New Game* starts a game in one of three save slots. You are asked "
                     "your name and begin with *$100* in hand and *$0* in the bank. A new "
                     "game overwrites the slot you pick."),
                 QCoreApplication::translate("Instructions",
                                             "*Continue* picks up a saved slot where you left it."),
                 QCoreApplication::translate(
                     "Instructions",
                     "The game saves itself: after every casino hand, when the tournament "
                     "pays, and when you leave the bank."),
                 QCoreApplication::translate(
                     "Instructions", "The town has four places: *Home*, *Casino*, *Vantrell* (your "
                                     "school) and *Bank*. Pick one in the list and press *Go*."),
                 QCoreApplication::translate("Instructions",
                                             "Keys: *N*, *C*, *I* and *Q* on the main menu, *1* to "
                                             "*3* for a slot, *Enter* for *Go*, "
                                             "*Esc* to go back or leave.")},
                {}};
    case 2:
        return {
            QCoreApplication::translate("Instructions", "The casino"),
            {QCoreApplication::translate(
                 "Instructions", "Press *Deal* and type a bet in whole dollars: 1 to 9999, and no "
                                 "more than you hold."),
             QCoreApplication::translate(
                 "Instructions", "You get two cards face up; the dealer gets one face down and one "
                                 "face up."),
             QCoreApplication::translate(
                 "Instructions",
                 "*Hit* takes a card. *Stand* ends your turn. *Double Down* doubles "
                 "the bet, takes exactly one card and stands."),
             QCoreApplication::translate(
                 "Instructions", "Cards 2 to 10 count their value; J, Q and K count 10. Aces count "
                                 "11, but when a hand passes 21 all its aces count 1 at once."),
             QCoreApplication::translate(
                 "Instructions", "Over 21 you bust and lose. Six cards without busting win."),
             QCoreApplication::translate(
                 "Instructions", "The dealer draws to 18 (stands on 18 or more) and holds at most "
                                 "five cards."),
             QCoreApplication::translate(
                 "Instructions", "A win pays even money: your bet comes back twice. A draw returns "
                                 "the bet. Cash in hand after a win is capped at $9999."),
             QCoreApplication::translate(
                 "Instructions",
                 "Press *Reset* for the next hand; leave with the small *X* between "
                 "hands."),
             QCoreApplication::translate("Instructions",
                                         "Keys: *H* hit, *S* stand, *D* double down, *Enter* deals "
                                         "and resets, *Esc* leaves.")},
            {}};
    case 3:
        return {
            QCoreApplication::translate("Instructions", "The school tournament"),
            {QCoreApplication::translate("Instructions",
                                         "Choose *Vantrell* in town and enter the *Tournament*."),
             QCoreApplication::translate("Instructions",
                                         "Five rounds, no wager, no double down: *Start* deals, "
                                         "*Continue* goes on."),
             QCoreApplication::translate(
                 "Instructions", "A win or six cards pass a round, a draw replays it, a loss or a "
                                 "bust ends it."),
             QCoreApplication::translate("Instructions",
                                         "Once dealt, you stay until the tournament ends."),
             QCoreApplication::translate("Instructions",
                                         "Five wins pay *$200* in cash, even above $9999."),
             QCoreApplication::translate("Instructions",
                                         "Keys: *T* at the school, then as in the casino.")},
            {}};
    default:
        return {
            QCoreApplication::translate("Instructions", "The bank and home"),
            {QCoreApplication::translate(
                 "Instructions", "The *Bank* keeps your money: type an amount and press *Deposit* "
                                 "or *Withdraw*."),
             QCoreApplication::translate(
                 "Instructions", "Neither your cash nor your account can hold more than $9999; any "
                                 "excess goes back."),
             QCoreApplication::translate("Instructions", "Wait three seconds between orders."),
             QCoreApplication::translate("Instructions",
                                         "*Home* shows your name, cash and bank balance."),
             QCoreApplication::translate(
                 "Instructions", "There is no way back from town to the main menu: *Sleep*, "
                                 "answered *Yes*, ends the game; your slot keeps everything for "
                                 "next time."),
             QCoreApplication::translate("Instructions",
                                         "Keys: *Alt+D* deposits, *Alt+W* withdraws, *Esc* leaves; "
                                         "asked to sleep, *Y* or *N*, then *Enter*.")},
            QCoreApplication::translate("Instructions", "Good luck!")};
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
