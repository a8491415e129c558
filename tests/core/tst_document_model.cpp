// The document model: sections written and read back, memo line limits,
// derived items, sample texts and the copy of results into a grade sheet.
#include "ModelFixtures.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "documents/FieldLine.h"
#include "documents/ResultsCopy.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

QStringList section(const DocumentModel &document)
{
    QStringList lines;
    document.vFunZapiszDaneSwiadectwa(lines);
    return lines;
}

QStringList wrapped(const DocumentDefinition &definition, const QStringList &fieldLines)
{
    return QStringList{definition.openingLine()} + fieldLines + QStringList{definition.closingLine()};
}

const QString kBehaviour = QStringLiteral("ZMIENNA_Zachowanie_STR2_DATA_MEMO");
const QString kTown = QStringLiteral("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT");

} // namespace

class DocumentModelTest : public QObject
{
    Q_OBJECT
private slots:
    void everyDocumentSurvivesWritingAndReading_data()
    {
        QTest::addColumn<int>("index");
        for (const DocumentDefinition &definition : documentCatalogue())
            QTest::newRow(qPrintable(definition.formName)) << definition.index;
    }

    void everyDocumentSurvivesWritingAndReading()
    {
        QFETCH(int, index);
        Session written;
        fillDocuments(written, QStringLiteral("Łącka"));
        setStudent(written.student(), QStringLiteral("Łącka"), QStringLiteral("Żaneta"));
        written.document(index).setDerivedItems();
        const QStringList lines = section(written.document(index));

        Session read;
        setStudent(read.student(), QStringLiteral("Łącka"), QStringLiteral("Żaneta"));
        ListLineSource source(lines);
        read.document(index).vFunWczytajDaneSwiadectwa(source);
        QCOMPARE(source.consumed(), lines.size());
        QCOMPARE(section(read.document(index)), lines);
    }

