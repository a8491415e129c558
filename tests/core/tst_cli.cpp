// The command-line tool, run as a user would run it.
#include "CliRunner.h"
#include "TestEnvironment.h"
#include "datafile/StudentBlock.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;


class CliTest : public QObject
{
    Q_OBJECT
private slots:
    void listPrintsTheStudentsInTreeOrderWithoutTouchingTheWorkingCopy()
    {
        TestEnvironment env;
        const QString file = env.root() + QStringLiteral("/klasa.kbrp");
        writeLines(file, {block::headerLine("Łukasz Jan"), block::kEndLine, block::headerLine("Lis Ewa"), block::kEndLine,
                          block::headerLine("Zając Ala"), block::kEndLine, block::headerLine("Zajac Ala"), block::kEndLine});
        const QByteArray before = readBytes(file);
        const CliRun run = runCli(env, {"list", file});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Lis Ewa\nŁukasz Jan\nZając Ala\nZajac Ala\n"));
        QCOMPARE(readBytes(file), before);
        QVERIFY(!QFile::exists(env.workingPath("data_temp.tmp")));
    }

    void failuresSayWhatWentWrong_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringList{"list", "/nonexistent/klasa.kbrp"} << 1 << "/nonexistent/klasa.kbrp";
        QTest::newRow("no command") << QStringList{} << 2 << "list";
        QTest::newRow("unknown command") << QStringList{"frob"} << 2 << "list";
    }

    void failuresSayWhatWentWrong()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestEnvironment env;
        const CliRun run = runCli(env, arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
