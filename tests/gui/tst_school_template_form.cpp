// The school data template form: what every showing does, "Zapisz" and
// "Anuluj", and the main window's commands that open it.
#include "MainWindow.h"
#include "ModalDriver.h"
#include "SchoolTemplateDialog.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "system/Settings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

const QString kFirstYear = QStringLiteral("ZMIENNA_RokSzkolny1_DATA_EDIT");
const QString kSecondYear = QStringLiteral("ZMIENNA_RokSzkolny2_DATA_EDIT");
const QString kVoivodeship = QStringLiteral("ZMIENNA_SzkolaWoj_DATA_EDIT");
const QString kSchoolName = QStringLiteral("ZMIENNA_Kolbernia1_DATA_EDIT");

} // namespace

class SchoolTemplateFormTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Session> session;
    std::unique_ptr<TFDaneSzkoly> form;

    QString templatePath() const { return env->workingPath(QStringLiteral("dane_szkoly.set")); }
    QLineEdit *edit(const QString &name) const { return qobject_cast<QLineEdit *>(form->field(name)); }
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->prepareWorkingFolder();
        env->clock.set(QDateTime(QDate(2024, 3, 15), QTime(9, 0), Qt::UTC));
        session = std::make_unique<Session>();
        form = std::make_unique<TFDaneSzkoly>(*session);
    }
    void cleanup()
    {
        form.reset();
        session.reset();
        env.reset();
    }

    void theFormIsBuiltFromTheTemplateItems()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Szablon danych"));
        QCOMPARE(form->size(), QSize(672, 677));
        QCOMPARE(form->OKButton->text(), QStringLiteral("Zapisz"));
        QCOMPARE(form->AnulujButton->text(), QStringLiteral("Anuluj"));
        const DocumentDefinition &definition = schoolTemplateDefinition();
        QCOMPARE(definition.items.size(), 15);
        for (const ItemDefinition &item : definition.items) {
            QVERIFY2(edit(item.name), qPrintable(item.name));
            QCOMPARE(edit(item.name)->geometry(), item.editorRect);
            QCOMPARE(edit(item.name)->maxLength(), item.maxLength);
        }
        // Tab order 0 to 14.
        QList<const ItemDefinition *> items;
        for (const ItemDefinition &item : definition.items)
            items << &item;
        std::sort(items.begin(), items.end(), [](auto *a, auto *b) { return a->tabOrder < b->tabOrder; });
        for (qsizetype i = 1; i < items.size(); ++i)
            QCOMPARE(edit(items[i - 1]->name)->nextInFocusChain(), edit(items[i]->name));
    }

    void showingFillsTheSchoolYearsFromTheClock_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("empty template") << QStringList{} << "2023" << "2024";
        QTest::newRow("first year stored") << QStringList{"<ZMIENNA_RokSzkolny1_DATA_EDIT>2019",
                                                          "<ZMIENNA_RokSzkolny2_DATA_EDIT>"}
                                           << "2019" << "2024";
    }

    void showingFillsTheSchoolYearsFromTheClock()
    {
        QFETCH(QStringList, file);
        writeLines(templatePath(), file);
        show();
        QTEST(edit(kFirstYear)->text(), "first");
        QTEST(edit(kSecondYear)->text(), "second");
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void cancellingStillMarksTheTemplateAsMade()
    {
        writeLines(templatePath(), {"<ZMIENNA_Klasa_DATA_EDIT>I"});
        writeBoolSetting(settings::kSchoolTemplate, false);
        show();
        edit(kSchoolName)->setText(QStringLiteral("nie zapisane"));
        form->AnulujButton->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kSchoolTemplate), settings::kTrue);
        QCOMPARE(readLines(templatePath()), QStringList{"<ZMIENNA_Klasa_DATA_EDIT>I"});
        show(); // the file, not what was typed, comes back
        QCOMPARE(edit(kSchoolName)->text(), QString());
    }

    void savingWritesFifteenLinesAndShowsThemAgain()
    {
        show();
        edit(kVoivodeship)->setText(QStringLiteral("łódzkie"));
        edit(kSchoolName)->setText(QStringLiteral("Szkoła <nr 3> im. A>B"));
        form->OKButton->click();
        QVERIFY(!form->isVisible());
        const QStringList lines = readLines(templatePath());
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines.first(), QStringLiteral("<ZMIENNA_SzkolaWoj_DATA_EDIT>łódzkie"));
        QVERIFY(lines.contains(QStringLiteral("<ZMIENNA_RokSzkolny1_DATA_EDIT>2023")));
        show();
        QCOMPARE(edit(kSchoolName)->text(), QStringLiteral("Szkoła <nr 3> im. A>B"));
        QCOMPARE(edit(kVoivodeship)->text(), QStringLiteral("łódzkie"));
    }

    void aMissingFileIsReportedAndTheFormStillOpens()
    {
        QFile::remove(templatePath());
        show();
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Funkcja: vFunWczytajSzablonDanychSzkoly()\n\nBłąd otwarcia pliku do odczytu\n"
                             + QDir::toNativeSeparators(templatePath()) + "\nKod błędu: 2"});
        QCOMPARE(edit(kFirstYear)->text(), QStringLiteral("2023"));
        QCOMPARE(edit(kSchoolName)->text(), QString());
    }

    void aFailedWriteKeepsTheFormOpenAndTheOldTemplate()
    {
        writeLines(templatePath(), {"<ZMIENNA_Klasa_DATA_EDIT>I"});
        QDir().mkpath(env->workingPath(QStringLiteral("dane_szkoly.tmp")));
        show();
        edit(kSchoolName)->setText(QStringLiteral("wpisane"));
        form->OKButton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(edit(kSchoolName)->text(), QStringLiteral("wpisane"));
        QCOMPARE(env->prompter.messageTexts().size(), 1);
        QCOMPARE(readLines(templatePath()), QStringList{"<ZMIENNA_Klasa_DATA_EDIT>I"});
    }

    void textTheFileCannotHoldIsRefused()
    {
        show();
        edit(kVoivodeship)->setText(QStringLiteral("Київ"));
        form->OKButton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Pole zawiera znaki, których nie można zapisać w pliku: Київ\nUsuń je lub zastąp innymi."});
        QCOMPARE(form->focusWidget(), edit(kVoivodeship));
    }

    void aStoredValueLongerThanTheLimitIsShownWhole()
    {
        const QString longName = QString(70, QLatin1Char('s')); // the limit is 64
        writeLines(templatePath(), {"<ZMIENNA_Kolbernia1_DATA_EDIT>" + longName});
        show();
        QCOMPARE(edit(kSchoolName)->text(), longName);
        edit(kSchoolName)->setFocus();
        edit(kSchoolName)->end(false);
        QTest::keyClicks(edit(kSchoolName), QStringLiteral("x"));
        QCOMPARE(edit(kSchoolName)->text(), longName); // no more typed characters
        QTest::keyClick(edit(kSchoolName), Qt::Key_Backspace);
        QCOMPARE(edit(kSchoolName)->text(), longName.left(69));
    }

    void editingADocumentCanCreateTheTemplateFirst()
    {
        TFGlowna window;
        QVERIFY(window.vFunInicjalizujProgram());
        writeBoolSetting(settings::kSchoolTemplate, false);
        env->prompter.clear();
        env->prompter.answer(MessageAnswer::Yes);
        bool shown = false;
        whenShown<TFDaneSzkoly>([&](TFDaneSzkoly *templateForm) {
            shown = true;
            templateForm->AnulujButton->click();
        });
        window.EdytujSwiadectwoToolButtonClick();
        QVERIFY(shown);
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kSchoolTemplate), settings::kTrue);
        QCOMPARE(env->prompter.messageTexts().last(), QStringLiteral("Nie wybrano świadectwa z listy"));
        // Made once, the template is not offered again.
        env->prompter.clear();
        window.EdytujSwiadectwoToolButtonClick();
        QCOMPARE(env->prompter.messageTexts(), QStringList{"Nie wybrano świadectwa z listy"});
        window.session().closeWithoutAsking = true;
    }
};

QTEST_MAIN(SchoolTemplateFormTest)
#include "tst_school_template_form.moc"
