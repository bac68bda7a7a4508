// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/SaveFolders.h"

#include "game/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace game {

namespace {

// Put back whole or not at all, like every save: a start cut short leaves no empty file.
void writeIfMissing(const QString& path, const QByteArray& record) {
    if (QFileInfo::exists(path)) return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(record) == record.size()) file.commit();
}

// A record's name, ".txt." and six letters or digits: a leftover copy (see below). Matched by
// hand, as compiling a regular expression cost the start more than the rest of the walk.
bool isLeftoverCopy(const QString& name) {
    static const char* const records[] = {"Name",        "Money",        "Bank",
                                          "CurrentSlot", "CurrentMoney", "CurrentBank"};
    const qsizetype stem = name.size() - 11; // ".txt." and six letters or digits
    if (stem < 1 || name.mid(stem, 5) != QLatin1String(".txt.")) return false;
    for (qsizetype k = stem + 5; k < name.size(); ++k)
        if (name[k].unicode() > 127 || !name[k].isLetterOrNumber()) return false;
    for (const char* record : records)
        if (QStringView(name).left(stem) == QLatin1String(record)) return true;
    return false;
}

// A save cut short at the last moment by a crash can leave its finished temporary copy beside
// the file ("Money.txt.Ab12Cd"); the file itself holds the old record or the new one, so the copy
// is only litter.
void dropLeftoverCopies(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (isLeftoverCopy(name)) dir.remove(name);
}

// Whether the player may create files in folder: tried rather than read from its permissions, so a
// read-only disk or a copy run from a mounted image counts as what it is.
bool mayWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.vantrell-XXXXXX"));
    return probe.open();
}

// An installed copy's program folder is where the installation puts it under its prefix
// (/usr/lib/games/vantrell): its Files/ belong to the package, which an upgrade replaces and a
// purge deletes, so its saves go elsewhere even when root, who may write there, plays.
bool installedCopy(const QString& programRoot) {
    const QString installed = QDir::cleanPath(QStringLiteral(VANTRELL_INSTALL_DIR));
    const QString root = QDir::cleanPath(programRoot);
    return QDir::isAbsolutePath(installed) ? root == installed
                                           : root.endsWith(QLatin1Char('/') + installed);
}

} // namespace

QString defaultSaveFolder(const QString& programRoot, const QString& dataFolder) {
    const ProgramFolder portable(programRoot);
    if (!installedCopy(portable.root()) && mayWriteIn(portable.root()))
        return portable.saveFolder();
    return QDir::cleanPath(dataFolder + QStringLiteral("/Files"));
}

QString openSaveFolder(const QString& programRoot, const QString& saveFolder) {
    const QString target = QDir::cleanPath(QDir(saveFolder).absolutePath());
    if (!QDir().mkpath(target))
        return QCoreApplication::translate("SaveFolder", "cannot create the save folder %1")
            .arg(target);
    if (!mayWriteIn(target))
        return QCoreApplication::translate("SaveFolder", "cannot write in the save folder %1")
            .arg(target);
    const QString delivered = ProgramFolder(programRoot).saveFolder();
    if (QDir(delivered).absolutePath() == target) return QString();
    QDirIterator files(delivered, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString copy = target + QLatin1Char('/') + QDir(delivered).relativeFilePath(source);
        if (QFileInfo::exists(copy)) continue;
        QFile original(source);
        if (!original.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(copy).path()))
            return QCoreApplication::translate("SaveFolder", "cannot copy %1 to %2")
                .arg(source, copy);
        const QByteArray bytes = original.readAll();
        QSaveFile file(copy);
        // Flushed before the commit, which would put an emptied copy in place on a full disk.
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
            !file.commit())
            return QCoreApplication::translate("SaveFolder", "cannot copy %1 to %2")
                .arg(source, copy);
    }
    return QString();
}

void prepareSaveFolders(const ProgramFolder& folder) {
    QDir().mkpath(folder.path("\\Files\\TempFiles"));
    dropLeftoverCopies(folder.path("\\Files\\TempFiles"));
    for (const char* name : {CurrentSlotFile, CurrentMoneyFile, CurrentBankFile})
        writeIfMissing(folder.path(name), integerRecordBytes(0));
    for (int slot = 1; slot <= SlotCount; ++slot) {
        QDir().mkpath(folder.path(QStringLiteral("\\Files\\Slot%1").arg(slot)));
        dropLeftoverCopies(folder.path(QStringLiteral("\\Files\\Slot%1").arg(slot)));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Name.txt")),
                       textRecordBytes(QString::fromLatin1(EmptySlotName)));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Money.txt")), integerRecordBytes(0));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Bank.txt")), integerRecordBytes(0));
    }
}

} // namespace game
