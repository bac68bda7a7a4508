// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "school/Prize.h"

#include "game/Records.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>

namespace school {

namespace {

QString notPaid(const game::RecordError& error) {
    return QCoreApplication::translate("Tournament", "%1 The $%2 prize could not be paid.",
                                       "%1 names the save file that failed")
        .arg(error.message(), QString::number(TournamentPrize));
}

QString paidMessage(int received) {
    if (received == TournamentPrize)
        return QCoreApplication::translate("Tournament", "Here's your $%1.").arg(TournamentPrize);
    // A purse near the top of its range takes what still fits; the number never wraps.
    if (received <= 0)
        return QCoreApplication::translate(
                   "Tournament",
                   "Your purse can't hold more than $%1, so the $%2 prize could not be added.")
            .arg(LargestPurse)
            .arg(TournamentPrize);
    return QCoreApplication::translate("Tournament",
                                       "Your purse can't hold more than $%1, so you receive $%2.")
        .arg(LargestPurse)
        .arg(received);
}

QString slotNotUpdated(const QString& paid, const game::RecordError& error) {
    return QCoreApplication::translate(
               "Tournament",
               "%1 It is in your cash for this game, but your save slot could not be "
               "updated. %2",
               "%1 what was paid, %2 names the save file that failed")
        .arg(paid, error.message());
}

} // namespace

QString PayPrize(const game::ProgramFolder& folder) {
    const QString moneyPath = folder.path(game::CurrentMoneyFile);
    const auto money = game::ReadIntegerRecord(moneyPath);
    if (!money) return notPaid(money.error());

    const int sum = std::min(money.value() + TournamentPrize, LargestPurse);
    const auto held = static_cast<std::int16_t>(sum);
    if (auto error = game::WriteIntegerRecord(moneyPath, held)) return notPaid(*error);
    const QString paid = paidMessage(sum - money.value());

    const QString slotPath = folder.path(game::CurrentSlotFile);
    const auto slot = game::ReadIntegerRecord(slotPath);
    if (!slot) return slotNotUpdated(paid, slot.error());
    if (slot.value() < 1 || slot.value() > game::SlotCount)
        return slotNotUpdated(paid, game::RecordError{game::RecordError::Kind::Malformed, slotPath,
                                                      QCoreApplication::translate(
                                                          "Tournament", "it names no save slot",
                                                          "why the save file is damaged")});
    const QString slotMoney = game::SlotFilePath(folder, slot.value(), QStringLiteral("Money.txt"));
    if (auto error = game::WriteIntegerRecord(slotMoney, held)) return slotNotUpdated(paid, *error);
    return paid;
}

} // namespace school
