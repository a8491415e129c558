// Preparing the working folder from the program folder, the update list, the
// file type registration and the ordered start-up.
#include "TestEnvironment.h"
#include "system/FileAssociation.h"
#include "system/Folders.h"
#include "system/Runtime.h"
#include "system/Settings.h"
#include "system/StartupLists.h"
#include "system/StartupSequence.h"

#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class StartupTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;

    QString nativeWorking(const QString &relative) const { return QDir::toNativeSeparators(env->workingPath(relative)); }
    QString nativeProgram(const QString &relative) const { return QDir::toNativeSeparators(env->programPath(relative)); }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void firstStartCreatesEveryListedFolderAndFile()
    {
        env->installProgramData();
        QVERIFY(!QFileInfo::exists(env->workingFolder()));
        QVERIFY(bFunSprawdzPlikiKatalogi());
        for (const char *folder : {"kalibracja", "grafika", "aktualizacja"})
            QVERIFY2(QFileInfo(env->workingPath(folder)).isDir(), folder);
        for (const char *file : {"ustawienia.set", "dane_szkoly.set", "marginesy.set", "lista_miast.txt", "lista_woj.txt"})
            QCOMPARE(readBytes(env->workingPath(file)), readBytes(env->programPath(file)));
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void aUsersChangeSurvivesTheNextStart()
    {
        env->prepareWorkingFolder();
        writeLines(env->workingPath("marginesy.set"), {"<Moja>1,2,3,4,5,6,7,8"});
        QVERIFY(bFunSprawdzPlikiKatalogi());
        QCOMPARE(readLines(env->workingPath("marginesy.set")), QStringList{"<Moja>1,2,3,4,5,6,7,8"});
    }

    void shippedListsAreWellFormed()
    {
        // Every file the start-up list names is shipped, and every folder is
        // listed before the files that go into it.
        const QStringList lines = readLines(QStringLiteral(KREVOL_DATA_DIR "/pliki_katalogi.set"));
        QStringList folders;
        for (const QString &line : lines) {
            if (line.startsWith("<FOLDER>"))
                folders << line.mid(8);
            else if (line.startsWith("<PLIK>")) {
                const QString file = line.mid(6);
                QVERIFY2(QFileInfo::exists(QStringLiteral(KREVOL_DATA_DIR "/") + file), qPrintable(file));
                if (file.contains('/'))
                    QVERIFY2(folders.contains(file.section('/', 0, -2)), qPrintable(file));
            } else {
                QFAIL(qPrintable("unexpected line " + line));
            }
        }
        QVERIFY(readLines(QStringLiteral(KREVOL_DATA_DIR "/lista_woj.txt")).size() == 16);
        QVERIFY(readLines(QStringLiteral(KREVOL_DATA_DIR "/lista_miast.txt")).size() >= 100);
    }

    void aFileListedBeforeItsFolderFailsTheCopy()
    {
        writeLines(env->programPath("pliki_katalogi.set"), {"<PLIK>kalibracja/a.set", "<FOLDER>kalibracja"});
        writeLines(env->programPath("kalibracja/a.set"), {"x"});
        QVERIFY(!bFunSprawdzPlikiKatalogi());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Funkcje: bFunSprawdzPlikiKatalogi\n\nBłąd kopiowania pliku\nz: " + nativeProgram("kalibracja/a.set")
                             + "\ndo: " + nativeWorking("kalibracja/a.set") + "\nKod błędu: 2"});
    }

    void aMissingStartupListEndsTheStart()
    {
        QVERIFY(!bFunSprawdzPlikiKatalogi());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Funkcja: bFunSprawdzPlikiKatalogi()\n\nBłąd otwacia pliku do odczytu:\n"
                             + nativeProgram("pliki_katalogi.set") + "\nKod błędu: 2"});
    }

    void oddListLinesAreHandledByTheirTagLength()
    {
        // A tag that does not open its line still has its length cut off;
        // a line with no tag is passed over.
        writeLines(env->programPath("pliki_katalogi.set"), {"no tag here", "x<FOLDER>ab", "<FOLDER>", "<PLIK>"});
        QVERIFY(!bFunSprawdzPlikiKatalogi());
        QVERIFY(QFileInfo(env->workingPath(">ab")).isDir());
        QCOMPARE(env->prompter.calls().size(), 1);
        QVERIFY(env->prompter.calls().first().text.startsWith("Funkcje: bFunSprawdzPlikiKatalogi"));
    }

    void aWorkingFolderThatCannotBeCreatedEndsTheProgram()
    {
        env->installProgramData();
        writeBytes(env->workingFolder(), "a file in the way");
        bool quit = false;
        runtime::setQuitRequestHandler([&quit] { quit = true; });
        StartupHooks hooks;
        bool closed = false;
        hooks.closeWithoutAsking = [&closed] { closed = true; };
        QVERIFY(!vFunInicjalizujProgram(hooks));
        QVERIFY(quit);
        QVERIFY(closed);
        QVERIFY(env->prompter.calls().first().text.startsWith(
            "Funkcja: bFunUtworzKatalog\n\nBłąd podczas tworzenia katalogu:\n" + QDir::toNativeSeparators(env->workingFolder())
            + "\nKod błędu: "));
    }

    void updateListOverwritesThenIsRenamed()
    {
        env->prepareWorkingFolder();
        writeLines(env->workingPath("lista_woj.txt"), {"stare"});
        writeLines(env->programPath("inicjalizuj.set"), {"<FOLDER>nowy", "<PLIK>lista_woj.txt", "<PLIK>nowy/plik.txt"});
        writeLines(env->programPath("nowy/plik.txt"), {"nowe"});
        vFunSprawdzZmanePlikowKatalogow();
        QCOMPARE(readLines(env->workingPath("lista_woj.txt")), readLines(env->programPath("lista_woj.txt")));
        QCOMPARE(readLines(env->workingPath("nowy/plik.txt")), QStringList{"nowe"});
        QVERIFY(!QFile::exists(env->programPath("inicjalizuj.set")));
        QVERIFY(QFile::exists(env->programPath("inicjalizuj.old")));
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void updateListIsDeletedWhenAnOldOneIsInTheWay()
    {
        env->prepareWorkingFolder();
        writeLines(env->programPath("inicjalizuj.old"), {"poprzednia"});
        writeLines(env->programPath("inicjalizuj.set"), {"<PLIK>lista_woj.txt"});
        vFunSprawdzZmanePlikowKatalogow();
        QVERIFY(!QFile::exists(env->programPath("inicjalizuj.set")));
        QCOMPARE(readLines(env->programPath("inicjalizuj.old")), QStringList{"poprzednia"});
    }

    void aFailedUpdateCopyKeepsTheListForTheNextStart()
    {
        env->prepareWorkingFolder();
        writeLines(env->programPath("inicjalizuj.set"), {"<PLIK>brak.txt"});
        vFunSprawdzZmanePlikowKatalogow();
        QVERIFY(QFile::exists(env->programPath("inicjalizuj.set")));
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Funkcja: vFunSprawdzZmanePlikowKatalogow()\n\nBłąd kopiowania pliku\nz:\n"
                             + nativeProgram("brak.txt") + "\ndo:\n" + nativeWorking("brak.txt") + "\nKod błędu: 2"});
    }

    void registrationIsDoneOncePerUser()
    {
        env->prepareWorkingFolder();
        vFunUstawSkojarzeniePlikow();
        QVERIFY(readBytes(mimePackagePath()).contains("<glob pattern=\"*.kbrp\"/>"));
        QVERIFY(readBytes(desktopEntryPath()).contains("MimeType=application/x-krevol-kolbernia-przys;"));
        QVERIFY(readBytes(desktopEntryPath()).contains(" %f\n"));
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kFileAssociation), settings::kFalse);
        QFile::remove(desktopEntryPath());
        vFunUstawSkojarzeniePlikow();
        QVERIFY(!QFile::exists(desktopEntryPath()));
    }

    void startUpRunsItsStepsInOrder()
    {
        env->prepareWorkingFolder();
        writeLines(env->workingPath("ustawienia.set"), {"<AKTUALIZACJA>TRUE", "<WYKRESKUJ PUSTE>TRUE"});
        writeLines(env->workingPath("data_temp.tmp"), {"<DANE SWIADECTW DLA: Stary Uczeń>"});
        QStringList steps;
        StartupHooks hooks;
        hooks.setCaption = [&] { steps << "caption"; };
        hooks.createPageSurfaces = [&] { steps << "pages"; };
        hooks.clearWindowFlags = [&] { steps << "flags"; };
        hooks.setTreeMenuState = [&] { steps << "menu"; };
        hooks.startUpdateCheck = [&] {
            steps << (QFile::exists(env->workingPath("data_temp.tmp")) ? "update before discard" : "update");
        };
        hooks.setCrossOutBox = [&](bool checked) { steps << (checked ? "box on" : "box off"); };
        QVERIFY(vFunInicjalizujProgram(hooks));
        QCOMPARE(steps, (QStringList{"caption", "pages", "flags", "menu", "update", "box on"}));
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kUpdate), settings::kFalse);
        QVERIFY(!QFile::exists(env->workingPath("data_temp.tmp")));
    }

    void crossOutBoxIsTickedOnlyByTrue_data()
    {
        QTest::addColumn<QStringList>("settingsLines");
        QTest::addColumn<bool>("checked");
        QTest::newRow("TRUE") << QStringList{"<WYKRESKUJ PUSTE>TRUE"} << true;
        QTest::newRow("FALSE") << QStringList{"<WYKRESKUJ PUSTE>FALSE"} << false;
        QTest::newRow("missing") << QStringList{} << false;
        QTest::newRow("lower case") << QStringList{"<WYKRESKUJ PUSTE>true"} << false;
    }

    void crossOutBoxIsTickedOnlyByTrue()
    {
        QFETCH(QStringList, settingsLines);
        QFETCH(bool, checked);
        env->prepareWorkingFolder();
        writeLines(env->workingPath("ustawienia.set"), settingsLines);
        std::optional<bool> box;
        StartupHooks hooks;
        hooks.setCrossOutBox = [&](bool value) { box = value; };
        QVERIFY(vFunInicjalizujProgram(hooks));
        QCOMPARE(box, std::optional<bool>(checked));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
