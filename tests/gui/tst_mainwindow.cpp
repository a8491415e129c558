// The main window's commands as a user drives them, answered by the scripted Prompter.
#include "LogViewer.h"
#include "MainWindow.h"
#include "system/ProgramLog.h"
#include "ModalDriver.h"
#include "ModelFixtures.h"
#include "StudentDialog.h"
#include "TestEnvironment.h"
#include "datafile/StudentBlock.h"
#include "datafile/StudentStore.h"
#include "system/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

QString mustSave() { return QStringLiteral("Czy chcesz zapisać zmiany ?"); }
QString reallyEnd() { return QStringLiteral("Czy na pewno chcesz zakończyć pracę ?"); }

void type(TFDaneUcznia *dialog, const QString &item, const QString &text)
{
    QWidget *field = dialog->field(item);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->isEditable() ? combo->setEditText(text) : combo->setCurrentIndex(combo->findText(text));
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TFGlowna> window;
    QString classFile;

    QTreeWidgetItem *entry(const QString &student, const QString &document = QString())
    {
        for (int i = 0; i < window->TreeView->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = window->TreeView->topLevelItem(i);
            if (item->text(0) != student)
                continue;
            if (document.isNull())
                return item;
            for (int c = 0; c < item->childCount(); ++c)
                if (item->child(c)->text(0) == document)
                    return item->child(c);
        }
        return nullptr;
    }
    QStringList topLevelTexts() const
    {
        QStringList texts;
        for (int i = 0; i < window->TreeView->topLevelItemCount(); ++i)
            texts << window->TreeView->topLevelItem(i)->text(0);
        return texts;
    }
    QStringList messages() const { return env->prompter.messageTexts(); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->prepareWorkingFolder();
        window = std::make_unique<TFGlowna>();
        QVERIFY(window->vFunInicjalizujProgram());
        classFile = env->root() + QStringLiteral("/moja klasa.kbrp");
        writeLines(classFile, {block::headerLine("Łukasz Jan"), block::kEndLine, block::headerLine("Lis Ewa"),
                               block::kEndLine});
        env->prompter.clear();
    }
    void cleanup()
    {
        window->session().closeWithoutAsking = true;
        window.reset();
        env.reset();
    }

    void commandLineOpensAPathWithBlanks()
    {
        window->openFromCommandLine(classFile);
        QCOMPARE(window->statusText(), classFile);
        QCOMPARE(topLevelTexts(), (QStringList{"Lis Ewa", "Łukasz Jan"}));
        QTreeWidgetItem *lis = entry("Lis Ewa");
        QCOMPARE(lis->childCount(), 9);
        QCOMPARE(lis->child(0)->text(0), QStringLiteral("MEN-I/19/2 świadectwo kl. 1"));
        QCOMPARE(lis->child(3)->text(0), QString());
        QCOMPARE(lis->child(8)->text(0), QStringLiteral("MEN-I/41b/2 arkusz ocen str. 5"));
    }

    void commandLineTailsOfFiveCharactersAreIgnored()
    {
        QDir::setCurrent(env->root());
        writeLines(env->root() + "/a.bcd", {block::headerLine("X Y"), block::kEndLine});
        window->openFromCommandLine(QStringLiteral("a.bcd"));
        QCOMPARE(window->TreeView->topLevelItemCount(), 0);
        window->openFromCommandLine(QStringLiteral("nie-ma-takiego.kbrp"));
        QCOMPARE(window->statusText(), QString());
        QVERIFY(messages().isEmpty());
    }

    void popupMenuFollowsTheSelection()
    {
        window->openFromCommandLine(classFile);
        window->TreeView->setCurrentItem(nullptr);
        window->vFunUstawMenuDrzewa();
        QVERIFY(!window->Edytujdaneucznia1->isEnabled());
        QVERIFY(!window->Drukujwybranewiadectwo2->isEnabled());
        window->TreeView->setCurrentItem(entry("Lis Ewa"));
        QVERIFY(window->Usudaneucznia1->isEnabled());
        QVERIFY(!window->Edytujdokument1->isEnabled());
        window->TreeView->setCurrentItem(entry("Lis Ewa")->child(3)); // the blank line
        QVERIFY(window->Edytujdaneucznia1->isEnabled());
        QVERIFY(!window->Edytujdokument1->isEnabled());
        window->TreeView->setCurrentItem(entry("Lis Ewa", "MEN-I/19/2 świadectwo kl. 2"));
        QVERIFY(window->Edytujdokument1->isEnabled());
        QCOMPARE(window->strFunWybranyElement(TFGlowna::Selected::Student), QStringLiteral("Lis Ewa"));
    }

    void newFileWithChangesKeepsTheFileWhenTheSaveIsCancelled()
    {
        window->openFromCommandLine(classFile);
        window->session().changed = true;
        window->session().dataFilePath = QString(); // never saved: "Zapisz" becomes "Zapisz jako"
        env->prompter.answer(MessageAnswer::Yes);
        env->prompter.answerText(std::nullopt);
        window->NowyPlikToolButtonClick();
        QCOMPARE(env->prompter.calls().first().text, mustSave());
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Edycja"));
        QCOMPARE(env->prompter.calls().first().icon, MessageIcon::Question);
        QCOMPARE(window->TreeView->topLevelItemCount(), 2);
        QVERIFY(QFile::exists(env->workingPath("data_temp.tmp")));
    }

    void newFileEmptiesTheWindow()
    {
        window->openFromCommandLine(classFile);
        window->NowyPlikToolButtonClick();
        QVERIFY(messages().isEmpty());
        QCOMPARE(window->TreeView->topLevelItemCount(), 0);
        QCOMPARE(window->statusText(), QString());
        QVERIFY(!QFile::exists(env->workingPath("data_temp.tmp")));
    }

    void aCancelledSaveKeepsTheChangedFlagSoClosingAsks()
    {
        window->openFromCommandLine(classFile);
        window->session().dataFilePath = QString();
        window->session().changed = true;
        env->prompter.answerText(std::nullopt);
        window->Zapisz1Click();
        QVERIFY(window->session().changed);
        env->prompter.clear();
        env->prompter.answer(MessageAnswer::No);
        env->prompter.answer(MessageAnswer::No);
        window->show();
        QVERIFY(!window->close());
        QCOMPARE(messages(), (QStringList{mustSave(), reallyEnd()}));
        QCOMPARE(env->prompter.calls().at(1).caption, QStringLiteral("Koniec"));
    }

    void savingClearsTheChangedFlag()
    {
        window->openFromCommandLine(classFile);
        window->session().changed = true;
        window->Zapisz1Click();
        QVERIFY(!window->session().changed);
        window->session().changed = true;
        env->prompter.answerText(env->root() + "/kopia.kbrp");
        window->Zapiszjako1Click();
        QVERIFY(window->session().changed); // "Zapisz jako" leaves the flag alone
        QCOMPARE(window->statusText(), env->root() + "/kopia.kbrp");
    }

    void koniecWithoutChangesAsksOnlyWhetherToEnd()
    {
        env->prompter.answer(MessageAnswer::Yes);
        window->show();
        window->session().closeWithoutAsking = true;
        window->Koniec1Click();
        QCOMPARE(messages(), QStringList{reallyEnd()});
        QVERIFY(!window->isVisible());
    }

    void openingAFileFailsCleanly()
    {
        window->openFromCommandLine(classFile);
        env->prompter.answerText(env->root() + "/nie-ma.kbrp");
        window->OtworzPlikToolButtonClick();
        QCOMPARE(window->statusText(), QString());
        QCOMPARE(window->TreeView->topLevelItemCount(), 0);
        QVERIFY(!QFile::exists(env->workingPath("data_temp.tmp")));
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().endsWith("Dane świadectw nie zostały wczytane."));
    }

    void commandsThatNeedASelectionSaySo_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("edit student") << "EdytujDaneUczniaToolButtonClick" << "Nie wybrano ucznia z listy";
        QTest::newRow("delete student") << "UsunUczniaToolButtonClick" << "Nie wybrano ucznia z listy";
        QTest::newRow("print") << "DrukujToolButtonClick" << "Zaznacz świadectwo które chciesz wydrukować";
    }

    void commandsThatNeedASelectionSaySo()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QVERIFY(QMetaObject::invokeMethod(window.get(), qPrintable(command)));
        QCOMPARE(messages(), QStringList{text});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Brak wyboru"));
        QCOMPARE(env->prompter.calls().first().icon, MessageIcon::Warning);
    }

    void editingADocumentOffersTheTemplateFirst()
    {
        writeLines(env->workingPath("ustawienia.set"), {});
        env->prompter.answer(MessageAnswer::No);
        window->EdytujSwiadectwoToolButtonClick();
        QCOMPARE(messages(), (QStringList{"Szablon danych szkoły nie został jeszcze utworzony.\nCzy chcesz utworzyć szablon teraz ?",
                                          "Nie wybrano świadectwa z listy"}));
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Szablon"));
        QVERIFY(window->session().changed);
    }

    void deletingAsksAndRemovesTheStudent()
    {
        window->openFromCommandLine(classFile);
        window->TreeView->setCurrentItem(entry("Lis Ewa", "MEN-I/20/2 świadectwo ukończenia"));
        env->prompter.answer(MessageAnswer::Yes);
        window->UsunUczniaToolButtonClick();
        QCOMPARE(messages(), QStringList{"Czy na pewno chcesz skasować dane ucznia:\nLis Ewa"});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Usuń"));
        QCOMPARE(topLevelTexts(), QStringList{"Łukasz Jan"});
        QVERIFY(window->session().changed);
    }

    void wheelMovesBothPages()
    {
        window->Image1->setFixedSize(1100, 3000);
        window->Image2->setFixedSize(1100, 3000);
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->ScrollBox1->viewport(), &wheel);
        // One notch towards the user scrolls both pages down by 120 pixels.
        QCOMPARE(window->ScrollBox1->verticalScrollBar()->value(), 120);
        window->PageControl->setCurrentIndex(1);
        QCOMPARE(window->ScrollBox2->verticalScrollBar()->value(), 120);
    }

    void addingAStudentThroughTheDialog()
    {
        whenShown<TFDaneUcznia>([](TFDaneUcznia *dialog) {
            type(dialog, student::kSurname, QStringLiteral("wrona"));
            type(dialog, student::kFirstName, QStringLiteral("ćma"));
            type(dialog, student::kGender, QStringLiteral("kobieta"));
            type(dialog, student::kPesel, QStringLiteral("08210501234"));
            type(dialog, student::kBirthTown, QStringLiteral("Łowicz"));
            dialog->OKButton->click();
        });
        window->DodajUczniaToolButtonClick();
        QVERIFY(window->session().changed);
        QCOMPARE(topLevelTexts(), QStringList{"Wrona ćma"});
        QVERIFY(messages().isEmpty());
        // The next new student starts with the town of birth of the last one.
        QCOMPARE(window->session().student().text(student::kBirthTown), QStringLiteral("Łowicz"));
        whenShown<TFDaneUcznia>([](TFDaneUcznia *dialog) {
            QCOMPARE(qobject_cast<QComboBox *>(dialog->field(student::kBirthTown))->currentText(), QStringLiteral("Łowicz"));
            QCOMPARE(qobject_cast<QLineEdit *>(dialog->field(student::kSurname))->text(), QString());
        });
        window->DodajUczniaToolButtonClick();
    }

    void studentDialogChecksInOrder_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("gender");
        QTest::addColumn<QString>("pesel");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("surname") << "" << "" << "" << "" << "Nazwisko ucznia jest wymagane" << student::kSurname;
        QTest::newRow("first name") << "Kos" << "" << "" << "" << "Imię ucznia jest wymagane" << student::kFirstName;
        QTest::newRow("gender") << "Kos" << "Ala" << "" << "" << "Płeć ucznia jest wymagana" << student::kGender;
        QTest::newRow("short PESEL") << "Kos" << "Ala" << "kobieta" << "1234567890"
                                     << "Brak numeru PESEL lub jego długość jest niewłaściwa" << student::kPesel;
        QTest::newRow("text the file cannot hold") << "Kos" << "Аля" << "kobieta" << "abcdefghijk"
                                                   << "Pole zawiera znaki, których nie można zapisać w pliku: Аля\nUsuń je lub zastąp innymi."
                                                   << student::kFirstName;
    }

    void studentDialogChecksInOrder()
    {
        QFETCH(QString, surname);
        QFETCH(QString, firstName);
        QFETCH(QString, gender);
        QFETCH(QString, pesel);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        bool stayedOpen = false;
        QString focused;
        window->session().student().setText(student::kGender, QString());
        whenShown<TFDaneUcznia>([&](TFDaneUcznia *dialog) {
            type(dialog, student::kSurname, surname);
            type(dialog, student::kFirstName, firstName);
            type(dialog, student::kGender, gender);
            type(dialog, student::kPesel, pesel);
            dialog->OKButton->click();
            stayedOpen = dialog->isVisible();
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        });
        window->DodajUczniaToolButtonClick();
        QVERIFY(stayedOpen);
        QCOMPARE(messages(), QStringList{message});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Brak danych"));
        QCOMPARE(focused, focus);
        QVERIFY(!QFile::exists(env->workingPath("data_temp.tmp")));
    }

    void addingAnExistingStudentAsksBeforeReplacing()
    {
        window->openFromCommandLine(classFile);
        env->prompter.answer(MessageAnswer::No);
        bool stayedOpen = false;
        whenShown<TFDaneUcznia>([&](TFDaneUcznia *dialog) {
            type(dialog, student::kSurname, QStringLiteral("lis"));
            type(dialog, student::kFirstName, QStringLiteral("ewa"));
            type(dialog, student::kGender, QStringLiteral("kobieta"));
            type(dialog, student::kPesel, QStringLiteral("08210501234"));
            dialog->OKButton->click();
            stayedOpen = dialog->isVisible();
        });
        window->DodajUczniaToolButtonClick();
        QVERIFY(stayedOpen);
        QCOMPARE(messages(), QStringList{"Uczeń \"Lis Ewa\" już istnieje.\nCzy chcesz zastąpić istniejącego ucznia ?\n\n"
                                         "Uwaga wszystkie dane zostaną nadpisane."});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Edycja"));
        QCOMPARE(env->prompter.calls().first().icon, MessageIcon::Warning);
    }

    void renamingOntoAnotherStudentAsksAndReplacesIt()
    {
        storeStudent(window->session(), QStringLiteral("Łukasz"), QStringLiteral("Jan"));
        storeStudent(window->session(), QStringLiteral("Lis"), QStringLiteral("Ewa"));
        StudentStore(window->session()).bFunWczytajListeUczniow();
        window->TreeView->setCurrentItem(entry("Łukasz Jan"));
        env->prompter.answer(MessageAnswer::Yes);
        whenShown<TFDaneUcznia>([](TFDaneUcznia *dialog) {
            type(dialog, student::kSurname, QStringLiteral("Lis"));
            type(dialog, student::kFirstName, QStringLiteral("Ewa"));
            type(dialog, student::kGender, QStringLiteral("kobieta"));
            type(dialog, student::kPesel, QStringLiteral("08210501234"));
            dialog->OKButton->click();
        });
        window->EdytujDaneUczniaToolButtonClick();
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().startsWith("Uczeń \"Lis Ewa\" już istnieje."));
        QCOMPARE(topLevelTexts(), QStringList{"Lis Ewa"});
        QCOMPARE(window->session().studentKeys(), QStringList{"Lis Ewa"});
    }

    void cancellingTheDialogStoresNothing()
    {
        window->openFromCommandLine(classFile);
        window->TreeView->setCurrentItem(entry("Lis Ewa"));
        whenShown<TFDaneUcznia>([](TFDaneUcznia *dialog) {
            type(dialog, student::kSurname, QStringLiteral("Zmieniona"));
            dialog->AnulujButton->click();
        });
        window->EdytujDaneUczniaToolButtonClick();
        QCOMPARE(topLevelTexts(), (QStringList{"Lis Ewa", "Łukasz Jan"}));
        QCOMPARE(window->session().student().text(student::kSurname), QString());
    }

    void aStoredValueLongerThanItsFieldIsShownWhole()
    {
        const QString longSurname = QStringLiteral("Konstantynopolitańczykowianeczka-Brzęczyszczykiewicz-Wielka");
        window->session().student().setText(student::kSurname, longSurname);
        window->session().student().editMode = true;
        QString shown;
        whenShown<TFDaneUcznia>([&](TFDaneUcznia *dialog) {
            shown = qobject_cast<QLineEdit *>(dialog->field(student::kSurname))->text();
        });
        window->studentForm()->exec();
        QCOMPARE(shown, longSurname);
    }

    void aMissingTownListIsReportedAndTheDialogStillOpens()
    {
        QFile::remove(env->workingPath("lista_miast.txt"));
        bool shown = false;
        whenShown<TFDaneUcznia>([&](TFDaneUcznia *) { shown = true; });
        window->DodajUczniaToolButtonClick();
        QVERIFY(shown);
        QCOMPARE(messages(), QStringList{"Funkcja: vFunWczytajMiasta()\n\nBłąd otwarcia pliku do odczytu\n"
                                         + QDir::toNativeSeparators(env->workingPath("lista_miast.txt")) + "\nKod błędu: 2"});
    }

    void clickingAStudentLoadsIt()
    {
        window->openFromCommandLine(classFile);
        StudentStore store(window->session());
        storeStudent(window->session(), QStringLiteral("Kos"), QStringLiteral("Ala"));
        store.bFunWczytajListeUczniow();
        window->session().student().vFunWyczyscDaneUcznia();
        window->TreeView->setCurrentItem(entry("Kos Ala")->child(3));
        QCOMPARE(window->session().student().text(student::kSurname), QStringLiteral("Kos"));
    }

    void logViewerShowsTheLog()
    {
        vFunZapiszLog(QStringLiteral("Błąd zapisu: żółw"));
        QString shown;
        whenShown<TFLogi>([&](TFLogi *viewer) { shown = viewer->RichEdit1->toPlainText(); });
        window->Logiprogramu1Click();
        QCOMPARE(shown, QStringLiteral("Data: 2015.06.21, Czas: 14:38:52\nBłąd zapisu: żółw\n-----"));
    }

    void crossOutBoxIsRemembered()
    {
        window->WykreskujPusteCheckBox->click();
        const bool checked = window->WykreskujPusteCheckBox->isChecked();
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kCrossOutEmpty), checked ? settings::kTrue : settings::kFalse);
        QCOMPARE(window->session().crossOutEmpty, checked);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
