// Calibration lines, the record writer, the group rewrite and the shipped
// default calibration files.
#include "TestEnvironment.h"
#include "documents/DocumentDefinition.h"
#include "render/CalibrationFile.h"
#include "system/ProgramLog.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

// A record whose every field differs from anything the lines below hold.
CalibrationRecord previousRecord()
{
    return {QStringLiteral("POPRZEDNI"), 91, 92, 93, 94, QStringLiteral("Arial"), 95, 96, 97, 98, 99, 100};
}

const QString kPath = QStringLiteral("kalibracja/kalibracja_kolbernia_przys_klasaI.set");

} // namespace

Q_DECLARE_METATYPE(krevol::CalibrationRecord)

class CalibrationFileTest : public QObject
{
    Q_OBJECT
private slots:
    void parsingALine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<CalibrationRecord>("expected");
        QTest::newRow("all eleven fields")
            << "<ZMIENNA_DataUrodzenia_STR1_DATA_EDIT>10,20,30,40,Times New Roman,12,2,1,0,0,1"
            << CalibrationRecord{"ZMIENNA_DataUrodzenia_STR1_DATA_EDIT", 10, 20, 30, 40, "Times New Roman", 12, 2, 1, 0, 0, 1};
        QTest::newRow("no > changes nothing") << "" << previousRecord();
        QTest::newRow("no > in a long line") << QString(10000, 'x') << previousRecord();
        QTest::newRow("two fields: the rest keeps the record before, strikeout reads the last")
            << "<N>5,6" << CalibrationRecord{"N", 5, 92, 93, 94, "Arial", 95, 96, 97, 98, 99, 6};
        QTest::newRow("negative and a group marker after strikeout")
            << "<N>-3,4,5,6,Times New Roman,10,0,0,0,0,0 STR1 ZMIENNA:"
            << CalibrationRecord{"N", -3, 4, 5, 6, "Times New Roman", 10, 0, 0, 0, 0, 0};
        QTest::newRow("letters read as 0, digits before letters count")
            << "<N>abc,12a,+7, 8,F,x9,1,1,1,1,z" << CalibrationRecord{"N", 0, 12, 7, 8, "F", 0, 1, 1, 1, 1, 0};
        QTest::newRow("an empty name and a missing first character")
            << ">1,2,3,4,F,5,6,7,8,9,10" << CalibrationRecord{"", 1, 2, 3, 4, "F", 5, 6, 7, 8, 9, 10};
        QTest::newRow("the first > ends the name") << "<A>B>1,2,3,4,F,5,6,7,8,9,10"
            << CalibrationRecord{"A", 0, 2, 3, 4, "F", 5, 6, 7, 8, 9, 10};
        QTest::newRow("numbers beyond 32 bits saturate")
            << "<N>99999999999,-99999999999,3,4,F,5,6,7,8,9,10"
            << CalibrationRecord{"N", 2147483647, -2147483647 - 1, 3, 4, "F", 5, 6, 7, 8, 9, 10};
        QTest::newRow("font name kept with its blanks, empty font name")
            << "<N>1,2,3,4, Times  New ,5,6,7,8,9,10" << CalibrationRecord{"N", 1, 2, 3, 4, " Times  New ", 5, 6, 7, 8, 9, 10};
    }

    void parsingALine()
    {
        QFETCH(QString, line);
        QFETCH(CalibrationRecord, expected);
        CalibrationRecord record = previousRecord();
        vFunWczytajRekordKalibracji(record, line);
        QCOMPARE(record, expected);
    }

    void aRecordWrittenAsALineReadsBackTheSame()
    {
        const CalibrationRecord record{"ZMIENNA_X_STR1_DATA_EDIT", -1, 0, 885, 1314, "Times New Roman", 12, 3, 1, 0, 1, 0};
        QCOMPARE(calibrationLine(record), QStringLiteral("<ZMIENNA_X_STR1_DATA_EDIT>-1,0,885,1314,Times New Roman,12,3,1,0,1,0"));
        CalibrationRecord back = previousRecord();
        vFunWczytajRekordKalibracji(back, calibrationLine(record));
        QCOMPARE(back, record);
    }

    void pathsFollowTheTypeIndex()
    {
        TestEnvironment env;
        QCOMPARE(calibrationFilePath(0), QDir::toNativeSeparators(env.workingPath(kPath)));
        QCOMPARE(calibrationFilePath(8), QDir::toNativeSeparators(env.workingPath("kalibracja/kalibracja_kolbernia_przys_arkusz_str5b.set")));
        QCOMPARE(calibrationFilePath(-1), QString());
        QCOMPARE(calibrationFilePath(9), QString());
    }

    void theWriterReplacesEveryLineOfTheKeyAndKeepsItsMarker_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QString written = "<B>1,2,3,4,Arial,9,1,1,0,0,0";
        QTest::newRow("both lines of the key, their markers kept, empty lines dropped")
            << QStringList{"<A>0,0,0,0,F,1,0,0,0,0,0", "", "<B>5,5,5,5,F,1,0,0,0,0,0 STR1 ZMIENNA:", "",
                           "x <B>7,7 STRONA2 STALY:"}
            << QStringList{"<A>0,0,0,0,F,1,0,0,0,0,0", written + " STR1 ZMIENNA:", written + " STRONA2 STALY:"};
        QTest::newRow("no line of the key: nothing added, empty lines dropped")
            << QStringList{"", "<A>0,0,0,0,F,1,0,0,0,0,0", "", "<BB>1"}
            << QStringList{"<A>0,0,0,0,F,1,0,0,0,0,0", "<BB>1"};
        QTest::newRow("a 10 KB line is copied whole") << QStringList{"<A>" + QString(10000, '7')}
                                                      << QStringList{"<A>" + QString(10000, '7')};
    }

    void theWriterReplacesEveryLineOfTheKeyAndKeepsItsMarker()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TestEnvironment env;
        env.prepareWorkingFolder();
        writeLines(env.workingPath(kPath), before);
        const CalibrationRecord record{"B", 1, 2, 3, 4, "Arial", 9, 1, 1, 0, 0, 0};
        QVERIFY(bFunZapiszRekordKalibracji(record, calibrationFilePath(0)));
        QCOMPARE(readLines(env.workingPath(kPath)), after);
        QVERIFY(!QFile::exists(env.workingPath("temp.tmp")));
        QVERIFY(env.prompter.calls().isEmpty());
    }

    void theWriterReportsWhatFailedAndLeavesTheFile_data()
    {
        QTest::addColumn<QString>("breakWhat");
        QTest::addColumn<QString>("text");
        const QString scratch = QStringLiteral("Krevol-Kolbernia_przys/temp.tmp");
        QTest::newRow("A: the scratch file cannot be written") << "scratch"
            << "Błąd podczas próby otwarcia pliku do zapisu\n%W/temp.tmp\nKod błędu :21";
        QTest::newRow("B: the calibration file cannot be read") << "calibration"
            << "Błąd podczas próby otwarcia pliku do odczytu\n%W/" + kPath + "\nKod błędu :2";
        QTest::newRow("a font name outside the code page is never written") << "font"
            << "Błąd podczas próby otwarcia pliku do zapisu\n%W/temp.tmp\nKod błędu :84";
    }

    void theWriterReportsWhatFailedAndLeavesTheFile()
    {
        QFETCH(QString, breakWhat);
        QFETCH(QString, text);
        TestEnvironment env;
        env.prepareWorkingFolder();
        const QByteArray original = readBytes(env.workingPath(kPath));
        CalibrationRecord record{"ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", 1, 2, 3, 4, "Arial", 9, 1, 1, 0, 0, 0};
        if (breakWhat == "scratch")
            QDir().mkpath(env.workingPath("temp.tmp")); // a folder in its place: EISDIR
        else if (breakWhat == "calibration")
            QFile::remove(env.workingPath(kPath));
        else
            record.fontName = QStringLiteral("Шрифт");
        QVERIFY(!bFunZapiszRekordKalibracji(record, calibrationFilePath(0)));
        QCOMPARE(env.prompter.messageTexts(), QStringList{QString(text).replace("%W", env.workingFolder())});
        QCOMPARE(env.prompter.calls().first().caption, QStringLiteral("Błąd"));
        QCOMPARE(env.prompter.calls().first().icon, MessageIcon::Error);
        if (breakWhat != "calibration")
            QCOMPARE(readBytes(env.workingPath(kPath)), original);
        QVERIFY(readBytes(env.workingPath("logi.txt")).contains("Kod b"));
    }

    void groupRewrite_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected"); // "<dropped>" when the line goes
        QTest::newRow("a line of the group keeps its box and its marker")
            << "<N>-3,4,5,6,Times New Roman,10,0,0,0,0,0 STR1 ZMIENNA:"
            << "<N>-3,4,5,6,Times New Roman,14,1,1,0,0,0 STR1 ZMIENNA:";
        QTest::newRow("a line of another group stays") << "<N>-3,4,5,6,Arial,10,0,0,0,0,0 STRONA2 ZMIENNA:"
                                                       << "<N>-3,4,5,6,Arial,10,0,0,0,0,0 STRONA2 ZMIENNA:";
        QTest::newRow("an empty line stays") << "" << "";
        QTest::newRow("one comma in the group: dropped") << "<N>5,6 STR1 ZMIENNA:" << "<dropped>";
        QTest::newRow("four commas: the font fields follow the fourth")
            << "<N>1,2,3,4, STR1 ZMIENNA:" << "<N>1,2,3,4,Times New Roman,14,1,1,0,0,0 STR1 ZMIENNA:";
        QTest::newRow("the marker is case-sensitive") << "<N>1,2,3,4,F,1,0,0,0,0,0 str1 zmienna:"
                                                      << "<N>1,2,3,4,F,1,0,0,0,0,0 str1 zmienna:";
    }

    void groupRewrite()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const GroupFont font{"Times New Roman", 14, 1, true, false, false, false};
        const std::optional<QString> rewritten = groupRewrittenLine(line, calibration_group::kPage1Variables, font);
        QCOMPARE(rewritten.value_or(QStringLiteral("<dropped>")), expected);
    }

    void theShippedFilesHoldEveryItemOnceWithUniqueNames_data()
    {
        QTest::addColumn<int>("document");
        QTest::newRow("class I") << 0;
        QTest::newRow("class II") << 1;
        QTest::newRow("completion") << 2;
    }

    void theShippedFilesHoldEveryItemOnceWithUniqueNames()
    {
        QFETCH(int, document);
        const DocumentDefinition &definition = documentDefinition(document);
        const QStringList lines = readLines(QStringLiteral(KREVOL_DATA_DIR "/kalibracja/") + definition.calibrationFile);
        QVERIFY(!lines.isEmpty());
        QStringList names;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            CalibrationRecord record;
            vFunWczytajRekordKalibracji(record, lines[i]);
            QVERIFY2(!names.contains(record.name), qPrintable(record.name));
            // The editor takes the first line holding the name; an earlier line must not hold it.
            for (qsizetype earlier = 0; earlier < i; ++earlier)
                QVERIFY2(!lines[earlier].contains(record.name), qPrintable(record.name + " in " + lines[earlier]));
            names << record.name;
            const bool variable = record.name.startsWith("ZMIENNA_");
            const bool constant = record.name.startsWith("STALY_");
            const QString page = record.name.contains("_STR2") ? "2" : "1";
            if (variable)
                QVERIFY2(lines[i].endsWith(page == "1" ? " STR1 ZMIENNA:" : " STRONA2 ZMIENNA:"), qPrintable(lines[i]));
            else if (constant)
                QVERIFY2(lines[i].endsWith(" STRONA" + page + " STALY:"), qPrintable(lines[i]));
            else
                QVERIFY2(!lines[i].contains("ZMIENNA"), qPrintable(lines[i]));
            QVERIFY2(record.x1 < record.x2 && record.y1 < record.y2 && record.x2 <= 885 && record.y2 <= 1314,
                     qPrintable(lines[i]));
        }
        // Every item of the form has its record, a memo one a line it holds.
        for (const ItemDefinition &item : definition.items) {
            if (item.isMemo()) {
                for (int line = 1; line <= item.lineLimit; ++line)
                    QVERIFY2(names.contains(item.name + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'))),
                             qPrintable(item.name));
                QVERIFY(!names.contains(item.name + QStringLiteral("%1").arg(item.lineLimit + 1, 2, 10, QLatin1Char('0'))));
            } else {
                QVERIFY2(names.contains(item.name), qPrintable(item.name));
            }
        }
        QVERIFY(names.contains("GRAFIKA: ORZELEK"));
        QVERIFY(names.contains("GRAFIKA: PIECZATKA"));
        QVERIFY(names.filter("_STR1_LINIA_Z_KROPEK").size() > 10);
        QVERIFY(names.filter("_STR2_LINIA_Z_KROPEK").size() > 10);
    }
};

QTEST_GUILESS_MAIN(CalibrationFileTest)
#include "tst_calibration_file.moc"
