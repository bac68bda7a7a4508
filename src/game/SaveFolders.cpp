#include "game/SaveFolders.h"

#include "game/Records.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace game {

namespace {

// Put back whole or not at all, like every save: a start cut short leaves no empty file.
void writeIfMissing(const QString& path, const QByteArray& record) {
    if (QFileInfo::exists(path)) return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(record) == record.size()) file.commit();
}

// A save cut short at the last moment by a crash can leave its finished temporary copy beside
// the file ("Money.txt.Ab12Cd"); the file itself holds the old record or the new one, so the copy
// is only litter.
void dropLeftoverCopies(const QString& folder) {
    static const QRegularExpression leftover(QStringLiteral(
        "^(Name|Money|Bank|CurrentSlot|CurrentMoney|CurrentBank)\\.txt\\.[A-Za-z0-9]{6}$"));
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (leftover.match(name).hasMatch()) dir.remove(name);
}

} // namespace

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
