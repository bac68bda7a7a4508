#include "game/SaveFolders.h"

#include "game/Records.h"

#include <QDir>
#include <QFileInfo>

namespace game {

namespace {

void writeIfMissing(const QString& path, const QByteArray& record) {
    if (QFileInfo::exists(path)) return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) file.write(record);
}

} // namespace

void prepareSaveFolders(const ProgramFolder& folder) {
    QDir().mkpath(folder.path("\\Files\\TempFiles"));
    for (const char* name : {CurrentSlotFile, CurrentMoneyFile, CurrentBankFile})
        writeIfMissing(folder.path(name), integerRecordBytes(0));
    for (int slot = 1; slot <= SlotCount; ++slot) {
        QDir().mkpath(folder.path(QStringLiteral("\\Files\\Slot%1").arg(slot)));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Name.txt")),
                       textRecordBytes(QString::fromLatin1(EmptySlotName)));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Money.txt")), integerRecordBytes(0));
        writeIfMissing(SlotFilePath(folder, slot, QStringLiteral("Bank.txt")), integerRecordBytes(0));
    }
}

} // namespace game
