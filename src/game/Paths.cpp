// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/Paths.h"

#include <QDir>

namespace game {

ProgramFolder::ProgramFolder(QString root)
    : root_(QDir::cleanPath(std::move(root))), saveFolder_(root_ + QStringLiteral("/Files")) {}

ProgramFolder::ProgramFolder(QString root, QString saveFolder)
    : root_(QDir::cleanPath(std::move(root))), saveFolder_(QDir::cleanPath(std::move(saveFolder))) {}

QString ProgramFolder::path(const QString& gameName) const {
    QString relative = gameName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
    static const QString files = QStringLiteral("Files");
    if (relative.startsWith(files) &&
        (relative.size() == files.size() || relative.at(files.size()) == QLatin1Char('/')))
        return saveFolder_ + relative.mid(files.size());
    return root_ + QLatin1Char('/') + relative;
}

QString SlotFilePath(const ProgramFolder& folder, int slot, const QString& fileName) {
    return folder.path(QStringLiteral("\\Files\\Slot") + QString::number(slot) +
                       QLatin1Char('\\') + fileName);
}

} // namespace game
