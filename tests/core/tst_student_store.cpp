// The student data section and the student store on the working copy.
#include "ModelFixtures.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "datafile/StudentBlock.h"
#include "datafile/StudentOrder.h"
#include "datafile/StudentStore.h"
#include "documents/FieldLine.h"

#include <QSignalSpy>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

QStringList headers(const QString &path)
{
    QStringList keys;
    for (const QString &line : readLines(path))
        if (line.startsWith(block::kHeaderTag))
            keys << block::keyOfHeader(line);
    return keys;
}

} // namespace

class StudentStoreTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Session> session;
    QString copy() const { return session->workingCopyPath(); }
    StudentStore store() { return StudentStore(*session); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        QDir().mkpath(env->workingFolder());
        session = std::make_unique<Session>();
    }
    void cleanup()
    {
        session.reset();
        env.reset();
    }

    void clearingKeepsBirthYearTownAndVoivodeship()
    {
        StudentModel &student = session->student();
        setStudent(student, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        student.vFunWyczyscDaneUcznia();
        QCOMPARE(student.text(student::kSurname), QString());
        QCOMPARE(student.text(student::kPesel), QString());
        QCOMPARE(student.text(student::kRegisterNumber), QString());
        QCOMPARE(student.text(student::kBirthYear), QStringLiteral("1999"));
        QCOMPARE(student.text(student::kBirthTown), QStringLiteral("Łódź"));
        QCOMPARE(student.text(student::kBirthVoivodeship), QStringLiteral("łódzkie"));
        QCOMPARE(student.text(student::kGender), QStringLiteral("kobieta"));
    }

    void storedGenderSelectsMaleOnlyForTheExactWord_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("female") << "kobieta" << "kobieta";
        QTest::newRow("male") << "mężczyzna" << "mężczyzna";
        QTest::newRow("empty") << "" << "kobieta";
        QTest::newRow("misspelt") << "mezczyzna" << "kobieta";
    }

    void storedGenderSelectsMaleOnlyForTheExactWord()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        ListLineSource source({fieldLine(student::kSurname, "S"), fieldLine(student::kFirstName, "F"),
                               fieldLine(student::kGender, stored), "\t</DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>"});
        session->student().vFunWczytajDaneUcznia(source);
        QCOMPARE(session->student().text(student::kGender), shown);
        QCOMPARE(session->student().currentKey, QStringLiteral("S F"));
    }

    void importTakesThePeselOnlyFromItsOwnLine()
    {
        ListLineSource source({"\t<DANE UCZNIA DOLMENTA>", fieldLine(student::kPesel, "98765432109"),
                               fieldLine(student::kSurname, "Wiśniewska"), fieldLine(student::kGender, "kobieta"),
                               fieldLine("Inne_DATA_EDIT", "nie PESEL"), "\t</DANE UCZNIA DOLMENTA>",
                               fieldLine(student::kFirstName, "po sekcji")});
        session->student().vFunImportujDaneUcznia(source);
        QCOMPARE(session->student().text(student::kPesel), QStringLiteral("98765432109"));
        QCOMPARE(session->student().text(student::kSurname), QStringLiteral("Wiśniewska"));
        QCOMPARE(session->student().text(student::kFirstName), QString());
        QCOMPARE(source.consumed(), 6);
    }

    void aStoredStudentLoadsBackWhole()
    {
        storeStudent(*session, QStringLiteral("Łukasz"), QStringLiteral("Ewa"), QStringLiteral("Ewy"));
        const QStringList written = store().studentBlockLines(QStringLiteral("Łukasz Ewa"));
        Session other;
        other.setWorkingCopyPath(copy());
        QVERIFY(StudentStore(other).bFunWczytajUcznia(QStringLiteral("ŁUKASZ eWA")));
        QCOMPARE(StudentStore(other).studentBlockLines(QStringLiteral("Łukasz Ewa")), written);
        QCOMPARE(readLines(copy()), written);
    }

    void replacingMovesTheStudentToTheEnd()
    {
        storeStudent(*session, QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        QVERIFY(store().bFunWczytajUcznia(QStringLiteral("Kowalski Jan")));
        session->document(0).setText(QStringLiteral("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"), QStringLiteral("Sopot"));
        QSignalSpy listed(session.get(), &Session::studentListChanged);
        QVERIFY(store().vFunZastapUcznia(QStringLiteral("Kowalski Jan")));
        QCOMPARE(listed.count(), 1);
        QCOMPARE(headers(copy()), (QStringList{"Nowak Anna", "Kowalski Jan"}));
        QCOMPARE(session->studentKeys(), (QStringList{"Nowak Anna", "Kowalski Jan"}));
        QVERIFY(store().bFunWczytajUcznia(QStringLiteral("Kowalski Jan")));
        QCOMPARE(session->document(0).text(QStringLiteral("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT")), QStringLiteral("Sopot"));
        QVERIFY(!QFile::exists(env->workingPath("temp.kbr")));
    }

    void existenceFoldsOnlyAsciiLetters_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("same") << "Łaski Jan" << true;
        QTest::newRow("ascii case") << "ŁASKI jAN" << true;
        QTest::newRow("polish case differs") << "łaski Jan" << false;
        QTest::newRow("other") << "Łaski Janusz" << false;
    }

    void existenceFoldsOnlyAsciiLetters()
    {
        QFETCH(QString, asked);
        QFETCH(bool, found);
        writeLines(copy(), {QString(30000, 'x'), block::headerLine("Łaski Jan"), block::kEndLine});
        QCOMPARE(store().bFunSprawdzCzyInstnieje(asked), found);
    }

    void removingDropsEveryBlockOfTheKey_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("left");
        const QString a = block::headerLine("A B"), b = block::headerLine("C D"), end = block::kEndLine;
        QTest::newRow("two blocks of one key") << QStringList{a, "1", end, b, "2", end, a, "3", end} << QStringList{b, "2", end};
        QTest::newRow("last block without its end line") << QStringList{b, "2", end, a, "1", "x"} << QStringList{b, "2", end};
        QTest::newRow("a block without its end line stops at the next student")
            << QStringList{a, "1", b, "2", end} << QStringList{b, "2", end};
        QTest::newRow("a value quoting a header is not a student")
            << QStringList{b, "\t\t<X_DATA_EDIT><DANE SWIADECTW DLA: A B>", end}
            << QStringList{b, "\t\t<X_DATA_EDIT><DANE SWIADECTW DLA: A B>", end};
    }

    void removingDropsEveryBlockOfTheKey()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, left);
        writeLines(copy(), file);
        QVERIFY(store().bFunUsunUcznia(QStringLiteral("a b")));
        QCOMPARE(readLines(copy()), left);
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void listingAMissingOrEmptyCopyGivesNoStudentsQuietly()
    {
        QVERIFY(store().bFunWczytajListeUczniow());
        QVERIFY(session->studentKeys().isEmpty());
        writeBytes(copy(), QByteArray());
        QVERIFY(store().bFunWczytajListeUczniow());
        QVERIFY(session->studentKeys().isEmpty());
        QVERIFY(env->prompter.calls().isEmpty());
        QVERIFY(!store().bFunSprawdzCzyInstnieje(QStringLiteral("A B")));
    }

    void loadingADamagedBlockNeverTakesTheNextStudentsData()
    {
        // Kowalski's class I section lacks its closing line and the rest of his block.
        writeLines(copy(), {block::headerLine("Kowalski Jan"), "\t<DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>",
                            fieldLine(student::kSurname, "Kowalski"), "\t</DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>",
                            "\t<KLASA I SZKOLY ZAWODOWEJ PRZYS.>", fieldLine("ZMIENNA_Klasa_STR1_DATA_EDIT", "I a"),
                            block::kEndLine, block::headerLine("Nowak Anna"), "\t<DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>",
                            fieldLine(student::kSurname, "Nowak"), "\t</DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>",
                            "\t<KLASA I SZKOLY ZAWODOWEJ PRZYS.>", fieldLine("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT", "Gdynia"),
                            "\t</KLASA I SZKOLY ZAWODOWEJ PRZYS.>", "\t<KLASA II SZKOLY ZAWODOWEJ PRZYS.>",
                            fieldLine("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT", "Gdańsk"), block::kEndLine});
        QVERIFY(store().bFunWczytajUcznia(QStringLiteral("Kowalski Jan")));
        QCOMPARE(session->student().text(student::kSurname), QStringLiteral("Kowalski"));
        QCOMPARE(session->document(0).text("ZMIENNA_Klasa_STR1_DATA_EDIT"), QStringLiteral("I a"));
        QCOMPARE(session->document(0).text("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"), QString());
        QCOMPARE(session->document(1).text("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"), QString());
    }

    void loadingClearsTheFormsEvenWhenTheStudentIsMissing()
    {
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        QVERIFY(!store().bFunWczytajUcznia(QStringLiteral("Brak Ucznia")));
        QCOMPARE(session->document(0).text("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"), QString());
        QCOMPARE(session->student().text(student::kSurname), QString());
    }

    void loadingWithoutAWorkingCopyIsReportedAndLogged()
    {
        QVERIFY(!store().bFunWczytajUcznia(QStringLiteral("A B")));
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Błąd otwarcia pliku do odczytu:\n" + QDir::toNativeSeparators(copy()) + "\nKod błędu: 2"});
        QVERIFY(readLines(env->workingPath("logi.txt")).contains("Błąd otwarcia pliku do odczytu:"));
    }

    void removingWithoutAWorkingCopyShowsABoxWithoutALogEntry()
    {
        QVERIFY(!store().bFunUsunUcznia(QStringLiteral("A B")));
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Błąd podczas otwarcia pliku do odczytu\n" + QDir::toNativeSeparators(copy()) + "\nKod błędu: 2"});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Błąd"));
        QVERIFY(!QFile::exists(env->workingPath("logi.txt")));
    }

    void aFailedRemovalNeverCostsTheOtherStudents()
    {
        storeStudent(*session, QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        const QByteArray before = readBytes(copy());
        QDir().mkpath(env->workingPath("temp.kbr/zajęte")); // the scratch file cannot be written
        QVERIFY(!store().vFunZastapUcznia(QStringLiteral("Nowak Anna")));
        QCOMPARE(readBytes(copy()), before);
        QCOMPARE(session->studentKeys(), (QStringList{"Kowalski Jan", "Nowak Anna"}));
    }

    void textTheCodePageCannotHoldIsNeverWritten()
    {
        storeStudent(*session, QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        const QByteArray before = readBytes(copy());
        session->document(0).setText(QStringLiteral("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT"), QStringLiteral("Київ"));
        QVERIFY(!store().bFunDopiszUcznia(QStringLiteral("Kowalski Jan")));
        QCOMPARE(readBytes(copy()), before);
        QCOMPARE(env->prompter.calls().size(), 1);
    }

    void treeOrderFoldsPolishLettersAndKeepsFileOrderForEqualKeys_data()
    {
        QTest::addColumn<QStringList>("inFile");
        QTest::addColumn<QStringList>("inTree");
        QTest::newRow("Ł sorts as L") << QStringList{"Łukasz Jan", "Lis Ewa"} << QStringList{"Lis Ewa", "Łukasz Jan"};
        QTest::newRow("equal sort keys keep file order")
            << QStringList{"Zając Ala", "Zajac Ala", "Adam Ola"} << QStringList{"Adam Ola", "Zając Ala", "Zajac Ala"};
        QTest::newRow("lower case folds") << QStringList{"zet A", "Alfa B"} << QStringList{"Alfa B", "zet A"};
        QTest::newRow("Ś and Ż fold to S and Z")
            << QStringList{"Żak A", "Śliwa B", "Sowa C", "Zawada D"} << QStringList{"Śliwa B", "Sowa C", "Żak A", "Zawada D"};
    }

    void treeOrderFoldsPolishLettersAndKeepsFileOrderForEqualKeys()
    {
        QFETCH(QStringList, inFile);
        QFETCH(QStringList, inTree);
        QCOMPARE(sortedForTree(inFile), inTree);
    }
};

QTEST_GUILESS_MAIN(StudentStoreTest)
#include "tst_student_store.moc"
