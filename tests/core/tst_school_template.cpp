// The school data template: its file, read and written, and what the
// certificates take from it.
#include "TestEnvironment.h"
#include "documents/DocumentDefinition.h"
#include "documents/SchoolTemplate.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

const QString kVoivodeship = QStringLiteral("ZMIENNA_SzkolaWoj_DATA_EDIT");
const QString kSchoolName = QStringLiteral("ZMIENNA_Kolbernia1_DATA_EDIT");
const QString kClass = QStringLiteral("ZMIENNA_Klasa_DATA_EDIT");

} // namespace

class SchoolTemplateTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    QString templatePath() const { return env->workingPath(QStringLiteral("dane_szkoly.set")); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        QDir().mkpath(env->workingFolder());
    }
    void cleanup() { env.reset(); }

    void writingGivesOneLinePerItemInDeclarationOrder()
    {
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(kVoivodeship, QStringLiteral("łódzkie"));
        schoolTemplate.setText(kSchoolName, QStringLiteral("Zespół Szkół nr 3"));
        QVERIFY(schoolTemplate.vFunZapiszSzablonDanychSzkoly());
        const QStringList lines = readLines(templatePath()); // every line ends with CR LF
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines.first(), QStringLiteral("<ZMIENNA_SzkolaWoj_DATA_EDIT>łódzkie"));
        QCOMPARE(lines.at(1), QStringLiteral("<ZMIENNA_SzkolaMiasto_DATA_EDIT>")); // empty values too
        QCOMPARE(lines.at(11), QStringLiteral("<ZMIENNA_Kolbernia1_DATA_EDIT>Zespół Szkół nr 3"));
        QCOMPARE(lines.last(), QStringLiteral("<ZMIENNA_NrSzkoly_DATA_EDIT>"));
        QVERIFY(readBytes(templatePath()).startsWith("<ZMIENNA_SzkolaWoj_DATA_EDIT>\xb3\xf3" "dzkie\r\n"));
    }

    void valuesSurviveWritingAndReading_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("holding >") << QStringLiteral("a>b");
        QTest::newRow("holding <name>") << QStringLiteral("<ZMIENNA_Klasa_DATA_EDIT>x");
        QTest::newRow("spaces around") << QStringLiteral("  Łódź ");
        QTest::newRow("longer than the typing limit") << QString(80, QLatin1Char('w'));
    }

    void valuesSurviveWritingAndReading()
    {
        QFETCH(QString, value);
        SchoolTemplate written;
        written.setText(kSchoolName, value);
        QVERIFY(written.vFunZapiszSzablonDanychSzkoly());
        SchoolTemplate read;
        QVERIFY(read.vFunWczytajSzablonDanychSzkoly());
        QCOMPARE(read.text(kSchoolName), value);
        QCOMPARE(read.text(kClass), QString());
    }

    void readingTakesLinesInAnyOrderAndPassesOverOthers()
    {
        writeLines(templatePath(), {"<ZMIENNA_KLASA_DATA_EDIT>IIb", "bez znacznika", "<ZMIENNA_Nieznana_DATA_EDIT>x",
                                    "<ZMIENNA_SzkolaWoj_DATA_LABEL>y", "\t\t<ZMIENNA_SzkolaWoj_DATA_EDIT>mazowieckie"});
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(kSchoolName, QStringLiteral("zostaje"));
        QVERIFY(schoolTemplate.vFunWczytajSzablonDanychSzkoly());
        QCOMPARE(schoolTemplate.text(kClass), QStringLiteral("IIb"));
        QCOMPARE(schoolTemplate.text(kVoivodeship), QStringLiteral("mazowieckie"));
        QCOMPARE(schoolTemplate.text(kSchoolName), QStringLiteral("zostaje")); // reading does not empty
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void aMissingFileIsReportedAndTheItemsKeepTheirValues()
    {
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(kClass, QStringLiteral("I"));
        QVERIFY(!schoolTemplate.vFunWczytajSzablonDanychSzkoly());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Funkcja: vFunWczytajSzablonDanychSzkoly()\n\nBłąd otwarcia pliku do odczytu\n"
                             + QDir::toNativeSeparators(templatePath()) + "\nKod błędu: 2"});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Błąd"));
        QCOMPARE(env->prompter.calls().first().icon, MessageIcon::Error);
        QCOMPARE(schoolTemplate.text(kClass), QStringLiteral("I"));
    }

    void aFailedWriteKeepsTheOldTemplate()
    {
        writeLines(templatePath(), {"<ZMIENNA_Klasa_DATA_EDIT>stara"});
        QDir().mkpath(env->workingPath(QStringLiteral("dane_szkoly.tmp"))); // the scratch file cannot be made
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(kClass, QStringLiteral("nowa"));
        QVERIFY(!schoolTemplate.vFunZapiszSzablonDanychSzkoly());
        QCOMPARE(env->prompter.messageTexts().size(), 1);
        QVERIFY(env->prompter.messageTexts().first().startsWith(
            "Funkcja: vFunZapiszSzablonDanychSzkoly()\n\nBłąd otwarcia pliku do zapisu\n"));
        QCOMPARE(readLines(templatePath()), QStringList{"<ZMIENNA_Klasa_DATA_EDIT>stara"});
    }

    void textTheFileCannotHoldIsNotWritten()
    {
        writeLines(templatePath(), {"<ZMIENNA_Klasa_DATA_EDIT>stara"});
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(kClass, QStringLiteral("класс"));
        QVERIFY(!schoolTemplate.vFunZapiszSzablonDanychSzkoly());
        QCOMPARE(env->prompter.messageTexts().size(), 1);
        QCOMPARE(readLines(templatePath()), QStringList{"<ZMIENNA_Klasa_DATA_EDIT>stara"});
    }

    void emptyingLeavesEveryItemEmpty()
    {
        SchoolTemplate schoolTemplate;
        for (const ItemDefinition &item : schoolTemplate.definition().items)
            schoolTemplate.setText(item.name, QStringLiteral("x"));
        schoolTemplate.vFunWyczyscSzablonDanychSzkoly();
        for (const ItemDefinition &item : schoolTemplate.definition().items)
            QCOMPARE(schoolTemplate.text(item.name), QString());
    }

    void emptySchoolYearsComeFromTheDate_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expectedFirst");
        QTest::addColumn<QString>("expectedSecond");
        const QDateTime march = QDateTime(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC);
        QTest::newRow("both empty") << "" << "" << march << "2023" << "2024";
        QTest::newRow("first stored") << "2019" << "" << march << "2019" << "2024";
        QTest::newRow("both stored") << "2019" << "2020" << march << "2019" << "2020";
        // Just after midnight of New Year in Warsaw it is still the old year in UTC.
        QTest::newRow("year taken in UTC") << "" << "" << QDateTime(QDate(2025, 1, 1), QTime(0, 30), QTimeZone(3600))
                                           << "2023" << "2024";
    }

    void emptySchoolYearsComeFromTheDate()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QDateTime, now);
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT"), first);
        schoolTemplate.setText(QStringLiteral("ZMIENNA_RokSzkolny2_DATA_EDIT"), second);
        schoolTemplate.fillEmptySchoolYears(now);
        QTEST(schoolTemplate.text(QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT")), "expectedFirst");
        QTEST(schoolTemplate.text(QStringLiteral("ZMIENNA_RokSzkolny2_DATA_EDIT")), "expectedSecond");
    }

    void certificatesTakeTheirItemsInTableOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::newRow("TFKlasa1") << 0 << 15;
        QTest::newRow("TFKlasa2") << 1 << 15;
        QTest::newRow("TFKoniec, without class and promotion") << 2 << 13;
    }

    void certificatesTakeTheirItemsInTableOrder()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        SchoolTemplate schoolTemplate;
        schoolTemplate.setText(QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT"), QStringLiteral("2024"));
        schoolTemplate.setText(QStringLiteral("ZMIENNA_MiejscowoscDnia_DATA_EDIT"), QStringLiteral("28 czerwca"));
        const auto values = schoolTemplate.certificateValues(documentDefinition(index));
        QCOMPARE(values.size(), count);
        QCOMPARE(values.first(), std::make_pair(QStringLiteral("ZMIENNA_RokSzkolny1_STR1_DATA_EDIT"), QStringLiteral("2024")));
        QCOMPARE(values.last(),
                 std::make_pair(QStringLiteral("ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT"), QStringLiteral("28 czerwca")));
        for (const auto &[item, value] : values)
            QVERIFY2(documentDefinition(index).item(item), qPrintable(item));
        const bool hasClass = std::any_of(values.begin(), values.end(), [](const auto &entry) {
            return entry.first == QLatin1String("ZMIENNA_Klasa_STR1_DATA_EDIT");
        });
        QCOMPARE(hasClass, count == 15);
    }
};

QTEST_MAIN(SchoolTemplateTest)
#include "tst_school_template.moc"
