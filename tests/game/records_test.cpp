#include "game/Paths.h"
#include "game/Records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using game::RecordError;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString& name) const { return dir.filePath(name); }

private slots:
    void integersAreWrittenByteForByte_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("new game's money") << 100 << QByteArray("100\r\n");
        QTest::newRow("zero") << 0 << QByteArray("0\r\n");
        QTest::newRow("negative keeps its sign") << -5 << QByteArray("-5\r\n");
        QTest::newRow("largest") << 32767 << QByteArray("32767\r\n");
        QTest::newRow("smallest") << -32768 << QByteArray("-32768\r\n");
    }
    void integersAreWrittenByteForByte() {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        QVERIFY(!game::WriteIntegerRecord(file("n.txt"), std::int16_t(value)));
        QCOMPARE(fileBytes(file("n.txt")), bytes);
        const auto back = game::ReadIntegerRecord(file("n.txt"));
        QVERIFY(back.ok());
        QCOMPARE(int(back.value()), value);
    }

    void textsAreQuotedAndReadBackWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Ann";
        QTest::newRow("comma inside") << "Smith, John";
        QTest::newRow("blanks kept") << "  Ann  ";
        QTest::newRow("empty-slot marker") << "(Nobody)";
        QTest::newRow("Latin-1 letters") << QString::fromUtf8("Zoë Ångström");
        QTest::newRow("looks like markup") << "<b>Ann</b>";
        QTest::newRow("300 characters") << QString(300, QLatin1Char('x'));
    }
    void textsAreQuotedAndReadBackWhole() {
        QFETCH(QString, text);
        QVERIFY(!game::WriteTextRecord(file("t.txt"), text));
        QCOMPARE(fileBytes(file("t.txt")), '"' + text.toLatin1() + "\"\r\n");
        const auto back = game::ReadTextRecord(file("t.txt"));
        QVERIFY(back.ok());
        QCOMPARE(back.value(), text);
    }

    void readingAcceptsWhatPeopleAndOtherToolsWrite_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::newRow("leading blanks") << QByteArray("   42\r\n") << 42;
        QTest::newRow("bare line feed") << QByteArray("42\n") << 42;
        QTest::newRow("no line end") << QByteArray("42") << 42;
        QTest::newRow("comma ends the field") << QByteArray("42,7\r\n") << 42;
        QTest::newRow("leading zeros") << QByteArray("007\r\n") << 7;
        QTest::newRow("trailing blank") << QByteArray("42 \r\n") << 42;
    }
    void readingAcceptsWhatPeopleAndOtherToolsWrite() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        putBytes(file("r.txt"), bytes);
        const auto read = game::ReadIntegerRecord(file("r.txt"));
        QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : read.error().message()));
        QCOMPARE(int(read.value()), value);
    }

    void damagedNumbersAreErrorsNeverOtherValues_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::newRow("empty") << QByteArray() << int(RecordError::Kind::Empty);
        QTest::newRow("letters") << QByteArray("abc\r\n") << int(RecordError::Kind::Malformed);
        QTest::newRow("too large") << QByteArray("99999\r\n") << int(RecordError::Kind::OutOfRange);
        QTest::newRow("too small") << QByteArray("-40000\r\n") << int(RecordError::Kind::OutOfRange);
        QTest::newRow("huge") << QByteArray("123456789012345678901234\r\n")
                              << int(RecordError::Kind::OutOfRange);
        QTest::newRow("fraction") << QByteArray("1.5\r\n") << int(RecordError::Kind::Malformed);
        QTest::newRow("two records") << QByteArray("1\r\n2\r\n") << int(RecordError::Kind::Malformed);
        QTest::newRow("binary") << QByteArray("\x01\xff\x00", 3) << int(RecordError::Kind::Malformed);
        QTest::newRow("a megabyte") << QByteArray(1 << 20, '7') << int(RecordError::Kind::Malformed);
        QTest::newRow("sign alone") << QByteArray("-\r\n") << int(RecordError::Kind::Malformed);
    }
    void damagedNumbersAreErrorsNeverOtherValues() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        putBytes(file("d.txt"), bytes);
        const auto read = game::ReadIntegerRecord(file("d.txt"));
        QVERIFY(!read.ok());
        QCOMPARE(int(read.error().kind), kind);
        QVERIFY(read.error().message().contains(QDir::toNativeSeparators(file("d.txt"))));
    }

    void unquotedNamesAsDelivered() {
        putBytes(file("Name.txt"), "(Nobody)\r\n");
        QCOMPARE(game::ReadTextRecord(file("Name.txt")).value(), QStringLiteral("(Nobody)"));
        putBytes(file("Name.txt"), "Ann,Bob\r\n");
        QCOMPARE(game::ReadTextRecord(file("Name.txt")).value(), QStringLiteral("Ann"));
        putBytes(file("Name.txt"), "\"Ann\" x\r\n");
        QVERIFY(!game::ReadTextRecord(file("Name.txt")).ok());
        putBytes(file("Name.txt"), "\"Ann\r\n");
        QVERIFY(!game::ReadTextRecord(file("Name.txt")).ok());
    }

    void textsARecordCannotHoldAreRefusedAndNothingIsWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("double quote") << "Ann \"the Ace\"";
        QTest::newRow("outside Latin-1") << QString::fromUtf8("Влад");
        QTest::newRow("line break") << "Ann\nBob";
    }
    void textsARecordCannotHoldAreRefusedAndNothingIsWritten() {
        QFETCH(QString, text);
        putBytes(file("keep.txt"), "\"Old\"\r\n");
        const auto error = game::WriteTextRecord(file("keep.txt"), text);
        QVERIFY(error);
        QCOMPARE(error->kind, RecordError::Kind::Unstorable);
        QCOMPARE(fileBytes(file("keep.txt")), QByteArray("\"Old\"\r\n"));
    }

    void missingFilesAndFoldersAreReported() {
        QCOMPARE(game::ReadIntegerRecord(file("none.txt")).error().kind, RecordError::Kind::Missing);
        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        QCOMPARE(game::ReadIntegerRecord(file("folder.txt")).error().kind,
                 RecordError::Kind::Unreadable);
        const auto error = game::WriteIntegerRecord(file("no/such/folder/x.txt"), 5);
        QVERIFY(error);
        QCOMPARE(error->kind, RecordError::Kind::WriteFailed);
    }

    void aFailedWriteLeavesTheOldRecord() {
        QTemporaryDir locked;
        const QString path = locked.filePath("Money.txt");
        QVERIFY(!game::WriteIntegerRecord(path, 100));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto error = game::WriteIntegerRecord(path, 200);
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!error) QSKIP("this user may write into read-only folders (root)");
        QCOMPARE(fileBytes(path), QByteArray("100\r\n"));
        QVERIFY(error->message().contains("could not be written"));
    }

    void slotPathsNameTheSlotFolder() {
        const game::ProgramFolder folder("/games/vantrell");
        QCOMPARE(game::SlotFilePath(folder, 2, "Money.txt"),
                 QStringLiteral("/games/vantrell/Files/Slot2/Money.txt"));
        QCOMPARE(folder.path("\\Graphics\\Spades\\Spades2.Gif"),
                 QStringLiteral("/games/vantrell/Graphics/Spades/Spades2.Gif"));
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "records_test.moc"
