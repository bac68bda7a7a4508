// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace game {

// Where the game's files live: the program folder, with Graphics/ beside the executable, and the
// save folder that stands for Files/. A portable copy keeps its saves in the program folder's own
// Files/; an installed one keeps them in the player's data folder. The game names its files as
// "\Graphics\Quit.GIF" or "\Files\TempFiles\CurrentMoney.txt"; this is the one place where such
// a name becomes a path of the file system in use.
class ProgramFolder {
public:
    // Pictures and saves together: <root>/Graphics and <root>/Files.
    explicit ProgramFolder(QString root);
    // Pictures under <root>/Graphics, saves directly under saveFolder (what "\Files\" names).
    ProgramFolder(QString root, QString saveFolder);

    const QString& root() const { return root_; }
    const QString& saveFolder() const { return saveFolder_; }
    QString path(const QString& gameName) const;
    QString path(const char* gameName) const { return path(QString::fromLatin1(gameName)); }
    QString path(const std::string& gameName) const { return path(QString::fromStdString(gameName)); }

private:
    QString root_;
    QString saveFolder_;
};

// The current-game files that carry the game from screen to screen.
inline constexpr const char* CurrentSlotFile = "\\Files\\TempFiles\\CurrentSlot.txt";
inline constexpr const char* CurrentMoneyFile = "\\Files\\TempFiles\\CurrentMoney.txt";
inline constexpr const char* CurrentBankFile = "\\Files\\TempFiles\\CurrentBank.txt";

inline constexpr int SlotCount = 3;
// The name an empty slot holds.
inline constexpr const char* EmptySlotName = "(Nobody)";

// The path of slot n's "Name.txt", "Money.txt" or "Bank.txt".
QString SlotFilePath(const ProgramFolder& folder, int slot, const QString& fileName);

} // namespace game
