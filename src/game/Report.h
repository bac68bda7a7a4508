#pragma once

#include "game/Records.h"
#include "ui/Dialogs.h"

#include <optional>

namespace game {

// Tells the player about a save file that failed; true when nothing failed.
inline bool reportIfFailed(ui::Dialogs& dialogs, const std::optional<RecordError>& error) {
    if (!error) return true;
    dialogs.message(error->message());
    return false;
}

template <typename T>
bool reportIfFailed(ui::Dialogs& dialogs, const RecordResult<T>& result) {
    if (result.ok()) return true;
    dialogs.message(result.error().message());
    return false;
}

} // namespace game
