// The main window's student and document commands.
#include "MainWindow.h"

#include "StudentDialog.h"
#include "datafile/StudentStore.h"
#include "documents/DocumentDefinition.h"
#include "system/Runtime.h"
#include "system/Settings.h"

#include <QTreeWidget>

namespace krevol {
namespace {

void warnNothingSelected(const QString &text)
{
    runtime::prompter().message(text, QStringLiteral("Brak wyboru"), MessageIcon::Warning, MessageButtons::Ok);
}

const QString kNoStudent = QStringLiteral("Nie wybrano ucznia z listy");

} // namespace

void TFGlowna::DodajUczniaToolButtonClick()
{
    m_session.changed = true;
    m_session.student().editMode = false;
    // A new student's block is written with empty documents.
    m_session.clearForms({QStringLiteral("TFDaneUcznia"), QStringLiteral("TFKlasa1"), QStringLiteral("TFKlasa2"),
                          QStringLiteral("TFKoniec"), QStringLiteral("TFArkuszStr1"), QStringLiteral("TFArkuszStr1b"),
                          QStringLiteral("TFArkuszStr2"), QStringLiteral("TFArkuszStr2b"), QStringLiteral("TFArkuszStr3b"),
                          QStringLiteral("TFArkuszStr4b"), QStringLiteral("TFArkuszStr5b")});
    m_studentForm->exec();
    StudentStore(m_session).bFunWczytajListeUczniow();
}

void TFGlowna::EdytujDaneUczniaToolButtonClick()
{
    m_session.changed = true;
    if (strFunWybranyElement(Selected::Student).isEmpty()) {
        warnNothingSelected(kNoStudent);
        return;
    }
    m_session.student().editMode = true;
    m_studentForm->exec();
}

void TFGlowna::UsunUczniaToolButtonClick()
{
    m_session.changed = true;
    const QString key = strFunWybranyElement(Selected::Student);
    if (key.isEmpty()) {
        warnNothingSelected(kNoStudent);
        return;
    }
    if (runtime::prompter().message(QStringLiteral("Czy na pewno chcesz skasować dane ucznia:\n") + key,
                                    QStringLiteral("Usuń"), MessageIcon::Warning, MessageButtons::YesNo)
        == MessageAnswer::Yes)
        StudentStore(m_session).bFunUsunUcznia(key);
    StudentStore(m_session).bFunWczytajListeUczniow();
}

void TFGlowna::EdytujSwiadectwoToolButtonClick()
{
    const QString templateMade = strFunWczytajDanaZPlikuUstawien(settings::kSchoolTemplate);
    if ((templateMade == settings::kFalse || templateMade.isEmpty())
        && runtime::prompter().message(
               QStringLiteral("Szablon danych szkoły nie został jeszcze utworzony.\nCzy chcesz utworzyć szablon teraz ?"),
               QStringLiteral("Szablon"), MessageIcon::Question, MessageButtons::YesNo)
            == MessageAnswer::Yes)
        showSchoolTemplate();
    m_session.changed = true;
    m_selectedKey = strFunWybranyElement(Selected::Student);
    m_selectedCaption = strFunWybranyElement(Selected::Document);
    const DocumentDefinition *document = documentByCaption(m_selectedCaption);
    if (m_selectedCaption.isEmpty() || !document) {
        warnNothingSelected(QStringLiteral("Nie wybrano świadectwa z listy"));
        return;
    }
    showDocumentEditor(*document);
    selectEntry(m_selectedKey, m_selectedCaption);
}

void TFGlowna::selectEntry(const QString &key, const QString &caption)
{
    // Walk the tree in display order: the student first, then from there the document.
    QTreeWidgetItemIterator it(TreeView);
    while (*it && (*it)->text(0) != key)
        ++it;
    while (*it && (*it)->text(0) != caption)
        ++it;
    if (!*it)
        return;
    m_buildingTree = true;
    TreeView->setCurrentItem(*it);
    m_buildingTree = false;
    TreeViewClick();
}

void TFGlowna::DrukujToolButtonClick()
{
    const DocumentDefinition *document = documentByCaption(strFunWybranyElement(Selected::Document));
    if (!document) {
        warnNothingSelected(QStringLiteral("Zaznacz świadectwo które chciesz wydrukować"));
        return;
    }
    m_session.printing = true;
    showPrintDialog(*document);
    m_session.printing = false;
}

void TFGlowna::Formatowaniewiadectwapodstawowe1Click()
{
    formatting(false);
}

void TFGlowna::Ustawieniaczcionki1Click()
{
    formatting(true);
}

void TFGlowna::formatting(bool advanced)
{
    m_session.calibrationEditorOpen = true;
    showCalibrationEditor(advanced);
    m_session.calibrationEditorOpen = false;
    StudentStore(m_session).bFunWczytajListeUczniow();
}

void TFGlowna::ToolButton14Click()
{
    showImportDialog();
}

void TFGlowna::Szablondanychszkoy1Click()
{
    showSchoolTemplate();
}

} // namespace krevol
