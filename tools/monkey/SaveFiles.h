#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace monkey {

// The twelve record files of a program folder, read as bytes and judged strictly: one record on
// one line ending in CR LF, exactly as the game writes it (the delivered empty slots' unquoted
// name included), numbers within -32768..32767.
struct SaveFiles {
    static constexpr int Count = 12;
    enum : int { CurrentSlot = 0, CurrentMoney = 1, CurrentBank = 2 };
    static int slotName(int slot) { return 3 + 3 * (slot - 1); }
    static int slotMoney(int slot) { return 4 + 3 * (slot - 1); }
    static int slotBank(int slot) { return 5 + 3 * (slot - 1); }
    static bool isText(int file) { return file >= 3 && (file - 3) % 3 == 0; }
    // "Files/Slot2/Money.txt" and so on.
    static QString relativePath(int file);

    std::array<QByteArray, Count> bytes;
    std::array<bool, Count> present{};
    // What is wrong with each of the twelve, one line each; empty when all are sound.
    QStringList faults;
    // Any other file lying among them, such as a temporary copy left by an interrupted save.
    QStringList strays;

    // Reads the twelve files under `root` and lists the files that do not belong there.
    static SaveFiles read(const QString& root);

    // The number in an integer file; nullopt when the file is not one sound record.
    std::optional<int> number(int file) const;
    // The text of a name file, without its quotes.
    std::optional<QString> text(int file) const;
};

// Tells whether anything under the save folders may have changed since it was last asked, so
// that files left as they were need not be read again after every step.
class SaveFolderWatch {
  public:
    explicit SaveFolderWatch(const QString& root);
    ~SaveFolderWatch();
    SaveFolderWatch(const SaveFolderWatch&) = delete;
    SaveFolderWatch& operator=(const SaveFolderWatch&) = delete;

    // True when something changed, or when the folders cannot be watched at all.
    bool changed();

  private:
    int fd_ = -1;
};

// Why these bytes are not one well-formed record of the kind, or nullopt when they are.
std::optional<QString> recordFault(const QByteArray& bytes, bool text);

} // namespace monkey
