#include "Checker.h"
#include "Rules.h"
#include "bank/BankScreen.h"
#include "casino/CasinoTable.h"
#include "school/TournamentTable.h"

#include <set>

// The rules of the two tables and the bank, checked step by step against their public state.
namespace monkey {

namespace {

using CasinoState = casino::CasinoTable::State;
using TournamentState = school::TournamentTable::State;

constexpr int Betting = static_cast<int>(CasinoState::Betting);
constexpr int PlayersTurn = static_cast<int>(CasinoState::PlayersTurn);
constexpr int HandOver = static_cast<int>(CasinoState::HandOver);

int cardNumber(const std::string& suit, int rank) {
    static const char* const suits[] = {"Spades", "Hearts", "Clovers", "Diamonds"};
    for (int s = 0; s < 4; ++s)
        if (suit == suits[s]) return s * 13 + rank;
    return 0;
}

bool shows(const ui::Image* slot, const QString& picture) {
    return slot->picturePath().endsWith(QLatin1Char('/') + picture);
}

// The twelve drawn cards and the four dealt from them, as the deal order puts them; the first
// fault found, or empty.
QString dealFault(const engine::HandState& hand) {
    std::set<int> seen;
    for (int i = 1; i <= engine::DrawnCards; ++i) {
        const int n = hand.CardNumbers(i);
        if (n < 1 || n > 52) return QStringLiteral("drawn card %1 is number %2").arg(i).arg(n);
        if (!seen.insert(n).second) return QStringLiteral("card %1 was drawn twice").arg(n);
        if (hand.CardSuits(i) != rules::suitOf(n).toStdString() ||
            hand.CardRanks(i) != rules::rankOf(n))
            return QStringLiteral("drawn card %1 is named wrongly").arg(i);
    }
    const int player1 = cardNumber(hand.PlayerSuits(1), hand.PlayerRanks(1));
    const int player2 = cardNumber(hand.PlayerSuits(2), hand.PlayerRanks(2));
    const int dealer1 = cardNumber(hand.DealerSuits(1), hand.DealerRanks(1));
    const int dealer2 = cardNumber(hand.DealerSuits(2), hand.DealerRanks(2));
    if (player1 != hand.CardNumbers(1) || player2 != hand.CardNumbers(2) ||
        dealer1 != hand.CardNumbers(3) || dealer2 != hand.CardNumbers(4))
        return QStringLiteral("the four dealt cards are not drawn cards 1 to 4 in order");
    return QString();
}

// The faces on the felt against the hand: every card the player holds is shown, and during the
// player's turn the dealer's first card lies face down.
template <typename Table> QString feltFault(const Table* table, bool playersTurn) {
    const engine::HandState& hand = table->hand();
    for (int k = 1; k <= engine::HandSlots; ++k) {
        const int player = cardNumber(hand.PlayerSuits(k), hand.PlayerRanks(k));
        if (hand.PlayerRanks(k) != 0 && !shows(table->PCard(k), rules::face(player)))
            return QStringLiteral("PCard(%1) does not show the card the player holds").arg(k);
        const int dealer = cardNumber(hand.DealerSuits(k), hand.DealerRanks(k));
        if (k > 1 && hand.DealerRanks(k) != 0 && !shows(table->DCard(k), rules::face(dealer)))
            return QStringLiteral("DCard(%1) does not show the dealer's card").arg(k);
    }
    if (playersTurn && !shows(table->DCard(1), QStringLiteral("Graphics/Back.GIF")))
        return QStringLiteral("the dealer's hole card is not face down");
    return QString();
}

} // namespace

void Checker::checkCasino(const Tables& now, const Step& step) {
    const auto savedCash = file(SaveFiles::CurrentMoney);
    if (before_.casinoId && before_.casinoId != now.casinoId) {
        // Left, turned away, or the game closed: what is on disk is what the table held.
        expect(savedCash == before_.money, "casino saving",
               QStringLiteral("the table closed with $%1 but $%2 is saved")
                   .arg(before_.money)
                   .arg(savedCash.value_or(-1)));
        return;
    }
    if (!now.casino) return;
    const casino::CasinoTable* table = now.casino;
    const int cash = now.money;
    // The stake on the table is not saved until the hand ends.
    const int expectedSaved = now.casinoState == PlayersTurn ? cash + now.bet : cash;
    expect(savedCash == expectedSaved, "casino saving",
           QStringLiteral("the table holds $%1 (bet $%2) but $%3 is saved")
               .arg(cash)
               .arg(now.bet)
               .arg(savedCash.value_or(-1)));
    if (before_.casinoId != now.casinoId) {
        expect(savedCash == cash, "casino opening",
               QStringLiteral("the table opened with $%1, the saved cash is $%2")
                   .arg(cash)
                   .arg(savedCash.value_or(-1)));
        return;
    }
    const int from = before_.casinoState;
    const int to = now.casinoState;
    const int held = before_.money;
    const int stake = before_.bet;
    QString why;
    int expected = held;
    if (from == Betting && to == PlayersTurn) {
        ++figures_.hands;
        expected = held - now.bet;
        expect(now.bet >= 1 && now.bet <= held && now.bet <= 9999, "casino stake",
               QStringLiteral("a bet of $%1 was taken from $%2").arg(now.bet).arg(held));
        why = QStringLiteral("deal of $%1").arg(now.bet);
    } else if (from == PlayersTurn && to == HandOver) {
        const bool doubled = isClickOn(step, "Test", "cmdDD");
        const bool stood = doubled || isClickOn(step, "Test", "cmdStand");
        const int cashLeft = doubled ? held - stake : held;
        const int onTable = doubled ? 2 * stake : stake;
        const int player = rules::count(table->hand().PlayerRanks);
        const int dealer = rules::count(table->hand().DealerRanks);
        rules::Result result;
        if (stood)
            result = rules::decide(player, dealer);
        else // a hit ends the hand by a bust, or by six cards without one, which pays as a win
            result = player > 21 ? rules::Result::Loss : rules::Result::Win;
        expected = rules::settle(cashLeft, onTable, result);
        if (result == rules::Result::Win && cashLeft + 2 * onTable > 9999) ++figures_.caps;
        why = QStringLiteral("%1 with $%2 staked, player %3, dealer %4, $%5 in hand")
                  .arg(doubled ? QStringLiteral("double down")
                       : stood ? QStringLiteral("stand")
                               : QStringLiteral("hit"))
                  .arg(onTable)
                  .arg(player)
                  .arg(dealer)
                  .arg(cashLeft);
    } else if (from == to || (from == HandOver && to == Betting)) {
        why = QStringLiteral("no hand was settled");
    } else {
        expect(false, "casino states",
               QStringLiteral("the table went from state %1 to %2 in one click").arg(from).arg(to));
        return;
    }
    expect(cash == expected, "casino payout",
           QStringLiteral("%1: cash $%2, the rules give $%3").arg(why).arg(cash).arg(expected));
}

void Checker::checkCards(const Tables& now) {
    if (const casino::CasinoTable* table = now.casino) {
        const bool turn = now.casinoState == PlayersTurn;
        if (turn && (before_.casinoId != now.casinoId || before_.casinoState != PlayersTurn)) {
            const QString fault = dealFault(table->hand());
            expect(fault.isEmpty(), "cards", fault);
        }
        if (now.casinoState != Betting) {
            const QString fault = feltFault(table, turn);
            expect(fault.isEmpty(), "cards on the felt", fault);
        }
    }
    if (const school::TournamentTable* table = now.tournament) {
        const bool turn = now.tournamentState == static_cast<int>(TournamentState::InHand);
        if (turn && (before_.tournamentId != now.tournamentId ||
                     before_.tournamentState != now.tournamentState ||
                     before_.tournamentRound != table->roundNumber())) {
            ++figures_.hands;
            const QString fault = dealFault(table->hand());
            expect(fault.isEmpty(), "cards", fault);
        }
        if (now.tournamentState != static_cast<int>(TournamentState::Ready)) {
            const QString fault = feltFault(table, turn);
            expect(fault.isEmpty(), "cards on the felt", fault);
        }
    }
}

void Checker::checkCaptions(const Tables& now) {
    // What the player reads: the table's labels follow the deal, the double down and the reset;
    // the round caption names the round in play; the bank's display shows the figures once the
    // machine is ready again.
    if (const casino::CasinoTable* table = now.casino) {
        const QString money = QStringLiteral("Money: $%1").arg(now.money);
        if (now.casinoState == PlayersTurn)
            expect(table->lblMoney->text() == money &&
                       table->lblBet->text() == QStringLiteral("Bet: $%1").arg(now.bet),
                   "captions",
                   table->lblMoney->text() + QStringLiteral(" / ") + table->lblBet->text());
        if (now.casinoState == Betting)
            expect(table->lblMoney->text() == money &&
                       (table->lblBet->text().isEmpty() ||
                        table->lblBet->text() == QStringLiteral("Bet: $0")),
                   "captions",
                   table->lblMoney->text() + QStringLiteral(" / ") + table->lblBet->text());
    }
    if (const school::TournamentTable* table = now.tournament;
        table && now.tournamentState == static_cast<int>(TournamentState::InHand))
        expect(table->lblRounds->text() == QStringLiteral("Round #%1").arg(table->roundNumber()),
               "captions", table->lblRounds->text());
    if (const bank::BankScreen* bank = now.bank; bank && now.bankReady)
        expect(bank->lblMoney->text() == QStringLiteral("Name: %1\nMoney: $%2\nBank Account: $%3")
                                             .arg(bank->PlayerName)
                                             .arg(now.bankMoney)
                                             .arg(now.bankBalance),
               "captions", bank->lblMoney->text());
}

void Checker::checkBank(const Tables& now, const Step& step) {
    if (before_.bankId && before_.bankId != now.bankId) {
        // Left, or the game closed: both figures are saved to the current game and the slot.
        const int slot = before_.bankSlot;
        const auto money = file(SaveFiles::CurrentMoney);
        const auto balance = file(SaveFiles::CurrentBank);
        expect(money == before_.bankMoney && balance == before_.bankBalance &&
                   file(SaveFiles::slotMoney(slot)) == money &&
                   file(SaveFiles::slotBank(slot)) == balance,
               "bank saving",
               QStringLiteral("the bank closed at $%1 / $%2, the files hold $%3 / $%4")
                   .arg(before_.bankMoney)
                   .arg(before_.bankBalance)
                   .arg(money.value_or(-1))
                   .arg(balance.value_or(-1)));
        return;
    }
    if (!now.bank) return;
    if (before_.bankId != now.bankId) {
        expect(file(SaveFiles::CurrentMoney) == now.bankMoney &&
                   file(SaveFiles::CurrentBank) == now.bankBalance,
               "bank opening", QStringLiteral("the bank opened with figures not on disk"));
        return;
    }
    const bool deposit = isClickOn(step, "Bank", "Deposit");
    const bool withdraw = isClickOn(step, "Bank", "Withdraw");
    const int sumBefore = before_.bankMoney + before_.bankBalance;
    const int sumAfter = now.bankMoney + now.bankBalance;
    const QString figures = QStringLiteral("$%1 / $%2 became $%3 / $%4")
                                .arg(before_.bankMoney)
                                .arg(before_.bankBalance)
                                .arg(now.bankMoney)
                                .arg(now.bankBalance);
    if ((deposit || withdraw) && before_.bankReady) {
        expect(sumAfter == sumBefore, "bank transfer",
               QStringLiteral("a transfer made money: ") + figures);
        if (now.bankMoney != before_.bankMoney) ++figures_.transfers;
        if (now.bankMoney != before_.bankMoney &&
            ((deposit && now.bankBalance == 9999) || (withdraw && now.bankMoney == 9999)))
            ++figures_.caps;
        if (deposit && now.bankBalance > before_.bankBalance)
            expect(now.bankBalance <= 9999, "bank cap", figures);
        if (withdraw && now.bankMoney > before_.bankMoney)
            expect(now.bankMoney <= 9999, "bank cap", figures);
        return;
    }
    expect(now.bankMoney == before_.bankMoney && now.bankBalance == before_.bankBalance,
           "bank transfer", QStringLiteral("money moved without an order: ") + figures);
}

} // namespace monkey
