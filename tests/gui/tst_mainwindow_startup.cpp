// The desktop program's start: caption, check box from the settings, and an
// immediate end when the working folder cannot be prepared.
#include "MainWindow.h"
#include "TestEnvironment.h"

#include <QCheckBox>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

class MainWindowStartupTest : public QObject
{
    Q_OBJECT
private slots:
    void startSetsTheCaptionAndTheCheckBox()
    {
        TestEnvironment env;
        env.prepareWorkingFolder();
        writeLines(env.workingPath("ustawienia.set"), {"<WYKRESKUJ PUSTE>FALSE"});
        TFGlowna window;
        QVERIFY(window.WykreskujPusteCheckBox->isChecked()); // ticked in the design
        QVERIFY(window.vFunInicjalizujProgram());
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("wersja: 1.1.4")));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Drukowanie świadectw dla Zasadnicza Szkoła Zawodowa Przysposabiająca, wersja: 1.1.4"));
        QVERIFY(!window.WykreskujPusteCheckBox->isChecked());
        QCOMPARE(window.PageControl->tabText(0), QStringLiteral("Strona 1"));
        QCOMPARE(window.PageControl->tabText(1), QStringLiteral("Strona 2"));
    }

    void aStartWithoutTheStartupListEndsWithoutQuestions()
    {
        TestEnvironment env;
        TFGlowna window;
        QVERIFY(!window.vFunInicjalizujProgram());
        QVERIFY(window.session().closeWithoutAsking);
        QCOMPARE(env.prompter.calls().size(), 1);
    }
};

QTEST_MAIN(MainWindowStartupTest)
#include "tst_mainwindow_startup.moc"
