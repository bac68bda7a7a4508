// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Records.h"
#include "ui/Dialogs.h"

#include <optional>

namespace game {

// Tells the player about a save file that failed, followed by what the game did about it
// ("You stay in town; nothing was changed."); true when nothing failed.
inline bool reportIfFailed(ui::Dialogs& dialogs, const std::optional<RecordError>& error,
                           const QString& outcome = {}) {
    if (!error) return true;
    dialogs.message(outcome.isEmpty() ? error->message()
                                      : error->message() + QLatin1Char(' ') + outcome);
    return false;
}

template <typename T>
bool reportIfFailed(ui::Dialogs& dialogs, const RecordResult<T>& result,
                    const QString& outcome = {}) {
    if (result.ok()) return true;
    return reportIfFailed(dialogs, std::optional<RecordError>(result.error()), outcome);
}

} // namespace game
