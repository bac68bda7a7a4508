#pragma once

// The save files of a game in play, damaged one way or another, and what a careful game makes of
// them: which files still give a value, which can still be written, and which bytes each file
// must hold once a screen has done its work.

#include "TestGame.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace damage {

// The twelve record files: the three current-game files, then each slot's Name, Money and Bank.
inline constexpr int CurrentSlot = 0;
inline constexpr int CurrentMoney = 1;
inline constexpr int CurrentBank = 2;
inline constexpr int FileCount = 12;
enum class Of { Name, Money, Bank };
inline int slotFile(int slot, Of which) {
    return 3 + (slot - 1) * 3 + static_cast<int>(which);
}
inline int slotOf(int file) {
    return file < 3 ? 0 : (file - 3) / 3 + 1;
}
inline bool isName(int file) {
    return file >= 3 && (file - 3) % 3 == 0;
}

// "CurrentSlot.txt" or "Slot2/Name.txt": how a message names the file.
inline QString label(int file) {
    static const char* const current[] = {"CurrentSlot.txt", "CurrentMoney.txt", "CurrentBank.txt"};
    static const char* const own[] = {"Name.txt", "Money.txt", "Bank.txt"};
    if (file < 3) return QString::fromLatin1(current[file]);
    return QStringLiteral("Slot%1/%2").arg(slotOf(file)).arg(own[(file - 3) % 3]);
}
inline QByteArray gameName(int file) {
    const QString relative = file < 3 ? "TempFiles/" + label(file) : label(file);
    return QString("\\Files\\" + relative).replace('/', '\\').toLatin1();
}

inline QByteArray record(int value) {
    return QByteArray::number(value) + "\r\n";
}
inline QByteArray record(const QString& name) {
    return '"' + name.toLatin1() + "\"\r\n";
}

// Every row starts from three saved games, one of them in play.
struct Save {
    const char* name;
    int money;
    int bank;
};
inline constexpr Save Saves[] = {{"Ann", 150, 20}, {"Bob", 500, 300}, {"Cy", 70, 0}};

inline QByteArray goodBytes(int file, int slotInPlay) {
    if (file == CurrentSlot) return record(slotInPlay);
    if (file == CurrentMoney) return record(Saves[slotInPlay - 1].money);
    if (file == CurrentBank) return record(Saves[slotInPlay - 1].bank);
    const Save& save = Saves[slotOf(file) - 1];
    switch ((file - 3) % 3) {
    case 0:
        return record(QString::fromLatin1(save.name));
    case 1:
        return record(save.money);
    default:
        return record(save.bank);
    }
}

// What a file gives a reader after the damage: a number, a name, neither; and whether a write
// can still replace it.
struct FileState {
    std::optional<int> number;
    std::optional<QString> name;
    bool writable = true;
    bool damaged = false;
};
using Disk = std::array<FileState, FileCount>;

inline Disk goodDisk(int slotInPlay) {
    Disk disk;
    for (int f = 0; f < FileCount; ++f) {
        const QByteArray line = goodBytes(f, slotInPlay).chopped(2);
        if (isName(f))
            disk[f].name = QString::fromLatin1(line.mid(1, line.size() - 2));
        else
            disk[f].number = line.toInt();
    }
    return disk;
}

// One way a file can be damaged. `number` and `name` say what reading it must give: nothing, the
// record it held before, or the text on its line taken as it stands.
enum class Reads { Nothing, AsBefore, Line, Quoted };
struct Damage {
    const char* name;
    enum class Kind { Bytes, Removed, Folder } kind;
    QByteArray (*bytes)(const QByteArray& good);
    Reads number;
    Reads asName;
    int value = 0; // the number read for Reads::Line
};

inline QByteArray binaryBytes() {
    QByteArray all;
    for (int b = 255; b >= 0; --b)
        all.append(static_cast<char>(b));
    return all;
}

inline const std::vector<Damage>& damages() {
    using K = Damage::Kind;
    using R = Reads;
    static const std::vector<Damage> list = {
        {"missing", K::Removed, nullptr, R::Nothing, R::Nothing},
        {"empty", K::Bytes, [](const QByteArray&) { return QByteArray(); }, R::Nothing, R::Nothing},
        {"abc", K::Bytes, [](const QByteArray&) { return QByteArray("abc\r\n"); }, R::Nothing,
         R::Line},
        {"99999", K::Bytes, [](const QByteArray&) { return QByteArray("99999\r\n"); }, R::Nothing,
         R::Line},
        {"-40000", K::Bytes, [](const QByteArray&) { return QByteArray("-40000\r\n"); }, R::Nothing,
         R::Line},
        {"-1", K::Bytes, [](const QByteArray&) { return QByteArray("-1\r\n"); }, R::Line, R::Line,
         -1},
        {"1.5", K::Bytes, [](const QByteArray&) { return QByteArray("1.5\r\n"); }, R::Nothing,
         R::Line},
        {"two records", K::Bytes,
         [](const QByteArray& good) {
             return good + (good.startsWith('"') ? "\"Zed\"\r\n" : "7\r\n");
         },
         R::Nothing, R::Nothing},
        {"bare LF", K::Bytes, [](const QByteArray& good) { return good.chopped(2) + '\n'; },
         R::AsBefore, R::AsBefore},
        {"no line end", K::Bytes, [](const QByteArray& good) { return good.chopped(2); },
         R::AsBefore, R::AsBefore},
        {"1 MB", K::Bytes, [](const QByteArray&) { return QByteArray(1 << 20, '7'); }, R::Nothing,
         R::Nothing},
        {"binary", K::Bytes, [](const QByteArray&) { return binaryBytes(); }, R::Nothing,
         R::Nothing},
        {"name with a double quote", K::Bytes,
         [](const QByteArray&) { return QByteArray("\"Ann \"Ace\" Lee\"\r\n"); }, R::Nothing,
         R::Nothing},
        {"name of 300 characters", K::Bytes,
         [](const QByteArray&) { return '"' + QByteArray(300, 'W') + "\"\r\n"; }, R::Nothing,
         R::Quoted},
        {"folder", K::Folder, nullptr, R::Nothing, R::Nothing},
    };
    return list;
}

