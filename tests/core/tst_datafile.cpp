// Opening and saving data files, and the lock that keeps a second program
// away from the working copy.
#include "ModelFixtures.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "datafile/DataFile.h"
#include "datafile/StudentBlock.h"
#include "system/InstanceLock.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class DataFileTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Session> session;
    QString userFile(const QString &name) const { return env->root() + QLatin1Char('/') + name; }
    QString native(const QString &path) const { return QDir::toNativeSeparators(path); }

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

    void aReadOnlyFileOpensQuietlyAndCanBeSavedOver()
    {
        const QString file = userFile("klasa.kbrp");
        writeLines(file, {block::headerLine("Lis Ewa"), block::kEndLine});
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QVERIFY(bFunOtworzPlikSwiadectw(*session, file));
        QVERIFY(env->prompter.calls().isEmpty());
        QCOMPARE(session->studentKeys(), QStringList{"Lis Ewa"});
        QVERIFY(QFileInfo(session->workingCopyPath()).isWritable());
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        session->dataFilePath = file;
        QVERIFY(bFunZapiszIstniejacyPlikSwiadectw(*session));
        QCOMPARE(readBytes(file), readBytes(session->workingCopyPath()));
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void openingAMissingFileSaysNothingWasLoaded()
    {
        const QString file = userFile("brak.kbrp");
        QVERIFY(!bFunOtworzPlikSwiadectw(*session, file));
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Błąd kopiowania pliku\nz :" + file + "\ndo :" + native(session->workingCopyPath())
                             + "\nKod błędu: 2\nDane świadectw nie zostały wczytane."});
    }

    void saveAsAsksBeforeReplacingAFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("No keeps the file") << int(MessageAnswer::No) << false;
        QTest::newRow("Yes replaces it") << int(MessageAnswer::Yes) << true;
    }

    void saveAsAsksBeforeReplacingAFile()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        const QString file = userFile("istniejacy.kbrp");
        writeBytes(file, "stary");
        session->dataFilePath = QStringLiteral("poprzedni.kbrp");
        env->prompter.answerText(file);
        env->prompter.answer(MessageAnswer(answer));
        QCOMPARE(vFunZapiszNowyPlikSwiadectw(*session), saved);
        const PromptCall dialog = env->prompter.calls().at(0);
        QCOMPARE(dialog.filter, QStringLiteral("Kolbernia przys.|*.kbrp"));
        QCOMPARE(dialog.initialName, QStringLiteral("nowy"));
        const PromptCall question = env->prompter.calls().at(1);
        QCOMPARE(question.text, QStringLiteral("Wybrany plik już istnieje.\nCzy chcesz zastąpić istniejący plik ?"));
        QCOMPARE(question.caption, QStringLiteral("Zapisz"));
        QCOMPARE(question.icon, MessageIcon::Question);
        QCOMPARE(readBytes(file) == "stary", !saved);
        QCOMPARE(session->dataFilePath, saved ? file : QStringLiteral("poprzedni.kbrp"));
    }

    void saveAsCancelledOrBareNamed()
    {
        storeStudent(*session, QStringLiteral("Nowak"), QStringLiteral("Anna"));
        env->prompter.answerText(std::nullopt);
        QVERIFY(!vFunZapiszNowyPlikSwiadectw(*session));
        QVERIFY(session->dataFilePath.isEmpty());
        env->prompter.answerText(userFile("klasa3"));
        QVERIFY(vFunZapiszNowyPlikSwiadectw(*session));
        QCOMPARE(session->dataFilePath, userFile("klasa3.kbrp"));
        QVERIFY(QFile::exists(userFile("klasa3.kbrp")));
    }

    void savingBeforeAnyStudentWritesNoFile()
    {
        env->prompter.answerText(userFile("pusta.kbrp"));
        QVERIFY(!vFunZapiszNowyPlikSwiadectw(*session));
        QVERIFY(!QFile::exists(userFile("pusta.kbrp")));
        QCOMPARE(env->prompter.calls().last().caption, QStringLiteral("Atrybuty"));
        QVERIFY(env->prompter.calls().last().text.startsWith(
            "Funkcja: vFunZapiszNowyPlikSwiadectw()\n\nBłąd podczas próby kopiowania pliku\nz\n"));
        QVERIFY(env->prompter.calls().last().text.endsWith("\n\nDane nie zostały zapisane."));
    }

    void aFailedSaveLeavesTheOldFileWhole()
    {
        const QString file = userFile("klasa.kbrp");
        writeBytes(file, "dane klasy");
        session->dataFilePath = file; // there is no working copy to save
        QVERIFY(!bFunZapiszIstniejacyPlikSwiadectw(*session));
        QCOMPARE(readBytes(file), QByteArray("dane klasy"));
        QVERIFY(env->prompter.calls().last().text.startsWith(
            "Funkcja: vFunZapiszIstniejacyPlikSwiadectw()\n\nBłąd kopiowania pliku z\n"));
        QCOMPARE(QDir(env->root()).entryList(QDir::Files), QStringList{"klasa.kbrp"}); // no scratch left behind
    }

    void aSecondProgramCannotTakeTheWorkingFolder()
    {
        InstanceLock first;
        QVERIFY(first.acquire());
        // A second program is another process; a second lock file object stands in for it.
        QLockFile second(InstanceLock::lockFilePath());
        QVERIFY(!second.tryLock(0));
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_datafile.moc"