    void anEmptyFormWritesEmptyFieldsAndNoMemoLines_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("fieldLines");
        QTest::newRow("class I certificate") << 0 << 26;
        QTest::newRow("completion certificate") << 2 << 21;
        QTest::newRow("grade sheet page 1") << 5 << 50;
        QTest::newRow("two-column results") << 8 << 21;
        QTest::newRow("practical classes") << 9 << 19;
    }

    void anEmptyFormWritesEmptyFieldsAndNoMemoLines()
    {
        QFETCH(int, index);
        QFETCH(int, fieldLines);
        Session session;
        DocumentModel &document = session.document(index);
        document.vFunWyczyscDaneSwiadectwa();
        const QStringList lines = section(document);
        QCOMPARE(lines.first(), document.definition().openingLine());
        QCOMPARE(lines.last(), document.definition().closingLine());
        QCOMPARE(lines.size() - 2, fieldLines);
        for (const QString &line : lines.mid(1, lines.size() - 2))
            QVERIFY2(line.endsWith(QLatin1Char('>')) && !line.contains(kMemoSuffix), qPrintable(line));
    }

    void fieldValuesAreReadBackExactly_data()
    {
        QTest::addColumn<QStringList>("fieldLines");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        const QString memoLine = fieldLine(kBehaviour, QString());
        QTest::newRow("spaces kept") << QStringList{fieldLine(kTown, "  Łódź ")} << kTown << "  Łódź ";
        QTest::newRow("angle bracket in the value") << QStringList{fieldLine(kTown, "a>b")} << kTown << "a>b";
        QTest::newRow("memo with an empty line")
            << QStringList{fieldLine(kBehaviour, "a"), fieldLine(kBehaviour, ""), fieldLine(kBehaviour, "b")}
            << kBehaviour << "a\n\nb";
        QTest::newRow("closing tag inside a value")
            << QStringList{fieldLine(kTown, "\t</KLASA I SZKOLY ZAWODOWEJ PRZYS.>"), fieldLine(kBehaviour, "dalej")}
            << kBehaviour << "dalej";
        QTest::newRow("unknown edit skipped") << QStringList{fieldLine("ZMIENNA_Brak_STR1_DATA_EDIT", "x")} << kTown << "";
        QTest::newRow("unknown memo skipped") << QStringList{fieldLine("ZMIENNA_Brak_STR2_DATA_MEMO", "x")} << kBehaviour << "";
        QTest::newRow("line without >") << QStringList{"\t\t<" + kTown + " bez nawiasu"} << kTown << "";
        QTest::newRow("lower-case kind is not a field")
            << QStringList{"\t\t<ZMIENNA_SzkolaMiasto_STR1_data_edit>x"} << kTown << "";
        QTest::newRow("opening line changes nothing") << QStringList{"\t<KLASA I SZKOLY ZAWODOWEJ PRZYS.>"} << kTown << "";
        QTest::newRow("case-insensitive lookup")
            << QStringList{"\t\t<ZMIENNA_szkolamiasto_STR1_DATA_EDIT>Kraków"} << kTown << "Kraków";
    }

    void fieldValuesAreReadBackExactly()
    {
        QFETCH(QStringList, fieldLines);
        QFETCH(QString, item);
        QFETCH(QString, expected);
        Session session;
        DocumentModel &document = session.document(0);
        ListLineSource source(wrapped(document.definition(), fieldLines));
        document.vFunWczytajDaneSwiadectwa(source);
        QCOMPARE(document.text(item), expected);
    }

    void memoLineLimitsHoldOnEveryChange()
    {
        Session session;
        DocumentModel &sheet = session.document(6); // one-column results page
        const QString achievements = QStringLiteral("ZMIENNA_Szczegolne1_DATA_MEMO");
        QStringList nine;
        for (int i = 0; i < 9; ++i)
            nine << fieldLine(achievements, QString::number(i));
        ListLineSource source(wrapped(sheet.definition(), nine));
        sheet.vFunWczytajDaneSwiadectwa(source);
        QCOMPARE(sheet.lines(achievements).size(), 8);
        QCOMPARE(section(sheet).filter(achievements).size(), 8);

        DocumentModel &certificate = session.document(0);
        certificate.setText(kBehaviour, QStringLiteral("1\n2\n3\n4\n5\n6"));
        QCOMPARE(certificate.lines(kBehaviour), (QStringList{"1", "2", "3", "4"}));
        QVERIFY(!certificate.appendLine(kTown, QStringLiteral("x")));
        certificate.appendLine(kBehaviour, QStringLiteral("5"));
        QCOMPARE(certificate.lines(kBehaviour).size(), 4);
        certificate.setText(kBehaviour, QStringLiteral("a\n"));
        QCOMPARE(certificate.lines(kBehaviour), QStringList{"a"});
    }

    void readingTwiceDoublesMemoLinesUpToTheLimit()
    {
        Session session;
        DocumentModel &certificate = session.document(0);
        const QStringList lines = wrapped(certificate.definition(),
                                          {fieldLine(kBehaviour, "a"), fieldLine(kBehaviour, "b"), fieldLine(kBehaviour, "c")});
        for (int i = 0; i < 2; ++i) {
            ListLineSource source(lines);
            certificate.vFunWczytajDaneSwiadectwa(source);
        }
        QCOMPARE(certificate.lines(kBehaviour), (QStringList{"a", "b", "c", "a"}));
    }

    void certificateDerivedItemsFollowTheStudent_data()
    {
        QTest::addColumn<QString>("gender");
        QTest::addColumn<QString>("ending");
        QTest::newRow("girl") << "kobieta" << "a";
        QTest::newRow("boy") << "mężczyzna" << "";
    }

    void certificateDerivedItemsFollowTheStudent()
    {
        QFETCH(QString, gender);
        QFETCH(QString, ending);
        Session session;
        setStudent(session.student(), QStringLiteral("Nowak"), QStringLiteral("Anna"), gender, QStringLiteral("99010112345"));
        for (int index : {0, 2}) {
            DocumentModel &certificate = session.document(index);
            ListLineSource source(wrapped(certificate.definition(),
                                          {fieldLine("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", "Ktoś Inny")}));
            certificate.vFunWczytajDaneSwiadectwa(source);
            QCOMPARE(certificate.text("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT"), QStringLiteral("Anna Nowak"));
            QCOMPARE(certificate.text("ZMIENNA_DataUrodzenia_STR1_DATA_EDIT"), QStringLiteral("1 września 1999"));
            QCOMPARE(certificate.text("ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT"), QStringLiteral("Łódź"));
            QCOMPARE(certificate.text("ZMIENNA_NrPesel_STR1_DATA_EDIT"), QStringLiteral("99010112345"));
            QCOMPARE(certificate.text("ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT"), QStringLiteral("7"));
            QCOMPARE(certificate.text("ZMIENNA_RealizowalA_STR1_DATA_EDIT"), ending);
        }
        QCOMPARE(session.document(0).text("ZMIENNA_UczeszczalA_STR1_DATA_EDIT"), ending);
        QCOMPARE(session.document(0).text("ZMIENNA_OtrzymalA_STR1_DATA_EDIT"), ending);
        QCOMPARE(session.document(2).text("ZMIENNA_UkonczylA_STR1_DATA_EDIT"), ending);
    }

    void firstPageDerivedItems_data()
    {
        QTest::addColumn<QString>("gender");
        QTest::addColumn<QString>("pesel");
        QTest::addColumn<QString>("storedTown");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("town");
        QTest::newRow("boy, full PESEL") << "mężczyzna" << "12345678901" << "" << "y" << "Łódź";
        QTest::newRow("girl, short PESEL, own town") << "kobieta" << "123" << "Sieradz" << "a" << "Sieradz";
    }

    void firstPageDerivedItems()
    {
        QFETCH(QString, gender);
        QFETCH(QString, pesel);
        QFETCH(QString, storedTown);
        QFETCH(QString, ending);
        QFETCH(QString, town);
        Session session;
        setStudent(session.student(), QStringLiteral("Kowal"), QStringLiteral("Jan"), gender, pesel);
        DocumentModel &page = session.document(5);
        ListLineSource source(wrapped(page.definition(), {fieldLine("ZMIENNA_UrodzonyMiasto_DATA_EDIT", storedTown)}));
        page.vFunWczytajDaneSwiadectwa(source);
        QCOMPARE(page.text("ZMIENNA_ImieNazwisko_DATA_EDIT"), QStringLiteral("Jan Kowal"));
        for (const char *item : {"ZMIENNA_UrodzonyA_DATA_EDIT", "ZMIENNA_PrzyjetyA_DATA_EDIT", "ZMIENNA_WpisanyA_DATA_EDIT"})
            QCOMPARE(page.text(item), ending);
        QCOMPARE(page.text("ZMIENNA_UrodzonyMiasto_DATA_EDIT"), town);
        QCOMPARE(page.text("ZMIENNA_UrodzonyRok_DATA_EDIT"), QStringLiteral("1999"));
        for (int i = 0; i < 11; ++i)
            QCOMPARE(page.text(QStringLiteral("ZMIENNA_Pesel%1_DATA_EDIT").arg(i + 1)), pesel.mid(i, 1));
    }

    void sampleTextsKeepWhatTheLimitsAllow()
    {
        Session session;
        DocumentModel &klasa1 = session.document(0);
        klasa1.vFunWstawDanePrzykladowe();
        QCOMPARE(klasa1.lines("ZMIENNA_Szczegolne_STR2_DATA_MEMO"),
                 (QStringList{"szczególne osiągnięcia linia 1", "szczególne osiągnięcia linia 2", "szczególne osiągnięcia linia 3"}));
        QCOMPARE(klasa1.text("ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX"), QStringLiteral("religia ocn"));
        QCOMPARE(klasa1.lines("ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO").size(), 12);

        DocumentModel &sheet = session.document(4);
        sheet.vFunWstawDanePrzykladowe();
        QCOMPARE(sheet.lines("ZMIENNA_DataUchwaly2_DATA_MEMO"),
                 (QStringList{"uchwala 2 linia 0", "uchwala 2 linia 1", "uchwala 2 linia 2", "uchwala 2 linia 3", "uchwala 2 linia 4"}));
        QCOMPARE(sheet.text("ZMIENNA_DodEduOcn21_DATA_EDIT"), QStringLiteral("dod. edu ocn 21"));

        DocumentModel &page3 = session.document(7);
        page3.setText("ZMIENNA_Rok1_DATA_EDIT", QStringLiteral("2020"));
        page3.vFunWstawDanePrzykladowe();
        QCOMPARE(page3.text("ZMIENNA_Rok1_DATA_EDIT"), QStringLiteral("2020"));
    }

    void resultsAreCopiedIntoTheChosenColumn_data()
    {
        QTest::addColumn<int>("certificate");
        QTest::addColumn<int>("pageCode");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<bool>("copied");
        QTest::newRow("class II into page 4 column 2") << 1 << 6 << 2 << 8 << true;
        QTest::newRow("completion into page 3") << 2 << 5 << 1 << 7 << true;
        QTest::newRow("class I into page 2 column 2: not served") << 0 << 4 << 2 << 6 << false;
        QTest::newRow("unknown page code") << 0 << 3 << 1 << 6 << false;
    }

    void resultsAreCopiedIntoTheChosenColumn()
    {
        QFETCH(int, certificate);
        QFETCH(int, pageCode);
        QFETCH(int, column);
        QFETCH(int, sheet);
        QFETCH(bool, copied);
        Session session;
        DocumentModel &from = session.document(certificate);
        from.setText(kBehaviour, QStringLiteral("wzorowe\nbez uwag"));
        from.setText("ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", QStringLiteral("dobry"));
        from.setText("ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO", QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12"));
        DocumentModel &to = session.document(sheet);
        to.setText("ZMIENNA_Zachowanie1_DATA_MEMO", QStringLiteral("stare"));
        if (sheetIndexForPageCode(pageCode) >= 0)
            QCOMPARE(sheetIndexForPageCode(pageCode), sheet);
        vFunPrzepiszDoArkusza(from, to, pageCode, column);
        const QString behaviour = QStringLiteral("ZMIENNA_Zachowanie%1_DATA_MEMO").arg(column);
        QCOMPARE(to.text(behaviour), copied ? QStringLiteral("wzorowe\nbez uwag") : (column == 1 ? "stare" : ""));
        QCOMPARE(to.text(QStringLiteral("ZMIENNA_ReligiaOcn%1_DATA_COMBOBOX").arg(column)), copied ? "dobry" : "");
        if (copied && column == 2)
            QCOMPARE(to.text("ZMIENNA_Zachowanie1_DATA_MEMO"), QStringLiteral("stare"));
    }
};

QTEST_GUILESS_MAIN(DocumentModelTest)
#include "tst_document_model.moc"
