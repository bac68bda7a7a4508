// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/Records.h"
#include "support/TestGame.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace game;

// What a read gives, as the tables spell it: the value, or what is wrong with the file.
template <typename T> QString outcome(const RecordResult<T>& read) {
    const char* const why[] = {"missing",      "unreadable",   "empty",     "damaged",
                               "out of range", "write failed", "unstorable"};
    return read.ok() ? QVariant::fromValue(read.value()).toString() : why[int(read.error().kind)];
}

class RecordsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.txt");

  private slots:
    // A save file's bytes, and what reading them gives: as a number, or (the rows whose tag
    // starts with "name") as a name, quoted as the game writes it or bare as the delivered empty
    // slots are.
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        const char* const rows[] = {"100\r\n",    "100",          "42\n",       "42",
                                    "42",         "42",           "  7,9\r\n",  "7",
                                    "32767\r\n",  "32767",        "-32768\r\n", "-32768",
                                    "32768\r\n",  "out of range", "-32769\r\n", "out of range",
                                    "1\r\n2\r\n", "damaged",      "1.5\r\n",    "damaged",
                                    "abc\r\n",    "damaged",      "",           "empty"};
        for (size_t i = 0; i < std::size(rows); i += 2) {
            QByteArray tag = '"' + QByteArray(rows[i]) + '"';
            QTest::newRow(tag.replace("\r", "\\r").replace("\n", "\\n"))
                << QByteArray(rows[i]) << rows[i + 1];
        }
        QTest::newRow("a megabyte") << QByteArray(1 << 20, '7') << "damaged";
        QTest::newRow("name as delivered") << QByteArray("(Nobody)\r\n") << "(Nobody)";
        QTest::newRow("name bare, to the comma") << QByteArray(" Ann, Lee\r\n") << "Ann";
        QTest::newRow("name quoted, a comma after")
            << QByteArray("\"Ann, Lee\" ,x\r\n") << "Ann, Lee";
        QTest::newRow("name unclosed") << QByteArray("\"Ann\r\n") << "damaged";
        QTest::newRow("name, text after the quote") << QByteArray("\"Ann\"x\r\n") << "damaged";
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QFile file(path);
        QVERIFY(file.open(QFile::WriteOnly | QFile::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        const bool name = QByteArrayView(QTest::currentDataTag()).startsWith("name");
        QCOMPARE(name ? outcome(ReadTextRecord(path)) : outcome(ReadIntegerRecord(path)), read);
    }

    void writingByteForByte() {
        const std::pair<std::int16_t, QByteArray> numbers[] = {
            {-32768, "-32768\r\n"}, {100, "100\r\n"}, {0, "0\r\n"}};
        for (const auto& [value, record] : numbers) {
            QVERIFY(!WriteIntegerRecord(path, value));
            QCOMPARE(fileBytes(path), record);
        }
        for (const QString name : {"(Nobody)", "  Smith, John  ", "Zo\u00eb"}) {
            QVERIFY(!WriteTextRecord(path, name));
            QCOMPARE(fileBytes(path), '"' + name.toLatin1() + "\"\r\n");
            QCOMPARE(outcome(ReadTextRecord(path)), name);
        }
        // Text a save file cannot hold as it is is refused, and the old record stays.
        for (const QString name : {"Ann \"Ace\"", "Ann\nBob", "\u0412\u043b\u0430\u0434"})
            QVERIFY(WriteTextRecord(path, name) && fileBytes(path) == "\"Zo\xeb\"\r\n");
        QVERIFY(WriteIntegerRecord(dir.filePath("No folder/Bank.txt"), 5));
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "records_test.moc"
