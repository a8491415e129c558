// The command-line tool's render command, run as a user would run it: the PNG
// is the preview, the PDF puts each item where the margin preset and the
// calibration record say, and failures say what went wrong.
#include "CliRunner.h"
#include "ModelFixtures.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "datafile/StudentStore.h"
#include "render/DocumentRenderer.h"
#include "system/Runtime.h"

#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A data file of two students, written as the program writes one.
QString writeClassFile(const TestEnvironment &env)
{
    const QString path = env.root() + QStringLiteral("/klasa.kbrp");
    Session session;
    session.setWorkingCopyPath(path);
    storeStudent(session, QStringLiteral("Kot"), QStringLiteral("Ala"));
    storeStudent(session, QStringLiteral("Lis"), QStringLiteral("Ewa"));
    return path;
}

} // namespace

class CliRenderTest : public QObject
{
    Q_OBJECT
private slots:
    void aTextItemLandsInThePdfWhereThePresetAndTheRecordPutIt()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftotext.isEmpty() || pdftoppm.isEmpty())
            QSKIP("poppler-utils are not installed");
        TestEnvironment env;
        // One left-aligned record at X1 100, Y2 500, printed with the preset
        // "Drukarka laserowa": page 1 from 6 to 204 mm across, 2 to 295 mm down.
        writeLines(env.workingPath("kalibracja/kalibracja_kolbernia_przys_klasaI.set"),
                   {"<ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT>100,0,700,500,Times New Roman,12,0,0,0,0,0"});
        const QString pdf = env.root() + "/swiadectwo.pdf";
        const CliRun result = runCli(env, {"render", "--samples", "--document", "0", "--out", pdf, "--preset", "Drukarka laserowa"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));

        const QString words = run(pdftotext, {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
        const QRegularExpressionMatch word = QRegularExpression(
            QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">szkoła<")).match(words);
        QVERIFY2(word.hasMatch(), qPrintable(words));
        const auto mm = [](double points) { return points * 25.4 / 72; };
        const double left = 6 + 100 * (204 - 6) / 885.0;
        QVERIFY2(qAbs(mm(word.captured(1).toDouble()) - left) < 0.2, qPrintable(word.captured(1)));

        // The baseline: the box's top is a line height plus a quarter of 12
        // points above Y2, so the text stands 3 units plus the font's descent
        // above Y2. "szkoła" has no descender: its ink ends on the baseline.
        QImage measure(1, 1, QImage::Format_RGB32);
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(16);
        const double baselineUnits = 500 - 3 - QFontMetrics(font, &measure).descent();
        const double baseline = 2 + baselineUnits * (295 - 2) / 1314.0;
        const int dpi = 600;
        const int x = qRound(word.captured(1).toDouble() / 72 * dpi), y = qRound(word.captured(2).toDouble() / 72 * dpi);
        const int w = qRound((word.captured(3).toDouble() - word.captured(1).toDouble()) / 72 * dpi);
        const int h = qRound((word.captured(4).toDouble() - word.captured(2).toDouble()) / 72 * dpi) + 40;
        run(pdftoppm, {"-gray", "-r", QString::number(dpi), "-f", "1", "-l", "1", "-x", QString::number(x), "-y",
                       QString::number(y), "-W", QString::number(w), "-H", QString::number(h), pdf, env.root() + "/crop"});
        const QImage crop(env.root() + "/crop-1.pgm");
        QVERIFY(!crop.isNull());
        int lowestInk = -1;
        for (int row = 0; row < crop.height(); ++row)
            for (int column = 0; column < crop.width(); ++column)
                if (qGray(crop.pixel(column, row)) < 128)
                    lowestInk = row;
        QVERIFY(lowestInk >= 0);
        const double inkBottom = (y + lowestInk + 1) * 25.4 / dpi;
        QVERIFY2(qAbs(inkBottom - baseline) < 0.2, qPrintable(QString("%1 mm, expected %2").arg(inkBottom).arg(baseline)));
    }

    void thePdfHoldsEveryPageOnA4()
    {
        TestEnvironment env;
        const QString pdf = env.root() + "/koniec.pdf";
        const CliRun result = runCli(env, {"render", "--samples", "--document", "2", "--out", pdf});
        QCOMPARE(result.exitCode, 0);
        const QString info = run(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
        if (info.isEmpty())
            QSKIP("poppler-utils are not installed");
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        QVERIFY2(info.contains("595 x 842 pts (A4)"), qPrintable(info));
    }

    void thePngIsThePreview()
    {
        TestEnvironment env;
        const QString file = writeClassFile(env);
        const QByteArray before = readBytes(file);
        const QString png = env.root() + "/strona2.png";
        const CliRun result = runCli(env, {"render", file, "--student", "kot ala", "--document", "1", "--page", "2", "--cross-out",
                                        "--out", png});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
        QCOMPARE(readBytes(file), before);
        QVERIFY(!QFile::exists(env.workingPath("data_temp.tmp")));

        // What the main window shows for the same student and document.
        runtime::setProgramFolderOverride(QStringLiteral(KREVOL_PROGRAM_DIR));
        Session session;
        session.setWorkingCopyPath(file);
        session.crossOutEmpty = true;
        QVERIFY(StudentStore(session).bFunWczytajUcznia("Kot Ala"));
        QCOMPARE(renderDocument(session, 1, 0), RenderResult::Drawn);
        const QImage shown = session.previewImages[1].convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), shown);
    }

    void failuresSayWhatWentWrong_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such student") << QStringList{"%F", "--student", "Nowak Jan", "--document", "0", "--out", "%O.png"}
                                         << 1 << "Brak ucznia: Nowak Jan";
        QTest::newRow("no such preset") << QStringList{"--samples", "--document", "0", "--preset", "Brak", "--out", "%O.pdf"}
                                        << 1 << "Brak ustawień marginesów: Brak";
        QTest::newRow("an unreadable data file") << QStringList{"/nie/ma/klasa.kbrp", "--student", "Kot Ala", "--document", "0", "--out", "%O.png"}
                                                 << 1 << "Nie można odczytać pliku: /nie/ma/klasa.kbrp";
        QTest::newRow("no calibration file") << QStringList{"--samples", "--document", "1", "--out", "%O.png"}
                                             << 1 << "Funkcja: vFunRysujSwiadectwo()";
        QTest::newRow("a grade sheet") << QStringList{"--samples", "--document", "5", "--out", "%O.png"} << 2 << "Dokument 5";
        QTest::newRow("no document") << QStringList{"--samples", "--out", "%O.png"} << 2 << "--document";
        QTest::newRow("both a student and samples") << QStringList{"%F", "--student", "Kot Ala", "--samples", "--document", "0", "--out", "%O.png"}
                                                    << 2 << "--samples";
        QTest::newRow("another kind of output") << QStringList{"--samples", "--document", "0", "--out", "%O.jpg"} << 2 << ".png";
        QTest::newRow("page 3") << QStringList{"--samples", "--document", "0", "--page", "3", "--out", "%O.png"} << 2 << "--page";
    }

    void failuresSayWhatWentWrong()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestEnvironment env;
        const QString file = writeClassFile(env);
        arguments.replaceInStrings("%F", file);
        arguments.replaceInStrings("%O", env.root() + "/wynik");
        QString tool = installedCliPath();
        if (message.startsWith("Funkcja")) {
            // The working folder is prepared from the program folder at every
            // run: the file is missing only when the installation lacks it.
            env.installProgramData();
            tool = env.programPath("krevol-przys-cli");
            QVERIFY(QFile::copy(installedCliPath(), tool));
            QFile::setPermissions(tool, QFile::permissions(installedCliPath()));
            QVERIFY(QFile::remove(env.programPath("kalibracja/kalibracja_kolbernia_przys_klasaII.set")));
            QStringList list = readLines(env.programPath("pliki_katalogi.set"));
            list.removeAll("<PLIK>kalibracja/kalibracja_kolbernia_przys_klasaII.set");
            writeLines(env.programPath("pliki_katalogi.set"), list);
        }
        const CliRun result = runCli(env, QStringList{"render"} + arguments, tool);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        if (exitCode == 1)
            QCOMPARE(result.err.count('\n'), 1);
        if (message.startsWith("Funkcja"))
            QVERIFY(readLines(env.workingPath("logi.txt")).join('\n').contains(
                "Funkcja: vFunRysujSwiadectwo()\n\nBłąd podczas próby otwarcia pliku do odczytu\n"));
        QVERIFY(!QFile::exists(env.root() + "/wynik.png") && !QFile::exists(env.root() + "/wynik.pdf"));
    }
};

QTEST_MAIN(CliRenderTest)
#include "tst_cli_render.moc"
