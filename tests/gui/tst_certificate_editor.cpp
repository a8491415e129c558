// The certificate editors as a user drives them: fields built from the
// definitions, line-limited memos with and without word wrap, the template
// button, the wheel, and OK storing the whole student.
#include "ModelFixtures.h"
#include "Session.h"
#include "TestEnvironment.h"
#include "datafile/StudentStore.h"
#include "editors/CertificateEditor.h"
#include "editors/LineLimitedMemo.h"
#include "system/Settings.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

const QString kBehaviour = QStringLiteral("ZMIENNA_Zachowanie_STR2_DATA_MEMO");
const QString kReligion = QStringLiteral("ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX");
const QString kClass = QStringLiteral("ZMIENNA_Klasa_STR1_DATA_EDIT");
const QString kPlace = QStringLiteral("ZMIENNA_Miejscowosc_STR1_DATA_EDIT");

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("wiersz %1").arg(i);
    return lines;
}

} // namespace

class CertificateEditorTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Session> session;
    std::unique_ptr<CertificateEditor> editor;

    void open(int index)
    {
        editor = std::make_unique<CertificateEditor>(*session, documentDefinition(index));
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    LineLimitedMemo *memo(const QString &name) const { return qobject_cast<LineLimitedMemo *>(editor->field(name)); }
    QLineEdit *edit(const QString &name) const { return qobject_cast<QLineEdit *>(editor->field(name)); }
    // Focus in a memo with its cursor at the end, as a user clicking into it.
    LineLimitedMemo *typingInto(const QString &name)
    {
        editor->PageControl->setCurrentIndex(1);
        LineLimitedMemo *field = memo(name);
        field->setFocus();
        field->moveCursor(QTextCursor::End);
        return field;
    }
    void setWrapSetting(bool on) { writeBoolSetting(settings::kAutoWordWrap, on); }
    // The memo cases run with word wrap off and on.
    static void wrapRows()
    {
        QTest::addColumn<bool>("wrap");
        QTest::newRow("word wrap off") << false;
        QTest::newRow("word wrap on") << true;
    }
    // Words that fill a memo line several times over.
    static QString longParagraph() { return QStringLiteral("ala ma kota a kot ma ale ").repeated(8); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->prepareWorkingFolder();
        session = std::make_unique<Session>();
        storeStudent(*session, QStringLiteral("Łąka"), QStringLiteral("Ewa"));
        QVERIFY(StudentStore(*session).bFunWczytajUcznia(QStringLiteral("Łąka Ewa")));
        env->prompter.clear();
    }
    void cleanup()
    {
        editor.reset();
        session.reset();
        env.reset();
    }

    void fieldsStandAtTheirPlacesWithTheirLimits_data()
    {
        QTest::addColumn<int>("index");
        for (int index : {0, 1, 2})
            QTest::newRow(qPrintable(documentDefinition(index).formName)) << index;
    }

    void fieldsStandAtTheirPlacesWithTheirLimits()
    {
        QFETCH(int, index);
        open(index);
        QCOMPARE(editor->objectName(), documentDefinition(index).formName);
        QCOMPARE(editor->windowTitle(), documentDefinition(index).formCaption);
        QCOMPARE(editor->PageControl->tabText(0), QStringLiteral("Strona 1"));
        QCOMPARE(editor->PageControl->tabText(1), QStringLiteral("Strona2"));
        for (const ItemDefinition *item : documentDefinition(index).variableItems()) {
            QWidget *field = editor->field(item->name);
            QVERIFY2(field, qPrintable(item->name));
            QCOMPARE(field->geometry(), item->editorRect);
            QScrollArea *page = item->editorPage == 1 ? editor->ScrollBox1 : editor->ScrollBox2;
            QCOMPARE(field->parentWidget(), page->widget());
            if (auto *line = qobject_cast<QLineEdit *>(field)) {
                QCOMPARE(line->isReadOnly(), item->source == ItemSource::Derived);
                if (item->maxLength > 0 && line->text().size() <= item->maxLength)
                    QCOMPARE(line->maxLength(), item->maxLength);
            }
        }
        auto *religion = qobject_cast<QComboBox *>(editor->field(kReligion));
        QStringList suggestions;
        for (int i = 0; i < religion->count(); ++i)
            suggestions << religion->itemText(i);
        QCOMPARE(suggestions, documentDefinition(index).item(kReligion)->suggestions);
        QCOMPARE(suggestions.first(), QStringLiteral("celujący"));
        QCOMPARE(suggestions.last(), QStringLiteral("nie uczestniczył"));
    }

    void tabRunsInTheOrderOfEachPage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("page");
        for (int index : {0, 2})
            for (int page : {1, 2})
                QTest::addRow("%s page %d", qPrintable(documentDefinition(index).formName), page) << index << page;
    }

    void tabRunsInTheOrderOfEachPage()
    {
        QFETCH(int, index);
        QFETCH(int, page);
        open(index);
        QList<const ItemDefinition *> items;
        for (const ItemDefinition *item : documentDefinition(index).variableItems())
            if (item->editorPage == page)
                items << item;
        std::sort(items.begin(), items.end(), [](auto *a, auto *b) { return a->tabOrder < b->tabOrder; });
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        editor->PageControl->setCurrentIndex(page - 1);
        editor->field(items.first()->name)->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < items.size(); ++i) {
            QWidget *focused = QApplication::focusWidget();
            // A combo box hands the focus to its line edit.
            if (qobject_cast<QComboBox *>(focused->parentWidget()))
                focused = focused->parentWidget();
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QStringList expected;
        for (const ItemDefinition *item : items)
            expected << item->name;
        QCOMPARE(visited, expected);
    }

    void enterInAFullMemoIsDropped_data() { wrapRows(); }

    void enterInAFullMemoIsDropped()
    {
        QFETCH(bool, wrap);
        setWrapSetting(wrap);
        session->document(0).setLines(kBehaviour, numberedLines(4));
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(field->memoLines(), numberedLines(4));
        QVERIFY(editor->isVisible()); // Enter pressed no button either
        QTest::keyClicks(field, QStringLiteral("x"));
        QCOMPARE(field->memoLines().last(), QStringLiteral("wiersz 4x")); // typing on the fourth line goes on
        // Below the limit Enter, with Shift too, starts a line.
        field->showLines(numberedLines(3));
        field->moveCursor(QTextCursor::End);
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(field, QStringLiteral("y"));
        QCOMPARE(field->memoLines(), numberedLines(3) << QStringLiteral("y"));
        QCOMPARE(field->toPlainText(), numberedLines(3).join(QLatin1Char('\n')) + QStringLiteral("\ny"));
    }

    void aPasteOfSixLinesKeepsTheFirstFour_data() { wrapRows(); }

    void aPasteOfSixLinesKeepsTheFirstFour()
    {
        QFETCH(bool, wrap);
        setWrapSetting(wrap);
        session->document(0).setLines(kBehaviour, {});
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        QGuiApplication::clipboard()->setText(numberedLines(6).join(QStringLiteral("\r\n")));
        field->paste();
        QCOMPARE(field->memoLines(), numberedLines(4));
        QCOMPARE(field->toPlainText(), numberedLines(4).join(QLatin1Char('\n')));
    }

    void wrappingPastTheLastLineCutsTheMemoBack()
    {
        setWrapSetting(true);
        session->document(0).setLines(kBehaviour, numberedLines(3) << QStringLiteral("czwarty"));
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        QTest::keyClicks(field, QStringLiteral(" ") + longParagraph());
        const QStringList lines = field->memoLines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.mid(0, 3), numberedLines(3));
        QVERIFY(lines.last().startsWith(QStringLiteral("czwarty ala ma kota")));
        QVERIFY(lines.last().size() < longParagraph().size()); // the wrapped rest is gone
    }

    // Word wrap off: one line a paragraph; on: one line a displayed line.
    void storedLinesAreTheDisplayedLines_data() { wrapRows(); }

    void storedLinesAreTheDisplayedLines()
    {
        QFETCH(bool, wrap);
        setWrapSetting(wrap);
        session->document(0).setLines(kBehaviour, {});
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        const QString paragraph = longParagraph().left(150);
        QTest::keyClicks(field, paragraph);
        const QStringList displayed = field->memoLines();
        QCOMPARE(displayed.size() > 1, wrap);
        QCOMPARE(displayed.join(QString()), paragraph);
        const int width = field->lineWrapColumnOrWidth();
        for (const QString &line : displayed)
            QVERIFY(!wrap || QFontMetrics(field->font()).horizontalAdvance(line.trimmed()) < width);
        editor->OKButton->click();
        QVERIFY(!editor->isVisible());
        QVERIFY(StudentStore(*session).bFunWczytajUcznia(QStringLiteral("Łąka Ewa")));
        QCOMPARE(session->document(0).lines(kBehaviour), displayed);
    }

    void aMemoShownOverItsLimitIsNotCutButRefused()
    {
        // Stored unwrapped, these lines take two displayed lines each once wrapped.
        const QStringList long4{longParagraph().left(100), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        session->document(0).setLines(kBehaviour, long4);
        setWrapSetting(true);
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        QVERIFY(field->memoLines().size() > 4);
        QTest::keyClicks(field, QStringLiteral("e"));
        QVERIFY(field->toPlainText().startsWith(long4.first())); // an edit does not cut what the user did not type
        editor->PageControl->setCurrentIndex(0);
        editor->OKButton->click();
        QVERIFY(editor->isVisible());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Pole zawiera więcej wierszy, niż mieści się w tym miejscu dokumentu (najwyżej 4).\nSkróć tekst."});
        QCOMPARE(editor->PageControl->currentIndex(), 1);
        // Unwrapped again, the memo holds its four lines and is stored.
        editor->AutoWordWrapCheckBox->click();
        editor->OKButton->click();
        QVERIFY(!editor->isVisible());
        QCOMPARE(session->document(0).lines(kBehaviour), QStringList(long4.mid(0, 3)) << QStringLiteral("de"));
    }

    void textTheFileCannotHoldIsRefused()
    {
        const QString before = QString::fromLatin1(readBytes(session->workingCopyPath()).toHex());
        open(0);
        LineLimitedMemo *field = typingInto(kBehaviour);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("Ж"), Qt::NoModifier);
        editor->PageControl->setCurrentIndex(0);
        editor->OKButton->click();
        QVERIFY(editor->isVisible());
        QCOMPARE(env->prompter.messageTexts(),
                 QStringList{"Pole zawiera znaki, których nie można zapisać w pliku: Ж\nUsuń je lub zastąp innymi."});
        QCOMPARE(env->prompter.calls().first().caption, QStringLiteral("Brak danych"));
        QCOMPARE(env->prompter.calls().first().icon, MessageIcon::Warning);
        QCOMPARE(editor->PageControl->currentIndex(), 1);
        QCOMPARE(editor->focusWidget(), field);
        QCOMPARE(QString::fromLatin1(readBytes(session->workingCopyPath()).toHex()), before);
    }

    void polishLettersAreStored()
    {
        open(0);
        QLineEdit *field = edit(QStringLiteral("ZMIENNA_TakNieOtrzymal_STR1_DATA_EDIT"));
        field->clear();
        field->setFocus();
        for (const QChar letter : QStringLiteral("żółć"))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        QCOMPARE(field->text(), QStringLiteral("żół")); // three characters at most
        editor->OKButton->click();
        QVERIFY(StudentStore(*session).bFunWczytajUcznia(QStringLiteral("Łąka Ewa")));
        QCOMPARE(session->document(0).text(QStringLiteral("ZMIENNA_TakNieOtrzymal_STR1_DATA_EDIT")), QStringLiteral("żół"));
    }

    void aFailedStoreKeepsTheWindowOpen()
    {
        open(0);
        session->setWorkingCopyPath(env->root() + QStringLiteral("/nie-ma/data_temp.tmp"));
        editor->OKButton->click();
        QVERIFY(editor->isVisible());
        QVERIFY(!env->prompter.messageTexts().isEmpty());
    }

    void theTemplateOverwritesItsItemsEvenWithEmptyValues_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("filled");
        QTest::newRow("TFKlasa1") << 0 << 15;
        QTest::newRow("TFKoniec") << 2 << 13;
    }

    void theTemplateOverwritesItsItemsEvenWithEmptyValues()
    {
        QFETCH(int, index);
        QFETCH(int, filled);
        // Every template value but the class; the place is longer than the certificate's typing limit.
        SchoolTemplate &schoolTemplate = session->schoolTemplate();
        for (const ItemDefinition &item : schoolTemplate.definition().items)
            schoolTemplate.setText(item.name, QStringLiteral("z ") + item.name);
        schoolTemplate.setText(QStringLiteral("ZMIENNA_Klasa_DATA_EDIT"), QString());
        schoolTemplate.setText(QStringLiteral("ZMIENNA_Miejscowosc_DATA_EDIT"), QString(34, QLatin1Char('m')));
        QVERIFY(schoolTemplate.vFunZapiszSzablonDanychSzkoly());
        schoolTemplate.vFunWyczyscSzablonDanychSzkoly(); // the file, not the model, is the source

        open(index);
        const QStringList before = [&] {
            QStringList texts;
            for (const ItemDefinition *item : documentDefinition(index).variableItems())
                texts << editor->fields().text(item->name);
            return texts;
        }();
        editor->LoadSchoolDataButton->click();
        int changed = 0;
        const auto items = documentDefinition(index).variableItems();
        for (qsizetype i = 0; i < items.size(); ++i)
            changed += editor->fields().text(items[i]->name) != before[i];
        QCOMPARE(changed, filled);
        QCOMPARE(editor->fields().text(kPlace), QString(34, QLatin1Char('m')));
        QCOMPARE(editor->fields().text(QStringLiteral("ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT")),
                 QStringLiteral("z ZMIENNA_Kolbernia1_DATA_EDIT"));
        if (index == 0)
            QCOMPARE(editor->fields().text(kClass), QString());
        QVERIFY(env->prompter.calls().isEmpty());
    }

    void aMissingTemplateIsReportedAndEmptiesTheItems()
    {
        QFile::remove(env->workingPath(QStringLiteral("dane_szkoly.set")));
        open(2);
        editor->LoadSchoolDataButton->click();
        QCOMPARE(env->prompter.messageTexts().size(), 1);
        QVERIFY(env->prompter.messageTexts().first().startsWith("Funkcja: vFunWczytajSzablonDanychSzkoly()"));
        QCOMPARE(editor->fields().text(kPlace), QString());
        QCOMPARE(editor->fields().text(QStringLiteral("ZMIENNA_RokSzkolny1_STR1_DATA_EDIT")), QString());
    }

    void theWheelMovesBothPages()
    {
        open(0);
        QWheelEvent towardsUser(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                                Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor->ScrollBox1->viewport(), &towardsUser);
        QCOMPARE(editor->ScrollBox1->verticalScrollBar()->value(), 120);
        editor->PageControl->setCurrentIndex(1);
        QCOMPARE(editor->ScrollBox2->verticalScrollBar()->value(), 120);
        // Over the religion grade the wheel scrolls the pages and leaves the grade alone.
        auto *religion = qobject_cast<QComboBox *>(editor->field(kReligion));
        const QString grade = religion->currentText();
        QApplication::sendEvent(religion, &towardsUser);
        QCOMPARE(religion->currentText(), grade);
        QCOMPARE(editor->ScrollBox2->verticalScrollBar()->value(), 240);
    }

    void wordWrapIsSharedByTheCertificates()
    {
        setWrapSetting(false);
        open(0);
        QVERIFY(!editor->AutoWordWrapCheckBox->isChecked());
        editor->AutoWordWrapCheckBox->click();
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kAutoWordWrap), settings::kTrue);
        QVERIFY(memo(kBehaviour)->wordWrap());
        editor->CancelButton->click();
        open(2);
        QVERIFY(editor->AutoWordWrapCheckBox->isChecked());
        for (LineLimitedMemo *field : editor->fields().memos())
            QVERIFY(field->wordWrap());
        editor->AutoWordWrapCheckBox->click();
        QCOMPARE(strFunWczytajDanaZPlikuUstawien(settings::kAutoWordWrap), settings::kFalse);
        QVERIFY(!memo(kBehaviour)->wordWrap());
    }

    void theWindowTakesTheScreenHeight()
    {
        open(1);
        QCOMPARE(editor->width(), 745);
        QCOMPARE(editor->height(), editor->screen()->availableGeometry().height() - 50);
    }
};

QTEST_MAIN(CertificateEditorTest)
#include "tst_certificate_editor.moc"