// Damages the file on disk and in the model.
inline void apply(TestGame& t, Disk& disk, int file, const Damage& damage, int slotInPlay) {
    const QString path = t.path(gameName(file).constData());
    const QByteArray good = goodBytes(file, slotInPlay);
    FileState& state = disk[file];
    state = FileState{};
    state.damaged = true;
    switch (damage.kind) {
    case Damage::Kind::Removed:
        QFile::remove(path);
        break;
    case Damage::Kind::Folder:
        QFile::remove(path);
        QDir().mkdir(path);
        state.writable = false;
        break;
    case Damage::Kind::Bytes: {
        const QByteArray bytes = damage.bytes(good);
        t.writeBytes(gameName(file).constData(), bytes);
        const QByteArray line = bytes.left(bytes.indexOf('\r'));
        const Reads reads = isName(file) ? damage.asName : damage.number;
        if (reads == Reads::AsBefore) {
            state = goodDisk(slotInPlay)[file];
            state.damaged = true;
        }
        if (reads == Reads::Line && isName(file)) state.name = QString::fromLatin1(line);
        if (reads == Reads::Line && !isName(file)) state.number = damage.value;
        if (reads == Reads::Quoted) state.name = QString::fromLatin1(line.mid(1, line.size() - 2));
        break;
    }
    }
}

// Damages to whole folders: the folder gone, or every record in it unwritable.
struct FolderDamage {
    const char* name;
    // Which of the record files it takes away, for the slot in play.
    bool (*hits)(int file, int slotInPlay);
    // True: each hit file becomes a folder; false: the folder itself is removed.
    bool asFolders;
    const char* folder; // removed folder, by the game's name; nullptr for the slot's own
};

inline const std::vector<FolderDamage>& folderDamages() {
    static const std::vector<FolderDamage> list = {
        {"Files/ missing", [](int, int) { return true; }, false, "\\Files"},
        {"Files/ read-only", [](int, int) { return true; }, true, nullptr},
        {"TempFiles/ missing", [](int f, int) { return f < 3; }, false, "\\Files\\TempFiles"},
        {"Slot2/ missing", [](int f, int slot) { return slotOf(f) == slot; }, false, nullptr},
    };
    return list;
}

inline void apply(TestGame& t, Disk& disk, const FolderDamage& damage, int slotInPlay) {
    for (int f = 0; f < FileCount; ++f) {
        if (!damage.hits(f, slotInPlay)) continue;
        disk[f] = FileState{std::nullopt, std::nullopt, false, true};
        if (damage.asFolders) {
            const QString path = t.path(gameName(f).constData());
            QFile::remove(path);
            QDir().mkdir(path);
        }
    }
    if (damage.asFolders) return;
    const QByteArray folder = damage.folder ? QByteArray(damage.folder)
                                            : "\\Files\\Slot" + QByteArray::number(slotInPlay);
    QDir(t.path(folder.constData())).removeRecursively();
}

// What is on disk at a record file's place.
struct Snapshot {
    bool exists = false;
    bool folder = false;
    QByteArray bytes;
    bool operator==(const Snapshot&) const = default;
};
inline Snapshot snapshot(const TestGame& t, int file) {
    const QFileInfo info(t.path(gameName(file).constData()));
    return {info.exists(), info.isDir(), info.isFile() ? t.bytes(gameName(file).constData()) : ""};
}

// Anything under Files/ besides the four folders and the twelve records: a leftover of a write
// that did not finish.
inline QStringList strayEntries(const TestGame& t) {
    QSet<QString> known;
    for (const char* folder : {"TempFiles", "Slot1", "Slot2", "Slot3"})
        known.insert(t.path("\\Files") + '/' + folder);
    for (int f = 0; f < FileCount; ++f)
        known.insert(t.path(gameName(f).constData()));
    QStringList stray;
    QDirIterator it(t.path("\\Files"), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (!known.contains(entry)) stray << entry;
    }
    return stray;
}

// The rules' own sequence of reads and writes, walked over the damaged disk: the first file
// that fails stops the walk, and every write before it says which bytes a file must hold.
class Walk {
  public:
    explicit Walk(const Disk& disk) : disk_(disk) {}

    std::optional<int> number(int file, int lowest = -32768, int highest = 32767) {
        if (stopped()) return std::nullopt;
        const auto& value = disk_[file].number;
        if (value && *value >= lowest && *value <= highest) return value;
        failures.push_back(file);
        return std::nullopt;
    }
    std::optional<QString> name(int file) {
        if (stopped()) return std::nullopt;
        if (!disk_[file].name) failures.push_back(file);
        return disk_[file].name;
    }
    bool write(int file, const QByteArray& bytes) {
        if (stopped()) return false;
        return writeAnyway(file, bytes);
    }
    // A write tried whatever failed before it.
    bool writeAnyway(int file, const QByteArray& bytes) {
        if (!disk_[file].writable) {
            failures.push_back(file);
            return false;
        }
        written[file] = bytes;
        return true;
    }
    bool stopped() const { return !failures.empty(); }

    std::vector<int> failures;
    std::map<int, QByteArray> written;

  private:
    const Disk& disk_;
};

} // namespace damage
