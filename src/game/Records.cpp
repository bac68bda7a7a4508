// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace game {

namespace {

// A record is one short line; anything much larger is not a save file of this game.
constexpr qint64 LargestRecordFile = 64 * 1024;

RecordError failure(RecordError::Kind kind, const QString& path, const QString& detail = {}) {
    return RecordError{kind, path, detail};
}

std::variant<QByteArray, RecordError> readFileBytes(const QString& path) {
    QFileInfo info(path);
    if (!info.exists()) return failure(RecordError::Kind::Missing, path);
    if (!info.isFile())
        return failure(RecordError::Kind::Unreadable, path, QCoreApplication::translate("SaveFile", "it is not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(RecordError::Kind::Unreadable, path, file.errorString());
    QByteArray bytes = file.read(LargestRecordFile + 1);
    if (bytes.size() > LargestRecordFile)
        return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "it is far too large"));
    return bytes;
}

std::optional<RecordError> writeFileBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return failure(RecordError::Kind::WriteFailed, path, file.errorString());
    // A full disk shows only when the buffered bytes reach it, and commit() would rename an
    // emptied copy over the save all the same: the flush must succeed before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failure(RecordError::Kind::WriteFailed, path, why);
    }
    if (!file.commit()) return failure(RecordError::Kind::WriteFailed, path, file.errorString());
    return std::nullopt;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Splits the bytes into the record's line and checks that nothing follows it: CR LF, a bare LF
// or no line end at all are read alike, a second line is not.
std::optional<QByteArray> singleLine(const QByteArray& bytes) {
    qsizetype end = bytes.indexOf('\n');
    if (end < 0) return bytes.endsWith('\r') ? bytes.chopped(1) : bytes;
    if (end + 1 != bytes.size()) return std::nullopt;
    QByteArray line = bytes.left(end);
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

bool hasControlBytes(const QByteArray& line) {
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return true;
    }
    return false;
}

} // namespace

QString RecordError::message() const {
    const QString file = QDir::toNativeSeparators(path);
    // The reason, where there is one, follows in brackets at the sentence's end.
    const QString because = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    switch (kind) {
    case Kind::Missing:
        return QCoreApplication::translate("SaveFile", "The save file %1 is missing.").arg(file);
    case Kind::Unreadable:
        return QCoreApplication::translate("SaveFile", "The save file %1 could not be read%2.").arg(file, because);
    case Kind::Empty:
        return QCoreApplication::translate("SaveFile", "The save file %1 is empty.").arg(file);
    case Kind::Malformed:
        return QCoreApplication::translate("SaveFile", "The save file %1 is damaged%2.").arg(file, because);
    case Kind::OutOfRange:
        return QCoreApplication::translate("SaveFile", "The save file %1 holds a number outside -32768 to 32767.").arg(file);
    case Kind::WriteFailed:
        return QCoreApplication::translate("SaveFile", "The save file %1 could not be written%2.").arg(file, because);
    case Kind::Unstorable:
        return QCoreApplication::translate("SaveFile", "%1 cannot be saved in %2.").arg(detail, file);
    }
    return QString();
}

QString unstorableTextReason(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"') return QCoreApplication::translate("SaveFile", "A double quote");
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return QCoreApplication::translate("SaveFile", "A control character");
        if (u > 0xFF) return QCoreApplication::translate("SaveFile", "The character \"%1\"").arg(c);
    }
    return QString();
}

QByteArray integerRecordBytes(std::int16_t value) {
    return QByteArray::number(value) + "\r\n";
}

QByteArray textRecordBytes(const QString& text) {
    return '"' + text.toLatin1() + "\"\r\n";
}

RecordResult<std::int16_t> parseIntegerRecord(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty()) return failure(RecordError::Kind::Empty, path);
    const std::optional<QByteArray> line = singleLine(bytes);
    if (!line) return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "more than one line"));
    qsizetype i = 0;
    while (i < line->size() && isBlank(line->at(i))) ++i;
    bool negative = false;
    if (i < line->size() && line->at(i) == '-') {
        negative = true;
        ++i;
    }
    const qsizetype digitsStart = i;
    long long value = 0;
    while (i < line->size() && line->at(i) >= '0' && line->at(i) <= '9') {
        if (value <= 100000) value = value * 10 + (line->at(i) - '0');
        ++i;
    }
    if (i == digitsStart)
        return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "no whole number"));
    // The number ends the line, or a comma ends the field.
    qsizetype rest = i;
    while (rest < line->size() && isBlank(line->at(rest))) ++rest;
    if (rest < line->size() && line->at(rest) != ',')
        return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "not a whole number"));
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return failure(RecordError::Kind::OutOfRange, path);
    return static_cast<std::int16_t>(value);
}

RecordResult<QString> parseTextRecord(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty()) return failure(RecordError::Kind::Empty, path);
    const std::optional<QByteArray> line = singleLine(bytes);
    if (!line) return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "more than one line"));
    if (hasControlBytes(*line))
        return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "unreadable characters"));
    qsizetype i = 0;
    while (i < line->size() && isBlank(line->at(i))) ++i;
    if (i < line->size() && line->at(i) == '"') {
        const qsizetype close = line->indexOf('"', i + 1);
        if (close < 0)
            return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "an unclosed quote"));
        qsizetype rest = close + 1;
        while (rest < line->size() && isBlank(line->at(rest))) ++rest;
        if (rest < line->size() && line->at(rest) != ',')
            return failure(RecordError::Kind::Malformed, path, QCoreApplication::translate("SaveFile", "text after the quotes"));
        return QString::fromLatin1(line->mid(i + 1, close - i - 1));
    }
    qsizetype end = line->indexOf(',', i);
    QByteArray field = line->mid(i, end < 0 ? -1 : end - i);
    while (!field.isEmpty() && isBlank(field.back())) field.chop(1);
    return QString::fromLatin1(field);
}

RecordResult<std::int16_t> ReadIntegerRecord(const QString& path) {
    auto bytes = readFileBytes(path);
    if (auto* error = std::get_if<RecordError>(&bytes)) return *error;
    return parseIntegerRecord(std::get<QByteArray>(bytes), path);
}

std::optional<RecordError> WriteIntegerRecord(const QString& path, std::int16_t value) {
    return writeFileBytes(path, integerRecordBytes(value));
}

RecordResult<QString> ReadTextRecord(const QString& path) {
    auto bytes = readFileBytes(path);
    if (auto* error = std::get_if<RecordError>(&bytes)) return *error;
    return parseTextRecord(std::get<QByteArray>(bytes), path);
}

std::optional<RecordError> WriteTextRecord(const QString& path, const QString& text) {
    const QString reason = unstorableTextReason(text);
    if (!reason.isEmpty()) return failure(RecordError::Kind::Unstorable, path, reason);
    return writeFileBytes(path, textRecordBytes(text));
}

} // namespace game
