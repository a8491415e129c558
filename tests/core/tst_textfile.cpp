// Windows-1250 text files: decoding, line ends, refusal of text the code page
// cannot hold, and the file operations' error codes.
#include "TestEnvironment.h"
#include "system/Cp1250.h"
#include "system/FileOps.h"
#include "system/TextFile.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class TextFileTest : public QObject
{
    Q_OBJECT
private slots:
    void polishLettersEncodeToTheirCodePageBytes()
    {
        QByteArray bytes;
        QVERIFY(cp1250::encode(QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"), bytes));
        QCOMPARE(bytes.toHex(' '), QByteArray("b9 e6 ea b3 f1 f3 9c 9f bf a5 c6 ca a3 d1 d3 8c 8f af"));
        QCOMPARE(cp1250::decode(bytes), QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"));
    }

    void bytesUndefinedInTheCodePageSurviveARoundTrip()
    {
        const QByteArray undefined("\x81\x83\x88\x90\x98", 5);
        QByteArray again;
        QVERIFY(cp1250::encode(cp1250::decode(undefined), again));
        QCOMPARE(again, undefined);
    }

    void textOutsideTheCodePageIsNamedAndRefused()
    {
        QVERIFY(!cp1250::canEncode(QStringLiteral("Ж")));
        QCOMPARE(cp1250::unencodableCharacters(QStringLiteral("aЖbЖ€😀")), QStringLiteral("Ж😀"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        TextLineWriter writer(path);
        QVERIFY(writer.open());
        QVERIFY(writer.writeLine(QStringLiteral("Łódź")));
        QVERIFY(!writer.writeLine(QStringLiteral("Жукоў")));
        QVERIFY(!writer.close());
        QVERIFY(writer.encodingError());
        QCOMPARE(readBytes(path), QByteArray("\xa3\xf3\x64\x9f\r\n"));
    }

    void readerSplitsOnCrLfAndBareLf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("bare lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone cr kept inside a line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void readerSplitsOnCrLfAndBareLf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.txt"));
        writeBytes(path, bytes);
        TextLineReader reader(path);
        QVERIFY(reader.open());
        QStringList read;
        QString line;
        while (reader.readLine(line))
            read << line;
        QCOMPARE(read, lines);
    }

    void veryLongLinesAreReadWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.txt"));
        const QByteArray longLine(200000, 'x');
        writeBytes(path, longLine + "\r\nend\r\n");
        TextLineReader reader(path);
        QVERIFY(reader.open());
        QCOMPARE(reader.readLine().size(), longLine.size());
        QCOMPARE(reader.readLine(), QStringLiteral("end"));
    }

    void appendingKeepsWhatIsThere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        for (const QString &text : {QStringLiteral("one"), QStringLiteral("two")}) {
            TextLineWriter writer(path);
            QVERIFY(writer.open(TextLineWriter::Mode::Append));
            QVERIFY(writer.writeLine(text));
            QVERIFY(writer.close());
        }
        QCOMPARE(readBytes(path), QByteArray("one\r\ntwo\r\n"));
    }

    void failedOperationsGiveTheSystemErrorCode()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing"));
        QCOMPARE(copyFile(missing, dir.filePath(QStringLiteral("x")), true).code, ENOENT);
        QCOMPARE(removeFile(missing).code, ENOENT);
        QCOMPARE(makeDirectory(dir.filePath(QStringLiteral("a/b"))).code, ENOENT);
        QCOMPARE(clearReadOnly(missing).code, ENOENT);
        TextLineReader reader(missing);
        QVERIFY(!reader.open());
        QCOMPARE(reader.errorCode(), ENOENT);

        const QString existing = dir.filePath(QStringLiteral("existing"));
        writeBytes(existing, "old");
        writeBytes(missing, "new");
        QCOMPARE(copyFile(missing, existing, false).code, EEXIST);
        QVERIFY(copyFile(missing, existing, true).ok);
        QCOMPARE(readBytes(existing), QByteArray("new"));
    }

    void clearingReadOnlyLetsTheFileBeOverwritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ro.kbrp"));
        writeBytes(path, "x");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        QVERIFY(clearReadOnly(path).ok);
        QVERIFY(QFileInfo(path).permissions() & QFile::WriteOwner);
    }

    void atomicCopyReplacesTheTargetWhole()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source"));
        const QString target = dir.filePath(QStringLiteral("target"));
        writeBytes(source, QByteArray(300000, 'n'));
        writeBytes(target, "old");
        QVERIFY(copyFileAtomically(source, target).ok);
        QCOMPARE(readBytes(target), QByteArray(300000, 'n'));
        QVERIFY(!copyFileAtomically(dir.filePath(QStringLiteral("none")), target).ok);
        QCOMPARE(readBytes(target).size(), 300000);
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
