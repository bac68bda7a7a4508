#include "SaveFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/inotify.h>
#include <unistd.h>

namespace monkey {

namespace {

const char* const FileNames[SaveFiles::Count] = {"Files/TempFiles/CurrentSlot.txt",
                                                 "Files/TempFiles/CurrentMoney.txt",
                                                 "Files/TempFiles/CurrentBank.txt",
                                                 "Files/Slot1/Name.txt",
                                                 "Files/Slot1/Money.txt",
                                                 "Files/Slot1/Bank.txt",
                                                 "Files/Slot2/Name.txt",
                                                 "Files/Slot2/Money.txt",
                                                 "Files/Slot2/Bank.txt",
                                                 "Files/Slot3/Name.txt",
                                                 "Files/Slot3/Money.txt",
                                                 "Files/Slot3/Bank.txt"};

const char* const Folders[] = {"Files", "Files/TempFiles", "Files/Slot1", "Files/Slot2",
                               "Files/Slot3"};

// The record's line without its CR LF, when the bytes are exactly one such line.
std::optional<QByteArray> soleLine(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n")) return std::nullopt;
    QByteArray line = bytes.chopped(2);
    if (line.contains('\n') || line.contains('\r')) return std::nullopt;
    return line;
}

std::optional<int> integerOf(const QByteArray& line) {
    if (line.isEmpty() || line.size() > 6) return std::nullopt;
    const bool negative = line.startsWith('-');
    const QByteArray digits = negative ? line.mid(1) : line;
    if (digits.isEmpty() || (digits.size() > 1 && digits.startsWith('0'))) return std::nullopt;
    if (negative && digits == "0") return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace

QString SaveFiles::relativePath(int file) {
    return QString::fromLatin1(FileNames[file]);
}

std::optional<QString> recordFault(const QByteArray& bytes, bool text) {
    if (bytes.isEmpty()) return QStringLiteral("empty");
    const auto line = soleLine(bytes);
    if (!line) return QStringLiteral("not one line ending in CR LF");
    if (!text) {
        const auto value = integerOf(*line);
        if (!value) return QStringLiteral("not a plain whole number");
        if (*value < -32768 || *value > 32767) return QStringLiteral("outside -32768..32767");
        return std::nullopt;
    }
    for (char c : *line)
        if (static_cast<unsigned char>(c) < 0x20) return QStringLiteral("a control character");
    const bool quoted = line->size() >= 2 && line->startsWith('"') && line->endsWith('"');
    const QByteArray inner = quoted ? line->mid(1, line->size() - 2) : *line;
    if (inner.contains('"')) return QStringLiteral("a stray double quote");
    if (!quoted && inner.contains(',')) return QStringLiteral("an unquoted comma");
    return std::nullopt;
}

SaveFiles SaveFiles::read(const QString& root) {
    SaveFiles files;
    const QDir base(root);
    for (int i = 0; i < Count; ++i) {
        QFile file(base.filePath(relativePath(i)));
        files.present[i] = file.open(QIODevice::ReadOnly);
        if (!files.present[i]) {
            files.faults << relativePath(i) + QStringLiteral(": missing or unreadable");
            continue;
        }
        files.bytes[i] = file.read(4096);
        if (const auto fault = recordFault(files.bytes[i], isText(i)))
            files.faults << relativePath(i) + QStringLiteral(": ") + *fault;
    }
    // Nothing else may lie among the saves: no half-written copy, no left-over temporary file.
    for (const char* folder : Folders) {
        const QDir dir(base.filePath(QString::fromLatin1(folder)));
        for (const QFileInfo& entry :
             dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString relative = base.relativeFilePath(entry.filePath());
            bool known = false;
            for (const char* name : FileNames)
                known = known || relative == QLatin1String(name);
            for (const char* sub : Folders)
                known = known || (entry.isDir() && relative == QLatin1String(sub));
            if (!known) files.strays << relative;
        }
    }
    return files;
}

SaveFolderWatch::SaveFolderWatch(const QString& root) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    const uint32_t events = IN_CREATE | IN_DELETE | IN_MODIFY | IN_MOVED_FROM | IN_MOVED_TO |
                            IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const char* folder : Folders) {
        const QByteArray path = QFile::encodeName(QDir(root).filePath(QString::fromLatin1(folder)));
        if (inotify_add_watch(fd_, path.constData(), events) < 0) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

SaveFolderWatch::~SaveFolderWatch() {
    if (fd_ >= 0) ::close(fd_);
}

bool SaveFolderWatch::changed() {
    if (fd_ < 0) return true;
    bool any = false;
    alignas(inotify_event) char buffer[4096];
    while (::read(fd_, buffer, sizeof buffer) > 0)
        any = true;
    return any;
}

std::optional<int> SaveFiles::number(int file) const {
    if (!present[file] || isText(file) || recordFault(bytes[file], false)) return std::nullopt;
    return integerOf(bytes[file].chopped(2));
}

std::optional<QString> SaveFiles::text(int file) const {
    if (!present[file] || !isText(file) || recordFault(bytes[file], true)) return std::nullopt;
    QByteArray line = bytes[file].chopped(2);
    if (line.startsWith('"')) line = line.mid(1, line.size() - 2);
    return QString::fromLatin1(line);
}

} // namespace monkey
