// The main window's command "Edytuj wybrane świadectwo / dokument" with the
// certificate editors: OK stores the student, "Anuluj" drops the edits, and
// afterwards the same entry is selected and the student loaded again.
#include "MainWindow.h"
#include "ModalDriver.h"
#include "ModelFixtures.h"
#include "TestEnvironment.h"
#include "datafile/StudentStore.h"
#include "editors/CertificateEditor.h"
#include "editors/LineLimitedMemo.h"
#include "system/Settings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace krevol;
using namespace krevol::test;

namespace {

const QString kPlace = QStringLiteral("ZMIENNA_Miejscowosc_STR1_DATA_EDIT");
const QString kAchievements = QStringLiteral("ZMIENNA_Szczegolne_STR2_DATA_MEMO");

} // namespace

class DocumentEditingTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TFGlowna> window;

    QTreeWidgetItem *entry(const QString &student, const QString &document)
    {
        for (int i = 0; i < window->TreeView->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = window->TreeView->topLevelItem(i);
            for (int c = 0; item->text(0) == student && c < item->childCount(); ++c)
                if (item->child(c)->text(0) == document)
                    return item->child(c);
        }
        return nullptr;
    }
    // Edits the place and the achievements of the selected certificate and leaves by `button`.
    void edit(const QString &caption, const char *button)
    {
        window->TreeView->setCurrentItem(entry(QStringLiteral("Nowak Ola"), caption));
        whenShown<CertificateEditor>([button](CertificateEditor *editor) {
            qobject_cast<QLineEdit *>(editor->field(kPlace))->setText(QStringLiteral("Żyrardów"));
            qobject_cast<LineLimitedMemo *>(editor->field(kAchievements))->setPlainText(QStringLiteral("konkurs\nrajd"));
            editor->findChild<QPushButton *>(QLatin1String(button))->click();
        });
        window->EdytujSwiadectwoToolButtonClick();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->prepareWorkingFolder();
        writeBoolSetting(settings::kSchoolTemplate, true);
        window = std::make_unique<TFGlowna>();
        QVERIFY(window->vFunInicjalizujProgram());
        storeStudent(window->session(), QStringLiteral("Kos"), QStringLiteral("Jan"));
        storeStudent(window->session(), QStringLiteral("Nowak"), QStringLiteral("Ola"));
        StudentStore(window->session()).bFunWczytajListeUczniow();
        env->prompter.clear();
    }
    void cleanup()
    {
        window->session().closeWithoutAsking = true;
        window.reset();
        env.reset();
    }

    void okStoresTheStudentAndTheReloadShowsIt_data()
    {
        QTest::addColumn<int>("index");
        for (int index : {0, 1, 2})
            QTest::newRow(qPrintable(documentDefinition(index).formName)) << index;
    }

    void okStoresTheStudentAndTheReloadShowsIt()
    {
        QFETCH(int, index);
        const QString caption = documentDefinition(index).mainCaption;
        edit(caption, "OKButton");
        QVERIFY(env->prompter.messageTexts().isEmpty());
        QVERIFY(window->session().changed);
        QCOMPARE(window->TreeView->currentItem(), entry(QStringLiteral("Nowak Ola"), caption));
        const DocumentModel &document = window->session().document(index);
        QCOMPARE(document.text(kPlace), QStringLiteral("Żyrardów"));
        QCOMPARE(document.lines(kAchievements), (QStringList{"konkurs", "rajd"}));
        // Only this student, and only this document, changed.
        QVERIFY(StudentStore(window->session()).bFunWczytajUcznia(QStringLiteral("Kos Jan")));
        QCOMPARE(window->session().document(index).text(kPlace), QStringLiteral("Kos %1 żółć").arg(kPlace));
        QVERIFY(StudentStore(window->session()).bFunWczytajUcznia(QStringLiteral("Nowak Ola")));
        QCOMPARE(window->session().document(index == 0 ? 1 : 0).text(kPlace), QStringLiteral("Nowak %1 żółć").arg(kPlace));
    }

    void cancelDropsTheEdits()
    {
        const QString caption = documentDefinition(2).mainCaption;
        edit(caption, "CancelButton");
        QCOMPARE(window->TreeView->currentItem(), entry(QStringLiteral("Nowak Ola"), caption));
        QCOMPARE(window->session().document(2).text(kPlace), QStringLiteral("Nowak %1 żółć").arg(kPlace));
        QCOMPARE(window->session().document(2).lines(kAchievements).size(), 3);
    }

    void gradeSheetPagesOpenNoCertificateEditor()
    {
        window->TreeView->setCurrentItem(entry(QStringLiteral("Nowak Ola"), documentDefinition(5).mainCaption));
        bool shown = false;
        whenShown<CertificateEditor>([&](CertificateEditor *) { shown = true; });
        window->EdytujSwiadectwoToolButtonClick();
        QVERIFY(!shown);
        QVERIFY(env->prompter.messageTexts().isEmpty());
    }
};

QTEST_MAIN(DocumentEditingTest)
#include "tst_document_editing.moc"
