// Any text typed into the casino's bet box, against any cash in hand: the table either takes a
// bet it can pay out by the house rules or turns it away with a message, and the hand that
// follows moves the cash by exactly the rules' amount; never a crash, never a wrapped sum.
#include "casino/Settlement.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

bool onlyDigits(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// One hand on the accepted stake, doubled or not, settled by `outcome`.
void playHand(std::int16_t money, std::int16_t stake, bool doubled, engine::Outcome outcome) {
    casino::Purse purse{money, 0};
    purse.takeStake(stake);
    require(int{purse.Money} + purse.Bet == money);
    if (doubled) {
        if (!purse.canDoubleDown()) return;
        purse.doubleDown();
        require(purse.Money >= 0 && int{purse.Money} + purse.Bet == money);
    }
    const int staked = purse.Bet;
    purse.settle(outcome);
    require(purse.Bet == 0);
    switch (outcome) {
    case engine::Outcome::Win:
        require(purse.Money == std::min(int{money} + staked, casino::CashCap));
        break;
    case engine::Outcome::Draw:
        require(purse.Money == money);
        break;
    case engine::Outcome::Loss:
    case engine::Outcome::NoDecision:
        require(purse.Money == money - staked);
        break;
    }
}

} // namespace

// The first two bytes are the cash in hand, the rest the typed text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    std::int16_t money = 0;
    std::memcpy(&money, data, sizeof money);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                           static_cast<qsizetype>(size - 2));

    const casino::BetCheck check = casino::checkBet(text, money);
    const bool taken = check.refusal == casino::BetRefusal::None;
    require(casino::refusalMessage(check.refusal).isEmpty() == taken);
    if (check.amount) {
        require(onlyDigits(text) && text.size() <= casino::BetDigits);
        require(*check.amount >= 0 && *check.amount <= 9999 && text.toInt() == *check.amount);
    }
    if (!taken) return 0;
    require(check.amount && *check.amount >= 1 && *check.amount <= money);

    for (bool doubled : {false, true})
        for (engine::Outcome outcome : {engine::Outcome::Win, engine::Outcome::Loss,
                                        engine::Outcome::Draw, engine::Outcome::NoDecision})
            playHand(money, *check.amount, doubled, outcome);
    return 0;
}
