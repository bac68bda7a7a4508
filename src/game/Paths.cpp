#include "game/Paths.h"

#include <QDir>

namespace game {

ProgramFolder::ProgramFolder(QString root) : root_(QDir::cleanPath(std::move(root))) {}

QString ProgramFolder::path(const QString& gameName) const {
    QString relative = gameName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
    return root_ + QLatin1Char('/') + relative;
}

QString SlotFilePath(const ProgramFolder& folder, int slot, const QString& fileName) {
    return folder.path(QStringLiteral("\\Files\\Slot") + QString::number(slot) +
                       QLatin1Char('\\') + fileName);
}

} // namespace game
