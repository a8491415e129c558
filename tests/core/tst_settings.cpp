// The settings file, the program log and the error report.
#include "TestEnvironment.h"
#include "system/ErrorReport.h"
#include "system/Folders.h"
#include "system/ProgramLog.h"
#include "system/Runtime.h"
#include "system/Settings.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class SettingsTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    QString settingsPath() const { return env->workingPath(QStringLiteral("ustawienia.set")); }
    void writeSettings(const QStringList &lines) const { writeLines(settingsPath(), lines); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        QDir().mkpath(env->workingFolder());
    }
    void cleanup() { env.reset(); }

    void readingTakesTheFirstLineHoldingTheKey_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString update = QStringLiteral("<AKTUALIZACJA>");
        QTest::newRow("missing key") << QStringList{"<WYKRESKUJ PUSTE>TRUE"} << update << "";
        QTest::newRow("nothing after the tag") << QStringList{"<AKTUALIZACJA>"} << update << "";
        QTest::newRow("first of two") << QStringList{"<AKTUALIZACJA>TRUE", "<AKTUALIZACJA>FALSE"} << update << "TRUE";
        QTest::newRow("key anywhere in the line") << QStringList{"xx<AKTUALIZACJA>TRUE"} << update << "TRUE";
        QTest::newRow("value after the first >") << QStringList{"<MARGINESY>a>b"} << QStringLiteral("<MARGINESY>") << "a>b";
        QTest::newRow("case matters") << QStringList{"<aktualizacja>TRUE"} << update << "";
        QTest::newRow("polish value") << QStringList{"<MARGINESY>Drukarka w pokoju nauczycielskim ąę"}
                                      << QStringLiteral("<MARGINESY>") << "Drukarka w pokoju nauczycielskim ąę";
    }

    void readingTakesTheFirstLineHoldingTheKey()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeSettings(lines);
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(key), value);
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void readingAMissingFileGivesEmptyWithoutAMessage()
    {
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(QStringLiteral("<AKTUALIZACJA>")), QString());
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void readingAcceptsBareLineFeedsAndOddBytes()
    {
        writeBytes(settingsPath(), QByteArray("<A>1\n<B>\x81\x98x\n") + QByteArray(100000, 'z') + "\n<C>3");
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(QStringLiteral("<C>")), QStringLiteral("3"));
        QVERIFY(bFunZapiszDanaDoPlikuUstawien(QStringLiteral("<A>"), QStringLiteral("2")));
        const QByteArray rewritten = readBytes(settingsPath());
        QVERIFY(rewritten.startsWith("<A>2\r\n<B>\x81\x98x\r\n"));
        QVERIFY(rewritten.endsWith("\r\n<C>3\r\n"));
    }

    void writingRewritesOrAppends_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new key goes last")
            << QStringList{"<A>1", "<B>2", "<C>3"} << "<D>" << "4" << QStringList{"<A>1", "<B>2", "<C>3", "<D>4"};
        QTest::newRow("existing key keeps its place")
            << QStringList{"<A>1", "<B>2", "<C>3"} << "<B>" << "X" << QStringList{"<A>1", "<B>X", "<C>3"};
        QTest::newRow("every duplicate is rewritten")
            << QStringList{"<A>1", "<B>2", "<A>3"} << "<A>" << "9" << QStringList{"<A>9", "<B>2", "<A>9"};
        QTest::newRow("a line holding the key anywhere is replaced")
            << QStringList{"old <A> text"} << "<A>" << "1" << QStringList{"<A>1"};
        QTest::newRow("empty file") << QStringList{} << "<A>" << "1" << QStringList{"<A>1"};
    }

    void writingRewritesOrAppends()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QStringList, after);
        writeSettings(before);
        QVERIFY(bFunZapiszDanaDoPlikuUstawien(key, value));
        QCOMPARE(readLines(settingsPath()), after);
        QCOMPARE(readLines(env->workingPath(QStringLiteral("ustawienia.tmp"))), after);
    }

    void aValueHoldingAnAngleBracketSurvivesWritingAndReading()
    {
        writeSettings({});
        QVERIFY(bFunZapiszDanaDoPlikuUstawien(QStringLiteral("<MARGINESY>"), QStringLiteral("HP > 2 mm")));
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(QStringLiteral("<MARGINESY>")), QStringLiteral("HP > 2 mm"));
    }

    void writingWithoutTheSettingsFileIsRefused()
    {
        QVERIFY(!bFunZapiszDanaDoPlikuUstawien(QStringLiteral("<AKTUALIZACJA>"), QStringLiteral("TRUE")));
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(readBytes(env->workingPath(QStringLiteral("ustawienia.tmp"))), QByteArray());
        QCOMPARE(env->prompter.calls().size(), 1);
        const PromptCall call = env->prompter.calls().first();
        QCOMPARE(call.text, QStringLiteral("Funkcja: bFunZapiszDanaDoPlikuUstawien()\n\nBłąd otwarcia pliku do odczytu:\n")
                                + QDir::toNativeSeparators(settingsPath()) + QStringLiteral("\nKod błędu: 2"));
        QCOMPARE(call.caption, QStringLiteral("Błąd"));
        QCOMPARE(call.icon, MessageIcon::Error);
        QCOMPARE(call.buttons, MessageButtons::Ok);
        // The report was logged before the box was shown.
        QVERIFY(readLines(env->workingPath(QStringLiteral("logi.txt"))).contains(QStringLiteral("Błąd otwarcia pliku do odczytu:")));
    }

    void aValueTheCodePageCannotHoldLeavesTheSettingsAlone()
    {
        writeSettings({"<MARGINESY>stara"});
        QVERIFY(!bFunZapiszDanaDoPlikuUstawien(QStringLiteral("<MARGINESY>"), QStringLiteral("Жуков")));
        QCOMPARE(readLines(settingsPath()), QStringList{"<MARGINESY>stara"});
        QCOMPARE(env->prompter.calls().size(), 1);
        QVERIFY(env->prompter.calls().first().text.contains(QStringLiteral("Жуков").left(1)));
    }

    void logEntryHasTheUtcStampTheMessageAndTheClosingLine()
    {
        env->clock.set(QDateTime(QDate(2015, 2, 3), QTime(9, 5, 7), Qt::UTC));
        vFunZapiszLog(QStringLiteral("Funkcja: x\n\nopis"));
        QCOMPARE(readLines(env->workingPath(QStringLiteral("logi.txt"))),
                 (QStringList{"Data: 2015.02.03, Czas: 09:05:07", "Funkcja: x", "", "opis", "-----"}));
        vFunZapiszLog(QStringLiteral("drugi"));
        QCOMPARE(readLines(env->workingPath(QStringLiteral("logi.txt"))).size(), 8);
    }

    void logStampIsUtcWhateverTheClockZone()
    {
        const QDateTime warsaw(QDate(2024, 12, 31), QTime(23, 30, 0), QTimeZone("Europe/Warsaw"));
        QCOMPARE(logTimeStamp(warsaw.toUTC()), QStringLiteral("Data: 2024.12.31, Czas: 22:30:00"));
    }

    void logTakesTextTheCodePageCannotHold()
    {
        vFunZapiszLog(QStringLiteral("plik /home/Жанна/a.kbrp"));
        QCOMPARE(readLines(env->workingPath(QStringLiteral("logi.txt"))).at(1),
                 QStringLiteral("plik /home/\\u{416}\\u{430}\\u{43d}\\u{43d}\\u{430}/a.kbrp"));
    }

    void logWriterIsSilentWhenItCannotWrite()
    {
        QDir().mkpath(env->workingPath(QStringLiteral("logi.txt"))); // a folder where the file should be
        vFunZapiszLog(QStringLiteral("lost"));
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void errorReportLogsFirstThenShowsTheBox()
    {
        struct LogCheckingPrompter : ScriptedPrompter
        {
            QString logPath;
            bool loggedBeforeBox = false;
            MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                                  MessageButtons buttons) override
            {
                loggedBeforeBox = readLines(logPath).contains(QStringLiteral("opis"));
                return ScriptedPrompter::message(text, caption, icon, buttons);
            }
        } prompter;
        prompter.logPath = env->workingPath(QStringLiteral("logi.txt"));
        runtime::setPrompter(&prompter);
        reportError(QStringLiteral("opis"));
        QVERIFY(prompter.loggedBeforeBox);
        QCOMPARE(prompter.calls().first().caption, QStringLiteral("Błąd"));
        runtime::setPrompter(&env->prompter);
    }

    void poZnacznikuTakesTheTextAfterTheFirstTagEnd()
    {
        QCOMPARE(strFunPoZnaczniku(QStringLiteral("<A>b>c")), QStringLiteral("b>c"));
        QCOMPARE(strFunPoZnaczniku(QStringLiteral("no tag")), QStringLiteral("no tag"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
