// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/PlayerName.h"

#include "game/Records.h"

#include <QCoreApplication>

namespace game {

QString nameRefusal(const QString& PlayerName) {
    if (PlayerName.isEmpty())
        return QCoreApplication::translate("PlayerName", "No name has been entered.");
    // The slot file holds one byte a character between two quotes: a name it cannot hold as
    // typed is refused rather than stored changed.
    QString reason = unstorableTextReason(PlayerName);
    if (reason.isEmpty()) return QString();
    reason[0] = reason[0].toLower();
    return QCoreApplication::translate("PlayerName",
                                       "That name can't be saved: %1 can't be part of a name.")
        .arg(reason);
}

} // namespace game
