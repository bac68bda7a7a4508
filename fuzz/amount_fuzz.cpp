// Any text typed into the bank's amount box, for any cash and balance: the machine either moves
// money between the two sides or refuses, and every answer keeps cash + balance whole, holds the
// receiving side to $9999 and never wraps a figure round; never a crash.
#include "bank/Transfer.h"

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
    return !text.isEmpty();
}

} // namespace

// Two bytes of cash, two of balance, one choosing deposit or withdrawal, then the typed text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    bank::Account before;
    std::memcpy(&before.Money, data, sizeof before.Money);
    std::memcpy(&before.BankBalance, data + 2, sizeof before.BankBalance);
    const bool deposit = (data[4] & 1) == 0;
    const auto direction = deposit ? bank::Direction::Deposit : bank::Direction::Withdraw;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 5),
                                           static_cast<qsizetype>(size - 5));

    require(bank::isAmountText(text) == onlyDigits(text));
    const bank::Order order = bank::placeOrder(direction, before, text);
    const bank::Account after = order.after;
    require(int{after.Money} + after.BankBalance == int{before.Money} + before.BankBalance);
    require((order.verdict == bank::Verdict::Moved) ==
            bank::statusMessage(direction, order.verdict).isEmpty());
    require(!bank::pendingText(direction).isEmpty());

    const int givingBefore = deposit ? before.Money : before.BankBalance;
    const int giving = deposit ? after.Money : after.BankBalance;
    const int receiving = deposit ? after.BankBalance : after.Money;
    switch (order.verdict) {
    case bank::Verdict::InvalidInput:
        require(!onlyDigits(text) && !order.moved);
        break;
    case bank::Verdict::TooLong:
        require(onlyDigits(text) && text.size() > 4 && !order.moved);
        break;
    case bank::Verdict::Unholdable:
        // Refused whole: not a dollar moves.
        require(!order.moved && after.Money == before.Money &&
                after.BankBalance == before.BankBalance);
        break;
    case bank::Verdict::Zero:
    case bank::Verdict::NotEnough:
        require(!order.moved && receiving <= bank::Cap);
        break;
    case bank::Verdict::Moved:
        require(order.moved && receiving <= bank::Cap && giving == givingBefore - order.Amount);
        break;
    case bank::Verdict::Capped:
        require(receiving == bank::Cap);
        break;
    }
    if (order.moved) require(order.Amount >= 1 && order.Amount <= 9999 && giving >= 0);
    if (order.verdict == bank::Verdict::Zero) require(order.Amount == 0);
    return 0;
}
