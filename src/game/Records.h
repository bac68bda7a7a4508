// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace game {

// Why a save file could not be read or written, in words a player can act on.
struct RecordError {
    enum class Kind {
        Missing,     // no such file
        Unreadable,  // it exists but cannot be opened (a folder, no permission)
        Empty,       // nothing in it
        Malformed,   // not one record of the expected kind
        OutOfRange,  // a number outside -32768..32767
        WriteFailed, // the disk or folder refused the write; the old record is untouched
        Unstorable,  // text that a save file cannot hold as it is
    };
    Kind kind = Kind::Malformed;
    QString path;
    QString detail;

    // One sentence naming the file, for a message box.
    QString message() const;
};

// A value read from a save file, or why there is none.
template <typename T>
class RecordResult {
public:
    RecordResult(T value) : data_(std::move(value)) {}
    RecordResult(RecordError error) : data_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(data_); }
    const RecordError& error() const { return std::get<RecordError>(data_); }

private:
    std::variant<T, RecordError> data_;
};

// Every save file holds one record on one line ending in CR LF, one byte a character (Latin-1).
// A write replaces the whole file at once: a crash leaves the old record or the new one. The
// writers return the error, or nothing when the record is on disk.
RecordResult<std::int16_t> ReadIntegerRecord(const QString& path);
std::optional<RecordError> WriteIntegerRecord(const QString& path, std::int16_t value);
RecordResult<QString> ReadTextRecord(const QString& path);
std::optional<RecordError> WriteTextRecord(const QString& path, const QString& text);

// Why a text cannot be stored as a record (a double quote, a line break, a character outside
// Latin-1), or the empty text when it can.
QString unstorableTextReason(const QString& text);

// The bytes of one record as written to disk.
QByteArray integerRecordBytes(std::int16_t value);
QByteArray textRecordBytes(const QString& text);

// Parsing of a file's bytes, the whole of reading but the file itself (used by the fuzzers too).
RecordResult<std::int16_t> parseIntegerRecord(const QByteArray& bytes, const QString& path);
RecordResult<QString> parseTextRecord(const QByteArray& bytes, const QString& path);

} // namespace game
